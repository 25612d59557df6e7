#pragma once

#include "cli/SweepRange.h"
#include "storage/InputAssignments.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

enum class CalcFormat {
    Text,
    Json,
    Csv,
};

// dorarive-calc's command line, checked as a whole before anything is read or calculated.
struct CalcOptions {
    bool help = false;
    QString helpText;
    bool stored = false;
    CalcFormat format = CalcFormat::Text;
    QStringList opens;
    QString save; // empty: nothing is saved
    std::optional<SweepRange> sweep;
    InputAssignments assignments;

    // More than one calculation: several files or a sweep.
    bool Batch() const { return opens.size() > 1 || sweep.has_value(); }
};

// Parses the arguments (the program's name first); on a usage error returns the message.
std::optional<std::string> ParseCalcOptions(const QStringList& arguments, CalcOptions& into);
