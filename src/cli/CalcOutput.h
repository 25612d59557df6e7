#pragma once

#include "cli/CalcRun.h"

#include <QByteArray>
#include <QJsonObject>
#include <string>

// The title that heads the printed report: "%s v%s" of the program's description and version.
std::string ReportTitle();

// The printout's lines as plain text, then the results list and the message line.
std::string TextReport(const CalcRun& run);

// One JSON object: rows, warning, sheet, results, fields.
QJsonObject JsonObject(const CalcRun& run);
// The object indented, as one calculation prints it.
QByteArray JsonReport(const CalcRun& run);

// A table of calculations: the header, then per calculation its file (or nothing), every input as
// a calculation file holds it, every result (empty when a check stopped it), the outcome
// ("completed" or "stopped") and the message (the error row or the warning).
std::string CsvHeader();
std::string CsvRow(const std::string& file, const CalcRun& run);
