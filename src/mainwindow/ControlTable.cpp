#include "mainwindow/ControlTable.h"

const ControlInfo kControls[kControlCount] = {
    {ControlId::Ambient, ControlKind::Field, 'C'},
    {ControlId::BoxTemperature, ControlKind::Field, 'C'},
    {ControlId::DetailedCheck, ControlKind::CheckBox, 'C'},
    {ControlId::Evaporating, ControlKind::Field, 'D'},
    {ControlId::Condensing, ControlKind::Field, 'D'},
    {ControlId::Subcooling, ControlKind::Field, 'D'},
    {ControlId::Depth, ControlKind::Field, 'K'},
    {ControlId::Width, ControlKind::Field, 'K'},
    {ControlId::Height, ControlKind::Field, 'K'},
    {ControlId::InsulationType, ControlKind::SelectionBox, 'K'},
    {ControlId::InsulationK, ControlKind::Field, 'K'},
    {ControlId::Insulation, ControlKind::Field, 'K'},
    {ControlId::DoorCheck, ControlKind::CheckBox, 'K'},
    {ControlId::DoorWidth, ControlKind::Field, 'R'},
    {ControlId::DoorHeight, ControlKind::Field, 'R'},
    {ControlId::DoorType, ControlKind::SelectionBox, 'R'},
    {ControlId::DoorK, ControlKind::Field, 'R'},
    {ControlId::DoorInsulation, ControlKind::Field, 'R'},
    {ControlId::HeatCheck, ControlKind::CheckBox, 'A'},
    {ControlId::Openings, ControlKind::Field, 'A'},
    {ControlId::Light, ControlKind::Field, 'A'},
    {ControlId::Fan, ControlKind::Field, 'A'},
    {ControlId::Antisweat, ControlKind::Field, 'A'},
    {ControlId::CoolCheck, ControlKind::CheckBox, 'L'},
    {ControlId::CoolMass, ControlKind::Field, 'L'},
    {ControlId::Product, ControlKind::SelectionBox, 'L'},
    {ControlId::Start, ControlKind::Field, 'L'},
    {ControlId::End, ControlKind::Field, 'L'},
    {ControlId::CoolTime, ControlKind::Field, 'L'},
    {ControlId::RunTime, ControlKind::Field, 'P'},
    {ControlId::HelpButton, ControlKind::Button, 0},
    {ControlId::PrintButton, ControlKind::Button, 0},
    {ControlId::UnitsButton, ControlKind::Button, 0},
    {ControlId::ProductSelectionButton, ControlKind::Button, 0},
    {ControlId::ResultsList, ControlKind::ReportList, 0},
    {ControlId::HomePageLink, ControlKind::LinkLabel, 0},
    {ControlId::ProductPageLink, ControlKind::LinkLabel, 0},
};

const ControlInfo& InfoOf(ControlId id)
{
    for (const ControlInfo& info : kControls)
        if (info.id == id)
            return info;
    return kControls[0];
}
