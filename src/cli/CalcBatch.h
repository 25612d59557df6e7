#pragma once

#include "cli/CalcOptions.h"
#include "cli/CalcRun.h"
#include "controls/LocaleChars.h"
#include "storage/CalcTable.h"
#include "storage/ProfileStore.h"

#include <QJsonObject>

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

    // The values set for one calculation of a sweep or a seek, by input name.
    struct Point {
        std::vector<std::pair<std::string, std::string>> values;
        bool found = false; // by the seek
    };

    std::optional<std::string> ReadFiles();
    int RunOne();
    int RunEach();
    // Each returns false when a calculation stopped (or the seek found nothing).
    bool RunStart(const Start& start);
    bool RunSweep(CalcRun& run, const Start& start);
    bool RunSeek(CalcRun& run, const Start& start);
    bool PrintPoint(CalcRun& run, const Start& start, const Point& point);
    void Prepare(CalcRun& run, const Start& start, const InputAssignments& assignments);
    void Assign(CalcRun& run, const InputAssignments& assignments);
    QByteArray Heading(const Start& start, const Point* point) const;
    QByteArray Printed(const CalcRun& run, const Start& start, const Point* point) const;
    QJsonObject JsonOf(const CalcRun& run, const Start& start, const Point* point) const;

    const CalcOptions& options_;
    LocaleChars chars_;
    std::string title_;
    std::unique_ptr<ProfileStore> store_;
    std::vector<Start> starts_;
    std::set<std::string> notesShown_;
    std::vector<InputField> swept_;
    std::unique_ptr<CalcTable::CsvRows> csvRows_; // a sweep's rows, for the start being swept
    bool first_ = true;
};
