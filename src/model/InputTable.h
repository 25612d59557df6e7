#pragma once

#include "model/LoadInputs.h"
#include "model/Tables.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>

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

// What an input measures, which decides how a change of units converts it.
enum class Quantity {
    Length,
    Temperature,
    TemperatureDifference,
    Mass,
    KValue, // a custom k, kept in W/(m.K) by the calculation
    Power,
    Time,
    Percent,
    Selection,
    Option,
};

// An input's place in the three orders that are not the table's: saved to and loaded from the
// settings store, and printed in the report (-1: not printed).
struct InputPlaces {
    int save;
    int load;
    int report;
};

// One input of the form: every fact about it that is not how the sheet draws it.
struct InputRow {
    constexpr InputRow(InputField field, const char* stored, double LoadInputs::*member, Quantity kind, double first,
                       double scale, InputPlaces at, int row, std::optional<OptionBox> on = {})
        : id(static_cast<int>(field))
        , name(stored)
        , quantity(kind)
        , firstRun(first)
        , storedScale(scale)
        , places(at)
        , shownBy(on)
        , sheetRow(row)
        , number(member)
    {
    }
    // The runtime: a number whose whole part alone counts.
    constexpr InputRow(InputField field, const char* stored, int LoadInputs::*member, Quantity kind, double first,
                       InputPlaces at, int row)
        : id(static_cast<int>(field))
        , name(stored)
        , quantity(kind)
        , firstRun(first)
        , storedScale(1)
        , places(at)
        , sheetRow(row)
        , whole(member)
    {
    }
    constexpr InputRow(Selector selector, const char* stored, int LoadInputs::*member, int firstRow, InputPlaces at,
                       int row, std::optional<OptionBox> on = {})
        : id(static_cast<int>(selector))
        , name(stored)
        , quantity(Quantity::Selection)
        , firstRun(firstRow)
        , storedScale(1)
        , places(at)
        , shownBy(on)
        , sheetRow(row)
        , whole(member)
    {
    }
    constexpr InputRow(OptionBox box, const char* stored, bool LoadInputs::*member, InputPlaces at, int row)
        : id(static_cast<int>(box))
        , name(stored)
        , quantity(Quantity::Option)
        , firstRun(0)
        , storedScale(1)
        , places(at)
        , sheetRow(row)
        , flag(member)
    {
    }

    constexpr bool IsNumber() const { return quantity != Quantity::Selection && quantity != Quantity::Option; }
    constexpr InputField Field() const { return static_cast<InputField>(id); }
    constexpr Selector SelectorId() const { return static_cast<Selector>(id); }
    constexpr OptionBox Box() const { return static_cast<OptionBox>(id); }

    int id;           // an InputField, Selector or OptionBox
    const char* name; // the stored entry name, also the file member and CLI name
    Quantity quantity;
    double firstRun;    // in metric units; a custom k in W/(m.K)
    double storedScale; // the stored entry is the value times this
    InputPlaces places;
    std::optional<OptionBox> shownBy; // the option whose rows the input stands on
    int sheetRow;                     // its row of the painted sheet
    double LoadInputs::*number = nullptr;
    int LoadInputs::*whole = nullptr;
    bool LoadInputs::*flag = nullptr;
};

// Every input, in the window's tab order. First-run values are those of a store with no entries;
// stored scales: whole numbers 1, lengths 100, the time 10, k values 1000000.
inline constexpr int kInputCount = 30;
inline constexpr std::array<InputRow, kInputCount> kInputs = {{
    {InputField::iAmbient, "iAmbient", &LoadInputs::iAmbient, Quantity::Temperature, 32, 1, {8, 10, 0}, 1},
    {InputField::iEvapTemp, "iEvapTemp", &LoadInputs::iEvapTemp, Quantity::Temperature, 3, 1, {9, 11, 1}, 2},
    {OptionBox::iCondCheck, "iCondCheck", &LoadInputs::iCondCheck, {6, 29, -1}, 3},
    {InputField::iEvaporating,
     "iEvaporating",
     &LoadInputs::iEvaporating,
     Quantity::Temperature,
     -7,
     1,
     {10, 12, 2},
     4,
     OptionBox::iCondCheck},
    {InputField::iCondensing,
     "iCondensing",
     &LoadInputs::iCondensing,
     Quantity::Temperature,
     42,
     1,
     {11, 13, 3},
     5,
     OptionBox::iCondCheck},
    {InputField::iSubcool,
     "iSubcool",
     &LoadInputs::iSubcool,
     Quantity::TemperatureDifference,
     1,
     1,
     {12, 14, 4},
     6,
     OptionBox::iCondCheck},
    {InputField::iDepth, "iDepth", &LoadInputs::iDepth, Quantity::Length, 400, 100, {23, 3, 5}, 8},
    {InputField::iWidth, "iWidth", &LoadInputs::iWidth, Quantity::Length, 500, 100, {26, 4, 6}, 9},
    {InputField::iHeight, "iHeight", &LoadInputs::iHeight, Quantity::Length, 1000, 100, {27, 5, 7}, 10},
    {Selector::iType, "iType", &LoadInputs::iType, 1, {0, 0, 9}, 12},
    {InputField::iInsulTherm, "iInsulTherm", &LoadInputs::iInsulTherm, Quantity::KValue, 0, 1e6, {21, 22, 10}, 13},
    {InputField::iInsulation, "iInsulation", &LoadInputs::iInsulation, Quantity::Length, 50, 100, {29, 8, 8}, 14},
    {OptionBox::iDoorCheck, "iDoorCheck", &LoadInputs::iDoorCheck, {3, 26, -1}, 15},
    {InputField::iDoorWidth,
     "iDoorWidth",
     &LoadInputs::iDoorWidth,
     Quantity::Length,
     500,
     100,
     {24, 6, 11},
     17,
     OptionBox::iDoorCheck},
    {InputField::iDoorHeight,
     "iDoorHeight",
     &LoadInputs::iDoorHeight,
     Quantity::Length,
     1000,
     100,
     {25, 7, 12},
     18,
     OptionBox::iDoorCheck},
    {Selector::iType2, "iType2", &LoadInputs::iType2, 4, {1, 1, 14}, 19, OptionBox::iDoorCheck},
    {InputField::iDoorInsulTherm,
     "iDoorInsulTherm",
     &LoadInputs::iDoorInsulTherm,
     Quantity::KValue,
     0,
     1e6,
     {22, 23, 15},
     20,
     OptionBox::iDoorCheck},
    {InputField::iDoorInsul,
     "iDoorInsul",
     &LoadInputs::iDoorInsul,
     Quantity::Length,
     50,
     100,
     {28, 9, 13},
     21,
     OptionBox::iDoorCheck},
    {OptionBox::iHeatCheck, "iHeatCheck", &LoadInputs::iHeatCheck, {4, 27, -1}, 22},
    {InputField::iOpenings,
     "iOpenings",
     &LoadInputs::iOpenings,
     Quantity::Power,
     0,
     1,
     {13, 15, 16},
     23,
     OptionBox::iHeatCheck},
    {InputField::iLightLoad,
     "iLightLoad",
     &LoadInputs::iLightLoad,
     Quantity::Power,
     0,
     1,
     {17, 17, 18},
     24,
     OptionBox::iHeatCheck},
    {InputField::iFanLoad,
     "iFanLoad",
     &LoadInputs::iFanLoad,
     Quantity::Power,
     0,
     1,
     {15, 16, 17},
     25,
     OptionBox::iHeatCheck},
    {InputField::iAntisweatLoad,
     "iAntisweatLoad",
     &LoadInputs::iAntisweatLoad,
     Quantity::Power,
     0,
     1,
     {16, 18, 19},
     26,
     OptionBox::iHeatCheck},
    {OptionBox::iCoolCheck, "iCoolCheck", &LoadInputs::iCoolCheck, {5, 28, -1}, 27},
    {InputField::iCoolMass,
     "iCoolMass",
     &LoadInputs::iCoolMass,
     Quantity::Mass,
     0,
     1,
     {14, 19, 20},
     28,
     OptionBox::iCoolCheck},
    {Selector::iProd, "iProd", &LoadInputs::iProd, 7, {2, 2, 21}, 29, OptionBox::iCoolCheck},
    {InputField::iStart,
     "iStart",
     &LoadInputs::iStart,
     Quantity::Temperature,
     25,
     1,
     {18, 20, 22},
     30,
     OptionBox::iCoolCheck},
    {InputField::iEnd, "iEnd", &LoadInputs::iEnd, Quantity::Temperature, 5, 1, {19, 21, 23}, 31, OptionBox::iCoolCheck},
    {InputField::iTime, "iTime", &LoadInputs::iTime, Quantity::Time, 6, 10, {20, 24, 24}, 32, OptionBox::iCoolCheck},
    {InputField::iRunTime, "iRunTime", &LoadInputs::iRunTime, Quantity::Percent, 75, {7, 25, 25}, 34},
}};

namespace InputTableDetail {

template <class Info, std::size_t N, class Take>
constexpr std::array<Info, N> Pick(Take take)
{
    std::array<Info, N> picked{};
    std::size_t n = 0;
    for (const InputRow& row : kInputs)
        if (auto info = take(row))
            picked[n++] = *info;
    return picked;
}

template <int InputPlaces::*place>
constexpr std::array<const InputRow*, kInputCount> Ordered()
{
    std::array<const InputRow*, kInputCount> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = &kInputs[i];
    std::sort(rows.begin(), rows.end(), [](const InputRow* a, const InputRow* b) {
        // Inputs that have no place (-1) come last.
        const auto key = [](const InputRow* r) { return r->places.*place < 0 ? kInputCount : r->places.*place; };
        return key(a) < key(b);
    });
    return rows;
}

} // namespace InputTableDetail

// The inputs in the order they are saved to the store, loaded from it and printed (the options,
// which print no line of their own, last).
inline constexpr auto kSaveOrder = InputTableDetail::Ordered<&InputPlaces::save>();
inline constexpr auto kLoadOrder = InputTableDetail::Ordered<&InputPlaces::load>();
inline constexpr auto kReportOrder = InputTableDetail::Ordered<&InputPlaces::report>();

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
inline constexpr auto kInputFields = InputTableDetail::Pick<InputFieldInfo, 23>([](const InputRow& r) {
    return r.IsNumber() ? std::optional(InputFieldInfo{r.Field(), r.name}) : std::nullopt;
});

namespace InputTableDetail {

template <class Info, std::size_t N, class Take>
constexpr std::array<Info, N> PickStored(Take take)
{
    std::array<Info, N> picked{};
    std::size_t n = 0;
    for (const InputRow* row : kSaveOrder)
        if (auto info = take(*row))
            picked[n++] = *info;
    return picked;
}

} // namespace InputTableDetail

// The selections and the options in the order they are stored: iType, iType2, iProd;
// iDoorCheck, iHeatCheck, iCoolCheck, iCondCheck.
inline constexpr auto kSelectors = InputTableDetail::PickStored<SelectorInfo, 3>([](const InputRow& r) {
    return r.quantity == Quantity::Selection ? std::optional(SelectorInfo{r.SelectorId(), r.name}) : std::nullopt;
});
inline constexpr auto kOptions = InputTableDetail::PickStored<OptionInfo, 4>([](const InputRow& r) {
    return r.quantity == Quantity::Option ? std::optional(OptionInfo{r.Box(), r.name}) : std::nullopt;
});

const InputRow& InputOf(InputField field);
const InputRow* InputNamed(const std::string& name);
const char* FieldName(InputField field);
// Parses an entry name ("iDepth"); false when it names no numeric field.
bool FieldFromName(const std::string& name, InputField& field);

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
const MaterialInput& MaterialOf(Selector selector);

// A selection's table: its row count and a row's name.
int SelectionRows(const Tables& tables, Selector selector);
const std::string& SelectionName(const Tables& tables, Selector selector, int row);
