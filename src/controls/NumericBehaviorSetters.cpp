// The field's shape: digits, decimals, sign, grouping, separators, prefix and the pattern that
// sets them all.
#include "controls/NumericBehavior.h"

#include <algorithm>

template <typename Change>
void NumericBehavior::ChangeKeepingNumber(Change change)
{
    const LocaleChars before = chars_;
    std::string number = DigitsOnly(NumberPart(window_.Text()), false);
    change();
    for (char& c : number) {
        if (c == before.decimalPoint)
            c = chars_.decimalPoint;
        else if (c == before.negativeSign)
            c = chars_.negativeSign;
    }
    const std::string sanitized = SanitizeText(number);
    if (sanitized != window_.Text())
        window_.SetText(sanitized);
}

void NumericBehavior::SetDecimalPlaces(int places)
{
    ChangeSetting(decimalPlaces_, std::max(0, places));
}

void NumericBehavior::SetWholeDigits(int digits)
{
    const int whole = AbsoluteDigits(digits);
    const std::uint32_t options = digits < 0 ? (options_ | NoNegative) : (options_ & ~NoNegative);
    if (whole == wholeDigits_ && options == options_)
        return;
    wholeDigits_ = whole;
    options_ = options;
    Revalidate();
}

void NumericBehavior::SetNegativeAllowed(bool allowed)
{
    if (allowed)
        ChangeOptions(0, NoNegative);
    else
        ChangeOptions(NoNegative, 0);
}

void NumericBehavior::SetGroupSize(int size)
{
    ChangeSetting(groupSize_, size);
}

void NumericBehavior::SetSeparatorChars(char decimalPoint, char groupSeparator)
{
    LocaleChars next = chars_;
    next.decimalPoint = decimalPoint;
    next.groupSeparator = groupSeparator;
    next.ResolveEqualChars();
    if (next == chars_)
        return;
    ChangeKeepingNumber([&] { chars_ = next; });
}

void NumericBehavior::SetPrefixText(const std::string& prefix)
{
    if (prefix == prefix_)
        return;
    ChangeKeepingNumber([&] { prefix_ = prefix; });
}

void NumericBehavior::SetLimits(double minimum, double maximum)
{
    minimum_ = minimum;
    maximum_ = maximum;
    Revalidate();
}

void NumericBehavior::ApplyPattern(const std::string& pattern)
{
    int whole = 0;
    int decimals = 0;
    bool markFound = false;
    bool groupFound = false;
    std::size_t markPos = pattern.size();
    LocaleChars chars = chars_;
    int groupSize = 0;
    std::string prefix;
    for (std::size_t i = pattern.size(); i-- > 0;) {
        const char c = pattern[i];
        if (c == '#') {
            (markFound ? whole : decimals) += 1;
        } else if (!markFound && (c == '.' || c == chars_.decimalPoint)) {
            markFound = true;
            markPos = i;
            chars.decimalPoint = c;
        } else if (!groupFound && (c == ',' || c == chars_.groupSeparator)) {
            groupFound = true;
            chars.groupSeparator = c;
            groupSize = static_cast<int>(markPos - i - 1);
        } else if (groupFound && c == chars.groupSeparator) {
            // Further group marks only repeat the grouping.
        } else {
            prefix = pattern.substr(0, i + 1);
            break;
        }
    }
    if (!markFound) {
        whole += decimals;
        decimals = 0;
    }
    chars.ResolveEqualChars();
    ChangeKeepingNumber([&] {
        wholeDigits_ = whole;
        decimalPlaces_ = decimals;
        chars_ = chars;
        groupSize_ = groupSize;
        prefix_ = prefix;
        options_ &= ~NoNegative;
    });
}

std::string NumericBehavior::Pattern() const
{
    std::string zeros(static_cast<std::size_t>(wholeDigits_), '0');
    zeros += chars_.decimalPoint;
    zeros.append(static_cast<std::size_t>(decimalPlaces_), '0');
    std::string pattern = Decorate(zeros);
    std::replace(pattern.begin(), pattern.end(), '0', '#');
    return pattern;
}
