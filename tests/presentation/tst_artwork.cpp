#include "presentation/Artwork.h"

#include <QApplication>
#include <QImage>
#include <QtTest>

// The logo on a scaled screen comes from its vector source, not from the 1x bitmap blown up.
class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void logo_is_the_bitmap_at_ratio_one()
    {
        const QPixmap logo = Artwork::Logo(1.0);
        QCOMPARE(logo.size(), QSize(99, 26));
        QCOMPARE(logo.toImage(), Artwork::Bitmap(Artwork::kLogo).toImage());
    }

    void logo_has_device_pixels_for_the_ratio_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("1.5") << 1.5 << QSize(149, 39);
        QTest::newRow("2") << 2.0 << QSize(198, 52);
    }

    void logo_has_device_pixels_for_the_ratio()
    {
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        const QPixmap logo = Artwork::Logo(ratio);
        QCOMPARE(logo.size(), pixels);
        QCOMPARE(logo.devicePixelRatio(), ratio);
        QCOMPARE(logo.deviceIndependentSize().toSize(), QSize(99, 26));
    }

    // A bitmap scaled up by 2 repeats every pixel in 2 x 2 blocks; the vector drawing does not.
    void logo_at_two_is_not_the_bitmap_doubled()
    {
        const QImage sharp = Artwork::Logo(2.0).toImage();
        const QImage doubled = Artwork::Bitmap(Artwork::kLogo).toImage().scaled(198, 52);
        QVERIFY(sharp.convertToFormat(QImage::Format_RGB32) != doubled.convertToFormat(QImage::Format_RGB32));
        int brokenBlocks = 0;
        for (int y = 0; y < 52; y += 2)
            for (int x = 0; x < 198; x += 2)
                brokenBlocks += sharp.pixel(x, y) != sharp.pixel(x + 1, y + 1);
        QVERIFY2(brokenBlocks > 20, qPrintable(QString::number(brokenBlocks)));
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
