// Calculation files: saving and opening give back every input, in any unit and decimal point;
// every kind of refused file is named with its first problem and changes nothing.

#include "ScratchFiles.h"
#include "controls/HeadlessForm.h"
#include "model/Conversions.h"
#include "model/FormRules.h"
#include "storage/CalcFile.h"
#include "storage/InputRounds.h"
#include "storage/MemoryProfileStore.h"
#include "storage/StoredInputs.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const LocaleChars kPoint{'-', '.', ','};
const LocaleChars kComma{'-', ',', '.'};

// A refusal's message, empty when there is none.
QString Refusal(const std::optional<std::string>& error)
{
    return error ? QString::fromStdString(*error) : QString();
}

// The calculation a window keeps: its form, its tables (with the custom k values) and units.
struct Session {
    explicit Session(LocaleChars chars = kPoint, const ProfileStore& store = MemoryProfileStore{})
        : form(chars)
    {
        BuildTables(tables);
        units = StoredInputs::ReadUnitChoices(store);
        StoredInputs::LoadStoredInputs(store, form, tables, units);
    }

    void Set(const InputAssignments& inputs)
    {
        InputRounds(form, tables, units).Apply(inputs, CustomKRule::WhileCustomized);
    }
    std::optional<std::string> Open(const QString& path) { return CalcFile::Open(path, form, tables, units); }
    std::optional<std::string> Save(const QString& path) const { return CalcFile::Save(path, form, tables, units); }
    QString Text(InputField f) const { return QString::fromStdString(form.Text(f)); }

    // Everything a user can see or get back: each field's text, the inputs as a file keeps them
    // and the exact custom k values of both tables.
    QStringList Snapshot() const
    {
        QStringList all;
        for (const InputFieldInfo& info : kInputFields)
            all << QStringLiteral("text %1=%2").arg(info.name, Text(info.field));
        const InputAssignments in = CalcFile::InputsOf(form, tables, units);
        for (const auto* round : {&in.units, &in.selections, &in.options})
            for (const auto& [name, value] : *round)
                all << QStringLiteral("%1=%2").arg(QString::fromStdString(name)).arg(value);
        for (const auto& [name, number] : in.numbers)
            all << QStringLiteral("%1=%2").arg(QString::fromStdString(name), QString::fromStdString(number));
        all << QStringLiteral("custom k %1 %2")
                   .arg(CustomK(tables.insulationMaterials, InputField::iInsulTherm, Selector::iType), 0, 'g', 17)
                   .arg(CustomK(tables.doorMaterials, InputField::iDoorInsulTherm, Selector::iType2), 0, 'g', 17);
        return all;
    }

    // As the store keeps it: the field's while "Customized" is selected, else the table's.
    double CustomK(const MaterialTable& table, InputField field, Selector selector) const
    {
        return form.Selection(selector) == 0 ? SiK(form.Value(field), units) : table.CustomK();
    }

    HeadlessForm form;
    Tables tables;
    UnitSystem units;
};

// A calculation far from the first-run one: every kind of input changed, the wall k typed into
// "Customized", the door's custom k kept in its table while a glass door is selected.
InputAssignments VariedInputs(bool imperial)
{
    InputAssignments in;
    for (const char* name : kUnitChoiceNames)
        in.units[name] = imperial ? 1 : 0;
    in.selections = {{"iType", 0}, {"iType2", 2}, {"iProd", 11}};
    in.options = {{"iDoorCheck", 1}, {"iHeatCheck", 0}, {"iCoolCheck", 1}, {"iCondCheck", 1}};
    in.numbers = {{"iDepth", imperial ? "17.93" : "455.55"},
                  {"iWidth", imperial ? "23.5" : "600.5"},
                  {"iAmbient", imperial ? "-4.5" : "-12.5"},
                  {"iInsulTherm", imperial ? "0.0241" : "0.0412"},
                  {"iTime", "6.25"},
                  {"iRunTime", "80"},
                  {"iSubcool", "2.5"},
                  {"iCoolMass", "12.75"},
                  {"iOpenings", "3.5"},
                  {"iEnd", "-18"}};
    return in;
}

class CalcFileTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString Path(const QString& name) const { return dir_.filePath(name); }

    QString WriteText(const QString& name, const QByteArray& text) const
    {
        return ScratchFiles::Write(Path(name), text);
    }

    // A session already far from the first-run inputs, so that opening has to change everything.
    static Session Elsewhere(LocaleChars chars)
    {
        Session s(chars);
        InputAssignments other = VariedInputs(false);
        other.units["UnitsTemperature"] = 1;
        other.numbers = {{"iHeight", "1500"}, {"iStart", "30"}};
        s.Set(other);
        s.tables.doorMaterials.SetCustomK(0.0999);
        return s;
    }

private slots:
    void saving_and_opening_give_back_every_input_data()
    {
        QTest::addColumn<bool>("imperial");
        QTest::addColumn<bool>("comma");
        QTest::newRow("metric") << false << false;
        QTest::newRow("imperial") << true << false;
        QTest::newRow("metric, decimal comma") << false << true;
        QTest::newRow("imperial, decimal comma") << true << true;
    }

    void saving_and_opening_give_back_every_input()
    {
        QFETCH(bool, imperial);
        QFETCH(bool, comma);
        const LocaleChars chars = comma ? kComma : kPoint;
        Session saved(chars);
        saved.Set(VariedInputs(imperial));
        // Kept in SI by the table, shown in the file's k unit.
        saved.tables.doorMaterials.SetCustomK(imperial ? Conversions::BtuPerHFtFToWPerMK(0.0192) : 0.0333);
        const QString path = Path(QStringLiteral("round.kaldora"));
        QCOMPARE(Refusal(saved.Save(path)), QString());

        Session opened = Elsewhere(chars);
        QCOMPARE(Refusal(opened.Open(path)), QString());
        QCOMPARE(opened.Snapshot(), saved.Snapshot());
        QCOMPARE(opened.units, saved.units);

        // A file opened and saved again is the same file, byte for byte.
        const QByteArray first = ScratchFiles::ReadAll(path);
        QCOMPARE(Refusal(opened.Save(path)), QString());
        QCOMPARE(ScratchFiles::ReadAll(path), first);

        // The same inputs under the other decimal point write the same file.
        Session other(comma ? kPoint : kComma);
        other.Set(VariedInputs(imperial));
        other.tables.doorMaterials.SetCustomK(saved.tables.doorMaterials.CustomK());
        QCOMPARE(Refusal(other.Save(path)), QString());
        QCOMPARE(ScratchFiles::ReadAll(path), first);
    }

    void the_file_writes_numbers_with_a_point_in_its_units()
    {
        Session s(kComma);
        s.Set(VariedInputs(true));
        const QString path = Path(QStringLiteral("written.kaldora"));
        QCOMPARE(Refusal(s.Save(path)), QString());
        QCOMPARE(s.Text(InputField::iDepth), QStringLiteral("17,93"));
        const QJsonObject root = QJsonDocument::fromJson(ScratchFiles::ReadAll(path)).object();
        QCOMPARE(root.value("format").toString(), QStringLiteral("nordavik-kaldora"));
        QCOMPARE(root.value("version").toInt(), 1);
        QCOMPARE(root.value("units").toObject().size(), 6);
        QCOMPARE(root.value("units").toObject().value("UnitsPressure").toInt(), 1);
        const QJsonObject inputs = root.value("inputs").toObject();
        QCOMPARE(inputs.size(), 23 + 3 + 4);
        QCOMPARE(inputs.value("iDepth").toDouble(), 17.93);
        QCOMPARE(inputs.value("iType2").toInt(), 2);
        QCOMPARE(inputs.value("iCondCheck").toInt(), 1);
        QVERIFY(ScratchFiles::ReadAll(path).contains("\"iDepth\": 17.93,"));
        QVERIFY(!ScratchFiles::ReadAll(path).contains("17,93"));
    }

    void custom_k_goes_into_the_customized_rows_whichever_is_selected()
    {
        // Polystyrol and a glass door are selected; both custom values still count.
        const QString path = WriteText(QStringLiteral("k.kaldora"), R"({"format": "nordavik-kaldora", "version": 1,
            "units": {"UnitsPressure": 1},
            "inputs": {"iType": 3, "iType2": 1, "iInsulTherm": "0.02345", "iDoorInsulTherm": 0.0301}})");
        Session s = Elsewhere(kPoint);
        QCOMPARE(Refusal(s.Open(path)), QString());
        // The selected rows show their own k, in BTU/(h.ft.F).
        QCOMPARE(s.Text(InputField::iInsulTherm), QStringLiteral("0.0196"));
        QCOMPARE(s.tables.insulationMaterials.CustomK(), Conversions::BtuPerHFtFToWPerMK(0.0234)); // cut like the field
        QCOMPARE(s.tables.doorMaterials.CustomK(), Conversions::BtuPerHFtFToWPerMK(0.0301));
        // Choosing "Customized" shows the file's value; saving keeps it.
        s.form.SetSelection(Selector::iType, 0);
        ShowSelectedK(s.form, s.tables, s.units, Selector::iType);
        QCOMPARE(s.Text(InputField::iInsulTherm), QStringLiteral("0.0234"));
        QCOMPARE(Refusal(s.Save(path)), QString());
        const QJsonObject inputs =
            QJsonDocument::fromJson(ScratchFiles::ReadAll(path)).object().value("inputs").toObject();
        QCOMPARE(inputs.value("iInsulTherm").toDouble(), 0.0234);
        QCOMPARE(inputs.value("iDoorInsulTherm").toDouble(), 0.0301);
    }

    void numbers_are_cut_by_the_field_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("decimals cut, not rounded") << QByteArray("455.5599") << "455.55";
        QTest::newRow("string of the same form") << QByteArray("\"455.5599\"") << "455.55";
        QTest::newRow("trailing zeros of a string stay") << QByteArray("\"455.50\"") << "455.50";
        QTest::newRow("whole digits cut") << QByteArray("12345678901") << "123456789";
        QTest::newRow("negative") << QByteArray("-0.5") << "-0.5";
        QTest::newRow("JSON exponent is still a JSON number") << QByteArray("4.5e2") << "450";
    }

    void numbers_are_cut_by_the_field()
    {
        QFETCH(QByteArray, value);
        QFETCH(QString, text);
        for (const LocaleChars& chars : {kPoint, kComma}) {
            const QString path =
                WriteText(QStringLiteral("cut.kaldora"),
                          R"({"format": "nordavik-kaldora", "version": 1, "inputs": {"iDepth": )" + value + "}}");
            Session s(chars);
            QCOMPARE(Refusal(s.Open(path)), QString());
            QString expected = text;
            expected.replace('.', QLatin1Char(chars.decimalPoint));
            QCOMPARE(s.Text(InputField::iDepth), expected);
        }
    }

    void missing_members_keep_their_first_run_defaults()
    {
        const QString path = WriteText(QStringLiteral("sparse.kaldora"), R"({"format": "nordavik-kaldora",
            "version": 1, "units": {"UnitsLength": 1}, "inputs": {"iDepth": 20, "iCoolCheck": 1}})");
        Session s = Elsewhere(kPoint);
        QCOMPARE(Refusal(s.Open(path)), QString());
        QCOMPARE(s.units, (UnitSystem{0, 0, 0, 0, 1, 0}));
        QCOMPARE(s.Text(InputField::iDepth), QStringLiteral("20"));
        // First-run values, converted to the file's units as the Units dialog converts them.
        QCOMPARE(s.Text(InputField::iWidth), QStringLiteral("19.68"));
        QCOMPARE(s.Text(InputField::iHeight), QStringLiteral("39.37"));
        QCOMPARE(s.Text(InputField::iStart), QStringLiteral("25"));
        QCOMPARE(s.form.Selection(Selector::iType2), 4);
        QVERIFY(!s.form.Option(OptionBox::iDoorCheck));
        QVERIFY(s.form.Option(OptionBox::iCoolCheck));
        QCOMPARE(s.tables.doorMaterials.CustomK(), 0.0);

        // Nothing but the format and the version: the first-run calculation.
        const QString bare =
            WriteText(QStringLiteral("bare.kaldora"), R"({"version": 1, "format": "nordavik-kaldora"})");
        Session opened = Elsewhere(kPoint);
        QCOMPARE(Refusal(opened.Open(bare)), QString());
        QCOMPARE(opened.Snapshot(), Session().Snapshot());
    }

    void refused_files_name_the_first_problem_and_change_nothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message"); // after "<path>: "
        const QByteArray head = "{\n  \"format\": \"nordavik-kaldora\",\n  \"version\": 1,\n";
        QTest::newRow("bad JSON") << head + "  \"inputs\": {\"iDepth\": 400,}\n}"
                                  << "line 4: not valid JSON: object is missing after a comma";
        QTest::newRow("empty file") << QByteArray() << "line 1: not valid JSON: illegal value";
        QTest::newRow("not an object") << QByteArray("[1, 2]")
                                       << "line 1: not a calculation file: the document is not a JSON object";
        QTest::newRow("no format") << QByteArray("{\"version\": 1}")
                                   << "not a calculation file: it has no \"format\" member";
        QTest::newRow("other format") << QByteArray("{\"version\": 1,\n\"format\": \"spreadsheet\"}")
                                      << "line 2: not a calculation file: its format is \"spreadsheet\", not "
                                         "\"nordavik-kaldora\"";
        QTest::newRow("no version") << QByteArray("{\"format\": \"nordavik-kaldora\"}")
                                    << "it has no \"version\" member";
        QTest::newRow("later version") << QByteArray("{\"format\": \"nordavik-kaldora\",\n\"version\": 2}")
                                       << "line 2: version 2 is not known: this program reads version 1";
        QTest::newRow("version as text") << QByteArray("{\"format\": \"nordavik-kaldora\", \"version\": \"1\"}")
                                         << "line 1: version \"1\" is not known: this program reads version 1";
        QTest::newRow("unknown member") << head + "  \"comment\": \"cabinet 600\"\n}"
                                        << "line 4: unknown member \"comment\"";
        QTest::newRow("unknown input") << head + "  \"inputs\": {\n    \"iDepht\": 400\n  }\n}"
                                       << "line 5: unknown member \"iDepht\" in \"inputs\"";
        QTest::newRow("unit choice among the inputs") << head + "  \"inputs\": {\"UnitsLength\": 1}\n}"
                                                      << "line 4: unknown member \"UnitsLength\" in \"inputs\"";
        QTest::newRow("unknown unit") << head + "  \"units\": {\"UnitsSpeed\": 1}\n}"
                                      << "line 4: unknown member \"UnitsSpeed\" in \"units\"";
        QTest::newRow("unit choice 2") << head + "  \"units\": {\n\"UnitsLength\": 2}\n}"
                                       << "line 5: UnitsLength takes 0 or 1, got 2";
        QTest::newRow("units not an object") << head + "  \"units\": 1\n}"
                                             << "line 4: \"units\" is not an object, got 1";
        QTest::newRow("inputs a list") << head + "  \"inputs\": [400]\n}"
                                       << "line 4: \"inputs\" is not an object, got a list";
        QTest::newRow("option yes") << head + "  \"inputs\": {\"iDoorCheck\": true}\n}"
                                    << "line 4: iDoorCheck takes 0 or 1, got true";
        QTest::newRow("selection beyond its table") << head + "  \"inputs\": {\"iType\": 5}\n}"
                                                    << "line 4: iType 5 is not a row of its table (0 to 4)";
        QTest::newRow("negative selection") << head + "  \"inputs\": {\"iProd\": -1}\n}"
                                            << "line 4: iProd -1 is not a row of its table (0 to 17)";
        QTest::newRow("fractional row") << head + "  \"inputs\": {\"iType2\": 1.5}\n}"
                                        << "line 4: iType2 takes a whole row number, got 1.5";
        QTest::newRow("row as text") << head + "  \"inputs\": {\"iType2\": \"1\"}\n}"
                                     << "line 4: iType2 takes a whole row number, got \"1\"";
        QTest::newRow("decimal comma") << head + "  \"inputs\": {\"iDepth\": \"455,5\"}\n}"
                                       << "line 4: iDepth takes a number such as 455.55 or -7, got \"455,5\"";
        QTest::newRow("exponent in a string") << head + "  \"inputs\": {\"iDepth\": \"1e3\"}\n}"
                                              << "line 4: iDepth takes a number such as 455.55 or -7, got \"1e3\"";
        QTest::newRow("number as null") << head + "  \"inputs\": {\"iDepth\": null}\n}"
                                        << "line 4: iDepth takes a number such as 455.55 or -7, got null";
        QTest::newRow("the earliest of several problems")
            << head + "  \"inputs\": {\n    \"iWidth\": \"wide\",\n    \"iAmbient\": \"hot\"\n  },\n  \"x\": 1\n}"
            << "line 5: iWidth takes a number such as 455.55 or -7, got \"wide\"";
    }

    void refused_files_name_the_first_problem_and_change_nothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const QString path = WriteText(QStringLiteral("broken.kaldora"), content);
        // Valid members before the problem must not be applied either.
        Session s = Elsewhere(kComma);
        const QStringList before = s.Snapshot();
        const UnitSystem units = s.units;
        QCOMPARE(Refusal(s.Open(path)), path + ": " + message);
        QCOMPARE(s.Snapshot(), before);
        QCOMPARE(s.units, units);
    }

    void unreadable_files_are_refused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message"); // after "<path>: "
        QTest::newRow("missing") << "missing.kaldora"
                                 << "cannot be read: No such file or directory";
        QTest::newRow("a folder") << "folder.kaldora"
                                  << "cannot be read: ";
        QTest::newRow("too large") << "large.kaldora"
                                   << "too large for a calculation file (over 1 MiB)";
    }

    void unreadable_files_are_refused()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("folder.kaldora")));
        // Valid JSON, only too long: white space after the object.
        WriteText(QStringLiteral("large.kaldora"),
                  R"({"format": "nordavik-kaldora", "version": 1})" + QByteArray(1024 * 1024, ' '));
        Session s = Elsewhere(kPoint);
        const QStringList before = s.Snapshot();
        const QString error = Refusal(s.Open(Path(name)));
        QVERIFY2(error.startsWith(Path(name) + ": " + message), qPrintable(error));
        QCOMPARE(s.Snapshot(), before);
    }

    void a_byte_order_mark_is_allowed()
    {
        const QString path =
            WriteText(QStringLiteral("bom.kaldora"),
                      "\xEF\xBB\xBF{\"format\": \"nordavik-kaldora\", \"version\": 1, \"inputs\": {\"iDepth\": 450}}");
        Session s;
        QCOMPARE(Refusal(s.Open(path)), QString());
        QCOMPARE(s.Text(InputField::iDepth), QStringLiteral("450"));
    }

    void a_failed_write_says_why_and_leaves_the_old_file()
    {
        Session s;
        const QString missing = Path(QStringLiteral("no such folder/a.kaldora"));
        const QString error = Refusal(s.Save(missing));
        QVERIFY2(error.startsWith(missing + ": cannot be written: "), qPrintable(error));
        QVERIFY(!QFile::exists(missing));

        // A folder in the way of the file: nothing replaces it.
        const QString folder = Path(QStringLiteral("taken.kaldora"));
        QVERIFY(QDir().mkpath(folder + "/inside"));
        QVERIFY(!Refusal(s.Save(folder)).isEmpty());
        QVERIFY(QFileInfo(folder + "/inside").isDir());
        // No temporary file is left behind beside it.
        QCOMPARE(QDir(dir_.path()).entryList({"taken*"}, QDir::AllEntries | QDir::Hidden),
                 QStringList{"taken.kaldora"});
    }
};

} // namespace

QTEST_GUILESS_MAIN(CalcFileTest)
#include "tst_calcfile.moc"
