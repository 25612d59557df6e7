#include "app/DoraRiveApp.h"

#include "app/Shutdown.h"
#include "app/TerminationSignals.h"
#include "controls/MessageBoxTitle.h"
#include "mainwindow/DoraRiveDlg.h"
#include "storage/SettingsStore.h"

#include <QFileInfo>
#include <QTimer>

DoraRiveApp::DoraRiveApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // The settings are kept under the program file's base name.
    setApplicationName(QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName());
    setOrganizationName(QString::fromUtf8(SettingsStore::kRoot));
    // Lets the desktop match the window to its entry (dorarive.desktop).
    setDesktopFileName(QStringLiteral("dorarive"));
}

int DoraRiveApp::Run()
{
    SettingsStore store(applicationName());
    DoraRiveDlg window(store);
    SetMessageBoxTitle(window.Texts().productName);

    TerminationSignals termination;
    connect(&termination, &TerminationSignals::terminationRequested, &window, [&window] { ShutDown(window); });
    // The session may end the process as soon as it has asked for its data: stored and on disk
    // now, then closed.
    connect(this, &QGuiApplication::commitDataRequest, &window, [&window, &store] {
        window.SaveInputs();
        store.Sync();
        ShutDown(window);
    });

    // A file named on the command line (the desktop entry's %f) opens over the stored inputs once
    // the window runs, so a refused file leaves them and its message shows over the window.
    if (const QStringList args = arguments(); args.size() > 1)
        QTimer::singleShot(0, &window, [&window, path = args.at(1)] { window.OpenFile(path); });

    window.exec();
    return 0;
}
