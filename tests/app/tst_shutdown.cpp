// A termination signal while a dialog is open: the program itself (DoraRiveApp::Run with its
// real window, dialogs and signal handling, over a settings file in a temporary folder) gets a
// real SIGTERM, SIGHUP or SIGINT from inside the dialog's event loop. Every dialog must be
// cancelled, the window closed and the inputs stored, and Run must return 0 at once.
//
// The application object under test is DoraRiveApp, so this executable has its own main().

#include "app/DoraRiveApp.h"
#include "controls/NumericEdit.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CHelpDlg.h"
#include "dialogs/CSettingsDlg.h"
#include "mainwindow/DoraRiveDlg.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>

namespace {

enum class Scenario {
    NoDialog,
    UnitsWithInchesChosen,
    HelpWithDisclaimer,
    AboutFromTheMenu,
    MenuOpen,
    PrintDialog,
    OffScreenDialog,
};

constexpr int kLengthPair = 4;
constexpr int kRescueMs = 5000;

template <class T>
T* Modal()
{
    return qobject_cast<T*>(QApplication::activeModalWidget());
}

// The main window once it is up (it is shown before its exec(), so Qt does not count it as modal).
DoraRiveDlg* Window()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<DoraRiveDlg*>(top); window && window->isVisible())
            return window;
    return nullptr;
}

QAbstractButton* Button(DoraRiveDlg& window, ControlId id)
{
    return qobject_cast<QAbstractButton*>(window.Control(id));
}

} // namespace

class ShutdownTest : public QObject {
    Q_OBJECT

public:
    explicit ShutdownTest(QString settingsFile)
        : settingsFile_(std::move(settingsFile))
    {
    }

private:
    QString settingsFile_;
    QPointer<QObject> steps_;
    QElapsedTimer sinceSignal_;
    bool rescued_ = false;

    // Runs `act` once `ready` holds, looking every 10 ms from whichever event loop is running;
    // `act` may open a dialog and so run a loop of its own.
    void When(std::function<bool()> ready, std::function<void()> act)
    {
        auto* poll = new QTimer(steps_);
        connect(poll, &QTimer::timeout, poll, [poll, ready, act] {
            if (!ready())
                return;
            poll->stop();
            act();
        });
        poll->start(10);
    }

    void Signal(int number)
    {
        sinceSignal_.start();
        ::raise(number);
    }

    // Before the mend a dialog outlived the window and Run never returned: close everything
    // from here, so that the test fails instead of hanging.
    void ArmRescue()
    {
        QTimer::singleShot(kRescueMs, steps_, [this] {
            rescued_ = true;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible())
                    dialog->reject();
        });
    }

    void OpenMenu(DoraRiveDlg& window)
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(40, 40), window.mapToGlobal(QPoint(40, 40)));
        QApplication::sendEvent(&window, &event);
    }

    void Script(Scenario scenario, int signal);
    void Act(DoraRiveDlg& window, Scenario scenario, int signal);

private slots:
    void init()
    {
        steps_ = new QObject(this);
        rescued_ = false;
        sinceSignal_.invalidate();
        QFile::remove(settingsFile_);
    }
    void cleanup() { delete steps_; }

    void signal_cancels_the_dialogs_and_stores_the_inputs_data()
    {
        QTest::addColumn<Scenario>("scenario");
        QTest::addColumn<int>("signal");
        QTest::newRow("no dialog, SIGTERM") << Scenario::NoDialog << SIGTERM;
        QTest::newRow("Units with inches chosen, SIGTERM") << Scenario::UnitsWithInchesChosen << SIGTERM;
        QTest::newRow("Help and its disclaimer box, SIGHUP") << Scenario::HelpWithDisclaimer << SIGHUP;
        QTest::newRow("About from the window's menu, SIGINT") << Scenario::AboutFromTheMenu << SIGINT;
        QTest::newRow("the window's menu open, SIGINT") << Scenario::MenuOpen << SIGINT;
        QTest::newRow("print dialog, SIGTERM") << Scenario::PrintDialog << SIGTERM;
        QTest::newRow("a dialog the platform draws, SIGTERM") << Scenario::OffScreenDialog << SIGTERM;
    }
    void signal_cancels_the_dialogs_and_stores_the_inputs()
    {
        QFETCH(Scenario, scenario);
        QFETCH(int, signal);
        Script(scenario, signal);
        ArmRescue();

        const int status = static_cast<DoraRiveApp*>(qApp)->Run();
        QVERIFY2(!rescued_, "a dialog stayed open after the signal");
        QCOMPARE(status, 0);
        QVERIFY(sinceSignal_.isValid());
        QVERIFY2(sinceSignal_.elapsed() < 1000, qPrintable(QString::number(sinceSignal_.elapsed())));
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible(), top->metaObject()->className());

        // Read from a copy: QSettings keeps the files it used parsed in memory.
        QTemporaryDir copies;
        QVERIFY(QFile::copy(settingsFile_, copies.filePath(QStringLiteral("saved.conf"))));
        QSettings saved(copies.filePath(QStringLiteral("saved.conf")), QSettings::IniFormat);
        QCOMPARE(saved.value("Settings1/iDepth").toInt(), 45555);       // typed before the dialog
        QCOMPARE(saved.value("Settings1/iRunTime").toInt(), 75);        // written at close
        QCOMPARE(saved.value("Settings1/UnitsLength     ").toInt(), 0); // Units converted nothing
        // The print dialog printed nothing (it proposes a PDF named after the program).
        QCOMPARE(QDir::home().entryList({QStringLiteral("*.pdf")}), QStringList());
        QCOMPARE(QDir::current().entryList({QStringLiteral("*.pdf")}), QStringList());
    }
};

void ShutdownTest::Script(Scenario scenario, int signal)
{
    When([] { return Window() != nullptr; },
         [this, scenario, signal] {
             DoraRiveDlg& window = *Window();
             NumericEdit* depth = window.Field(InputField::iDepth);
             depth->setFocus();
             depth->selectAll();
             QTest::keyClicks(depth, QStringLiteral("455.55"));
             Act(window, scenario, signal);
         });
}

void ShutdownTest::Act(DoraRiveDlg& window, Scenario scenario, int signal)
{
    switch (scenario) {
    case Scenario::NoDialog:
        Signal(signal);
        break;
    case Scenario::UnitsWithInchesChosen:
        When([] { return Modal<CSettingsDlg>() != nullptr; },
             [this, signal] {
                 Modal<CSettingsDlg>()->ImperialButton(kLengthPair)->click();
                 Signal(signal);
             });
        QTest::mouseClick(Button(window, ControlId::UnitsButton), Qt::LeftButton);
        break;
    case Scenario::HelpWithDisclaimer:
        When([] { return Modal<CHelpDlg>() != nullptr; },
             [this, signal] {
                 When([] { return Modal<QMessageBox>() != nullptr; }, [this, signal] { Signal(signal); });
                 Modal<CHelpDlg>()->DisclaimerButton().click();
             });
        QTest::mouseClick(Button(window, ControlId::HelpButton), Qt::LeftButton);
        break;
    case Scenario::AboutFromTheMenu:
        When([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; },
             [] {
                 auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                 for (QAction* action : menu->actions())
                     if (action->text().startsWith(QStringLiteral("&About")))
                         menu->setActiveAction(action);
                 QTest::keyClick(menu, Qt::Key_Return);
             });
        When([] { return Modal<CAboutDlg>() != nullptr; }, [this, signal] { Signal(signal); });
        OpenMenu(window);
        break;
    case Scenario::MenuOpen:
        When([] { return QApplication::activePopupWidget() != nullptr; }, [this, signal] { Signal(signal); });
        OpenMenu(window);
        break;
    case Scenario::PrintDialog:
        When([] { return Modal<QPrintDialog>() != nullptr; }, [this, signal] { Signal(signal); });
        QTest::mouseClick(Button(window, ControlId::PrintButton), Qt::LeftButton);
        break;
    case Scenario::OffScreenDialog: {
        // Qt shows a platform-drawn dialog (a desktop's own file chooser) this way: the
        // dialog runs its exec() but has no window of its own on the screen.
        QDialog drawnElsewhere(&window);
        drawnElsewhere.setAttribute(Qt::WA_DontShowOnScreen);
        When([&drawnElsewhere] { return drawnElsewhere.isVisible(); }, [this, signal] { Signal(signal); });
        drawnElsewhere.exec();
        break;
    }
    }
}

int main(int argc, char* argv[])
{
    // A settings folder and a home of our own: nothing may touch the user's files.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    QDir::setCurrent(home.path());

    DoraRiveApp app(argc, argv);
    ShutdownTest test(home.filePath(QStringLiteral("config/Nordavik Frimo 042/")) +
                      QCoreApplication::applicationName() + QStringLiteral(".conf"));
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shutdown.moc"
