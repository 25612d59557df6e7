#pragma once

#include "model/InputForm.h"
#include "model/UnitSystem.h"

#include <map>
#include <string>

// Inputs to set on a form by their stored names, sorted into the three rounds in which they apply:
// unit choices, then selections and options, then numbers. dorarive-calc's NAME=VALUE arguments
// and a calculation file both come down to this.
struct InputAssignments {
    std::map<std::string, int> units;           // "UnitsLength" -> 0 or 1
    std::map<std::string, int> selections;      // "iType" -> row
    std::map<std::string, int> options;         // "iDoorCheck" -> 0 or 1
    std::map<std::string, std::string> numbers; // "iDepth" -> "455.5599" ("-" and ".", whatever the locale)

    bool operator==(const InputAssignments&) const = default;
};

// The six unit choices by their names without the stored names' padding, in the order of
// energy, temperature, k value (stored under the pressure name), volume, length, mass.
inline constexpr const char* kUnitChoiceNames[6] = {"UnitsEnergy", "UnitsTemperature", "UnitsPressure",
                                                    "UnitsVolume", "UnitsLength",      "UnitsMass"};

enum class InputKind {
    Unknown,
    UnitChoice,
    Selection,
    Option,
    Number,
};

InputKind KindOfInput(const std::string& name);

// "-?digits[.digits]": the one form a number is written in outside the fields.
bool IsPlainNumber(const std::string& text);
// "-?digits"
bool IsWholeNumber(const std::string& text);

// The slot of a unit choice in the unit system, by its index in kUnitChoiceNames.
int& UnitChoiceSlot(UnitSystem& units, int index);
int UnitChoice(const UnitSystem& units, int index);
