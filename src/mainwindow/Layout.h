#pragma once

#include "mainwindow/ControlTable.h"
#include "presentation/FormSheet.h"

#include <array>

// Where Relayout puts everything, as a pure function of the client size, the screen height, the
// four options and the two material selections. The form's controls sit on the lines the sheet
// draws their rows on (kControls gives each its row), so a control and its label always agree.
// The command buttons' widths: what their captions need in the language in use, and at least these.
struct ButtonWidths {
    int help = 80;
    int print = 80;
    int units = 80;
    int productSelection = 150;
};

struct LayoutInput {
    int clientWidth = 0;
    int clientHeight = 0;
    int screenHeight = 0;
    bool iCondCheck = false;
    bool iDoorCheck = false;
    bool iHeatCheck = false;
    bool iCoolCheck = false;
    int iType = 1;
    int iType2 = 4;
    bool doorIsGlass = false; // the door material's thickness is fixed (MaterialTable::IsGlass)
    SheetColumns columns;     // what the labels of the language in use add (FittedColumns)
    ButtonWidths buttons;
};

struct ControlRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const ControlRect&) const = default;
};

struct ControlPlacement {
    ControlRect rect;
    bool shown = true; // a control of a switched-off group is taken out of the form
    bool enabled = true;
};

struct LayoutResult {
    int rowPitch = 27;
    int formLeft = 0;
    SheetColumns columns; // the labels move left by these, the controls stay
    bool wideLayout = true;
    bool largeScreen = true;
    int measuringFontHeight = 12;                             // character height, default face
    int fieldFontCellHeight = 14;                             // Arial
    int listFontCellHeight = 20;                              // Arial
    std::array<ControlPlacement, kControlCount> placements{}; // in the order of kControls

    const ControlPlacement& Of(ControlId id) const;
    ControlPlacement& Of(ControlId id);
};

LayoutResult ComputeLayout(const LayoutInput& input);

// The first row's top edge; row k lies k row pitches lower.
inline constexpr int kFirstRowTop = 80;
