#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The version block is kept in the layout of the Windows VS_VERSIONINFO resource, so the same
// paths ("\", "\VarFileInfo\Translation", "\StringFileInfo\040904E4\ProductName") and record
// work on every platform. All numbers in it are little-endian; every node starts on a 4-byte
// boundary of the block.
namespace VersionBlockFormat {

// The ELF section our executables carry the block in (added after linking).
inline constexpr std::string_view kSectionName = ".dorarive.version";

// A node's length is a 16-bit field, so no block can be larger than this.
inline constexpr std::size_t kMaxBlockSize = 0xFFFF;

inline constexpr std::uint32_t kSignature = 0xFEEF04BD;
inline constexpr std::size_t kFixedInfoSize = 52;
inline constexpr std::size_t kNodeHeaderSize = 6;

// Node value kinds.
inline constexpr std::uint16_t kBinary = 0;
inline constexpr std::uint16_t kText = 1;

// VS_FIXEDFILEINFO, field by field.
struct FixedFileInfo {
    std::uint32_t signature = 0;
    std::uint32_t structVersion = 0;
    std::uint32_t fileVersionMS = 0;
    std::uint32_t fileVersionLS = 0;
    std::uint32_t productVersionMS = 0;
    std::uint32_t productVersionLS = 0;
    std::uint32_t fileFlagsMask = 0;
    std::uint32_t fileFlags = 0;
    std::uint32_t fileOS = 0;
    std::uint32_t fileType = 0;
    std::uint32_t fileSubtype = 0;
    std::uint32_t fileDateMS = 0;
    std::uint32_t fileDateLS = 0;

    bool operator==(const FixedFileInfo&) const = default;
};

std::array<std::uint8_t, kFixedInfoSize> EncodeFixedInfo(const FixedFileInfo& info);
// Empty when fewer than kFixedInfoSize bytes are given.
std::optional<FixedFileInfo> DecodeFixedInfo(std::span<const std::uint8_t> bytes);

std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t offset);
std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t offset);

constexpr std::size_t AlignUp4(std::size_t offset)
{
    return (offset + 3) & ~std::size_t{3};
}

// "040904E4" for language 0x0409 and code page 0x04E4.
std::u16string TranslationKey(std::uint16_t language, std::uint16_t codePage);

} // namespace VersionBlockFormat
