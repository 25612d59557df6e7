#include "controls/LocaleChars.h"

#include <clocale>

namespace {

// The first character of a locale string, if it is one ASCII byte on its own.
void TakeSingleAscii(const char* text, char& target)
{
    if (text == nullptr || text[0] == '\0')
        return;
    const auto first = static_cast<unsigned char>(text[0]);
    if (first >= 0x80U)
        return;
    target = static_cast<char>(first);
}

} // namespace

LocaleChars LocaleChars::FromProcessLocale()
{
    LocaleChars chars;
    if (const std::lconv* conv = std::localeconv()) {
        TakeSingleAscii(conv->negative_sign, chars.negativeSign);
        TakeSingleAscii(conv->decimal_point, chars.decimalPoint);
        TakeSingleAscii(conv->thousands_sep, chars.groupSeparator);
    }
    chars.ResolveEqualChars();
    return chars;
}

void LocaleChars::ResolveEqualChars()
{
    if (decimalPoint == groupSeparator)
        groupSeparator = decimalPoint == ',' ? '.' : ',';
}

std::string LocaleChars::FromStandard(const std::string& number) const
{
    std::string text = number;
    for (char& c : text) {
        if (c == '-')
            c = negativeSign;
        else if (c == '.')
            c = decimalPoint;
    }
    return text;
}
