#pragma once

#include "model/InputForm.h"

#include <array>
#include <map>

class NumericEdit;
class QCheckBox;
class QComboBox;

// The window's form as the model sees it: the numeric fields, the selection boxes and the option
// states. The options read are the states the last layout took from the check boxes, as the
// calculation, the painters and printing use them; setting one ticks its check box, which the
// next layout takes over.
class WidgetForm : public InputForm {
public:
    void AddField(InputField field, NumericEdit* edit) { fields_[field] = edit; }
    void AddSelection(Selector selector, QComboBox* box) { selections_[selector] = box; }
    void AddOption(OptionBox box, QCheckBox* check) { checks_[box] = check; }

    NumericEdit* Field(InputField field) const { return fields_.at(field); }
    QComboBox* SelectionBox(Selector selector) const { return selections_.at(selector); }
    QCheckBox* CheckBox(OptionBox box) const { return checks_.at(box); }
    const std::map<InputField, NumericEdit*>& Fields() const { return fields_; }

    // Takes the check boxes' states over as the option states (done by every layout).
    void TakeOptionStates();

    std::string Text(InputField field) const override;
    double Value(InputField field) const override;
    int IntValue(InputField field) const override;
    void SetValue(InputField field, double value, bool trimZeros) override;
    void SetIntValue(InputField field, int value) override;
    void SetDecimalPlaces(InputField field, int places) override;
    void PasteNumber(InputField field, const std::string& number) override;

    // Setting a selection programmatically does not count as the user's choice: the selection
    // rule is not run.
    int Selection(Selector selector) const override;
    void SetSelection(Selector selector, int row) override;
    bool Option(OptionBox box) const override;
    void SetOption(OptionBox box, bool on) override;

private:
    std::map<InputField, NumericEdit*> fields_;
    std::map<Selector, QComboBox*> selections_;
    std::map<OptionBox, QCheckBox*> checks_;
    std::map<OptionBox, bool> options_;
};
