#include "mainwindow/Layout.h"

#include "presentation/FormSheet.h"

#include <algorithm>
#include <cstddef>

namespace {

static_assert(kFirstRowTop == FormSheet::kTopY, "the controls sit on the sheet's rows");

constexpr int kClientRightMargin = 8; // as the header band leaves it

const SheetRow& RowOf(const ControlInfo& info)
{
    return FormSheet::Rows()[static_cast<std::size_t>(info.sheetRow)];
}

// The line a sheet row is drawn on: how many rows its column shows above it.
int LineOf(int sheetRow, const SheetOptions& options)
{
    const auto& rows = FormSheet::Rows();
    const SheetColumn column = rows[static_cast<std::size_t>(sheetRow)].column;
    int line = 0;
    for (int r = 0; r < sheetRow; ++r) {
        const SheetRow& row = rows[static_cast<std::size_t>(r)];
        if (row.column == column && FormSheet::IsVisible(row, options))
            ++line;
    }
    return line;
}

ControlRect FormRect(const ControlInfo& info, int line, const LayoutResult& r)
{
    const int x = FormSheet::ColumnOrigin(RowOf(info).column, {r.formLeft, r.rowPitch, 0, r.columns});
    const int y = kFirstRowTop + line * r.rowPitch;
    switch (info.kind) {
    case ControlKind::SelectionBox:
        return {x + FormSheet::kSelectionBoxX, y, 160, r.rowPitch - 4};
    case ControlKind::CheckBox:
        return {x + FormSheet::kFieldX, y, 14, 15};
    default:
        return {x + FormSheet::kFieldX, y, 50, r.rowPitch - 4};
    }
}

// Each control of the form goes on the line of its sheet row; the controls of a switched-off
// group are taken out of the form with their rows.
void PlaceForm(LayoutResult& r, const LayoutInput& in)
{
    const SheetOptions options{in.iCondCheck, in.iDoorCheck, in.iHeatCheck, in.iCoolCheck};
    for (int i = 0; i < kControlCount; ++i) {
        const ControlInfo& info = kControls[i];
        if (info.sheetRow < 0)
            continue;
        ControlPlacement& p = r.placements[static_cast<std::size_t>(i)];
        if (FormSheet::IsVisible(RowOf(info), options))
            p.rect = FormRect(info, LineOf(info.sheetRow, options), r);
        else
            p = {{-100, 0, 0, 0}, false, false};
    }
}

void PlaceBottom(LayoutResult& r, const LayoutInput& in)
{
    const int w = in.clientWidth, h = in.clientHeight, x0 = r.formLeft;
    // The list and the button under it keep clear of the sheet's rows on a short client.
    const SheetOptions options{in.iCondCheck, in.iDoorCheck, in.iHeatCheck, in.iCoolCheck};
    const SheetFrame frame{x0, r.rowPitch, SheetMetrics::ForScreen(in.screenHeight).sheetFontHeight, r.columns};
    const int base = FormSheet::ResultsBase(options, frame, h);
    // Where the form is anchored 780 from the right, the list would end one pixel past the client:
    // it keeps its place and stops where the header band stops.
    const int listX = x0 + 371;
    const int listWidth = std::min(410, w - kClientRightMargin - listX);
    r.Of(ControlId::ResultsList).rect = {listX, base - FormSheet::kResultsListRise, listWidth, 115};
    r.Of(ControlId::ProductSelectionButton).rect = {x0 + 371, base - 82, in.buttons.productSelection, 25};
    r.Of(ControlId::HomePageLink).rect = {10, h - SheetGeometry::kHomePageLinkRise, 370, r.rowPitch - 4};
    r.Of(ControlId::ProductPageLink).rect = {0, 0, 0, 0};
    r.Of(ControlId::ProductPageLink).shown = false;
    // Right-aligned, 10 apart: a longer caption widens its button to the left.
    const ButtonWidths& b = in.buttons;
    const int unitsX = w - 30 - b.units, printX = unitsX - 10 - b.print, helpX = printX - 10 - b.help;
    r.Of(ControlId::UnitsButton).rect = {unitsX, h - 33, b.units, 25};
    r.Of(ControlId::PrintButton).rect = {printX, h - 33, b.print, 25};
    r.Of(ControlId::HelpButton).rect = {helpX, h - 33, b.help, 25};
}

// A k value is an input only for the customized material (row 0); a glass door's thickness is
// fixed.
void ApplyMaterialRules(LayoutResult& r, const LayoutInput& in)
{
    r.Of(InputField::iInsulTherm).enabled = in.iType == 0;
    ControlPlacement& doorK = r.Of(InputField::iDoorInsulTherm);
    doorK.enabled = doorK.shown && in.iType2 == 0;
    ControlPlacement& doorThickness = r.Of(InputField::iDoorInsul);
    doorThickness.enabled = doorThickness.shown && !in.doorIsGlass;
}

} // namespace

const ControlPlacement& LayoutResult::Of(ControlId id) const
{
    return placements[static_cast<std::size_t>(IndexOf(id))];
}

ControlPlacement& LayoutResult::Of(ControlId id)
{
    return placements[static_cast<std::size_t>(IndexOf(id))];
}

LayoutResult ComputeLayout(const LayoutInput& in)
{
    LayoutResult r;
    r.largeScreen = IsLargeScreen(in.screenHeight);
    r.rowPitch = r.largeScreen ? 27 : 26;
    r.measuringFontHeight = r.largeScreen ? 12 : 9;
    r.fieldFontCellHeight = r.largeScreen ? 14 : 10;
    r.listFontCellHeight = 20;
    r.wideLayout = in.clientWidth > 800;
    r.formLeft = in.clientWidth > 1600 ? in.clientWidth - 880 : in.clientWidth - 780;
    r.columns = in.columns;

    PlaceForm(r, in);
    PlaceBottom(r, in);
    ApplyMaterialRules(r, in);
    return r;
}
