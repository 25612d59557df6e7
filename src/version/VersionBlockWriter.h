#pragma once

#include "version/VersionBlockFormat.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What goes into a version block.
struct VersionBlockContents {
    struct StringTable {
        std::u16string key; // e.g. u"040904E4"
        std::vector<std::pair<std::u16string, std::u16string>> values;
    };

    VersionBlockFormat::FixedFileInfo fixed;
    // Language in the low 16 bits, code page in the high 16 bits.
    std::vector<std::uint32_t> translations;
    std::vector<StringTable> stringTables;
};

// Lays the contents out as a VS_VERSIONINFO block: the root "VS_VERSION_INFO" holding the fixed
// record, then "StringFileInfo" with one child per table and "VarFileInfo" with "Translation".
// Empty string values are left out, as the resource compiler does for absent values. Empty when
// the result would not fit a node's 16-bit length.
class VersionBlockWriter {
public:
    static std::optional<std::vector<std::uint8_t>> Build(const VersionBlockContents& contents);
};
