#include "ReportSamples.h"

#include "cli/CalcRun.h"
#include "storage/MemoryProfileStore.h"

std::vector<ReportLine> SampleReport(ReportOptions options, const UnitSystem& units)
{
    InputAssignments a;
    a.options = {{"iDoorCheck", options.door},
                 {"iHeatCheck", options.heat},
                 {"iCoolCheck", options.cool},
                 {"iCondCheck", options.cond}};
    const int choices[6] = {units.energy, units.temperature, units.kValue, units.volume, units.length, units.mass};
    for (int i = 0; i < 6; ++i)
        a.units[kUnitChoiceNames[i]] = choices[i];
    // The first-run inputs have no additional or cool-down load; give both something to print.
    a.numbers = {{"iOpenings", "10"}, {"iFanLoad", "5"}, {"iCoolMass", "20"}};

    CalcRun run(MemoryProfileStore{}, LocaleChars{});
    run.Apply(a);
    run.Calculate();
    return BuildReportLines(run.Form(), run.TablesInUse(), run.Units(), run.Results());
}

std::string ValueOf(const std::vector<ReportLine>& lines, const std::string& label)
{
    for (const ReportLine& line : lines) {
        if (line.label == label)
            return line.value;
    }
    return {};
}

std::vector<PlacedText> PlaceReport(ReportLayout& layout, const std::vector<ReportLine>& lines)
{
    std::vector<PlacedText> placed;
    for (const ReportLine& line : lines) {
        placed.push_back({line.label, false, layout.Place(ReportColumn::Label)});
        if (line.hasValue)
            placed.push_back({line.value, true, layout.Place(ReportColumn::Value)});
    }
    return placed;
}
