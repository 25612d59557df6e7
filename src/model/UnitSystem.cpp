#include "model/UnitSystem.h"

std::string UnitLabel(const UnitSystem& units, int kind)
{
    switch (kind) {
    case kLengthUnit:
        return units.LengthImperial() ? "in." : "mm";
    case kTemperatureUnit:
        return units.TemperatureImperial() ? "ºF" : "ºC";
    case kVolumeUnit:
        return units.VolumeImperial() ? "ft3" : "L";
    case kMassUnit:
        return units.MassImperial() ? "lbs" : "kg";
    case kHoursUnit:
        return "hours";
    case kEnergyUnit:
        return units.EnergyImperial() ? "Btu/hr" : "W";
    case kPercentUnit:
        return "%";
    case kWattsUnit:
        return "W";
    case kKValueUnit:
        return units.KValueImperial() ? "BTU/h·ft·°F" : "W/m·K";
    case kTemperatureDifferenceUnit:
        return units.TemperatureImperial() ? "ºF" : "ºK";
    default:
        return " ";
    }
}
