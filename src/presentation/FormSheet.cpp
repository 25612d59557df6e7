#include "presentation/FormSheet.h"

#include "model/InputTable.h"
#include "model/Translatable.h"

#include <algorithm>

namespace {

using C = SheetColumn;
using V = SheetVisibility;
using M = SheetMarker;
using SV = SheetValue;

constexpr int kLeftLabelX = 20;
constexpr int kRightLabelX = 440;
constexpr int kLeftUnitX = 288;
constexpr int kRightUnitX = 708;
constexpr int kLeftValueX = 236;
constexpr int kRightValueX = 656;
constexpr int kValueDrop = 2;
constexpr int kLoadRowTighten = 8;

constexpr std::array<SheetRow, FormSheet::kRowCount> kRows = {{
    {QT_TRANSLATE_NOOP("FormSheet", "Conditions:"), true, kNoUnit, C::Left, V::Always, M::None, -1, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Ambient temperature"),
     false,
     kTemperatureUnit,
     C::Left,
     V::Always,
     M::Info,
     -1,
     {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Temperature inside box"),
     false,
     kTemperatureUnit,
     C::Left,
     V::Always,
     M::Info,
     -1,
     {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Detailed conditions"), false, kNoUnit, C::Left, V::Always, M::None, -1, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Evaporating temperature"),
     false,
     kTemperatureUnit,
     C::Left,
     V::CondCheck,
     M::None,
     -1,
     {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Condensing temperature"),
     false,
     kTemperatureUnit,
     C::Left,
     V::CondCheck,
     M::None,
     -1,
     {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Subcooling"),
     false,
     kTemperatureDifferenceUnit,
     C::Left,
     V::CondCheck,
     M::None,
     -1,
     {}},
    {QT_TRANSLATE_NOOP("FormSheet", "Cabinet Design:"), true, kNoUnit, C::Left, V::Always, M::None, -1, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Depth (inner dimensions)"),
     false,
     kLengthUnit,
     C::Left,
     V::Always,
     M::Letter,
     0,
     {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Width"), false, kLengthUnit, C::Left, V::Always, M::Letter, 1, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Height"), false, kLengthUnit, C::Left, V::Always, M::Letter, 2, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Net volume"), false, kVolumeUnit, C::Left, V::Always, M::None, -1,
     SV::NetVolume},
    {QT_TRANSLATE_NOOP("FormSheet", "   Insulation type"), false, kNoUnit, C::Left, V::Always, M::None, -1, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Insulation k value"), false, kKValueUnit, C::Left, V::Always, M::None, -1, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Insulation thickness"),
     false,
     kLengthUnit,
     C::Left,
     V::Always,
     M::Letter,
     3,
     {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Door has different insulation"),
     false,
     kNoUnit,
     C::Left,
     V::Always,
     M::None,
     -1,
     {}},
    {QT_TRANSLATE_NOOP("FormSheet", "Door Design:"), true, kNoUnit, C::Left, V::DoorCheck, M::None, -1, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Width (inner dimensions)"),
     false,
     kLengthUnit,
     C::Left,
     V::DoorCheck,
     M::None,
     -1,
     {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Height"), false, kLengthUnit, C::Left, V::DoorCheck, M::None, -1, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Insulation type"), false, kNoUnit, C::Left, V::DoorCheck, M::None, -1, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Insulation k value"),
     false,
     kKValueUnit,
     C::Left,
     V::DoorCheck,
     M::None,
     -1,
     {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Insulation thickness"),
     false,
     kLengthUnit,
     C::Left,
     V::DoorCheck,
     M::None,
     -1,
     {}},
    {QT_TRANSLATE_NOOP("FormSheet", "Additional Heat Load:"), true, kNoUnit, C::Right, V::Always, M::None, -1, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Door or lid openings"),
     false,
     kWattsUnit,
     C::Right,
     V::HeatCheck,
     M::Info,
     -1,
     {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Light"), false, kWattsUnit, C::Right, V::HeatCheck, M::Letter, 4, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Fan"), false, kWattsUnit, C::Right, V::HeatCheck, M::Letter, 5, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Antisweat"), false, kWattsUnit, C::Right, V::HeatCheck, M::Info, -1, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "Cool Down Load:"), true, kNoUnit, C::Right, V::Always, M::None, -1, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Cool down mass"), false, kMassUnit, C::Right, V::CoolCheck, M::Info, -1, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Type of product"), false, kNoUnit, C::Right, V::CoolCheck, M::None, -1, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Start temperature"),
     false,
     kTemperatureUnit,
     C::Right,
     V::CoolCheck,
     M::None,
     -1,
     {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   End temperature"),
     false,
     kTemperatureUnit,
     C::Right,
     V::CoolCheck,
     M::None,
     -1,
     {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Cool down time"), false, kHoursUnit, C::Right, V::CoolCheck, M::None, -1, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "Compressor:"), true, kNoUnit, C::Right, V::Always, M::None, -1, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Max runtime"), false, kPercentUnit, C::Right, V::Always, M::Info, -1, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "Load:"), true, kNoUnit, C::Right, V::Always, M::None, -1, {}},
    {QT_TRANSLATE_NOOP("FormSheet", "   Cabinet load"), false, kEnergyUnit, C::Right, V::Always, M::None, -1,
     SV::CabinetLoad},
    {QT_TRANSLATE_NOOP("FormSheet", "   Door load"), false, kEnergyUnit, C::Right, V::DoorCheck, M::None, -1,
     SV::DoorLoad},
    {QT_TRANSLATE_NOOP("FormSheet", "   Additional heat load"), false, kWattsUnit, C::Right, V::Always, M::None, -1,
     SV::AdditionalLoad},
    {QT_TRANSLATE_NOOP("FormSheet", "   Cool down load"), false, kEnergyUnit, C::Right, V::Always, M::None, -1,
     SV::CoolDownLoad},
}};

constexpr int UnitOf(Quantity quantity)
{
    switch (quantity) {
    case Quantity::Length:
        return kLengthUnit;
    case Quantity::Temperature:
        return kTemperatureUnit;
    case Quantity::TemperatureDifference:
        return kTemperatureDifferenceUnit;
    case Quantity::Mass:
        return kMassUnit;
    case Quantity::KValue:
        return kKValueUnit;
    case Quantity::Power:
        return kWattsUnit;
    case Quantity::Time:
        return kHoursUnit;
    case Quantity::Percent:
        return kPercentUnit;
    default:
        return kNoUnit;
    }
}

constexpr V VisibilityOf(std::optional<OptionBox> option)
{
    if (!option)
        return V::Always;
    switch (*option) {
    case OptionBox::iCondCheck:
        return V::CondCheck;
    case OptionBox::iDoorCheck:
        return V::DoorCheck;
    case OptionBox::iHeatCheck:
        return V::HeatCheck;
    default:
        return V::CoolCheck;
    }
}

// The row an input stands on shows its unit and goes with its option.
constexpr bool RowsFitInputs()
{
    for (const InputRow& input : kInputs) {
        const SheetRow& row = kRows[static_cast<size_t>(input.sheetRow)];
        if (row.unitKind != UnitOf(input.quantity) || row.visibleWhen != VisibilityOf(input.shownBy))
            return false;
    }
    return true;
}
static_assert(RowsFitInputs(), "an input's sheet row has the unit and the option of the input");

struct ColumnX {
    int label;
    int unit;
    int value;
};

ColumnX ColumnPositions(SheetColumn column, int formLeft)
{
    if (column == SheetColumn::Left)
        return {formLeft + kLeftLabelX, formLeft + kLeftUnitX, formLeft + kLeftValueX};
    return {formLeft + kRightLabelX, formLeft + kRightUnitX, formLeft + kRightValueX};
}

// Calls visit(row, y) for every row the options show, top to bottom, left column first.
template <class Visit>
void ForEachVisibleRow(const SheetOptions& options, int rowPitch, Visit visit)
{
    int y = FormSheet::kTopY;
    for (int r = 0; r < FormSheet::kRowCount; ++r) {
        if (FormSheet::IsVisible(kRows[static_cast<size_t>(r)], options)) {
            visit(r, y);
            y += r < FormSheet::kFirstLoadRow ? rowPitch : rowPitch - kLoadRowTighten;
        }
        if (r == FormSheet::kLastLeftRow)
            y = FormSheet::kTopY; // the right column starts level with the left one
    }
}

SheetLine MakeLine(int r, int y, const SheetFrame& frame, const LoadResults& results, const UnitSystem& units)
{
    const SheetRow& row = kRows[static_cast<size_t>(r)];
    const ColumnX x = ColumnPositions(row.column, frame.formLeft);
    SheetLine line;
    line.row = r;
    line.label = {x.label, y};
    line.labelText = FormSheet::Label(r);
    line.bold = row.heading;
    line.fontHeight = frame.sheetFontHeight;
    line.unit = {x.unit, y};
    line.unitText = UnitLabel(units, row.unitKind);
    if (row.value) {
        line.value = {x.value, y + kValueDrop};
        line.valueText = SheetValueText(*row.value, results, units);
    }
    line.marker = row.marker;
    line.letter = row.letter;
    return line;
}

} // namespace

const std::array<SheetRow, FormSheet::kRowCount>& FormSheet::Rows()
{
    return kRows;
}

const char* FormSheet::Label(int row)
{
    return kRows.at(static_cast<size_t>(row)).label;
}

int FormSheet::HeadingOf(int row)
{
    while (row > 0 && !kRows.at(static_cast<size_t>(row)).heading)
        --row;
    return row;
}

int FormSheet::RowOf(SheetValue value)
{
    const auto it = std::find_if(kRows.begin(), kRows.end(), [&](const SheetRow& row) { return row.value == value; });
    return static_cast<int>(it - kRows.begin());
}

bool FormSheet::IsVisible(const SheetRow& row, const SheetOptions& options)
{
    switch (row.visibleWhen) {
    case V::Always:
        return true;
    case V::CondCheck:
        return options.iCondCheck;
    case V::DoorCheck:
        return options.iDoorCheck;
    case V::HeatCheck:
        return options.iHeatCheck;
    case V::CoolCheck:
        return options.iCoolCheck;
    }
    return false;
}

std::vector<SheetLine> FormSheet::VisibleLines(const SheetOptions& options, const SheetFrame& frame,
                                               const LoadResults& results, const UnitSystem& units)
{
    std::vector<SheetLine> lines;
    lines.reserve(kRowCount);
    ForEachVisibleRow(options, frame.rowPitch,
                      [&](int r, int y) { lines.push_back(MakeLine(r, y, frame, results, units)); });
    return lines;
}

int FormSheet::ResultsBase(const SheetOptions& options, const SheetFrame& frame, int clientHeight)
{
    // Only the right column stands above the list. Each text fills a box one font cell high; a
    // figure stands a little lower than its label.
    int rowsBottom = 0;
    ForEachVisibleRow(options, frame.rowPitch, [&](int r, int y) {
        const SheetRow& row = kRows[static_cast<size_t>(r)];
        if (row.column == SheetColumn::Right)
            rowsBottom = std::max(rowsBottom, y + (row.value ? kValueDrop : 0) + frame.sheetFontHeight);
    });
    const int listClear = rowsBottom + kResultsListRise;
    const int messageClear = std::min(rowsBottom + SheetGeometry::kMessageLineRise, clientHeight + kLowestBase);
    return std::max({clientHeight, listClear, messageClear});
}
