#include "tst_printjob.h"
#include "tst_reportlayout.h"

#include <QApplication>
#include <QStandardPaths>
#include <QtTest>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    int failures = 0;
    {
        ReportLayoutTest t;
        failures += QTest::qExec(&t, argc, argv);
    }
    {
        PrintJobTest t;
        failures += QTest::qExec(&t, argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
