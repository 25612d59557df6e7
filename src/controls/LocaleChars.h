#pragma once

#include <string>

// The three characters a numeric field writes and recognises: the negative sign, the decimal
// point and the thousands separator.
struct LocaleChars {
    char negativeSign = '-';
    char decimalPoint = '.';
    char groupSeparator = ',';

    // The characters of the process's current numeric locale (read now, once). A locale
    // character is taken only when it is a single ASCII byte: a multi-byte separator such as a
    // narrow no-break space keeps the default, as does a locale that supplies none.
    static LocaleChars FromProcessLocale();

    // A group separator equal to the decimal point would make numbers unreadable: it becomes
    // "." when the decimal point is ",", and "," otherwise.
    void ResolveEqualChars();

    // A number written with "-" and "." (as on a command line or in a file) in these characters.
    std::string FromStandard(const std::string& number) const;

    bool operator==(const LocaleChars&) const = default;
};
