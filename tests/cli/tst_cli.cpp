// dorarive-calc end to end: the real executable, its output and its exit status.

#include "TestEnvironment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct CalcOutput {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

class CliTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { TestEnvironment::Isolate(); }

private:
    CalcOutput Run(const QStringList& arguments, const QString& configHome = QString())
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"),
                   configHome.isEmpty() ? TestEnvironment::ConfigHome() : configHome);
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(DORARIVE_CALC_PATH), arguments);
        if (!p.waitForFinished(20000))
            return {};
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    }

    CalcOutput Json(QStringList arguments)
    {
        arguments.prepend(QStringLiteral("--json"));
        return Run(arguments);
    }

    static QStringList Rows(const QJsonObject& o)
    {
        QStringList rows;
        for (const QJsonValue& row : o.value("rows").toArray())
            rows << row.toArray().at(0).toString() + " | " + row.toArray().at(1).toString();
        return rows;
    }

    static QString Field(const QJsonObject& o, const char* name)
    {
        return o.value("fields").toObject().value(name).toString();
    }
    static double Result(const QJsonObject& o, const char* name)
    {
        return o.value("results").toObject().value(name).toDouble();
    }
    static QString Sheet(const QJsonObject& o, const char* name)
    {
        return o.value("sheet").toObject().value(name).toString();
    }

private slots:
    void defaults_answer_by_the_contract()
    {
        const CalcOutput r = Json({});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.err.isEmpty());
        const QJsonObject o = r.json();
        QCOMPARE(o.keys(), (QStringList{"fields", "results", "rows", "sheet", "warning"}));
        QCOMPARE(Rows(o), (QStringList{"Requested compressor capacity | 54 W", "T Evaporator | -7.0 ºC",
                                       "T Condenser | 42.0 ºC", "Subcooling | 1.0 ºK"}));
        QCOMPARE(o.value("warning").toString(), QString());
        QCOMPARE(Sheet(o, "netVolume"), QStringLiteral("200"));
        QCOMPARE(Sheet(o, "cabinetLoad"), QStringLiteral("41"));
        QCOMPARE(Sheet(o, "doorLoad"), QStringLiteral("0"));
        QCOMPARE(Sheet(o, "additionalLoad"), QStringLiteral("0"));
        QCOMPARE(Sheet(o, "coolDownLoad"), QStringLiteral("0"));
        QCOMPARE(o.value("results").toObject().size(), 10);
        QVERIFY(qAbs(Result(o, "transmissionLoad") - 40.6377) < 1e-9);
        QVERIFY(qAbs(Result(o, "requestedCapacity") - 54.1836) < 1e-9);
        QCOMPARE(Result(o, "netVolume"), 200.0);
        QCOMPARE(o.value("fields").toObject().size(), 23);
        const QStringList expected[] = {{"iAmbient", "32"},
                                        {"iEvapTemp", "3"},
                                        {"iEvaporating", "-7"},
                                        {"iCondensing", "42"},
                                        {"iSubcool", "1"},
                                        {"iDepth", "400"},
                                        {"iWidth", "500"},
                                        {"iHeight", "1000"},
                                        {"iInsulation", "50"},
                                        {"iInsulTherm", "0.027"},
                                        {"iDoorInsulTherm", "0.027"},
                                        {"iTime", "6"},
                                        {"iRunTime", "75"},
                                        {"iStart", "25"},
                                        {"iEnd", "5"},
                                        {"iCoolMass", "0"},
                                        {"iDoorInsul", "50"}};
        for (const QStringList& f : expected)
            QCOMPARE(Field(o, qPrintable(f[0])), f[1]);
    }

    void results_round_trip_as_doubles()
    {
        const QJsonObject o = Json({"iWidth=533.33", "iRunTime=77"}).json();
        const double capacity = Result(o, "requestedCapacity");
        QCOMPARE(Result(o, "transmissionLoad") * 100 / 77, capacity);
    }

    void unit_choices_convert_the_start_values_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("fields"); // name=text pairs
        QTest::addColumn<QStringList>("rows");   // expected rows, empty: not checked

        QTest::newRow("inches") << QStringList{"UnitsLength=1"}
                                << QStringList{"iDepth=15.74",     "iWidth=19.68",     "iHeight=39.37",
                                               "iInsulation=1.96", "iDoorWidth=19.68", "iDoorHeight=39.37",
                                               "iDoorInsul=1.96"}
                                << QStringList{};
        QTest::newRow("Btu/hr changes no field")
            << QStringList{"UnitsEnergy=1"} << QStringList{"iDepth=400"}
            << QStringList{"Requested compressor capacity | 185 Btu/hr", "T Evaporator | -7.0 ºC",
                           "T Condenser | 42.0 ºC", "Subcooling | 1.0 ºK"};
        QTest::newRow("Fahrenheit") << QStringList{"UnitsTemperature=1"}
                                    << QStringList{"iAmbient=90",  "iEvapTemp=37", "iEvaporating=19", "iCondensing=108",
                                                   "iSubcool=1.8", "iStart=77",    "iEnd=41"}
                                    << QStringList{"Requested compressor capacity | 55 W", "T Evaporator | 19.0 ºF",
                                                   "T Condenser | 108.0 ºF", "Subcooling | 1.8 ºF"};
        QTest::newRow("k in BTU") << QStringList{"UnitsPressure=1"}
                                  << QStringList{"iInsulTherm=0.0156", "iDoorInsulTherm=0.0156"} << QStringList{};
        QTest::newRow("pounds") << QStringList{"UnitsMass=1", "iCoolMass=1000"} << QStringList{"iCoolMass=1000"}
                                << QStringList{};
        QTest::newRow("unit choice before numbers, whatever the order")
            << QStringList{"iDepth=20", "UnitsLength=1"} << QStringList{"iDepth=20", "iWidth=19.68"} << QStringList{};
        QTest::newRow("choosing metric again converts nothing")
            << QStringList{"UnitsLength=0"} << QStringList{"iDepth=400"} << QStringList{};
    }

    void unit_choices_convert_the_start_values()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, rows);
        const CalcOutput r = Json(arguments);
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = r.json();
        for (const QString& f : fields)
            QCOMPARE(Field(o, qPrintable(f.section('=', 0, 0))), f.section('=', 1));
        if (!rows.isEmpty())
            QCOMPARE(Rows(o), rows);
    }

    void numbers_are_cut_like_pasted_text_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("decimals cut, not rounded") << "iDepth=455.5599"
                                                   << "iDepth"
                                                   << "455.55";
        QTest::newRow("whole digits cut") << "iWidth=12345678901"
                                          << "iWidth"
                                          << "123456789";
        QTest::newRow("negative") << "iAmbient=-12.5"
                                  << "iAmbient"
                                  << "-12.5";
        QTest::newRow("last repeated name wins") << "iHeight=900"
                                                 << "iHeight"
                                                 << "900";
    }

    void numbers_are_cut_like_pasted_text()
    {
        QFETCH(QString, argument);
        QFETCH(QString, field);
        QFETCH(QString, text);
        const QJsonObject o = Json({"iHeight=700", argument}).json();
        QCOMPARE(Field(o, qPrintable(field)), text);
    }

    void runtime_counts_its_whole_part()
    {
        const QJsonObject o = Json({"iRunTime=80.9"}).json();
        QCOMPARE(Field(o, "iRunTime"), QStringLiteral("80.9"));
        QVERIFY(qAbs(Result(o, "requestedCapacity") - 40.6377 * 100 / 80) < 1e-9);
    }

    void selections_show_their_k_and_glass_thickness()
    {
        QJsonObject o = Json({"iType=3"}).json();
        QCOMPARE(Field(o, "iInsulTherm"), QStringLiteral("0.034"));

        o = Json({"iType=0", "iInsulTherm=0.054"}).json();
        QCOMPARE(Field(o, "iInsulTherm"), QStringLiteral("0.054"));
        QVERIFY(qAbs(Result(o, "transmissionLoad") - 2 * 40.6377) < 1e-9);

        // Beyond the table: the last row, as a stored index would be.
        o = Json({"iType=99"}).json();
        QCOMPARE(Field(o, "iInsulTherm"), QStringLiteral("0.036"));

        o = Json({"iDoorCheck=1", "iType2=3"}).json();
        QCOMPARE(Field(o, "iDoorInsul"), QStringLiteral("24"));
        QCOMPARE(Sheet(o, "doorLoad"), QStringLiteral("17"));

        o = Json({"UnitsLength=1", "iDoorCheck=1", "iType2=2"}).json();
        QCOMPARE(Field(o, "iDoorInsul"), QStringLiteral("1.41"));
    }

    void k_of_a_table_material_is_not_typed()
    {
        const CalcOutput r = Json({"iType=2", "iInsulTherm=0.5"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(Field(r.json(), "iInsulTherm"), QStringLiteral("0.021"));
        QVERIFY(r.err.contains("iInsulTherm"));
    }

    void warning_keeps_exit_status_zero()
    {
        const CalcOutput r = Json({"iCondCheck=1", "iEvaporating=5"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.json().value("warning").toString(),
                 QStringLiteral("Warning: Evaporating temp greater than box temp."));
        QCOMPARE(Rows(r.json()).size(), 4);
    }

    // A check that stops the calculation after the subcooling was read used to leave it in
    // kelvin, which the report and the results then gave as degrees F.
    void stopped_calculation_gives_the_subcooling_in_the_chosen_unit()
    {
        const CalcOutput r = Json({"UnitsTemperature=1", "iSubcool=9", "iAmbient=300"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(Result(r.json(), "subcooling"), 9.0);
        QVERIFY(Run({"UnitsTemperature=1", "iSubcool=9", "iAmbient=300"})
                    .out.contains("   Subcooling                       9 \xC2\xBA"
                                  "F\n"));
    }

    void validation_error_stops_with_status_one_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("row");
        QTest::newRow("depth") << QStringList{"iDepth=49.9"} << "Error: Invalid cabinet depth. | 50mm to 10000mm";
        QTest::newRow("depth in inches") << QStringList{"UnitsLength=1", "iDepth=1.96"}
                                         << "Error: Invalid cabinet depth. | 1in. to 393in.";
        QTest::newRow("no range") << QStringList{"iEvapTemp=32"} << "Ambient must be greater than box. | ";
        QTest::newRow("runtime") << QStringList{"iRunTime=9.9"} << "Invalid max runtime value. | 10 to 100";
        QTest::newRow("custom k of 0") << QStringList{"iType=0"} << "Invalid insulation k value. | ";
        QTest::newRow("negative door k") << QStringList{"iDoorCheck=1", "iType2=0", "iDoorInsulTherm=-0.027"}
                                         << "Error: Invalid door k value. | ";
    }

    void validation_error_stops_with_status_one()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, row);
        const CalcOutput r = Json(arguments);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(Rows(r.json()), QStringList{row});
    }

    void usage_errors_name_the_argument_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::newRow("unknown name") << "iFoo=1";
        QTest::newRow("missing =") << "iDepth";
        QTest::newRow("empty value") << "iDepth=";
        QTest::newRow("letters") << "iDepth=abc";
        QTest::newRow("exponent") << "iDepth=1e3";
        QTest::newRow("leading point") << "iDepth=.5";
        QTest::newRow("trailing point") << "iDepth=5.";
        QTest::newRow("comma") << "iDepth=5,5";
        QTest::newRow("unit choice 2") << "UnitsLength=2";
        QTest::newRow("padded unit name") << "UnitsMass =1";
        QTest::newRow("option yes") << "iDoorCheck=yes";
        QTest::newRow("fractional row") << "iType=1.5";
        QTest::newRow("unknown option") << "--nope";
    }

    void usage_errors_name_the_argument()
    {
        QFETCH(QString, argument);
        for (const bool json : {false, true}) {
            QStringList arguments{"iDepth=300", argument};
            if (json)
                arguments.prepend("--json");
            const CalcOutput r = Run(arguments);
            QCOMPARE(r.exitCode, 2);
            QVERIFY(r.out.isEmpty());
            QCOMPARE(r.err.count('\n'), 1);
            const QString name = argument.startsWith("--") ? argument.mid(2) : argument;
            QVERIFY2(QString::fromUtf8(r.err).contains(name), r.err.constData());
        }
    }

    void text_report_follows_the_printout()
    {
        const CalcOutput r = Run({});
        QCOMPARE(r.exitCode, 0);
        const QStringList lines = QString::fromUtf8(r.out).split('\n');
        QCOMPARE(lines.first(), QStringLiteral("Nordavik Kaldora v1.0 "));
        const int volume = lines.indexOf(QRegularExpression("^   Net volume +200 L$"));
        QVERIFY(volume > 0);
        QVERIFY(lines.indexOf(QRegularExpression("^   Insulation type +Polyurethane foam$")) > volume);
        QVERIFY(!r.out.contains("Door Design:"));
        QVERIFY(!r.out.contains("   Door load"));
        const int heading = lines.indexOf("Compressor Selection Conditions:");
        QVERIFY(lines.indexOf(QRegularExpression("^   T Evaporator +-7 ºC$")) > heading);
        QVERIFY(lines.indexOf(QRegularExpression("^T Evaporator +-7.0 ºC$")) > heading);

        const CalcOutput all = Run({"iDoorCheck=1", "iHeatCheck=1", "iCoolCheck=1", "iCondCheck=1", "iEvaporating=5"});
        for (const char* text : {"Door Design:", "Additional Heat Load:", "Cool Down Load:", "   Subcooling",
                                 "   Door load", "Warning: Evaporating temp greater than box temp."})
            QVERIFY2(all.out.contains(text), text);

        const CalcOutput error = Run({"iDepth=20"});
        QCOMPARE(error.exitCode, 1);
        QVERIFY(QString::fromUtf8(error.out).contains(
            QRegularExpression("\nError: Invalid cabinet depth. +50mm to 10000mm\n")));
    }

    void stored_inputs_are_read_never_written()
    {
        QTemporaryDir home;
        const QString file = home.path() + "/Nordavik Frimo 042/dorarive.conf";
        {
            QSettings s(file, QSettings::IniFormat);
            s.setValue("Settings1/UnitsEnergy     ", 1);
            s.setValue("Settings1/UnitsEnergy", 0); // not the stored name: ignored
            s.setValue("Settings1/iDepth", 45555);
            s.setValue("Settings1/iType", 9); // beyond the table: Rockwool
            s.setValue("Settings1/iDoorCheck", 1);
            s.setValue("Settings1/iAmbient", 30);
        }
        const QByteArray before = [&] {
            QFile f(file);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", home.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(DORARIVE_CALC_PATH), {"--stored", "--json", "iWidth=600"});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 0);
        const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
        QCOMPARE(Field(o, "iDepth"), QStringLiteral("455.55"));
        QCOMPARE(Field(o, "iWidth"), QStringLiteral("600"));
        QVERIFY(Rows(o).value(0).endsWith(" Btu/hr"));
        QCOMPARE(Field(o, "iAmbient"), QStringLiteral("30"));
        QCOMPARE(Field(o, "iInsulTherm"), QStringLiteral("0.036"));
        QVERIFY(Sheet(o, "doorLoad") != QStringLiteral("0"));

        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);

        // Without --stored the same store is ignored.
        const CalcOutput fresh = Run({"--json"}, home.path());
        QCOMPARE(Field(fresh.json(), "iDepth"), QStringLiteral("400"));
    }
};

} // namespace

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
