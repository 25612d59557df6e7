#pragma once

#include "model/InputForm.h"
#include "model/Tables.h"
#include "model/UnitSystem.h"
#include "storage/InputAssignments.h"

#include <string>
#include <vector>

// Where a number given for a k-value field goes.
enum class CustomKRule {
    // Into the field while its material is "Customized", as typing would; otherwise it is ignored
    // with a note (dorarive-calc's arguments).
    WhileCustomized,
    // Into the "Customized" row of the material table whichever row is selected, as the store
    // keeps it, so that a calculation file never loses a custom k.
    IntoCustomRow,
};

// The three rounds that set inputs on a form, the window's or a headless one: unit choices first
// (the values shown are converted as the Units dialog converts them), then selections (limited to
// their tables; a material shows its k) and options, then numbers, pasted so that the field's
// rules cut them.
class InputRounds {
public:
    InputRounds(InputForm& form, Tables& tables, UnitSystem& units);

    // Returns notes for numbers that do not count.
    std::vector<std::string> Apply(const InputAssignments& assignments, CustomKRule rule);

private:
    void ApplyUnits(const std::map<std::string, int>& choices);
    void ApplyChoices(const InputAssignments& assignments);
    std::vector<std::string> ApplyNumbers(const std::map<std::string, std::string>& numbers, CustomKRule rule);
    void TakeCustomK(InputField field, const MaterialInput& material, const std::string& number);

    InputForm& form_;
    Tables& tables_;
    UnitSystem& units_;
};
