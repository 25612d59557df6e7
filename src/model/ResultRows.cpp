#include "model/ResultRows.h"

#include "model/Conversions.h"
#include "model/Format.h"

const char* const kResultsHeading = "Compressor Selection Conditions";
const char* const kResultNames[4] = {
    "Requested compressor capacity",
    "T Evaporator",
    "T Condenser",
    "Subcooling",
};

double ShownEnergy(double watts, const UnitSystem& units)
{
    return units.EnergyImperial() ? Conversions::WattsToBtuPerHour(watts) : watts;
}

double ShownTemperature(double celsius, const UnitSystem& units)
{
    return units.TemperatureImperial() ? Conversions::CelsiusToFahrenheit(celsius) : celsius;
}

ResultRowSet FormatResultRows(const LoadResults& r, const UnitSystem& units)
{
    const std::string energy = UnitLabel(units, kEnergyUnit);
    const std::string temperature = UnitLabel(units, kTemperatureUnit);
    const std::string difference = UnitLabel(units, kTemperatureDifferenceUnit);
    return {{
        {kResultNames[0], FormatText("%.0f %s", ShownEnergy(r.requestedCapacity, units), energy.c_str())},
        {kResultNames[1], FormatText("%.1f %s", ShownTemperature(r.tEvaporator, units), temperature.c_str())},
        {kResultNames[2], FormatText("%.1f %s", ShownTemperature(r.tCondenser, units), temperature.c_str())},
        {kResultNames[3], FormatText("%.1f %s", r.subcooling, difference.c_str())},
    }};
}
