// A settings store that cannot be read or written never stops the program: it starts from the
// defaults (or whatever entries it could read), goes on, and skips what it cannot write. Checked
// on the store itself, on the window opened and closed over it, and on the real program. Closing
// over a store that cannot be written says so and offers Save As; a signal leaves a rescue file.

#include "ModalCloser.h"
#include "ProgramProbe.h"
#include "TestEnvironment.h"
#include "controls/NumericEdit.h"
#include "mainwindow/DoraRiveDlg.h"
#include "presentation/ResultsList.h"
#include "storage/CalcFile.h"
#include "storage/SettingsStore.h"
#include "storage/StoredInputs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

using StoredInputs::kSection;

namespace {

enum class Damage {
    GarbageText,
    BrokenIni,
    BinaryJunk,
    UnreadableEntries,
    DirectoryForFile,
    FileForFolder,
    ImmutableFile,
    ImmutableFolder,
};

constexpr int kDefaultDepth = 40000;
constexpr int kReadableDepth = 45555;

QByteArray Junk()
{
    QRandomGenerator random(8);
    QByteArray bytes(4096, '\0');
    for (char& b : bytes)
        b = static_cast<char>(random.bounded(256));
    return bytes;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool Chattr(const char* flag, const QString& path)
{
    return QProcess::execute(QStringLiteral("chattr"), {QString::fromLatin1(flag), path}) == 0;
}

// Spoils the store of one application name under the configuration folder, and mends it again.
class SpoiltStore {
public:
    SpoiltStore(const QString& configHome, const QString& application)
        : folder_(configHome + QLatin1Char('/') + QString::fromUtf8(SettingsStore::kRoot))
        , file_(folder_ + QLatin1Char('/') + application + QStringLiteral(".conf"))
    {
    }
    ~SpoiltStore() { Mend(); }

    // False when this file system cannot do it (no immutable files, say).
    bool Apply(Damage damage)
    {
        damage_ = damage;
        if (damage != Damage::FileForFolder && !QDir().mkpath(folder_))
            return false;
        switch (damage) {
        case Damage::GarbageText:
            return WriteFile(file_, "this is no settings file\nnor = is [this\n}{\n");
        case Damage::BrokenIni:
            return WriteFile(file_, "[Settings1]\niDepth=45555\n[Settings1\niWidth=\"unterminated\n[]\n");
        case Damage::BinaryJunk:
            return WriteFile(file_, Junk());
        case Damage::UnreadableEntries:
            return WriteFile(file_,
                             "[Settings1]\niDepth=@Rect(1 2 3 4)\niWidth=1e99\niHeight=@Variant(\\0\\0\\0\\x7f)\n"
                             "iAmbient=21\n");
        case Damage::DirectoryForFile:
            return QDir().mkpath(file_);
        case Damage::FileForFolder:
            return WriteFile(folder_, "not a folder");
        case Damage::ImmutableFile:
            return WriteFile(file_, "[Settings1]\niDepth=45555\n") && Chattr("+i", file_);
        case Damage::ImmutableFolder:
            return Chattr("+i", folder_);
        }
        return false;
    }

    // Whatever the program did, the damage it could not write over is still there.
    bool Intact() const
    {
        switch (damage_) {
        case Damage::DirectoryForFile:
            return QFileInfo(file_).isDir();
        case Damage::FileForFolder:
            return QFileInfo(folder_).isFile();
        case Damage::ImmutableFile:
            return QFileInfo(file_).size() == QByteArray("[Settings1]\niDepth=45555\n").size();
        case Damage::ImmutableFolder:
            return QDir(folder_).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        default:
            return true;
        }
    }

    // What the file holds now, read past QSettings, which keeps unwritten entries in memory.
    QByteArray OnDisk() const
    {
        QFile file(file_);
        return QFileInfo(file_).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void Mend()
    {
        if (damage_ == Damage::ImmutableFile)
            Chattr("-i", file_);
        if (damage_ == Damage::ImmutableFolder)
            Chattr("-i", folder_);
        if (QFileInfo(folder_).isFile())
            QFile::remove(folder_);
        else
            QDir(folder_).removeRecursively();
    }

private:
    QString folder_;
    QString file_;
    Damage damage_ = Damage::GarbageText;
};

} // namespace

class BadStoreTest : public QObject {
    Q_OBJECT

private:
    int stores_ = 0;

    // QSettings keeps recently used files parsed, so every store gets a name of its own.
    QString NextApplication() { return QStringLiteral("bad%1").arg(++stores_); }

    static void DamageTable()
    {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<int>("readDepth"); // what the store yields for iDepth
        QTest::addColumn<bool>("writable"); // whether a save reaches the file
        QTest::newRow("garbage text") << Damage::GarbageText << kDefaultDepth << true;
        QTest::newRow("broken INI keeps what it could read") << Damage::BrokenIni << kReadableDepth << true;
        QTest::newRow("binary junk") << Damage::BinaryJunk << kDefaultDepth << true;
        QTest::newRow("entries holding no integer") << Damage::UnreadableEntries << kDefaultDepth << true;
        QTest::newRow("directory in place of the file") << Damage::DirectoryForFile << kDefaultDepth << false;
        QTest::newRow("file in place of the folder") << Damage::FileForFolder << kDefaultDepth << false;
        QTest::newRow("immutable file") << Damage::ImmutableFile << kReadableDepth << false;
        QTest::newRow("immutable folder") << Damage::ImmutableFolder << kDefaultDepth << false;
    }

public:
    // QSettings takes the configuration folder once per process: a temporary one, set first.
    static void initMain() { TestEnvironment::Isolate(); }

private slots:
    void store_reads_what_it_can_and_skips_what_it_cannot_write_data() { DamageTable(); }
    void store_reads_what_it_can_and_skips_what_it_cannot_write()
    {
        QFETCH(Damage, damage);
        QFETCH(int, readDepth);
        QFETCH(bool, writable);
        const QString application = NextApplication();
        SpoiltStore spoilt(TestEnvironment::ConfigHome(), application);
        if (!spoilt.Apply(damage))
            QSKIP("this file system cannot be spoilt that way");
        {
            SettingsStore store(application);
            QCOMPARE(store.GetProfileInt(kSection, "iDepth", kDefaultDepth), readDepth);
            QCOMPARE(store.GetProfileInt(kSection, "iWidth", 50000), 50000);
            store.WriteProfileInt(kSection, "iWidth", 60000);
            store.Sync();
        }
        QCOMPARE(spoilt.OnDisk().contains("iWidth=60000"), writable);
        QVERIFY(spoilt.Intact());
    }

    void window_opens_over_it_and_closes_data() { DamageTable(); }
    void window_opens_over_it_and_closes()
    {
        QFETCH(Damage, damage);
        QFETCH(int, readDepth);
        QFETCH(bool, writable);
        const QString application = NextApplication();
        SpoiltStore spoilt(TestEnvironment::ConfigHome(), application);
        if (!spoilt.Apply(damage))
            QSKIP("this file system cannot be spoilt that way");
        {
            SettingsStore store(application);
            auto window = std::make_unique<DoraRiveDlg>(store);
            QVERIFY(window->Initialised());
            QCOMPARE(window->Field(InputField::iDepth)->Value() * 100, double(readDepth));
            QCOMPARE(window->ResultsListWidget()->rowCount(), 4); // a full calculation
            NumericEdit* width = window->Field(InputField::iWidth);
            width->setFocus();
            width->selectAll();
            QTest::keyClicks(width, QStringLiteral("600"));
            window->OnTimer();
            QCOMPARE(qRound(window->Results().netVolume * 100), qRound(readDepth * 0.6)); // depth x 600 x 1000
            window.reset();                                                               // saves every input
        }
        const QByteArray saved = spoilt.OnDisk();
        QCOMPARE(saved.contains("iWidth=60000"), writable);
        QCOMPARE(saved.contains("iRunTime=75"), writable);
        QVERIFY(spoilt.Intact());
    }

    void closing_over_an_unwritable_store_offers_save_as_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::newRow("save as") << QMessageBox::Save;
        QTest::newRow("discard") << QMessageBox::Discard;
        QTest::newRow("cancel") << QMessageBox::Cancel;
    }
    void closing_over_an_unwritable_store_offers_save_as()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        const QString application = NextApplication();
        SpoiltStore spoilt(TestEnvironment::ConfigHome(), application);
        QVERIFY(spoilt.Apply(Damage::DirectoryForFile));
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("rescued.kaldora"));
        SettingsStore store(application);
        DoraRiveDlg window(store);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        NumericEdit* width = window.Field(InputField::iWidth);
        width->setFocus();
        width->selectAll();
        QTest::keyClicks(width, QStringLiteral("600"));

        ModalCloser closer([&](QWidget* modal) {
            auto* files = qobject_cast<QFileDialog*>(modal);
            QVERIFY(files && files->acceptMode() == QFileDialog::AcceptSave);
            files->setDirectory(dir.path());
            auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(QFileInfo(file).fileName());
            static_cast<QDialog*>(files)->accept();
        });
        closer.SetBoxAnswer([answer](QMessageBox* box) { box->button(answer)->click(); });
        QTest::keyClick(width, Qt::Key_Escape);
        QCOMPARE(closer.texts.value(0), QStringLiteral("The inputs could not be stored in %1.").arg(store.FileName()));
        QCOMPARE(window.isVisible(), answer == QMessageBox::Cancel);
        QCOMPARE(QFileInfo::exists(file), answer == QMessageBox::Save);
        if (answer == QMessageBox::Save) {
            Tables tables;
            BuildTables(tables);
            InputAssignments saved;
            QCOMPARE(CalcFile::Read(file, tables, saved), std::nullopt);
            QCOMPARE(saved.numbers.at("iWidth"), std::string("600"));
        }
    }

    void program_runs_and_ends_on_sigterm_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<int>("exitCode");
        // 1: the inputs are in a rescue file, named on stderr.
        QTest::newRow("directory in place of the file") << Damage::DirectoryForFile << 1;
        QTest::newRow("binary junk") << Damage::BinaryJunk << 0;
    }
    void program_runs_and_ends_on_sigterm()
    {
        QFETCH(Damage, damage);
        QFETCH(int, exitCode);
        QTemporaryDir home;
        // The program keeps its settings under its file's base name.
        SpoiltStore spoilt(home.path(), QFileInfo(QStringLiteral(DORARIVE_PATH)).completeBaseName());
        QVERIFY(spoilt.Apply(damage));

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(DORARIVE_PATH), {});
        QVERIFY(program.waitForStarted());
        // Its termination handler is set once the window has read the store and calculated.
        QTRY_VERIFY_WITH_TIMEOUT(program.state() != QProcess::Running || CatchesSignal(program.processId(), SIGTERM),
                                 30000);
        QCOMPARE(program.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        QVERIFY(spoilt.Intact());
    }
};

QTEST_MAIN(BadStoreTest)
#include "tst_badstore.moc"
