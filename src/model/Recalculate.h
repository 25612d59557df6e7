#pragma once

#include "model/LoadInputs.h"
#include "model/LoadResults.h"
#include "model/RecalcSink.h"
#include "model/Tables.h"
#include "model/UnitSystem.h"

enum class RecalcOutcome {
    Completed, // results shown (possibly with the warning)
    Stopped,   // a check failed; the error row is shown
};

// One calculation: checks the inputs, computes the loads and the compressor conditions, and tells
// the sink what to show. Writes the custom k of both material tables while "Customized" is
// selected, and leaves the results it did not reach untouched when a check stops it.
RecalcOutcome Recalculate(const LoadInputs& inputs, const UnitSystem& units, Tables& tables, LoadResults& results,
                          RecalcSink& sink);
