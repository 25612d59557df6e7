#pragma once

#include "cli/CalcOptions.h"
#include "cli/CalcRun.h"
#include "controls/LocaleChars.h"
#include "storage/ProfileStore.h"

#include <QByteArray>

#include <memory>
#include <set>
#include <string>
#include <vector>

// The calculations one command line asks for: one, or one per file and per swept value, each on
// its own, printed in the chosen format. Every file is read and checked before anything is
// calculated, so a refused file leaves stdout empty.
class CalcBatch {
public:
    // title: the report's first line.
    CalcBatch(const CalcOptions& options, const LocaleChars& chars, std::string title);
    ~CalcBatch();

    // Exit status: 0 all completed, 1 a calculation stopped at a check, 2 a file error.
    int Run();

private:
    struct Start {
        QString file; // empty: the store's inputs
        InputAssignments inputs;
    };

    std::optional<std::string> ReadFiles();
    int RunOne();
    int RunEach();
    void Prepare(CalcRun& run, const Start& start, const InputAssignments& assignments);
    void Assign(CalcRun& run, const InputAssignments& assignments);
    QByteArray Heading(const Start& start, const std::string* sweepValue) const;
    QByteArray Printed(const CalcRun& run, const Start& start, const std::string* sweepValue) const;

    const CalcOptions& options_;
    LocaleChars chars_;
    std::string title_;
    std::unique_ptr<ProfileStore> store_;
    std::vector<Start> starts_;
    std::set<std::string> notesShown_;
};
