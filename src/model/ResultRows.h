#pragma once

#include "model/LoadResults.h"
#include "model/UnitSystem.h"

#include <array>
#include <string>

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
ResultRowSet FormatResultRows(const LoadResults& results, const UnitSystem& units);

// Display conversions shared by the results list, the sheet and the printout.
double ShownEnergy(double watts, const UnitSystem& units);
double ShownTemperature(double celsius, const UnitSystem& units);
