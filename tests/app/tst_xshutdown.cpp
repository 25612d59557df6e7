// The real program on a real X server (Xvfb) with a real pointer (xdotool): a click on Units
// opens the dialog, then SIGTERM must end the program with status 0 within two seconds and the
// inputs must be stored. Skipped where Xvfb or xdotool is missing (scripts/setup.sh installs
// both); tst_shutdown drives every dialog in-process on the offscreen platform.

#include "mainwindow/Layout.h"

#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

constexpr int kScreenWidth = 1366;
constexpr int kScreenHeight = 768;

// Runs xdotool and gives its output; empty when it failed or took too long.
QByteArray XdoTool(const QProcessEnvironment& env, const QStringList& arguments)
{
    QProcess tool;
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(15000)) {
        tool.kill();
        tool.waitForFinished();
        return {};
    }
    return tool.exitCode() == 0 ? tool.readAllStandardOutput() : QByteArray();
}

// "KEY=VALUE" lines of `getwindowgeometry --shell`.
int ShellValue(const QByteArray& lines, const QByteArray& key)
{
    for (const QByteArray& line : lines.split('\n'))
        if (line.startsWith(key + '='))
            return line.mid(key.size() + 1).toInt();
    return -1;
}

} // namespace

class XShutdownTest : public QObject {
    Q_OBJECT

private:
    QProcess server_;
    QProcessEnvironment env_;

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("needs Xvfb and xdotool");
        // The server picks a free display and writes its number to standard output.
        server_.start(QStringLiteral("Xvfb"),
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(kScreenWidth).arg(kScreenHeight),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QVERIFY(server_.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(server_.canReadLine(), 10000);
        const int display = server_.readLine().trimmed().toInt();
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert(QStringLiteral("DISPLAY"), QStringLiteral(":%1").arg(display));
        env_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    }

    void cleanupTestCase()
    {
        if (server_.state() == QProcess::Running) {
            server_.terminate();
            server_.waitForFinished();
        }
    }

    void sigterm_with_the_units_dialog_open_stores_and_ends()
    {
        QTemporaryDir home;
        const QString conf = home.filePath(QStringLiteral("Nordavik Frimo 042/dorarive.conf"));
        {
            QSettings seed(conf, QSettings::IniFormat);
            seed.setValue("Settings1/iDepth", 45555);
        }
        QProcessEnvironment env = env_;
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        QProcess program;
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(DORARIVE_PATH), {});
        QVERIFY(program.waitForStarted());
        const QString pid = QString::number(program.processId());

        const QByteArray window =
            XdoTool(env_, {"search", "--sync", "--onlyvisible", "--pid", pid, "--name", "Nordavik"})
                .split('\n')
                .value(0);
        QVERIFY2(!window.isEmpty(), "the window did not appear");
        QTest::qWait(1000); // the first calculation and layout
        const QByteArray geometry = XdoTool(env_, {"getwindowgeometry", "--shell", window});
        LayoutInput input;
        input.clientWidth = ShellValue(geometry, "WIDTH");
        input.clientHeight = ShellValue(geometry, "HEIGHT");
        input.screenHeight = kScreenHeight;
        const ControlRect units = ComputeLayout(input).Of(ControlId::UnitsButton).rect;
        XdoTool(env_, {"mousemove", "--window", window, QString::number(units.x + units.width / 2),
                       QString::number(units.y + units.height / 2), "click", "1"});
        const QByteArray dialog = XdoTool(env_, {"search", "--sync", "--onlyvisible", "--pid", pid, "--name", "Units"});
        QVERIFY2(!dialog.isEmpty(), "the Units dialog did not open");

        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        const bool ended = program.waitForFinished(2000);
        if (!ended) {
            program.kill();
            program.waitForFinished();
        }
        QVERIFY2(ended, "still running two seconds after SIGTERM");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QSettings saved(conf, QSettings::IniFormat);
        QCOMPARE(saved.value("Settings1/iDepth").toInt(), 45555);
        QCOMPARE(saved.value("Settings1/iRunTime").toInt(), 75); // written at close
    }
};

QTEST_GUILESS_MAIN(XShutdownTest)
#include "tst_xshutdown.moc"
