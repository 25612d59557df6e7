// dorarive-version-block SOURCE OUTPUT: writes the version block described by SOURCE (the
// configured resources/version/version-block.ini.in) to OUTPUT, for embedding after linking.
//
// SOURCE has three groups: [Fixed] with FileVersion and ProductVersion as a.b.c.d and the
// numbers FileOS, FileType and FileSubtype; [Translation] with language=codepage pairs in hex;
// [StringFileInfo] with name=value lines, stored in the table of the first translation.

#include "version/VersionBlockWriter.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <map>

namespace {

namespace F = VersionBlockFormat;

using Groups = std::map<QString, std::vector<std::pair<QString, QString>>>;

bool Fail(const QString& message)
{
    std::fprintf(stderr, "dorarive-version-block: %s\n", qPrintable(message));
    return false;
}

bool ReadGroups(const QString& path, Groups& groups)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return Fail(QStringLiteral("cannot read %1").arg(path));
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    QString group;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            group = trimmed.mid(1, trimmed.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0 || group.isEmpty())
            return Fail(QStringLiteral("%1: not a name=value line: %2").arg(path, line));
        // Values are taken as they stand: a trailing space may belong to one.
        groups[group].emplace_back(line.left(equals).trimmed(), line.mid(equals + 1));
    }
    return true;
}

// "1.0.0.0" as the two 32-bit words of the fixed record.
bool ParseVersion(const QString& text, std::uint32_t& high, std::uint32_t& low)
{
    const QStringList parts = text.split(u'.');
    if (parts.size() != 4)
        return false;
    std::uint32_t numbers[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const uint n = parts[i].toUInt(&ok);
        if (!ok || n > 0xFFFF)
            return false;
        numbers[i] = n;
    }
    high = (numbers[0] << 16) | numbers[1];
    low = (numbers[2] << 16) | numbers[3];
    return true;
}

bool ReadFixed(const Groups& groups, F::FixedFileInfo& fixed)
{
    fixed.signature = F::kSignature;
    fixed.structVersion = 0x00010000;
    fixed.fileFlagsMask = 0x3F;
    const auto found = groups.find(QStringLiteral("Fixed"));
    if (found == groups.end())
        return Fail(QStringLiteral("no [Fixed] group"));
    for (const auto& [name, value] : found->second) {
        bool ok = true;
        if (name == u"FileVersion")
            ok = ParseVersion(value.trimmed(), fixed.fileVersionMS, fixed.fileVersionLS);
        else if (name == u"ProductVersion")
            ok = ParseVersion(value.trimmed(), fixed.productVersionMS, fixed.productVersionLS);
        else if (name == u"FileOS")
            fixed.fileOS = value.trimmed().toUInt(&ok, 0);
        else if (name == u"FileType")
            fixed.fileType = value.trimmed().toUInt(&ok, 0);
        else if (name == u"FileSubtype")
            fixed.fileSubtype = value.trimmed().toUInt(&ok, 0);
        else
            return Fail(QStringLiteral("unknown [Fixed] entry %1").arg(name));
        if (!ok)
            return Fail(QStringLiteral("bad [Fixed] value %1=%2").arg(name, value));
    }
    return true;
}

bool ReadTranslations(const Groups& groups, std::vector<std::uint32_t>& translations)
{
    const auto found = groups.find(QStringLiteral("Translation"));
    if (found == groups.end() || found->second.empty())
        return Fail(QStringLiteral("no [Translation] entry"));
    for (const auto& [language, codePage] : found->second) {
        bool languageOk = false;
        bool codePageOk = false;
        const uint l = language.toUInt(&languageOk, 16);
        const uint c = codePage.trimmed().toUInt(&codePageOk, 16);
        if (!languageOk || !codePageOk || l > 0xFFFF || c > 0xFFFF)
            return Fail(QStringLiteral("bad translation %1=%2").arg(language, codePage));
        translations.push_back((c << 16) | l);
    }
    return true;
}

bool BuildContents(const Groups& groups, VersionBlockContents& contents)
{
    if (!ReadFixed(groups, contents.fixed) || !ReadTranslations(groups, contents.translations))
        return false;
    const std::uint32_t first = contents.translations.front();
    VersionBlockContents::StringTable table;
    table.key = F::TranslationKey(static_cast<std::uint16_t>(first), static_cast<std::uint16_t>(first >> 16));
    if (const auto found = groups.find(QStringLiteral("StringFileInfo")); found != groups.end()) {
        for (const auto& [name, value] : found->second)
            table.values.emplace_back(name.toStdU16String(), value.toStdU16String());
    }
    contents.stringTables.push_back(std::move(table));
    return true;
}

bool WriteBlock(const QString& path, const std::vector<std::uint8_t>& block)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Fail(QStringLiteral("cannot write %1").arg(path));
    const auto size = static_cast<qint64>(block.size());
    if (file.write(reinterpret_cast<const char*>(block.data()), size) != size || !file.flush())
        return Fail(QStringLiteral("cannot write %1").arg(path));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: dorarive-version-block SOURCE OUTPUT\n");
        return 2;
    }
    Groups groups;
    VersionBlockContents contents;
    if (!ReadGroups(QString::fromLocal8Bit(argv[1]), groups) || !BuildContents(groups, contents))
        return 1;
    const auto block = VersionBlockWriter::Build(contents);
    if (!block) {
        Fail(QStringLiteral("the values do not fit a version block"));
        return 1;
    }
    return WriteBlock(QString::fromLocal8Bit(argv[2]), *block) ? 0 : 1;
}
