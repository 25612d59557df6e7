// `dorarive FILE`: the real program opens the file over the stored inputs at start, and keeps
// what it showed in the store when a termination signal closes it; a refused file leaves the
// stored inputs as they were.

#include "ProgramProbe.h"
#include "storage/StoredInputs.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

class OpenAtStartTest : public QObject {
    Q_OBJECT

private slots:
    void the_named_file_opens_over_the_stored_inputs_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("lengthUnit");
        // 17.93 in, stored with two decimals as the field shows it.
        QTest::newRow("a file") << QByteArray("{\"format\": \"nordavik-kaldora\", \"version\": 1,"
                                              " \"units\": {\"UnitsLength\": 1}, \"inputs\": {\"iDepth\": 17.93}}")
                                << 1793 << 1;
        QTest::newRow("a refused file") << QByteArray("{\"format\": \"nordavik-kaldora\", \"version\": 1,"
                                                      " \"inputs\": {\"iDepth\": \"deep\"}}")
                                        << 45555 << 0; // the units in use, stored with the inputs
    }
    void the_named_file_opens_over_the_stored_inputs()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, depth);
        QFETCH(int, lengthUnit);
        QTemporaryDir home;
        const QString conf = home.filePath("Nordavik Frimo 042/dorarive.conf");
        {
            QSettings seed(conf, QSettings::IniFormat);
            seed.setValue("Settings1/iDepth", 45555);
        }
        QFile file(home.filePath("cabinet.kaldora"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", home.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(home.path()); // the name as a file manager's %f may give it: relative
        program.start(QStringLiteral(DORARIVE_PATH), {"cabinet.kaldora"});
        QVERIFY(program.waitForStarted());
        // The handlers come once the window is up with its file; the refusal's message must not
        // keep the program from closing.
        QTRY_VERIFY_WITH_TIMEOUT(program.state() != QProcess::Running || CatchesSignal(program.processId(), SIGTERM),
                                 30000);
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);

        QSettings saved(conf, QSettings::IniFormat);
        QCOMPARE(saved.value("Settings1/iDepth").toInt(), depth);
        QCOMPARE(saved.value(QStringLiteral("Settings1/") + StoredInputs::kUnitsLength, -1).toInt(), lengthUnit);
        QCOMPARE(saved.value("Settings1/iRunTime").toInt(), 75); // written at close
    }
};

QTEST_GUILESS_MAIN(OpenAtStartTest)
#include "tst_open_at_start.moc"
