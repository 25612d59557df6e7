#pragma once

#include "cli/CalcRun.h"

#include <QByteArray>
#include <string>

// The title that heads the printed report: "%s v%s" of the program's description and version.
std::string ReportTitle();

// The printout's lines as plain text, then the results list and the message line.
std::string TextReport(const CalcRun& run);

// One JSON object: rows, warning, sheet, results, fields.
QByteArray JsonReport(const CalcRun& run);
