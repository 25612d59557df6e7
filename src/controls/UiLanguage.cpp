#include "controls/UiLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace {

const QString kCatalogueDir = QStringLiteral(":/i18n");

// The locale that decides the messages, looked up as the C library does.
QByteArray MessagesLocale()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const QByteArray value = qgetenv(name); !value.isEmpty())
            return value;
    return {};
}

bool IsPlainLocale(const QByteArray& name)
{
    return name.isEmpty() || name == "C" || name == "POSIX" || name.startsWith("C.");
}

bool HasCatalogue(const QString& language)
{
    return QFile::exists(kCatalogueDir + QStringLiteral("/dorarive_") + language + QStringLiteral(".qm"));
}

} // namespace

QString UiLanguage()
{
    const QByteArray messages = MessagesLocale();
    // No lookup of the ui languages in the C locale either: nothing to do for English.
    return IsPlainLocale(messages) ? QString() : ChooseUiLanguage(messages, QLocale::system().uiLanguages());
}

QString ChooseUiLanguage(const QByteArray& messagesLocale, const QStringList& uiLanguages)
{
    if (IsPlainLocale(messagesLocale))
        return {};
    for (QString wanted : uiLanguages) {
        wanted.replace(u'-', u'_');
        const QString language = wanted.section(u'_', 0, 0);
        if (language == u"en" || language == u"C")
            return {};
        if (HasCatalogue(wanted))
            return wanted;
        // pt_BR wanted as pt_BR_xx, or de_AT served by the German catalogue.
        for (const QString& candidate : {wanted.section(u'_', 0, 1), language})
            if (HasCatalogue(candidate))
                return candidate;
    }
    return {};
}

QString InstallCatalogues(QCoreApplication& app)
{
    const QString language = UiLanguage();
    if (language.isEmpty())
        return language;
    auto* own = new QTranslator(&app);
    if (own->load(QStringLiteral("dorarive_") + language, kCatalogueDir))
        QCoreApplication::installTranslator(own);
    // Qt's dialogs and standard buttons, from the system's Qt catalogues where installed.
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    return language;
}
