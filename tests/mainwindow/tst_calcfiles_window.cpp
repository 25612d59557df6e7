// Calculation files in the real window: a file opens with the units, fields and results
// dorarive-calc computes from it (and a file the window saves opens there the same), in a
// decimal-comma locale too; a refused file changes nothing; Ctrl+S, Ctrl+Shift+S and Ctrl+O
// through the file dialog; the caption's file name and modified mark; a failed save; drops.

#include "ModalCloser.h"
#include "ScratchFiles.h"
#include "TestEnvironment.h"
#include "controls/NumericEdit.h"
#include "mainwindow/CalcFileCommands.h"
#include "mainwindow/DoraRiveDlg.h"
#include "presentation/ResultsList.h"
#include "storage/InputAssignments.h"
#include "storage/MemoryProfileStore.h"
#include "storage/StoredInputs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <clocale>
#include <csignal>
#include <memory>
#include <string>
#include <sys/resource.h>

using StoredInputs::kSection;

namespace {

const QString kCLocale = QStringLiteral("C.UTF-8");
using ScratchFiles::kCommaLocale;

// Types a name into the file dialog's name field and presses Enter, as a user would.
void TypeFileName(QWidget* modal, const QString& name)
{
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    QVERIFY(dialog);
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
    QVERIFY(edit && list);
    // A name offered by the dialog is also chosen in its list once the folder is listed; typing
    // replaces that choice only then, as it does for a user.
    if (!edit->text().isEmpty())
        QTRY_VERIFY(list->model()->rowCount(list->rootIndex()) > 0);
    // Typing replaces a chosen file only in the focused name field.
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->selectAll();
    QTest::keyClicks(edit, name);
    QTest::keyClick(edit, Qt::Key_Return);
}

// The numeric locale of this process while it lives; fields read it when they are made.
class NumericLocale {
public:
    explicit NumericLocale(const QString& name)
        : previous_(std::setlocale(LC_NUMERIC, nullptr))
    {
        ok = std::setlocale(LC_NUMERIC, name.toLatin1().constData()) != nullptr;
    }
    ~NumericLocale() { std::setlocale(LC_NUMERIC, previous_.c_str()); }
    bool ok = false;

private:
    std::string previous_;
};

// What the window shows, in the members of dorarive-calc's --json output.
QJsonObject Shown(const DoraRiveDlg& w)
{
    QJsonArray rows;
    const ResultsList* list = w.ResultsListWidget();
    for (int r = 0; r < list->rowCount(); ++r)
        rows.append(QJsonArray{list->item(r, 0)->text(), list->item(r, 1)->text()});
    QJsonObject fields;
    for (const InputFieldInfo& info : kInputFields)
        fields.insert(QLatin1String(info.name), w.Field(info.field)->CurrentText());
    return {{"rows", rows}, {"fields", fields}, {"warning", QString::fromStdString(w.WarningText())}};
}

// Every stored input entry, for comparing stores.
QStringList StoredEntries(const ProfileStore& store)
{
    QStringList names;
    for (const InputFieldInfo& info : kInputFields)
        names << QLatin1String(info.name);
    for (const SelectorInfo& s : kSelectors)
        names << QLatin1String(s.name);
    for (const OptionInfo& o : kOptions)
        names << QLatin1String(o.name);
    for (const char* name : {StoredInputs::kUnitsEnergy, StoredInputs::kUnitsTemperature, StoredInputs::kUnitsKValue,
                             StoredInputs::kUnitsVolume, StoredInputs::kUnitsLength, StoredInputs::kUnitsMass})
        names << QLatin1String(name);
    QStringList entries;
    for (const QString& name : names)
        entries << name + u'=' + QString::number(store.GetProfileInt(kSection, name.toStdString(), -999999));
    return entries;
}

UnitSystem AllUnits(int choice)
{
    return UnitSystem{choice, choice, choice, choice, choice, choice};
}

const QStringList kMetric{"iType=0",      "iInsulTherm=0.0412", "iType2=5",      "iDoorCheck=1",
                          "iCoolCheck=1", "iDepth=455.55",      "iAmbient=28.5", "iCoolMass=12.5"};
const QStringList kImperial{"UnitsEnergy=1", "UnitsTemperature=1", "UnitsPressure=1", "UnitsVolume=1",
                            "UnitsLength=1", "UnitsMass=1",        "iType=0",         "iInsulTherm=0.0241",
                            "iDoorCheck=1",  "iType2=2",           "iHeatCheck=1",    "iDepth=17.93",
                            "iAmbient=85.5"};

} // namespace

class CalcFilesWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::unique_ptr<MemoryProfileStore> store_;
    std::unique_ptr<DoraRiveDlg> window_;

    QString Path(const QString& name) const { return dir_.filePath(name); }
    QString Caption(const QString& file, bool modified = false) const
    {
        return (modified ? QStringLiteral("*") : QString()) + file + QStringLiteral(" — ") + window_->Texts().title;
    }

    DoraRiveDlg& OpenWindow()
    {
        window_ = std::make_unique<DoraRiveDlg>(*store_);
        Activate();
        return *window_;
    }
    // The window's keys work while it is active; after a dialog the platform gives it back late.
    void Activate() const
    {
        window_->activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window_.get());
    }
    void Type(InputField f, const QString& text)
    {
        NumericEdit* edit = window_->Field(f);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // dorarive-calc's --json output; with `save`, it writes that file first.
    QJsonObject Calc(QStringList arguments, const QString& locale, const QString& save = {}) const
    {
        arguments.prepend(QStringLiteral("--json"));
        if (!save.isEmpty())
            arguments << QStringLiteral("--save") << save;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.path());
        env.insert(QStringLiteral("LOCPATH"), QStringLiteral(DORARIVE_LOCALE_DIR));
        env.insert(QStringLiteral("LC_ALL"), locale);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(DORARIVE_CALC_PATH), arguments);
        if (!p.waitForFinished(30000) || p.exitCode() != 0)
            return {};
        const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
        return {{"rows", o.value("rows")}, {"fields", o.value("fields")}, {"warning", o.value("warning")}};
    }

    QString WriteText(const QString& name, const QByteArray& text) const
    {
        return ScratchFiles::Write(Path(name), text);
    }

    // The one warning shown over the window while `closer` watched, once it was acknowledged.
    QString Warning(const ModalCloser& closer) const
    {
        if (!QTest::qWaitFor([&] { return closer.count > 0; }) || closer.count != 1 ||
            closer.icons.value(0) != QMessageBox::Warning || closer.parents.value(0) != window_.get())
            return {};
        Activate();
        return closer.texts.value(0);
    }

public:
    static void initMain() { TestEnvironment::Isolate(); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        const QString problem = ScratchFiles::CompileCommaLocale(QStringLiteral(DORARIVE_LOCALE_DIR));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        qputenv("LOCPATH", DORARIVE_LOCALE_DIR);
    }
    void init() { store_ = std::make_unique<MemoryProfileStore>(); }
    void cleanup() { window_.reset(); }

    void a_file_from_dorarive_calc_opens_with_its_results_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("units");
        QTest::addColumn<QString>("locale");
        QTest::newRow("metric over imperial") << kMetric << 0 << kCLocale;
        QTest::newRow("imperial over metric") << kImperial << 1 << kCLocale;
        QTest::newRow("metric, decimal comma") << kMetric << 0 << kCommaLocale;
        QTest::newRow("imperial, decimal comma") << kImperial << 1 << kCommaLocale;
    }
    void a_file_from_dorarive_calc_opens_with_its_results()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, units);
        QFETCH(QString, locale);
        const QString file = Path(QStringLiteral("cabinet-600.kaldora"));
        QVERIFY(!Calc(arguments, locale, file).isEmpty());
        const QJsonObject expected = Calc({"--open", file}, locale);
        QVERIFY(!expected.isEmpty());

        // The window starts in the other units, with a material whose k field is closed and no door.
        StoredInputs::WriteUnitChoices(*store_, AllUnits(1 - units));
        store_->WriteProfileInt(kSection, "iType", 3);
        NumericLocale numeric(locale);
        QVERIFY(numeric.ok);
        DoraRiveDlg& w = OpenWindow();
        QVERIFY(!w.Field(InputField::iInsulTherm)->isEnabled());
        QVERIFY(!w.Field(InputField::iDoorWidth)->isVisible());

        const int calculations = w.CalculationCount();
        QVERIFY(w.OpenFile(file));
        // One calculation, with the whole file applied: none for each option on the way.
        QCOMPARE(w.CalculationCount(), calculations + 1);
        QCOMPARE(w.Units(), AllUnits(units));
        QCOMPARE(StoredInputs::ReadUnitChoices(*store_), AllUnits(units)); // as the Units dialog stores them
        QCOMPARE(Shown(w), expected);
        QVERIFY(!w.RecalcPending());
        // Laid out and named for the file's inputs and units.
        QVERIFY(w.Field(InputField::iInsulTherm)->isEnabled());
        QVERIFY(w.Field(InputField::iDoorWidth)->isVisible());
        QVERIFY2(w.Field(InputField::iDepth)->accessibleName().endsWith(units ? "(in.)" : "(mm)"),
                 qPrintable(w.Field(InputField::iDepth)->accessibleName()));
        QCOMPARE(w.windowTitle(), Caption("cabinet-600.kaldora"));
    }

    void ctrl_s_on_a_new_calculation_asks_for_a_name_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("C") << kCLocale;
        QTest::newRow("decimal comma") << kCommaLocale;
    }
    void ctrl_s_on_a_new_calculation_asks_for_a_name()
    {
        QFETCH(QString, locale);
        const QString name = QStringLiteral("new-%1").arg(locale == kCLocale ? 1 : 2);
        store_->WriteProfileInt(kSection, "iType", 0); // Customized
        NumericLocale numeric(locale);
        QVERIFY(numeric.ok);
        DoraRiveDlg& w = OpenWindow();
        QCOMPARE(w.windowTitle(), w.Texts().title);
        Type(InputField::iDepth, locale == kCLocale ? "455.5" : "455,5");
        Type(InputField::iInsulTherm, locale == kCLocale ? "0.031" : "0,031");
        QVERIFY(!w.Files()->Modified()); // no file, nothing to differ from

        ModalCloser closer([&](QWidget* modal) { TypeFileName(modal, Path(name)); });
        QTest::keyClick(w.Field(InputField::iInsulTherm), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(closer.classes, QStringList{"QFileDialog"});
        const QString file = Path(name + ".kaldora"); // the suffix is added
        QVERIFY(QFile::exists(file));
        QCOMPARE(w.windowTitle(), Caption(name + ".kaldora"));
        QCOMPARE(w.Field(InputField::iInsulTherm)->CurrentText(), locale == kCLocale ? "0.031" : "0,031");
        w.Recalculate(); // the typed values, calculated now
        QCOMPARE(Calc({"--open", file}, locale), Shown(w));

        // An edit marks the caption at once; Ctrl+S saves to the file without asking again.
        Activate();
        Type(InputField::iDepth, "500");
        QCOMPARE(w.windowTitle(), Caption(name + ".kaldora", true));
        QTest::keyClick(w.Field(InputField::iDepth), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.windowTitle(), Caption(name + ".kaldora"));
        QCOMPARE(closer.count, 1); // a dialog would have been answered before the key returned
        QCOMPARE(Calc({"--open", file}, locale).value("fields").toObject().value("iDepth").toString(), "500");
    }

    void a_refused_file_changes_nothing_and_says_why_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("problem");
        QTest::newRow("bad JSON") << QByteArray("{\"format\": \"nordavik-kaldora\",\n \"version\": 1,\n}")
                                  << "line 3: not valid JSON";
        QTest::newRow("unknown member") << QByteArray("{\"format\": \"nordavik-kaldora\", \"version\": 1,\n"
                                                      "\"inputs\": {\"iDepth\": 300, \"iDepht\": 5}}")
                                        << "line 2: unknown member \"iDepht\" in \"inputs\"";
        QTest::newRow("selection beyond its table")
            << QByteArray("{\"format\": \"nordavik-kaldora\", \"version\": 1, \"inputs\": {\"iType\": 99}}")
            << "iType 99 is not a row of its table";
        QTest::newRow("newer version") << QByteArray("{\"format\": \"nordavik-kaldora\", \"version\": 2}")
                                       << "version 2 is not known";
        QTest::newRow("missing file") << QByteArray() << "cannot be read";
    }
    void a_refused_file_changes_nothing_and_says_why()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, problem);
        const QString good = Path(QStringLiteral("good.kaldora"));
        QVERIFY(!Calc(kImperial, kCLocale, good).isEmpty());
        const QString refused = content.isEmpty() ? Path("gone.kaldora") : WriteText("refused.kaldora", content);
        DoraRiveDlg& w = OpenWindow();
        QVERIFY(w.OpenFile(good));
        Type(InputField::iWidth, "21.5");             // an edit since the file
        w.Control(OptionBox::iCoolCheck)->setFocus(); // the field's focus-out rules have run
        w.Recalculate();
        const QJsonObject shown = Shown(w);
        const QStringList stored = StoredEntries(*store_);
        const int calculations = w.CalculationCount();

        ModalCloser closer;
        QVERIFY(!w.OpenFile(refused));
        const QString message = Warning(closer);
        QVERIFY2(message.startsWith(refused + ": ") && message.contains(problem), qPrintable(message));
        QCOMPARE(Shown(w), shown);
        QCOMPARE(w.Units(), AllUnits(1));
        QCOMPARE(StoredEntries(*store_), stored);
        QCOMPARE(w.CalculationCount(), calculations);
        QCOMPARE(w.windowTitle(), Caption("good.kaldora", true));
        QCOMPARE(w.Files()->FilePath(), good);
    }

    void ctrl_o_opens_the_chosen_file_and_ctrl_shift_s_saves_a_copy_under_a_new_name()
    {
        const QString file = Path(QStringLiteral("chosen.kaldora"));
        const QJsonObject expected = Calc(kMetric, kCLocale, file);
        DoraRiveDlg& w = OpenWindow();
        NumericEdit* field = w.Field(InputField::iAmbient);
        {
            // Chosen rather than typed: the name field's completer would take the first Enter.
            // selectFile() leaves the name field alone while it has the focus, as it has once
            // the dialog is active, so the dialog is made active and the name set in the field.
            ModalCloser dialog([&](QWidget* modal) {
                auto* files = qobject_cast<QFileDialog*>(modal);
                QVERIFY(files && files->acceptMode() == QFileDialog::AcceptOpen);
                files->activateWindow();
                QTRY_VERIFY(files->isActiveWindow());
                files->setDirectory(QFileInfo(file).absolutePath());
                auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                QVERIFY(name);
                name->setText(QFileInfo(file).fileName());
                QCOMPARE(files->selectedFiles(), QStringList{file});
                static_cast<QDialog*>(files)->accept(); // QFileDialog hides it, the dialog keeps it
            });
            QTest::keyClick(field, Qt::Key_O, Qt::ControlModifier);
            QCOMPARE(dialog.classes, QStringList{"QFileDialog"});
        }
        QCOMPARE(Shown(w), expected);
        QCOMPARE(w.windowTitle(), Caption("chosen.kaldora"));

        Activate();
        {
            ModalCloser dialog([&](QWidget* modal) {
                QCOMPARE(qobject_cast<QFileDialog*>(modal)->selectedFiles(), QStringList{file}); // offered as is
                TypeFileName(modal, "copy");
            });
            QTest::keyClick(w.Field(InputField::iAmbient), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(dialog.classes, QStringList{"QFileDialog"});
        }
        QCOMPARE(w.windowTitle(), Caption("copy.kaldora"));
        QCOMPARE(Calc({"--open", Path("copy.kaldora")}, kCLocale), expected);
    }

    void options_and_fields_mark_the_caption_while_they_differ_from_the_file()
    {
        const QString file = Path(QStringLiteral("marks.kaldora"));
        QVERIFY(!Calc(kMetric, kCLocale, file).isEmpty());
        DoraRiveDlg& w = OpenWindow();
        QVERIFY(w.OpenFile(file));
        const QString depth = w.Field(InputField::iDepth)->CurrentText();
        Type(InputField::iDepth, "300");
        QVERIFY(w.Files()->Modified());
        QCOMPARE(w.windowTitle(), Caption("marks.kaldora", true));
        Type(InputField::iDepth, depth); // back as in the file
        QCOMPARE(w.windowTitle(), Caption("marks.kaldora"));

        auto* heat = static_cast<QCheckBox*>(w.Control(OptionBox::iHeatCheck));
        heat->click();
        QCOMPARE(w.windowTitle(), Caption("marks.kaldora", true));
        heat->click();
        QCOMPARE(w.windowTitle(), Caption("marks.kaldora"));
        auto* product = static_cast<QComboBox*>(w.Control(Selector::iProd));
        product->setCurrentIndex(product->currentIndex() + 1);
        QCOMPARE(w.windowTitle(), Caption("marks.kaldora", true));
    }

    void a_failed_save_says_why_and_keeps_the_old_file()
    {
        const QString file = Path(QStringLiteral("kept.kaldora"));
        QVERIFY(!Calc(kMetric, kCLocale, file).isEmpty());
        const QByteArray before = ScratchFiles::ReadAll(file);
        DoraRiveDlg& w = OpenWindow();
        QVERIFY(w.OpenFile(file));
        Type(InputField::iDepth, "300");
        ModalCloser closer;
        {
            // A file size limit far below the document: the write fails part-way.
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit old{};
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
            rlimit small = old;
            small.rlim_cur = 64;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
            QTest::keyClick(w.Field(InputField::iDepth), Qt::Key_S, Qt::ControlModifier);
            setrlimit(RLIMIT_FSIZE, &old);
            std::signal(SIGXFSZ, oldHandler);
        }
        const QString message = Warning(closer);
        QVERIFY2(message.startsWith(file + ": cannot be written: "), qPrintable(message));
        QCOMPARE(ScratchFiles::ReadAll(file), before);
        QCOMPARE(w.windowTitle(), Caption("kept.kaldora", true));

        QTest::keyClick(w.Field(InputField::iDepth), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.windowTitle(), Caption("kept.kaldora"));
        QVERIFY(ScratchFiles::ReadAll(file) != before);
    }

    void a_dropped_file_opens_data()
    {
        QTest::addColumn<bool>("onField");
        QTest::newRow("on the window") << false;
        QTest::newRow("on a numeric field") << true;
    }
    void a_dropped_file_opens()
    {
        QFETCH(bool, onField);
        const QString file = Path(QStringLiteral("dropped.kaldora"));
        const QJsonObject expected = Calc(kImperial, kCLocale, file);
        DoraRiveDlg& w = OpenWindow();
        QWidget* target = onField ? static_cast<QWidget*>(w.Field(InputField::iDepth)) : &w;
        const QPoint at = onField ? QPoint(5, 5) : QPoint(30, 400);

        QMimeData text;
        text.setUrls({QUrl::fromLocalFile(Path("notes.txt"))});
        QDragEnterEvent other(at, Qt::CopyAction | Qt::MoveAction, &text, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &other);
        QVERIFY(!other.isAccepted() || onField); // a field may take it as text

        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        // Shift held proposes a move.
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(enter.proposedAction(), Qt::MoveAction);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::CopyAction); // never a move: the file stays where it is
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(target, &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
        QTRY_COMPARE(w.windowTitle(), Caption("dropped.kaldora"));
        QCOMPARE(Shown(w), expected);
        QVERIFY(QFile::exists(file));
    }
};

QTEST_MAIN(CalcFilesWindowTest)
#include "tst_calcfiles_window.moc"
