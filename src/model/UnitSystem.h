#pragma once

#include "model/TextLookup.h"

#include <string>

// The six unit choices, each 0 (metric) or 1 (imperial). Labels treat any non-zero value as
// imperial; the stored-settings reader folds other values to 1, so the conversions (which act on
// the value 1) and the labels always agree.
struct UnitSystem {
    int energy = 0;      // W | Btu/hr
    int temperature = 0; // degrees C (differences in K) | degrees F
    int kValue = 0;      // W/(m.K) | BTU/(h.ft.F)
    int volume = 0;      // litres | cubic feet
    int length = 0;      // mm | inches
    int mass = 0;        // kg | lb

    bool EnergyImperial() const { return energy != 0; }
    bool TemperatureImperial() const { return temperature != 0; }
    bool KValueImperial() const { return kValue != 0; }
    bool VolumeImperial() const { return volume != 0; }
    bool LengthImperial() const { return length != 0; }
    bool MassImperial() const { return mass != 0; }

    bool operator==(const UnitSystem&) const = default;
};

// Label kind codes, shared with the range kinds of the input checks.
enum UnitKind : int {
    kLengthUnit = 0,
    kTemperatureUnit = 1,
    kVolumeUnit = 4,
    kMassUnit = 5,
    kHoursUnit = 6,
    kEnergyUnit = 7,
    kPercentUnit = 9,
    kWattsUnit = 10,
    kKValueUnit = 11,
    kTemperatureDifferenceUnit = 12,
    kPlainNumber = 13,
    kNoUnit = -1,
};

// The unit text of a label kind under the given choices (UTF-8).
std::string UnitLabel(const UnitSystem& units, int kind, TextLookup lookup = nullptr);
