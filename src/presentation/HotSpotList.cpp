#include "presentation/HotSpotList.h"

#include <utility>

namespace {

constexpr int kLongTextCharacters = 300;
constexpr int kLabelWidth = 200;

SheetRect MarkerRect(int x, int y)
{
    return {x - 5, y - 5, x + 30, y + 20};
}

} // namespace

const HotSpot& HotSpotList::RegisterHotSpot(int x, int y, std::string text, bool isMarker)
{
    const SheetRect rect = isMarker ? MarkerRect(x, y) : SheetRect{x, y, x + kLabelWidth, y + labelLineHeight_};
    spots_.push_back({x, y, std::move(text), rect});
    return spots_.back();
}

const HotSpot* HotSpotList::HitTestHotSpots(int x, int y) const
{
    for (const HotSpot& spot : spots_) {
        if (spot.rect.Contains(x, y))
            return &spot;
    }
    return nullptr;
}

SheetPoint TipAnchor(const HotSpot& spot)
{
    const int above = CharacterCount(spot.text) > kLongTextCharacters ? 95 : 65;
    return {spot.rect.left - 180, spot.rect.top - above};
}

int CharacterCount(const std::string& utf8)
{
    int count = 0;
    for (const char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) // continuation bytes belong to the previous one
            ++count;
    }
    return count;
}
