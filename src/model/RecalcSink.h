#pragma once

#include "model/ResultRows.h"

#include <string>

// Where a calculation reports what the window shows. The window implements it with its results
// list, message line and fields; the command-line tool records the calls.
class RecalcSink {
public:
    virtual ~RecalcSink() = default;

    // Start of every calculation: empty the message line and the results list (redraw off).
    virtual void BeginCalculation() = 0;
    // A failed check stopped the calculation: no recalculation is pending any more.
    virtual void ClearRecalcPending() = 0;
    // The system error sound, for errors and the warning alike.
    virtual void Beep() = 0;
    // The single error row (range may be empty); the list redraws again.
    virtual void ShowErrorRow(const std::string& text, const std::string& range) = 0;
    virtual void ShowWarning(const std::string& text) = 0;
    // A glass door's fixed thickness written back into the door thickness field: in inches the
    // field is first set to two decimal places.
    virtual void WriteDoorThickness(double shownValue, bool inches) = 0;
    // The finished calculation: the four selected result rows, the list redraws, the window is
    // repainted and no recalculation is pending.
    virtual void ShowResults(const ResultRowSet& rows) = 0;
};
