#include "storage/SettingsStore.h"

#include <limits>

namespace {
QString Key(const std::string& section, const std::string& entry)
{
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(entry);
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

void SettingsStore::Sync()
{
    settings_.sync();
}
