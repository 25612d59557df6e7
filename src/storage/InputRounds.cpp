#include "storage/InputRounds.h"

#include "model/FormRules.h"

InputRounds::InputRounds(InputForm& form, Tables& tables, UnitSystem& units)
    : form_(form)
    , tables_(tables)
    , units_(units)
{
}

std::vector<std::string> InputRounds::Apply(const InputAssignments& assignments, CustomKRule rule)
{
    ApplyUnits(assignments.units);
    ApplySelections(assignments.selections);
    ApplyOptions(assignments.options);
    return ApplyNumbers(assignments.numbers, rule);
}

void InputRounds::ApplyUnits(const std::map<std::string, int>& choices)
{
    UnitSystem chosen = units_;
    for (int i = 0; i < 6; ++i) {
        const auto it = choices.find(kUnitChoiceNames[i]);
        if (it != choices.end())
            UnitChoiceSlot(chosen, i) = it->second != 0 ? 1 : 0;
    }
    ConvertInputsForNewUnits(form_, tables_, units_, chosen);
    units_ = chosen;
}

void InputRounds::ApplySelections(const std::map<std::string, int>& selections)
{
    for (const SelectorInfo& s : kSelectors) {
        const auto it = selections.find(s.name);
        if (it == selections.end())
            continue;
        form_.SetSelection(s.selector, ClampRowIndex(it->second, SelectionRows(tables_, s.selector)));
        if (s.selector != Selector::iProd)
            ShowSelectedK(form_, tables_, units_, s.selector);
    }
}

void InputRounds::ApplyOptions(const std::map<std::string, int>& options)
{
    for (const OptionInfo& o : kOptions) {
        const auto it = options.find(o.name);
        if (it != options.end())
            form_.SetOption(o.box, it->second != 0);
    }
}

std::vector<std::string> InputRounds::ApplyNumbers(const std::map<std::string, std::string>& numbers, CustomKRule rule)
{
    std::vector<std::string> notes;
    for (const auto& [name, number] : numbers) {
        const InputRow* input = InputNamed(name);
        if (!input || !input->IsNumber())
            continue;
        const InputField field = input->Field();
        const MaterialInput* material = MaterialOfK(field);
        if (!material) {
            form_.PasteNumber(field, number);
        } else if (rule == CustomKRule::IntoCustomRow) {
            TakeCustomK(field, *material, number);
        } else if (form_.Selection(material->selector) == 0) {
            form_.PasteNumber(field, number);
        } else {
            // A k-value field takes input only while its material is "Customized".
            notes.push_back(name + " ignored: its material is not \"Customized\"");
        }
    }
    return notes;
}

void InputRounds::TakeCustomK(InputField field, const MaterialInput& material, const std::string& number)
{
    // The field's rules cut the number whichever row is selected; the row then shows its own k
    // again.
    form_.PasteNumber(field, number);
    (tables_.*material.table).SetCustomK(SiK(form_.Value(field), units_));
    if (form_.Selection(material.selector) != 0)
        ShowSelectedK(form_, tables_, units_, material.selector);
}
