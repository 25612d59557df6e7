#include "version/ElfSectionReader.h"
#include "version/VersionBlockWriter.h"
#include "version/VersionInfo.h"
#include "version/VersionTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

namespace F = VersionBlockFormat;

constexpr std::uint32_t kUsEnglish1252 = 0x04E40409;
constexpr std::uint32_t kGerman1252 = 0x04E40407;

VersionBlockContents Contents(std::vector<std::pair<std::u16string, std::u16string>> values)
{
    VersionBlockContents contents;
    contents.fixed.signature = F::kSignature;
    contents.fixed.fileVersionMS = (3u << 16) | 7u;
    contents.fixed.fileVersionLS = (12u << 16) | 1u;
    contents.fixed.fileOS = 4;
    contents.fixed.fileType = 1;
    contents.translations = {kUsEnglish1252};
    contents.stringTables = {{u"040904E4", std::move(values)}};
    return contents;
}

std::vector<std::uint8_t> Block(const VersionBlockContents& contents)
{
    auto block = VersionBlockWriter::Build(contents);
    return block.value_or(std::vector<std::uint8_t>{});
}

QString OwnExecutable()
{
    return QCoreApplication::applicationFilePath();
}

std::vector<std::uint8_t> ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> OwnBlock()
{
    return ElfSectionReader::FromFile(OwnExecutable().toStdString(), F::kSectionName, F::kMaxBlockSize)
        .value_or(std::vector<std::uint8_t>{});
}

// Runs every query a reader offers; a malformed block must survive them all.
void QueryEverything(const VersionInfo& info)
{
    QString out;
    for (int index = -1; index <= VersionInfo::kStandardNames; ++index)
        info.QueryStandardString(index, &out, 99);
    info.TranslationAt(0);
    info.FindTranslation(0x0409, 0x04E4);
}

} // namespace

class VersionInfoTest : public QObject {
    Q_OBJECT

private slots:
    void own_executable_gives_product_texts();
    void own_executable_answers_every_query();
    void executable_without_block_gives_fallbacks_data();
    void executable_without_block_gives_fallbacks();
    void long_values_are_cut_data();
    void long_values_are_cut();
    void query_outside_standard_names_leaves_output();
    void query_string_argument_rules();
    void code_page_names_data();
    void code_page_names();
    void language_names();
    void translations_select_string_table();
    void module_version_only_for_libraries();
    void truncated_or_corrupted_block_is_not_valid();
    void truncated_or_corrupted_elf_never_crashes();
};

void VersionInfoTest::own_executable_gives_product_texts()
{
    const VersionTexts texts = ReadVersionTexts();
    QCOMPARE(texts.title, QStringLiteral("Nordavik Kaldora"));
    QCOMPARE(texts.productName, QStringLiteral("Nordavik Kaldora"));
    // No special build: the separating space stays.
    QCOMPARE(texts.versionText, QStringLiteral("1.0 "));
}

void VersionInfoTest::own_executable_answers_every_query()
{
    VersionInfo info;
    QVERIFY(info.LoadFromFile(OwnExecutable()));
    QCOMPARE(info.FixedInfo().signature, F::kSignature);
    QCOMPARE(info.FixedInfo().fileType, 1u);
    QCOMPARE(info.TranslationCount(), 1);
    QCOMPARE(info.TranslationAt(0), kUsEnglish1252);
    QCOMPARE(info.TranslationAt(1), 0u);
    QCOMPARE(info.FindTranslation(0x0409, 0x04E4), 0);

    const std::pair<int, const char*> expected[] = {
        {0, "This application is used to calculate cooling loads."},
        {1, "Nordavik"},
        {3, "1.0.0.0"},
        {5, "Copyright \u00A9 2026 Nordavik"},
        {10, "1.0.0.0"},
    };
    for (const auto& [index, text] : expected) {
        QString out;
        QVERIFY2(info.QueryStandardString(index, &out, 99), qPrintable(VersionInfo::ValueName(index)));
        QCOMPARE(out, QString::fromUtf8(text));
    }
    for (int absent : {6, 8, 11}) {
        QString out = QStringLiteral("old");
        QVERIFY(!info.QueryStandardString(absent, &out, 99));
        QCOMPARE(out, QString());
    }
}

void VersionInfoTest::executable_without_block_gives_fallbacks_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("system program") << QStandardPaths::findExecutable(QStringLiteral("true"));
    QTest::newRow("missing file") << QStringLiteral("/nonexistent/dorarive");
    QTest::newRow("not an executable") << QFINDTESTDATA("tst_versioninfo.cpp");
    QTest::newRow("directory") << QStringLiteral("/");
    QTest::newRow("empty path") << QString();
}

void VersionInfoTest::executable_without_block_gives_fallbacks()
{
    QFETCH(QString, path);
    VersionInfo info;
    QVERIFY(!info.LoadFromFile(path));
    QVERIFY(!info.QueryString(QStringLiteral("ProductName"), nullptr, 0));
    QCOMPARE(info.TranslationAt(0), 0u);
    QCOMPARE(info.FindTranslation(0x0409, 0x04E4), -1);
    QVERIFY(!info.SelectTranslationIndex(0));
    const VersionTexts texts = VersionTextsFrom(info);
    QCOMPARE(texts.title, QStringLiteral(" "));
    QCOMPARE(texts.productName, QStringLiteral("Nordavik Kaldora"));
    QCOMPARE(texts.versionText, QStringLiteral("0.0"));
}

void VersionInfoTest::long_values_are_cut_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("nameLength");
    QTest::addColumn<int>("specialLength");
    QTest::newRow("short") << QString(40, u'a') << 40 << 40;
    QTest::newRow("at the limits") << QString(98, u'b') << 98 << 48;
    QTest::newRow("over the limits") << QString(300, u'c') << 98 << 48;
    // A cut through a surrogate pair drops the half character rather than keep it.
    QTest::newRow("pair across the cut") << QString(97, u'd') + QString::fromUtf8("\U0001F9CA") << 97 << 48;
}

void VersionInfoTest::long_values_are_cut()
{
    QFETCH(QString, value);
    QFETCH(int, nameLength);
    QFETCH(int, specialLength);
    const std::u16string text = value.toStdU16String();
    VersionInfo info;
    QVERIFY(info.LoadFromBlock(
        Block(Contents({{u"FileDescription", text}, {u"ProductName", text}, {u"SpecialBuild", text}}))));
    const VersionTexts texts = VersionTextsFrom(info);
    QCOMPARE(texts.title, value.left(nameLength));
    QCOMPARE(texts.productName, value.left(nameLength));
    QCOMPARE(texts.versionText, QStringLiteral("3.7 ") + value.left(specialLength));
}

void VersionInfoTest::query_outside_standard_names_leaves_output()
{
    VersionInfo info;
    QVERIFY(info.LoadFromFile(OwnExecutable()));
    for (int index : {-1, 13, 1000}) {
        QString out = QStringLiteral("untouched");
        QVERIFY(!info.QueryStandardString(index, &out, 99));
        QCOMPARE(out, QStringLiteral("untouched"));
        QVERIFY(VersionInfo::ValueName(index).isNull());
    }
    QCOMPARE(VersionInfo::ValueName(12), QStringLiteral("OLESelfRegister"));
}

void VersionInfoTest::query_string_argument_rules()
{
    VersionInfo info;
    QVERIFY(info.LoadFromFile(OwnExecutable()));
    QString out = QStringLiteral("untouched");
    QVERIFY(!info.QueryString(QStringLiteral("ProductName"), &out, 0));
    QVERIFY(!info.QueryString(QStringLiteral("ProductName"), &out, -4));
    QVERIFY(!info.QueryString(QString(), &out, 99));
    QCOMPARE(out, QStringLiteral("untouched"));
    // Without an output it only asks whether the value is there.
    QVERIFY(info.QueryString(QStringLiteral("ProductName"), nullptr, 0));
    QVERIFY(!info.QueryString(QStringLiteral("SpecialBuild"), nullptr, 0));
    // Names compare as the platform compares them, without regard to case.
    QVERIFY(info.QueryString(QStringLiteral("productname"), &out, 5));
    QCOMPARE(out, QStringLiteral("Nord"));
}

void VersionInfoTest::code_page_names_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("known");
    QTest::newRow("437") << 437 << QStringLiteral("Unknown") << false;
    QTest::newRow("0") << 0 << QStringLiteral("7-bit ASCII") << true;
    QTest::newRow("932 with en dash") << 932 << QString::fromUtf8("Japan (Shift \u2013 JIS X-0208)") << true;
    QTest::newRow("1252") << 1252 << QStringLiteral("Multilingual") << true;
    QTest::newRow("1256") << 1256 << QStringLiteral("Arabic") << true;
    QTest::newRow("65001") << 65001 << QStringLiteral("Unknown") << false;
}

void VersionInfoTest::code_page_names()
{
    QFETCH(int, codePage);
    QFETCH(QString, name);
    QFETCH(bool, known);
    QString out;
    QCOMPARE(VersionInfo::CodePageName(static_cast<std::uint16_t>(codePage), &out), known);
    QCOMPARE(out, name);
}

void VersionInfoTest::language_names()
{
    QString out;
    QCOMPARE(VersionInfo::LanguageName(0x0409, &out, 99), 23);
    QCOMPARE(out, QStringLiteral("English (United States)"));
    QCOMPARE(VersionInfo::LanguageName(0x0409, &out, 8), 7);
    QCOMPARE(out, QStringLiteral("English"));
    out = QStringLiteral("untouched");
    QCOMPARE(VersionInfo::LanguageName(0x0409, &out, 0), 0);
    QCOMPARE(VersionInfo::LanguageName(0x0409, nullptr, 99), 0);
    QCOMPARE(out, QStringLiteral("untouched"));
}

void VersionInfoTest::translations_select_string_table()
{
    VersionBlockContents contents = Contents({{u"ProductName", u"Kaldora"}});
    contents.translations.push_back(kGerman1252);
    contents.stringTables.push_back({u"040704E4", {{u"ProductName", u"Kaldora (Deutsch)"}}});
    VersionInfo info;
    QVERIFY(info.LoadFromBlock(Block(contents)));
    QCOMPARE(info.TranslationCount(), 2);

    QString name;
    QVERIFY(info.SelectTranslation(0x0407, 0x04E4));
    QCOMPARE(info.CurrentTranslationIndex(), 1);
    QVERIFY(info.QueryStandardString(VersionInfo::kProductName, &name, 99));
    QCOMPARE(name, QStringLiteral("Kaldora (Deutsch)"));

    QVERIFY(!info.SelectTranslation(0x040C, 0x04E4));
    QCOMPARE(info.CurrentTranslationIndex(), 1);
    QVERIFY(!info.SelectTranslationIndex(2));
    QVERIFY(!info.SelectTranslationIndex(-1));
    QVERIFY(info.SelectTranslationIndex(0));
    QVERIFY(info.QueryStandardString(VersionInfo::kProductName, &name, 99));
    QCOMPARE(name, QStringLiteral("Kaldora"));
}

void VersionInfoTest::module_version_only_for_libraries()
{
    ModuleVersionRecord record;
    record.size = 20;
    QCOMPARE(VersionInfo::QueryModuleVersion(OwnExecutable(), &record), 1); // an application
    QCOMPARE(VersionInfo::QueryModuleVersion(OwnExecutable(), nullptr), 1);
    record.size = 16;
    QCOMPARE(VersionInfo::QueryModuleVersion(OwnExecutable(), &record), 1);

    // A library of our own: a copy of a system program given a block of file type 2.
    const QString objcopy = QStandardPaths::findExecutable(QStringLiteral("objcopy"));
    if (objcopy.isEmpty())
        QSKIP("objcopy is not installed");
    QTemporaryDir dir;
    VersionBlockContents contents = Contents({});
    contents.fixed.fileType = 2;
    contents.fixed.fileOS = 0x40000;
    QFile blockFile(dir.filePath(QStringLiteral("block.bin")));
    QVERIFY(blockFile.open(QIODevice::WriteOnly));
    const auto block = Block(contents);
    blockFile.write(reinterpret_cast<const char*>(block.data()), static_cast<qint64>(block.size()));
    blockFile.close();
    const QString library = dir.filePath(QStringLiteral("library"));
    const QString section = QString::fromLatin1(F::kSectionName.data(), F::kSectionName.size());
    QCOMPARE(QProcess::execute(objcopy, {QStringLiteral("--add-section"), section + u'=' + blockFile.fileName(),
                                         QStandardPaths::findExecutable(QStringLiteral("true")), library}),
             0);

    record = {};
    record.size = 20;
    QCOMPARE(VersionInfo::QueryModuleVersion(library, &record), 0);
    QCOMPARE(record.size, 20u);
    QCOMPARE(record.major, 3u);
    QCOMPARE(record.minor, 7u);
    QCOMPARE(record.buildNumber, 12u);
    QCOMPARE(record.platform, 2u);
}

void VersionInfoTest::truncated_or_corrupted_block_is_not_valid()
{
    const std::vector<std::uint8_t> block = OwnBlock();
    QVERIFY(block.size() > 100);
    VersionInfo info;
    QVERIFY(info.LoadFromBlock(block));

    // Every truncation cuts through the root's length and so is not valid.
    for (std::size_t length = 0; length < block.size(); ++length) {
        const bool valid = info.LoadFromBlock({block.begin(), block.begin() + static_cast<std::ptrdiff_t>(length)});
        QVERIFY2(!valid, qPrintable(QStringLiteral("length %1").arg(length)));
        QueryEverything(info);
    }
    // Corrupted bytes anywhere may or may not leave a usable block, but never a crash.
    for (std::size_t at = 0; at < block.size(); ++at) {
        for (std::uint8_t value : {std::uint8_t{0x00}, std::uint8_t{0xFF}, std::uint8_t{0x07},
                                   static_cast<std::uint8_t>(block[at] ^ 0x80)}) {
            std::vector<std::uint8_t> corrupted = block;
            corrupted[at] = value;
            info.LoadFromBlock(std::move(corrupted));
            QueryEverything(info);
        }
    }
    // A block whose lengths all claim the maximum.
    std::vector<std::uint8_t> lying = block;
    for (std::size_t at = 0; at + 1 < lying.size(); at += 2) {
        if (F::ReadU16(lying, at) == 0)
            continue;
        lying[at] = 0xFF;
        lying[at + 1] = 0xFF;
    }
    QVERIFY(!info.LoadFromBlock(lying));
}

void VersionInfoTest::truncated_or_corrupted_elf_never_crashes()
{
    const std::vector<std::uint8_t> image = ReadAll(OwnExecutable());
    const std::vector<std::uint8_t> block = OwnBlock();
    QCOMPARE(ElfSectionReader::FromImage(image, F::kSectionName, F::kMaxBlockSize), std::optional(block));
    QVERIFY(!ElfSectionReader::FromImage(image, F::kSectionName, block.size() - 1));
    QVERIFY(!ElfSectionReader::FromImage(image, ".no-such-section", F::kMaxBlockSize));

    // The section headers sit at the end of the file; cut there finely, elsewhere coarsely.
    const std::size_t tail = std::min<std::size_t>(image.size(), 8192);
    const std::span<const std::uint8_t> all(image);
    for (std::size_t length = 0; length < image.size(); length += (length + tail < image.size() ? 4093 : 1))
        QVERIFY(!ElfSectionReader::FromImage(all.first(length), F::kSectionName, F::kMaxBlockSize));

    // Corrupt the file header and the section header table byte by byte.
    std::vector<std::size_t> places;
    for (std::size_t at = 0; at < 64; ++at)
        places.push_back(at);
    for (std::size_t at = image.size() - tail; at < image.size(); ++at)
        places.push_back(at);
    std::vector<std::uint8_t> corrupted = image;
    for (std::size_t at : places) {
        for (std::uint8_t value :
             {std::uint8_t{0x00}, std::uint8_t{0xFF}, static_cast<std::uint8_t>(image[at] ^ 0x40)}) {
            corrupted[at] = value;
            if (auto found = ElfSectionReader::FromImage(corrupted, F::kSectionName, F::kMaxBlockSize)) {
                VersionInfo info;
                info.LoadFromBlock(std::move(*found));
                QueryEverything(info);
            }
        }
        corrupted[at] = image[at];
    }
}

QTEST_GUILESS_MAIN(VersionInfoTest)
#include "tst_versioninfo.moc"
