#pragma once

#include <cstdint>
#include <string>

// The per-user settings store as the program uses it: 32-bit integer entries in named sections,
// and text entries (paths) in sections of their own. A write failure shows only in Flush().
class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    // The default when the entry is missing or holds no integer.
    virtual std::int32_t GetProfileInt(const std::string& section, const std::string& entry,
                                       std::int32_t defaultValue) const = 0;
    virtual void WriteProfileInt(const std::string& section, const std::string& entry, std::int32_t value) = 0;
    // Text entries, UTF-8; empty when missing.
    virtual std::string GetProfileString(const std::string& section, const std::string& entry) const = 0;
    virtual void WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) = 0;
    // Puts what was written on disk now; false when it did not get there.
    virtual bool Flush() { return true; }
    // Where it is, for messages: a file name; empty for a store in memory.
    virtual std::string Where() const { return {}; }
};
