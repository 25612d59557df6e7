#include "CalcHarness.h"
#include "model/Checks.h"

#include <QtTest>

namespace {

// The default cabinet typed in imperial units.
LoadInputs ImperialDefaults()
{
    LoadInputs in;
    for (double* v :
         {&in.iDepth, &in.iWidth, &in.iHeight, &in.iInsulation, &in.iDoorWidth, &in.iDoorHeight, &in.iDoorInsul})
        *v *= 0.0393701;
    in.iAmbient = 89.6;
    in.iEvapTemp = 37.4;
    in.iEvaporating = 19.4;
    in.iCondensing = 107.6;
    in.iSubcool = 1.8;
    in.iStart = 77;
    in.iEnd = 41;
    return in;
}

// Inputs that fail one check (and no earlier one); `imp` selects the imperial variant.
LoadInputs Failing(int check, bool imp)
{
    LoadInputs in = imp ? ImperialDefaults() : LoadInputs{};
    switch (check) {
    case 1:
        in.iDepth = imp ? 1.96 : 49.9;
        break;
    case 2:
        in.iWidth = imp ? 400 : 10001;
        break;
    case 3:
        in.iHeight = imp ? -1 : 0;
        break;
    case 4:
        in.iDoorCheck = true;
        in.iDoorWidth = imp ? 1 : 20;
        break;
    case 5:
        in.iDoorCheck = true;
        in.iDoorHeight = imp ? 500 : 20000;
        break;
    case 6:
        in.iCoolCheck = true;
        in.iCoolMass = 5;
        in.iStart = in.iEnd;
        break;
    case 7:
        in.iCoolCheck = true;
        in.iCoolMass = 5;
        in.iEnd = imp ? 35 : 2;
        break;
    case 8:
        in.iCoolCheck = true;
        in.iStart = imp ? 310 : 151;
        break;
    case 9:
        in.iCoolCheck = true;
        in.iCoolMass = imp ? 2210 : 1001;
        break;
    case 10:
        in.iCoolCheck = true;
        in.iTime = 0.1;
        break;
    case 11:
        in.iEvapTemp = in.iAmbient;
        break;
    case 12:
        in.iAmbient = imp ? 213 : 101;
        break;
    case 13:
        in.iEvapTemp = imp ? -113 : -81;
        break;
    case 14:
        in.iCondCheck = true;
        in.iEvaporating = imp ? -150 : -101;
        break;
    case 15:
        in.iCondCheck = true;
        in.iCondensing = imp ? 321 : 161;
        break;
    case 16:
        in.iCondCheck = true;
        in.iSubcool = imp ? 190 : 101;
        break;
    case 18:
        in.iInsulation = imp ? 0.1 : 4.9;
        break;
    case 19:
        in.iDoorCheck = true;
        in.iDoorInsul = imp ? 20 : 0.5;
        break;
    case 20:
        in.iHeatCheck = true;
        in.iOpenings = 1001;
        break;
    case 21:
        in.iHeatCheck = true;
        in.iFanLoad = 5001;
        break;
    case 22:
        in.iHeatCheck = true;
        in.iLightLoad = -1;
        break;
    case 23:
        in.iHeatCheck = true;
        in.iAntisweatLoad = 1000.5;
        break;
    case 24:
        in.iRunTime = imp ? 101 : 9;
        break;
    case 25:
        in.iType = 0; // "Customized": the k typed in, always in W/(m·K)
        in.iInsulTherm = imp ? -0.027 : 0;
        break;
    case 26:
        in.iDoorCheck = true;
        in.iType2 = 0;
        in.iDoorInsulTherm = imp ? 0 : -0.0264;
        break;
    default:
        break;
    }
    return in;
}

} // namespace

class ChecksTest : public QObject {
    Q_OBJECT
private slots:
    void each_check_reports_its_row_data();
    void each_check_reports_its_row();
    void limits_pass_on_their_boundary_data();
    void limits_pass_on_their_boundary();
    void first_failing_check_wins_data();
    void first_failing_check_wins();
    void row_text_prefix_depends_on_message_length();
};

void ChecksTest::each_check_reports_its_row_data()
{
    QTest::addColumn<int>("check");
    QTest::addColumn<bool>("imperial");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("range");

    const struct {
        int check;
        const char* text;
        const char* metric;
        const char* imperial;
    } rows[] = {
        {1, "Error: Invalid cabinet depth.", "50mm to 10000mm", "1in. to 393in."},
        {2, "Error: Invalid cabinet width.", "50mm to 10000mm", "1in. to 393in."},
        {3, "Error: Invalid cabinet height.", "50mm to 10000mm", "1in. to 393in."},
        {4, "Error: Invalid door width.", "50mm to 10000mm", "1in. to 393in."},
        {5, "Error: Invalid door height.", "50mm to 10000mm", "1in. to 393in."},
        {6, "Start temp less than end temp.", "", ""},
        {7, "End temp less than box temp.", "", ""},
        {8, "Error: Start temp invalid", "-20ºC to 150ºC", "-4ºF to 302ºF"},
        {9, "Error: Invalid cool down mass.", "0kg to 1000kg", "0lbs to 2204lbs"},
        {10, "Error: Invalid cool down time.", "0.2 to 48.0 hours", "0.2 to 48.0 hours"},
        {11, "Ambient must be greater than box.", "", ""},
        {12, "Ambient temperature invalid.", "-50ºC to 100ºC", "-58ºF to 212ºF"},
        {13, "Error: Box temperature invalid.", "-80ºC to 80ºC", "-112ºF to 176ºF"},
        {14, "Error: Evaporating temp invalid", "-100ºC to 150ºC", "-148ºF to 302ºF"},
        {15, "Error: Condensing temp invalid.", "-50ºC to 160ºC", "-58ºF to 320ºF"},
        {16, "Invalid subcooling amount.", "0ºK to 100ºK", "0ºF to 180ºF"},
        {18, "Invalid insulation thickness.", "5mm to 500mm", "0in. to 19in."},
        {19, "Invalid door insulation thickness.", "1mm to 500mm", "0in. to 19in."},
        {20, "Invalid door/lid openings load.", "0W to 1000W", "0W to 1000W"},
        {21, "Error: Invalid fan load.", "0W to 5000W", "0W to 5000W"},
        {22, "Error: Invalid light load.", "0W to 1000W", "0W to 1000W"},
        {23, "Error: Invalid antisweat load.", "0W to 1000W", "0W to 1000W"},
        {24, "Invalid max runtime value.", "10 to 100", "10 to 100"},
        {25, "Invalid insulation k value.", "", ""},
        {26, "Error: Invalid door k value.", "", ""},
    };
    for (const auto& r : rows) {
        QTest::addRow("%d metric", r.check)
            << r.check << false << QString::fromUtf8(r.text) << QString::fromUtf8(r.metric);
        QTest::addRow("%d imperial", r.check)
            << r.check << true << QString::fromUtf8(r.text) << QString::fromUtf8(r.imperial);
    }
}

void ChecksTest::each_check_reports_its_row()
{
    QFETCH(int, check);
    QFETCH(bool, imperial);
    QFETCH(QString, text);
    QFETCH(QString, range);

    CalcHarness h;
    // Make sure it is this input that fails, not the defaults.
    QCOMPARE(h.Run(imperial ? ImperialDefaults() : LoadInputs{}, imperial ? AllImperial() : UnitSystem{}),
             RecalcOutcome::Completed);
    QCOMPARE(h.Run(Failing(check, imperial), imperial ? AllImperial() : UnitSystem{}), RecalcOutcome::Stopped);
    QCOMPARE(h.rows.size(), size_t(1));
    QCOMPARE(QString::fromStdString(h.rows[0].name), text);
    QCOMPARE(QString::fromStdString(h.rows[0].value), range);
    QCOMPARE(h.last.Beeps(), 1);
    QVERIFY(h.warning.empty());
}

void ChecksTest::limits_pass_on_their_boundary_data()
{
    QTest::addColumn<LoadInputs>("inputs");
    QTest::addColumn<bool>("passes");

    LoadInputs in;
    in.iDepth = 50;
    QTest::newRow("depth 50 passes") << in << true;
    in.iDepth = 10000;
    QTest::newRow("depth 10000 passes") << in << true;
    in = {};
    in.iInsulation = 5;
    QTest::newRow("insulation 5 passes") << in << true;
    in = {};
    in.iCoolCheck = true;
    in.iTime = 0.2;
    QTest::newRow("time 0.2 h passes") << in << true;
    in.iTime = 48;
    QTest::newRow("time 48 h passes") << in << true;
    in.iTime = 48.01;
    QTest::newRow("time 48.01 h fails") << in << false;
    in = {};
    in.iCoolCheck = true;
    in.iStart = 5;
    in.iEnd = 25; // start below end, but only checked for a mass
    QTest::newRow("zero mass skips start against end") << in << true;
    in.iCoolMass = 1;
    QTest::newRow("a mass checks start against end") << in << false;
    in = {};
    in.iCoolCheck = true;
    in.iCoolMass = 1;
    in.iEnd = 3; // equal to the box temperature
    QTest::newRow("end equal to box passes") << in << true;
    in = {};
    in.iRunTime = 10;
    QTest::newRow("runtime 10 passes") << in << true;
    in.iRunTime = 100;
    QTest::newRow("runtime 100 passes") << in << true;
    in = {};
    in.iAmbient = -50;
    in.iEvapTemp = -80;
    QTest::newRow("lowest ambient and box pass") << in << true;
    in = {};
    in.iHeatCheck = true;
    in.iFanLoad = 5000;
    in.iOpenings = in.iLightLoad = in.iAntisweatLoad = 1000;
    QTest::newRow("largest loads pass") << in << true;
    in = {};
    in.iDoorCheck = true;
    in.iDoorInsul = 1;
    QTest::newRow("door insulation 1 mm passes") << in << true;
    in = {};
    in.iType = 0;
    in.iInsulTherm = 0.0001;
    QTest::newRow("smallest custom k passes") << in << true;
    in = {};
    in.iType2 = 0;
    in.iDoorInsulTherm = -1;
    QTest::newRow("door k not checked without the door option") << in << true;
    in.iDoorCheck = true;
    in.iType2 = 4;
    QTest::newRow("door k of a table row passes") << in << true;
}

void ChecksTest::limits_pass_on_their_boundary()
{
    QFETCH(LoadInputs, inputs);
    QFETCH(bool, passes);
    CalcHarness h;
    QCOMPARE(h.Run(inputs) == RecalcOutcome::Completed, passes);
}

void ChecksTest::first_failing_check_wins_data()
{
    QTest::addColumn<LoadInputs>("inputs");
    QTest::addColumn<QString>("text");

    LoadInputs in;
    in.iDepth = 1;
    in.iWidth = 1;
    in.iRunTime = 1;
    QTest::newRow("depth before width") << in << "Error: Invalid cabinet depth.";
    in = {};
    in.iAmbient = 150;
    in.iEvapTemp = 150;
    QTest::newRow("ambient against box before ambient range") << in << "Ambient must be greater than box.";
    in = {};
    in.iCoolCheck = true;
    in.iCoolMass = 2000;
    in.iStart = 1;
    QTest::newRow("start against end before the mass") << in << "Start temp less than end temp.";
    in = {};
    in.iDoorCheck = true;
    in.iDoorWidth = 1;
    in.iInsulation = 1;
    QTest::newRow("door size before wall insulation") << in << "Error: Invalid door width.";
    in = {};
    in.iHeatCheck = true;
    in.iLightLoad = -5;
    in.iFanLoad = -5;
    QTest::newRow("fan before light") << in << "Error: Invalid fan load.";
    in = {};
    in.iInsulation = 1;
    in.iAmbient = 500;
    QTest::newRow("temperatures before insulation") << in << "Ambient temperature invalid.";
    in = {};
    in.iType = 0;
    in.iHeatCheck = true;
    in.iFanLoad = -1;
    QTest::newRow("additional loads before the k value") << in << "Error: Invalid fan load.";
    in = {};
    in.iType = 0;
    in.iDoorCheck = true;
    in.iType2 = 0;
    in.iRunTime = 9;
    QTest::newRow("wall k before door k before runtime") << in << "Invalid insulation k value.";
    in.iInsulTherm = 0.03;
    QTest::newRow("door k before runtime") << in << "Error: Invalid door k value.";
}

void ChecksTest::first_failing_check_wins()
{
    QFETCH(LoadInputs, inputs);
    QFETCH(QString, text);
    CalcHarness h;
    QCOMPARE(h.Run(inputs), RecalcOutcome::Stopped);
    QCOMPARE(QString::fromStdString(h.rows.at(0).name), text);
    QCOMPARE(h.last.Beeps(), 1);
}

void ChecksTest::row_text_prefix_depends_on_message_length()
{
    // 24 characters still get the prefix, 25 do not.
    QCOMPARE(QString::fromStdString(ProblemRowText(Check(CheckId::BoxTemperature))),
             QStringLiteral("Error: Box temperature invalid."));
    QCOMPARE(QString::fromStdString(ProblemRowText(Check(CheckId::Subcooling))),
             QStringLiteral("Invalid subcooling amount."));
    QCOMPARE(QString::fromStdString(WarningText(Check(CheckId::EvaporatingAboveBox), UnitSystem{})),
             QStringLiteral("Warning: Evaporating temp greater than box temp."));
}

QTEST_APPLESS_MAIN(ChecksTest)
#include "tst_checks.moc"
