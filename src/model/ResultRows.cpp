#include "model/ResultRows.h"

#include "model/Conversions.h"
#include "model/Format.h"
#include "model/Translatable.h"

const char* const kResultsHeading = QT_TRANSLATE_NOOP("ResultRows", "Compressor Selection Conditions");
const char* const kResultNames[4] = {
    QT_TRANSLATE_NOOP("ResultRows", "Requested compressor capacity"),
    QT_TRANSLATE_NOOP("ResultRows", "T Evaporator"),
    QT_TRANSLATE_NOOP("ResultRows", "T Condenser"),
    QT_TRANSLATE_NOOP("ResultRows", "Subcooling"),
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

ResultRowSet FormatResultRows(const LoadResults& r, const UnitSystem& units, TextLookup lookup)
{
    const std::string energy = UnitLabel(units, kEnergyUnit, lookup);
    const std::string temperature = UnitLabel(units, kTemperatureUnit, lookup);
    const std::string difference = UnitLabel(units, kTemperatureDifferenceUnit, lookup);
    auto name = [lookup](int i) { return LookUp(lookup, "ResultRows", kResultNames[i]); };
    return {{
        {name(0), FormatText("%.0f %s", ShownEnergy(r.requestedCapacity, units), energy.c_str())},
        {name(1), FormatText("%.1f %s", ShownTemperature(r.tEvaporator, units), temperature.c_str())},
        {name(2), FormatText("%.1f %s", ShownTemperature(r.tCondenser, units), temperature.c_str())},
        {name(3), FormatText("%.1f %s", ShownTemperatureDifference(r.subcooling, units), difference.c_str())},
    }};
}

std::vector<ResultRow> ListedRows(const RecalcResult& result, const UnitSystem& units, TextLookup lookup)
{
    if (result.failed)
        return {{ProblemRowText(*result.failed, lookup), RangeText(*result.failed, units, lookup)}};
    const ResultRowSet rows = FormatResultRows(result.results, units, lookup);
    return {rows.begin(), rows.end()};
}

std::string MessageLine(const RecalcResult& result, const UnitSystem& units, TextLookup lookup)
{
    return result.warned ? WarningText(*result.warned, units, lookup) : std::string();
}
