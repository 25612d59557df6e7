#pragma once

#include "storage/ProfileStore.h"

#include <map>
#include <utility>

// A store kept in memory: for tests and for starting from the first-run defaults.
class MemoryProfileStore : public ProfileStore {
public:
    std::int32_t GetProfileInt(const std::string& section, const std::string& entry,
                               std::int32_t defaultValue) const override
    {
        const auto it = entries_.find({section, entry});
        return it == entries_.end() ? defaultValue : it->second;
    }
    void WriteProfileInt(const std::string& section, const std::string& entry, std::int32_t value) override
    {
        entries_[{section, entry}] = value;
    }

    std::string GetProfileString(const std::string& section, const std::string& entry) const override
    {
        const auto it = texts_.find({section, entry});
        return it == texts_.end() ? std::string() : it->second;
    }
    void WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) override
    {
        texts_[{section, entry}] = value;
    }

    bool Has(const std::string& section, const std::string& entry) const
    {
        return entries_.count({section, entry}) != 0;
    }
    size_t Size() const { return entries_.size(); }

private:
    std::map<std::pair<std::string, std::string>, std::int32_t> entries_;
    std::map<std::pair<std::string, std::string>, std::string> texts_;
};
