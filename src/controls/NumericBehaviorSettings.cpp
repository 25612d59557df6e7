// Focus loss, limits and settings of the numeric field.
#include "controls/NumericBehavior.h"

#include <algorithm>
#include <climits>

namespace {

constexpr const char* kDefaultLimitsText = "Please specify a valid numeric value.";
constexpr const char* kBetweenText = "Please specify a numeric value between ";
constexpr const char* kAndText = " and ";
constexpr const char* kAtLeastText = "Please specify a numeric value greater than or equal to ";
constexpr const char* kAtMostText = "Please specify a numeric value less than or equal to ";

int AbsoluteDigits(int digits)
{
    if (digits == INT_MIN)
        return INT_MAX;
    return digits < 0 ? -digits : digits;
}

} // namespace

// --- focus loss and limits ----------------------------------------------------------------

void NumericBehavior::HandleFocusLoss()
{
    window_.DefaultFocusLoss();

    const std::string original = DigitsOnly(NumberPart(window_.Text()), false);
    std::string t = original;
    const char sign = chars_.negativeSign;
    const char point = chars_.decimalPoint;

    if ((options_ & TrimLeadingZeros) != 0 && !t.empty()) {
        const bool negative = t[0] == sign;
        if (negative)
            t.erase(0, 1);
        const std::size_t firstNonZero = t.find_first_not_of('0');
        t.erase(0, firstNonZero == std::string::npos ? t.size() : firstNonZero);
        if (t.empty() || t[0] == point)
            t.insert(t.begin(), '0');
        if (negative)
            t.insert(t.begin(), sign);
    } else if ((options_ & FocusLossOptions) == 0 || (t.empty() && (options_ & SkipCheckWhenEmpty) != 0)) {
        return;
    }

    if ((options_ & ZeroFillDecimals) != 0 && decimalPlaces_ > 0) {
        if (t.find(point) == std::string::npos) {
            if (t.empty() || t == std::string(1, sign))
                t = "0";
            t += point;
        }
        const std::size_t decimals = t.size() - t.find(point) - 1;
        if (decimals < static_cast<std::size_t>(decimalPlaces_))
            t.append(static_cast<std::size_t>(decimalPlaces_) - decimals, '0');
    }

    if ((options_ & ZeroFillWhole) != 0 && wholeDigits_ > 0) {
        const std::size_t signLength = !t.empty() && t[0] == sign ? 1 : 0;
        const std::size_t wholeEnd = std::min(t.find(point), t.size());
        const std::size_t whole = wholeEnd - signLength;
        if (whole < static_cast<std::size_t>(wholeDigits_))
            t.insert(signLength, static_cast<std::size_t>(wholeDigits_) - whole, '0');
    }

    if (t != original)
        AssignKeepingSelection(t, window_.Selection());

    if (t.empty()) {
        if ((options_ & BeepEmpty) != 0)
            window_.Beep();
        if ((options_ & ClampEmpty) != 0)
            ClampToLimits();
        if ((options_ & MessageEmpty) != 0 && (options_ & RefocusEmpty) != 0)
            ReportLimits();
        if ((options_ & RefocusEmpty) != 0)
            window_.TakeFocus();
    } else if (!IsWithinLimits()) {
        if ((options_ & BeepOutOfRange) != 0)
            window_.Beep();
        if ((options_ & ClampOutOfRange) != 0)
            ClampToLimits();
        if ((options_ & MessageOutOfRange) != 0 && (options_ & RefocusOutOfRange) != 0)
            ReportLimits();
        if ((options_ & RefocusOutOfRange) != 0)
            window_.TakeFocus();
    }
}

bool NumericBehavior::IsWithinLimits() const
{
    const double value = Value();
    return minimum_ <= value && value <= maximum_;
}

std::string NumericBehavior::LimitsText() const
{
    const bool minimumSet = minimum_ > LowestLimit;
    const bool maximumSet = maximum_ < HighestLimit;
    if (minimumSet && maximumSet)
        return kBetweenText + FormatValue(minimum_, true) + kAndText + FormatValue(maximum_, true) + ".";
    if (minimumSet)
        return kAtLeastText + FormatValue(minimum_, true) + ".";
    if (maximumSet)
        return kAtMostText + FormatValue(maximum_, true) + ".";
    return kDefaultLimitsText;
}

void NumericBehavior::ReportLimits()
{
    window_.ShowMessage(LimitsText());
}

bool NumericBehavior::CheckLimits(bool report)
{
    if (!window_.IsEnabled())
        return true;
    const bool valid = IsWithinLimits();
    if (!valid && report) {
        ReportLimits();
        window_.TakeFocus();
    }
    return valid;
}

void NumericBehavior::ClampToLimits()
{
    if (IsWithinLimits())
        return;
    if (window_.Text().empty())
        AssignText(" ");
    else
        Revalidate();
    const double value = Value();
    if (value < minimum_)
        SetValue(minimum_, true);
    else if (value > maximum_)
        SetValue(maximum_, true);
}

// --- settings -----------------------------------------------------------------------------

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
    places = std::max(0, places);
    if (places == decimalPlaces_)
        return;
    decimalPlaces_ = places;
    Revalidate();
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
    if (size == groupSize_)
        return;
    groupSize_ = size;
    Revalidate();
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
