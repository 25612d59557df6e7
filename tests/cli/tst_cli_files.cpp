// dorarive-calc with calculation files, several files and sweeps: the real executable, its
// output, the files it writes and its exit status.

#include "ScratchFiles.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct CalcOutput {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
    QList<QByteArray> lines() const
    {
        QList<QByteArray> all = out.split('\n');
        if (!all.isEmpty() && all.last().isEmpty())
            all.removeLast();
        return all;
    }
};

const QString kCLocale = QStringLiteral("C.UTF-8");
using ScratchFiles::kCommaLocale;

// The 49 columns of the table: file, 6 unit choices, 3 selections, 4 options, 23 numbers,
// 10 results, outcome, message.
constexpr int kCsvColumns = 49;

class CliFilesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString Path(const QString& name) const { return dir_.filePath(name); }

    // The locale in LC_ALL, or in another of the variables alone (LANG, as a desktop session sets it).
    CalcOutput Run(const QStringList& arguments, const QString& locale = kCLocale,
                   const char* variable = "LC_ALL") const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.path());
        env.insert(QStringLiteral("LOCPATH"), QStringLiteral(DORARIVE_LOCALE_DIR));
        for (const char* other : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
            env.remove(QString::fromLatin1(other));
        env.insert(QString::fromLatin1(variable), locale);
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir_.path());
        p.start(QStringLiteral(DORARIVE_CALC_PATH), arguments);
        if (!p.waitForFinished(60000))
            return {};
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    }

    QString Write(const QString& name, const QByteArray& text) const { return ScratchFiles::Write(Path(name), text); }

    // A file written by dorarive-calc itself from arguments.
    QString Saved(const QString& name, QStringList arguments) const
    {
        arguments << QStringLiteral("--save") << Path(name);
        const CalcOutput r = Run(arguments);
        return r.exitCode == 0 || r.exitCode == 1 ? Path(name) : QString();
    }

    static QString Field(const QJsonObject& o, const char* name)
    {
        return o.value("fields").toObject().value(name).toString();
    }

    static void ExpectUsageError(const CalcOutput& r, const char* mentions)
    {
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY2(r.err.contains(mentions), r.err.constData());
    }

private slots:
    void initTestCase()
    {
        const QString problem = ScratchFiles::CompileCommaLocale(QStringLiteral(DORARIVE_LOCALE_DIR));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        const CalcOutput comma = Run({"--json", "iDepth=455.5"}, kCommaLocale);
        QCOMPARE(Field(comma.json(), "iDepth"), QStringLiteral("455,5"));
    }

    void a_saved_file_opens_with_the_same_results_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("locale");
        const QStringList metric{"iType=0",      "iInsulTherm=0.0412", "iType2=5",      "iDoorCheck=1",
                                 "iCoolCheck=1", "iDepth=455.55",      "iAmbient=28.5", "iCoolMass=12.5",
                                 "iTime=2.5",    "iRunTime=80"};
        const QStringList imperial{"UnitsEnergy=1", "UnitsTemperature=1", "UnitsPressure=1", "UnitsVolume=1",
                                   "UnitsLength=1", "UnitsMass=1",        "iType=0",         "iInsulTherm=0.0241",
                                   "iDoorCheck=1",  "iType2=2",           "iHeatCheck=1",    "iDepth=17.93",
                                   "iAmbient=85.5", "iCoolMass=20",       "iOpenings=7.5"};
        QTest::newRow("metric") << metric << kCLocale;
        QTest::newRow("imperial") << imperial << kCLocale;
        QTest::newRow("metric, decimal comma") << metric << kCommaLocale;
        QTest::newRow("imperial, decimal comma") << imperial << kCommaLocale;
    }

    void a_saved_file_opens_with_the_same_results()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, locale);
        const QString file = Path(QStringLiteral("cabinet.kaldora"));
        const CalcOutput direct = Run(QStringList{"--json"} + arguments, locale);
        const CalcOutput saving = Run(QStringList{"--json", "--save", file} + arguments, locale);
        QCOMPARE(saving.exitCode, 0);
        QCOMPARE(saving.out, direct.out); // --save prints what it prints without it
        const QByteArray written = ScratchFiles::ReadAll(file);

        const CalcOutput opened = Run({"--json", "--open", file}, locale);
        QCOMPARE(opened.exitCode, 0);
        QCOMPARE(opened.out, direct.out);

        // The file is the same whatever the locale that wrote it.
        const CalcOutput other =
            Run(QStringList{"--save", file} + arguments, locale == kCLocale ? kCommaLocale : kCLocale);
        QCOMPARE(other.exitCode, 0);
        QCOMPARE(ScratchFiles::ReadAll(file), written);
        // Opened and saved again: the same file.
        QCOMPARE(Run({"--open", file, "--save", file}, locale).exitCode, 0);
        QCOMPARE(ScratchFiles::ReadAll(file), written);
    }

    void arguments_apply_on_top_of_a_file()
    {
        const QString file = Saved("base.kaldora", {"iDepth=500", "iType=3", "iCoolCheck=1"});
        const CalcOutput r = Run({"--json", "--open", file, "UnitsLength=1", "iWidth=30", "iInsulTherm=0.5"});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = r.json();
        QCOMPARE(Field(o, "iDepth"), QStringLiteral("19.68")); // the file's 500 mm, converted
        QCOMPARE(Field(o, "iWidth"), QStringLiteral("30"));
        QCOMPARE(Field(o, "iInsulTherm"), QStringLiteral("0.034")); // Polystyrol from the file
        QVERIFY(r.err.contains("iInsulTherm ignored"));
    }

    void usage_errors_print_nothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("--open with --stored") << QStringList{"--stored", "--open", "a.kaldora"} << "--stored";
        QTest::newRow("--json with --csv") << QStringList{"--json", "--csv"} << "--csv";
        QTest::newRow("--save with a sweep")
            << QStringList{"--save", "x.kaldora", "--sweep", "iDepth=100:200:50"} << "--save";
        QTest::newRow("--save with several files")
            << QStringList{"--save", "x.kaldora", "--open", "a.kaldora", "--open", "b.kaldora"} << "--save";
        QTest::newRow("--save without a name") << QStringList{"--save", ""} << "--save";
        QTest::newRow("three sweeps") << QStringList{"--sweep",      "iDepth=1:2:1", "--sweep",
                                                     "iWidth=1:2:1", "--sweep",      "iHeight=1:2:1"}
                                      << "--sweep";
        QTest::newRow("one input swept twice")
            << QStringList{"--sweep", "iDepth=1:2:1", "--sweep", "iDepth=3:4:1"} << "iDepth twice";
        QTest::newRow("a grid of 101000 rows")
            << QStringList{"--sweep", "iDepth=1:1000:1", "--sweep", "iWidth=1:101:1"} << "100000";
        QTest::newRow("seek without a goal") << QStringList{"--seek", "iInsulation"} << "RESULT=VALUE";
        QTest::newRow("seek of a selection") << QStringList{"--seek", "iType", "cabinetLoad=40"} << "iType";
        QTest::newRow("seek goal not a number") << QStringList{"--seek", "iDepth", "cabinetLoad=4,5"} << "4,5";
        QTest::newRow("seek and sweep") << QStringList{"--seek", "iDepth", "cabinetLoad=40", "--sweep", "iWidth=1:2:1"}
                                        << "--seek";
        QTest::newRow("sweep of a selection") << QStringList{"--sweep", "iType=0:4:1"} << "iType";
        QTest::newRow("sweep without a step") << QStringList{"--sweep", "iDepth=100:200"} << "iDepth=100:200";
        QTest::newRow("sweep with a decimal comma") << QStringList{"--sweep", "iDepth=100:200:0,5"} << "0,5";
        QTest::newRow("step 0") << QStringList{"--sweep", "iDepth=100:200:0"} << "STEP";
        QTest::newRow("step away from TO") << QStringList{"--sweep", "iDepth=200:100:10"} << "STEP";
        QTest::newRow("10001 values") << QStringList{"--sweep", "iDepth=0:1000:0.1"} << "10000";
        QTest::newRow("a bad argument after a file") << QStringList{"--open", "a.kaldora", "iDepth=deep"} << "iDepth";
    }

    void usage_errors_print_nothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, mentions);
        ExpectUsageError(Run(arguments), qPrintable(mentions));
        QVERIFY(!QFile::exists(Path("x.kaldora")));
    }

    void several_files_are_calculated_each_on_its_own()
    {
        const QString a = Saved("a,600.kaldora", {"iDepth=600"});
        const QString b = Saved("b.kaldora", {"UnitsEnergy=1", "iDepth=300"});

        const CalcOutput text = Run({"--open", a, "--open", b});
        QCOMPARE(text.exitCode, 0);
        const QString report = QString::fromUtf8(text.out);
        const int first = report.indexOf("==> " + a + " <==\nNordavik Kaldora v1.0");
        const int second = report.indexOf("\n\n==> " + b + " <==\nNordavik Kaldora v1.0");
        QVERIFY(first == 0);
        QVERIFY(second > first);
        // Each in its own units: the second's Btu/hr does not reach the first.
        QVERIFY(report.left(second).contains(QRegularExpression("\nRequested compressor capacity +\\d+ W\n")));
        QVERIFY(report.mid(second).contains(QRegularExpression("\nRequested compressor capacity +\\d+ Btu/hr\n")));

        const CalcOutput json = Run({"--json", "--open", a, "--open", b});
        QCOMPARE(json.lines().size(), 2);
        const QJsonObject ja = QJsonDocument::fromJson(json.lines()[0]).object();
        const QJsonObject jb = QJsonDocument::fromJson(json.lines()[1]).object();
        QCOMPARE(ja.value("file").toString(), a);
        QCOMPARE(jb.value("file").toString(), b);
        QCOMPARE(Field(ja, "iDepth"), QStringLiteral("600"));
        QCOMPARE(Field(jb, "iDepth"), QStringLiteral("300"));
        QVERIFY(jb.value("rows").toArray().at(0).toArray().at(1).toString().endsWith(" Btu/hr"));

        const CalcOutput csv = Run({"--csv", "--open", a, "--open", b});
        QCOMPARE(csv.lines().size(), 3);
        const QList<QByteArray> header = csv.lines()[0].split(',');
        QCOMPARE(header.size(), kCsvColumns);
        QCOMPARE(header.mid(0, 3), (QList<QByteArray>{"file", "UnitsEnergy", "UnitsTemperature"}));
        QCOMPARE(header.mid(kCsvColumns - 3), (QList<QByteArray>{"subcooling", "outcome", "message"}));
        const qsizetype depth = header.indexOf("iDepth");
        const qsizetype capacity = header.indexOf("requestedCapacity");
        // The comma in the first name is quoted.
        QVERIFY(csv.lines()[1].startsWith("\"" + a.toUtf8() + "\","));
        const QList<QByteArray> rowB = csv.lines()[2].split(',');
        QCOMPARE(rowB.size(), kCsvColumns);
        QCOMPARE(rowB[0], b.toUtf8());
        QCOMPARE(rowB[1], QByteArray("1"));
        QCOMPARE(rowB[depth], QByteArray("300"));
        QCOMPARE(rowB[capacity].toDouble(), jb.value("results").toObject().value("requestedCapacity").toDouble());
        QCOMPARE(rowB.last(), QByteArray()); // no warning
    }

    void a_broken_file_among_several_stops_everything()
    {
        const QString a = Saved("good.kaldora", {"iDepth=600"});
        const QString broken = Write(
            "broken.kaldora", "{\n\"format\": \"nordavik-kaldora\",\n\"version\": 1,\n\"inputs\": {\"iType\": 9}\n}");
        for (const char* format : {"--json", "--csv", "--stored"}) {
            QStringList arguments{"--open", a, "--open", broken, "--open", a};
            if (QByteArray(format) != "--stored")
                arguments.prepend(format);
            const CalcOutput r = Run(arguments);
            QCOMPARE(r.exitCode, 2);
            QVERIFY(r.out.isEmpty());
            QCOMPARE(r.err.count('\n'), 1);
            QVERIFY2(r.err.startsWith("dorarive-calc: " + broken.toUtf8() + ": line 4: iType 9"), r.err.constData());
        }
        const CalcOutput missing = Run({"--open", Path("missing.kaldora")});
        QCOMPARE(missing.exitCode, 2);
        QVERIFY(missing.out.isEmpty());
        QVERIFY(missing.err.contains("missing.kaldora: cannot be read"));
    }

    void a_sweep_calculates_once_per_value()
    {
        // 40 mm is below the depth check: that calculation stops, the others complete.
        const CalcOutput csv = Run({"--csv", "--sweep", "iDepth=40:60:10"});
        QCOMPARE(csv.exitCode, 1);
        QCOMPARE(csv.lines().size(), 4);
        const QList<QByteArray> header = csv.lines()[0].split(',');
        const qsizetype depth = header.indexOf("iDepth");
        const qsizetype volume = header.indexOf("netVolume");
        const QList<QByteArray> stopped = csv.lines()[1].split(',');
        QCOMPARE(stopped[depth], QByteArray("40"));
        QCOMPARE(stopped[volume], QByteArray()); // not computed
        QCOMPARE(stopped[kCsvColumns - 2], QByteArray("stopped"));
        QCOMPARE(stopped[kCsvColumns - 1], QByteArray("Error: Invalid cabinet depth. 50mm to 10000mm"));
        const QList<QByteArray> completed = csv.lines()[3].split(',');
        QCOMPARE(completed[depth], QByteArray("60"));
        QCOMPARE(completed[kCsvColumns - 2], QByteArray("completed"));
        QCOMPARE(completed[volume], QByteArray("30")); // 60 x 500 x 1000 mm

        const CalcOutput json = Run({"--json", "--sweep", "iTime=1:2:0.1"});
        QCOMPARE(json.exitCode, 0);
        QCOMPARE(json.lines().size(), 11);
        for (int i = 0; i <= 10; ++i) {
            const QJsonObject o = QJsonDocument::fromJson(json.lines()[i]).object();
            const QString value = i == 10 ? QStringLiteral("2") : QStringLiteral("1.%1").arg(i).replace("1.0", "1");
            QCOMPARE(Field(o, "iTime"), value); // exact decimals, no drift
            QCOMPARE(o.value("sweep").toObject().value("name").toString(), QStringLiteral("iTime"));
            QCOMPARE(o.value("sweep").toObject().value("value").toDouble(), value.toDouble());
            QVERIFY(!o.contains("file"));
        }

        const CalcOutput text = Run({"--sweep", "iDepth=50:60:10"});
        QCOMPARE(text.exitCode, 0);
        QVERIFY(text.out.startsWith("==> iDepth=50 <==\nNordavik Kaldora"));
        QVERIFY(text.out.contains("\n\n==> iDepth=60 <==\nNordavik Kaldora"));
    }

    void a_sweep_runs_over_each_file()
    {
        const QString a = Saved("inches.kaldora", {"UnitsLength=1"});
        const QString b = Saved("metric.kaldora", {});
        const CalcOutput csv = Run({"--csv", "--open", a, "--open", b, "--sweep", "iAmbient=30:40:10", "iRunTime=80"});
        QCOMPARE(csv.exitCode, 0);
        QCOMPARE(csv.lines().size(), 5);
        const QList<QByteArray> header = csv.lines()[0].split(',');
        QCOMPARE(csv.lines()[2].split(',')[0], a.toUtf8());
        QCOMPARE(csv.lines()[2].split(',')[header.indexOf("iAmbient")], QByteArray("40"));
        QCOMPARE(csv.lines()[2].split(',')[header.indexOf("iRunTime")], QByteArray("80"));
        QCOMPARE(csv.lines()[3].split(',')[0], b.toUtf8());
        QCOMPARE(csv.lines()[3].split(',')[header.indexOf("UnitsLength")], QByteArray("0"));
    }

    void two_sweeps_make_a_grid_each_row_as_alone()
    {
        // A glass door in inches: the thickness written back must not leak from row to row.
        const QStringList inputs{"UnitsLength=1", "iDoorCheck=1", "iType2=2"};
        const CalcOutput csv =
            Run(QStringList{"--csv", "--sweep", "iDepth=15:17:1", "--sweep", "iInsulation=1:3:1"} + inputs);
        QCOMPARE(csv.exitCode, 0);
        QCOMPARE(csv.lines().size(), 10);
        const QList<QByteArray> header = csv.lines()[0].split(',');
        const QList<QByteArray> row = csv.lines()[6].split(',');
        QCOMPARE(row[header.indexOf("iDepth")], QByteArray("16"));
        QCOMPARE(row[header.indexOf("iInsulation")], QByteArray("3"));
        const CalcOutput alone = Run(QStringList{"--csv", "iDepth=16", "iInsulation=3"} + inputs);
        QCOMPARE(csv.lines()[6], alone.lines()[1]);

        const CalcOutput json = Run({"--json", "--sweep", "iDepth=400:500:100", "--sweep", "iWidth=500:600:100"});
        QCOMPARE(json.lines().size(), 4);
        const QJsonArray sweep = QJsonDocument::fromJson(json.lines()[1]).object().value("sweep").toArray();
        QCOMPARE(sweep.size(), 2);
        QCOMPARE(sweep[0].toObject().value("value").toDouble(), 400.0);
        QCOMPARE(sweep[1].toObject().value("name").toString(), QStringLiteral("iWidth"));
        QCOMPARE(sweep[1].toObject().value("value").toDouble(), 600.0);
        const CalcOutput text = Run({"--sweep", "iDepth=400:500:100", "--sweep", "iWidth=500:600:100"});
        QVERIFY(text.out.startsWith("==> iDepth=400 iWidth=500 <==\n"));
    }

    void seek_finds_the_input_for_a_result()
    {
        const CalcOutput json = Run({"--json", "--seek", "iInsulation", "requestedCapacity=40"});
        QCOMPARE(json.exitCode, 0);
        QCOMPARE(json.lines().size(), 1);
        const QJsonObject o = json.json();
        const QJsonObject seek = o.value("seek").toObject();
        QCOMPARE(seek.value("name").toString(), QStringLiteral("iInsulation"));
        QCOMPARE(seek.value("result").toString(), QStringLiteral("requestedCapacity"));
        QCOMPARE(seek.value("target").toDouble(), 40.0);
        QCOMPARE(Field(o, "iInsulation"), QString::number(seek.value("value").toDouble()));
        QVERIFY(qAbs(o.value("results").toObject().value("requestedCapacity").toDouble() - 40) < 0.01);

        // In inches the answer is in inches; the text report is headed like a sweep's.
        const CalcOutput inches = Run({"--seek", "iInsulation", "requestedCapacity=40", "UnitsLength=1"});
        QCOMPARE(inches.exitCode, 0);
        QVERIFY(inches.out.startsWith("==> iInsulation=2.8"));

        const CalcOutput none = Run({"--csv", "--seek", "iInsulation", "cabinetLoad=0.5"});
        QCOMPARE(none.exitCode, 1);
        QCOMPARE(none.lines().size(), 1); // the header only
        QVERIFY(none.out.startsWith("file,"));
        QVERIFY(none.err.startsWith("dorarive-calc: no value of iInsulation from 5 to 500 gives cabinetLoad=0.5"));
        QCOMPARE(none.err.count('\n'), 1);
    }

    void a_sweep_takes_up_to_10000_values()
    {
        const CalcOutput csv = Run({"--csv", "--sweep", "iDepth=100:1099.9:0.1"});
        QCOMPARE(csv.exitCode, 0);
        QCOMPARE(csv.lines().size(), 10001);
        QVERIFY(csv.lines().last().contains(",1099.9,"));
    }

    // Only the text report follows the language: the tables' keys, numbers and outcome words are
    // the same in every one. The report's values stand in one column, counted in characters.
    void only_the_text_report_follows_the_language()
    {
        const QStringList stopped{"iDepth=5"};
        const CalcOutput englishCsv = Run(QStringList{"--csv"} + stopped);
        const CalcOutput germanCsv = Run(QStringList{"--csv"} + stopped, kCommaLocale, "LANG");
        QCOMPARE(germanCsv.lines().value(0), englishCsv.lines().value(0));
        QVERIFY(germanCsv.lines().value(1).contains(",stopped,"));
        const QJsonObject englishJson = Run(QStringList{"--json"}).json();
        const QJsonObject germanJson = Run(QStringList{"--json"}, kCommaLocale, "LANG").json();
        QCOMPARE(germanJson.keys(), englishJson.keys());
        for (const char* part : {"fields", "results", "sheet"})
            QCOMPARE(germanJson.value(part).toObject().keys(), englishJson.value(part).toObject().keys());
        QCOMPARE(germanJson.value("results").toObject().value("cabinetLoad").toDouble(),
                 englishJson.value("results").toObject().value("cabinetLoad").toDouble());

        const CalcOutput english = Run(stopped);
        const CalcOutput german = Run(stopped, kCommaLocale, "LANG");
        QCOMPARE(german.exitCode, english.exitCode);
        QCOMPARE(german.lines().size(), english.lines().size());
        for (const char* text : {"Ambient temperature", "Error: Invalid cabinet depth."}) {
            QVERIFY(english.out.contains(text));
            QVERIFY2(!german.out.contains(text), text);
        }
        const QStringList report = QString::fromUtf8(Run({}, kCommaLocale, "LANG").out).split(u'\n');
        const auto valueColumn = [&report](const QString& label) -> qsizetype {
            for (const QString& line : report)
                if (line.trimmed().startsWith(label))
                    return line.indexOf(QRegularExpression(QStringLiteral("\\S")), line.indexOf(label) + label.size());
            return -1;
        };
        QVERIFY(valueColumn(QStringLiteral("Breite")) > 0);
        QCOMPARE(valueColumn(QStringLiteral("Höhe")), valueColumn(QStringLiteral("Breite")));
        QCOMPARE(valueColumn(QStringLiteral("Tiefe (Innenmaße)")), valueColumn(QStringLiteral("Breite")));
    }

    // What dorarive-calc says on stderr speaks the user's language as well: a usage error, a
    // calculation file's problem and a note, with the names and values given kept as they are.
    void messages_follow_the_language_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");
        QTest::newRow("usage error") << QStringList{"iDepth=deep"} << 2
                                     << "dorarive-calc: 'iDepth=deep': iDepth takes a number such as 455.55 or -7\n"
                                     << "dorarive-calc: 'iDepth=deep': iDepth erwartet eine Zahl wie 455.55 oder -7\n";
        QTest::newRow("file problem") << QStringList{"--open", "bad.kaldora"} << 2
                                      << "dorarive-calc: bad.kaldora: line 4: iDepth takes a number such as 455.55 or "
                                         "-7, got \"deep\"\n"
                                      << "dorarive-calc: bad.kaldora: Zeile 4: iDepth erwartet eine Zahl wie 455.55 "
                                         "oder -7, erhalten: \"deep\"\n";
        QTest::newRow("note") << QStringList{"--csv", "iInsulTherm=0.5"} << 0
                              << "dorarive-calc: iInsulTherm ignored: its material is not \"Customized\"\n"
                              << "dorarive-calc: iInsulTherm ignoriert: Das Material ist nicht „Benutzerdefiniert“\n";
    }

    void messages_follow_the_language()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, english);
        QFETCH(QString, german);
        Write("bad.kaldora", "{\n  \"format\": \"nordavik-kaldora\",\n  \"version\": 1,\n"
                             "  \"inputs\": {\"iDepth\": \"deep\"}\n}\n");
        const CalcOutput inC = Run(arguments, QStringLiteral("C"));
        QCOMPARE(inC.exitCode, exitCode);
        QCOMPARE(QString::fromUtf8(inC.err), english);
        QCOMPARE(QString::fromUtf8(Run(arguments, kCommaLocale, "LANG").err), german);
    }

    void a_failed_save_keeps_the_old_file()
    {
        const QString file = Saved("kept.kaldora", {"iDepth=600"});
        const QByteArray before = ScratchFiles::ReadAll(file);
        QVERIFY(before.contains("600"));
        // No file may grow beyond 0 bytes: the write fails the way a full disk fails it.
        QProcess p;
        p.setWorkingDirectory(dir_.path());
        p.start(QStringLiteral("bash"),
                {"-c", "trap '' XFSZ; ulimit -f 0; exec \"$0\" --save kept.kaldora iDepth=700", DORARIVE_CALC_PATH});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardOutput().isEmpty());
        const QByteArray err = p.readAllStandardError();
        QCOMPARE(err.count('\n'), 1);
        QVERIFY2(err.startsWith("dorarive-calc: kept.kaldora: cannot be written: "), err.constData());
        QCOMPARE(ScratchFiles::ReadAll(file), before);
        QCOMPARE(QDir(dir_.path()).entryList({"kept*"}, QDir::Files | QDir::Hidden), QStringList{"kept.kaldora"});
    }
};

} // namespace

QTEST_GUILESS_MAIN(CliFilesTest)
#include "tst_cli_files.moc"
