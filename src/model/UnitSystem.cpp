#include "model/UnitSystem.h"

#include "model/Translatable.h"

namespace {

const char* Label(const UnitSystem& units, int kind)
{
    switch (kind) {
    case kLengthUnit:
        return units.LengthImperial() ? QT_TRANSLATE_NOOP("UnitLabel", "in.") : QT_TRANSLATE_NOOP("UnitLabel", "mm");
    case kTemperatureUnit:
        return units.TemperatureImperial() ? QT_TRANSLATE_NOOP("UnitLabel", "ºF")
                                           : QT_TRANSLATE_NOOP("UnitLabel", "ºC");
    case kVolumeUnit:
        return units.VolumeImperial() ? QT_TRANSLATE_NOOP("UnitLabel", "ft3") : QT_TRANSLATE_NOOP("UnitLabel", "L");
    case kMassUnit:
        return units.MassImperial() ? QT_TRANSLATE_NOOP("UnitLabel", "lbs") : QT_TRANSLATE_NOOP("UnitLabel", "kg");
    case kHoursUnit:
        return QT_TRANSLATE_NOOP("UnitLabel", "hours");
    case kEnergyUnit:
        return units.EnergyImperial() ? QT_TRANSLATE_NOOP("UnitLabel", "Btu/hr") : QT_TRANSLATE_NOOP("UnitLabel", "W");
    case kPercentUnit:
        return QT_TRANSLATE_NOOP("UnitLabel", "%");
    case kWattsUnit:
        return QT_TRANSLATE_NOOP("UnitLabel", "W");
    case kKValueUnit:
        return units.KValueImperial() ? QT_TRANSLATE_NOOP("UnitLabel", "BTU/h·ft·°F")
                                      : QT_TRANSLATE_NOOP("UnitLabel", "W/m·K");
    case kTemperatureDifferenceUnit:
        return units.TemperatureImperial() ? QT_TRANSLATE_NOOP("UnitLabel", "ºF")
                                           : QT_TRANSLATE_NOOP("UnitLabel", "ºK");
    default:
        return " ";
    }
}

} // namespace

std::string UnitLabel(const UnitSystem& units, int kind, TextLookup lookup)
{
    return LookUp(lookup, "UnitLabel", Label(units, kind));
}
