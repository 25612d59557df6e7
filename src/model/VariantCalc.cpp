#include "model/VariantCalc.h"

#include "model/FormRules.h"
#include "model/Recalculate.h"
#include "model/ResultRows.h"

#include <algorithm>
#include <cmath>

namespace {

// The member a field's value goes to; null for the runtime, which is a whole number.
template <class Inputs>
auto Member(Inputs& in, InputField field) -> decltype(&in.iOpenings)
{
    switch (field) {
    case InputField::iOpenings:
        return &in.iOpenings;
    case InputField::iEvapTemp:
        return &in.iEvapTemp;
    case InputField::iCoolMass:
        return &in.iCoolMass;
    case InputField::iStart:
        return &in.iStart;
    case InputField::iFanLoad:
        return &in.iFanLoad;
    case InputField::iAmbient:
        return &in.iAmbient;
    case InputField::iDepth:
        return &in.iDepth;
    case InputField::iWidth:
        return &in.iWidth;
    case InputField::iHeight:
        return &in.iHeight;
    case InputField::iInsulation:
        return &in.iInsulation;
    case InputField::iLightLoad:
        return &in.iLightLoad;
    case InputField::iEnd:
        return &in.iEnd;
    case InputField::iTime:
        return &in.iTime;
    case InputField::iDoorWidth:
        return &in.iDoorWidth;
    case InputField::iDoorHeight:
        return &in.iDoorHeight;
    case InputField::iDoorInsul:
        return &in.iDoorInsul;
    case InputField::iAntisweatLoad:
        return &in.iAntisweatLoad;
    case InputField::iInsulTherm:
        return &in.iInsulTherm;
    case InputField::iDoorInsulTherm:
        return &in.iDoorInsulTherm;
    case InputField::iEvaporating:
        return &in.iEvaporating;
    case InputField::iCondensing:
        return &in.iCondensing;
    case InputField::iSubcool:
        return &in.iSubcool;
    case InputField::iRunTime:
        return nullptr;
    }
    return nullptr;
}

bool IsKField(InputField field)
{
    return field == InputField::iInsulTherm || field == InputField::iDoorInsulTherm;
}

} // namespace

VariantOutcome VariantCalc::Calculate(const LoadInputs& inputs)
{
    const RecalcResult result = Recalculate(inputs, units_, tables_, LoadResults{});
    VariantOutcome out;
    out.completed = result.outcome == RecalcOutcome::Completed;
    out.results = result.results;
    if (result.failed) {
        const ResultRow row = ListedRows(result, units_).front();
        out.message = row.value.empty() ? row.name : row.name + " " + row.value;
    }
    if (out.completed)
        out.warning = MessageLine(result, units_);
    return out;
}

double ShownInput(const LoadInputs& inputs, InputField field, const UnitSystem& units)
{
    if (field == InputField::iRunTime)
        return inputs.iRunTime;
    const double value = *Member(inputs, field);
    return IsKField(field) ? ShownK(value, units) : value;
}

void SetShownInput(LoadInputs& inputs, InputField field, double shown, const UnitSystem& units)
{
    if (field == InputField::iRunTime) {
        inputs.iRunTime = static_cast<int>(std::trunc(shown));
        return;
    }
    *Member(inputs, field) = IsKField(field) ? SiK(shown, units) : shown;
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
