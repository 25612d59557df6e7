#include "presentation/SheetFonts.h"

#include <QFontMetrics>
#include <QRawFont>

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Line height grows with the pixel size at nearly a fixed ratio, so the search starts where the
// answer usually is: for Arial and its substitutes the largest size that fits a cell is most often
// the cell over 1.09 (their heights are about 1.12 times the size, but round down as often as up).
constexpr double kTypicalRatio = 1.09;

int FirstGuess(int cell)
{
    return std::clamp(static_cast<int>(cell / kTypicalRatio), 1, cell);
}

QFont FaceFont(const QString& family, int weight, int pixelSize)
{
    QFont font(family);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setPixelSize(pixelSize);
    return font;
}

// Loading a font engine for a size asks fontconfig to match and configure it, which costs about
// as much as everything else a start-up does per font. A raw font scales the face an engine has
// already loaded to any size without asking again, and QFontMetrics::height() is the rounded
// ascent plus the rounded descent, so one loaded size answers for every size of the face.
class FaceHeights {
public:
    // The face is loaded at the size its first request most likely ends at, which that request
    // then draws with, so the load is seldom an extra one.
    FaceHeights(const QString& family, int weight, int firstCell)
        : family_(family)
        , weight_(weight)
        , loadedSize_(FirstGuess(firstCell))
    {
    }

    // The largest pixel size whose line height is at most the cell; 1 when none is.
    int LargestFitting(int cell)
    {
        // Held only for this search: a raw font must not outlive the application's font engines.
        QRawFont face = QRawFont::fromFont(FaceFont(family_, weight_, loadedSize_));
        int size = FirstGuess(cell);
        while (size > 1 && At(face, size) > cell)
            --size;
        while (size < kLargestSize && At(face, size + 1) <= cell)
            ++size;
        return size;
    }

private:
    static constexpr int kLargestSize = 1000;

    int At(QRawFont& face, int pixelSize)
    {
        if (static_cast<size_t>(pixelSize) >= heights_.size())
            heights_.resize(static_cast<size_t>(pixelSize) + 1, 0);
        int& height = heights_[static_cast<size_t>(pixelSize)];
        if (height == 0)
            height = Measure(face, pixelSize);
        return height;
    }

    int Measure(QRawFont& face, int pixelSize) const
    {
        if (!face.isValid()) // no face to scale: ask the engine of that size
            return QFontMetrics(FaceFont(family_, weight_, pixelSize)).height();
        face.setPixelSize(pixelSize);
        return qRound(face.ascent()) + qRound(face.descent());
    }

    QString family_;
    int weight_;
    int loadedSize_;
    std::vector<int> heights_; // by pixel size; 0 not measured yet
};

} // namespace

QFont CellHeightFont(const QString& family, int cellHeight, int weight)
{
    // The window, its buttons, the list and the sheet ask for the same few sizes: find each one
    // once per process.
    static std::map<std::tuple<QString, int, int>, QFont> found;
    const auto key = std::make_tuple(family, cellHeight, weight);
    auto it = found.find(key);
    if (it == found.end()) {
        static std::map<std::pair<QString, int>, FaceHeights> faces;
        const int cell = std::max(cellHeight, 1);
        auto face = faces.try_emplace(std::make_pair(family, weight), family, weight, cell).first;
        const int size = face->second.LargestFitting(cell);
        it = found.emplace(key, FaceFont(family, weight, size)).first;
    }
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
