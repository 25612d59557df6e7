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

int NumericBehavior::AbsoluteDigits(int digits)
{
    if (digits == INT_MIN)
        return INT_MAX;
    return digits < 0 ? -digits : digits;
}

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
        } else if ((c == chars_.decimalPoint || IsFullStopPoint(c)) && !point) {
            if (decimalPlaces_ == 0)
                break;
            out += chars_.decimalPoint;
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

bool NumericBehavior::IsFullStopPoint(char32_t c) const
{
    return c == U'.' && chars_.decimalPoint != '.' && groupSize_ == 0;
}

void NumericBehavior::HandleChar(char32_t c)
{
    HandleCharAt(IsFullStopPoint(c) ? static_cast<unsigned char>(chars_.decimalPoint) : c, false);
}

// What a keystroke meets: the text and selection it acts on, and what kind of character it is.
struct NumericBehavior::Keystroke {
    char32_t c = 0;
    std::string typed; // c in UTF-8
    std::string text;
    std::size_t start = 0;
    std::size_t end = 0;
    std::string digits;                    // the number in the field's characters, without prefix and separators
    std::size_t point = std::string::npos; // where the text holds the decimal point
    int separators = 0;
    bool printable = false;
    bool digit = false;
    bool negative = false;

    // A selection that runs to the end of the text is replaced whole; otherwise only up to the
    // given position.
    std::size_t UpTo(std::size_t otherwise) const
    {
        return end == text.size() ? end : std::min(otherwise, text.size());
    }
};

NumericBehavior::Keystroke NumericBehavior::ReadKeystroke(char32_t c) const
{
    Keystroke key;
    key.c = c;
    key.typed = Utf8Text::Encode(c);
    key.text = window_.Text();
    const EditSelection selection = window_.Selection();
    key.start = selection.start;
    key.end = selection.end;
    key.digits = DigitsOnly(NumberPart(key.text), false);
    key.point = key.text.find(chars_.decimalPoint, NumberStart(key.text));
    key.separators = SeparatorCount(key.text);
    key.printable = Utf8Text::IsPrintable(c);
    key.digit = c >= '0' && c <= '9';
    key.negative = !key.digits.empty() && key.digits[0] == chars_.negativeSign;
    return key;
}

void NumericBehavior::HandleCharAt(char32_t c, bool afterPrefixCompleted)
{
    if (window_.IsReadOnly())
        return;
    const Keystroke key = ReadKeystroke(c);
    if (key.start < prefix_.size() && key.printable) {
        if (!afterPrefixCompleted)
            TypeInPrefix(key);
        return;
    }
    const CharAction action = TypeInNumber(key);
    if (action != CharAction::Done)
        InsertTyped(key, action == CharAction::InsertAndReformat);
}

void NumericBehavior::TypeInPrefix(const Keystroke& key)
{
    if (key.c == Utf8Text::DecodeAt(prefix_, key.start) && AcceptChar(key.c)) {
        // Typing the prefix character at the caret steps over it.
        if (key.start < key.text.size())
            TypeOverCharAt(key, key.start);
        else
            window_.DefaultChar(key.c);
        return;
    }
    if ((key.digit || IsChar(key.c, chars_.negativeSign) || IsChar(key.c, chars_.decimalPoint)) && AcceptChar(key.c)) {
        // Completes the prefix, then types the character after it.
        Replace(key.start, key.UpTo(prefix_.size()), prefix_.substr(key.start));
        HandleCharAt(key.c, true);
    }
}

NumericBehavior::CharAction NumericBehavior::TypeInNumber(const Keystroke& key)
{
    if (IsChar(key.c, chars_.negativeSign) && NegativeAllowed())
        return TypeMinusSign(key);
    if (IsChar(key.c, chars_.decimalPoint) && decimalPlaces_ > 0)
        return TypeDecimalPoint(key);
    if (key.digit && (key.point == std::string::npos || key.start <= key.point))
        return TypeDigitInWholePart(key);
    if (key.digit)
        return TypeDigitInDecimals(key);
    // Printable characters that cannot be part of a number are dropped without a sound, except
    // a "." where the locale groups with it: the user meant a decimal point and must not lose
    // it unnoticed. Control characters (Backspace, shortcuts) are left to the platform.
    if (key.printable && key.c == U'.' && chars_.decimalPoint != '.')
        window_.Beep();
    return key.printable ? CharAction::Done : CharAction::InsertAndReformat;
}

NumericBehavior::CharAction NumericBehavior::TypeMinusSign(const Keystroke& key)
{
    if (key.start != prefix_.size()) {
        // Anywhere but at the number's start the sign toggles, and the caret keeps its place.
        if (AcceptChar(key.c))
            ToggleSign(key.text, {key.start, key.end}, key.negative);
        return CharAction::Done;
    }
    if (key.negative && AcceptChar(key.c)) {
        TypeOver(key, key.start, key.UpTo(key.start + 1));
        return CharAction::Done;
    }
    return CharAction::Insert;
}

NumericBehavior::CharAction NumericBehavior::TypeDecimalPoint(const Keystroke& key)
{
    const bool pointSelected = key.point != std::string::npos && key.point >= key.start && key.point < key.end;
    if (key.point != std::string::npos && !pointSelected && AcceptChar(key.c)) {
        // A second point is never inserted; the caret moves behind the one there is.
        window_.SetSelection(key.point + 1, key.point + 1);
        return CharAction::Done;
    }
    return CharAction::InsertAndReformat;
}

NumericBehavior::CharAction NumericBehavior::TypeDigitInWholePart(const Keystroke& key)
{
    const std::size_t sign = key.negative ? 1 : 0;
    const std::size_t wholeLength = std::min(key.digits.find(chars_.decimalPoint), key.digits.size());
    const std::size_t fullEnd =
        static_cast<std::size_t>(wholeDigits_) + sign + static_cast<std::size_t>(key.separators) + prefix_.size();
    if (key.start == fullEnd) {
        TypeDigitAfterFullWholePart(key);
        return CharAction::Done;
    }
    if (wholeLength >= sign + static_cast<std::size_t>(wholeDigits_) && AcceptChar(key.c)) {
        TypeOverWholeDigit(key);
        return CharAction::Done;
    }
    return CharAction::InsertAndReformat;
}

void NumericBehavior::TypeDigitAfterFullWholePart(const Keystroke& key)
{
    // With the automatic point the digit becomes the first decimal, over a point and decimal
    // that may be there; without it the digit is dropped.
    if ((options_ & AutoDecimalPoint) == 0 || decimalPlaces_ == 0)
        return;
    Replace(key.start, key.UpTo(key.start + 2), std::string(1, chars_.decimalPoint) + key.typed);
    // A point that was not there before may need its zeros.
    ReformatKeepingCaret(SeparatorCount(window_.Text()));
}

void NumericBehavior::TypeOverWholeDigit(const Keystroke& key)
{
    // A full whole part is typed over, never lengthened. At a caret the digit goes past a group
    // separator, and past the sign too; only a digit is typed over, since replacing the sign or the point
    // would add a whole digit.
    const std::string& text = key.text;
    // A selection that holds a digit is replaced whole, sign and separators included: the whole
    // part gets no longer.
    if (std::any_of(text.begin() + static_cast<std::ptrdiff_t>(key.start),
                    text.begin() + static_cast<std::ptrdiff_t>(key.end), IsDigit)) {
        TypeOver(key, key.start, key.end);
        return;
    }
    std::size_t at = key.start;
    if (at < text.size() && (text[at] == chars_.groupSeparator || text[at] == chars_.negativeSign))
        ++at;
    if (at >= text.size() || !IsDigit(text[at]))
        return;
    TypeOver(key, at, key.UpTo(at + 1));
}

NumericBehavior::CharAction NumericBehavior::TypeDigitInDecimals(const Keystroke& key)
{
    const std::size_t digitsPoint = key.digits.find(chars_.decimalPoint);
    const std::size_t decimals = digitsPoint == std::string::npos ? 0 : key.digits.size() - digitsPoint - 1;
    if (decimals < static_cast<std::size_t>(decimalPlaces_))
        return CharAction::Insert;
    // All decimal places are taken: the digit types over the one at the caret.
    if (key.start <= key.point + static_cast<std::size_t>(decimalPlaces_) && AcceptChar(key.c))
        TypeOverCharAt(key, key.start);
    return CharAction::Done;
}

void NumericBehavior::TypeOver(const Keystroke& key, std::size_t from, std::size_t to)
{
    Replace(from, to, key.typed);
    TidyAfterReplacingSelection(key);
}

void NumericBehavior::TypeOverCharAt(const Keystroke& key, std::size_t at)
{
    TypeOver(key, at, key.UpTo(Utf8Text::Next(key.text, at)));
}

void NumericBehavior::TidyAfterReplacingSelection(const Keystroke& key)
{
    // A keystroke that replaced a selection may have taken the point or a separator with it.
    if (key.start != key.end)
        ReformatKeepingCaret(SeparatorCount(window_.Text()));
}

void NumericBehavior::InsertTyped(const Keystroke& key, bool reformat)
{
    if (!AcceptChar(key.c))
        return;
    window_.DefaultChar(key.c);
    if (reformat)
        ReformatKeepingCaret(key.separators);
    else
        TidyAfterReplacingSelection(key);
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
