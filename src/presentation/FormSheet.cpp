#include "presentation/FormSheet.h"

#include "model/InputTable.h"
#include "model/Translatable.h"

#include <algorithm>

namespace {

using C = SheetColumn;
using O = OptionBox;
using M = SheetMarker;
using SV = SheetValue;

// Offsets from a column's origin; the right column's origin lies kRightColumnX right of the left's.
constexpr int kRightColumnX = 420;
constexpr int kLabelX = 20;
constexpr int kUnitX = 288;
constexpr int kValueX = 236;
// A form is 780 wide and the client keeps a margin of 8 on its right.
constexpr int kFormRightX = 772;
constexpr int kValueDrop = 2;
constexpr int kLoadRowTighten = 8;

constexpr SheetRow Heading(const char* label, std::optional<OptionBox> shownBy = {})
{
    return {label, true, kNoUnit, C::Left, shownBy, M::None, -1, {}};
}
// A row an input stands on: its unit and its option are the input's (see WithInputs).
constexpr SheetRow Input(const char* label, M marker = M::None, int letter = -1)
{
    return {label, false, kNoUnit, C::Left, {}, marker, letter, {}};
}
constexpr SheetRow Figure(const char* label, int unitKind, SheetValue value, std::optional<OptionBox> shownBy = {})
{
    return {label, false, unitKind, C::Left, shownBy, M::None, -1, value};
}

// The rows after kLastLeftRow stand in the right column.
constexpr std::array<SheetRow, FormSheet::kRowCount> WithInputs(std::array<SheetRow, FormSheet::kRowCount> rows)
{
    for (std::size_t r = FormSheet::kLastLeftRow + 1; r < rows.size(); ++r)
        rows[r].column = C::Right;
    for (const InputRow& input : kInputs) {
        SheetRow& row = rows[static_cast<std::size_t>(input.sheetRow)];
        row.unitKind = UnitKindOf(input.quantity);
        row.shownBy = input.shownBy;
    }
    return rows;
}

constexpr std::array<SheetRow, FormSheet::kRowCount> kRows = WithInputs({{
    Heading(QT_TRANSLATE_NOOP("FormSheet", "Conditions:")),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Ambient temperature"), M::Info),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Temperature inside box"), M::Info),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Detailed conditions")),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Evaporating temperature")),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Condensing temperature")),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Subcooling")),
    Heading(QT_TRANSLATE_NOOP("FormSheet", "Cabinet Design:")),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Depth (inner dimensions)"), M::Letter, 0),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Width"), M::Letter, 1),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Height"), M::Letter, 2),
    Figure(QT_TRANSLATE_NOOP("FormSheet", "   Net volume"), kVolumeUnit, SV::NetVolume),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Insulation type")),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Insulation k value")),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Insulation thickness"), M::Letter, 3),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Door has different insulation")),
    Heading(QT_TRANSLATE_NOOP("FormSheet", "Door Design:"), O::iDoorCheck),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Width (inner dimensions)")),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Height")),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Insulation type")),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Insulation k value")),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Insulation thickness")),
    Heading(QT_TRANSLATE_NOOP("FormSheet", "Additional Heat Load:")),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Door or lid openings"), M::Info),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Light"), M::Letter, 4),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Fan"), M::Letter, 5),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Antisweat"), M::Info),
    Heading(QT_TRANSLATE_NOOP("FormSheet", "Cool Down Load:")),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Cool down mass"), M::Info),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Type of product")),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Start temperature")),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   End temperature")),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Cool down time")),
    Heading(QT_TRANSLATE_NOOP("FormSheet", "Compressor:")),
    Input(QT_TRANSLATE_NOOP("FormSheet", "   Max runtime"), M::Info),
    Heading(QT_TRANSLATE_NOOP("FormSheet", "Load:")),
    Figure(QT_TRANSLATE_NOOP("FormSheet", "   Cabinet load"), kEnergyUnit, SV::CabinetLoad),
    Figure(QT_TRANSLATE_NOOP("FormSheet", "   Door load"), kEnergyUnit, SV::DoorLoad, O::iDoorCheck),
    Figure(QT_TRANSLATE_NOOP("FormSheet", "   Additional heat load"), kWattsUnit, SV::AdditionalLoad),
    Figure(QT_TRANSLATE_NOOP("FormSheet", "   Cool down load"), kEnergyUnit, SV::CoolDownLoad),
}});

struct ColumnX {
    int label;
    int unit;
    int value;
};

ColumnX ColumnPositions(SheetColumn column, const SheetFrame& frame)
{
    const int origin = FormSheet::ColumnOrigin(column, frame);
    const int widening = column == SheetColumn::Left ? frame.columns.left : frame.columns.right;
    return {origin + kLabelX - widening, origin + kUnitX, origin + kValueX};
}

const InputRow* InputOnRow(int row)
{
    const auto it = std::find_if(kInputs.begin(), kInputs.end(), [&](const InputRow& i) { return i.sheetRow == row; });
    return it == kInputs.end() ? nullptr : &*it;
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
    const ColumnX x = ColumnPositions(row.column, frame);
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

int FormSheet::ColumnOrigin(SheetColumn column, const SheetFrame& frame)
{
    if (column == SheetColumn::Right)
        return frame.formLeft + kRightColumnX;
    return frame.formLeft - frame.columns.right;
}

int FormSheet::LabelRoom(int row)
{
    const SheetRow& sheetRow = kRows.at(static_cast<size_t>(row));
    int next = sheetRow.column == C::Left ? kRightColumnX : kFormRightX - kRightColumnX;
    if (const InputRow* input = InputOnRow(row))
        next = input->quantity == Quantity::Selection ? kSelectionBoxX : kFieldX;
    else if (sheetRow.value)
        next = kValueX;
    return next - kLabelX - kLabelGap;
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
    if (!row.shownBy)
        return true;
    switch (*row.shownBy) {
    case O::iCondCheck:
        return options.iCondCheck;
    case O::iDoorCheck:
        return options.iDoorCheck;
    case O::iHeatCheck:
        return options.iHeatCheck;
    case O::iCoolCheck:
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
