// The calculation core on its own: one Recalculate with the default inputs and one with every
// option on.

#include "model/LoadInputs.h"
#include "model/Recalculate.h"
#include "model/RecordingSink.h"

#include <QtTest>

class BenchModel : public QObject {
    Q_OBJECT

private slots:
    void recalculate_defaults()
    {
        Tables tables;
        BuildTables(tables);
        LoadResults results;
        RecordingSink sink;
        const LoadInputs in;
        QBENCHMARK
        {
            Recalculate(in, UnitSystem{}, tables, results, sink);
        }
        QVERIFY(results.requestedCapacity > 54);
    }

    void recalculate_all_options_imperial()
    {
        Tables tables;
        BuildTables(tables);
        LoadResults results;
        RecordingSink sink;
        LoadInputs in;
        in.iDoorCheck = in.iHeatCheck = in.iCoolCheck = in.iCondCheck = true;
        in.iType2 = 2;
        in.iCoolMass = 10;
        in.iLightLoad = 25;
        in.iEvaporating = 5; // the warning too
        const UnitSystem units{1, 0, 1, 1, 0, 0};
        QBENCHMARK
        {
            Recalculate(in, units, tables, results, sink);
        }
        QVERIFY(!sink.warning.empty());
    }
};

QTEST_GUILESS_MAIN(BenchModel)
#include "bench_model.moc"
