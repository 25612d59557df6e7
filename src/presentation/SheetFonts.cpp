#include "presentation/SheetFonts.h"

#include <QFontMetrics>

#include <algorithm>
#include <map>
#include <tuple>

namespace {

int LineHeight(QFont font, int pixelSize)
{
    font.setPixelSize(pixelSize);
    return QFontMetrics(font).height();
}

// Line height grows with the pixel size at nearly a fixed ratio (about 1.12 to 1.15 for Arial and
// its substitutes), so the search starts where the answer usually is: every probe loads a font
// engine.
QFont FindCellHeightFont(const QString& family, int cellHeight, int weight)
{
    constexpr double kTypicalRatio = 1.12;
    QFont font(family);
    font.setWeight(static_cast<QFont::Weight>(weight));
    const int cell = std::max(cellHeight, 1);
    int size = std::clamp(static_cast<int>(cell / kTypicalRatio), 1, cell);
    int height = LineHeight(font, size);
    while (size > 1 && height > cell)
        height = LineHeight(font, --size);
    // Heights are whole pixels, so the next size's height is this one scaled, give or take one.
    while (size < cell && height * (size + 1) / size <= cell + 1) {
        const int next = LineHeight(font, size + 1);
        if (next > cell)
            break;
        height = next;
        ++size;
    }
    font.setPixelSize(size);
    return font;
}

} // namespace

QFont CellHeightFont(const QString& family, int cellHeight, int weight)
{
    // Each probe loads a font engine, and the window, its buttons, the list and the sheet ask
    // for the same few sizes: find each one once per process.
    static std::map<std::tuple<QString, int, int>, QFont> found;
    const auto key = std::make_tuple(family, cellHeight, weight);
    auto it = found.find(key);
    if (it == found.end())
        it = found.emplace(key, FindCellHeightFont(family, cellHeight, weight)).first;
    return it->second;
}

QFont CellHeightFont(const QString& family, int cellHeight, bool bold)
{
    return CellHeightFont(family, cellHeight, bold ? QFont::Bold : QFont::Normal);
}

QFont MeasuringFont(int charHeight)
{
    QFont font;
    font.setPixelSize(std::max(charHeight, 1));
    return font;
}

const QFont& SheetFonts::Arial(int cellHeight, bool bold)
{
    const auto key = std::make_pair(cellHeight, bold);
    auto it = arial_.find(key);
    if (it == arial_.end())
        it = arial_.emplace(key, CellHeightFont(QStringLiteral("Arial"), cellHeight, bold)).first;
    return it->second;
}

const QFont& SheetFonts::Measuring(int charHeight)
{
    auto it = measuring_.find(charHeight);
    if (it == measuring_.end())
        it = measuring_.emplace(charHeight, MeasuringFont(charHeight)).first;
    return it->second;
}
