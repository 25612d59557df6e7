#pragma once

#include "model/LoadResults.h"
#include "model/UnitSystem.h"
#include "presentation/FormSheet.h"
#include "presentation/SheetGeometry.h"

#include "model/TextLookup.h"
#include "model/Translatable.h"

#include <string>
#include <vector>

// The word before the version number in the sheet's header, painted and spoken.
inline constexpr char kVersionWord[] = QT_TRANSLATE_NOOP("SheetPainter", "Version");

// How a screen reader should take a painted text: the title, a plain line, or a message that
// must be heard as soon as it appears.
enum class SpokenRole {
    Heading,
    Text,
    Alert
};

// One painted text that carries information, as a listener hears it ("Net volume 200 L").
struct SpokenItem {
    // Stays the same while the item is shown, so a new value is told as a change of this item.
    // A message is keyed by its text: another message is a new announcement.
    std::string key;
    SpokenRole role = SpokenRole::Text;
    std::string name;
    std::string value; // the figure as painted; empty for the header and messages
    std::string unit;
    // Marked for translation in the SheetReading context; empty when there is nothing to add.
    std::string description;
    SheetRect rect; // where it is painted, in client pixels (the text's extent is estimated)

    bool operator==(const SpokenItem&) const = default;
};

// What the sheet paints now, besides the layout values, and the error row the results list
// shows after a failed check.
struct SheetReadingInput {
    SheetOptions options;
    SheetFrame frame;
    int clientWidth = 0;
    int clientHeight = 0;
    LoadResults results;
    bool figuresStale = false; // a later calculation stopped: the results are from the one before
    UnitSystem units;
    std::string warningText;
    std::string productName;
    std::string versionText;
    std::string errorText; // empty: the list shows results
    std::string errorRange;
    TextLookup lookup = nullptr; // the sheet's labels and units in the user's language
};

class SheetReading {
public:
    // The painted texts in reading order: the header, the computed rows shown (left column, then
    // right), the message line, then the error of a failed check. The form's labels are not
    // here: they name the controls next to them.
    static std::vector<SpokenItem> Items(const SheetReadingInput& in);

    // A sheet label as spoken: "   Net volume" and "Load:" without indent and colon.
    static std::string SpokenLabel(const char* label);

    // The description of a figure that a stopped calculation left on the sheet.
    static const char* const kStaleFigure;
};
