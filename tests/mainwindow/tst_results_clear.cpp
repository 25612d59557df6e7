// The results list and the red message line above it against the painted rows, for the sizes a
// 1366 x 768 laptop (with and without a panel) and a 1920 x 1080 screen give the window, with
// every combination of options: no row's text box (each text is drawn on an opaque box of its
// font's height) and no painted pixel may lie under the list, and no row's box under the message
// line unless the Product Selection button is already as low as the bottom buttons allow. Where
// neither stood over a row at its usual place, everything stays where it always was; elsewhere
// they move down just far enough.

#include "mainwindow/Layout.h"
#include "model/Tables.h"
#include "presentation/SheetFonts.h"
#include "presentation/SheetPainter.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <algorithm>

namespace {

struct Screen {
    int height;
    int width;
    std::vector<int> clientHeights;
};

std::vector<int> Range(int from, int to, int step)
{
    std::vector<int> v;
    for (int h = from; h < to; h += step)
        v.push_back(h);
    v.push_back(to);
    return v;
}

LoadResults WideFigures()
{
    LoadResults r;
    r.netVolume = 200;
    r.cabinetLoad = 123456;
    r.doorLoad = 23456;
    r.additionalLoad = 3456;
    r.coolDownLoad = 45678;
    return r;
}

// The lowest row of the area with a painted (not white) pixel, or -1.
int LowestInk(const QImage& image, const QRect& area)
{
    const QRect a = area & image.rect();
    for (int y = a.bottom(); y >= a.top(); --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = a.left(); x <= a.right(); ++x)
            if ((line[x] & 0xffffff) != 0xffffff)
                return y;
    }
    return -1;
}

QRect ToQRect(const ControlRect& r)
{
    return {r.x, r.y, r.width, r.height};
}

// The boxes the painter fills for a row's label, unit and figure.
std::vector<QRect> TextBoxes(const SheetLine& line, SheetFonts& fonts)
{
    const QFontMetrics texts(fonts.Arial(line.fontHeight, line.bold));
    const QFontMetrics figure(fonts.Arial(line.fontHeight, false));
    const auto box = [](const QFontMetrics& m, SheetPoint at, const std::string& text) {
        return QRect(at.x, at.y, m.horizontalAdvance(QString::fromStdString(text)), m.height());
    };
    std::vector<QRect> boxes = {box(texts, line.label, line.labelText), box(texts, line.unit, line.unitText)};
    if (!line.valueText.empty())
        boxes.push_back(box(figure, line.value, line.valueText));
    return boxes;
}

} // namespace

class ResultsClearTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { BuildTables(tables_); }

    void list_covers_no_row_and_moves_only_where_it_did()
    {
        const std::vector<Screen> screens = {
            {768, 1366, Range(705, 768, 3)},
            {1080, 1920, {1000, 1017, 1040, 1057, 1080}},
        };
        int moved = 0;
        for (const Screen& screen : screens)
            for (const int h : screen.clientHeights)
                for (int options = 0; options < 16; ++options)
                    for (const UnitSystem& units : {UnitSystem{}, UnitSystem{1, 1, 1, 1, 1, 1}}) {
                        Check(screen, h, options, units, moved);
                        if (QTest::currentTestFailed())
                            return;
                    }
        QVERIFY(moved > 0); // 1366 x 705 with every right-hand option did overlap
    }

private:
    // Counts the cases in which the list had to move.
    void Check(const Screen& screen, int h, int options, const UnitSystem& units, int& moved)
    {
        LayoutInput in;
        in.clientWidth = screen.width;
        in.clientHeight = h;
        in.screenHeight = screen.height;
        in.iCondCheck = options & 1;
        in.iDoorCheck = options & 2;
        in.iHeatCheck = options & 4;
        in.iCoolCheck = options & 8;
        const LayoutResult layout = ComputeLayout(in);

        SheetState s;
        s.clientWidth = screen.width;
        s.clientHeight = h;
        s.screenHeight = screen.height;
        s.formLeft = layout.formLeft;
        s.rowPitch = layout.rowPitch;
        s.wideLayout = layout.wideLayout;
        s.options = {in.iCondCheck, in.iDoorCheck, in.iHeatCheck, in.iCoolCheck};
        s.results = WideFigures();
        s.units = units;
        s.tables = &tables_;
        s.warningText = "Warning: Evaporating temp greater than box temp.";
        QImage image(screen.width, h, QImage::Format_RGB32);
        HotSpotList spots;
        {
            QPainter p(&image);
            painter_.Paint(p, s, spots);
        }

        const SheetFrame frame{layout.formLeft, layout.rowPitch, SheetMetrics::ForScreen(screen.height).sheetFontHeight,
                               layout.columns};
        std::vector<QRect> boxes;
        for (const SheetLine& line : FormSheet::VisibleLines(s.options, frame, s.results, units))
            for (const QRect& box : TextBoxes(line, fonts_))
                boxes.push_back(box);

        const QString where = QStringLiteral("%1 x %2 on %3, options %4, units %5")
                                  .arg(screen.width)
                                  .arg(h)
                                  .arg(screen.height)
                                  .arg(options)
                                  .arg(units.LengthImperial() ? "imperial" : "metric");
        const QRect list = ToQRect(layout.Of(ControlId::ResultsList).rect);
        // The list ends inside the client, as the header band does.
        const QRect usual(layout.formLeft + 371, h - 200, std::min(410, screen.width - 8 - layout.formLeft - 371), 115);
        const int base = list.top() + FormSheet::kResultsListRise;
        const auto messageAt = [&](int b) {
            return QRect(layout.formLeft + 375, b - SheetGeometry::kMessageLineRise,
                         screen.width - layout.formLeft - 375, frame.sheetFontHeight + 2);
        };
        bool rowUnderUsual = false;
        bool baseMeetsARow = base == h + FormSheet::kLowestBase;
        for (const QRect& box : boxes) {
            QVERIFY2(!box.intersects(list), qPrintable(where));
            if (base < h + FormSheet::kLowestBase)
                QVERIFY2(!box.intersects(messageAt(base)), qPrintable(where));
            rowUnderUsual = rowUnderUsual || box.intersects(usual) || box.intersects(messageAt(h));
            baseMeetsARow =
                baseMeetsARow || box.bottom() + 1 == list.top() || box.bottom() + 1 == messageAt(base).top();
        }
        QVERIFY2(LowestInk(image, list) < 0, qPrintable(where));

        const QRect product = ToQRect(layout.Of(ControlId::ProductSelectionButton).rect);
        const QRect help = ToQRect(layout.Of(ControlId::HelpButton).rect);
        const SheetRect marker = spots.Spots().at(spots.Spots().size() - 4).rect; // the first result marker
        if (!rowUnderUsual) {
            QVERIFY2(list == usual, qPrintable(where));
            QVERIFY2(product == QRect(layout.formLeft + 371, h - 82, 150, 25), qPrintable(where));
            QVERIFY2(marker.top == h - 180, qPrintable(where));
            return;
        }
        // Lowered just to a row's edge, or as low as the bottom buttons allow, with the markers and
        // the Product Selection button beside and below the list as usual.
        ++moved;
        QVERIFY2(baseMeetsARow, qPrintable(where));
        QVERIFY2(list.size() == usual.size() && list.left() == usual.left(), qPrintable(where));
        QVERIFY2(product.top() == list.top() + 118 && product.bottom() + 4 < help.top(), qPrintable(where));
        QVERIFY2(marker.top == list.top() + 20, qPrintable(where));
    }

    Tables tables_;
    SheetPainter painter_;
    SheetFonts fonts_;
};

QTEST_MAIN(ResultsClearTest)
#include "tst_results_clear.moc"
