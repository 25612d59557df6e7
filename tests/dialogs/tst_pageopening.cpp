// Opening a web page: the real outcome of the real opener decides. Stand-in xdg-open and browser
// scripts (StandInOpeners) end with a chosen status or keep running; the browser is registered
// for text/html in a desktop of our own under temporary XDG folders.

#include "StandInOpeners.h"
#include "dialogs/OpenAddress.h"
#include "dialogs/OpenerRun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <optional>

namespace {

constexpr int kNone = -2; // no such program
const QString kAddress = QStringLiteral("https://nordavik.example/a b?c='d'&e=$(f)");

// The result of one opening, waited for while the event loop runs, as the window's does.
struct Outcome {
    std::optional<int> result;
    qint64 callMs = 0;   // how long the call itself took
    qint64 resultMs = 0; // until the result came
};

} // namespace

class PageOpeningTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir desktop_;

    // Registers `browser` as the desktop's text/html handler, or none.
    void RegisterBrowser(const QString& browser)
    {
        QDir(desktop_.path()).mkpath(QStringLiteral("applications"));
        QFile list(desktop_.filePath(QStringLiteral("mimeapps.list")));
        QVERIFY(list.open(QIODevice::WriteOnly | QIODevice::Truncate));
        if (!browser.isEmpty())
            list.write("[Default Applications]\ntext/html=standin.desktop;\n");
        QFile entry(desktop_.filePath(QStringLiteral("applications/standin.desktop")));
        QVERIFY(entry.open(QIODevice::WriteOnly | QIODevice::Truncate));
        entry.write("[Desktop Entry]\nType=Application\nExec=\"" + browser.toUtf8() + "\" --new-tab %u\n");
    }

    static Outcome Open(const std::function<void(QObject*, OpenDone)>& open)
    {
        QObject context;
        Outcome outcome;
        QElapsedTimer clock;
        clock.start();
        open(&context, [&](int result) {
            outcome.result = result;
            outcome.resultMs = clock.elapsed();
        });
        outcome.callMs = clock.elapsed();
        // A result that never came stays empty.
        [[maybe_unused]] const bool heard =
            QTest::qWaitFor([&] { return outcome.result.has_value(); }, OpenerRun::kPatienceMs + 5000);
        return outcome;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(desktop_.isValid());
        // One folder is every XDG folder: mimeapps.list in it, the desktop entry below it.
        qputenv("XDG_CONFIG_HOME", desktop_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", desktop_.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", desktop_.path().toLocal8Bit());
        qputenv("XDG_DATA_DIRS", desktop_.path().toLocal8Bit());
        qunsetenv("XDG_CURRENT_DESKTOP");
    }

    void the_openers_exit_status_decides_data()
    {
        QTest::addColumn<int>("opener");  // xdg-open's exit status
        QTest::addColumn<int>("browser"); // the registered handler's
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("browserRan");
        QTest::newRow("xdg-open opens it") << 0 << 0 << int(OpenResult::kOpened) << false;
        QTest::newRow("xdg-open finds no method, no handler") << 3 << kNone << int(OpenResult::kNoAssociation) << false;
        QTest::newRow("xdg-open fails, the handler opens it") << 3 << 0 << int(OpenResult::kOpened) << true;
        QTest::newRow("xdg-open fails, the handler too") << 4 << 1 << int(OpenResult::kAssociationIncomplete) << true;
        QTest::newRow("no xdg-open, the handler opens it") << kNone << 0 << int(OpenResult::kOpened) << true;
    }
    void the_openers_exit_status_decides()
    {
        QFETCH(int, opener);
        QFETCH(int, browser);
        QFETCH(int, result);
        QFETCH(bool, browserRan);
        StandInOpeners standIns;
        if (opener != kNone)
            QVERIFY(!standIns.Write(QStringLiteral("xdg-open"), opener).isEmpty());
        RegisterBrowser(browser == kNone ? QString() : standIns.Write(QStringLiteral("browser"), browser));

        const Outcome outcome =
            Open([](QObject* context, OpenDone done) { OpenAddress(kAddress, kShowNormal, context, done); });
        QCOMPARE(outcome.result, std::optional<int>(result));
        if (opener != kNone)
            QCOMPARE(standIns.Arguments(QStringLiteral("xdg-open")), QStringList{kAddress});
        QCOMPARE(standIns.Ran(QStringLiteral("browser")), browserRan);
        if (browserRan)
            QCOMPARE(standIns.Arguments(QStringLiteral("browser")),
                     (QStringList{QStringLiteral("--new-tab"), kAddress}));
    }

    void an_opener_still_running_counts_as_opened_and_is_left_running_data()
    {
        QTest::addColumn<bool>("throughHandler");
        QTest::newRow("xdg-open with the browser in the foreground") << false;
        QTest::newRow("the registered browser itself") << true;
    }
    void an_opener_still_running_counts_as_opened_and_is_left_running()
    {
        QFETCH(bool, throughHandler);
        StandInOpeners standIns;
        const QString name = throughHandler ? QStringLiteral("browser") : QStringLiteral("xdg-open");
        const QString program = standIns.Write(name, StandInOpeners::kKeepsRunning);
        if (throughHandler)
            QVERIFY(!standIns.Write(QStringLiteral("xdg-open"), 3).isEmpty());
        RegisterBrowser(throughHandler ? program : QString());

        const Outcome outcome =
            Open([](QObject* context, OpenDone done) { OpenAddress(kAddress, kShowNormal, context, done); });
        QVERIFY2(outcome.callMs < 500, qPrintable(QString::number(outcome.callMs))); // nothing waits
        QCOMPARE(outcome.result, std::optional<int>(OpenResult::kOpened));
        QVERIFY(outcome.resultMs >= OpenerRun::kPatienceMs);
        QVERIFY(outcome.resultMs < OpenerRun::kPatienceMs + 2000);
        // Never killed: it is the user's browser now.
        QFile pids(standIns.Dir() + QStringLiteral("/running.pids"));
        QVERIFY(pids.open(QIODevice::ReadOnly));
        QCOMPARE(::kill(pids.readAll().trimmed().toInt(), 0), 0);
    }

    void nobody_hears_once_the_asker_is_gone()
    {
        StandInOpeners standIns;
        QVERIFY(!standIns.Write(QStringLiteral("xdg-open"), 0).isEmpty());
        bool heard = false;
        {
            QObject context;
            OpenAddress(kAddress, kShowNormal, &context, [&heard](int) { heard = true; });
        }
        QTRY_VERIFY(standIns.Ran(QStringLiteral("xdg-open")));
        QTest::qWait(200);
        QVERIFY(!heard);
    }
};

QTEST_MAIN(PageOpeningTest)
#include "tst_pageopening.moc"
