#pragma once

#include "model/InputTable.h"
#include "model/LoadResults.h"
#include "model/UnitSystem.h"
#include "presentation/SheetGeometry.h"
#include "presentation/SheetValues.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The four option check boxes as the last layout pass stored them.
struct SheetOptions {
    bool iCondCheck = false;
    bool iDoorCheck = false;
    bool iHeatCheck = false;
    bool iCoolCheck = false;
};

enum class SheetColumn {
    Left,
    Right
};
enum class SheetMarker {
    None,
    Info,
    Letter
};

// One of the 40 rows of the painted sheet. The row number is also the index of its help text.
struct SheetRow {
    const char* label;
    bool heading;
    int unitKind; // a UnitKind code, or kNoUnit
    SheetColumn column;
    std::optional<OptionBox> shownBy; // none: always shown
    SheetMarker marker;
    int letter; // 0 (A) to 5 (F) for letter markers, else -1
    std::optional<SheetValue> value;
};

// A row as one paint draws it, in client pixels.
struct SheetLine {
    int row = 0; // index into FormSheet::Rows() and the form help texts
    SheetPoint label;
    std::string labelText;
    bool bold = false;
    int fontHeight = 0; // cell height, the same for label and unit
    SheetPoint unit;
    std::string unitText;
    SheetPoint value; // meaningful when valueText is not empty
    std::string valueText;
    SheetMarker marker = SheetMarker::None;
    int letter = -1;
};

// How much wider than in English each column's labels need the form to be, in pixels: what the
// widest label of the column, with its information marker, takes beyond the room its line leaves
// it. English labels fit the room, so there both are 0. The columns' controls and figures keep
// their places on the right; the labels, and the left column as a whole, move left to make room.
struct SheetColumns {
    int left = 0;
    int right = 0;
    int Total() const { return left + right; }
    bool operator==(const SheetColumns&) const = default;
};

// Everything the row placement needs besides the results.
struct SheetFrame {
    int formLeft = 0;
    int rowPitch = 27;
    int sheetFontHeight = 16;
    SheetColumns columns;
};

class FormSheet {
public:
    static constexpr int kRowCount = 40;
    static constexpr int kLastLeftRow = 21;
    static constexpr int kFirstLoadRow = 36; // from here on rows stand 8 pixels closer
    static constexpr int kTopY = 80;

    static const std::array<SheetRow, kRowCount>& Rows();
    // A row's label, marked for translation in the context kLabelContext: the Qt side translates
    // it where it is shown or printed.
    static const char* Label(int row);
    static constexpr const char* kLabelContext = "FormSheet";
    // The heading a row stands under (a heading its own).
    static int HeadingOf(int row);
    // The row that shows a figure.
    static int RowOf(SheetValue value);
    static bool IsVisible(const SheetRow& row, const SheetOptions& options);

    // The rows one paint draws, top to bottom, left column first.
    // Where a column's controls are measured from: a field stands kFieldX right of it, a selection
    // box kSelectionBoxX, and the column's label widening() to the left of its English place.
    static int ColumnOrigin(SheetColumn column, const SheetFrame& frame);
    static constexpr int kFieldX = 230;
    static constexpr int kSelectionBoxX = 140;
    // The pixels a row's label may take from its left edge before the next thing on its line: its
    // row's control or figure, the right column (a heading of the left column) or the client's
    // right margin (one of the right column), less a gap of kLabelGap.
    static int LabelRoom(int row);
    static constexpr int kLabelGap = 10;
    // The widening each column needs for its labels; occupied(row) is how far a row's label, with
    // its information marker, reaches right of the label's position. Every row counts, shown or
    // not, so the form stays put when an option is switched.
    template <class Occupied>
    static SheetColumns FitColumns(Occupied occupied)
    {
        SheetColumns fit;
        for (int r = 0; r < kRowCount; ++r) {
            int& widening = Rows()[static_cast<std::size_t>(r)].column == SheetColumn::Left ? fit.left : fit.right;
            widening = std::max(widening, occupied(r) - LabelRoom(r));
        }
        return fit;
    }

    static std::vector<SheetLine> VisibleLines(const SheetOptions& options, const SheetFrame& frame,
                                               const LoadResults& results, const UnitSystem& units);

    // Where the results block hangs from: the message line, the results list with its markers and
    // the Product Selection button stand at fixed heights above this line (the list 200 above).
    // It is the client's bottom edge, unless a short client would put the list or the message
    // line over the lowest rows of the right column; then it is just low enough for them to
    // clear the rows. For the message line it goes no lower than kLowestBase below the edge.
    static int ResultsBase(const SheetOptions& options, const SheetFrame& frame, int clientHeight);
    static constexpr int kResultsListRise = 200; // the list's top edge above the base
    // The Product Selection button, 82 above the base and 25 high, then still ends 4 pixels
    // above the buttons along the client's bottom edge (33 above it).
    static constexpr int kLowestBase = 20;
};
