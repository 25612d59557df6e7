#pragma once

#include <QColor>

// The program's colours.
namespace Palette {
inline const QColor kBlue{0, 130, 197};     // tips, highlights, button faces, list header band
inline const QColor kDarkBlue{6, 79, 190};  // button edge
inline const QColor kPale{242, 246, 251};   // fields, selection boxes, list background
inline const QColor kYellow{252, 217, 0};   // header band, highlighted result rows
inline const QColor kOrange{244, 127, 76};  // letter markers
inline const QColor kRed{255, 64, 64};      // message line
inline const QColor kSheetText{30, 30, 30}; // the sheet's first text colour
inline const QColor kWhite{255, 255, 255};
inline const QColor kBlack{0, 0, 0};
} // namespace Palette
