#pragma once

#include "model/TextLookup.h"
#include "model/UnitSystem.h"

#include <string>

// The input checks, numbered in the order the calculation runs them; the two k-value checks,
// added later, keep the numbers after those and run between the loads and the runtime.
enum class CheckId : int {
    CabinetDepth = 1,
    CabinetWidth,
    CabinetHeight,
    DoorWidth,
    DoorHeight,
    StartAboveEnd,
    EndNotBelowBox,
    StartTemperature,
    CoolDownMass,
    CoolDownTime,
    AmbientAboveBox,
    AmbientTemperature,
    BoxTemperature,
    EvaporatingTemperature,
    CondensingTemperature,
    Subcooling,
    EvaporatingAboveBox, // the one warning
    InsulationThickness,
    DoorInsulationThickness,
    OpeningsLoad,
    FanLoad,
    LightLoad,
    AntisweatLoad,
    MaxRuntime,
    InsulationK, // a "Customized" k of 0 or below would give no or a negative cooling need
    DoorK,
};

struct CheckInfo {
    CheckId id;
    const char* message;
    int rangeKind; // a UnitKind code
    int low;       // in SI units; tenths of an hour for the hours kind
    int high;
    bool warning;
};

const CheckInfo& Check(CheckId id);

// True when value lies outside the check's low..high (a value equal to a limit passes).
bool OutsideLimits(const CheckInfo& check, double value);

// The texts take a lookup that translates their parts (see model/TextLookup.h).

// The text of a failed check as the results list or message line shows it:
// "Error: %s" for messages of at most 24 characters, else the message alone.
std::string ProblemRowText(const CheckInfo& check, TextLookup lookup = nullptr);

// The permitted range in the user's units; empty when the check has no range to show.
std::string RangeText(const CheckInfo& check, const UnitSystem& units, TextLookup lookup = nullptr);

// The message line of the warning: "Warning: %s", with "  (range)" when it has one.
std::string WarningText(const CheckInfo& check, const UnitSystem& units, TextLookup lookup = nullptr);
