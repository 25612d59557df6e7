#include "version/VersionTexts.h"

#include "version/ProgramTexts.h"
#include "version/VersionInfo.h"

namespace {

// Buffer sizes of the texts, terminator included: 98 characters of a title or name, 48 of
// the special-build text.
constexpr int kNameCapacity = 99;
constexpr int kSpecialCapacity = 49;

QString Standard(const VersionInfo& info, int index, int capacity)
{
    QString text;
    info.QueryStandardString(index, &text, capacity);
    return text;
}

} // namespace

VersionTexts VersionTextsFrom(const VersionInfo& info)
{
    if (!info.IsValid())
        return {QStringLiteral(" "), QString::fromUtf8(ProgramTexts::kProductName), QStringLiteral("0.0")};
    const QString special = Standard(info, VersionInfo::kSpecialBuild, kSpecialCapacity);
    // The space stays when the special-build text is empty: "1.0 ".
    const QString version = QStringLiteral("%1.%2 ").arg(info.FileMajor()).arg(info.FileMinor()) + special;
    return {Standard(info, VersionInfo::kFileDescription, kNameCapacity),
            Standard(info, VersionInfo::kProductName, kNameCapacity), version};
}

VersionTexts ReadVersionTexts()
{
    VersionInfo info;
    info.LoadFromModule();
    return VersionTextsFrom(info);
}
