#pragma once

#include <QString>

class QCoreApplication;

// The language of the texts, as the desktop asks for it: the first of the user's ui languages
// (LANGUAGE, then LC_ALL / LC_MESSAGES / LANG) that is English or has a catalogue under :/i18n/.
// Empty for English, the source language, and for the C and POSIX locales, which ignore LANGUAGE
// as gettext programs do.
QString UiLanguage();
// The choice itself, from the messages locale (LC_ALL, else LC_MESSAGES, else LANG) and the ui
// languages in the order QLocale::uiLanguages() gives them.
QString ChooseUiLanguage(const QByteArray& messagesLocale, const QStringList& uiLanguages);

// Installs the program's catalogue and Qt's own (qtbase_) for UiLanguage() into app and returns
// that language; in English nothing is loaded.
QString InstallCatalogues(QCoreApplication& app);
