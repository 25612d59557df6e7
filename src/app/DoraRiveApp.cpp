#include "app/DoraRiveApp.h"

#include "app/Shutdown.h"
#include "app/TerminationSignals.h"
#include "controls/MessageBoxTitle.h"
#include "controls/UiLanguage.h"
#include "mainwindow/DoraRiveDlg.h"
#include "storage/SettingsStore.h"

#include <QFileInfo>

DoraRiveApp::DoraRiveApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // The settings are kept under the program file's base name.
    setApplicationName(QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName());
    setOrganizationName(QString::fromUtf8(SettingsStore::kRoot));
    // Lets the desktop match the window to its entry (dorarive.desktop).
    setDesktopFileName(QStringLiteral("dorarive"));
    // Before any window or text: the texts are looked up as they are built.
    InstallCatalogues(*this);
}

int DoraRiveApp::Run()
{
    SettingsStore store(applicationName());
    DoraRiveDlg window(store);
    SetMessageBoxTitle(window.Texts().productName);
    // A file named on the command line (the desktop entry's %f) opens over the stored inputs, so a
    // refused file leaves them; its message shows over the window without waiting. Before the
    // signal handlers: a program that catches SIGTERM has its file open.
    if (const QStringList args = arguments(); args.size() > 1)
        window.OpenFile(args.at(1));

    TerminationSignals termination;
    connect(&termination, &TerminationSignals::terminationRequested, &window, [&window] {
        window.SetUnattended();
        ShutDown(window);
    });
    // The session may end the process as soon as it has asked for its data: closing stores it
    // and puts it on disk at once (or in a rescue file).
    connect(this, &QGuiApplication::commitDataRequest, &window, [&window] {
        window.SetUnattended();
        ShutDown(window);
    });

    window.exec();
    return window.ExitStatus();
}
