#include "SheetFonts.h"

#include <QFontMetrics>

QFont CellHeightFont(const QString& family, int cellHeight, int weight)
{
    QFont font(family);
    font.setWeight(static_cast<QFont::Weight>(weight));
    int size = std::max(cellHeight, 1);
    for (; size > 1; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= cellHeight)
            return font;
    }
    font.setPixelSize(1);
    return font;
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
