// The calculation on the screen is never replaced or closed away unasked: Open (and every way of
// opening), New and closing ask "Save changes to the current calculation?" while the inputs
// differ from where they came from; Cancel keeps everything. The open file, the recent files and
// the last folder are remembered across a restart in a section of their own.

#include "ModalCloser.h"
#include "TestEnvironment.h"
#include "controls/NumericEdit.h"
#include "mainwindow/CalcFileCommands.h"
#include "mainwindow/CommandMenu.h"
#include "mainwindow/DoraRiveDlg.h"
#include "storage/CalcFile.h"
#include "storage/DesktopRecent.h"
#include "storage/MemoryProfileStore.h"
#include "storage/SettingsStore.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString kQuestion = QStringLiteral("Save changes to the current calculation?");

// A file whose depth tells it apart; `more` adds members to its inputs.
QString WriteCalc(const QString& path, int depth, const QString& more = {})
{
    QFile file(path);
    const QByteArray text = QStringLiteral("{\"format\": \"nordavik-kaldora\", \"version\": 1, \"inputs\": "
                                           "{\"iDepth\": %1%2}}")
                                .arg(depth)
                                .arg(more)
                                .toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() ? path : QString();
}

QString SavedDepth(const QString& path)
{
    Tables tables;
    BuildTables(tables);
    InputAssignments inputs;
    return CalcFile::Read(path, tables, inputs) ? QString() : QString::fromStdString(inputs.numbers.at("iDepth"));
}

} // namespace

class ChangeQuestionsTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { TestEnvironment::Isolate(); }

private:
    QTemporaryDir dir_;
    std::unique_ptr<ProfileStore> store_;
    std::unique_ptr<DoraRiveDlg> window_;
    int stores_ = 0;

    DoraRiveDlg& Open()
    {
        window_ = std::make_unique<DoraRiveDlg>(*store_);
        window_->activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window_.get());
        return *window_;
    }
    QString Depth() const { return window_->Field(InputField::iDepth)->CurrentText(); }
    void TypeDepth(const QString& text)
    {
        NumericEdit* edit = window_->Field(InputField::iDepth);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    QString Caption(const QString& file, bool modified) const
    {
        return (modified ? QStringLiteral("*") : QString()) + file + QStringLiteral(" — ") + window_->Texts().title;
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    // Opens, with no question expected.
    void OpenQuietly(const QString& path)
    {
        ModalCloser closer;
        QVERIFY(window_->OpenFile(path));
        QCOMPARE(closer.count, 0);
    }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }
    void init() { store_ = std::make_unique<MemoryProfileStore>(); }
    void cleanup() { window_.reset(); }

    void opening_over_changed_inputs_asks_first_data()
    {
        QTest::addColumn<bool>("fromFile"); // the inputs came from a file, or are the start's
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::newRow("start inputs, cancel") << false << QMessageBox::Cancel;
        QTest::newRow("start inputs, discard") << false << QMessageBox::Discard;
        QTest::newRow("a file, cancel") << true << QMessageBox::Cancel;
        QTest::newRow("a file, save") << true << QMessageBox::Save;
    }
    void opening_over_changed_inputs_asks_first()
    {
        QFETCH(bool, fromFile);
        QFETCH(QMessageBox::StandardButton, answer);
        const QString first = WriteCalc(Path("first.kaldora"), 350);
        const QString other = WriteCalc(Path("other.kaldora"), 500);
        Open();
        if (fromFile)
            OpenQuietly(first);
        TypeDepth("300");
        const QString caption = window_->windowTitle();

        ModalCloser closer;
        closer.SetBoxAnswer([answer](QMessageBox* box) { box->button(answer)->click(); });
        QCOMPARE(window_->OpenFile(other), answer != QMessageBox::Cancel);
        QCOMPARE(closer.texts, QStringList{kQuestion});
        if (answer == QMessageBox::Cancel) {
            QCOMPARE(Depth(), QStringLiteral("300"));
            QCOMPARE(window_->windowTitle(), caption);
            return;
        }
        QCOMPARE(Depth(), QStringLiteral("500"));
        QCOMPARE(window_->windowTitle(), Caption("other.kaldora", false));
        QCOMPARE(SavedDepth(first), answer == QMessageBox::Save ? QStringLiteral("300") : QStringLiteral("350"));
    }

    void unchanged_inputs_and_refused_files_ask_nothing()
    {
        Open();
        OpenQuietly(WriteCalc(Path("a.kaldora"), 350));
        OpenQuietly(WriteCalc(Path("b.kaldora"), 360));
        TypeDepth("300");
        ModalCloser closer;
        QVERIFY(!window_->OpenFile(Path("missing.kaldora")));
        QTRY_COMPARE(closer.texts.size(), 1); // shown from the event loop
        QVERIFY(closer.texts.value(0) != kQuestion);
    }

    void new_starts_from_the_first_run_inputs_after_asking()
    {
        Open();
        const QString firstRun = Depth();
        OpenQuietly(WriteCalc(Path("new.kaldora"), 350));
        TypeDepth("300");
        ModalCloser closer;
        closer.SetBoxAnswer([](QMessageBox* box) { box->button(QMessageBox::Cancel)->click(); });
        QTest::keyClick(window_->Field(InputField::iDepth), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(closer.texts, QStringList{kQuestion});
        QCOMPARE(Depth(), QStringLiteral("300"));

        closer.SetBoxAnswer([](QMessageBox* box) { box->button(QMessageBox::Discard)->click(); });
        window_->Commands()->Action(CommandMenu::Command::New)->trigger();
        QCOMPARE(closer.texts.size(), 2);
        QCOMPARE(Depth(), firstRun);
        QCOMPARE(window_->windowTitle(), window_->Texts().title);
        // New is the origin now: unchanged, it is replaced without a question.
        OpenQuietly(Path("new.kaldora"));
    }

    void closing_asks_only_while_an_open_file_is_modified()
    {
        Open();
        TypeDepth("300");
        {
            ModalCloser closer;
            QTest::keyClick(window_->Field(InputField::iDepth), Qt::Key_Escape);
            QCOMPARE(closer.count, 0); // without a file the store keeps the inputs
            QVERIFY(!window_->isVisible());
        }
        Open();
        OpenQuietly(WriteCalc(Path("close.kaldora"), 350));
        TypeDepth("310");
        ModalCloser closer;
        closer.SetBoxAnswer([](QMessageBox* box) { box->button(QMessageBox::Cancel)->click(); });
        QTest::keyClick(window_->Field(InputField::iDepth), Qt::Key_Escape);
        QCOMPARE(closer.texts, QStringList{kQuestion});
        QVERIFY(window_->isVisible());
        closer.SetBoxAnswer([](QMessageBox* box) { box->button(QMessageBox::Discard)->click(); });
        window_->Commands()->Action(CommandMenu::Command::Close)->trigger();
        QCOMPARE(closer.texts.size(), 2);
        QVERIFY(!window_->isVisible());
        window_.reset();
        QCOMPARE(store_->GetProfileInt("Settings1", "iDepth", 0), 31000); // stored all the same
        QCOMPARE(SavedDepth(Path("close.kaldora")), QStringLiteral("350"));
    }

    void the_next_start_names_the_file_again()
    {
        const QString application = QStringLiteral("again%1").arg(++stores_);
        store_ = std::make_unique<SettingsStore>(application);
        // A glass door: the calculation writes its own thickness over the file's.
        const QString file = WriteCalc(Path("again.kaldora"), 350,
                                       QStringLiteral(", \"iDoorCheck\": 1, \"iType2\": 2, \"iDoorInsul\": 50"));
        OpenQuietly((Open(), file));
        window_.reset();

        store_ = std::make_unique<SettingsStore>(application);
        Open();
        QCOMPARE(window_->windowTitle(), Caption("again.kaldora", false));
        TypeDepth("300");
        window_->OnTimer();
        {
            ModalCloser closer;
            closer.SetBoxAnswer([](QMessageBox* box) { box->button(QMessageBox::Discard)->click(); });
            window_->close();
        }
        window_.reset();

        store_ = std::make_unique<SettingsStore>(application);
        Open();
        QCOMPARE(window_->windowTitle(), Caption("again.kaldora", true));
        // Opening another file over them (as `dorarive FILE` does) asks.
        ModalCloser closer;
        QVERIFY(!window_->OpenFile(WriteCalc(Path("later.kaldora"), 500)));
        QCOMPARE(closer.texts, QStringList{kQuestion});
        window_.reset();

        // Paths are text in a section of their own; the inputs' section keeps whole numbers.
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QString::fromUtf8(SettingsStore::kRoot),
                           application);
        QCOMPARE(settings.value("Files1/Current").toString(), file);
        settings.beginGroup("Settings1");
        const QStringList keys = settings.childKeys();
        QVERIFY(keys.size() > 30);
        for (const QString& key : keys)
            QVERIFY2(QRegularExpression("^-?\\d+$").match(settings.value(key).toString()).hasMatch(), qPrintable(key));
    }

    void recent_files_and_the_last_folder_are_kept()
    {
        const QString application = QStringLiteral("recent%1").arg(++stores_);
        store_ = std::make_unique<SettingsStore>(application);
        QTemporaryDir folder;
        Open();
        for (int i = 1; i <= 9; ++i)
            OpenQuietly(WriteCalc(folder.filePath(QStringLiteral("f%1.kaldora").arg(i)), 300 + i));
        OpenQuietly(folder.filePath("f8.kaldora")); // once in the list, to the front again
        window_.reset();
        QFile desktopList(DesktopRecent::ListPath());
        QVERIFY(desktopList.open(QIODevice::ReadOnly));
        QCOMPARE(desktopList.readAll().count(QUrl::fromLocalFile(folder.filePath("f8.kaldora")).toEncoded()), 1);

        store_ = std::make_unique<SettingsStore>(application);
        Open();
        QMenu* recent = window_->Commands()->RecentMenu();
        emit recent->aboutToShow();
        QStringList names;
        for (QAction* action : recent->actions())
            names << action->text();
        QCOMPARE(names, QStringList({"&1 f8.kaldora", "&2 f9.kaldora", "&3 f7.kaldora", "&4 f6.kaldora",
                                     "&5 f5.kaldora", "&6 f4.kaldora", "&7 f3.kaldora", "&8 f2.kaldora"}));
        recent->actions().at(2)->trigger();
        QCOMPARE(Depth(), QStringLiteral("307"));

        // The file dialog opens where the last file was, with none open now.
        QTest::keyClick(window_->Field(InputField::iDepth), Qt::Key_N, Qt::ControlModifier);
        ModalCloser closer([&](QWidget* modal) {
            auto* files = qobject_cast<QFileDialog*>(modal);
            QVERIFY(files);
            QCOMPARE(files->directory().absolutePath(), QDir(folder.path()).absolutePath());
        });
        QTest::keyClick(window_->Field(InputField::iDepth), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(closer.classes, QStringList{"QFileDialog"});
    }
};

QTEST_MAIN(ChangeQuestionsTest)
#include "tst_change_questions.moc"
