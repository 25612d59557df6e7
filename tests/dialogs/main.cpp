#include "tst_helpabout.h"
#include "tst_hyperlinklabel.h"
#include "tst_openaddress.h"
#include "tst_versioninfo.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

int main(int argc, char* argv[])
{
    // An empty desktop of our own: whatever fails to open must not reach the user's browser,
    // and no test may touch the real settings.
    QTemporaryDir desktop;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"})
        qputenv(name, desktop.path().toLocal8Bit());
    qunsetenv("XDG_CURRENT_DESKTOP");
    qunsetenv("BROWSER");
    QStandardPaths::setTestModeEnabled(true);

    QApplication app(argc, argv);
    int failures = 0;
    {
        VersionInfoTest t;
        failures += QTest::qExec(&t, argc, argv);
    }
    {
        OpenAddressTest t;
        failures += QTest::qExec(&t, argc, argv);
    }
    {
        HyperLinkLabelTest t;
        failures += QTest::qExec(&t, argc, argv);
    }
    {
        HelpAboutTest t;
        failures += QTest::qExec(&t, argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
