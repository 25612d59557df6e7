#pragma once

#include "presentation/SheetGeometry.h"

#include <string>
#include <vector>

// A spot on the window that has context help.
struct HotSpot {
    int x = 0; // where it was registered
    int y = 0;
    std::string text; // UTF-8
    SheetRect rect;   // the sensitive area, client coordinates
};

// The hot spots of the last paint, in the order they were drawn.
class HotSpotList {
public:
    // A label's hot spot is one line of the measuring font high.
    void SetLabelLineHeight(int height) { labelLineHeight_ = height; }

    // A marker is sensitive from 5 pixels above-left of its point to 30 right and 20 below; a
    // label over 200 pixels to the right of its top-left corner. The reference lasts until the
    // next registration.
    const HotSpot& RegisterHotSpot(int x, int y, std::string text, bool isMarker);
    // The first spot in drawing order that contains the point, or nullptr.
    const HotSpot* HitTestHotSpots(int x, int y) const;

    void Clear() { spots_.clear(); }
    int Count() const { return static_cast<int>(spots_.size()); }
    const std::vector<HotSpot>& Spots() const { return spots_; }

private:
    std::vector<HotSpot> spots_;
    int labelLineHeight_ = 14;
};

// Where the help tip's top-left corner goes for a spot: 180 left of it and 65 above, or 95
// above when the text is long enough to wrap onto a third line.
SheetPoint TipAnchor(const HotSpot& spot);

// Characters, not bytes, of a UTF-8 text.
int CharacterCount(const std::string& utf8);
