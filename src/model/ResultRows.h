#pragma once

#include "model/LoadResults.h"
#include "model/Recalculate.h"
#include "model/UnitSystem.h"

#include <array>
#include <string>
#include <vector>

// One row of the results list: a name and its value text.
struct ResultRow {
    std::string name;
    std::string value;
};

using ResultRowSet = std::array<ResultRow, 4>;

// The results list's heading and the names of its four rows, in row order.
extern const char* const kResultsHeading;
extern const char* const kResultNames[4];

// The four compressor selection rows of a finished calculation, in the user's units.
ResultRowSet FormatResultRows(const LoadResults& results, const UnitSystem& units, TextLookup lookup = nullptr);

// The results list after a calculation: the four rows of a finished one, the single error row
// (name and range) of a stopped one.
std::vector<ResultRow> ListedRows(const RecalcResult& result, const UnitSystem& units, TextLookup lookup = nullptr);

// The message line after a calculation: the warning, or nothing.
std::string MessageLine(const RecalcResult& result, const UnitSystem& units, TextLookup lookup = nullptr);

// Conversions of results into the user's units, shared by the results list, the sheet, the
// printout and the command line's values.
double ShownEnergy(double watts, const UnitSystem& units);
double ShownTemperature(double celsius, const UnitSystem& units);
double ShownTemperatureDifference(double kelvin, const UnitSystem& units);
double ShownVolume(double litres, const UnitSystem& units);
