#include "mainwindow/ControlTable.h"

// The sheet rows are those of presentation/FormSheet: the option boxes of the right column sit on
// their section headings.
const ControlInfo kControls[kControlCount] = {
    {InputField::iAmbient, 1},
    {InputField::iEvapTemp, 2},
    {OptionBox::iCondCheck, 3},
    {InputField::iEvaporating, 4},
    {InputField::iCondensing, 5},
    {InputField::iSubcool, 6},
    {InputField::iDepth, 8},
    {InputField::iWidth, 9},
    {InputField::iHeight, 10},
    {Selector::iType, 12},
    {InputField::iInsulTherm, 13},
    {InputField::iInsulation, 14},
    {OptionBox::iDoorCheck, 15},
    {InputField::iDoorWidth, 17},
    {InputField::iDoorHeight, 18},
    {Selector::iType2, 19},
    {InputField::iDoorInsulTherm, 20},
    {InputField::iDoorInsul, 21},
    {OptionBox::iHeatCheck, 22},
    {InputField::iOpenings, 23},
    {InputField::iLightLoad, 24},
    {InputField::iFanLoad, 25},
    {InputField::iAntisweatLoad, 26},
    {OptionBox::iCoolCheck, 27},
    {InputField::iCoolMass, 28},
    {Selector::iProd, 29},
    {InputField::iStart, 30},
    {InputField::iEnd, 31},
    {InputField::iTime, 32},
    {InputField::iRunTime, 34},
    {ControlId::HelpButton, ControlKind::Button},
    {ControlId::PrintButton, ControlKind::Button},
    {ControlId::UnitsButton, ControlKind::Button},
    {ControlId::ProductSelectionButton, ControlKind::Button},
    {ControlId::ResultsList, ControlKind::ReportList},
    {ControlId::HomePageLink, ControlKind::LinkLabel},
    {ControlId::ProductPageLink, ControlKind::LinkLabel},
};

int IndexOf(ControlId id)
{
    for (int i = 0; i < kControlCount; ++i)
        if (kControls[i].id == id)
            return i;
    return 0;
}
