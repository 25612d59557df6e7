#include "model/Checks.h"

#include "model/Conversions.h"
#include "model/Format.h"

#include <cstring>

namespace {

constexpr CheckInfo kChecks[] = {
    {CheckId::CabinetDepth, "Invalid cabinet depth.", kLengthUnit, 50, 10000, false},
    {CheckId::CabinetWidth, "Invalid cabinet width.", kLengthUnit, 50, 10000, false},
    {CheckId::CabinetHeight, "Invalid cabinet height.", kLengthUnit, 50, 10000, false},
    {CheckId::DoorWidth, "Invalid door width.", kLengthUnit, 50, 10000, false},
    {CheckId::DoorHeight, "Invalid door height.", kLengthUnit, 50, 10000, false},
    {CheckId::StartAboveEnd, "Start temp less than end temp.", kPlainNumber, 0, 0, false},
    {CheckId::EndNotBelowBox, "End temp less than box temp.", kPlainNumber, 0, 0, false},
    {CheckId::StartTemperature, "Start temp invalid", kTemperatureUnit, -20, 150, false},
    {CheckId::CoolDownMass, "Invalid cool down mass.", kMassUnit, 0, 1000, false},
    {CheckId::CoolDownTime, "Invalid cool down time.", kHoursUnit, 2, 480, false},
    {CheckId::AmbientAboveBox, "Ambient must be greater than box.", kPlainNumber, 0, 0, false},
    {CheckId::AmbientTemperature, "Ambient temperature invalid.", kTemperatureUnit, -50, 100, false},
    {CheckId::BoxTemperature, "Box temperature invalid.", kTemperatureUnit, -80, 80, false},
    {CheckId::EvaporatingTemperature, "Evaporating temp invalid", kTemperatureUnit, -100, 150, false},
    {CheckId::CondensingTemperature, "Condensing temp invalid.", kTemperatureUnit, -50, 160, false},
    {CheckId::Subcooling, "Invalid subcooling amount.", kTemperatureDifferenceUnit, 0, 100, false},
    {CheckId::EvaporatingAboveBox, "Evaporating temp greater than box temp.", kPlainNumber, 0, 0, true},
    {CheckId::InsulationThickness, "Invalid insulation thickness.", kLengthUnit, 5, 500, false},
    {CheckId::DoorInsulationThickness, "Invalid door insulation thickness.", kLengthUnit, 1, 500, false},
    {CheckId::OpeningsLoad, "Invalid door/lid openings load.", kWattsUnit, 0, 1000, false},
    {CheckId::FanLoad, "Invalid fan load.", kWattsUnit, 0, 5000, false},
    {CheckId::LightLoad, "Invalid light load.", kWattsUnit, 0, 1000, false},
    {CheckId::AntisweatLoad, "Invalid antisweat load.", kWattsUnit, 0, 1000, false},
    {CheckId::MaxRuntime, "Invalid max runtime value.", kPlainNumber, 10, 100, false},
    {CheckId::InsulationK, "Invalid insulation k value.", kPlainNumber, 0, 0, false},
    {CheckId::DoorK, "Invalid door k value.", kPlainNumber, 0, 0, false},
};

static_assert(sizeof kChecks / sizeof kChecks[0] == 26);

// A limit as the range text shows it in the user's unit (truncated toward zero).
int ShownLimit(int kind, int limit, const UnitSystem& units)
{
    switch (kind) {
    case kLengthUnit:
        return units.LengthImperial() ? Conversions::MillimetresToInchesInt(limit) : limit;
    case kTemperatureUnit:
        return units.TemperatureImperial() ? Conversions::CelsiusToFahrenheitInt(limit) : limit;
    case kMassUnit:
        return units.MassImperial() ? Conversions::KilogramsToPoundsInt(limit) : limit;
    case kTemperatureDifferenceUnit:
        return units.TemperatureImperial() ? Conversions::KelvinDiffToFahrenheitDiffInt(limit) : limit;
    default:
        return limit;
    }
}

} // namespace

const CheckInfo& Check(CheckId id)
{
    return kChecks[static_cast<int>(id) - 1];
}

bool OutsideLimits(const CheckInfo& check, double value)
{
    if (check.rangeKind == kHoursUnit)
        return value < check.low / 10.0 || value > check.high / 10.0;
    return value < check.low || value > check.high;
}

std::string ProblemRowText(const CheckInfo& check)
{
    if (std::strlen(check.message) <= 24)
        return FormatText("Error: %s", check.message);
    return check.message;
}

std::string RangeText(const CheckInfo& check, const UnitSystem& units)
{
    const int kind = check.rangeKind;
    if (kind == kPlainNumber) {
        if (check.low == 0 && check.high == 0)
            return {};
        return FormatText("%d to %d", check.low, check.high);
    }
    if (kind == kHoursUnit)
        return FormatText("%0.1f to %0.1f hours", check.low / 10.0, check.high / 10.0);
    const std::string label = UnitLabel(units, kind);
    return FormatText("%d%s to %d%s", ShownLimit(kind, check.low, units), label.c_str(),
                      ShownLimit(kind, check.high, units), label.c_str());
}

std::string WarningText(const CheckInfo& check, const UnitSystem& units)
{
    std::string text = FormatText("Warning: %s", check.message);
    const std::string range = RangeText(check, units);
    if (!range.empty())
        text += "  (" + range + ")";
    return text;
}
