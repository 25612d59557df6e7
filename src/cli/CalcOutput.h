#pragma once

#include "cli/CalcRun.h"

#include <QByteArray>
#include <QJsonObject>
#include <string>

// The title (ReportTitle), the printout's lines as plain text, then the results list and the
// message line.
std::string TextReport(const CalcRun& run, const std::string& title);

// One JSON object: rows, warning, sheet, results, fields.
QJsonObject JsonObject(const CalcRun& run);
// The object indented, as one calculation prints it.
QByteArray JsonReport(const CalcRun& run);

// A table of calculations: the header, then per calculation its file (or nothing), every input as
// a calculation file holds it, every result (empty when a check stopped it), the outcome
// ("completed" or "stopped") and the message (the error row or the warning).
std::string CsvHeader();
// The error row of a stopped calculation, or the warning.
std::string Message(const CalcRun& run);
std::string CsvRow(const std::string& file, const CalcRun& run);
