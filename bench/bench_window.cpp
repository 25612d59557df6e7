// The main window: construction with its initialisation and first show, and one re-layout.

#include "mainwindow/DoraRiveDlg.h"
#include "storage/MemoryProfileStore.h"

#include <QtTest>

class BenchWindow : public QObject {
    Q_OBJECT

private slots:
    void construct_initialise_and_show()
    {
        MemoryProfileStore store;
        QBENCHMARK
        {
            DoraRiveDlg window(store);
            QCoreApplication::processEvents();
        }
    }

    void relayout()
    {
        MemoryProfileStore store;
        DoraRiveDlg window(store);
        QCoreApplication::processEvents();
        QBENCHMARK
        {
            window.Relayout();
        }
    }
};

QTEST_MAIN(BenchWindow)
#include "bench_window.moc"
