#include "model/Tables.h"

#include <QtTest>

class TablesTest : public QObject {
    Q_OBJECT
private slots:
    void tables_hold_their_rows_in_order();
    void glass_rows_carry_fixed_thickness();
    void only_six_form_rows_have_help();
    void rebuilding_resets_the_custom_k();
    void row_indices_are_limited_to_the_table_data();
    void row_indices_are_limited_to_the_table();
};

void TablesTest::tables_hold_their_rows_in_order()
{
    Tables t;
    BuildTables(t);
    QCOMPARE(t.insulationMaterials.Count(), 5);
    QCOMPARE(t.doorMaterials.Count(), 8);
    QCOMPARE(t.products.Count(), 18);
    QCOMPARE(t.insulationMaterials.Name(0), std::string("Customized"));
    QCOMPARE(t.insulationMaterials.Name(4), std::string("Rockwool"));
    QCOMPARE(t.insulationMaterials.K(1), 0.027);
    QCOMPARE(t.doorMaterials.Name(3), std::string("Glass 'Super low energy'"));
    QCOMPARE(t.doorMaterials.K(3), 0.0264);
    QCOMPARE(t.products.Name(9), std::string("Sheep meagre"));
    QCOMPARE(t.products.Name(16), std::string("Fisk fat"));
    QCOMPARE(t.products.Name(17), std::string("Vegetables (average)"));

    int largest = 0, smallest = 0;
    for (int i = 1; i < t.products.Count(); ++i) {
        if (t.products.SpecificHeat(i) > t.products.SpecificHeat(largest))
            largest = i;
        if (t.products.SpecificHeat(i) < t.products.SpecificHeat(smallest))
            smallest = i;
    }
    QCOMPARE(t.products.Name(largest), std::string("Water"));
    QCOMPARE(t.products.SpecificHeat(largest), 4189);
    QCOMPARE(t.products.Name(smallest), std::string("Butter"));
}

void TablesTest::glass_rows_carry_fixed_thickness()
{
    Tables t;
    BuildTables(t);
    const int expected[8] = {0, 23, 36, 24, 0, 0, 0, 0};
    for (int row = 0; row < 8; ++row) {
        QCOMPARE(t.doorMaterials.FixedThicknessMm(row), expected[row]);
        QCOMPARE(t.doorMaterials.IsGlass(row), expected[row] > 0);
    }
    for (int row = 0; row < 5; ++row)
        QVERIFY(!t.insulationMaterials.IsGlass(row));
}

void TablesTest::only_six_form_rows_have_help()
{
    Tables t;
    BuildTables(t);
    QList<int> withHelp;
    for (int row = 0; row < Tables::kFormHelpCount; ++row)
        if (!t.FormHelp(row).empty())
            withHelp << row;
    QCOMPARE(withHelp, (QList<int>{1, 2, 23, 26, 28, 34}));
    QVERIFY(t.FormHelp(50).empty());
    QVERIFY(t.FormHelp(-1).empty());
    for (int row = 0; row < 4; ++row) {
        QVERIFY(!t.ResultHelp(row).empty());
        QVERIFY(t.ResultHelp(row).size() <= 899);
    }
    // The en dash, not a hyphen.
    QVERIFY(t.ResultHelp(1).find("box \u2013 10 degrees") != std::string::npos);
}

void TablesTest::rebuilding_resets_the_custom_k()
{
    Tables t;
    BuildTables(t);
    QCOMPARE(t.insulationMaterials.CustomK(), 0.0);
    t.insulationMaterials.SetCustomK(0.05);
    t.doorMaterials.SetCustomK(0.06);
    QCOMPARE(t.insulationMaterials.K(0), 0.05);
    BuildTables(t);
    QCOMPARE(t.insulationMaterials.Count(), 5);
    QCOMPARE(t.insulationMaterials.CustomK(), 0.0);
    QCOMPARE(t.doorMaterials.CustomK(), 0.0);
}

void TablesTest::row_indices_are_limited_to_the_table_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("expected");
    QTest::newRow("negative") << -3 << 0;
    QTest::newRow("first") << 0 << 0;
    QTest::newRow("last") << 4 << 4;
    QTest::newRow("beyond") << 9 << 4;
    QTest::newRow("huge") << 2147483647 << 4;
}

void TablesTest::row_indices_are_limited_to_the_table()
{
    QFETCH(int, index);
    QFETCH(int, expected);
    QCOMPARE(ClampRowIndex(index, 5), expected);
    Tables t;
    BuildTables(t);
    QCOMPARE(t.insulationMaterials.Name(index), t.insulationMaterials.Name(expected));
}

QTEST_APPLESS_MAIN(TablesTest)
#include "tst_tables.moc"
