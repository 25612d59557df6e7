#include "storage/FileHistory.h"

#include <QCryptographicHash>
#include <QFile>

namespace {
std::string RecentEntry(int i)
{
    return "Recent" + std::to_string(i + 1);
}
} // namespace

QString FileHistory::Text(const std::string& entry) const
{
    return QString::fromStdString(store_.GetProfileString(kSection, entry));
}

void FileHistory::SetText(const std::string& entry, const QString& text)
{
    store_.WriteProfileString(kSection, entry, text.toStdString());
}

QString FileHistory::Current() const
{
    return Text("Current");
}

QString FileHistory::CurrentDigest() const
{
    return Text("CurrentDigest");
}

void FileHistory::SetCurrent(const QString& path, const QString& digest)
{
    SetText("Current", path);
    SetText("CurrentDigest", digest);
}

QString FileHistory::Digest(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return QString::fromLatin1(hash.result().toHex());
}

QStringList FileHistory::Recent() const
{
    QStringList paths;
    for (int i = 0; i < kMostRecent; ++i) {
        const QString path = Text(RecentEntry(i));
        if (!path.isEmpty() && !paths.contains(path))
            paths << path;
    }
    return paths;
}

void FileHistory::AddRecent(const QString& path)
{
    QStringList paths = Recent();
    paths.removeAll(path);
    paths.prepend(path);
    // The list never shrinks, so no entry is left behind.
    for (int i = 0; i < paths.size() && i < kMostRecent; ++i)
        SetText(RecentEntry(i), paths.at(i));
}

QString FileHistory::LastFolder() const
{
    return Text("LastFolder");
}

void FileHistory::SetLastFolder(const QString& folder)
{
    SetText("LastFolder", folder);
}
