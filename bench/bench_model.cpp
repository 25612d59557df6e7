// The calculation core on its own: one Recalculate with the default inputs and one with every
// option on, each with the results list's rows formatted as the window shows them; and the
// calculation alone, as a sweep runs it.

#include "model/LoadInputs.h"
#include "model/Recalculate.h"
#include "model/ResultRows.h"

#include <QtTest>

class BenchModel : public QObject {
    Q_OBJECT

private slots:
    void recalculate_defaults()
    {
        Tables tables;
        BuildTables(tables);
        RecalcResult result;
        std::vector<ResultRow> rows;
        const LoadInputs in;
        QBENCHMARK
        {
            result = Recalculate(in, UnitSystem{}, tables, result.results);
            rows = ListedRows(result, UnitSystem{});
        }
        QVERIFY(result.results.requestedCapacity > 54);
    }

    void recalculate_all_options_imperial()
    {
        Tables tables;
        BuildTables(tables);
        RecalcResult result;
        std::vector<ResultRow> rows;
        LoadInputs in;
        in.iDoorCheck = in.iHeatCheck = in.iCoolCheck = in.iCondCheck = true;
        in.iType2 = 2;
        in.iCoolMass = 10;
        in.iLightLoad = 25;
        in.iEvaporating = 5; // the warning too
        const UnitSystem units{1, 0, 1, 1, 0, 0};
        QBENCHMARK
        {
            result = Recalculate(in, units, tables, result.results);
            rows = ListedRows(result, units);
        }
        QVERIFY(result.warned != nullptr);
    }

    void recalculate_defaults_without_rows()
    {
        Tables tables;
        BuildTables(tables);
        RecalcResult result;
        const LoadInputs in;
        QBENCHMARK
        {
            result = Recalculate(in, UnitSystem{}, tables, result.results);
        }
        QVERIFY(result.results.requestedCapacity > 54);
    }
};

QTEST_GUILESS_MAIN(BenchModel)
#include "bench_model.moc"
