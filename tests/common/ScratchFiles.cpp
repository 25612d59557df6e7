#include "ScratchFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace ScratchFiles {

QString CompileCommaLocale(const QString& dir)
{
    const QString compiled = dir + QLatin1Char('/') + kCommaLocale;
    if (QFile::exists(compiled + QStringLiteral("/LC_NUMERIC")))
        return {};
    QDir().mkpath(dir);
    QProcess localedef;
    localedef.start(QStringLiteral("localedef"), {"-i", "de_DE", "-f", "UTF-8", compiled});
    if (!localedef.waitForFinished(300000))
        return QStringLiteral("localedef did not finish");
    if (!QFile::exists(compiled + QStringLiteral("/LC_NUMERIC")))
        return QString::fromLocal8Bit(localedef.readAllStandardError());
    return {};
}

QString Write(const QString& path, const QByteArray& text)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
        return {};
    return f.fileName();
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace ScratchFiles
