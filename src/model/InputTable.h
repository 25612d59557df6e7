#pragma once

#include "model/LoadInputs.h"
#include "model/Tables.h"
#include "model/UnitSystem.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <type_traits>

// The 23 numeric fields of the form, by the stored entry name of the value each holds. The
// numbers are the window's control identifiers.
enum class InputField : int {
    iOpenings = 1003,
    iEvapTemp = 1004,
    iCoolMass = 1005,
    iStart = 1006,
    iFanLoad = 1007,
    iAmbient = 1008,
    iDepth = 1027,
    iWidth = 1028,
    iHeight = 1029,
    iInsulation = 1030,
    iLightLoad = 1031,
    iEnd = 1033,
    iTime = 1034,
    iRunTime = 1035,
    iDoorWidth = 1036,
    iDoorHeight = 1037,
    iDoorInsul = 1038,
    iAntisweatLoad = 1043,
    iInsulTherm = 1044,     // the wall k-value field
    iDoorInsulTherm = 1045, // the door k-value field
    iEvaporating = 1049,
    iCondensing = 1050,
    iSubcool = 1051,
};

enum class Selector : int {
    iType = 1017,  // insulation material
    iProd = 1032,  // product
    iType2 = 1040, // door material
};

enum class OptionBox : int {
    iDoorCheck = 1042,
    iHeatCheck = 1046,
    iCoolCheck = 1047,
    iCondCheck = 1048,
};

// What an input measures, which decides how a change of units converts it. A number's kind is
// the label kind of its unit.
enum class Quantity {
    Length = kLengthUnit,
    Temperature = kTemperatureUnit,
    TemperatureDifference = kTemperatureDifferenceUnit,
    Mass = kMassUnit,
    KValue = kKValueUnit, // a custom k, kept in W/(m.K) by the calculation
    Power = kWattsUnit,
    Time = kHoursUnit,
    Percent = kPercentUnit,
    Selection = 100,
    Option,
};

constexpr int UnitKindOf(Quantity quantity)
{
    return quantity == Quantity::Selection || quantity == Quantity::Option ? kNoUnit : static_cast<int>(quantity);
}

// An input's place in the three orders that are not the table's: saved to and loaded from the
// settings store, and printed in the report (the options, which print no line, last).
struct InputPlaces {
    int save, load, report;
};

// The form's control an input is: its identifier, an InputField, Selector or OptionBox value.
struct InputId {
    template <class Id>
    requires std::is_same_v<Id, InputField> || std::is_same_v<Id, Selector> || std::is_same_v<Id, OptionBox>
    constexpr InputId(Id id)
        : value(static_cast<int>(id))
    {
    }
    int value;
};

// Where a calculation keeps an input: a number, a whole number (a row, the runtime) or an option.
struct InputMember {
    template <class T>
    constexpr InputMember(T LoadInputs::*member)
    {
        if constexpr (std::is_same_v<T, double>)
            number = member;
        else if constexpr (std::is_same_v<T, int>)
            whole = member;
        else
            flag = member;
    }
    double LoadInputs::*number = nullptr;
    int LoadInputs::*whole = nullptr;
    bool LoadInputs::*flag = nullptr;
};

// One input of the form: every fact about it that is not how the sheet draws it.
struct InputRow {
    InputId id;
    const char* name; // the stored entry name, also the file member and the command-line name
    Quantity quantity;
    double firstRun;    // in metric units; a custom k in W/(m.K), a selection's row, an option 0
    double storedScale; // the stored entry is the value times this
    InputPlaces places;
    int sheetRow; // the row of the painted sheet it stands on
    InputMember member;
    std::optional<OptionBox> shownBy = {}; // the option that shows its row

    constexpr bool IsNumber() const { return quantity != Quantity::Selection && quantity != Quantity::Option; }
    constexpr InputField Field() const { return static_cast<InputField>(id.value); }
    constexpr Selector SelectorId() const { return static_cast<Selector>(id.value); }
    constexpr OptionBox Box() const { return static_cast<OptionBox>(id.value); }
};

// Every input, in the window's tab order. First-run values are those of a store with no entries;
// stored scales: whole numbers 1, lengths 100, the time 10, k values 1000000.
inline constexpr auto kInputs = [] {
    using enum InputField;
    using enum Selector;
    using enum OptionBox;
    using enum Quantity;
    using L = LoadInputs;
    return std::to_array<InputRow>({
        {iAmbient, "iAmbient", Temperature, 32, 1, {8, 10, 0}, 1, &L::iAmbient},
        {iEvapTemp, "iEvapTemp", Temperature, 3, 1, {9, 11, 1}, 2, &L::iEvapTemp},
        {iCondCheck, "iCondCheck", Option, 0, 1, {6, 29, 26}, 3, &L::iCondCheck},
        {iEvaporating, "iEvaporating", Temperature, -7, 1, {10, 12, 2}, 4, &L::iEvaporating, iCondCheck},
        {iCondensing, "iCondensing", Temperature, 42, 1, {11, 13, 3}, 5, &L::iCondensing, iCondCheck},
        {iSubcool, "iSubcool", TemperatureDifference, 1, 1, {12, 14, 4}, 6, &L::iSubcool, iCondCheck},
        {iDepth, "iDepth", Length, 400, 100, {23, 3, 5}, 8, &L::iDepth},
        {iWidth, "iWidth", Length, 500, 100, {26, 4, 6}, 9, &L::iWidth},
        {iHeight, "iHeight", Length, 1000, 100, {27, 5, 7}, 10, &L::iHeight},
        {iType, "iType", Selection, 1, 1, {0, 0, 9}, 12, &L::iType},
        {iInsulTherm, "iInsulTherm", KValue, 0, 1e6, {21, 22, 10}, 13, &L::iInsulTherm},
        {iInsulation, "iInsulation", Length, 50, 100, {29, 8, 8}, 14, &L::iInsulation},
        {iDoorCheck, "iDoorCheck", Option, 0, 1, {3, 26, 27}, 15, &L::iDoorCheck},
        {iDoorWidth, "iDoorWidth", Length, 500, 100, {24, 6, 11}, 17, &L::iDoorWidth, iDoorCheck},
        {iDoorHeight, "iDoorHeight", Length, 1000, 100, {25, 7, 12}, 18, &L::iDoorHeight, iDoorCheck},
        {iType2, "iType2", Selection, 4, 1, {1, 1, 14}, 19, &L::iType2, iDoorCheck},
        {iDoorInsulTherm, "iDoorInsulTherm", KValue, 0, 1e6, {22, 23, 15}, 20, &L::iDoorInsulTherm, iDoorCheck},
        {iDoorInsul, "iDoorInsul", Length, 50, 100, {28, 9, 13}, 21, &L::iDoorInsul, iDoorCheck},
        {iHeatCheck, "iHeatCheck", Option, 0, 1, {4, 27, 28}, 22, &L::iHeatCheck},
        {iOpenings, "iOpenings", Power, 0, 1, {13, 15, 16}, 23, &L::iOpenings, iHeatCheck},
        {iLightLoad, "iLightLoad", Power, 0, 1, {17, 17, 18}, 24, &L::iLightLoad, iHeatCheck},
        {iFanLoad, "iFanLoad", Power, 0, 1, {15, 16, 17}, 25, &L::iFanLoad, iHeatCheck},
        {iAntisweatLoad, "iAntisweatLoad", Power, 0, 1, {16, 18, 19}, 26, &L::iAntisweatLoad, iHeatCheck},
        {iCoolCheck, "iCoolCheck", Option, 0, 1, {5, 28, 29}, 27, &L::iCoolCheck},
        {iCoolMass, "iCoolMass", Mass, 0, 1, {14, 19, 20}, 28, &L::iCoolMass, iCoolCheck},
        {iProd, "iProd", Selection, 7, 1, {2, 2, 21}, 29, &L::iProd, iCoolCheck},
        {iStart, "iStart", Temperature, 25, 1, {18, 20, 22}, 30, &L::iStart, iCoolCheck},
        {iEnd, "iEnd", Temperature, 5, 1, {19, 21, 23}, 31, &L::iEnd, iCoolCheck},
        {iTime, "iTime", Time, 6, 10, {20, 24, 24}, 32, &L::iTime, iCoolCheck},
        {iRunTime, "iRunTime", Percent, 75, 1, {7, 25, 25}, 34, &L::iRunTime},
    });
}();
inline constexpr int kInputCount = static_cast<int>(kInputs.size());

constexpr std::size_t CountOf(Quantity quantity)
{
    return static_cast<std::size_t>(
        std::count_if(kInputs.begin(), kInputs.end(), [&](const InputRow& r) { return r.quantity == quantity; }));
}

// The rows `take` gives an Info for, in the order of `rows`.
template <class Info, std::size_t N, class Rows, class Take>
constexpr std::array<Info, N> PickInputs(const Rows& rows, Take take)
{
    std::array<Info, N> picked{};
    std::size_t n = 0;
    for (const auto& row : rows)
        if (auto info = take(row))
            picked[n++] = *info;
    return picked;
}

template <int InputPlaces::*place>
constexpr std::array<const InputRow*, kInputCount> OrderedInputs()
{
    std::array<const InputRow*, kInputCount> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = &kInputs[i];
    std::sort(rows.begin(), rows.end(),
              [](const InputRow* a, const InputRow* b) { return a->places.*place < b->places.*place; });
    return rows;
}

// The inputs in the order they are saved to the store, loaded from it and printed.
inline constexpr auto kSaveOrder = OrderedInputs<&InputPlaces::save>();
inline constexpr auto kLoadOrder = OrderedInputs<&InputPlaces::load>();
inline constexpr auto kReportOrder = OrderedInputs<&InputPlaces::report>();

// An input by its identifier and stored name.
struct InputFieldInfo {
    InputField field;
    const char* name;
};
struct SelectorInfo {
    Selector selector;
    const char* name;
};
struct OptionInfo {
    OptionBox box;
    const char* name;
};

// All numeric fields in the window's tab order.
inline constexpr auto kInputFields =
    PickInputs<InputFieldInfo, kInputs.size() - CountOf(Quantity::Selection) - CountOf(Quantity::Option)>(
        kInputs, [](const InputRow& r) {
            return r.IsNumber() ? std::optional(InputFieldInfo{r.Field(), r.name}) : std::nullopt;
        });

// The selections and the options in the order they are stored: iType, iType2, iProd;
// iDoorCheck, iHeatCheck, iCoolCheck, iCondCheck.
inline constexpr auto kSelectors = PickInputs<SelectorInfo, CountOf(Quantity::Selection)>(kSaveOrder, [](const InputRow*
                                                                                                             r) {
    return r->quantity == Quantity::Selection ? std::optional(SelectorInfo{r->SelectorId(), r->name}) : std::nullopt;
});
inline constexpr auto kOptions = PickInputs<OptionInfo, CountOf(Quantity::Option)>(kSaveOrder, [](const InputRow* r) {
    return r->quantity == Quantity::Option ? std::optional(OptionInfo{r->Box(), r->name}) : std::nullopt;
});

const InputRow& InputOf(InputField field);
const InputRow* InputNamed(const std::string& name);
inline const char* FieldName(InputField field)
{
    return InputOf(field).name;
}

// The material table a selection picks from, and the selection a k value belongs to.
struct MaterialInput {
    Selector selector;
    InputField kField;
    MaterialTable Tables::*table;
};
inline constexpr MaterialInput kMaterialInputs[] = {
    {Selector::iType, InputField::iInsulTherm, &Tables::insulationMaterials},
    {Selector::iType2, InputField::iDoorInsulTherm, &Tables::doorMaterials},
};
// Null for every field but the two k values.
const MaterialInput* MaterialOfK(InputField field);
// iType or iType2.
constexpr const MaterialInput& MaterialOf(Selector selector)
{
    return kMaterialInputs[selector == Selector::iType ? 0 : 1];
}

// A selection's table: its row count and a row's name.
int SelectionRows(const Tables& tables, Selector selector);
const std::string& SelectionName(const Tables& tables, Selector selector, int row);
