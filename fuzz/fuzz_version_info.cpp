// The version block reader and the ELF section reader over any bytes: either a valid block or
// "not valid", never a read outside the buffer; on a valid block every query answers within its
// capacity and every translation index stays inside the list.
#include "FuzzBytes.h"
#include "version/ElfSectionReader.h"
#include "version/VersionBlockFormat.h"
#include "version/VersionInfo.h"

#include <QString>

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace {

constexpr std::size_t kMaxSection = VersionBlockFormat::kMaxBlockSize;
const int kCapacities[] = {-1, 0, 1, 2, 7, 260};

void QueryEverything(const VersionInfo& info)
{
    for (int index = -1; index <= VersionInfo::kStandardNames; ++index) {
        for (const int capacity : kCapacities) {
            QString out;
            if (info.QueryStandardString(index, &out, capacity)) {
                Require(capacity > 0 && out.size() < capacity, "a value longer than its capacity");
                Require(out.isEmpty() || !out.back().isHighSurrogate(), "a value cut inside a character");
            }
        }
        info.QueryStandardString(index, nullptr, 0);
    }
    const int count = info.TranslationCount();
    Require(count >= 0, "a negative translation count");
    const int current = info.CurrentTranslationIndex();
    Require(count == 0 || (current >= 0 && current < count), "the current translation outside the list");
    for (int index = -1; index <= count; ++index)
        info.TranslationAt(index);
}

void CheckTranslations(VersionInfo& info)
{
    const int count = info.TranslationCount();
    for (int index = -1; index <= count; ++index) {
        const bool selected = info.SelectTranslationIndex(index);
        Require(selected == (index >= 0 && index < count), "a translation index selected out of range");
        QueryEverything(info);
    }
    if (count > 0) {
        const std::uint32_t first = info.TranslationAt(0);
        const auto language = static_cast<std::uint16_t>(first & 0xFFFF);
        const auto codePage = static_cast<std::uint16_t>(first >> 16);
        const int found = info.FindTranslation(language, codePage);
        Require(found >= -1 && found < count, "a translation found outside the list");
        info.SelectTranslation(language, codePage);
        QString name;
        VersionInfo::LanguageName(language, &name, 64);
        VersionInfo::CodePageName(codePage, &name);
    }
}

void LoadBlock(std::vector<std::uint8_t> block)
{
    VersionInfo info;
    const bool valid = info.LoadFromBlock(std::move(block));
    Require(valid == info.IsValid(), "LoadFromBlock and IsValid disagree");
    if (!valid) {
        QString out;
        Require(!info.QueryStandardString(VersionInfo::kProductName, &out, 260), "an invalid block answers");
        Require(info.TranslationCount() == 0 || !info.IsValid(), "an invalid block with translations");
        return;
    }
    Require(info.FixedInfo().signature == VersionBlockFormat::kSignature, "a valid block with a wrong signature");
    Require(info.TranslationCount() > 0, "a valid block without translations");
    QueryEverything(info);
    CheckTranslations(info);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    // The bytes as a block on their own.
    LoadBlock(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));

    // The bytes as an executable: whatever section comes out is no larger than asked and lies
    // inside the file.
    for (const std::size_t maxSize : {kMaxSection, std::size_t{64}}) {
        const auto section = ElfSectionReader::FromImage(bytes, VersionBlockFormat::kSectionName, maxSize);
        if (!section)
            continue;
        Require(section->size() <= maxSize && section->size() <= size, "a section larger than allowed");
        if (maxSize == kMaxSection)
            LoadBlock(*section);
    }

    // The same through reads that may fail, as a file that shrinks under the reader.
    const std::size_t cut = size / 2;
    auto shortRead = [bytes, cut](std::uint64_t offset, std::size_t length, std::uint8_t* out) {
        if (offset > cut || length > cut - offset)
            return false;
        std::memcpy(out, bytes.data() + offset, length);
        return true;
    };
    const auto section = ElfSectionReader(shortRead, size).Section(VersionBlockFormat::kSectionName, kMaxSection);
    Require(!section || section->size() <= cut, "a section from bytes that could not be read");
    return 0;
}
