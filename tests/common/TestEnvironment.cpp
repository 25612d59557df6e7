#include "TestEnvironment.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtGlobal>

namespace {

// Lives until the process ends, after the application object is gone.
QTemporaryDir& Root()
{
    static QTemporaryDir root;
    return root;
}

// QStandardPaths' test mode is not used: it points QSettings at a folder under the real home,
// shared by every test running at the same time.
constexpr struct {
    const char* variable;
    const char* folder;
} kFolders[] = {
    {"XDG_CONFIG_HOME", "config"},  {"XDG_CONFIG_DIRS", "config-dirs"}, {"XDG_DATA_HOME", "data"},
    {"XDG_DATA_DIRS", "data-dirs"}, {"XDG_STATE_HOME", "state"},
};

} // namespace

void TestEnvironment::Isolate()
{
    if (!Root().isValid())
        qFatal("no temporary folder for the test's settings: %s", qPrintable(Root().errorString()));
    for (const auto& f : kFolders) {
        const QString path = Root().filePath(QString::fromLatin1(f.folder));
        if (!QDir().mkpath(path))
            qFatal("cannot create %s", qPrintable(path));
        qputenv(f.variable, QFile::encodeName(path));
    }
    qunsetenv("XDG_CURRENT_DESKTOP");
    qunsetenv("BROWSER");
    qputenv("LC_ALL", "C.UTF-8");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

QString TestEnvironment::ConfigHome()
{
    return Root().filePath(QStringLiteral("config"));
}
