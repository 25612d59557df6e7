#pragma once

#include "model/UnitSystem.h"
#include "presentation/ReportLayout.h"
#include "presentation/ReportLines.h"

#include <string>
#include <vector>

// Which option groups a sample report includes.
struct ReportOptions {
    bool door = false;
    bool heat = false;
    bool cool = false;
    bool cond = false;
};

inline constexpr ReportOptions kAllOptions{true, true, true, true};

// The report of a calculation from the first-run inputs, with the given options and units.
std::vector<ReportLine> SampleReport(ReportOptions options, const UnitSystem& units = {});

// The value printed beside a label, or "" when the report has no such line.
std::string ValueOf(const std::vector<ReportLine>& lines, const std::string& label);

// One text of the report where the layout put it.
struct PlacedText {
    std::string text;
    bool isValue = false;
    LinePlacement where;
};

// Places the report as the printer does: each label, then its value.
std::vector<PlacedText> PlaceReport(ReportLayout& layout, const std::vector<ReportLine>& lines);
