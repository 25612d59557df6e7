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

// --seek NAME RESULT=VALUE: the value of a number input that makes a computed value the target.
struct SeekRequest {
    std::string name;   // the input, by its stored name
    std::string result; // a member of the printed results
    double target = 0;  // in the unit that member prints in
};

// dorarive-calc's command line, checked as a whole before anything is read or calculated.
struct CalcOptions {
    bool help = false;
    QString helpText;
    bool stored = false;
    CalcFormat format = CalcFormat::Text;
    QStringList opens;
    QString save;                   // empty: nothing is saved
    std::vector<SweepRange> sweeps; // none, one, or two for a grid
    std::optional<SeekRequest> seek;
    InputAssignments assignments;

    static constexpr int kMaxSweepRows = 100000;

    // More than one calculation, or one found first: several files, a sweep or a seek.
    bool Batch() const { return opens.size() > 1 || !sweeps.empty() || seek.has_value(); }
};

// Parses the arguments (the program's name first); on a usage error returns the message.
std::optional<std::string> ParseCalcOptions(const QStringList& arguments, CalcOptions& into);
