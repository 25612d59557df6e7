// The picture's scale and place and the markers on it and beside the results: no screen needed.
#include "presentation/SheetGeometry.h"

#include <QTest>

class PictureGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void picture_scale_data();
    void picture_scale();
    void wide_client_of_1280_by_1000();
    void markers_move_with_the_picture();
    void marker_boxes();
    void result_markers_stand_beside_the_list();
};

void PictureGeometryTest::picture_scale_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("doorCheck");
    QTest::addColumn<int>("originX");
    QTest::addColumn<int>("originY");
    QTest::addColumn<int>("side");
    // Wide: limited by the height (0.9 of what is left under y = 90) or by the width beyond 800.
    QTest::newRow("1920x1040 by height") << 1920 << 1040 << false << 20 << 90 << 846;
    QTest::newRow("1280x1000 by width") << 1280 << 1000 << false << 20 << 90 << 480;
    // Narrow: below the left column, never wider than 500.
    QTest::newRow("800x900 without door rows") << 800 << 900 << false << 40 << 410 << 432;
    QTest::newRow("800x900 with door rows") << 800 << 900 << true << 40 << 560 << 297;
    QTest::newRow("700x1600 capped at 500") << 700 << 1600 << false << -60 << 410 << 500;
    // A short client: the picture ends where the home-page link begins, 33 above the bottom.
    QTest::newRow("800x581 stops above the link") << 800 << 581 << false << 40 << 410 << 138;
    QTest::newRow("wide 1024x300 stops above the link") << 1024 << 300 << false << 20 << 90 << 177;
    QTest::newRow("no height left") << 800 << 565 << true << 40 << 560 << 0;
}

void PictureGeometryTest::picture_scale()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, doorCheck);
    QFETCH(int, originX);
    QFETCH(int, originY);
    QFETCH(int, side);
    const bool wide = width > 800;
    const int formLeft = width > 1600 ? width - 880 : width - 780;
    const SheetPoint origin = SheetGeometry::PictureOrigin(wide, formLeft, doorCheck);
    QCOMPARE(origin, (SheetPoint{originX, originY}));
    const double scale = SheetGeometry::PictureScale(width, height, origin, wide);
    QCOMPARE(SheetGeometry::ScaledPictureSide(scale), side);
    QVERIFY(scale >= 0.0);
}

void PictureGeometryTest::wide_client_of_1280_by_1000()
{
    const SheetPoint origin = SheetGeometry::PictureOrigin(true, 500, false);
    const double scale = SheetGeometry::PictureScale(1280, 1000, origin, true);
    QCOMPARE(scale, 0.6);
    QCOMPARE(SheetGeometry::PictureMarkerPoint(origin, scale, 0), (SheetPoint{380, 504}));
    QCOMPARE(SheetGeometry::PictureMarkerPoint(origin, scale, 5), (SheetPoint{20 + 246, 90 + 114}));
}

void PictureGeometryTest::markers_move_with_the_picture()
{
    const SheetPoint narrow = SheetGeometry::PictureOrigin(false, 20, false);
    const SheetPoint moved = SheetGeometry::PictureOrigin(false, 20, true);
    for (int i = 0; i < SheetGeometry::kPictureMarkerCount; ++i) {
        const SheetPoint a = SheetGeometry::PictureMarkerPoint(narrow, 0.5, i);
        const SheetPoint b = SheetGeometry::PictureMarkerPoint(moved, 0.5, i);
        QCOMPARE(b.x, a.x);
        QCOMPARE(b.y - a.y, 150);
    }
}

void PictureGeometryTest::marker_boxes()
{
    // The information marker starts 16 right of the label plus the label's measured width.
    const SheetPoint label{100, 200};
    const SheetRect info = SheetGeometry::InfoMarkerBox(SheetGeometry::RowInfoMarkerPoint(label), 16, 90);
    QCOMPARE(info, (SheetRect{100 + 16 + 90, 199, 100 + 16 + 90 + 16, 215}));
    const SheetRect letter = SheetGeometry::LetterMarkerBox(SheetGeometry::RowLetterMarkerPoint(label), 23);
    QCOMPARE(letter, (SheetRect{100 - 7 - 11, 208 - 11, 100 - 7 - 11 + 23, 208 - 11 + 23}));
    QCOMPARE(SheetGeometry::MarkerGlyphOrigin(letter), (SheetPoint{letter.left + 7, letter.top + 3}));
    QCOMPARE(SheetGeometry::MarkerGlyphHeight(19), 13);
}

void PictureGeometryTest::result_markers_stand_beside_the_list()
{
    QCOMPARE(SheetGeometry::ResultHotSpotPoint(1040, 1040, 0), (SheetPoint{1395, 865}));
    QCOMPARE(SheetGeometry::ResultHotSpotPoint(1040, 1040, 3), (SheetPoint{1395, 925}));
    QCOMPARE(SheetGeometry::ResultMarkerPoint(1040, 1040, 1), (SheetPoint{1395, 895}));
    QCOMPARE(SheetGeometry::MessageLinePoint(1040, 1040), (SheetPoint{1415, 821}));
}

QTEST_APPLESS_MAIN(PictureGeometryTest)
#include "tst_picturegeometry.moc"
