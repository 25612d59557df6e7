#pragma once

#include "model/InputForm.h"
#include "model/Tables.h"
#include "model/UnitSystem.h"
#include "storage/InputAssignments.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

// A calculation as a file a person can read and edit: a UTF-8 JSON document with the members
// "format" ("nordavik-kaldora"), "version" (1), "units" (the six unit choices, 0 or 1) and
// "inputs" (every input by its stored name; selections and options as whole numbers, numbers in
// the file's units as JSON numbers or as strings "-?digits[.digits]", written with "." whatever
// the locale). Custom k values are in the file's k unit and belong to the "Customized" rows.
namespace CalcFile {

extern const char* const kFormat; // "nordavik-kaldora"
constexpr int kVersion = 1;
extern const char* const kSuffix; // "kaldora"

// What is wrong with a document, and on which line where that is known (0: no line).
struct Problem {
    int line = 0;
    std::string text;
};

// A number as a file writes it: "-" and ".", in fixed notation, the shortest text that reads back
// as the same double.
std::string NumberText(double value);

// The inputs as a file keeps them: every unit choice, selection and option, every number as its
// field holds it; a k value while its material is not "Customized" is the custom k of the table,
// shown as the k-value field would show it.
InputAssignments InputsOf(const InputForm& form, const Tables& tables, const UnitSystem& units);

// The document for such inputs.
QByteArray Document(const InputAssignments& inputs);

// Checks a whole document against the tables' row counts; `into` is filled only when nothing is
// wrong. Members that are missing are missing from `into` too.
std::optional<Problem> Parse(const QByteArray& bytes, const Tables& tables, InputAssignments& into);

// Reads and checks a file. The message names the file and the first problem:
// "cabinet.kaldora: line 7: iDepth takes a number such as 455.55 or -7, got \"deep\"".
std::optional<std::string> Read(const QString& path, const Tables& tables, InputAssignments& into);

// The first-run inputs, then a file's inputs over them in the three rounds, the custom k values
// into the "Customized" rows. The file's unit choices become `units`.
void ApplyOverFirstRun(const InputAssignments& file, InputForm& form, Tables& tables, UnitSystem& units);

// Read, then ApplyOverFirstRun; a refused file changes nothing and its message is returned.
std::optional<std::string> Open(const QString& path, InputForm& form, Tables& tables, UnitSystem& units);

// Writes the document atomically: a failed write leaves an existing file whole and returns why.
std::optional<std::string> Write(const QString& path, const InputAssignments& inputs);
std::optional<std::string> Save(const QString& path, const InputForm& form, const Tables& tables,
                                const UnitSystem& units);

} // namespace CalcFile
