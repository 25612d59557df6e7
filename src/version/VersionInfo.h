#pragma once

#include "version/VersionBlockFormat.h"

#include <QString>

#include <cstdint>
#include <vector>

// The platform's 20-byte module version record: size, major, minor, build number, platform.
struct ModuleVersionRecord {
    std::uint32_t size = 0;
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t buildNumber = 0;
    std::uint32_t platform = 0;
};

// Reads the version block an executable carries (see VersionBlockFormat) and answers the same
// queries as the platform's version API. It is valid once a block with a fixed record of the
// right signature and a translation list has been loaded; every query fails while it is not.
class VersionInfo {
public:
    static constexpr int kStandardNames = 13;
    static constexpr int kSpecialBuild = 11;
    static constexpr int kFileDescription = 2;
    static constexpr int kProductName = 9;

    // Our own executable.
    bool LoadFromModule();
    bool LoadFromFile(const QString& path);
    // A block already in memory, as LoadFromFile finds it in a file.
    bool LoadFromBlock(std::vector<std::uint8_t> block);

    bool IsValid() const { return valid_; }
    const VersionBlockFormat::FixedFileInfo& FixedInfo() const { return fixed_; }

    // out may be null (only asks whether the value exists); with out, capacity counts the
    // terminator the platform's buffers need, so at most capacity - 1 characters are copied.
    bool QueryString(const QString& name, QString* out, int capacity) const;
    bool QueryStandardString(int index, QString* out, int capacity) const;
    // The standard value name of index 0 to 12; a null string for any other index.
    static QString ValueName(int index);

    std::uint16_t FileMajor() const { return static_cast<std::uint16_t>(fixed_.fileVersionMS >> 16); }
    std::uint16_t FileMinor() const { return static_cast<std::uint16_t>(fixed_.fileVersionMS); }

    int TranslationCount() const { return static_cast<int>(translations_.size()); }
    int CurrentTranslationIndex() const { return current_; }
    std::uint32_t TranslationAt(int index) const;
    int FindTranslation(std::uint16_t language, std::uint16_t codePage) const;
    bool SelectTranslation(std::uint16_t language, std::uint16_t codePage);
    bool SelectTranslationIndex(int index);

    // The English name of a Windows language identifier; returns the length written, 0 when
    // out is null or capacity is not positive.
    static int LanguageName(std::uint16_t language, QString* out, int capacity);
    // "Unknown" and false for a code page outside the table.
    static bool CodePageName(std::uint16_t codePage, QString* name);

    // 0 when path is a library whose block gives a version; 1 otherwise (also for a missing
    // path or record, or a record whose size is not 20).
    static int QueryModuleVersion(const QString& path, ModuleVersionRecord* record);

    // Where LoadFromModule reads from.
    static QString ModulePath();

private:
    void Reset();

    VersionBlockFormat::FixedFileInfo fixed_;
    std::vector<std::uint8_t> block_;
    std::vector<std::uint32_t> translations_;
    int current_ = 0;
    bool valid_ = false;
};
