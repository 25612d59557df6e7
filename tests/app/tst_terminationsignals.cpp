// The termination signals, raised for real in this process: what the handler turns into a Qt
// signal, and what the process's dispositions are before, during and after.

#include "app/TerminationSignals.h"

#include <QSignalSpy>
#include <QtTest>

#include <csignal>

namespace {

volatile std::sig_atomic_t g_earlierHandlerRan = 0;

void EarlierHandler(int)
{
    g_earlierHandlerRan = 1;
}

sighandler_t Disposition(int sig)
{
    struct sigaction current = {};
    sigaction(sig, nullptr, &current);
    return current.sa_handler;
}

} // namespace

class TerminationSignalsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        std::signal(SIGTERM, SIG_DFL);
        std::signal(SIGHUP, SIG_DFL);
    }

    void a_signal_reaches_the_event_loop_and_the_earlier_handler_comes_back()
    {
        std::signal(SIGTERM, EarlierHandler);
        const sighandler_t interruptBefore = Disposition(SIGINT); // the test library's own
        {
            TerminationSignals handler;
            QSignalSpy spy(&handler, &TerminationSignals::terminationRequested);
            std::raise(SIGTERM);
            QVERIFY(spy.wait(5000));
            QCOMPARE(spy.count(), 1);
            QCOMPARE(g_earlierHandlerRan, 0);
        }
        QVERIFY(Disposition(SIGTERM) == &EarlierHandler);
        QVERIFY(Disposition(SIGINT) == interruptBefore);
    }

    // nohup starts a program with SIGHUP ignored so that it outlives its terminal.
    void a_signal_ignored_at_start_stays_ignored()
    {
        std::signal(SIGHUP, SIG_IGN);
        TerminationSignals handler;
        QVERIFY(Disposition(SIGHUP) == SIG_IGN);
        QVERIFY(Disposition(SIGINT) != SIG_DFL);
        QSignalSpy spy(&handler, &TerminationSignals::terminationRequested);
        std::raise(SIGHUP);
        std::raise(SIGINT);
        QVERIFY(spy.wait(5000));
        QTest::qWait(50); // a second byte, had SIGHUP got through, would be read by now
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TerminationSignalsTest)
#include "tst_terminationsignals.moc"
