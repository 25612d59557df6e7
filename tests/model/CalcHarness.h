#pragma once

#include "model/LoadInputs.h"
#include "model/LoadResults.h"
#include "model/Recalculate.h"
#include "model/RecordingSink.h"
#include "model/Tables.h"
#include "model/UnitSystem.h"

#include <QMetaType>

// One calculation with fresh tables and a recording sink.
struct CalcHarness {
    CalcHarness() { BuildTables(tables); }

    RecalcOutcome Run(const LoadInputs& in, const UnitSystem& units = {})
    {
        return Recalculate(in, units, tables, results, sink);
    }

    Tables tables;
    LoadResults results;
    RecordingSink sink;
};

inline UnitSystem AllImperial()
{
    return UnitSystem{1, 1, 1, 1, 1, 1};
}

Q_DECLARE_METATYPE(LoadInputs)
Q_DECLARE_METATYPE(UnitSystem)
