#include "storage/StoredInputs.h"

#include "model/Conversions.h"
#include "model/FormRules.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace StoredInputs {

const char* const kSection = "Settings1";
const char* const kLocationSection = "Location1";
const char* const kUnitsEnergy = "UnitsEnergy     ";
const char* const kUnitsTemperature = "UnitsTemperature";
const char* const kUnitsKValue = "UnitsPressure   ";
const char* const kUnitsVolume = "UnitsVolume     ";
const char* const kUnitsLength = "UnitsLength     ";
const char* const kUnitsMass = "UnitsMass       ";

namespace {

struct Entry {
    InputField field;
    std::int32_t defaultValue; // as stored
};

// The selections' first-run rows, in the order of kSelectors.
constexpr std::int32_t kSelectionDefaults[3] = {1, 4, 7};

// Whole numbers, in the order they are saved.
constexpr Entry kWholeEntries[] = {
    {InputField::iRunTime, 75},      {InputField::iAmbient, 32},    {InputField::iEvapTemp, 3},
    {InputField::iEvaporating, -7},  {InputField::iCondensing, 42}, {InputField::iSubcool, 1},
    {InputField::iOpenings, 0},      {InputField::iCoolMass, 0},    {InputField::iFanLoad, 0},
    {InputField::iAntisweatLoad, 0}, {InputField::iLightLoad, 0},   {InputField::iStart, 25},
    {InputField::iEnd, 5},
};

// Whole numbers in the order they are loaded (the runtime comes last, after the time).
constexpr InputField kWholeLoadOrder[] = {
    InputField::iAmbient,       InputField::iEvapTemp, InputField::iEvaporating, InputField::iCondensing,
    InputField::iSubcool,       InputField::iOpenings, InputField::iFanLoad,     InputField::iLightLoad,
    InputField::iAntisweatLoad, InputField::iCoolMass, InputField::iStart,       InputField::iEnd,
};

// Lengths stored x100, in the order they are saved.
constexpr Entry kHundredthEntries[] = {
    {InputField::iDepth, 40000},     {InputField::iDoorWidth, 50000}, {InputField::iDoorHeight, 100000},
    {InputField::iWidth, 50000},     {InputField::iHeight, 100000},   {InputField::iDoorInsul, 5000},
    {InputField::iInsulation, 5000},
};

constexpr InputField kHundredthLoadOrder[] = {
    InputField::iDepth,      InputField::iWidth,      InputField::iHeight,    InputField::iDoorWidth,
    InputField::iDoorHeight, InputField::iInsulation, InputField::iDoorInsul,
};

constexpr std::int32_t kTimeDefault = 60; // tenths of an hour
constexpr double kKScale = 1000000.0;

template <size_t N>
std::int32_t DefaultOf(const Entry (&entries)[N], InputField field)
{
    for (const Entry& e : entries)
        if (e.field == field)
            return e.defaultValue;
    return 0;
}

std::int32_t Read(const ProfileStore& store, InputField field, std::int32_t defaultValue)
{
    return store.GetProfileInt(kSection, FieldName(field), defaultValue);
}

void Write(ProfileStore& store, InputField field, std::int32_t value)
{
    store.WriteProfileInt(kSection, FieldName(field), value);
}

int ReadChoice(const ProfileStore& store, const char* name)
{
    // Anything but 0 means the imperial unit; folding it to 1 keeps labels and conversions agreed.
    return store.GetProfileInt(kSection, name, 0) != 0 ? 1 : 0;
}

void LoadCustomK(const ProfileStore& store, InputForm& form, MaterialTable& table, const Tables& tables,
                 const UnitSystem& units, InputField field, Selector selector)
{
    table.SetCustomK(Read(store, field, 0) / kKScale);
    form.SetDecimalPlaces(field, 4);
    ShowSelectedK(form, tables, units, selector);
}

void SaveCustomK(ProfileStore& store, const InputForm& form, MaterialTable& table, const UnitSystem& units,
                 InputField field, Selector selector)
{
    if (form.Selection(selector) == 0)
        table.SetCustomK(SiK(form.Value(field), units));
    Write(store, field, ScaledEntry(table.CustomK(), kKScale));
}

} // namespace

std::int32_t ScaledEntry(double value, double scale)
{
    const double scaled = value * scale;
    if (std::isnan(scaled))
        return 0;
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    // Within these bounds rounding cannot leave the 32-bit range.
    return static_cast<std::int32_t>(Conversions::RoundHalfAwayFromZero(std::clamp(scaled, lo, hi)));
}

UnitSystem ReadUnitChoices(const ProfileStore& store)
{
    UnitSystem units;
    units.energy = ReadChoice(store, kUnitsEnergy);
    units.temperature = ReadChoice(store, kUnitsTemperature);
    units.kValue = ReadChoice(store, kUnitsKValue);
    units.volume = ReadChoice(store, kUnitsVolume);
    units.length = ReadChoice(store, kUnitsLength);
    units.mass = ReadChoice(store, kUnitsMass);
    return units;
}

void WriteUnitChoices(ProfileStore& store, const UnitSystem& units)
{
    store.WriteProfileInt(kSection, kUnitsEnergy, units.energy);
    store.WriteProfileInt(kSection, kUnitsTemperature, units.temperature);
    store.WriteProfileInt(kSection, kUnitsKValue, units.kValue);
    store.WriteProfileInt(kSection, kUnitsVolume, units.volume);
    store.WriteProfileInt(kSection, kUnitsLength, units.length);
    store.WriteProfileInt(kSection, kUnitsMass, units.mass);
}

void LoadStoredInputs(const ProfileStore& store, InputForm& form, Tables& tables, const UnitSystem& units)
{
    const int rowCounts[] = {tables.insulationMaterials.Count(), tables.doorMaterials.Count(), tables.products.Count()};
    for (int i = 0; i < 3; ++i) {
        const SelectorInfo& s = kSelectors[i];
        form.SetSelection(s.selector,
                          ClampRowIndex(store.GetProfileInt(kSection, s.name, kSelectionDefaults[i]), rowCounts[i]));
    }
    // Scaled entries are read as signed numbers, so a negative value comes back as itself.
    for (InputField field : kHundredthLoadOrder)
        form.SetValue(field, Read(store, field, DefaultOf(kHundredthEntries, field)) / 100.0, true);
    for (InputField field : kWholeLoadOrder)
        form.SetIntValue(field, Read(store, field, DefaultOf(kWholeEntries, field)));
    LoadCustomK(store, form, tables.insulationMaterials, tables, units, InputField::iInsulTherm, Selector::iType);
    LoadCustomK(store, form, tables.doorMaterials, tables, units, InputField::iDoorInsulTherm, Selector::iType2);
    form.SetValue(InputField::iTime, Read(store, InputField::iTime, kTimeDefault) / 10.0, true);
    form.SetIntValue(InputField::iRunTime,
                     Read(store, InputField::iRunTime, DefaultOf(kWholeEntries, InputField::iRunTime)));
    for (const OptionInfo& o : kOptions)
        form.SetOption(o.box, store.GetProfileInt(kSection, o.name, 0) != 0);
}

void SaveInputs(ProfileStore& store, const InputForm& form, Tables& tables, const UnitSystem& units)
{
    // The numbers mean nothing without their units: a second copy of the program may have
    // stored other choices since this one started.
    WriteUnitChoices(store, units);
    for (const SelectorInfo& s : kSelectors)
        store.WriteProfileInt(kSection, s.name, form.Selection(s.selector));
    for (const OptionInfo& o : kOptions)
        store.WriteProfileInt(kSection, o.name, form.Option(o.box) ? 1 : 0);
    // Whole numbers keep their integer part only: that is the stored format.
    for (const Entry& e : kWholeEntries)
        Write(store, e.field, form.IntValue(e.field));
    Write(store, InputField::iTime, ScaledEntry(form.Value(InputField::iTime), 10.0));
    SaveCustomK(store, form, tables.insulationMaterials, units, InputField::iInsulTherm, Selector::iType);
    SaveCustomK(store, form, tables.doorMaterials, units, InputField::iDoorInsulTherm, Selector::iType2);
    for (const Entry& e : kHundredthEntries)
        Write(store, e.field, ScaledEntry(form.Value(e.field), 100.0));
}

} // namespace StoredInputs
