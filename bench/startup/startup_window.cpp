// The real program's start-up up to its first paint: the application object, the settings
// store (point XDG_CONFIG_HOME at a temporary folder), the main window and its modal run.

#include "FirstPaintQuit.h"
#include "mainwindow/DoraRiveDlg.h"
#include "storage/SettingsStore.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("dorarive"));
    SettingsStore store(QStringLiteral("dorarive"));
    DoraRiveDlg window(store);
    FirstPaintQuit quit(window);
    window.exec();
    return 0;
}
