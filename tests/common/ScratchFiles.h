#pragma once

#include <QByteArray>
#include <QString>

// What the calculation-file tests share: writing and reading back whole files, and the locale
// with a decimal comma they run the programs under.
namespace ScratchFiles {

// German numbers ("455,5"): the locale is compiled once into `dir`, a folder of the build, so
// no system locale is needed; LOCPATH pointing at `dir` makes it available.
inline const QString kCommaLocale = QStringLiteral("de_DE.UTF-8");

// Why the locale could not be compiled, or an empty text once it is there.
QString CompileCommaLocale(const QString& dir);

// `path` once the whole text is written there, otherwise an empty text.
QString Write(const QString& path, const QByteArray& text);

// The file's contents; empty when it cannot be read.
QByteArray ReadAll(const QString& path);

} // namespace ScratchFiles
