#pragma once

#include "controls/NumericField.h"
#include "model/InputForm.h"

#include <map>

// The form without a window: the 23 numeric fields as headless numeric fields (the same rules as
// the window's fields), three selections and four options.
class HeadlessForm : public InputForm {
public:
    explicit HeadlessForm(const LocaleChars& chars = LocaleChars::FromProcessLocale());

    std::string Text(InputField field) const override;
    double Value(InputField field) const override;
    int IntValue(InputField field) const override;
    void SetValue(InputField field, double value, bool trimZeros) override;
    void SetIntValue(InputField field, int value) override;
    void SetDecimalPlaces(InputField field, int places) override;
    void PasteNumber(InputField field, const std::string& number) override;

    int Selection(Selector selector) const override;
    void SetSelection(Selector selector, int row) override;
    bool Option(OptionBox box) const override;
    void SetOption(OptionBox box, bool on) override;

    // Replaces the field's text as pasting over all of it would: "455.5599" shows 455.55.
    void PasteText(InputField field, const std::string& text);
    const LocaleChars& Chars() const { return chars_; }

private:
    NumericField& At(InputField field) { return fields_.at(field); }
    const NumericField& At(InputField field) const { return fields_.at(field); }

    LocaleChars chars_;
    std::map<InputField, NumericField> fields_;
    std::map<Selector, int> selections_;
    std::map<OptionBox, bool> options_;
};
