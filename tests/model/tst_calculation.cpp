#include "CalcHarness.h"

#include <QtTest>

namespace {
QString Row(const CalcHarness& h, int i)
{
    return QString::fromStdString(h.rows.at(static_cast<size_t>(i)).value);
}
} // namespace

class CalculationTest : public QObject {
    Q_OBJECT
private slots:
    void default_cabinet();
    void default_cabinet_in_imperial_units();
    void loads_of_the_option_sections_data();
    void loads_of_the_option_sections();
    void glass_door_writes_its_thickness_back_data();
    void glass_door_writes_its_thickness_back();
    void detailed_conditions_set_the_compressor_conditions();
    void warning_lets_the_calculation_finish();
    void warning_stays_beside_a_later_error();
    void custom_k_is_taken_from_the_inputs();
    void stopped_calculation_keeps_what_it_did_not_reach();
    void subcooling_stays_in_kelvin_after_a_temperature_error();
    void zero_custom_k_stops_before_the_loads();
};

void CalculationTest::default_cabinet()
{
    CalcHarness h;
    QCOMPARE(h.Run(LoadInputs{}), RecalcOutcome::Completed);
    const LoadResults& r = h.results;
    QCOMPARE(r.netVolume, 200.0);
    // Faces at mid-insulation: 2.595 m2, 29 K, k 0.027, 50 mm.
    QVERIFY(qAbs(r.transmissionLoad - 2.595 * 29 * 0.027 / 0.05) < 1e-9);
    QCOMPARE(r.cabinetLoad, r.transmissionLoad);
    QCOMPARE(r.doorLoad, 0.0);
    QVERIFY(qAbs(r.requestedCapacity - 54.1836) < 1e-9);
    QCOMPARE(r.tEvaporator, -7.0);
    QCOMPARE(r.tCondenser, 42.0);
    QCOMPARE(r.subcooling, 1.0);

    QCOMPARE(h.rows.size(), size_t(4));
    QCOMPARE(QString::fromStdString(h.rows[0].name), QStringLiteral("Requested compressor capacity"));
    QCOMPARE(Row(h, 0), QStringLiteral("54 W"));
    QCOMPARE(Row(h, 1), QStringLiteral("-7.0 ºC"));
    QCOMPARE(Row(h, 2), QStringLiteral("42.0 ºC"));
    QCOMPARE(Row(h, 3), QStringLiteral("1.0 ºK"));
    QVERIFY(h.warning.empty());
    QCOMPARE(h.last.Beeps(), 0);
}

void CalculationTest::default_cabinet_in_imperial_units()
{
    // The same cabinet typed in imperial units: 400 x 500 x 1000 mm is not exact in inches, so
    // check the display conversions on the metric cabinet with only energy and volume switched.
    CalcHarness h;
    UnitSystem units;
    units.energy = 1;
    units.volume = 1;
    QCOMPARE(h.Run(LoadInputs{}, units), RecalcOutcome::Completed);
    QCOMPARE(Row(h, 0), QStringLiteral("185 Btu/hr"));
    QVERIFY(qAbs(ShownVolume(h.results.netVolume, units) - 200 * 0.0353147) < 1e-12);

    // Temperatures in Fahrenheit: 89.6 F / 37.4 F are the default 32 C / 3 C.
    CalcHarness f;
    LoadInputs in;
    in.iAmbient = 89.6;
    in.iEvapTemp = 37.4;
    UnitSystem fahrenheit;
    fahrenheit.temperature = 1;
    QCOMPARE(f.Run(in, fahrenheit), RecalcOutcome::Completed);
    QVERIFY(qAbs(f.results.requestedCapacity - 54.1836) < 1e-9);
    QCOMPARE(Row(f, 1), QStringLiteral("19.4 ºF"));
    QCOMPARE(Row(f, 2), QStringLiteral("107.6 ºF"));
    QCOMPARE(Row(f, 3), QStringLiteral("1.8 ºF"));
    QCOMPARE(ShownTemperatureDifference(f.results.subcooling, fahrenheit), 1.8);
}

void CalculationTest::loads_of_the_option_sections_data()
{
    QTest::addColumn<LoadInputs>("inputs");
    QTest::addColumn<double>("requested");
    QTest::addColumn<double>("coolDown");
    QTest::addColumn<double>("additional");

    LoadInputs cool;
    cool.iCoolCheck = true;
    cool.iCoolMass = 10; // water, 25 C to 5 C in 6 h
    QTest::newRow("cool-down of water") << cool << (40.6377 + 10 * 4189 * 20 / 21600.0) * 100 / 75
                                        << 10 * 4189 * 20 / 21600.0 << 0.0;

    LoadInputs light;
    light.iHeatCheck = true;
    light.iLightLoad = 25;
    QTest::newRow("light load is not scaled by runtime") << light << 40.6377 * 100 / 75 + 25 << 0.0 << 25.0;

    LoadInputs ignored;
    ignored.iLightLoad = 25;
    ignored.iCoolMass = 10;
    QTest::newRow("sections off ignore their inputs") << ignored << 54.1836 << 0.0 << 0.0;

    LoadInputs all;
    all.iHeatCheck = true;
    all.iOpenings = 1;
    all.iFanLoad = 2;
    all.iLightLoad = 3;
    all.iAntisweatLoad = 4;
    all.iRunTime = 100;
    QTest::newRow("four additional loads") << all << 40.6377 + 10 << 0.0 << 10.0;
}

void CalculationTest::loads_of_the_option_sections()
{
    QFETCH(LoadInputs, inputs);
    QFETCH(double, requested);
    QFETCH(double, coolDown);
    QFETCH(double, additional);
    CalcHarness h;
    QCOMPARE(h.Run(inputs), RecalcOutcome::Completed);
    QVERIFY2(qAbs(h.results.requestedCapacity - requested) < 1e-9,
             qPrintable(QString::number(h.results.requestedCapacity, 'g', 17)));
    QVERIFY(qAbs(h.results.coolDownLoad - coolDown) < 1e-9);
    QCOMPARE(h.results.additionalLoad, additional);
}

void CalculationTest::glass_door_writes_its_thickness_back_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("inches");
    QTest::addColumn<double>("shown");
    QTest::newRow("super low energy, mm") << 3 << false << 24.0;
    QTest::newRow("3 layer, mm") << 2 << false << 36.0;
    QTest::newRow("3 layer, inches") << 2 << true << 36 * 0.0393701;
}

void CalculationTest::glass_door_writes_its_thickness_back()
{
    QFETCH(int, row);
    QFETCH(bool, inches);
    QFETCH(double, shown);
    CalcHarness h;
    LoadInputs in;
    in.iDoorCheck = true;
    in.iType2 = row;
    in.iDoorInsul = 3; // replaced by the glass thickness
    UnitSystem units;
    if (inches) {
        units.length = 1;
        in.iDepth = 400 * 0.0393701;
        in.iWidth = in.iDoorWidth = 500 * 0.0393701;
        in.iHeight = in.iDoorHeight = 1000 * 0.0393701;
        in.iInsulation = 50 * 0.0393701;
    }
    QCOMPARE(h.Run(in, units), RecalcOutcome::Completed);
    QVERIFY(h.last.doorThickness.has_value());
    QCOMPARE(h.last.doorThickness->inches, inches);
    QCOMPARE(h.last.doorThickness->shownValue, shown);

    if (row == 3 && !inches) {
        const double doorArea = 1.024 * 0.524;
        QVERIFY(qAbs(h.results.doorLoad - doorArea * 29 * 0.0264 / 0.024) < 1e-9);
        QVERIFY(qAbs(h.results.doorLoad - 17.117) < 5e-4);
        QVERIFY(qAbs(h.results.cabinetLoad - 31.594) < 5e-4);
        QCOMPARE(h.results.transmissionLoad, h.results.cabinetLoad + h.results.doorLoad);
    }
}

void CalculationTest::detailed_conditions_set_the_compressor_conditions()
{
    CalcHarness h;
    LoadInputs in;
    in.iCondCheck = true;
    in.iEvaporating = -12;
    in.iCondensing = 48;
    in.iSubcool = 4;
    QCOMPARE(h.Run(in), RecalcOutcome::Completed);
    QCOMPARE(h.results.tEvaporator, -12.0);
    QCOMPARE(h.results.tCondenser, 48.0);
    QCOMPARE(h.results.subcooling, 4.0);
    QCOMPARE(Row(h, 3), QStringLiteral("4.0 ºK"));

    // In Fahrenheit the subcooling is checked and kept in kelvin, and shown as typed.
    CalcHarness f;
    in.iAmbient = 89.6;
    in.iEvapTemp = 37.4;
    in.iEvaporating = 10.4;
    in.iCondensing = 118.4;
    in.iSubcool = 150; // 83.3 K passes
    UnitSystem units;
    units.temperature = 1;
    QCOMPARE(f.Run(in, units), RecalcOutcome::Completed);
    QCOMPARE(ShownTemperatureDifference(f.results.subcooling, units), 150.0);
    QVERIFY(qAbs(f.results.tEvaporator - (-12.0)) < 1e-12);
    QCOMPARE(Row(f, 1), QStringLiteral("10.4 ºF"));
}

void CalculationTest::warning_lets_the_calculation_finish()
{
    CalcHarness h;
    LoadInputs in;
    in.iCondCheck = true;
    in.iEvaporating = 5; // above the box temperature of 3
    QCOMPARE(h.Run(in), RecalcOutcome::Completed);
    QCOMPARE(QString::fromStdString(h.warning), QStringLiteral("Warning: Evaporating temp greater than box temp."));
    QCOMPARE(h.rows.size(), size_t(4));
    QCOMPARE(h.last.Beeps(), 1);
    QCOMPARE(h.results.tEvaporator, 5.0);

    // The next calculation starts with an empty message line.
    in.iEvaporating = -7;
    h.Run(in);
    QVERIFY(h.warning.empty());
}

void CalculationTest::warning_stays_beside_a_later_error()
{
    CalcHarness h;
    LoadInputs in;
    in.iCondCheck = true;
    in.iEvaporating = 5;
    in.iInsulation = 2;
    QCOMPARE(h.Run(in), RecalcOutcome::Stopped);
    QVERIFY(!h.warning.empty());
    QCOMPARE(h.rows.size(), size_t(1));
    QCOMPARE(QString::fromStdString(h.rows[0].name), QStringLiteral("Invalid insulation thickness."));
    QCOMPARE(h.last.Beeps(), 2);
}

void CalculationTest::custom_k_is_taken_from_the_inputs()
{
    CalcHarness h;
    LoadInputs in;
    in.iType = 0;
    in.iInsulTherm = 0.054; // twice polyurethane's k
    in.iDoorCheck = true;
    in.iType2 = 0;
    in.iDoorInsulTherm = 0.027;
    QCOMPARE(h.Run(in), RecalcOutcome::Completed);
    QCOMPARE(h.tables.insulationMaterials.CustomK(), 0.054);
    QCOMPARE(h.tables.doorMaterials.CustomK(), 0.027);
    const double door = 1.05 * 0.55 * 29 * 0.027 / 0.05;
    QVERIFY(qAbs(h.results.doorLoad - door) < 1e-9);
    QVERIFY(qAbs(h.results.cabinetLoad - 2 * (40.6377 - door)) < 1e-9);

    // Another material leaves the custom values alone.
    in.iType = 2;
    in.iInsulTherm = 0.5;
    h.Run(in);
    QCOMPARE(h.tables.insulationMaterials.CustomK(), 0.054);
}

void CalculationTest::stopped_calculation_keeps_what_it_did_not_reach()
{
    CalcHarness h;
    LoadInputs first;
    first.iHeatCheck = true;
    first.iLightLoad = 25;
    QCOMPARE(h.Run(first), RecalcOutcome::Completed);
    const LoadResults before = h.results;

    // The runtime check runs last: volume and transmission are renewed, capacity is not.
    LoadInputs second;
    second.iWidth = 1000;
    second.iRunTime = 9;
    second.iType = 0;
    second.iInsulTherm = 0.03;
    QCOMPARE(h.Run(second), RecalcOutcome::Stopped);
    QCOMPARE(h.results.netVolume, 400.0);
    QVERIFY(h.results.transmissionLoad > before.transmissionLoad);
    QCOMPARE(h.tables.insulationMaterials.CustomK(), 0.03);
    QCOMPARE(h.results.additionalLoad, before.additionalLoad);
    QCOMPARE(h.results.requestedCapacity, before.requestedCapacity);

    // A dimension error renews nothing at all.
    LoadInputs third;
    third.iDepth = 20;
    third.iType = 0;
    third.iInsulTherm = 0.04;
    const LoadResults beforeThird = h.results;
    QCOMPARE(h.Run(third), RecalcOutcome::Stopped);
    QCOMPARE(h.results.netVolume, beforeThird.netVolume);
    QCOMPARE(h.results.transmissionLoad, beforeThird.transmissionLoad);
    QCOMPARE(h.tables.insulationMaterials.CustomK(), 0.03);
}

void CalculationTest::subcooling_stays_in_kelvin_after_a_temperature_error()
{
    CalcHarness h;
    LoadInputs in;
    in.iSubcool = 9;
    in.iAmbient = 300; // fails the ambient range in Fahrenheit too
    UnitSystem units;
    units.temperature = 1;
    QCOMPARE(h.Run(in, units), RecalcOutcome::Stopped);
    QCOMPARE(h.results.subcooling, 5.0); // 9 F as 5 K
}

void CalculationTest::zero_custom_k_stops_before_the_loads()
{
    // The typed k is taken (and kept for storing) before it is checked; the loads of the last
    // calculation stay.
    CalcHarness h;
    LoadInputs in;
    QCOMPARE(h.Run(in), RecalcOutcome::Completed);
    const double transmission = h.results.transmissionLoad;
    in.iType = 0;
    in.iInsulTherm = 0;
    QCOMPARE(h.Run(in), RecalcOutcome::Stopped);
    QCOMPARE(h.tables.insulationMaterials.CustomK(), 0.0);
    QCOMPARE(h.results.transmissionLoad, transmission);
    QCOMPARE(Row(h, 0), QString());
    QCOMPARE(QString::fromStdString(h.rows.at(0).name), QStringLiteral("Invalid insulation k value."));
}

QTEST_APPLESS_MAIN(CalculationTest)
#include "tst_calculation.moc"
