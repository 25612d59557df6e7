#pragma once

#include "model/Checks.h"
#include "model/InputForm.h"
#include "model/LoadInputs.h"
#include "model/LoadResults.h"
#include "model/Tables.h"
#include "model/TextLookup.h"
#include "model/UnitSystem.h"

#include <string>
#include <vector>

// How one variant of the form calculated: its results when it completed, otherwise the error row
// of the check that stopped it; the texts in the language of the calculator's lookup.
struct VariantOutcome {
    bool completed = false;
    LoadResults results;
    std::string message;               // the error row and its range, when stopped
    std::string warning;               // the message line of a completed calculation
    const CheckInfo* failed = nullptr; // the check behind the message
    const CheckInfo* warned = nullptr; // the check behind the warning
};

// The message of an outcome as one line: the error row and its range when a check stopped it,
// otherwise the warning (or nothing). Without a lookup in English, as a table of data keeps it.
std::string OutcomeLine(const CheckInfo* failed, const CheckInfo* warned, const UnitSystem& units,
                        TextLookup lookup = nullptr);

// Calculates variants of one form without touching it: the same core as the window, on a copy of
// the tables, so no variant writes the window's tables, fields or store. Every caller that
// calculates many points (the sweep chart, the goal seek, the comparison) goes through here.
class VariantCalc {
public:
    // The lookup translates the outcomes' messages (none: English).
    VariantCalc(const Tables& tables, const UnitSystem& units, TextLookup lookup = nullptr)
        : tables_(tables)
        , units_(units)
        , lookup_(lookup)
    {
    }

    VariantOutcome Calculate(const LoadInputs& inputs);
    const UnitSystem& Units() const { return units_; }

private:
    Tables tables_;
    UnitSystem units_;
    TextLookup lookup_;
};

// A number input of LoadInputs as its field shows it (a custom k in the chosen k unit), and back.
// The runtime counts in whole per cent, as its field is read.
double ShownInput(const LoadInputs& inputs, InputField field, const UnitSystem& units);
void SetShownInput(LoadInputs& inputs, InputField field, double shown, const UnitSystem& units);
// The decimal places that count in a field: the k values four, the runtime none, the others two.
int FieldDecimals(InputField field);

// The values of a sweep: from, then `steps` equal steps up to to (steps + 1 values).
std::vector<double> SweepValues(double from, double to, int steps);
