#include "version/VersionInfo.h"

#include "version/ElfSectionReader.h"
#include "version/VersionBlockReader.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <utility>

namespace {

namespace F = VersionBlockFormat;

constexpr std::array<const char*, VersionInfo::kStandardNames> kValueNames = {
    "Comments",       "CompanyName",     "FileDescription",  "FileVersion",  "InternalName",
    "LegalCopyright", "LegalTrademarks", "OriginalFilename", "PrivateBuild", "ProductName",
    "ProductVersion", "SpecialBuild",    "OLESelfRegister",
};

constexpr std::array<std::pair<std::uint16_t, const char*>, 12> kCodePages = {{
    {0, "7-bit ASCII"},
    {932, "Japan (Shift \u2013 JIS X-0208)"},
    {949, "Korea (Shift \u2013 KSC 5601)"},
    {950, "Taiwan (Big5)"},
    {1200, "Unicode"},
    {1250, "Latin-2 (Eastern European)"},
    {1251, "Cyrillic"},
    {1252, "Multilingual"},
    {1253, "Greek"},
    {1254, "Turkish"},
    {1255, "Hebrew"},
    {1256, "Arabic"},
}};

// The languages a version block of ours or of a neighbour's tool is likely to declare; the
// platform's own list is far longer, and anything else is named as it names unknown ones.
constexpr std::array<std::pair<std::uint16_t, const char*>, 22> kLanguages = {{
    {0x0000, "Language Neutral"},
    {0x0404, "Chinese (Traditional)"},
    {0x0405, "Czech (Czech Republic)"},
    {0x0406, "Danish (Denmark)"},
    {0x0407, "German (Germany)"},
    {0x0408, "Greek (Greece)"},
    {0x0409, "English (United States)"},
    {0x040B, "Finnish (Finland)"},
    {0x040C, "French (France)"},
    {0x040E, "Hungarian (Hungary)"},
    {0x0410, "Italian (Italy)"},
    {0x0411, "Japanese (Japan)"},
    {0x0412, "Korean (Korea)"},
    {0x0413, "Dutch (Netherlands)"},
    {0x0414, "Norwegian, Bokm\u00E5l (Norway)"},
    {0x0415, "Polish (Poland)"},
    {0x0416, "Portuguese (Brazil)"},
    {0x0419, "Russian (Russia)"},
    {0x041D, "Swedish (Sweden)"},
    {0x0804, "Chinese (Simplified)"},
    {0x0809, "English (United Kingdom)"},
    {0x0C0A, "Spanish (Spain, International Sort)"},
}};
constexpr const char* kUnknownLanguage = "Unknown language";

constexpr std::uint32_t kDynamicLibrary = 2;
constexpr std::uint32_t kStaticLibrary = 7;

} // namespace

QString VersionInfo::ModulePath()
{
    return QStringLiteral("/proc/self/exe");
}

void VersionInfo::Reset()
{
    translations_.clear();
    current_ = 0;
    valid_ = false;
    fixed_ = {};
    block_.clear();
}

bool VersionInfo::LoadFromModule()
{
    return LoadFromFile(ModulePath());
}

bool VersionInfo::LoadFromFile(const QString& path)
{
    Reset();
    if (path.isEmpty())
        return false;
    auto block = ElfSectionReader::FromFile(QFile::encodeName(path).toStdString(), F::kSectionName, F::kMaxBlockSize);
    if (!block)
        return false;
    return LoadFromBlock(std::move(*block));
}

bool VersionInfo::LoadFromBlock(std::vector<std::uint8_t> block)
{
    Reset();
    if (block.empty())
        return false;
    block_ = std::move(block);
    const VersionBlockReader reader(block_);
    if (auto root = reader.Query(u"\\")) {
        if (auto fixed = F::DecodeFixedInfo(root->bytes)) {
            fixed_ = *fixed;
            valid_ = fixed_.signature == F::kSignature;
        }
    }
    if (valid_) {
        if (auto list = reader.Query(u"\\VarFileInfo\\Translation")) {
            for (std::size_t at = 0; at + 4 <= list->bytes.size(); at += 4)
                translations_.push_back(F::ReadU32(list->bytes, at));
        }
    }
    if (!valid_ || translations_.empty())
        Reset();
    return valid_;
}

bool VersionInfo::QueryString(const QString& name, QString* out, int capacity) const
{
    if (!valid_ || name.isEmpty() || (out && capacity <= 0))
        return false;
    if (out)
        out->clear();
    const std::uint32_t entry = translations_[static_cast<std::size_t>(current_)];
    const std::u16string path =
        u"\\StringFileInfo\\" +
        F::TranslationKey(static_cast<std::uint16_t>(entry), static_cast<std::uint16_t>(entry >> 16)) + u"\\" +
        name.toStdU16String();
    auto value = VersionBlockReader(block_).Query(path);
    if (!value)
        return false;
    if (out) {
        QString text = QString::fromStdU16String(VersionBlockReader::DecodeText(value->bytes));
        text.truncate(capacity - 1);
        // A cut through a surrogate pair would leave half a character.
        if (!text.isEmpty() && text.back().isHighSurrogate())
            text.chop(1);
        *out = text;
    }
    return true;
}

bool VersionInfo::QueryStandardString(int index, QString* out, int capacity) const
{
    const QString name = ValueName(index);
    return !name.isNull() && QueryString(name, out, capacity);
}

QString VersionInfo::ValueName(int index)
{
    if (index < 0 || index >= kStandardNames)
        return {};
    return QString::fromLatin1(kValueNames[static_cast<std::size_t>(index)]);
}

std::uint32_t VersionInfo::TranslationAt(int index) const
{
    if (!valid_ || index < 0 || index >= TranslationCount())
        return 0;
    return translations_[static_cast<std::size_t>(index)];
}

int VersionInfo::FindTranslation(std::uint16_t language, std::uint16_t codePage) const
{
    if (!valid_)
        return -1;
    const std::uint32_t wanted = (static_cast<std::uint32_t>(codePage) << 16) | language;
    const auto found = std::ranges::find(translations_, wanted);
    return found == translations_.end() ? -1 : static_cast<int>(found - translations_.begin());
}

bool VersionInfo::SelectTranslation(std::uint16_t language, std::uint16_t codePage)
{
    if (!valid_)
        return false;
    if (TranslationAt(current_) == ((static_cast<std::uint32_t>(codePage) << 16) | language))
        return true;
    const int index = FindTranslation(language, codePage);
    if (index < 0)
        return false;
    current_ = index;
    return true;
}

bool VersionInfo::SelectTranslationIndex(int index)
{
    if (!valid_)
        return false;
    if (index >= 0 && index < TranslationCount())
        current_ = index;
    return current_ == index;
}

int VersionInfo::LanguageName(std::uint16_t language, QString* out, int capacity)
{
    if (!out || capacity <= 0)
        return 0;
    const auto found = std::ranges::find(kLanguages, language, &std::pair<std::uint16_t, const char*>::first);
    QString name = QString::fromUtf8(found == kLanguages.end() ? kUnknownLanguage : found->second);
    name.truncate(capacity - 1);
    *out = name;
    return static_cast<int>(name.size());
}

bool VersionInfo::CodePageName(std::uint16_t codePage, QString* name)
{
    const auto found = std::ranges::find(kCodePages, codePage, &std::pair<std::uint16_t, const char*>::first);
    const bool known = found != kCodePages.end();
    if (name)
        *name = known ? QString::fromUtf8(found->second) : QStringLiteral("Unknown");
    return known;
}

int VersionInfo::QueryModuleVersion(const QString& path, ModuleVersionRecord* record)
{
    if (path.isEmpty() || !record || record->size != sizeof(ModuleVersionRecord))
        return 1;
    *record = {};
    record->size = sizeof(ModuleVersionRecord);
    VersionInfo info;
    if (!info.LoadFromFile(path))
        return 1;
    const auto& fixed = info.FixedInfo();
    const bool library = fixed.fileType == kDynamicLibrary || fixed.fileType == kStaticLibrary;
    const bool knownOs = fixed.fileOS == 4 || fixed.fileOS == 0x40000 || fixed.fileOS == 0x40004;
    if (!library || !knownOs)
        return 1;
    record->platform = fixed.fileOS == 0x40000 ? 2 : 1;
    record->major = fixed.fileVersionMS >> 16;
    record->minor = fixed.fileVersionMS & 0xFFFF;
    record->buildNumber = fixed.fileVersionLS >> 16;
    return 0;
}
