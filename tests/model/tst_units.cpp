#include "FakeForm.h"
#include "model/Conversions.h"
#include "model/FormRules.h"
#include "model/Tables.h"
#include "model/UnitSystem.h"

#include <QtTest>

using namespace Conversions;

namespace {

FakeForm DefaultForm()
{
    FakeForm f;
    f.values = {{InputField::iAmbient, 32},
                {InputField::iEvapTemp, 3},
                {InputField::iEvaporating, -7},
                {InputField::iCondensing, 42},
                {InputField::iSubcool, 1},
                {InputField::iStart, 25},
                {InputField::iEnd, 5},
                {InputField::iCoolMass, 1000},
                {InputField::iDepth, 400},
                {InputField::iWidth, 500},
                {InputField::iHeight, 1000},
                {InputField::iInsulation, 50},
                {InputField::iDoorWidth, 500},
                {InputField::iDoorHeight, 1000},
                {InputField::iDoorInsul, 50},
                {InputField::iInsulTherm, 0.027},
                {InputField::iDoorInsulTherm, 0.027},
                {InputField::iTime, 6}};
    f.selections = {{Selector::iType, 1}, {Selector::iType2, 4}, {Selector::iProd, 7}};
    return f;
}

Tables BuiltTables()
{
    Tables t;
    BuildTables(t);
    return t;
}

} // namespace

class UnitsTest : public QObject {
    Q_OBJECT
private slots:
    void conversions_use_their_constants();
    void integer_conversions_truncate_toward_zero();
    void rounding_goes_half_away_from_zero_data();
    void rounding_goes_half_away_from_zero();
    void unit_labels_follow_the_choices_data();
    void unit_labels_follow_the_choices();
    void text_conversions_format_their_results();
    void temperatures_convert_rounded_subcooling_not();
    void mass_converts_rounded();
    void k_values_return_exactly_from_the_table();
    void lengths_convert_to_two_decimals_and_back_rounded();
    void unchanged_choices_convert_nothing();
    void read_load_inputs_takes_custom_k_only_when_customized();
};

void UnitsTest::conversions_use_their_constants()
{
    QCOMPARE(WattsToBtuPerHour(1), 3.41214163);
    QCOMPARE(MillimetresToInches(500), 500 * 0.0393701);
    QCOMPARE(InchesToMillimetres(19.68), 19.68 * 25.4);
    QCOMPARE(KilogramsToPounds(1000), 2204.62);
    QCOMPARE(PoundsToKilograms(1), 0.453592);
    QCOMPARE(LitresToCubicFeet(1), 0.0353147);
    QCOMPARE(WPerMKToBtuPerHFtF(1), 0.5781759824);
    QCOMPARE(BtuPerHFtFToWPerMK(1), 1.7295772056);
    QCOMPARE(CelsiusToFahrenheit(32), 32 * 1.8 + 32);
    QCOMPARE(FahrenheitToCelsius(90), (90 - 32) / 1.8);
    QCOMPARE(KelvinDiffToFahrenheitDiff(1), 1.8);
    QCOMPARE(FahrenheitDiffToKelvinDiff(9), 5.0);
    // The pairs are not exact inverses, and nothing corrects them.
    QVERIFY(InchesToMillimetres(MillimetresToInches(1)) != 1.0);

    QCOMPARE(BtuPerHourToKilowatts(1), 0.0002930667);
    QCOMPARE(BtuPerHourToWatts(1), 0.29307107);
    QCOMPARE(KilowattsToBtuPerHour(1), 3412.19);
    QCOMPARE(KilowattsToTons(3.5168001), 1.0);
    QCOMPARE(TonsToKilowatts(1), 3.5168001);
    QCOMPARE(BtuPerHourToTons(12000), 1.0);
    QCOMPARE(TonsToBtuPerHour(1), 12000.0);
    QCOMPARE(KelvinToCelsius(273.15), 0.0);
    QCOMPARE(CelsiusToKelvin(0), 273.15);
    QCOMPARE(FahrenheitToKelvin(32), 273.15);
    QCOMPARE(KelvinToFahrenheit(273.15), 32.0);
    QCOMPARE(BarToPsi(1), 14.5034824);
    QCOMPARE(PsiToBar(14.5034824), 1.0);
    QCOMPARE(LitresToUsGallons(1), 0.264172);
    QCOMPARE(UsGallonsToLitres(1), 3.78541);
    QCOMPARE(MetresToInchesIfImperial(1, true), 39.37);
    QCOMPARE(MetresToInchesIfImperial(1, false), 1.0);
}

void UnitsTest::integer_conversions_truncate_toward_zero()
{
    QCOMPARE(CelsiusToFahrenheitInt(-20), -4);
    QCOMPARE(CelsiusToFahrenheitInt(150), 302);
    QCOMPARE(CelsiusToFahrenheitInt(-80), -112);
    QCOMPARE(CelsiusToFahrenheitInt(-21), -5); // -5.8 truncates toward zero
    QCOMPARE(KilogramsToPoundsInt(1000), 2204);
    QCOMPARE(MillimetresToInchesInt(10000), 393);
    QCOMPARE(MillimetresToInchesInt(50), 1);
    QCOMPARE(MillimetresToInchesInt(5), 0);
    QCOMPARE(KelvinDiffToFahrenheitDiffInt(100), 180);
}

void UnitsTest::rounding_goes_half_away_from_zero_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qlonglong>("rounded");
    QTest::newRow("2.5") << 2.5 << 3LL;
    QTest::newRow("-2.5") << -2.5 << -3LL;
    QTest::newRow("2.49") << 2.49 << 2LL;
    QTest::newRow("0") << 0.0 << 0LL;
    QTest::newRow("-0.4") << -0.4 << 0LL;
    QTest::newRow("499.872") << 499.872 << 500LL;
    QTest::newRow("2204.62") << 2204.62 << 2205LL;
}

void UnitsTest::rounding_goes_half_away_from_zero()
{
    QFETCH(double, value);
    QFETCH(qlonglong, rounded);
    QCOMPARE(RoundHalfAwayFromZero(value), rounded);
}

void UnitsTest::unit_labels_follow_the_choices_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("metric");
    QTest::addColumn<QString>("imperial");
    QTest::newRow("length") << 0 << "mm"
                            << "in.";
    QTest::newRow("temperature") << 1 << "ºC"
                                 << "ºF";
    QTest::newRow("volume") << 4 << "L"
                            << "ft3";
    QTest::newRow("mass") << 5 << "kg"
                          << "lbs";
    QTest::newRow("hours") << 6 << "hours"
                           << "hours";
    QTest::newRow("energy") << 7 << "W"
                            << "Btu/hr";
    QTest::newRow("percent") << 9 << "%"
                             << "%";
    QTest::newRow("watts") << 10 << "W"
                           << "W";
    QTest::newRow("k value") << 11 << "W/m·K"
                             << "BTU/h·ft·°F";
    QTest::newRow("temperature difference") << 12 << "ºK"
                                            << "ºF";
    QTest::newRow("none") << 3 << " "
                          << " ";
    QTest::newRow("plain") << 13 << " "
                           << " ";
}

void UnitsTest::unit_labels_follow_the_choices()
{
    QFETCH(int, kind);
    QFETCH(QString, metric);
    QFETCH(QString, imperial);
    QCOMPARE(QString::fromStdString(UnitLabel(UnitSystem{}, kind)), metric);
    QCOMPARE(QString::fromStdString(UnitLabel(UnitSystem{1, 1, 1, 1, 1, 1}, kind)), imperial);
    // Each label follows its own choice only.
    UnitSystem onlyEnergy;
    onlyEnergy.energy = 1;
    if (kind != 7)
        QCOMPARE(QString::fromStdString(UnitLabel(onlyEnergy, kind)), metric);
}

void UnitsTest::text_conversions_format_their_results()
{
    QCOMPARE(BtuPerHourTextToKilowattsText("12000"), std::string("3.52"));
    QCOMPARE(KilowattsTextToBtuPerHourText("1"), std::string("3412"));
    QCOMPARE(FahrenheitDiffTextToKelvinDiffText("9"), std::string("5.0"));
    QCOMPARE(KelvinDiffTextToFahrenheitDiffText("5"), std::string("9.0"));
    QCOMPARE(FahrenheitTextToKelvinText("32"), std::string("273.1"));
    QCOMPARE(KelvinTextToFahrenheitText("273.15"), std::string("32.0"));
    QCOMPARE(PsiGaugeTextToBarText("0"), std::string("1.01"));
    QCOMPARE(BarTextToPsiGaugeText("1.0133"), std::string("0.0"));
}

void UnitsTest::temperatures_convert_rounded_subcooling_not()
{
    const Tables t = BuiltTables();
    FakeForm f = DefaultForm();
    UnitSystem fahrenheit;
    fahrenheit.temperature = 1;
    ConvertInputsForNewUnits(f, t, UnitSystem{}, fahrenheit);
    QCOMPARE(f.values[InputField::iAmbient], 90.0);  // 89.6
    QCOMPARE(f.values[InputField::iEvapTemp], 37.0); // 37.4
    QCOMPARE(f.values[InputField::iEvaporating], 19.0);
    QCOMPARE(f.values[InputField::iCondensing], 108.0);
    QCOMPARE(f.values[InputField::iStart], 77.0);
    QCOMPARE(f.values[InputField::iEnd], 41.0);
    QCOMPARE(f.values[InputField::iSubcool], 1.8);

    ConvertInputsForNewUnits(f, t, fahrenheit, UnitSystem{});
    QCOMPARE(f.values[InputField::iAmbient], 32.0); // 32.2
    QCOMPARE(f.values[InputField::iEvapTemp], 3.0);
    QCOMPARE(f.values[InputField::iSubcool], 1.0);
}

void UnitsTest::mass_converts_rounded()
{
    const Tables t = BuiltTables();
    FakeForm f = DefaultForm();
    UnitSystem pounds;
    pounds.mass = 1;
    ConvertInputsForNewUnits(f, t, UnitSystem{}, pounds);
    QCOMPARE(f.values[InputField::iCoolMass], 2205.0);
    ConvertInputsForNewUnits(f, t, pounds, UnitSystem{});
    QCOMPARE(f.values[InputField::iCoolMass], 1000.0);
}

void UnitsTest::k_values_return_exactly_from_the_table()
{
    Tables t = BuiltTables();
    FakeForm f = DefaultForm();
    f.selections[Selector::iType2] = 0; // the door's custom value converts
    f.values[InputField::iDoorInsulTherm] = 0.04;
    UnitSystem imperial;
    imperial.kValue = 1;
    ConvertInputsForNewUnits(f, t, UnitSystem{}, imperial);
    QCOMPARE(f.values[InputField::iInsulTherm], 0.027 * 0.5781759824);
    QCOMPARE(f.values[InputField::iDoorInsulTherm], 0.04 * 0.5781759824);

    f.values[InputField::iInsulTherm] = 0.0156; // as the 4-decimal field shows it
    ConvertInputsForNewUnits(f, t, imperial, UnitSystem{});
    QCOMPARE(f.values[InputField::iInsulTherm], 0.027);
    QCOMPARE(f.values[InputField::iDoorInsulTherm], 0.04 * 0.5781759824 * 1.7295772056);
}

void UnitsTest::lengths_convert_to_two_decimals_and_back_rounded()
{
    const Tables t = BuiltTables();
    FakeForm f = DefaultForm();
    UnitSystem inches;
    inches.length = 1;
    ConvertInputsForNewUnits(f, t, UnitSystem{}, inches);
    QCOMPARE(f.values[InputField::iWidth], 500 * 0.0393701);
    QCOMPARE(f.decimals.size(), size_t(7));
    for (const auto& [field, places] : f.decimals)
        QCOMPARE(places, 2);

    f.values[InputField::iWidth] = 19.68; // what the field shows
    ConvertInputsForNewUnits(f, t, inches, UnitSystem{});
    QCOMPARE(f.values[InputField::iWidth], 500.0); // 499.872
}

void UnitsTest::unchanged_choices_convert_nothing()
{
    const Tables t = BuiltTables();
    FakeForm f = DefaultForm();
    const auto before = f.values;
    UnitSystem display; // energy and volume only change how results are shown
    display.energy = 1;
    display.volume = 1;
    ConvertInputsForNewUnits(f, t, UnitSystem{}, display);
    QCOMPARE(f.values, before);
    ConvertInputsForNewUnits(f, t, UnitSystem{1, 1, 1, 1, 1, 1}, UnitSystem{1, 1, 1, 1, 1, 1});
    QCOMPARE(f.values, before);
    QVERIFY(f.decimals.empty());
}

void UnitsTest::read_load_inputs_takes_custom_k_only_when_customized()
{
    Tables t = BuiltTables();
    t.insulationMaterials.SetCustomK(0.05);
    FakeForm f = DefaultForm();
    f.values[InputField::iRunTime] = 80.9;
    LoadInputs in = ReadLoadInputs(f, t, UnitSystem{});
    QCOMPARE(in.iInsulTherm, 0.05); // row 1 selected: the field shows the table's k
    QCOMPARE(in.iRunTime, 80);
    QCOMPARE(in.iWidth, 500.0);

    f.selections[Selector::iType] = 0;
    f.values[InputField::iInsulTherm] = 0.02;
    UnitSystem imperial;
    imperial.kValue = 1;
    in = ReadLoadInputs(f, t, imperial);
    QCOMPARE(in.iInsulTherm, 0.02 * 1.7295772056);

    ShowSelectedK(f, t, imperial, Selector::iType2);
    QCOMPARE(f.values[InputField::iDoorInsulTherm], 0.027 * 0.5781759824);
}

QTEST_APPLESS_MAIN(UnitsTest)
#include "tst_units.moc"
