// Focus loss and the limits it checks.
#include "controls/NumericBehavior.h"

#include "model/Translatable.h"

#include <algorithm>

namespace {

// Translated piece by piece (under "NumericBehavior"), the numbers between them.
constexpr const char* kDefaultLimitsText =
    QT_TRANSLATE_NOOP("NumericBehavior", "Please specify a valid numeric value.");
constexpr const char* kBetweenText = QT_TRANSLATE_NOOP("NumericBehavior", "Please specify a numeric value between ");
constexpr const char* kAndText = QT_TRANSLATE_NOOP("NumericBehavior", " and ");
constexpr const char* kAtLeastText =
    QT_TRANSLATE_NOOP("NumericBehavior", "Please specify a numeric value greater than or equal to ");
constexpr const char* kAtMostText =
    QT_TRANSLATE_NOOP("NumericBehavior", "Please specify a numeric value less than or equal to ");
constexpr const char* kEndText = QT_TRANSLATE_NOOP("NumericBehavior", ".");

// A number without leading zeros, but with one zero before the point or for nothing at all.
std::string WithoutLeadingZeros(std::string t, char sign, char point)
{
    const bool negative = t[0] == sign;
    if (negative)
        t.erase(0, 1);
    const std::size_t firstNonZero = t.find_first_not_of('0');
    t.erase(0, firstNonZero == std::string::npos ? t.size() : firstNonZero);
    if (t.empty() || t[0] == point)
        t.insert(t.begin(), '0');
    if (negative)
        t.insert(t.begin(), sign);
    return t;
}

// A number with all its decimal places written, "0" before the point when there is no digit.
std::string WithAllDecimals(std::string t, char sign, char point, int places)
{
    if (t.find(point) == std::string::npos) {
        if (t.empty() || t == std::string(1, sign))
            t = "0";
        t += point;
    }
    const std::size_t decimals = t.size() - t.find(point) - 1;
    if (decimals < static_cast<std::size_t>(places))
        t.append(static_cast<std::size_t>(places) - decimals, '0');
    return t;
}

// A number with zeros in front of a whole part shorter than digits.
std::string WithAllWholeDigits(std::string t, char sign, char point, int digits)
{
    const std::size_t signLength = !t.empty() && t[0] == sign ? 1 : 0;
    const std::size_t wholeEnd = std::min(t.find(point), t.size());
    const std::size_t whole = wholeEnd - signLength;
    if (whole < static_cast<std::size_t>(digits))
        t.insert(signLength, static_cast<std::size_t>(digits) - whole, '0');
    return t;
}

// The options that say what focus loss does with an empty field or one out of its limits.
struct InvalidReaction {
    std::uint32_t beep;
    std::uint32_t clamp;
    std::uint32_t message; // only together with refocus
    std::uint32_t refocus;
};
constexpr InvalidReaction kEmptyReaction{NumericBehavior::BeepEmpty, NumericBehavior::ClampEmpty,
                                         NumericBehavior::MessageEmpty, NumericBehavior::RefocusEmpty};
constexpr InvalidReaction kOutOfRangeReaction{NumericBehavior::BeepOutOfRange, NumericBehavior::ClampOutOfRange,
                                              NumericBehavior::MessageOutOfRange, NumericBehavior::RefocusOutOfRange};

void ReactToInvalid(NumericBehavior& field, const InvalidReaction& reaction)
{
    const std::uint32_t options = field.Options();
    if ((options & reaction.beep) != 0)
        field.Window().Beep();
    if ((options & reaction.clamp) != 0)
        field.ClampToLimits();
    if ((options & reaction.message) != 0 && (options & reaction.refocus) != 0)
        field.ReportLimits();
    if ((options & reaction.refocus) != 0)
        field.Window().TakeFocus();
}

} // namespace

void NumericBehavior::HandleFocusLoss()
{
    window_.DefaultFocusLoss();

    const std::string original = DigitsOnly(NumberPart(window_.Text()), false);
    std::string t = original;
    if ((options_ & TrimLeadingZeros) != 0 && !t.empty())
        t = WithoutLeadingZeros(t, chars_.negativeSign, chars_.decimalPoint);
    else if ((options_ & FocusLossOptions) == 0 || (t.empty() && (options_ & SkipCheckWhenEmpty) != 0))
        return;
    if ((options_ & ZeroFillDecimals) != 0 && decimalPlaces_ > 0)
        t = WithAllDecimals(t, chars_.negativeSign, chars_.decimalPoint, decimalPlaces_);
    if ((options_ & ZeroFillWhole) != 0 && wholeDigits_ > 0)
        t = WithAllWholeDigits(t, chars_.negativeSign, chars_.decimalPoint, wholeDigits_);
    if (t != original)
        AssignKeepingSelection(t, window_.Selection());

    if (t.empty())
        ReactToInvalid(*this, kEmptyReaction);
    else if (!IsWithinLimits())
        ReactToInvalid(*this, kOutOfRangeReaction);
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
    auto text = [this](const char* piece) { return window_.Translate("NumericBehavior", piece); };
    if (minimumSet && maximumSet)
        return text(kBetweenText) + FormatValue(minimum_, true) + text(kAndText) + FormatValue(maximum_, true) +
               text(kEndText);
    if (minimumSet)
        return text(kAtLeastText) + FormatValue(minimum_, true) + text(kEndText);
    if (maximumSet)
        return text(kAtMostText) + FormatValue(maximum_, true) + text(kEndText);
    return text(kDefaultLimitsText);
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
