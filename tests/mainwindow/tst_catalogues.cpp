// The translation catalogues against the code and against what the user sees: every .ts file
// holds exactly the texts lupdate extracts from src/ (the scratch catalogue the test
// "lupdate_catalogue" writes), each one finished; the embedded .qm of every language translates
// an input check's message and a sheet label; the language follows the locale as users expect.

#include "controls/UiLanguage.h"
#include "model/Checks.h"
#include "model/ResultMembers.h"
#include "presentation/FormSheet.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// "context\nsource" of every message, with its translation's type ("" when finished).
QMap<QString, QString> ReadCatalogue(const QString& path)
{
    QMap<QString, QString> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (!xml.readNext() || !xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation")
            messages.insert(context + u'\n' + source, xml.attributes().value(QStringLiteral("type")).toString());
    }
    return messages;
}

QStringList Languages()
{
    QStringList languages;
    for (const QString& name : QDir(QStringLiteral(DORARIVE_TS_DIR)).entryList({QStringLiteral("dorarive_*.ts")}))
        languages << name.mid(9).chopped(3);
    return languages;
}

} // namespace

class CataloguesTest : public QObject {
    Q_OBJECT

private slots:
    void catalogues_are_complete_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : Languages())
            QTest::newRow(qPrintable(language)) << language;
    }

    // Fails until the translators' work is merged and the catalogues refreshed.
    void catalogues_are_complete()
    {
        QFETCH(QString, language);
        const QMap<QString, QString> code = ReadCatalogue(QStringLiteral(DORARIVE_SCRATCH_TS));
        QVERIFY2(code.size() > 150, "the scratch catalogue is missing or nearly empty");
        const QMap<QString, QString> catalogue =
            ReadCatalogue(QStringLiteral(DORARIVE_TS_DIR "/dorarive_%1.ts").arg(language));
        QStringList faults;
        for (auto it = catalogue.cbegin(); it != catalogue.cend(); ++it)
            if (!it.value().isEmpty() || !code.contains(it.key()))
                faults << QStringLiteral("%1: %2").arg(
                    code.contains(it.key()) ? it.value() : QStringLiteral("not in the code"), it.key());
        for (const QString& key : code.keys())
            if (!catalogue.contains(key))
                faults << QStringLiteral("missing: %1").arg(key);
        QVERIFY2(
            faults.isEmpty(),
            qPrintable(
                QStringLiteral("%1 faults, first: %2").arg(faults.size()).arg(faults.value(0).replace(u'\n', u'/'))));
    }

    void texts_are_translated_data() { catalogues_are_complete_data(); }

    // Fails until the translators' work is merged: the embedded catalogue is compiled from the .ts.
    void texts_are_translated()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("dorarive_") + language, QStringLiteral(":/i18n")));
        // A result's name in the What If window, looked up in the context its label says.
        const auto capacity = &LoadResults::requestedCapacity;
        const std::pair<const char*, const char*> texts[] = {
            {"Checks", Check(CheckId::CabinetDepth).message},
            {FormSheet::kLabelContext, FormSheet::Label(1)},
            {ResultLabelContext(capacity), ResultLabel(capacity)},
        };
        for (const auto& [context, text] : texts) {
            const QString translated = translator.translate(context, text);
            QVERIFY2(!translated.isEmpty() && translated != QString::fromUtf8(text), text);
        }
    }

    void language_follows_the_locale()
    {
        const struct {
            const char* messages;
            QStringList ui;
            const char* expected;
        } cases[] = {
            {"de_DE.UTF-8", {"de-DE"}, "de"},
            {"de_AT.UTF-8", {"de-AT", "de"}, "de"},
            {"en_US.UTF-8", {"de", "en"}, "de"},  // LANGUAGE=de:en
            {"de_DE.UTF-8", {"en-GB", "de"}, ""}, // LANGUAGE=en_GB:de: English first
            {"pt_BR.UTF-8", {"pt-BR"}, "pt_BR"},
            {"pt_PT.UTF-8", {"pt-PT"}, ""}, // no European Portuguese catalogue
            {"fr_CA.UTF-8", {"fr-CA"}, "fr"},
            {"sv_SE.UTF-8", {"sv-SE", "it"}, "it"},
            {"C", {"de"}, ""}, // LC_ALL=C ignores LANGUAGE
            {"C.UTF-8", {"fr"}, ""},
            {"POSIX", {"es"}, ""},
            {"", {"de"}, ""},
        };
        for (const auto& c : cases)
            QCOMPARE(ChooseUiLanguage(c.messages, c.ui), QString::fromUtf8(c.expected));
    }
};

QTEST_GUILESS_MAIN(CataloguesTest)
#include "tst_catalogues.moc"
