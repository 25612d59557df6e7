#include "SheetFonts.h"

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

// Line height grows with the pixel size at nearly a fixed ratio, so one look at a large size
// tells where to start; the search then goes up or down a size at a time.
QFont FindCellHeightFont(const QString& family, int cellHeight, int weight)
{
    constexpr int kReference = 100;
    QFont font(family);
    font.setWeight(static_cast<QFont::Weight>(weight));
    const int cell = std::max(cellHeight, 1);
    const double ratio = std::max(1.0, LineHeight(font, kReference) / double(kReference));
    int size = std::clamp(static_cast<int>(cell / ratio), 1, cell);
    while (size > 1 && LineHeight(font, size) > cell)
        --size;
    while (size < cell && LineHeight(font, size + 1) <= cell)
        ++size;
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
