#pragma once

#include "model/InputForm.h"
#include "model/LoadInputs.h"
#include "model/LoadResults.h"
#include "model/Tables.h"
#include "model/UnitSystem.h"

#include <string>
#include <vector>

// How one variant of the form calculated: its results when it completed, otherwise the error row
// of the check that stopped it.
struct VariantOutcome {
    bool completed = false;
    LoadResults results;
    std::string message; // the error row and its range, when stopped
    std::string warning; // the message line of a completed calculation
};

// Calculates variants of one form without touching it: the same core as the window, on a copy of
// the tables, so no variant writes the window's tables, fields or store. Every caller that
// calculates many points (the sweep chart, the goal seek, the comparison) goes through here.
class VariantCalc {
public:
    VariantCalc(const Tables& tables, const UnitSystem& units)
        : tables_(tables)
        , units_(units)
    {
    }

    VariantOutcome Calculate(const LoadInputs& inputs);
    const UnitSystem& Units() const { return units_; }

private:
    Tables tables_;
    UnitSystem units_;
};

// A number input of LoadInputs as its field shows it (a custom k in the chosen k unit), and back.
// The runtime counts in whole per cent, as its field is read.
double ShownInput(const LoadInputs& inputs, InputField field, const UnitSystem& units);
void SetShownInput(LoadInputs& inputs, InputField field, double shown, const UnitSystem& units);
// The decimal places that count in a field: the k values four, the runtime none, the others two.
int FieldDecimals(InputField field);

// The values of a sweep: from, then `steps` equal steps up to to (steps + 1 values).
std::vector<double> SweepValues(double from, double to, int steps);
