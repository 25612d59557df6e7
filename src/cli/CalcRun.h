#pragma once

#include "controls/HeadlessForm.h"
#include "model/LoadResults.h"
#include "model/Recalculate.h"
#include "model/ResultRows.h"
#include "model/Tables.h"
#include "model/UnitSystem.h"
#include "storage/InputAssignments.h"
#include "storage/ProfileStore.h"

#include <optional>
#include <string>
#include <vector>

// What the window would show after the calculation: the results list and the message line.
struct ShownCalculation {
    std::vector<ResultRow> rows;
    std::string warning;
};

// A calculation's write-backs applied to a headless form as the window applies them to its own:
// a glass door's thickness into its field, the custom k values taken into the tables.
void ApplyWriteBacks(const RecalcResult& result, HeadlessForm& form, Tables& tables);

// One run of dorarive-calc: the form starts from a store (the user's or an empty one for the
// first-run defaults), or from a calculation file, takes the command line's assignments and is
// calculated once.
class CalcRun {
public:
    CalcRun(const ProfileStore& start, const LocaleChars& chars);

    // A checked calculation file over the first-run inputs, as the window opens one.
    void ApplyFile(const InputAssignments& file);
    // Units first (converting the shown values as the Units button does), then selections and
    // options, then numbers. Returns notes for assignments that do not count.
    std::vector<std::string> Apply(const InputAssignments& assignments);
    RecalcOutcome Calculate();
    // The same calculation within a sweep, where only the swept fields changed since the first:
    // the other inputs are read from the form once.
    RecalcOutcome CalculateSwept(const std::vector<InputField>& swept);
    // How the last calculation ended.
    RecalcOutcome Outcome() const { return outcome_; }

    const HeadlessForm& Form() const { return form_; }
    const Tables& TablesInUse() const { return tables_; }
    const UnitSystem& Units() const { return units_; }
    const LoadResults& Results() const { return results_; }
    // In English, as the JSON and CSV tables carry it.
    const ShownCalculation& Shown() const { return shown_; }
    // The same in the user's language, for the text report.
    ShownCalculation ShownIn(TextLookup lookup) const;

private:
    // Keeps what a calculation found for the output.
    RecalcOutcome Take(const RecalcResult& result);

    HeadlessForm form_;
    Tables tables_;
    UnitSystem units_;
    LoadResults results_;
    ShownCalculation shown_;
    RecalcResult last_;
    RecalcOutcome outcome_ = RecalcOutcome::Stopped;
    std::optional<LoadInputs> sweepBase_;
};
