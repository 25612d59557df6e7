// The compiled-in pictures: the bitmaps at their sizes, and the window icon, read only when a
// picture of it is wanted, the same as its bitmap at every size.
#include "presentation/Artwork.h"

#include <QIcon>
#include <QImageReader>
#include <QTest>

class ArtworkTest : public QObject {
    Q_OBJECT
private slots:
    void bitmaps_have_their_sizes_data();
    void bitmaps_have_their_sizes();
    void icon_is_its_bitmap_at_every_size_data();
    void icon_is_its_bitmap_at_every_size();
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

QTEST_MAIN(ArtworkTest)
#include "tst_artwork.moc"
