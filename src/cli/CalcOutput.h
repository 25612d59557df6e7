#pragma once

#include "cli/CalcRun.h"

#include <QByteArray>
#include <string>

// The title (ReportTitle), the printout's lines as plain text, then the results list and the
// message line.
std::string TextReport(const CalcRun& run, const std::string& title);

// One JSON object: rows, warning, sheet, results, fields.
QByteArray JsonReport(const CalcRun& run);
