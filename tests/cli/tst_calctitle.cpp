// dorarive-calc's report title comes from the version block of the executable that runs, as the
// window's caption does: a copy of the real program with its block replaced or removed (by
// objcopy, as the build embeds it) prints the title of what it now carries.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr char kSection[] = ".dorarive.version";

// The source dorarive-version-block turns into a block (resources/version/version-block.ini.in).
QByteArray BlockSource(const QByteArray& description, const QByteArray& version, const QByteArray& special)
{
    return "[Fixed]\nFileVersion=" + version + "\nProductVersion=" + version +
           "\nFileOS=4\nFileType=1\nFileSubtype=0\n"
           "[Translation]\n0409=04E4\n"
           "[StringFileInfo]\nCompanyName=Nordavik\nFileDescription=" +
           description + "\nFileVersion=" + version + "\nProductName=Nordavik Kaldora\nSpecialBuild=" + special + "\n";
}

bool Run(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(program, arguments);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

class CalcTitleTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    // A copy of the built program, its block changed by `objcopy arguments`.
    QString Copy(const QString& name, const QStringList& objcopyArguments)
    {
        const QString copy = dir_.filePath(name);
        if (!QFile::copy(QStringLiteral(DORARIVE_CALC_PATH), copy))
            return {};
        if (!objcopyArguments.isEmpty() && !Run(QStringLiteral(OBJCOPY_PATH), objcopyArguments + QStringList{copy}))
            return {};
        return copy;
    }

    QByteArray Title(const QString& program)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.path());
        p.setProcessEnvironment(env);
        p.start(program, {});
        if (!p.waitForFinished(20000) || p.exitCode() != 0)
            return "(failed)";
        return p.readAllStandardOutput().split('\n').value(0);
    }

private slots:
    void title_follows_the_block_of_the_running_executable()
    {
        QVERIFY(dir_.isValid());
        const QString source = dir_.filePath(QStringLiteral("changed.ini"));
        const QString block = dir_.filePath(QStringLiteral("changed.bin"));
        QFile ini(source);
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(BlockSource("Kaldora Test Build", "7.3.0.0", "beta 2"));
        ini.close();
        QVERIFY(Run(QStringLiteral(VERSION_BLOCK_TOOL), {source, block}));

        QCOMPARE(Title(Copy(QStringLiteral("as-built"), {})), QByteArray("Nordavik Kaldora v1.0 "));
        const QString changed =
            Copy(QStringLiteral("changed"), {QStringLiteral("--update-section"), kSection + (u'=' + block)});
        QCOMPARE(Title(changed), QByteArray("Kaldora Test Build v7.3 beta 2"));
        // Without a block: the texts the window falls back on too (a blank title, version 0.0).
        const QString removed =
            Copy(QStringLiteral("removed"), {QStringLiteral("--remove-section"), QString::fromLatin1(kSection)});
        QCOMPARE(Title(removed), QByteArray("  v0.0"));
    }
};

QTEST_GUILESS_MAIN(CalcTitleTest)
#include "tst_calctitle.moc"
