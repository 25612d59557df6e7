#pragma once

#include "controls/EditBehavior.h"
#include "controls/LocaleChars.h"

#include <cstdint>
#include <limits>
#include <string>
#include <utility>

// The numeric field's rules: what may be typed, how the text is kept to a fixed count of whole
// digits and decimal places, how it reads and writes numbers, and what focus loss checks.
class NumericBehavior : public EditBehavior {
public:
    // Option bits (ChangeOptions, Options).
    static constexpr std::uint32_t BeepOutOfRange = 0x0001;
    static constexpr std::uint32_t BeepEmpty = 0x0002;
    static constexpr std::uint32_t ClampOutOfRange = 0x0004;
    static constexpr std::uint32_t ClampEmpty = 0x0008;
    static constexpr std::uint32_t RefocusOutOfRange = 0x0010;
    static constexpr std::uint32_t RefocusEmpty = 0x0020;
    static constexpr std::uint32_t MessageOutOfRange = 0x0040; // only together with RefocusOutOfRange
    static constexpr std::uint32_t MessageEmpty = 0x0080;      // only together with RefocusEmpty
    static constexpr std::uint32_t ZeroFillWhole = 0x0100;
    static constexpr std::uint32_t ZeroFillDecimals = 0x0200;
    static constexpr std::uint32_t SkipCheckWhenEmpty = 0x0400;
    static constexpr std::uint32_t TrimLeadingZeros = 0x0800;
    static constexpr std::uint32_t NoNegative = 0x1000;
    static constexpr std::uint32_t AutoDecimalPoint = 0x2000;
    static constexpr std::uint32_t ZeroFillDecimalsAlways = 0x4000;
    static constexpr std::uint32_t ZeroFillDecimalsOnSet = 0x8000;
    // The bits that make focus loss do anything at all.
    static constexpr std::uint32_t FocusLossOptions = 0x0FFF;

    static constexpr double LowestLimit = std::numeric_limits<double>::lowest();
    static constexpr double HighestLimit = std::numeric_limits<double>::max();

    // A negative wholeDigits also forbids the negative sign.
    NumericBehavior(EditWindow& window, int wholeDigits, int decimalPlaces,
                    LocaleChars chars = LocaleChars::FromProcessLocale());

    // EditBehavior
    std::string SanitizedText() const override;
    void HandleChar(char32_t c) override;
    void HandleKeyDown(EditKey key) override;
    void HandleFocusLoss() override;
    void ReformatAfterEdit(int previousSeparators) override;
    int SeparatorCount(const std::string& text) const override;

    virtual bool IsWithinLimits() const;
    virtual void ReportLimits();

    // SanitizedText of any text, not only the field's own.
    std::string SanitizeText(const std::string& text) const;

    // Keeps digits, the first decimal point and (in front) a sign if one was seen; with
    // standard the point is written "." and the sign "-", else in the field's characters.
    std::string DigitsOnly(const std::string& text, bool standard) const;
    // "%lf", the field's decimal point, and with trimZeros no trailing zeros or point.
    std::string FormatValue(double value, bool trimZeros) const;
    // The number with group separators and prefix; empty when there is no number.
    std::string Decorate(const std::string& text) const;
    void ReformatKeepingCaret(int previousSeparatorCount);

    void SetValue(double value, bool trimZeros);
    double Value() const;
    void SetIntValue(int value);
    int IntValue() const;

    void SetDecimalPlaces(int places);
    int DecimalPlaces() const { return decimalPlaces_; }
    void SetWholeDigits(int digits);
    int WholeDigits() const { return wholeDigits_; }
    void SetNegativeAllowed(bool allowed);
    bool NegativeAllowed() const { return (options_ & NoNegative) == 0; }
    void SetGroupSize(int size);
    int GroupSize() const { return groupSize_; }
    void SetSeparatorChars(char decimalPoint, char groupSeparator);
    std::pair<char, char> SeparatorChars() const { return {chars_.decimalPoint, chars_.groupSeparator}; }
    void SetPrefixText(const std::string& prefix);
    const std::string& PrefixText() const { return prefix_; }
    void ApplyPattern(const std::string& pattern);
    std::string Pattern() const;
    void SetLimits(double minimum, double maximum);
    std::pair<double, double> Limits() const { return {minimum_, maximum_}; }
    // A disabled field counts as valid; when invalid and report, shows the limits and takes
    // the focus.
    bool CheckLimits(bool report);
    // The message ReportLimits shows.
    std::string LimitsText() const;
    void ClampToLimits();

    const LocaleChars& Chars() const { return chars_; }

private:
    // A "." typed or pasted into a field whose locale writes another decimal point: taken as
    // that point (as from a data sheet or a calculation file) while the field groups no digits;
    // in a grouping field it stays what the locale makes it, a group separator.
    bool IsFullStopPoint(char32_t c) const;
    // The whole digits a signed count asks for; a negative count also forbids the sign.
    static int AbsoluteDigits(int digits);
    // Where the number starts: after as much of the prefix as the text still holds.
    std::size_t NumberStart(const std::string& text) const;
    std::string NumberPart(const std::string& text) const;
    // The number in the form strtod and strtol read: "-" and the process locale's decimal point.
    std::string StandardNumber() const;
    // Re-applies the current number after the characters or the prefix changed, so that a
    // changed decimal point does not turn 12.5 into 125.
    template <typename Change>
    void ChangeKeepingNumber(Change change);
    // One typed character, case by case; afterPrefixCompleted: the prefix has just been
    // completed for it, so it is not typed into the prefix again.
    struct Keystroke;
    // What is left to do after a case: nothing, or let the platform insert the character
    // (and then bring the text back to its valid form).
    enum class CharAction {
        Done,
        Insert,
        InsertAndReformat
    };
    Keystroke ReadKeystroke(char32_t c) const;
    void HandleCharAt(char32_t c, bool afterPrefixCompleted);
    void TypeInPrefix(const Keystroke& key);
    CharAction TypeInNumber(const Keystroke& key);
    CharAction TypeMinusSign(const Keystroke& key);
    CharAction TypeDecimalPoint(const Keystroke& key);
    CharAction TypeDigitInWholePart(const Keystroke& key);
    void TypeDigitAfterFullWholePart(const Keystroke& key);
    void TypeOverWholeDigit(const Keystroke& key);
    CharAction TypeDigitInDecimals(const Keystroke& key);
    void TypeOver(const Keystroke& key, std::size_t from, std::size_t to);
    void TypeOverCharAt(const Keystroke& key, std::size_t at);
    void TidyAfterReplacingSelection(const Keystroke& key);
    void InsertTyped(const Keystroke& key, bool reformat);
    void ToggleSign(const std::string& text, EditSelection selection, bool negative);
    void Replace(std::size_t start, std::size_t end, const std::string& text);

    int wholeDigits_ = 0;
    int decimalPlaces_ = 0;
    LocaleChars chars_;
    int groupSize_ = 0;
    std::string prefix_;
    double minimum_ = LowestLimit;
    double maximum_ = HighestLimit;
    bool reformatting_ = false;
};
