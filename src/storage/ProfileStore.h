#pragma once

#include <cstdint>
#include <string>

// The per-user settings store as the program uses it: 32-bit integer entries in named sections.
// Write failures are not reported.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    // The default when the entry is missing or holds no integer.
    virtual std::int32_t GetProfileInt(const std::string& section, const std::string& entry,
                                       std::int32_t defaultValue) const = 0;
    virtual void WriteProfileInt(const std::string& section, const std::string& entry, std::int32_t value) = 0;
};
