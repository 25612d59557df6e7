// The stored inputs: first-run defaults, the stored formats and their round trips, and the real
// settings file under a temporary configuration folder.

#include "TestEnvironment.h"
#include "controls/HeadlessForm.h"
#include "model/FormRules.h"
#include "storage/MemoryProfileStore.h"
#include "storage/SettingsStore.h"
#include "storage/StoredInputs.h"

#include <QFile>
#include <QtTest>

#include <limits>

using namespace StoredInputs;

namespace {

// A window's worth of state: the form, its tables and unit choices, loaded from a store.
struct Session {
    explicit Session(const ProfileStore& store)
    {
        BuildTables(tables);
        units = ReadUnitChoices(store);
        LoadStoredInputs(store, form, tables, units);
    }
    void Save(ProfileStore& store) { SaveInputs(store, form, tables, units); }
    QString Text(InputField f) const { return QString::fromStdString(form.Text(f)); }
    void Type(InputField f, const char* text) { form.PasteText(f, text); }

    HeadlessForm form{LocaleChars{}};
    Tables tables;
    UnitSystem units;
};

std::int32_t Stored(const MemoryProfileStore& store, const char* entry)
{
    return store.GetProfileInt(kSection, entry, -999999);
}

class StoredInputsTest : public QObject {
    Q_OBJECT

public:
    // QSettings takes the configuration folder once per process: a temporary one, set first.
    static void initMain() { TestEnvironment::Isolate(); }

private slots:
    void first_run_uses_the_defaults()
    {
        const MemoryProfileStore empty;
        Session s(empty);
        const std::pair<InputField, const char*> expected[] = {
            {InputField::iAmbient, "32"},       {InputField::iEvapTemp, "3"},
            {InputField::iEvaporating, "-7"},   {InputField::iCondensing, "42"},
            {InputField::iSubcool, "1"},        {InputField::iDepth, "400"},
            {InputField::iWidth, "500"},        {InputField::iHeight, "1000"},
            {InputField::iInsulation, "50"},    {InputField::iDoorWidth, "500"},
            {InputField::iDoorHeight, "1000"},  {InputField::iDoorInsul, "50"},
            {InputField::iStart, "25"},         {InputField::iEnd, "5"},
            {InputField::iTime, "6"},           {InputField::iRunTime, "75"},
            {InputField::iOpenings, "0"},       {InputField::iCoolMass, "0"},
            {InputField::iInsulTherm, "0.027"}, {InputField::iDoorInsulTherm, "0.027"}};
        for (const auto& [field, text] : expected)
            QCOMPARE(s.Text(field), QString::fromLatin1(text));
        QCOMPARE(s.form.Selection(Selector::iType), 1);
        QCOMPARE(s.form.Selection(Selector::iType2), 4);
        QCOMPARE(s.form.Selection(Selector::iProd), 7);
        for (OptionBox box :
             {OptionBox::iDoorCheck, OptionBox::iHeatCheck, OptionBox::iCoolCheck, OptionBox::iCondCheck})
            QVERIFY(!s.form.Option(box));
        QCOMPARE(s.units, UnitSystem{});
        QCOMPARE(s.tables.insulationMaterials.CustomK(), 0.0);
        QCOMPARE(empty.Size(), size_t(0)); // loading writes nothing
    }

    void selections_are_limited_to_their_tables()
    {
        MemoryProfileStore store;
        store.WriteProfileInt(kSection, "iType", 9);
        store.WriteProfileInt(kSection, "iType2", -3);
        store.WriteProfileInt(kSection, "iProd", 18);
        Session s(store);
        QCOMPARE(s.form.Selection(Selector::iType), 4);  // Rockwool
        QCOMPARE(s.form.Selection(Selector::iType2), 0); // Customized
        QCOMPARE(s.form.Selection(Selector::iProd), 17);
        QCOMPARE(s.Text(InputField::iInsulTherm), QStringLiteral("0.036"));
        QCOMPARE(s.Text(InputField::iDoorInsulTherm), QStringLiteral("0"));
    }

    void values_round_trip_in_their_stored_formats_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("restored");
        const auto f = [](InputField x) { return static_cast<int>(x); };
        QTest::newRow("whole entries keep the integer part") << f(InputField::iAmbient) << "21.7" << 21 << "21";
        QTest::newRow("negative whole entry") << f(InputField::iEvaporating) << "-12.9" << -12 << "-12";
        QTest::newRow("hundredths") << f(InputField::iDepth) << "455.55" << 45555 << "455.55";
        // Rounded, not truncated: the double nearest 0.29 lies just below it.
        QTest::newRow("0.29 survives") << f(InputField::iInsulation) << "0.29" << 29 << "0.29";
        QTest::newRow("negative hundredths come back as themselves") << f(InputField::iWidth) << "-5" << -500 << "-5";
        QTest::newRow("tenths of an hour") << f(InputField::iTime) << "0.7" << 7 << "0.7";
        QTest::newRow("too large for 32 bits is limited")
            << f(InputField::iHeight) << "999999999.99" << 2147483647 << "21474836.47";
        QTest::newRow("empty field saves 0") << f(InputField::iDoorWidth) << "" << 0 << "0";
        QTest::newRow("runtime") << f(InputField::iRunTime) << "80.9" << 80 << "80";
    }

    void values_round_trip_in_their_stored_formats()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QFETCH(QString, restored);
        const InputField input = static_cast<InputField>(field);

        MemoryProfileStore store;
        Session first(store);
        first.Type(input, typed.toUtf8().constData());
        first.Save(store);
        QCOMPARE(Stored(store, FieldName(input)), stored);

        Session second(store);
        QCOMPARE(second.Text(input), restored);
    }

    void custom_k_is_stored_in_si_units()
    {
        MemoryProfileStore store;
        WriteUnitChoices(store, UnitSystem{0, 0, 1, 0, 0, 0});
        store.WriteProfileInt(kSection, "iType", 0);
        Session s(store);
        s.Type(InputField::iInsulTherm, "0.02"); // BTU/h.ft.F
        s.Save(store);
        // 0.02 x 1.7295772056 x 1 000 000 = 34591.54: rounded, so it comes back as typed.
        QCOMPARE(Stored(store, "iInsulTherm"), 34592);
        Session again(store);
        QCOMPARE(again.Text(InputField::iInsulTherm), QStringLiteral("0.02"));
        QCOMPARE(again.tables.insulationMaterials.CustomK(), 0.034592);
    }

    void custom_k_is_kept_while_another_material_is_selected()
    {
        MemoryProfileStore store;
        store.WriteProfileInt(kSection, "iInsulTherm", 45000);
        store.WriteProfileInt(kSection, "iDoorInsulTherm", 52000);
        Session s(store);
        QCOMPARE(s.Text(InputField::iInsulTherm), QStringLiteral("0.027")); // Polyurethane is selected
        s.Save(store);
        QCOMPARE(Stored(store, "iInsulTherm"), 45000);
        QCOMPARE(Stored(store, "iDoorInsulTherm"), 52000);

        // Reselecting "Customized" shows it again.
        s.form.SetSelection(Selector::iType, 0);
        ShowSelectedK(s.form, s.tables, s.units, Selector::iType);
        QCOMPARE(s.Text(InputField::iInsulTherm), QStringLiteral("0.045"));
    }

    void options_and_selections_are_saved()
    {
        MemoryProfileStore store;
        Session s(store);
        s.form.SetOption(OptionBox::iCoolCheck, true);
        s.form.SetSelection(Selector::iProd, 4);
        s.Save(store);
        QCOMPARE(Stored(store, "iCoolCheck"), 1);
        QCOMPARE(Stored(store, "iDoorCheck"), 0);
        QCOMPARE(Stored(store, "iProd"), 4);
        Session again(store);
        QVERIFY(again.form.Option(OptionBox::iCoolCheck));
        QCOMPARE(again.form.Selection(Selector::iProd), 4);
        // The unit choices go with the inputs, so the store holds one calculation whole.
        QCOMPARE(Stored(store, kUnitsEnergy), 0);
    }

    void unit_entries_use_their_padded_names()
    {
        QCOMPARE(std::string(kUnitsEnergy).size(), size_t(16));
        QCOMPARE(std::string(kUnitsKValue), std::string("UnitsPressure   "));
        MemoryProfileStore store;
        store.WriteProfileInt(kSection, "UnitsEnergy", 1); // unpadded: not ours
        store.WriteProfileInt(kSection, kUnitsLength, 1);
        store.WriteProfileInt(kSection, kUnitsMass, 7); // only an edited store has this
        const UnitSystem units = ReadUnitChoices(store);
        QCOMPARE(units.energy, 0);
        QCOMPARE(units.length, 1);
        QCOMPARE(units.mass, 1);
    }

    void settings_file_keeps_names_and_integers()
    {
        SettingsStore store(QStringLiteral("tst_app"));
        QVERIFY(store.FileName().startsWith(TestEnvironment::ConfigHome()));
        QVERIFY(store.FileName().contains(QStringLiteral("/Nordavik Frimo 042/tst_app.conf")));
        store.WriteProfileInt(kSection, kUnitsEnergy, 1);
        store.WriteProfileInt(kSection, "UnitsEnergy", 0);
        store.WriteProfileInt(kSection, "iRunTime", -75);
        store.Sync();
        SettingsStore reread(QStringLiteral("tst_app"));
        QCOMPARE(reread.GetProfileInt(kSection, kUnitsEnergy, 5), 1);
        QCOMPARE(reread.GetProfileInt(kSection, "UnitsEnergy", 5), 0);
        QCOMPARE(reread.GetProfileInt(kSection, "iRunTime", 5), -75);
        QCOMPARE(reread.GetProfileInt(kSection, "iMissing", 5), 5);
    }

    void unreadable_values_read_as_defaults()
    {
        const QString folder = TestEnvironment::ConfigHome() + u'/' + QString::fromUtf8(SettingsStore::kRoot);
        QVERIFY(QDir().mkpath(folder));
        QFile conf(folder + "/tst_bad.conf");
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("[Settings1]\niAmbient=garbage\niDepth=99999999999\niWidth=1,2\niHeight=77700\n");
        conf.close();
        SettingsStore store(QStringLiteral("tst_bad"));
        QCOMPARE(store.GetProfileInt(kSection, "iAmbient", 32), 32);
        QCOMPARE(store.GetProfileInt(kSection, "iDepth", 40000), 40000);
        QCOMPARE(store.GetProfileInt(kSection, "iWidth", 50000), 50000);
        QCOMPARE(store.GetProfileInt(kSection, "iHeight", 100000), 77700);
    }

    void unsigned_32_bit_entries_read_as_the_same_bits()
    {
        const QString folder = TestEnvironment::ConfigHome() + "/" + QString::fromUtf8(SettingsStore::kRoot);
        QVERIFY(QDir().mkpath(folder));
        QFile conf(folder + "/tst_unsigned.conf");
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("[Settings1]\niInsulation=4294967295\niWidth=2147483648\niHeight=4294967296\n"
                   "iEvaporating=4294967289\n");
        conf.close();
        {
            SettingsStore store(QStringLiteral("tst_unsigned"));
            QCOMPARE(store.GetProfileInt(kSection, "iWidth", 50000), std::numeric_limits<std::int32_t>::min());
            QCOMPARE(store.GetProfileInt(kSection, "iHeight", 100000), 100000); // 33 bits
            Session s(store);
            QCOMPARE(s.Text(InputField::iInsulation), QStringLiteral("-0.01"));
            QCOMPARE(s.Text(InputField::iEvaporating), QStringLiteral("-7"));
            s.Save(store); // at close: the value is kept, not replaced by the default
        }
        QVERIFY(conf.open(QIODevice::ReadOnly));
        const QByteArray saved = conf.readAll();
        QVERIFY2(saved.contains("iInsulation=-1\n"), saved.constData());
        QVERIFY(saved.contains("iEvaporating=-7\n"));
    }
};

} // namespace

QTEST_GUILESS_MAIN(StoredInputsTest)
#include "tst_storedinputs.moc"
