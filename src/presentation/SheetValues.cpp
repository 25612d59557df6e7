#include "presentation/SheetValues.h"

#include "model/Format.h"
#include "model/ResultRows.h"

std::string SheetValueText(SheetValue value, const LoadResults& r, const UnitSystem& units)
{
    switch (value) {
    case SheetValue::NetVolume:
        return FormatText(units.VolumeImperial() ? "%.2f" : "%.0f", ShownVolume(r.netVolume, units));
    case SheetValue::CabinetLoad:
        return FormatText("%.0f", ShownEnergy(r.cabinetLoad, units));
    case SheetValue::DoorLoad:
        return FormatText("%.0f", ShownEnergy(r.doorLoad, units));
    case SheetValue::AdditionalLoad:
        return FormatText("%.0f", r.additionalLoad); // always watts
    case SheetValue::CoolDownLoad:
        return FormatText("%.0f", ShownEnergy(r.coolDownLoad, units));
    }
    return {};
}
