#include "storage/InputRounds.h"

#include "model/FormRules.h"

#include <QCoreApplication>

InputRounds::InputRounds(InputForm& form, Tables& tables, UnitSystem& units)
    : form_(form)
    , tables_(tables)
    , units_(units)
{
}

std::vector<std::string> InputRounds::Apply(const InputAssignments& assignments, CustomKRule rule)
{
    ApplyUnits(assignments.units);
    ApplyChoices(assignments);
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

void InputRounds::ApplyChoices(const InputAssignments& assignments)
{
    // In the order they are stored: the selections, then the options.
    for (const InputRow* row : kSaveOrder) {
        const bool selection = row->quantity == Quantity::Selection;
        const auto& given = selection ? assignments.selections : assignments.options;
        const auto it = given.find(row->name);
        if (row->IsNumber() || it == given.end())
            continue;
        if (!selection) {
            form_.SetOption(row->Box(), it->second != 0);
            continue;
        }
        form_.SetSelection(row->SelectorId(), ClampRowIndex(it->second, SelectionRows(tables_, row->SelectorId())));
        if (row->SelectorId() != Selector::iProd)
            ShowSelectedK(form_, tables_, units_, row->SelectorId());
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
            notes.push_back(QCoreApplication::translate("InputRounds", "%1 ignored: its material is not \"Customized\"")
                                .arg(QString::fromStdString(name))
                                .toStdString());
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
