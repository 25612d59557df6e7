#include "storage/FileHistory.h"

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

void FileHistory::SetCurrent(const QString& path)
{
    SetText("Current", path);
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
