// The real program never loses the calculation on the screen: a kill -9 a few seconds after a
// change finds it in the store (written whole and in one step), and a store that cannot be
// written at a termination signal leaves it in a rescue file named on stderr, with a non-zero
// exit status.

#include "ProgramProbe.h"
#include "storage/SettingsStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>

namespace {

// Imperial temperatures with a changed width: the store must hold both or neither.
const QByteArray kFile = "{\"format\": \"nordavik-kaldora\", \"version\": 1, \"units\": {\"UnitsTemperature\": 1},"
                         " \"inputs\": {\"iWidth\": 1500, \"iAmbient\": 95}}";

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ino_t Inode(const QString& path)
{
    struct stat st = {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

bool Chattr(const char* flag, const QString& path)
{
    return QProcess::execute(QStringLiteral("chattr"), {QString::fromLatin1(flag), path}) == 0;
}

} // namespace

class StoreSafetyTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home_;

    QString Conf() const { return home_.filePath(QStringLiteral("config/Nordavik Frimo 042/dorarive.conf")); }
    QProcessEnvironment Environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_STATE_HOME"), home_.filePath(QStringLiteral("state")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return env;
    }
    QString WriteFile() const
    {
        const QString path = home_.filePath(QStringLiteral("wide.kaldora"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(kFile) != kFile.size())
            return {};
        return path;
    }
    // dorarive-calc's fields and rows for the given source, or an empty object.
    QJsonObject Calc(const QStringList& arguments) const
    {
        QProcess calc;
        calc.setProcessEnvironment(Environment());
        calc.start(QStringLiteral(DORARIVE_CALC_PATH), QStringList{QStringLiteral("--json")} + arguments);
        if (!calc.waitForFinished(30000) || calc.exitCode() != 0)
            return {};
        const QJsonObject o = QJsonDocument::fromJson(calc.readAllStandardOutput()).object();
        return {{"fields", o.value("fields")}, {"rows", o.value("rows")}};
    }
    void Start(QProcess& program, const QString& file) const
    {
        program.setProcessEnvironment(Environment());
        program.start(QStringLiteral(DORARIVE_PATH), {file});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(program.state() != QProcess::Running || CatchesSignal(program.processId(), SIGTERM),
                                 30000);
        QCOMPARE(program.state(), QProcess::Running);
    }

private slots:
    void initTestCase() { QVERIFY(home_.isValid()); }
    void init()
    {
        for (const char* folder : {"config", "state"})
            QDir(home_.filePath(QString::fromLatin1(folder))).removeRecursively();
    }

    void a_kill_after_the_autosave_keeps_the_changed_inputs()
    {
        const QString file = WriteFile();
        // What a clean close stores, as far as the store's whole numbers hold it.
        {
            QProcess program;
            Start(program, file);
            ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
            QVERIFY(program.waitForFinished(30000));
            QCOMPARE(program.exitCode(), 0);
        }
        const QJsonObject expected = Calc({QStringLiteral("--stored")});
        QVERIFY(expected.value("fields").toObject().value("iWidth") == "1500");
        QVERIFY(QDir(QFileInfo(Conf()).absolutePath()).removeRecursively());

        QVERIFY(QDir().mkpath(QFileInfo(Conf()).absolutePath()));
        {
            QFile seed(Conf());
            QVERIFY(seed.open(QIODevice::WriteOnly));
            seed.write("[Settings1]\niDepth=40000\n");
        }
        const ino_t seeded = Inode(Conf());
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        Start(program, file); // opened and calculated before the handlers are set
        QElapsedTimer sinceOpened;
        sinceOpened.start();
        QTRY_VERIFY_WITH_TIMEOUT(ReadAll(Conf()).contains("iWidth=150000"), 5000 + 2000);
        QVERIFY(sinceOpened.elapsed() < 5000);
        ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::CrashExit);

        // Replaced in one rename, never written over in place.
        QVERIFY(Inode(Conf()) != seeded);
        QCOMPARE(Calc({QStringLiteral("--stored")}), expected);
    }

    void an_unwritable_store_at_a_signal_leaves_a_rescue_file()
    {
        const QString folder = QFileInfo(Conf()).absolutePath();
        QVERIFY(QDir().mkpath(folder));
        if (!Chattr("+i", folder))
            QSKIP("this file system has no immutable folders");
        const QString file = WriteFile();
        const QJsonObject expected = Calc({QStringLiteral("--open"), file});

        QProcess program;
        Start(program, file);
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        const bool finished = program.waitForFinished(30000);
        Chattr("-i", folder);
        QVERIFY(finished);
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);

        const QString said = QString::fromLocal8Bit(program.readAllStandardError());
        const QString state = home_.filePath(QStringLiteral("state/Nordavik Frimo 042/"));
        const QRegularExpressionMatch named =
            QRegularExpression(QStringLiteral("(%1[^\\n]+\\.kaldora)").arg(QRegularExpression::escape(state)))
                .match(said);
        QVERIFY2(named.hasMatch(), qPrintable(said));
        QCOMPARE(Calc({QStringLiteral("--open"), named.captured(1)}), expected);
        QVERIFY(!QFileInfo::exists(Conf()));
        QVERIFY(!expected.isEmpty());
    }
};

QTEST_MAIN(StoreSafetyTest)
#include "tst_store_safety.moc"
