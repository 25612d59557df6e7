#include "storage/RescueFile.h"

#include "storage/CalcFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

QString RescueFile::Folder(const QString& root)
{
    // Qt 6.4 has no location for the state folder.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QLatin1Char('/') + root;
}

RescueFile::Outcome RescueFile::Write(const InputAssignments& inputs, const QString& root, const QString& application)
{
    const QString folder = Folder(root);
    if (!QDir().mkpath(folder))
        return {{}, QCoreApplication::translate("RescueFile", "%1: cannot be created").arg(folder).toStdString()};
    const QString stem = folder + QLatin1Char('/') + application + QLatin1Char('-') +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = stem + QLatin1Char('.') + QLatin1String(CalcFile::kSuffix);
    // Never over an earlier rescue.
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = stem + QLatin1Char('-') + QString::number(n) + QLatin1Char('.') + QLatin1String(CalcFile::kSuffix);
    if (const std::optional<std::string> error = CalcFile::Write(path, inputs))
        return {{}, *error};
    return {path, {}};
}
