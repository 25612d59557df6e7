#include "model/VariantCalc.h"

#include "model/FormRules.h"
#include "model/InputTable.h"
#include "model/Recalculate.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsKField(InputField field)
{
    return InputOf(field).quantity == Quantity::KValue;
}

} // namespace

VariantOutcome VariantCalc::Calculate(const LoadInputs& inputs)
{
    const RecalcResult result = Recalculate(inputs, units_, tables_, LoadResults{});
    VariantOutcome out;
    out.completed = result.outcome == RecalcOutcome::Completed;
    out.results = result.results;
    out.failed = result.failed;
    out.warned = out.completed ? result.warned : nullptr;
    if (out.failed)
        out.message = OutcomeLine(out.failed, nullptr, units_, lookup_);
    if (out.warned)
        out.warning = OutcomeLine(nullptr, out.warned, units_, lookup_);
    return out;
}

std::string OutcomeLine(const CheckInfo* failed, const CheckInfo* warned, const UnitSystem& units, TextLookup lookup)
{
    if (failed) {
        const std::string range = RangeText(*failed, units, lookup);
        const std::string row = ProblemRowText(*failed, lookup);
        return range.empty() ? row : row + " " + range;
    }
    return warned ? WarningText(*warned, units, lookup) : std::string();
}

double ShownInput(const LoadInputs& inputs, InputField field, const UnitSystem& units)
{
    if (field == InputField::iRunTime)
        return inputs.iRunTime;
    const double value = inputs.*InputOf(field).member.number;
    return IsKField(field) ? ShownK(value, units) : value;
}

void SetShownInput(LoadInputs& inputs, InputField field, double shown, const UnitSystem& units)
{
    if (field == InputField::iRunTime) {
        inputs.iRunTime = static_cast<int>(std::trunc(shown));
        return;
    }
    inputs.*InputOf(field).member.number = IsKField(field) ? SiK(shown, units) : shown;
}

int FieldDecimals(InputField field)
{
    if (field == InputField::iRunTime)
        return 0;
    return IsKField(field) ? 4 : 2;
}

std::vector<double> SweepValues(double from, double to, int steps)
{
    steps = std::max(steps, 1);
    std::vector<double> values;
    values.reserve(static_cast<size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i)
        values.push_back(i == steps ? to : from + (to - from) * i / steps);
    return values;
}
