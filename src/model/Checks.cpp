#include "model/Checks.h"

#include "model/Conversions.h"
#include "model/Format.h"
#include "model/Translatable.h"

#include <cstring>

namespace {

constexpr CheckInfo kChecks[] = {
    {CheckId::CabinetDepth, QT_TRANSLATE_NOOP("Checks", "Invalid cabinet depth."), kLengthUnit, 50, 10000, false},
    {CheckId::CabinetWidth, QT_TRANSLATE_NOOP("Checks", "Invalid cabinet width."), kLengthUnit, 50, 10000, false},
    {CheckId::CabinetHeight, QT_TRANSLATE_NOOP("Checks", "Invalid cabinet height."), kLengthUnit, 50, 10000, false},
    {CheckId::DoorWidth, QT_TRANSLATE_NOOP("Checks", "Invalid door width."), kLengthUnit, 50, 10000, false},
    {CheckId::DoorHeight, QT_TRANSLATE_NOOP("Checks", "Invalid door height."), kLengthUnit, 50, 10000, false},
    {CheckId::StartAboveEnd, QT_TRANSLATE_NOOP("Checks", "Start temp less than end temp."), kPlainNumber, 0, 0, false},
    {CheckId::EndNotBelowBox, QT_TRANSLATE_NOOP("Checks", "End temp less than box temp."), kPlainNumber, 0, 0, false},
    {CheckId::StartTemperature, QT_TRANSLATE_NOOP("Checks", "Start temp invalid"), kTemperatureUnit, -20, 150, false},
    {CheckId::CoolDownMass, QT_TRANSLATE_NOOP("Checks", "Invalid cool down mass."), kMassUnit, 0, 1000, false},
    {CheckId::CoolDownTime, QT_TRANSLATE_NOOP("Checks", "Invalid cool down time."), kHoursUnit, 2, 480, false},
    {CheckId::AmbientAboveBox, QT_TRANSLATE_NOOP("Checks", "Ambient must be greater than box."), kPlainNumber, 0, 0,
     false},
    {CheckId::AmbientTemperature, QT_TRANSLATE_NOOP("Checks", "Ambient temperature invalid."), kTemperatureUnit, -50,
     100, false},
    {CheckId::BoxTemperature, QT_TRANSLATE_NOOP("Checks", "Box temperature invalid."), kTemperatureUnit, -80, 80,
     false},
    {CheckId::EvaporatingTemperature, QT_TRANSLATE_NOOP("Checks", "Evaporating temp invalid"), kTemperatureUnit, -100,
     150, false},
    {CheckId::CondensingTemperature, QT_TRANSLATE_NOOP("Checks", "Condensing temp invalid."), kTemperatureUnit, -50,
     160, false},
    {CheckId::Subcooling, QT_TRANSLATE_NOOP("Checks", "Invalid subcooling amount."), kTemperatureDifferenceUnit, 0, 100,
     false},
    {CheckId::EvaporatingAboveBox, QT_TRANSLATE_NOOP("Checks", "Evaporating temp greater than box temp."), kPlainNumber,
     0, 0, true},
    {CheckId::InsulationThickness, QT_TRANSLATE_NOOP("Checks", "Invalid insulation thickness."), kLengthUnit, 5, 500,
     false},
    {CheckId::DoorInsulationThickness, QT_TRANSLATE_NOOP("Checks", "Invalid door insulation thickness."), kLengthUnit,
     1, 500, false},
    {CheckId::OpeningsLoad, QT_TRANSLATE_NOOP("Checks", "Invalid door/lid openings load."), kWattsUnit, 0, 1000, false},
    {CheckId::FanLoad, QT_TRANSLATE_NOOP("Checks", "Invalid fan load."), kWattsUnit, 0, 5000, false},
    {CheckId::LightLoad, QT_TRANSLATE_NOOP("Checks", "Invalid light load."), kWattsUnit, 0, 1000, false},
    {CheckId::AntisweatLoad, QT_TRANSLATE_NOOP("Checks", "Invalid antisweat load."), kWattsUnit, 0, 1000, false},
    {CheckId::MaxRuntime, QT_TRANSLATE_NOOP("Checks", "Invalid max runtime value."), kPlainNumber, 10, 100, false},
    {CheckId::InsulationK, QT_TRANSLATE_NOOP("Checks", "Invalid insulation k value."), kPlainNumber, 0, 0, false},
    {CheckId::DoorK, QT_TRANSLATE_NOOP("Checks", "Invalid door k value."), kPlainNumber, 0, 0, false},
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

// The short messages get a prefix; the length is the English one, so every language words the
// same checks alike.
std::string ProblemRowText(const CheckInfo& check, TextLookup lookup)
{
    const std::string message = LookUp(lookup, "Checks", check.message);
    if (std::strlen(check.message) <= 24)
        return FormatText(LookUp(lookup, "Checks", QT_TRANSLATE_NOOP("Checks", "Error: %s")).c_str(), message.c_str());
    return message;
}

std::string RangeText(const CheckInfo& check, const UnitSystem& units, TextLookup lookup)
{
    const int kind = check.rangeKind;
    if (kind == kPlainNumber) {
        if (check.low == 0 && check.high == 0)
            return {};
        return FormatText(LookUp(lookup, "Checks", QT_TRANSLATE_NOOP("Checks", "%d to %d")).c_str(), check.low,
                          check.high);
    }
    if (kind == kHoursUnit)
        return FormatText(LookUp(lookup, "Checks", QT_TRANSLATE_NOOP("Checks", "%0.1f to %0.1f hours")).c_str(),
                          check.low / 10.0, check.high / 10.0);
    const std::string label = UnitLabel(units, kind, lookup);
    return FormatText(LookUp(lookup, "Checks", QT_TRANSLATE_NOOP("Checks", "%d%s to %d%s")).c_str(),
                      ShownLimit(kind, check.low, units), label.c_str(), ShownLimit(kind, check.high, units),
                      label.c_str());
}

std::string WarningText(const CheckInfo& check, const UnitSystem& units, TextLookup lookup)
{
    std::string text = FormatText(LookUp(lookup, "Checks", QT_TRANSLATE_NOOP("Checks", "Warning: %s")).c_str(),
                                  LookUp(lookup, "Checks", check.message).c_str());
    const std::string range = RangeText(check, units, lookup);
    if (!range.empty())
        text += "  (" + range + ")";
    return text;
}
