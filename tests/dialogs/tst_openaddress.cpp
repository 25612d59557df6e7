#include "ModalCloser.h"
#include "StandInOpeners.h"
#include "TestEnvironment.h"
#include "dialogs/DesktopHandler.h"
#include "dialogs/OpenAddress.h"
#include "dialogs/OpenError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

using Command = DesktopHandler::Command;

void WriteFile(const QString& path, const QByteArray& content, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

// A desktop in a temporary folder: one config dir and one applications dir.
struct FakeDesktop {
    QTemporaryDir root;
    DesktopHandler::SearchPaths paths{
        {root.filePath(QStringLiteral("config"))}, {root.filePath(QStringLiteral("applications"))}, {}};

    QString Config(const QString& name) const { return QDir(paths.configDirs[0]).filePath(name); }
    QString Application(const QString& name) const { return QDir(paths.applicationDirs[0]).filePath(name); }

    void RegisterBrowser(const QString& id, const QString& exec,
                         const QString& listFile = QStringLiteral("mimeapps.list"))
    {
        WriteFile(Config(listFile), "[Default Applications]\ntext/html=" + id.toUtf8() + ";\n");
        WriteFile(Application(id), "[Desktop Entry]\nType=Application\nExec=" + exec.toUtf8() + "\n");
    }
};

// The result an opening reports, waited for while the event loop runs; -1 when none came.
int ResultOf(const std::function<void(QObject*, OpenDone)>& open)
{
    QObject context;
    int result = -1;
    open(&context, [&result](int r) { result = r; });
    // A result that never came stays -1.
    [[maybe_unused]] const bool heard = QTest::qWaitFor([&result] { return result != -1; }, 10000);
    return result;
}

} // namespace

class OpenAddressTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { TestEnvironment::Isolate(); }

private slots:
    void error_texts_data();
    void error_texts();
    void show_open_error_warns_with_ok();
    void command_from_exec_line_data();
    void command_from_exec_line();
    void address_stays_one_argument_data();
    void address_stays_one_argument();
    void default_handler_follows_lookup_order();
    void fallback_starts_handler_with_address();
    void fallback_result_codes_data();
    void fallback_result_codes();
    void no_handler_anywhere_is_no_association();
};

void OpenAddressTest::error_texts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("line");
    QTest::newRow("0 browser not started")
        << 0 << QStringLiteral("The web browser registered for web pages\ncould not be started.");
    QTest::newRow("2 browser not installed")
        << 2 << QStringLiteral("The web browser registered for web pages\nis not installed.");
    QTest::newRow("27 browser failed") << 27
                                       << QStringLiteral(
                                              "xdg-open could not open it, and the web browser\nregistered for "
                                              "web pages ended with an error.");
    QTest::newRow("26 sharing, trailing space") << 26 << QStringLiteral("A sharing violation occurred. ");
    QTest::newRow("31 no association") << 31
                                       << QStringLiteral(
                                              "xdg-open could not open it, and no web browser\nis registered "
                                              "for web pages (text/html).");
    QTest::newRow("32 is a failure") << 32 << QStringLiteral("The specified dynamic-link library was not found.");
    QTest::newRow("1 unknown") << 1 << QStringLiteral("Unknown Error (1) occurred.");
    QTest::newRow("33 unknown") << 33 << QStringLiteral("Unknown Error (33) occurred.");
    QTest::newRow("negative unknown") << -7 << QStringLiteral("Unknown Error (-7) occurred.");
}

void OpenAddressTest::error_texts()
{
    QFETCH(int, code);
    QFETCH(QString, line);
    QCOMPARE(OpenErrorText(code), QStringLiteral("Unable to open hyperlink:\n\n") + line);
}

void OpenAddressTest::show_open_error_warns_with_ok()
{
    ModalCloser closer;
    ShowOpenError(26, QStringLiteral("https://nordavik.example/page"));
    QCOMPARE(closer.texts,
             QStringList{OpenErrorText(26) + QStringLiteral("\n\nTo open it in a browser by hand, copy the address:\n"
                                                            "https://nordavik.example/page")});
    QCOMPARE(closer.icons.value(0), QMessageBox::Warning);
}

void OpenAddressTest::command_from_exec_line_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments"); // before the address

    QTest::newRow("field code, the rest cut") << "browser --new-window %u --private"
                                              << "browser" << QStringList{"--new-window"};
    QTest::newRow("quoted field code") << "browser \"%U\""
                                       << "browser" << QStringList{};
    QTest::newRow("file field code") << "viewer %F"
                                     << "viewer" << QStringList{};
    QTest::newRow("no field code: appended") << "browser --flag"
                                             << "browser" << QStringList{"--flag"};
    QTest::newRow("quoted program with blank") << "\"/opt/my browser/run\" %u"
                                               << "/opt/my browser/run" << QStringList{};
    // \s is a blank of the value, and a blank still separates unless it is quoted.
    QTest::newRow("escaped blank") << "my\\sbrowser %u"
                                   << "my" << QStringList{"browser"};
    QTest::newRow("escaped blank quoted") << "\"my\\sbrowser\" %u"
                                          << "my browser" << QStringList{};
    QTest::newRow("literal percent") << "browser --zoom=100%% %u"
                                     << "browser" << QStringList{"--zoom=100%"};
    QTest::newRow("icon code dropped") << "browser %i --x %u"
                                       << "browser" << QStringList{"--x"};
    QTest::newRow("code inside a word") << "browser --url=%u"
                                        << "browser" << QStringList{"--url="};
    QTest::newRow("empty quoted argument kept") << "browser \"\" %u"
                                                << "browser" << QStringList{""};
    QTest::newRow("escaped quote") << "browser \"say \\\"hi\\\"\" %u"
                                   << "browser" << QStringList{"say \"hi\""};
}

void OpenAddressTest::command_from_exec_line()
{
    QFETCH(QString, exec);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    const QString address = QStringLiteral("https://nordavik.example/");
    const auto command = DesktopHandler::CommandFor(exec, address);
    QVERIFY(command);
    QCOMPARE(command->program, program);
    QCOMPARE(command->arguments, arguments + QStringList{address});
}

void OpenAddressTest::address_stays_one_argument_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("blanks") << "https://nordavik.example/a b c";
    QTest::newRow("command separator") << "https://x.example/'; touch pwned; '";
    QTest::newRow("substitution") << "https://x.example/$(touch pwned)`id`";
    QTest::newRow("quotes and field code") << "\"%u\" \\\" %F";
}

void OpenAddressTest::address_stays_one_argument()
{
    QFETCH(QString, address);
    const auto command = DesktopHandler::CommandFor(QStringLiteral("browser %u"), address);
    QVERIFY(command);
    QCOMPARE(command->arguments, QStringList{address});
}

void OpenAddressTest::default_handler_follows_lookup_order()
{
    FakeDesktop desktop;
    QCOMPARE(DesktopHandler::DefaultExec(QStringLiteral("text/html"), desktop.paths), std::nullopt);
    QVERIFY(!DesktopHandler::CommandFor(QStringLiteral("browser \"unbalanced"), QStringLiteral("x")));
    QVERIFY(!DesktopHandler::CommandFor(QStringLiteral("%u"), QStringLiteral("x")));
    QVERIFY(!DesktopHandler::CommandFor(QString(), QStringLiteral("x")));

    // The oldest source first, then each more important one on top of it.
    WriteFile(desktop.Application(QStringLiteral("cache.desktop")), "[Desktop Entry]\nExec=cache %u\n");
    WriteFile(desktop.Application(QStringLiteral("mimeinfo.cache")), "[MIME Cache]\ntext/html=cache.desktop;\n");
    QCOMPARE(DesktopHandler::DefaultExec(QStringLiteral("text/html"), desktop.paths), QStringLiteral("cache %u"));

    WriteFile(desktop.Application(QStringLiteral("vendor/legacy.desktop")), "[Desktop Entry]\nExec=legacy %u\n");
    WriteFile(desktop.Application(QStringLiteral("defaults.list")),
              "[Default Applications]\ntext/html=vendor-legacy.desktop\n");
    QCOMPARE(DesktopHandler::DefaultExec(QStringLiteral("text/html"), desktop.paths), QStringLiteral("legacy %u"));

    // A missing or hidden entry gives way to the next one of the same list.
    WriteFile(desktop.Application(QStringLiteral("hidden.desktop")), "[Desktop Entry]\nHidden=true\nExec=hidden %u\n");
    WriteFile(desktop.Application(QStringLiteral("user.desktop")), "[Desktop Entry]\nName=User\nExec=user %u\n");
    WriteFile(desktop.Config(QStringLiteral("mimeapps.list")),
              "[Added Associations]\ntext/html=cache.desktop;\n[Default Applications]\n"
              "text/html=gone.desktop;hidden.desktop;user.desktop;\n");
    QCOMPARE(DesktopHandler::DefaultExec(QStringLiteral("text/html"), desktop.paths), QStringLiteral("user %u"));

    desktop.paths.desktops = {QStringLiteral("mydesk")};
    desktop.RegisterBrowser(QStringLiteral("desk.desktop"), QStringLiteral("desk %u"),
                            QStringLiteral("mydesk-mimeapps.list"));
    QCOMPARE(DesktopHandler::DefaultExec(QStringLiteral("text/html"), desktop.paths), QStringLiteral("desk %u"));
}

void OpenAddressTest::fallback_starts_handler_with_address()
{
    FakeDesktop desktop;
    const QString record = desktop.root.filePath(QStringLiteral("arguments.txt"));
    const QString script = desktop.root.filePath(QStringLiteral("record-browser"));
    // Writes each argument on a line of its own, then renames, so a half-written file is never read.
    WriteFile(script,
              "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" + record.toUtf8() + ".part\"\nmv \"" +
                  record.toUtf8() + ".part\" \"" + record.toUtf8() + "\"\n",
              true);
    desktop.RegisterBrowser(QStringLiteral("record.desktop"),
                            u'"' + script + QStringLiteral("\" --new-tab %u --ignored"));

    const QString address = QStringLiteral("https://nordavik.example/'; touch pwned; $(touch pwned)");
    QCOMPARE(ResultOf([&](QObject* c, OpenDone d) { OpenThroughHandler(address, desktop.paths, c, d); }),
             OpenResult::kOpened);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
    QFile file(record);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), QStringLiteral("--new-tab\n") + address + u'\n');
    QVERIFY(!QFile::exists(desktop.root.filePath(QStringLiteral("pwned"))));
    QVERIFY(!QFile::exists(QDir::current().filePath(QStringLiteral("pwned"))));
}

void OpenAddressTest::fallback_result_codes_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QByteArray>("programContent"); // written to "program" in the desktop's folder
    QTest::addColumn<bool>("executable");
    QTest::addColumn<int>("result");
    QTest::newRow("no Exec program") << "%u" << QByteArray() << false << OpenResult::kNoAssociation;
    QTest::newRow("program missing") << "/nonexistent/browser %u" << QByteArray() << false << OpenResult::kFileNotFound;
    QTest::newRow("not on the path") << "no-such-browser-anywhere %u" << QByteArray() << false
                                     << OpenResult::kFileNotFound;
    QTest::newRow("not executable") << "@program %u" << QByteArray("#!/bin/sh\n") << false << OpenResult::kFileNotFound;
    QTest::newRow("cannot be started") << "@program %u" << QByteArray("\x01\x02 not a program") << true
                                       << OpenResult::kOutOfResources;
    QTest::newRow("opened") << "@program %u" << QByteArray("#!/bin/sh\nexit 0\n") << true << OpenResult::kOpened;
    QTest::newRow("ran and failed") << "@program %u" << QByteArray("#!/bin/sh\nexit 1\n") << true
                                    << OpenResult::kAssociationIncomplete;
    QTest::newRow("crashed") << "@program %u" << QByteArray("#!/bin/sh\nkill -SEGV $$\n") << true
                             << OpenResult::kAssociationIncomplete;
}

void OpenAddressTest::fallback_result_codes()
{
    QFETCH(QString, exec);
    QFETCH(QByteArray, programContent);
    QFETCH(bool, executable);
    QFETCH(int, result);
    FakeDesktop desktop;
    const QString program = desktop.root.filePath(QStringLiteral("program"));
    if (!programContent.isEmpty())
        WriteFile(program, programContent, executable);
    desktop.RegisterBrowser(QStringLiteral("b.desktop"), exec.replace(QStringLiteral("@program"), program));
    QCOMPARE(ResultOf([&](QObject* c, OpenDone d) {
                 OpenThroughHandler(QStringLiteral("https://nordavik.example/"), desktop.paths, c, d);
             }),
             result);
}

void OpenAddressTest::no_handler_anywhere_is_no_association()
{
    // The test run's own desktop is empty (TestEnvironment), and no xdg-open is on the path.
    const StandInOpeners nothing;
    QCOMPARE(ResultOf([](QObject* c, OpenDone d) {
                 OpenAddress(QStringLiteral("https://nordavik.example/nothing"), kShowNormal, c, d);
             }),
             OpenResult::kNoAssociation);
}

QTEST_MAIN(OpenAddressTest)
#include "tst_openaddress.moc"
