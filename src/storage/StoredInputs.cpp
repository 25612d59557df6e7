#include "storage/StoredInputs.h"

#include "model/Conversions.h"
#include "model/FormRules.h"
#include "storage/InputAssignments.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string_view>

namespace StoredInputs {

namespace {

// A unit choice is stored under its name padded with blanks to 16 characters.
constexpr auto kStoredUnitNames = [] {
    std::array<std::array<char, 17>, 6> names{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string_view name = kUnitChoiceNames[i];
        for (std::size_t c = 0; c < 16; ++c)
            names[i][c] = c < name.size() ? name[c] : ' ';
    }
    return names;
}();

} // namespace

const char* const kSection = "Settings1";
const char* const kLocationSection = "Location1";
const char* const kUnitsEnergy = kStoredUnitNames[0].data();
const char* const kUnitsTemperature = kStoredUnitNames[1].data();
const char* const kUnitsKValue = kStoredUnitNames[2].data();
const char* const kUnitsVolume = kStoredUnitNames[3].data();
const char* const kUnitsLength = kStoredUnitNames[4].data();
const char* const kUnitsMass = kStoredUnitNames[5].data();

namespace {

std::int32_t Read(const ProfileStore& store, const InputRow& row)
{
    return store.GetProfileInt(kSection, row.name, ScaledEntry(row.firstRun, row.storedScale));
}

void Write(ProfileStore& store, const InputRow& row, std::int32_t value)
{
    store.WriteProfileInt(kSection, row.name, value);
}

int ReadChoice(const ProfileStore& store, const char* name)
{
    // Anything but 0 means the imperial unit; folding it to 1 keeps labels and conversions agreed.
    return store.GetProfileInt(kSection, name, 0) != 0 ? 1 : 0;
}

void LoadCustomK(const ProfileStore& store, InputForm& form, Tables& tables, const UnitSystem& units,
                 const InputRow& row)
{
    const MaterialInput& material = *MaterialOfK(row.Field());
    (tables.*material.table).SetCustomK(Read(store, row) / row.storedScale);
    form.SetDecimalPlaces(row.Field(), 4);
    ShowSelectedK(form, tables, units, material.selector);
}

void SaveCustomK(ProfileStore& store, const InputForm& form, Tables& tables, const UnitSystem& units,
                 const InputRow& row)
{
    const MaterialInput& material = *MaterialOfK(row.Field());
    MaterialTable& table = tables.*material.table;
    if (form.Selection(material.selector) == 0)
        table.SetCustomK(SiK(form.Value(row.Field()), units));
    Write(store, row, ScaledEntry(table.CustomK(), row.storedScale));
}

// Scaled entries are read as signed numbers, so a negative value comes back as itself.
void LoadInput(const ProfileStore& store, InputForm& form, Tables& tables, const UnitSystem& units, const InputRow& row)
{
    const std::int32_t stored = Read(store, row);
    if (row.quantity == Quantity::Selection)
        form.SetSelection(row.SelectorId(), ClampRowIndex(stored, SelectionRows(tables, row.SelectorId())));
    else if (row.quantity == Quantity::Option)
        form.SetOption(row.Box(), stored != 0);
    else if (row.quantity == Quantity::KValue)
        LoadCustomK(store, form, tables, units, row);
    else if (row.storedScale == 1)
        form.SetIntValue(row.Field(), stored);
    else
        form.SetValue(row.Field(), stored / row.storedScale, true);
}

void SaveInput(ProfileStore& store, const InputForm& form, Tables& tables, const UnitSystem& units, const InputRow& row)
{
    if (row.quantity == Quantity::Selection)
        Write(store, row, form.Selection(row.SelectorId()));
    else if (row.quantity == Quantity::Option)
        Write(store, row, form.Option(row.Box()) ? 1 : 0);
    else if (row.quantity == Quantity::KValue)
        SaveCustomK(store, form, tables, units, row);
    else if (row.storedScale == 1)
        Write(store, row, form.IntValue(row.Field())); // whole numbers keep their integer part only
    else
        Write(store, row, ScaledEntry(form.Value(row.Field()), row.storedScale));
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
    for (int i = 0; i < 6; ++i)
        UnitChoiceSlot(units, i) = ReadChoice(store, kStoredUnitNames[static_cast<std::size_t>(i)].data());
    return units;
}

void WriteUnitChoices(ProfileStore& store, const UnitSystem& units)
{
    for (int i = 0; i < 6; ++i)
        store.WriteProfileInt(kSection, kStoredUnitNames[static_cast<std::size_t>(i)].data(), UnitChoice(units, i));
}

void LoadStoredInputs(const ProfileStore& store, InputForm& form, Tables& tables, const UnitSystem& units)
{
    for (const InputRow* row : kLoadOrder)
        LoadInput(store, form, tables, units, *row);
}

void SaveInputs(ProfileStore& store, const InputForm& form, Tables& tables, const UnitSystem& units)
{
    // The numbers mean nothing without their units: a second copy of the program may have
    // stored other choices since this one started.
    WriteUnitChoices(store, units);
    for (const InputRow* row : kSaveOrder)
        SaveInput(store, form, tables, units, *row);
}

} // namespace StoredInputs
