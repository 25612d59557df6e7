#include "storage/SettingsStore.h"

#include <QFile>

#include <limits>

#include <sys/stat.h>

namespace {
QString Key(const std::string& section, const std::string& entry)
{
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(entry);
}
// Which file is at the path now: QSettings writes a new one and renames it over the old.
struct FileIdentity {
    ino_t inode = 0;
    std::int64_t modified = 0;
    bool operator==(const FileIdentity&) const = default;
};

FileIdentity IdentityOf(const QString& path)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {st.st_ino, std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}
} // namespace

SettingsStore::SettingsStore(const QString& applicationName, const QString& root)
    : settings_(QSettings::NativeFormat, QSettings::UserScope, root, applicationName)
{
}

std::int32_t SettingsStore::GetProfileInt(const std::string& section, const std::string& entry,
                                          std::int32_t defaultValue) const
{
    const QVariant value = settings_.value(Key(section, entry));
    if (!value.isValid())
        return defaultValue;
    bool ok = false;
    const qlonglong number = value.toString().trimmed().toLongLong(&ok);
    if (!ok || number < std::numeric_limits<std::int32_t>::min() || number > std::numeric_limits<std::uint32_t>::max())
        return defaultValue;
    // Other writers (a registry export, a hand edit) may give the same 32 bits as an unsigned
    // number: 4294967295 is -1.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
}

void SettingsStore::WriteProfileInt(const std::string& section, const std::string& entry, std::int32_t value)
{
    settings_.setValue(Key(section, entry), static_cast<int>(value));
}

std::string SettingsStore::GetProfileString(const std::string& section, const std::string& entry) const
{
    return settings_.value(Key(section, entry)).toString().toStdString();
}

void SettingsStore::WriteProfileString(const std::string& section, const std::string& entry, const std::string& value)
{
    settings_.setValue(Key(section, entry), QString::fromStdString(value));
}

bool SettingsStore::Flush()
{
    const FileIdentity before = IdentityOf(settings_.fileName());
    settings_.sync();
    switch (settings_.status()) {
    case QSettings::NoError:
        return true;
    case QSettings::FormatError:
        // The status keeps the first problem met, and a file that read badly says so for good;
        // whether this write got there shows in the file itself.
        return !(IdentityOf(settings_.fileName()) == before) && IdentityOf(settings_.fileName()).inode != 0;
    default:
        return false;
    }
}

void SettingsStore::Sync()
{
    settings_.sync();
}
