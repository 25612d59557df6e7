#pragma once

#include "controls/LocaleChars.h"
#include "controls/MemoryEditWindow.h"
#include "controls/NumericBehavior.h"

#include <string>

// A numeric field without a window: the same rules as the NumericEdit widget over an
// in-memory text, for the command-line tool and for tests. Texts are UTF-8.
class NumericField {
public:
    explicit NumericField(int wholeDigits, int decimalPlaces, LocaleChars chars = LocaleChars::FromProcessLocale());

    NumericField(const NumericField&) = delete;
    NumericField& operator=(const NumericField&) = delete;

    std::string CurrentText() const { return behavior_.CurrentText(); }
    std::string TrimmedText() const { return behavior_.TrimmedText(); }
    // The set-text rule: the text is cut to its valid form.
    void AssignText(const std::string& text) { behavior_.AssignText(text); }

    void SelectAll();
    void Select(std::size_t start, std::size_t end) { window_.SetSelection(start, end); }
    EditSelection Selection() const { return window_.Selection(); }

    // The paste rule over the current selection.
    void Paste(const std::string& text);
    void Cut() { behavior_.Cut(); }
    void Clear() { behavior_.Clear(); }
    // Each character of a UTF-8 text typed at the caret, as a keyboard would.
    void Type(const std::string& text);
    void TypeChar(char32_t c) { behavior_.HandleChar(c); }
    void Backspace() { behavior_.HandleChar(U'\b'); }
    void PressDelete() { behavior_.HandleKeyDown(EditKey::Delete); }
    void LoseFocus() { behavior_.HandleFocusLoss(); }

    void SetValue(double value, bool trimZeros) { behavior_.SetValue(value, trimZeros); }
    double Value() const { return behavior_.Value(); }
    void SetIntValue(int value) { behavior_.SetIntValue(value); }
    int IntValue() const { return behavior_.IntValue(); }

    void SetDecimalPlaces(int places) { behavior_.SetDecimalPlaces(places); }
    int DecimalPlaces() const { return behavior_.DecimalPlaces(); }
    void SetWholeDigits(int digits) { behavior_.SetWholeDigits(digits); }
    int WholeDigits() const { return behavior_.WholeDigits(); }

    const LocaleChars& Chars() const { return behavior_.Chars(); }

    NumericBehavior& Behavior() { return behavior_; }
    const NumericBehavior& Behavior() const { return behavior_; }
    MemoryEditWindow& Window() { return window_; }
    const MemoryEditWindow& Window() const { return window_; }

private:
    MemoryEditWindow window_;
    NumericBehavior behavior_;
};
