#pragma once

#include "model/Checks.h"
#include "model/LoadInputs.h"
#include "model/LoadResults.h"
#include "model/Tables.h"
#include "model/UnitSystem.h"

#include <optional>

enum class RecalcOutcome {
    Completed, // results shown (possibly with the warning)
    Stopped,   // a check failed; the error row is shown
};

// A glass door's fixed thickness, to be written into the door thickness field: in inches the
// field is first set to two decimal places.
struct DoorThicknessWrite {
    double shownValue = 0;
    bool inches = false;
};

// What one calculation found, for the caller to show: the window and the command line apply it
// in the same order (write-backs first, then the message line and the results list).
struct RecalcResult {
    RecalcOutcome outcome = RecalcOutcome::Stopped;
    // The caller's earlier results with what this calculation reached renewed: a calculation
    // that stops at a check leaves the rest as the last one left them.
    LoadResults results;
    const CheckInfo* failed = nullptr; // the check that stopped the calculation
    const CheckInfo* warned = nullptr; // the warning's check, for the message line
    std::optional<DoorThicknessWrite> doorThickness;
    // The typed-in k values taken while "Customized" is selected (W/(m.K)), to be kept in the
    // material tables for storing.
    std::optional<double> customWallK;
    std::optional<double> customDoorK;

    // The system error sound sounds once for the warning and once for the error.
    int Beeps() const { return (warned ? 1 : 0) + (failed ? 1 : 0); }
};

// One calculation: checks the inputs and computes the loads and the compressor conditions,
// starting from the earlier results. Touches neither the tables nor anything else of the caller,
// so variants of a form can be calculated side by side.
RecalcResult Recalculate(const LoadInputs& inputs, const UnitSystem& units, const Tables& tables,
                         const LoadResults& previous);

// Keeps the custom k values a calculation took in the material tables, as the window and the
// command line do after every calculation.
void TakeCustomK(const RecalcResult& result, Tables& tables);
