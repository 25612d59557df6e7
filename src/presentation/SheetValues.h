#pragma once

#include "model/LoadResults.h"
#include "model/UnitSystem.h"

#include <string>

// The five computed values painted on the sheet, formatted as the sheet shows them.
enum class SheetValue {
    NetVolume,
    CabinetLoad,
    DoorLoad,
    AdditionalLoad,
    CoolDownLoad
};

std::string SheetValueText(SheetValue value, const LoadResults& results, const UnitSystem& units);
