// The main window on the offscreen platform: scheduling of calculations, the option and
// selection rules, units through the real dialog, and saving on every way of closing.

#include "ModalCloser.h"
#include "ProgramProbe.h"
#include "TestEnvironment.h"
#include "controls/NumericEdit.h"
#include "dialogs/CSettingsDlg.h"
#include "mainwindow/AutoSave.h"
#include "mainwindow/DoraRiveDlg.h"
#include "mainwindow/WindowPlacement.h"
#include "presentation/ResultsList.h"
#include "storage/MemoryProfileStore.h"
#include "storage/StoredInputs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

using StoredInputs::kSection;

namespace {

void ChooseUnits(QWidget* modal, std::initializer_list<int> imperialPairs, std::initializer_list<int> metricPairs,
                 bool ok)
{
    auto* dialog = qobject_cast<CSettingsDlg*>(modal);
    QVERIFY(dialog);
    for (int pair : imperialPairs)
        dialog->ImperialButton(pair)->click();
    for (int pair : metricPairs)
        dialog->MetricButton(pair)->click();
    ok ? dialog->accept() : dialog->reject();
}

enum Pair {
    Energy = 0,
    Temperature,
    KValue,
    Volume,
    Length,
    Mass
};

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { TestEnvironment::Isolate(); }

private:
    std::unique_ptr<MemoryProfileStore> store_;
    std::unique_ptr<DoraRiveDlg> window_;

    DoraRiveDlg& Open()
    {
        window_ = std::make_unique<DoraRiveDlg>(*store_);
        return *window_;
    }
    QString Text(InputField f) const { return window_->Field(f)->CurrentText(); }
    void Type(InputField f, const QString& text)
    {
        NumericEdit* edit = window_->Field(f);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    QWidget* Control(ControlId id) const { return window_->Control(id); }
    std::int32_t Stored(const char* entry) const { return store_->GetProfileInt(kSection, entry, -999999); }

private slots:
    void init() { store_ = std::make_unique<MemoryProfileStore>(); }
    void cleanup() { window_.reset(); }

    void typing_between_ticks_calculates_once_at_the_next_tick()
    {
        DoraRiveDlg& w = Open();
        QVERIFY(w.Initialised());
        QVERIFY(!w.RecalcPending());
        const int before = w.CalculationCount();
        Type(InputField::iDepth, "125");
        QCOMPARE(Text(InputField::iDepth), QStringLiteral("125"));
        QVERIFY(w.RecalcPending());
        QCOMPARE(w.CalculationCount(), before);
        w.OnTimer();
        QCOMPARE(w.CalculationCount(), before + 1);
        QCOMPARE(w.Results().netVolume, 62.5);
        w.OnTimer(); // nothing pending: no calculation
        QCOMPARE(w.CalculationCount(), before + 1);

        // The real timer polls once a second.
        Type(InputField::iDepth, "200");
        QTRY_COMPARE_WITH_TIMEOUT(w.CalculationCount(), before + 2, 2500);
        QCOMPARE(w.Results().netVolume, 100.0);
    }

    void closing_before_the_tick_still_stores_the_new_value()
    {
        Open();
        Type(InputField::iDepth, "455.55");
        Type(InputField::iAmbient, "21.7");
        window_.reset();
        QCOMPARE(Stored("iDepth"), 45555);
        QCOMPARE(Stored("iAmbient"), 21);
        // The unit choices the numbers are in go with them.
        QCOMPARE(Stored(StoredInputs::kUnitsLength), 0);
    }

    void typing_writes_nothing_the_calculation_after_it_saves_within_seconds()
    {
        DoraRiveDlg& w = Open();
        Type(InputField::iWidth, "1500");
        QVERIFY(!store_->Has(kSection, "iWidth"));
        QVERIFY(!w.Autosave().Pending());
        QElapsedTimer sinceCalculated;
        sinceCalculated.start();
        w.OnTimer();
        QVERIFY(w.Autosave().Pending());
        QTRY_COMPARE_WITH_TIMEOUT(Stored("iWidth"), 150000, 5000);
        QVERIFY(sinceCalculated.elapsed() <= 5000);
        QCOMPARE(Stored(StoredInputs::kUnitsLength), 0); // with its units
        w.Recalculate();                                 // nothing changed since
        QVERIFY(!w.Autosave().Pending());
    }

    void enter_does_not_close()
    {
        DoraRiveDlg& w = Open();
        QVERIFY(w.isVisible());
        QTest::keyClick(w.Field(InputField::iWidth), Qt::Key_Return);
        QTest::keyClick(&w, Qt::Key_Enter);
        QVERIFY(w.isVisible());
        QCOMPARE(w.result(), 0);
    }

    void escape_closes_and_stores()
    {
        DoraRiveDlg& w = Open();
        Type(InputField::iHeight, "900");
        QTest::keyClick(w.Field(InputField::iHeight), Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Rejected));
        window_.reset();
        QCOMPARE(Stored("iHeight"), 90000);
    }

    void option_shows_its_rows_and_results_at_once()
    {
        DoraRiveDlg& w = Open();
        QVERIFY(!Control(InputField::iDoorWidth)->isVisible());
        const int before = w.CalculationCount();
        const int insulationY = Control(InputField::iInsulation)->y();
        QTest::mouseClick(Control(OptionBox::iDoorCheck), Qt::LeftButton);
        QVERIFY(w.Form().Option(OptionBox::iDoorCheck));
        QVERIFY(Control(InputField::iDoorWidth)->isVisible());
        QVERIFY(Control(InputField::iDoorWidth)->isEnabled());
        QCOMPARE(Control(InputField::iInsulation)->y(), insulationY);
        QVERIFY(Control(InputField::iDoorWidth)->y() > insulationY);
        QCOMPARE(w.CalculationCount(), before + 1);
        QVERIFY(w.Results().doorLoad > 0);

        // Detailed conditions push the cabinet rows down by three.
        const int depthY = Control(InputField::iDepth)->y();
        QTest::mouseClick(Control(OptionBox::iCondCheck), Qt::LeftButton);
        QCOMPARE(Control(InputField::iDepth)->y(), depthY + 3 * w.CurrentLayout().rowPitch);
        QVERIFY(Control(InputField::iEvaporating)->isVisible());
    }

    void customized_material_enables_k_with_the_custom_value()
    {
        store_->WriteProfileInt(kSection, "iInsulTherm", 45000);
        Open();
        auto* k = window_->Field(InputField::iInsulTherm);
        QVERIFY(!k->isEnabled());
        auto* box = qobject_cast<QComboBox*>(Control(Selector::iType));
        box->setCurrentIndex(0);
        QVERIFY(k->isEnabled());
        QCOMPARE(Text(InputField::iInsulTherm), QStringLiteral("0.045"));
        QVERIFY(window_->RecalcPending());
        box->setCurrentIndex(3);
        QVERIFY(!k->isEnabled());
        QCOMPARE(Text(InputField::iInsulTherm), QStringLiteral("0.034"));
    }

    void customized_never_set_starts_from_the_previous_material_data()
    {
        QTest::addColumn<int>("imperialK");
        QTest::addColumn<QString>("shown");
        QTest::newRow("W/(m.K)") << 0 << "0.034";
        // 0.034 W/(m.K) in Btu/(h.ft.F), cut to the field's four decimals.
        QTest::newRow("Btu/(h.ft.F)") << 1 << "0.0196";
    }

    void customized_never_set_starts_from_the_previous_material()
    {
        QFETCH(int, imperialK);
        QFETCH(QString, shown);
        store_->WriteProfileInt(kSection, "UnitsPressure   ", imperialK);
        DoraRiveDlg& w = Open();
        auto* box = qobject_cast<QComboBox*>(Control(Selector::iType));
        box->setCurrentIndex(3);
        box->setCurrentIndex(0);
        QCOMPARE(Text(InputField::iInsulTherm), shown);
        w.OnTimer();
        QCOMPARE(w.ResultsListWidget()->rowCount(), 4);
        // Once set, the custom k is the row's own: another material and back keeps it.
        box->setCurrentIndex(1);
        box->setCurrentIndex(0);
        QCOMPARE(Text(InputField::iInsulTherm), shown);
    }

    void glass_door_disables_and_fills_the_thickness()
    {
        Open();
        QTest::mouseClick(Control(OptionBox::iDoorCheck), Qt::LeftButton);
        auto* door = qobject_cast<QComboBox*>(Control(Selector::iType2));
        door->setCurrentIndex(2); // Glass 3 layer
        QVERIFY(!Control(InputField::iDoorInsul)->isEnabled());
        window_->OnTimer();
        QCOMPARE(Text(InputField::iDoorInsul), QStringLiteral("36"));
        // The write-back asks for no calculation of its own, also when a later check stops this one.
        QVERIFY(!window_->RecalcPending());
        Type(InputField::iRunTime, "9");
        door->setCurrentIndex(1); // Glass 2 layer
        window_->OnTimer();
        QCOMPARE(Text(InputField::iDoorInsul), QStringLiteral("23"));
        QVERIFY(!window_->RecalcPending());
        // Off and on again: still disabled.
        QTest::mouseClick(Control(OptionBox::iDoorCheck), Qt::LeftButton);
        QTest::mouseClick(Control(OptionBox::iDoorCheck), Qt::LeftButton);
        QVERIFY(!Control(InputField::iDoorInsul)->isEnabled());
        door->setCurrentIndex(0);
        QVERIFY(Control(InputField::iDoorInsul)->isEnabled());
        QVERIFY(Control(InputField::iDoorInsulTherm)->isEnabled());
    }

    void units_dialog_converts_the_fields()
    {
        DoraRiveDlg& w = Open();
        QTest::mouseClick(Control(OptionBox::iCoolCheck), Qt::LeftButton);
        Type(InputField::iCoolMass, "1000");
        ModalCloser closer([](QWidget* m) { ChooseUnits(m, {Length, Temperature, Mass, KValue}, {}, true); });
        w.OnUnitsButton();
        QCOMPARE(Text(InputField::iWidth), QStringLiteral("19.68"));
        QCOMPARE(Text(InputField::iAmbient), QStringLiteral("90"));
        QCOMPARE(Text(InputField::iEvapTemp), QStringLiteral("37"));
        QCOMPARE(Text(InputField::iSubcool), QStringLiteral("1.8"));
        QCOMPARE(Text(InputField::iCoolMass), QStringLiteral("2205"));
        QCOMPARE(Text(InputField::iInsulTherm), QStringLiteral("0.0156"));
        QCOMPARE(w.Units().length, 1);
        QCOMPARE(store_->GetProfileInt(kSection, "UnitsLength     ", 0), 1);
        QCOMPARE(store_->GetProfileInt(kSection, "UnitsPressure   ", 0), 1);
        QVERIFY(!w.RecalcPending());

        closer.SetAnswer([](QWidget* m) { ChooseUnits(m, {}, {Length, Temperature, Mass, KValue}, true); });
        w.OnUnitsButton();
        QCOMPARE(Text(InputField::iWidth), QStringLiteral("500"));
        QCOMPARE(Text(InputField::iAmbient), QStringLiteral("32"));
        QCOMPARE(Text(InputField::iSubcool), QStringLiteral("1"));
        QCOMPARE(Text(InputField::iCoolMass), QStringLiteral("1000"));
        QCOMPARE(Text(InputField::iInsulTherm), QStringLiteral("0.027"));
    }

    void units_cancel_converts_nothing_but_recalculates()
    {
        DoraRiveDlg& w = Open();
        const int before = w.CalculationCount();
        ModalCloser closer([](QWidget* m) { ChooseUnits(m, {Length, Energy}, {}, false); });
        w.OnUnitsButton();
        QCOMPARE(closer.count, 1); // the dialog did open
        QCOMPARE(Text(InputField::iWidth), QStringLiteral("500"));
        QCOMPARE(w.Units(), UnitSystem{});
        QCOMPARE(w.CalculationCount(), before + 1);
        QVERIFY(!store_->Has(kSection, "UnitsLength     "));
    }

    void units_dialog_opens_on_the_current_choices()
    {
        StoredInputs::WriteUnitChoices(*store_, UnitSystem{1, 0, 0, 0, 1, 0});
        DoraRiveDlg& w = Open();
        bool checked = false;
        QString focused;
        ModalCloser closer([&](QWidget* m) {
            auto* d = qobject_cast<CSettingsDlg*>(m);
            checked = d->ImperialButton(Energy)->isChecked() && d->MetricButton(Temperature)->isChecked() &&
                      d->ImperialButton(Length)->isChecked();
            focused = d->focusWidget() ? d->focusWidget()->property("text").toString() : QString();
            d->accept();
        });
        w.OnUnitsButton();
        QVERIFY(checked);
        QCOMPARE(focused.remove(QLatin1Char('&')), QStringLiteral("OK"));
        QCOMPARE(Text(InputField::iWidth), QStringLiteral("500")); // OK without a change converts nothing
    }

    void results_click_schedules_a_recalculation()
    {
        DoraRiveDlg& w = Open();
        QVERIFY(!w.RecalcPending());
        ResultsList* list = w.ResultsListWidget();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        QVERIFY(w.RecalcPending());
        w.OnTimer();
        QCOMPARE(list->rowCount(), 4);
        QCOMPARE(list->selectedItems().size(), 8);
    }

    void validation_error_replaces_the_results()
    {
        DoraRiveDlg& w = Open();
        Type(InputField::iRunTime, "9");
        w.OnTimer();
        ResultsList* list = w.ResultsListWidget();
        QCOMPARE(list->rowCount(), 1);
        QCOMPARE(list->item(0, 0)->text(), QStringLiteral("Invalid max runtime value."));
        QCOMPARE(list->item(0, 1)->text(), QStringLiteral("10 to 100"));
        QVERIFY(!w.RecalcPending());
        Type(InputField::iRunTime, "75");
        w.OnTimer();
        QCOMPARE(list->rowCount(), 4);
    }

    void nothing_is_placed_while_maximised()
    {
        DoraRiveDlg& w = Open();
        QVERIFY(w.isMaximized());
        QTest::qWait(50);
        for (const char* entry : {"XPos", "YPos", "XSiz", "YSiz"})
            QVERIFY(!store_->Has(StoredInputs::kLocationSection, entry));
    }

    void size_change_relays_out_and_maximises_again()
    {
        DoraRiveDlg& w = Open();
        w.showNormal();
        w.resize(1200, 700);
        QTRY_VERIFY(!w.isMaximized());
        QCOMPARE(w.CurrentLayout().formLeft, 1200 - 780);
        QCOMPARE(w.Control(ControlId::UnitsButton)->x(), 1200 - 110);
        // The outer size of a standard frame around the client area.
        QVERIFY(store_->GetProfileInt(StoredInputs::kLocationSection, "XSiz", 0) > 1200);
        QVERIFY(store_->GetProfileInt(StoredInputs::kLocationSection, "YSiz", 0) > 700);
        w.OnTimer();
        QTRY_VERIFY(w.isMaximized());
        // mutter and KWin grant that only to a window that offers a maximise box (the Motif
        // hints Qt derives from the flags); openbox and the offscreen platform do regardless.
        QVERIFY(w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }

    void move_is_stored_only_while_not_maximised()
    {
        DoraRiveDlg& w = Open();
        w.showNormal();
        QTRY_VERIFY(!w.isMaximized());
        w.move(120, 90);
        QTRY_VERIFY(store_->Has(StoredInputs::kLocationSection, "XPos"));
        QCOMPARE(store_->GetProfileInt(StoredInputs::kLocationSection, "XPos", 0),
                 w.geometry().x() - WindowFrame(w).left);
    }

    void hovering_a_label_with_help_shows_the_tip()
    {
        DoraRiveDlg& w = Open();
        w.repaint(); // the paint registers the hot spots
        const LayoutResult& layout = w.CurrentLayout();
        // "   Temperature inside box" is row 2 of the left column.
        const QPoint label(layout.formLeft + 20 + 30, kFirstRowTop + 2 * layout.rowPitch + 5);
        QTest::mouseMove(&w, label);
        const QWidget* tip = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->windowFlags().testFlag(Qt::ToolTip) && top->isVisible())
                tip = top;
        QVERIFY(tip);
        QTest::mouseMove(&w, QPoint(layout.formLeft + 300, 30)); // the header band has no help
        QTRY_VERIFY(!tip->isVisible());
    }

    void termination_signal_saves_the_inputs()
    {
        QTemporaryDir home;
        QSettings seed(home.filePath("Nordavik Frimo 042/dorarive.conf"), QSettings::IniFormat);
        seed.setValue("Settings1/iDepth", 45555);
        seed.sync();

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", home.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(DORARIVE_PATH), {});
        QVERIFY(program.waitForStarted());
        // Its termination handler is set once the window has read the store.
        QTRY_VERIFY_WITH_TIMEOUT(program.state() != QProcess::Running || CatchesSignal(program.processId(), SIGTERM),
                                 30000);
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);

        QSettings saved(home.filePath("Nordavik Frimo 042/dorarive.conf"), QSettings::IniFormat);
        QCOMPARE(saved.value("Settings1/iDepth").toInt(), 45555);
        QCOMPARE(saved.value("Settings1/iRunTime").toInt(), 75); // written at close
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
