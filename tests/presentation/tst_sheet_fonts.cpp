// Cell-height fonts are found from one loaded face scaled to each size; they must be exactly what
// asking the font engine of every pixel size finds.
#include "presentation/SheetFonts.h"

#include <QFontMetrics>
#include <QTest>

#include <vector>

namespace {

// The window asks for cells from 9 (small-screen fields) to 32 (the product name); every cell up
// to twice that is checked.
constexpr int kLargestCell = 64;
// No face has a line height below its pixel size, so larger sizes cannot fit any checked cell;
// the search goes well past that all the same.
constexpr int kLargestSize = 2 * kLargestCell + 16;

int EngineLineHeight(int weight, int pixelSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setPixelSize(pixelSize);
    return QFontMetrics(font).height();
}

// The largest pixel size whose line height is at most the cell, trying every size; 1 when none is.
int ExhaustiveCellSize(const std::vector<int>& heightBySize, int cell)
{
    int found = 1;
    for (int size = 1; size < static_cast<int>(heightBySize.size()); ++size)
        if (heightBySize[static_cast<size_t>(size)] <= cell)
            found = size;
    return found;
}

} // namespace

class SheetFontsTest : public QObject {
    Q_OBJECT
private slots:
    void cell_height_font_matches_the_exhaustive_search_data();
    void cell_height_font_matches_the_exhaustive_search();
};

void SheetFontsTest::cell_height_font_matches_the_exhaustive_search_data()
{
    QTest::addColumn<int>("weight");
    QTest::newRow("regular") << 400;
    QTest::newRow("bold") << 700;
}

void SheetFontsTest::cell_height_font_matches_the_exhaustive_search()
{
    QFETCH(int, weight);
    std::vector<int> heightBySize(kLargestSize + 1, 0);
    for (int size = 1; size <= kLargestSize; ++size)
        heightBySize[static_cast<size_t>(size)] = EngineLineHeight(weight, size);
    for (int cell = 1; cell <= kLargestCell; ++cell) {
        const QFont font = CellHeightFont(QStringLiteral("Arial"), cell, weight);
        const int expected = ExhaustiveCellSize(heightBySize, cell);
        QVERIFY2(font.pixelSize() == expected, qPrintable(QStringLiteral("cell %1: %2 px, every size tried gives %3 px")
                                                              .arg(cell)
                                                              .arg(font.pixelSize())
                                                              .arg(expected)));
        QCOMPARE(font.weight(), weight);
        QCOMPARE(font.family(), QStringLiteral("Arial"));
    }
}

QTEST_MAIN(SheetFontsTest)
#include "tst_sheet_fonts.moc"
