#include "cli/CalcRun.h"

#include "model/FormRules.h"
#include "storage/StoredInputs.h"

#include <algorithm>

void FormRecordingSink::WriteDoorThickness(double shownValue, bool inches)
{
    RecordingSink::WriteDoorThickness(shownValue, inches);
    if (inches)
        form_.SetDecimalPlaces(InputField::iDoorInsul, 2);
    form_.SetValue(InputField::iDoorInsul, shownValue, true);
}

CalcRun::CalcRun(const ProfileStore& start, const LocaleChars& chars)
    : form_(chars)
{
    BuildTables(tables_);
    units_ = StoredInputs::ReadUnitChoices(start);
    StoredInputs::LoadStoredInputs(start, form_, tables_, units_);
}

std::vector<std::string> CalcRun::Apply(const CalcAssignments& assignments)
{
    ApplyUnits(assignments.units);
    ApplySelections(assignments.selections);
    ApplyOptions(assignments.options);
    return ApplyNumbers(assignments.numbers);
}

void CalcRun::ApplyUnits(const std::map<std::string, int>& choices)
{
    UnitSystem chosen = units_;
    // In the order of the names in kUnitArgumentNames.
    int* slots[6] = {&chosen.energy, &chosen.temperature, &chosen.kValue, &chosen.volume, &chosen.length, &chosen.mass};
    for (int i = 0; i < 6; ++i) {
        const auto it = choices.find(kUnitArgumentNames[i]);
        if (it != choices.end())
            *slots[i] = it->second;
    }
    ConvertInputsForNewUnits(form_, tables_, units_, chosen);
    units_ = chosen;
}

void CalcRun::ApplySelections(const std::map<std::string, int>& selections)
{
    const struct {
        const char* name;
        Selector selector;
        int rows;
    } boxes[] = {
        {"iType", Selector::iType, tables_.insulationMaterials.Count()},
        {"iType2", Selector::iType2, tables_.doorMaterials.Count()},
        {"iProd", Selector::iProd, tables_.products.Count()},
    };
    for (const auto& box : boxes) {
        const auto it = selections.find(box.name);
        if (it == selections.end())
            continue;
        form_.SetSelection(box.selector, ClampRowIndex(it->second, box.rows));
        if (box.selector != Selector::iProd)
            ShowSelectedK(form_, tables_, units_, box.selector);
    }
}

void CalcRun::ApplyOptions(const std::map<std::string, int>& options)
{
    const std::pair<const char*, OptionBox> boxes[] = {
        {"iDoorCheck", OptionBox::iDoorCheck},
        {"iHeatCheck", OptionBox::iHeatCheck},
        {"iCoolCheck", OptionBox::iCoolCheck},
        {"iCondCheck", OptionBox::iCondCheck},
    };
    for (const auto& [name, box] : boxes) {
        const auto it = options.find(name);
        if (it != options.end())
            form_.SetOption(box, it->second != 0);
    }
}

std::vector<std::string> CalcRun::ApplyNumbers(const std::map<std::string, std::string>& numbers)
{
    std::vector<std::string> notes;
    for (const auto& [name, value] : numbers) {
        InputField field;
        FieldFromName(name, field);
        // A k-value field takes input only while its material is "Customized".
        const bool wallK = field == InputField::iInsulTherm, doorK = field == InputField::iDoorInsulTherm;
        if ((wallK && form_.Selection(Selector::iType) != 0) || (doorK && form_.Selection(Selector::iType2) != 0)) {
            notes.push_back(name + " ignored: its material is not \"Customized\"");
            continue;
        }
        std::string typed = value;
        std::replace(typed.begin(), typed.end(), '.', form_.Chars().decimalPoint);
        form_.PasteText(field, typed);
    }
    return notes;
}

RecalcOutcome CalcRun::Calculate()
{
    return Recalculate(ReadLoadInputs(form_, tables_, units_), units_, tables_, results_, sink_);
}
