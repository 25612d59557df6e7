#include "version/ElfSectionReader.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace {

constexpr std::size_t kIdentSize = 16;
constexpr std::uint32_t kNoBits = 8;             // SHT_NOBITS: occupies no file space
constexpr std::uint64_t kExtendedIndex = 0xFFFF; // SHN_XINDEX
// The table of section names is small in any real file; this only bounds a corrupted one.
constexpr std::uint64_t kMaxNameTable = 1 << 20;
constexpr std::uint64_t kMaxSections = 1 << 16;

std::uint64_t Field(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t width, bool bigEndian)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        const std::size_t shift = bigEndian ? (width - 1 - i) * 8 : i * 8;
        value |= static_cast<std::uint64_t>(bytes[at + i]) << shift;
    }
    return value;
}

} // namespace

std::optional<std::vector<std::uint8_t>> ElfSectionReader::Bytes(std::uint64_t offset, std::uint64_t length) const
{
    if (offset > fileSize_ || length > fileSize_ - offset)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    if (length > 0 && !read_(offset, bytes.size(), bytes.data()))
        return std::nullopt;
    return bytes;
}

std::optional<ElfSectionReader::SectionHeader> ElfSectionReader::HeaderAt(const SectionTable& table,
                                                                          std::uint64_t index) const
{
    auto raw = Bytes(table.offset + index * table.entrySize, table.entrySize);
    if (!raw)
        return std::nullopt;
    const bool be = table.layout.bigEndian;
    const std::size_t word = table.layout.is64 ? 8 : 4;
    SectionHeader header;
    header.name = static_cast<std::uint32_t>(Field(*raw, 0, 4, be));
    header.type = static_cast<std::uint32_t>(Field(*raw, 4, 4, be));
    // sh_flags and sh_addr are a word each, then sh_offset, sh_size and sh_link.
    header.offset = Field(*raw, 8 + 2 * word, word, be);
    header.size = Field(*raw, 8 + 3 * word, word, be);
    header.link = static_cast<std::uint32_t>(Field(*raw, 8 + 4 * word, 4, be));
    return header;
}

std::optional<ElfSectionReader::Layout> ElfSectionReader::ReadLayout() const
{
    auto ident = Bytes(0, kIdentSize);
    if (!ident || std::memcmp(ident->data(),
                              "\x7F"
                              "ELF",
                              4) != 0)
        return std::nullopt;
    const std::uint8_t elfClass = (*ident)[4];
    const std::uint8_t data = (*ident)[5];
    if ((elfClass != 1 && elfClass != 2) || (data != 1 && data != 2))
        return std::nullopt;
    return Layout{elfClass == 2, data == 2};
}

std::optional<ElfSectionReader::SectionTable> ElfSectionReader::ReadSectionTable(const Layout& layout) const
{
    // e_shoff, e_shentsize, e_shnum and e_shstrndx sit at fixed places of the file header.
    const std::size_t headerSize = layout.is64 ? 64 : 52;
    auto header = Bytes(0, headerSize);
    if (!header)
        return std::nullopt;
    const std::size_t word = layout.is64 ? 8 : 4;
    const std::size_t tail = layout.is64 ? 0x3A : 0x2E;
    SectionTable table{layout};
    table.offset = Field(*header, layout.is64 ? 0x28 : 0x20, word, layout.bigEndian);
    table.entrySize = Field(*header, tail, 2, layout.bigEndian);
    table.count = Field(*header, tail + 2, 2, layout.bigEndian);
    table.namesIndex = Field(*header, tail + 4, 2, layout.bigEndian);
    if (table.offset == 0 || table.entrySize < 8 + 4 * word + 4)
        return std::nullopt;

    // Files with very many sections keep the real count and name index in section 0.
    if (table.count == 0 || table.namesIndex == kExtendedIndex) {
        auto first = HeaderAt(table, 0);
        if (!first)
            return std::nullopt;
        if (table.count == 0)
            table.count = first->size;
        if (table.namesIndex == kExtendedIndex)
            table.namesIndex = first->link;
    }
    if (table.count == 0 || table.count > kMaxSections || table.namesIndex >= table.count || table.offset > fileSize_ ||
        table.count * table.entrySize > fileSize_ - table.offset)
        return std::nullopt;
    return table;
}

std::optional<std::vector<std::uint8_t>> ElfSectionReader::NameTable(const SectionTable& table) const
{
    auto namesHeader = HeaderAt(table, table.namesIndex);
    if (!namesHeader || namesHeader->size > kMaxNameTable)
        return std::nullopt;
    return Bytes(namesHeader->offset, namesHeader->size);
}

std::optional<std::vector<std::uint8_t>> ElfSectionReader::Section(std::string_view name, std::size_t maxSize) const
{
    const auto layout = ReadLayout();
    if (!layout)
        return std::nullopt;
    const auto table = ReadSectionTable(*layout);
    if (!table)
        return std::nullopt;
    const auto names = NameTable(*table);
    if (!names)
        return std::nullopt;

    for (std::uint64_t i = 0; i < table->count; ++i) {
        auto section = HeaderAt(*table, i);
        if (!section)
            return std::nullopt;
        if (section->name >= names->size() || section->type == kNoBits)
            continue;
        const auto begin = names->begin() + section->name;
        const auto end = std::find(begin, names->end(), std::uint8_t{0});
        if (end == names->end() || !std::equal(begin, end, name.begin(), name.end()))
            continue;
        if (section->size > maxSize)
            return std::nullopt;
        return Bytes(section->offset, section->size);
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> ElfSectionReader::FromFile(const std::string& path, std::string_view name,
                                                                    std::size_t maxSize)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size <= 0)
        return std::nullopt;
    auto read = [&file](std::uint64_t offset, std::size_t length, std::uint8_t* out) {
        file.clear();
        file.seekg(static_cast<std::streamoff>(offset));
        file.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(length));
        return file.good();
    };
    return ElfSectionReader(read, static_cast<std::uint64_t>(size)).Section(name, maxSize);
}

std::optional<std::vector<std::uint8_t>> ElfSectionReader::FromImage(std::span<const std::uint8_t> image,
                                                                     std::string_view name, std::size_t maxSize)
{
    auto read = [image](std::uint64_t offset, std::size_t length, std::uint8_t* out) {
        std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(offset), length, out);
        return true;
    };
    return ElfSectionReader(read, image.size()).Section(name, maxSize);
}
