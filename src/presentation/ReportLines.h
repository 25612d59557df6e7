#pragma once

#include "model/InputForm.h"
#include "model/LoadResults.h"
#include "model/Tables.h"
#include "model/TextLookup.h"
#include "model/UnitSystem.h"

#include <string>
#include <vector>

// One line of the printed report: a label (column 0) and, when hasValue, a value printed on the
// same line in column 1. A label that is a marked text says its translation context.
struct ReportLine {
    std::string label;
    std::string value;
    bool hasValue = false;
    const char* labelContext = nullptr; // where the label is a text marked for translation
};

// The report of the current calculation: inputs as their fields show them, grouped as on the
// sheet (option groups only while their option is on), then the loads and the compressor
// selection conditions from the results. The lookup translates the values' texts (units, material
// and product names) and the compressor lines; the labels carry their context for the caller.
std::vector<ReportLine> BuildReportLines(const InputForm& form, const Tables& tables, const UnitSystem& units,
                                         const LoadResults& results, TextLookup lookup = nullptr);

// The title heading the report, on paper and from dorarive-calc: the program's description and
// version text (read from its version block) as "%s v%s".
std::string ReportTitle(const std::string& fileDescription, const std::string& versionText);
