#include "tst_calculation.h"
#include "tst_checks.h"
#include "tst_tables.h"
#include "tst_units.h"

#include <QtTest>

int main(int argc, char* argv[])
{
    int failures = 0;
    {
        CalculationTest t;
        failures += QTest::qExec(&t, argc, argv);
    }
    {
        ChecksTest t;
        failures += QTest::qExec(&t, argc, argv);
    }
    {
        UnitsTest t;
        failures += QTest::qExec(&t, argc, argv);
    }
    {
        TablesTest t;
        failures += QTest::qExec(&t, argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
