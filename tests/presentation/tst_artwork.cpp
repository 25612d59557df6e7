// The compiled-in pictures: the bitmaps at their sizes, and the window icon, read only when a
// picture of it is wanted, the same as its bitmap at every size.
#include "presentation/Artwork.h"

#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QTest>

class ArtworkTest : public QObject {
    Q_OBJECT
private slots:
    void bitmaps_have_their_sizes_data();
    void bitmaps_have_their_sizes();
    void icon_is_its_bitmap_at_every_size_data();
    void icon_is_its_bitmap_at_every_size();
    void logo_is_the_bitmap_at_ratio_one();
    void logo_has_device_pixels_for_the_ratio_data();
    void logo_has_device_pixels_for_the_ratio();
    void logo_at_two_is_not_the_bitmap_doubled();
};

void ArtworkTest::bitmaps_have_their_sizes_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QSize>("size");
    QTest::newRow("logo") << int(Artwork::kLogo) << QSize(99, 26);
    QTest::newRow("combo middle") << int(Artwork::kComboMiddle) << QSize(15, 24);
    QTest::newRow("combo left") << int(Artwork::kComboLeft) << QSize(2, 24);
    QTest::newRow("combo button") << int(Artwork::kComboButton) << QSize(20, 24);
    QTest::newRow("combo button dropped") << int(Artwork::kComboButtonDropped) << QSize(20, 24);
    QTest::newRow("header band") << int(Artwork::kHeaderBand) << QSize(1, 20);
    QTest::newRow("header left") << int(Artwork::kHeaderLeft) << QSize(2, 20);
    QTest::newRow("header right") << int(Artwork::kHeaderRight) << QSize(2, 20);
    QTest::newRow("unknown") << 133 << QSize();
}

void ArtworkTest::bitmaps_have_their_sizes()
{
    QFETCH(int, id);
    QFETCH(QSize, size);
    const QPixmap bitmap = Artwork::Bitmap(id);
    QCOMPARE(bitmap.size(), size.isValid() ? size : QSize(0, 0));
    if (size.isValid())
        QCOMPARE(bitmap.toImage(), QImage(Artwork::Path(id)).convertToFormat(bitmap.toImage().format()));
}

void ArtworkTest::icon_is_its_bitmap_at_every_size_data()
{
    QTest::addColumn<int>("side");
    for (const int side : {16, 20, 32, 48, 64, 128, 256, 300})
        QTest::addRow("%d", side) << side;
}

void ArtworkTest::icon_is_its_bitmap_at_every_size()
{
    QFETCH(int, side);
    const QIcon icon = Artwork::ApplicationIcon();
    const QIcon fromFile(QStringLiteral(":/dorarive/icon-256.png"));
    QVERIFY(!icon.isNull());
    // An X server sends every available size to the window manager.
    QCOMPARE(icon.availableSizes(), fromFile.availableSizes());
    const QSize size(side, side);
    QCOMPARE(icon.actualSize(size), fromFile.actualSize(size));
    QCOMPARE(icon.pixmap(size).toImage(), fromFile.pixmap(size).toImage());
    QCOMPARE(icon.pixmap(size, 2.0).toImage(), fromFile.pixmap(size, 2.0).toImage());
    QCOMPARE(icon.pixmap(size, QIcon::Disabled).toImage(), fromFile.pixmap(size, QIcon::Disabled).toImage());
}

// The logo on a scaled screen comes from its vector source, not from the 1x bitmap blown up.
void ArtworkTest::logo_is_the_bitmap_at_ratio_one()
{
    const QPixmap logo = Artwork::Logo(1.0);
    QCOMPARE(logo.size(), QSize(99, 26));
    QCOMPARE(logo.toImage(), Artwork::Bitmap(Artwork::kLogo).toImage());
}

void ArtworkTest::logo_has_device_pixels_for_the_ratio_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("1.5") << 1.5 << QSize(149, 39);
    QTest::newRow("2") << 2.0 << QSize(198, 52);
}

void ArtworkTest::logo_has_device_pixels_for_the_ratio()
{
    QFETCH(qreal, ratio);
    QFETCH(QSize, pixels);
    const QPixmap logo = Artwork::Logo(ratio);
    QCOMPARE(logo.size(), pixels);
    QCOMPARE(logo.devicePixelRatio(), ratio);
    QCOMPARE(logo.deviceIndependentSize().toSize(), QSize(99, 26));
}

// A bitmap scaled up by 2 repeats every pixel in 2 x 2 blocks; the vector drawing does not.
void ArtworkTest::logo_at_two_is_not_the_bitmap_doubled()
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

QTEST_MAIN(ArtworkTest)
#include "tst_artwork.moc"
