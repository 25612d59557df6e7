#include "cli/CalcRun.h"

#include "model/FormRules.h"
#include "model/VariantCalc.h"
#include "storage/CalcFile.h"
#include "storage/InputRounds.h"
#include "storage/StoredInputs.h"

void ApplyWriteBacks(const RecalcResult& result, HeadlessForm& form, Tables& tables)
{
    if (result.doorThickness) {
        if (result.doorThickness->inches)
            form.SetDecimalPlaces(InputField::iDoorInsul, 2);
        form.SetValue(InputField::iDoorInsul, result.doorThickness->shownValue, true);
    }
    TakeCustomK(result, tables);
}

CalcRun::CalcRun(const ProfileStore& start, const LocaleChars& chars)
    : form_(chars)
{
    BuildTables(tables_);
    units_ = StoredInputs::ReadUnitChoices(start);
    StoredInputs::LoadStoredInputs(start, form_, tables_, units_);
}

void CalcRun::ApplyFile(const InputAssignments& file)
{
    CalcFile::ApplyOverFirstRun(file, form_, tables_, units_);
}

std::vector<std::string> CalcRun::Apply(const InputAssignments& assignments)
{
    return InputRounds(form_, tables_, units_).Apply(assignments, CustomKRule::WhileCustomized);
}

RecalcOutcome CalcRun::Calculate()
{
    // Each calculation on its own: none shows what an earlier one computed.
    const RecalcResult result = Recalculate(ReadLoadInputs(form_, tables_, units_), units_, tables_, LoadResults{});
    ApplyWriteBacks(result, form_, tables_);
    return Take(result);
}

RecalcOutcome CalcRun::Take(const RecalcResult& result)
{
    results_ = result.results;
    shown_ = {ListedRows(result, units_), MessageLine(result, units_)};
    last_ = result;
    outcome_ = result.outcome;
    return outcome_;
}

ShownCalculation CalcRun::ShownIn(TextLookup lookup) const
{
    return {ListedRows(last_, units_, lookup), MessageLine(last_, units_, lookup)};
}

RecalcOutcome CalcRun::CalculateSwept(const std::vector<InputField>& swept)
{
    if (!sweepBase_)
        sweepBase_ = ReadLoadInputs(form_, tables_, units_);
    LoadInputs in = *sweepBase_;
    for (InputField field : swept) {
        // A k value counts from its field only while its material is "Customized".
        if (field == InputField::iInsulTherm || field == InputField::iDoorInsulTherm) {
            in = ReadLoadInputs(form_, tables_, units_);
            break;
        }
        SetShownInput(in, field, field == InputField::iRunTime ? form_.IntValue(field) : form_.Value(field), units_);
    }
    const RecalcResult result = Recalculate(in, units_, tables_, LoadResults{});
    ApplyWriteBacks(result, form_, tables_); // a glass door's thickness shows in the row's inputs
    return Take(result);
}
