// What assistive tools learn about the main window through QAccessible: the painted labels
// reach them as the controls' names (with the units chosen), the help texts as descriptions,
// the buttons by caption and tip, and the results list row by row.

#include "ModalCloser.h"
#include "TestEnvironment.h"
#include "controls/NumericEdit.h"
#include "dialogs/CSettingsDlg.h"
#include "mainwindow/ControlTable.h"
#include "mainwindow/DoraRiveDlg.h"
#include "model/ResultRows.h"
#include "presentation/SpokenUnits.h"
#include "storage/MemoryProfileStore.h"
#include "storage/StoredInputs.h"

#include <QAccessible>
#include <QDir>
#include <QRadioButton>
#include <QSet>
#include <QTableWidget>
#include <QTranslator>
#include <QtTest>

#include <memory>

using StoredInputs::kSection;

namespace {

QAccessibleInterface* Accessible(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

// What a screen reader announces as a control's name: its own, or for a selection box (which on
// Linux reports its current item as its name) the name of the label it is labelled by.
// The offscreen platform has no accessibility bridge, so Qt reports no changes to the interfaces
// it has handed out; a reader looking at the window now is given a new one.
QAccessibleInterface* FreshAccessible(QWidget* widget)
{
    if (QAccessibleInterface* old = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
    return QAccessible::queryAccessibleInterface(widget);
}

QString NameOf(QWidget* widget)
{
    QAccessibleInterface* iface = Accessible(widget);
    if (!iface)
        return {};
    if (iface->role() != QAccessible::ComboBox)
        return iface->text(QAccessible::Name);
    const auto labels = iface->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

QString DescriptionOf(QWidget* widget)
{
    QAccessibleInterface* iface = Accessible(widget);
    return iface ? iface->text(QAccessible::Description) : QString();
}

QAccessible::Role RoleFor(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Field:
        return QAccessible::EditableText;
    case ControlKind::CheckBox:
        return QAccessible::CheckBox;
    case ControlKind::SelectionBox:
        return QAccessible::ComboBox;
    case ControlKind::Button:
        return QAccessible::Button;
    case ControlKind::ReportList:
        return QAccessible::Table;
    case ControlKind::LinkLabel:
        return QAccessible::StaticText;
    }
    return QAccessible::NoRole;
}

void SwitchAllUnits(QWidget* modal, bool imperial)
{
    auto* dialog = qobject_cast<CSettingsDlg*>(modal);
    if (!dialog)
        return;
    for (int pair = 0; pair < 6; ++pair)
        (imperial ? dialog->ImperialButton(pair) : dialog->MetricButton(pair))->click();
    dialog->accept();
}

constexpr UnitSystem kImperial{1, 1, 1, 1, 1, 1};

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MemoryProfileStore> store_;
    std::unique_ptr<DoraRiveDlg> window_;

    DoraRiveDlg& Open()
    {
        window_ = std::make_unique<DoraRiveDlg>(*store_);
        return *window_;
    }
    void AllOptionsOn()
    {
        for (const char* entry : {"iCondCheck", "iDoorCheck", "iHeatCheck", "iCoolCheck"})
            store_->WriteProfileInt(kSection, entry, 1);
    }

    static void NameTable()
    {
        QTest::addColumn<ControlId>("id");
        QTest::addColumn<QString>("metric");
        QTest::addColumn<QString>("imperial");
        const struct {
            const char* row;
            ControlId id;
            const char* metric;
            const char* imperial;
        } rows[] = {
            {"ambient", InputField::iAmbient, "Ambient temperature (degrees Celsius)",
             "Ambient temperature (degrees Fahrenheit)"},
            {"box temperature", InputField::iEvapTemp, "Temperature inside box (degrees Celsius)",
             "Temperature inside box (degrees Fahrenheit)"},
            {"subcooling difference", InputField::iSubcool, "Subcooling (kelvin)", "Subcooling (degrees Fahrenheit)"},
            {"depth", InputField::iDepth, "Depth (inner dimensions) (mm)", "Depth (inner dimensions) (in.)"},
            {"cabinet height", InputField::iHeight, "Cabinet Design: Height (mm)", "Cabinet Design: Height (in.)"},
            {"door height", InputField::iDoorHeight, "Door Design: Height (mm)", "Door Design: Height (in.)"},
            {"door width", InputField::iDoorWidth, "Width (inner dimensions) (mm)", "Width (inner dimensions) (in.)"},
            {"wall k", InputField::iInsulTherm, "Cabinet Design: Insulation k value (watts per metre kelvin)",
             "Cabinet Design: Insulation k value (BTU per hour foot degree Fahrenheit)"},
            {"door material", Selector::iType2, "Door Design: Insulation type", "Door Design: Insulation type"},
            {"light in watts always", InputField::iLightLoad, "Light (W)", "Light (W)"},
            {"cool-down mass", InputField::iCoolMass, "Cool down mass (kg)", "Cool down mass (lbs)"},
            {"cool-down time", InputField::iTime, "Cool down time (hours)", "Cool down time (hours)"},
            {"run time", InputField::iRunTime, "Max runtime (%)", "Max runtime (%)"},
            {"detailed option", OptionBox::iCondCheck, "Detailed conditions", "Detailed conditions"},
            {"heat option on its heading", OptionBox::iHeatCheck, "Additional Heat Load", "Additional Heat Load"},
            {"cool option on its heading", OptionBox::iCoolCheck, "Cool Down Load", "Cool Down Load"},
        };
        for (const auto& r : rows)
            QTest::newRow(r.row) << r.id << QString::fromUtf8(r.metric) << QString::fromUtf8(r.imperial);
    }

public:
    static void initMain() { TestEnvironment::Isolate(); }

private slots:
    void init() { store_ = std::make_unique<MemoryProfileStore>(); }
    void cleanup() { window_.reset(); }

    void every_control_has_a_distinct_name_and_its_role()
    {
        AllOptionsOn();
        DoraRiveDlg& w = Open();
        QSet<QString> names;
        for (const ControlInfo& info : kControls) {
            QWidget* control = w.Control(info.id);
            QAccessibleInterface* iface = Accessible(control);
            const QByteArray id = QByteArray::number(static_cast<int>(info.id));
            QVERIFY2(iface, id);
            const QString name = NameOf(control);
            QVERIFY2(!name.trimmed().isEmpty(), id);
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
            QCOMPARE(iface->role(), RoleFor(info.kind));
            if (info.kind == ControlKind::SelectionBox) // its label is for listeners only
                QVERIFY(iface->relations(QAccessible::Label).first().first->state().invisible);
        }
    }

    void names_carry_the_units_chosen_at_start_data() { NameTable(); }
    void names_carry_the_units_chosen_at_start()
    {
        QFETCH(ControlId, id);
        QFETCH(QString, metric);
        QFETCH(QString, imperial);
        QCOMPARE(NameOf(Open().Control(id)), metric);
        window_.reset();
        StoredInputs::WriteUnitChoices(*store_, kImperial);
        QCOMPARE(NameOf(Open().Control(id)), imperial);
    }

    void names_follow_a_change_of_units_data() { NameTable(); }
    void names_follow_a_change_of_units()
    {
        QFETCH(ControlId, id);
        QFETCH(QString, metric);
        QFETCH(QString, imperial);
        DoraRiveDlg& w = Open();
        ModalCloser closer([](QWidget* m) { SwitchAllUnits(m, true); });
        w.OnUnitsButton();
        QCOMPARE(w.Units(), kImperial);
        QCOMPARE(NameOf(w.Control(id)), imperial);
        closer.SetAnswer([](QWidget* m) { SwitchAllUnits(m, false); });
        w.OnUnitsButton();
        QCOMPARE(NameOf(w.Control(id)), metric);
    }

    void help_texts_describe_their_rows()
    {
        DoraRiveDlg& w = Open();
        const Tables& tables = w.TablesInUse();
        const struct {
            ControlId id;
            int helpRow; // -1: the row has no help
        } rows[] = {
            {InputField::iAmbient, 1},        {InputField::iEvapTemp, 2},  {InputField::iOpenings, 23},
            {InputField::iAntisweatLoad, 26}, {InputField::iCoolMass, 28}, {InputField::iRunTime, 34},
            {InputField::iWidth, -1},         {OptionBox::iDoorCheck, -1}, {Selector::iProd, -1},
        };
        for (const auto& r : rows) {
            const QString expected = r.helpRow < 0 ? QString() : QString::fromStdString(tables.FormHelp(r.helpRow));
            QCOMPARE(DescriptionOf(w.Control(r.id)), expected);
        }
        QVERIFY(!DescriptionOf(w.Control(InputField::iAmbient)).isEmpty());
    }

    void buttons_are_named_by_caption_and_described_by_tip_data()
    {
        QTest::addColumn<ControlId>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("help") << ControlId::HelpButton << "Help"
                              << "Display help information";
        QTest::newRow("print") << ControlId::PrintButton << "Print"
                               << "Print current calculation";
        QTest::newRow("units") << ControlId::UnitsButton << "Units"
                               << "Specify unit options";
        QTest::newRow("product selection") << ControlId::ProductSelectionButton << "Product Selection"
                                           << "Product selection web pages.";
    }
    void buttons_are_named_by_caption_and_described_by_tip()
    {
        QFETCH(ControlId, id);
        QFETCH(QString, name);
        QFETCH(QString, description);
        DoraRiveDlg& w = Open();
        QCOMPARE(NameOf(w.Control(id)), name);
        QCOMPARE(DescriptionOf(w.Control(id)), description);
    }

    void link_is_named_by_its_caption()
    {
        DoraRiveDlg& w = Open();
        QCOMPARE(NameOf(w.Control(ControlId::HomePageLink)), QStringLiteral("Visit Nordavik on the Web"));
        QVERIFY(DescriptionOf(w.Control(ControlId::HomePageLink)).startsWith(QStringLiteral("http")));
    }

    // In another language a reader hears the names, the spoken units and the list's heading in it.
    void names_speak_the_users_language_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& name : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("dorarive_*.qm")}))
            QTest::newRow(qPrintable(name.mid(9).chopped(3))) << name.chopped(3);
    }

    void names_speak_the_users_language()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(language, QStringLiteral(":/i18n")));
        QCoreApplication::installTranslator(&translator);
        DoraRiveDlg& w = Open();
        const auto tr = [](const char* context, const char* text) {
            return QCoreApplication::translate(context, text);
        };
        const QString celsius = tr("SpokenUnits", "degrees Celsius");
        QVERIFY(celsius != u"degrees Celsius");
        QCOMPARE(Accessible(w.Field(InputField::iAmbient))->text(QAccessible::Name),
                 tr("FormSheet", "   Ambient temperature").trimmed() + QStringLiteral(" (") + celsius + u')');
        QAccessibleInterface* list = Accessible(w.Control(ControlId::ResultsList));
        QCOMPARE(list->text(QAccessible::Name), tr("ResultRows", kResultsHeading));
        QVERIFY(list->tableInterface()->cellAt(1, 1)->text(QAccessible::Name).endsWith(celsius));
        window_.reset();
        QCoreApplication::removeTranslator(&translator);
    }

    void results_list_reads_its_rows()
    {
        DoraRiveDlg& w = Open();
        QAccessibleInterface* list = Accessible(w.Control(ControlId::ResultsList));
        QCOMPARE(list->text(QAccessible::Name), QString::fromUtf8(kResultsHeading));
        QAccessibleTableInterface* table = list->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->columnCount(), 2);
        const ResultRowSet expected = FormatResultRows(w.Results(), w.Units());
        for (int r = 0; r < 4; ++r) {
            QCOMPARE(table->cellAt(r, 0)->text(QAccessible::Name), QString::fromUtf8(kResultNames[r]));
            QCOMPARE(table->cellAt(r, 1)->text(QAccessible::Name),
                     QString::fromStdString(SpokenUnits(expected[static_cast<size_t>(r)].value, nullptr)));
        }
        // The units spoken, the painted cells as they are.
        QCOMPARE(table->cellAt(1, 1)->text(QAccessible::Name), QStringLiteral("-7.0 degrees Celsius"));
        QCOMPARE(table->cellAt(3, 1)->text(QAccessible::Name), QStringLiteral("1.0 kelvin"));
        QCOMPARE(static_cast<QTableWidget*>(w.Control(ControlId::ResultsList))->item(1, 1)->text(),
                 QString::fromUtf8("-7.0 \u00BAC"));
        QCOMPARE(table->selectedRowCount(), 4);

        // A failed check leaves one row: its message and the permitted range.
        NumericEdit* runTime = w.Field(InputField::iRunTime);
        runTime->setFocus();
        runTime->selectAll();
        QTest::keyClicks(runTime, QStringLiteral("9"));
        w.OnTimer();
        table = FreshAccessible(w.Control(ControlId::ResultsList))->tableInterface();
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("Invalid max runtime value."));
        QCOMPARE(table->cellAt(0, 1)->text(QAccessible::Name), QStringLiteral("10 to 100"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
