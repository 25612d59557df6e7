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

// The subcooling is an input echoed back: typed to hundredths of a degree F, it comes back from
// kelvin at hundredths, since x / 1.8 * 1.8 is one bit off x for about one value in ten.
double ShownTemperatureDifference(double kelvin, const UnitSystem& units)
{
    if (!units.TemperatureImperial())
        return kelvin;
    return static_cast<double>(
               Conversions::RoundHalfAwayFromZero(Conversions::KelvinDiffToFahrenheitDiff(kelvin) * 100.0)) /
           100.0;
}

double ShownVolume(double litres, const UnitSystem& units)
{
    return units.VolumeImperial() ? Conversions::LitresToCubicFeet(litres) : litres;
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
        {kResultNames[3], FormatText("%.1f %s", ShownTemperatureDifference(r.subcooling, units), difference.c_str())},
    }};
}

std::vector<ResultRow> ListedRows(const RecalcResult& result, const UnitSystem& units)
{
    if (result.outcome == RecalcOutcome::Stopped)
        return {{result.errorText, result.errorRange}};
    const ResultRowSet rows = FormatResultRows(result.results, units);
    return {rows.begin(), rows.end()};
}
