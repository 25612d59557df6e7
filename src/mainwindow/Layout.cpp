#include "mainwindow/Layout.h"

#include "presentation/FormSheet.h"

#include <cstddef>

namespace {

bool IsGlass(int doorType)
{
    return doorType >= 1 && doorType <= 3;
}

int IndexOf(ControlId id)
{
    for (int i = 0; i < kControlCount; ++i)
        if (kControls[i].id == id)
            return i;
    return 0;
}

// Places the controls of one column on their rows.
class Column {
public:
    Column(LayoutResult& result, int fieldX, int selectionX)
        : result_(result)
        , fieldX_(fieldX)
        , selectionX_(selectionX)
    {
    }

    void Put(ControlId id, int row)
    {
        const int p = result_.rowPitch;
        const int y = kFirstRowTop + row * p;
        ControlRect r;
        switch (InfoOf(id).kind) {
        case ControlKind::SelectionBox:
            r = {selectionX_, y, 160, p - 4};
            break;
        case ControlKind::CheckBox:
            r = {fieldX_, y, 14, 15};
            break;
        default:
            r = {fieldX_, y, 50, p - 4};
            break;
        }
        result_.Of(id).rect = r;
    }

private:
    LayoutResult& result_;
    int fieldX_, selectionX_;
};

void TakeOut(LayoutResult& result, std::initializer_list<ControlId> ids)
{
    for (ControlId id : ids) {
        ControlPlacement& p = result.Of(id);
        p.rect = {-100, 0, 0, 0};
        p.shown = false;
        p.enabled = false;
    }
}

void EnableGroup(LayoutResult& result, std::initializer_list<ControlId> ids, bool on)
{
    for (ControlId id : ids)
        result.Of(id).enabled = on;
}

void PlaceFirstColumn(LayoutResult& r, const LayoutInput& in)
{
    Column c(r, r.formLeft + 230, r.formLeft + 140);
    c.Put(ControlId::Ambient, 1);
    c.Put(ControlId::BoxTemperature, 2);
    c.Put(ControlId::DetailedCheck, 3);
    if (in.iCondCheck) {
        c.Put(ControlId::Evaporating, 4);
        c.Put(ControlId::Condensing, 5);
        c.Put(ControlId::Subcooling, 6);
    }
    const int m = in.iCondCheck ? 8 : 5;
    c.Put(ControlId::Depth, m);
    c.Put(ControlId::Width, m + 1);
    c.Put(ControlId::Height, m + 2);
    c.Put(ControlId::InsulationType, m + 4);
    c.Put(ControlId::InsulationK, m + 5);
    c.Put(ControlId::Insulation, m + 6);
    c.Put(ControlId::DoorCheck, m + 7);
    if (in.iDoorCheck) {
        c.Put(ControlId::DoorWidth, m + 9);
        c.Put(ControlId::DoorHeight, m + 10);
        c.Put(ControlId::DoorType, m + 11);
        c.Put(ControlId::DoorK, m + 12);
        c.Put(ControlId::DoorInsulation, m + 13);
    }
}

void PlaceSecondColumn(LayoutResult& r, const LayoutInput& in)
{
    Column c(r, r.formLeft + 650, r.formLeft + 560);
    c.Put(ControlId::HeatCheck, 0);
    if (in.iHeatCheck) {
        c.Put(ControlId::Openings, 1);
        c.Put(ControlId::Light, 2);
        c.Put(ControlId::Fan, 3);
        c.Put(ControlId::Antisweat, 4);
    }
    const int cool = in.iHeatCheck ? 5 : 1;
    c.Put(ControlId::CoolCheck, cool);
    if (in.iCoolCheck) {
        c.Put(ControlId::CoolMass, cool + 1);
        c.Put(ControlId::Product, cool + 2);
        c.Put(ControlId::Start, cool + 3);
        c.Put(ControlId::End, cool + 4);
        c.Put(ControlId::CoolTime, cool + 5);
    }
    c.Put(ControlId::RunTime, in.iCoolCheck ? cool + 7 : cool + 2);
}

void PlaceBottom(LayoutResult& r, const LayoutInput& in)
{
    const int w = in.clientWidth, h = in.clientHeight, x0 = r.formLeft;
    // The list and the button under it keep clear of the sheet's rows on a short client.
    const SheetOptions options{in.iCondCheck, in.iDoorCheck, in.iHeatCheck, in.iCoolCheck};
    const SheetFrame frame{x0, r.rowPitch, SheetMetrics::ForScreen(in.screenHeight).sheetFontHeight};
    const int base = FormSheet::ResultsBase(options, frame, h);
    r.Of(ControlId::ResultsList).rect = {x0 + 371, base - FormSheet::kResultsListRise, 410, 115};
    r.Of(ControlId::ProductSelectionButton).rect = {x0 + 371, base - 82, 150, 25};
    r.Of(ControlId::HomePageLink).rect = {10, h - 33, 370, r.rowPitch - 4};
    r.Of(ControlId::ProductPageLink).rect = {0, 0, 0, 0};
    r.Of(ControlId::ProductPageLink).shown = false;
    r.Of(ControlId::UnitsButton).rect = {w - 110, h - 33, 80, 25};
    r.Of(ControlId::PrintButton).rect = {w - 200, h - 33, 80, 25};
    r.Of(ControlId::HelpButton).rect = {w - 290, h - 33, 80, 25};
}

void ApplyGroupRules(LayoutResult& r, const LayoutInput& in)
{
    if (in.iDoorCheck) {
        EnableGroup(r, {ControlId::DoorWidth, ControlId::DoorHeight, ControlId::DoorType}, true);
        r.Of(ControlId::DoorInsulation).enabled = !IsGlass(in.iType2);
        r.Of(ControlId::DoorK).enabled = in.iType2 == 0;
    } else {
        TakeOut(r, {ControlId::DoorWidth, ControlId::DoorHeight, ControlId::DoorInsulation, ControlId::DoorK,
                    ControlId::DoorType});
    }
    if (IsGlass(in.iType2))
        r.Of(ControlId::DoorInsulation).enabled = false;
    r.Of(ControlId::InsulationK).enabled = in.iType == 0;

    const std::initializer_list<ControlId> heat = {ControlId::Openings, ControlId::Fan, ControlId::Light,
                                                   ControlId::Antisweat};
    if (!in.iHeatCheck)
        TakeOut(r, heat);
    EnableGroup(r, heat, in.iHeatCheck);

    const std::initializer_list<ControlId> cool = {ControlId::CoolMass, ControlId::Product, ControlId::Start,
                                                   ControlId::End, ControlId::CoolTime};
    if (!in.iCoolCheck)
        TakeOut(r, cool);
    EnableGroup(r, cool, in.iCoolCheck);

    const std::initializer_list<ControlId> detailed = {ControlId::Evaporating, ControlId::Condensing,
                                                       ControlId::Subcooling};
    if (!in.iCondCheck)
        TakeOut(r, detailed);
    EnableGroup(r, detailed, in.iCondCheck);
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
    r.largeScreen = in.screenHeight >= 1024;
    r.rowPitch = r.largeScreen ? 27 : 26;
    r.measuringFontHeight = r.largeScreen ? 12 : 9;
    r.fieldFontCellHeight = r.largeScreen ? 14 : 10;
    r.listFontCellHeight = 20;
    r.wideLayout = in.clientWidth > 800;
    r.formLeft = in.clientWidth > 1600 ? in.clientWidth - 880 : in.clientWidth - 780;

    PlaceFirstColumn(r, in);
    PlaceSecondColumn(r, in);
    PlaceBottom(r, in);
    ApplyGroupRules(r, in);
    return r;
}
