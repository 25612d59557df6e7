#pragma once

#include "model/RecalcSink.h"

#include <string>
#include <vector>

// A sink that keeps what a calculation shows: the results list's rows, the message line, the
// beeps and the door thickness write-back. Used where there is no window.
class RecordingSink : public RecalcSink {
public:
    void BeginCalculation() override
    {
        rows.clear();
        warning.clear();
        listRedrawing = false;
    }
    void ClearRecalcPending() override { recalcPending = false; }
    void Beep() override { ++beeps; }
    void ShowErrorRow(const std::string& text, const std::string& range) override
    {
        rows = {{text, range}};
        listRedrawing = true;
    }
    void ShowWarning(const std::string& text) override { warning = text; }
    void WriteDoorThickness(double shownValue, bool inches) override
    {
        doorThickness = shownValue;
        doorThicknessInches = inches;
        ++doorThicknessWrites;
    }
    void ShowResults(const ResultRowSet& results) override
    {
        rows.assign(results.begin(), results.end());
        listRedrawing = true;
        recalcPending = false;
        ++repaints;
    }

    std::vector<ResultRow> rows;
    std::string warning;
    int beeps = 0;
    int repaints = 0;
    bool recalcPending = true;
    bool listRedrawing = true;
    double doorThickness = 0;
    bool doorThicknessInches = false;
    int doorThicknessWrites = 0;
};
