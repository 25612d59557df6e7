#pragma once

#include "model/LoadInputs.h"
#include "model/LoadResults.h"
#include "model/Recalculate.h"
#include "model/ResultRows.h"
#include "model/Tables.h"
#include "model/UnitSystem.h"

#include <QMetaType>

// Calculations with fresh tables, each starting from the last one's results and keeping the
// custom k values it took, as the window does.
struct CalcHarness {
    CalcHarness() { BuildTables(tables); }

    RecalcOutcome Run(const LoadInputs& in, const UnitSystem& units = {})
    {
        last = Recalculate(in, units, tables, results);
        TakeCustomK(last, tables);
        results = last.results;
        rows = ListedRows(last, units);
        warning = MessageLine(last, units);
        return last.outcome;
    }

    Tables tables;
    LoadResults results;
    RecalcResult last;
    std::vector<ResultRow> rows; // the results list
    std::string warning;         // the message line
};

inline UnitSystem AllImperial()
{
    return UnitSystem{1, 1, 1, 1, 1, 1};
}

Q_DECLARE_METATYPE(LoadInputs)
Q_DECLARE_METATYPE(UnitSystem)
