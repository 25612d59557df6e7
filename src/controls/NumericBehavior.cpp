#include "controls/NumericBehavior.h"

#include "controls/Utf8Text.h"

#include <algorithm>
#include <climits>
#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsChar(char32_t c, char ch)
{
    return c == static_cast<unsigned char>(ch);
}

int AbsoluteDigits(int digits)
{
    if (digits == INT_MIN)
        return INT_MAX;
    return digits < 0 ? -digits : digits;
}

// The process locale's decimal point, which printf writes and strtod expects.
std::string ProcessDecimalPoint()
{
    const std::lconv* conv = std::localeconv();
    if (conv == nullptr || conv->decimal_point == nullptr || conv->decimal_point[0] == '\0')
        return ".";
    return conv->decimal_point;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to)
{
    if (from.empty() || from == to)
        return;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

std::size_t ShiftPosition(std::size_t pos, int shift)
{
    if (shift < 0 && pos < static_cast<std::size_t>(-shift))
        return 0;
    return shift < 0 ? pos - static_cast<std::size_t>(-shift) : pos + static_cast<std::size_t>(shift);
}

} // namespace

NumericBehavior::NumericBehavior(EditWindow& window, int wholeDigits, int decimalPlaces, LocaleChars chars)
    : EditBehavior(window)
    , wholeDigits_(AbsoluteDigits(wholeDigits))
    , decimalPlaces_(std::max(0, decimalPlaces))
    , chars_(chars)
{
    if (wholeDigits < 0)
        options_ |= NoNegative;
    chars_.ResolveEqualChars();
}

// --- reading and writing the text ---------------------------------------------------------

std::string NumericBehavior::DigitsOnly(const std::string& text, bool standard) const
{
    std::string out;
    out.reserve(text.size() + 1);
    bool point = false;
    bool negative = false;
    for (const char c : text) {
        if (IsDigit(c)) {
            out += c;
        } else if (c == chars_.decimalPoint) {
            if (!point)
                out += standard ? '.' : chars_.decimalPoint;
            point = true;
        } else if (c == chars_.negativeSign) {
            negative = true;
        }
    }
    if (negative)
        out.insert(out.begin(), standard ? '-' : chars_.negativeSign);
    return out;
}

std::string NumericBehavior::FormatValue(double value, bool trimZeros) const
{
    const int length = std::snprintf(nullptr, 0, "%lf", value);
    if (length <= 0)
        return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%lf", value);
    text.resize(static_cast<std::size_t>(length));
    // printf writes the process locale's point; the field shows its own.
    ReplaceAll(text, ProcessDecimalPoint(), std::string(1, chars_.decimalPoint));
    if (trimZeros && text.find(chars_.decimalPoint) != std::string::npos) {
        while (!text.empty() && text.back() == '0')
            text.pop_back();
        if (!text.empty() && text.back() == chars_.decimalPoint)
            text.pop_back();
    }
    return text;
}

std::string NumericBehavior::Decorate(const std::string& text) const
{
    const std::string digits = DigitsOnly(text, false);
    const std::size_t point = digits.find(chars_.decimalPoint);
    std::string whole = digits.substr(0, point);
    if (groupSize_ > 0) {
        const std::size_t signLength = !whole.empty() && whole[0] == chars_.negativeSign ? 1 : 0;
        const std::size_t count = whole.size() - signLength;
        const auto size = static_cast<std::size_t>(groupSize_);
        std::string grouped = whole.substr(0, signLength);
        grouped.reserve(whole.size() + count / size);
        for (std::size_t i = 0; i < count; ++i) {
            if (i > 0 && (count - i) % size == 0)
                grouped += chars_.groupSeparator;
            grouped += whole[signLength + i];
        }
        whole = std::move(grouped);
    }
    if (whole.empty() && point == std::string::npos)
        return {};
    std::string out = prefix_ + whole;
    if (point != std::string::npos)
        out.append(digits, point, std::string::npos);
    return out;
}

std::string NumericBehavior::SanitizeText(const std::string& text) const
{
    const std::string number = NumberPart(text);
    std::string out;
    out.reserve(number.size() + static_cast<std::size_t>(decimalPlaces_) + 1);
    bool negative = false;
    bool point = false;
    int whole = 0;
    int decimals = 0;
    for (const char c : number) {
        if (c == chars_.negativeSign) {
            if (NegativeAllowed())
                negative = true;
        } else if (IsDigit(c)) {
            if (!point) {
                // Digits beyond a full whole part are skipped, not the ones after them.
                if (whole < wholeDigits_) {
                    out += c;
                    ++whole;
                }
            } else {
                if (decimals >= decimalPlaces_)
                    break;
                out += c;
                ++decimals;
            }
        } else if (c == chars_.decimalPoint && !point) {
            if (decimalPlaces_ == 0)
                break;
            out += c;
            point = true;
        }
    }
    const bool zeroFill =
        (options_ & ZeroFillDecimalsAlways) != 0 || ((options_ & ZeroFillDecimalsOnSet) != 0 && !reformatting_);
    if (decimalPlaces_ > 0 && !out.empty() && zeroFill) {
        if (!point)
            out += chars_.decimalPoint;
        out.append(static_cast<std::size_t>(decimalPlaces_ - decimals), '0');
    }
    if (negative)
        out.insert(out.begin(), chars_.negativeSign);
    return Decorate(out);
}

std::string NumericBehavior::SanitizedText() const
{
    return SanitizeText(window_.Text());
}

std::size_t NumericBehavior::NumberStart(const std::string& text) const
{
    // A prefix is skipped rather than scanned, so that a prefix holding a digit, a sign or a
    // point never becomes part of the number. A partly deleted prefix is skipped as far as
    // it is still there.
    std::size_t common = 0;
    while (common < text.size() && common < prefix_.size() && text[common] == prefix_[common])
        ++common;
    return Utf8Text::Snap(text, common);
}

std::string NumericBehavior::NumberPart(const std::string& text) const
{
    return text.substr(NumberStart(text));
}

std::string NumericBehavior::StandardNumber() const
{
    std::string number = DigitsOnly(NumberPart(window_.Text()), true);
    ReplaceAll(number, ".", ProcessDecimalPoint());
    return number;
}

void NumericBehavior::SetValue(double value, bool trimZeros)
{
    AssignText(FormatValue(value, trimZeros));
}

double NumericBehavior::Value() const
{
    const std::string number = StandardNumber();
    if (number.empty())
        return 0.0;
    return std::strtod(number.c_str(), nullptr);
}

void NumericBehavior::SetIntValue(int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d", value);
    AssignText(buffer);
}

int NumericBehavior::IntValue() const
{
    // strtoll and a clamp rather than atoi: a field with more than nine whole digits can hold
    // numbers beyond int, and atoi is undefined for them.
    const long long value = std::strtoll(StandardNumber().c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// --- keystrokes ---------------------------------------------------------------------------

int NumericBehavior::SeparatorCount(const std::string& text) const
{
    // Only the number's separators: a prefix such as "Nr " may hold the same character.
    const auto start = text.begin() + static_cast<std::ptrdiff_t>(NumberStart(text));
    return static_cast<int>(std::count(start, text.end(), chars_.groupSeparator));
}

void NumericBehavior::Replace(std::size_t start, std::size_t end, const std::string& text)
{
    window_.SetSelection(start, end);
    window_.ReplaceSelection(text);
}

void NumericBehavior::HandleChar(char32_t c)
{
    HandleCharAt(c, false);
}

void NumericBehavior::HandleCharAt(char32_t c, bool afterPrefixCompleted)
{
    if (window_.IsReadOnly())
        return;

    const std::string text = window_.Text();
    const EditSelection selection = window_.Selection();
    const std::size_t start = selection.start;
    const std::size_t end = selection.end;
    const std::size_t length = text.size();
    const std::string digits = DigitsOnly(NumberPart(text), false);
    const std::size_t prefixLength = prefix_.size();
    const int separators = SeparatorCount(text);
    const bool printable = Utf8Text::IsPrintable(c);
    const bool digit = c >= '0' && c <= '9';
    const bool negative = !digits.empty() && digits[0] == chars_.negativeSign;
    const std::string typed = Utf8Text::Encode(c);
    // A selection that runs to the end of the text is replaced whole; otherwise only up to the
    // given position.
    const auto upTo = [&](std::size_t otherwise) { return end == length ? end : std::min(otherwise, length); };
    // A keystroke that replaced a selection may have taken the point or a separator with it.
    const auto tidyAfterSelection = [&] {
        if (start != end)
            ReformatKeepingCaret(SeparatorCount(window_.Text()));
    };
    const auto typeOver = [&](std::size_t from, std::size_t to, const std::string& replacement) {
        Replace(from, to, replacement);
        tidyAfterSelection();
    };

    if (start < prefixLength && printable) {
        if (afterPrefixCompleted)
            return;
        if (c == Utf8Text::DecodeAt(prefix_, start) && AcceptChar(c)) {
            // Typing the prefix character at the caret steps over it.
            if (start < length)
                typeOver(start, upTo(Utf8Text::Next(text, start)), typed);
            else
                window_.DefaultChar(c);
            return;
        }
        if ((digit || IsChar(c, chars_.negativeSign) || IsChar(c, chars_.decimalPoint)) && AcceptChar(c)) {
            // Completes the prefix, then types the character after it.
            Replace(start, upTo(prefixLength), prefix_.substr(start));
            HandleCharAt(c, true);
        }
        return;
    }

    bool reformat = false;
    if (IsChar(c, chars_.negativeSign) && NegativeAllowed()) {
        if (start == prefixLength) {
            if (negative && AcceptChar(c)) {
                typeOver(start, upTo(start + 1), typed);
                return;
            }
        } else {
            if (AcceptChar(c))
                ToggleSign(text, selection, negative);
            return;
        }
    } else if (IsChar(c, chars_.decimalPoint) && decimalPlaces_ > 0) {
        const std::size_t point = text.find(chars_.decimalPoint, NumberStart(text));
        const bool pointSelected = point != std::string::npos && point >= start && point < end;
        if (point != std::string::npos && !pointSelected && AcceptChar(c)) {
            // A second point is never inserted; the caret moves behind the one there is.
            window_.SetSelection(point + 1, point + 1);
            return;
        }
        reformat = true;
    } else if (digit) {
        const std::size_t point = text.find(chars_.decimalPoint, NumberStart(text));
        if (point == std::string::npos || start <= point) {
            const std::size_t sign = negative ? 1 : 0;
            const std::size_t wholeLength = std::min(digits.find(chars_.decimalPoint), digits.size());
            const std::size_t fullEnd =
                static_cast<std::size_t>(wholeDigits_) + sign + static_cast<std::size_t>(separators) + prefixLength;
            if (start == fullEnd) {
                if ((options_ & AutoDecimalPoint) != 0 && decimalPlaces_ > 0) {
                    Replace(start, upTo(start + 2), std::string(1, chars_.decimalPoint) + typed);
                    // A point that was not there before may need its zeros.
                    ReformatKeepingCaret(SeparatorCount(window_.Text()));
                }
                return;
            }
            if (wholeLength >= sign + static_cast<std::size_t>(wholeDigits_) && AcceptChar(c)) {
                // A full whole part is typed over, never lengthened. The digit goes past a group
                // separator, and past the sign too; only a digit is typed over, since replacing
                // the sign or the point would add a whole digit.
                std::size_t at = start;
                if (at < length && (text[at] == chars_.groupSeparator || text[at] == chars_.negativeSign))
                    ++at;
                if (at >= length || !IsDigit(text[at]))
                    return;
                typeOver(at, end == length ? end : std::min(at + 1, length), typed);
                return;
            }
            reformat = true;
        } else {
            const std::size_t digitsPoint = digits.find(chars_.decimalPoint);
            const std::size_t decimals = digitsPoint == std::string::npos ? 0 : digits.size() - digitsPoint - 1;
            if (decimals >= static_cast<std::size_t>(decimalPlaces_)) {
                if (start <= point + static_cast<std::size_t>(decimalPlaces_) && AcceptChar(c))
                    typeOver(start, upTo(Utf8Text::Next(text, start)), typed);
                return;
            }
        }
    } else {
        // Printable characters that cannot be part of a number are dropped without a sound;
        // control characters (Backspace, shortcuts) are left to the platform.
        if (printable)
            return;
        reformat = true;
    }

    if (AcceptChar(c)) {
        window_.DefaultChar(c);
        if (reformat)
            ReformatKeepingCaret(separators);
        else
            tidyAfterSelection();
    }
}

void NumericBehavior::ToggleSign(const std::string& text, EditSelection selection, bool negative)
{
    const std::size_t numberStart = NumberStart(text);
    if (negative) {
        const std::size_t sign = text.find(chars_.negativeSign, numberStart);
        if (sign == std::string::npos)
            return;
        Replace(sign, sign + 1, {});
        const auto left = [sign](std::size_t pos) { return pos > sign ? pos - 1 : pos; };
        window_.SetSelection(left(selection.start), left(selection.end));
    } else {
        Replace(numberStart, numberStart, std::string(1, chars_.negativeSign));
        const auto right = [numberStart](std::size_t pos) { return pos >= numberStart ? pos + 1 : pos; };
        window_.SetSelection(right(selection.start), right(selection.end));
    }
}

void NumericBehavior::ReformatKeepingCaret(int previousSeparatorCount)
{
    EditSelection selection = window_.Selection();
    reformatting_ = true;
    const std::string sanitized = SanitizedText();
    if (sanitized != window_.Text())
        window_.SetText(sanitized);
    const int count = SeparatorCount(sanitized);
    if (count != previousSeparatorCount && selection.start > prefix_.size()) {
        const int shift = count - previousSeparatorCount;
        selection.start = ShiftPosition(selection.start, shift);
        selection.end = ShiftPosition(selection.end, shift);
    }
    reformatting_ = false;
    SetSelectionClamped(selection);
}

void NumericBehavior::ReformatAfterEdit(int previousSeparators)
{
    ReformatKeepingCaret(previousSeparators);
}

void NumericBehavior::HandleKeyDown(EditKey key)
{
    if (key != EditKey::Delete) {
        window_.DefaultKey(key);
        return;
    }
    const std::string text = window_.Text();
    const EditSelection selection = window_.Selection();
    const int separators = SeparatorCount(text);
    if (selection.start < prefix_.size() && text.size() > prefix_.size()) {
        // Prefix characters go only together with everything after them.
        if (selection.end == text.size()) {
            window_.DefaultKey(EditKey::Delete);
            ReformatKeepingCaret(separators);
        }
        return;
    }
    window_.DefaultKey(EditKey::Delete);
    // A separator on its own is not worth a keystroke: it goes together with the digit after it.
    if (selection.start == selection.end && selection.start < text.size() &&
        text[selection.start] == chars_.groupSeparator)
        window_.DefaultKey(EditKey::Delete);
    ReformatKeepingCaret(separators);
    if (selection.end == text.size())
        SetSelectionClamped({selection.start, selection.start});
}
