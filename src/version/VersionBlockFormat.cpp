#include "version/VersionBlockFormat.h"

namespace VersionBlockFormat {
namespace {

// The fields in the order the record stores them.
constexpr std::array kFields = {
    &FixedFileInfo::signature,     &FixedFileInfo::structVersion,    &FixedFileInfo::fileVersionMS,
    &FixedFileInfo::fileVersionLS, &FixedFileInfo::productVersionMS, &FixedFileInfo::productVersionLS,
    &FixedFileInfo::fileFlagsMask, &FixedFileInfo::fileFlags,        &FixedFileInfo::fileOS,
    &FixedFileInfo::fileType,      &FixedFileInfo::fileSubtype,      &FixedFileInfo::fileDateMS,
    &FixedFileInfo::fileDateLS,
};
static_assert(kFields.size() * 4 == kFixedInfoSize);

} // namespace

std::array<std::uint8_t, kFixedInfoSize> EncodeFixedInfo(const FixedFileInfo& info)
{
    std::array<std::uint8_t, kFixedInfoSize> bytes{};
    std::size_t at = 0;
    for (auto field : kFields) {
        const std::uint32_t value = info.*field;
        for (int shift = 0; shift < 32; shift += 8)
            bytes[at++] = static_cast<std::uint8_t>(value >> shift);
    }
    return bytes;
}

std::optional<FixedFileInfo> DecodeFixedInfo(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < kFixedInfoSize)
        return std::nullopt;
    FixedFileInfo info;
    std::size_t at = 0;
    for (auto field : kFields) {
        info.*field = ReadU32(bytes, at);
        at += 4;
    }
    return info;
}

// Callers check the bounds; these only assemble the bytes, which also keeps them independent
// of the host's byte order and of the alignment of the buffer.
std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(ReadU16(bytes, offset)) |
           (static_cast<std::uint32_t>(ReadU16(bytes, offset + 2)) << 16);
}

std::u16string TranslationKey(std::uint16_t language, std::uint16_t codePage)
{
    constexpr std::string_view kHex = "0123456789ABCDEF";
    const std::uint32_t both = (static_cast<std::uint32_t>(language) << 16) | codePage;
    std::u16string key;
    for (int shift = 28; shift >= 0; shift -= 4)
        key.push_back(static_cast<char16_t>(kHex[(both >> shift) & 0xF]));
    return key;
}

} // namespace VersionBlockFormat
