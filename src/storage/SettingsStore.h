#pragma once

#include "storage/ProfileStore.h"

#include <QSettings>
#include <QString>

// The real per-user store: ~/.config/<root>/<application>.conf on Linux, the registry under
// HKEY_CURRENT_USER\Software\<root>\<application> on Windows.
class SettingsStore : public ProfileStore {
public:
    static constexpr const char* kRoot = "Nordavik Frimo 042";

    explicit SettingsStore(const QString& applicationName, const QString& root = QString::fromUtf8(kRoot));

    // A number from 2147483648 to 4294967295 is read as the signed number of the same 32 bits;
    // anything outside 32 bits reads as the default.
    std::int32_t GetProfileInt(const std::string& section, const std::string& entry,
                               std::int32_t defaultValue) const override;
    void WriteProfileInt(const std::string& section, const std::string& entry, std::int32_t value) override;

    std::string GetProfileString(const std::string& section, const std::string& entry) const override;
    void WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) override;

    // Pushes pending writes to disk now (QSettings replaces the file in one rename).
    void Sync();
    bool Flush() override;
    std::string Where() const override { return settings_.fileName().toStdString(); }
    QString FileName() const { return settings_.fileName(); }

private:
    mutable QSettings settings_;
};
