#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Reads one named section out of an ELF file (32 or 64 bits, either byte order) through its
// section headers. Anything that does not add up (offsets past the end, odd header sizes, names
// outside the name table, a section larger than asked for) is "no such section".
class ElfSectionReader {
public:
    // Fills out with length bytes from offset; false when they are not all there.
    using ReadAt = std::function<bool(std::uint64_t offset, std::size_t length, std::uint8_t* out)>;

    ElfSectionReader(ReadAt read, std::uint64_t fileSize)
        : read_(std::move(read))
        , fileSize_(fileSize)
    {
    }

    std::optional<std::vector<std::uint8_t>> Section(std::string_view name, std::size_t maxSize) const;

    static std::optional<std::vector<std::uint8_t>> FromFile(const std::string& path, std::string_view name,
                                                             std::size_t maxSize);
    static std::optional<std::vector<std::uint8_t>> FromImage(std::span<const std::uint8_t> image,
                                                              std::string_view name, std::size_t maxSize);

private:
    struct Layout {
        bool is64 = false;
        bool bigEndian = false;
    };
    struct SectionHeader {
        std::uint32_t name = 0;
        std::uint32_t type = 0;
        std::uint64_t offset = 0;
        std::uint64_t size = 0;
        std::uint32_t link = 0;
    };

    // Where the section headers are, as the file header (or section 0) gives them.
    struct SectionTable {
        Layout layout;
        std::uint64_t offset = 0;
        std::uint64_t entrySize = 0;
        std::uint64_t count = 0;
        std::uint64_t namesIndex = 0; // the section holding the section names
    };

    std::optional<std::vector<std::uint8_t>> Bytes(std::uint64_t offset, std::uint64_t length) const;
    std::optional<Layout> ReadLayout() const;
    std::optional<SectionTable> ReadSectionTable(const Layout& layout) const;
    std::optional<SectionHeader> HeaderAt(const SectionTable& table, std::uint64_t index) const;
    std::optional<std::vector<std::uint8_t>> NameTable(const SectionTable& table) const;

    ReadAt read_;
    std::uint64_t fileSize_ = 0;
};
