// dorarive-calc's largest sweep: 10,000 calculations printed as one CSV table, the whole process
// timed as a script would see it (start-up included), against one calculation the same way: the
// difference over 10,000 is what a row of a sweep costs (the aim: at most 3 us).

#include <QProcess>
#include <QtTest>

class BenchCli : public QObject {
    Q_OBJECT

private slots:
    void one_calculation_as_csv()
    {
        QBENCHMARK
        {
            QProcess p;
            p.start(QStringLiteral(DORARIVE_CALC_PATH), {"--csv", "iDepth=100"});
            QVERIFY(p.waitForFinished(60000));
            QCOMPARE(p.exitCode(), 0);
        }
    }

    void sweep_of_10000_values_as_csv()
    {
        QByteArray out;
        QBENCHMARK
        {
            QProcess p;
            p.start(QStringLiteral(DORARIVE_CALC_PATH), {"--csv", "--sweep", "iDepth=100:1099.9:0.1"});
            QVERIFY(p.waitForFinished(60000));
            QCOMPARE(p.exitCode(), 0);
            out = p.readAllStandardOutput();
        }
        QCOMPARE(out.count('\n'), 10001);
    }
};

QTEST_GUILESS_MAIN(BenchCli)
#include "bench_cli.moc"
