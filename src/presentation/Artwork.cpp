#include "presentation/Artwork.h"

#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <QtMath>

#include <array>
#include <utility>

// The resources live in a static library, so nothing would pull them in without this call.
static void RegisterArtwork()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(dorarive);
        return true;
    }();
    (void)registered;
}

namespace Artwork {
namespace {

struct BitmapEntry {
    int id;
    const char* path;
    int width;
    int height;
};

constexpr std::array<BitmapEntry, 9> kBitmaps = {{
    {kCabinetPicture, ":/dorarive/cabinet.svg", 800, 800},
    {kLogo, ":/dorarive/logo.png", 99, 26},
    {kComboMiddle, ":/dorarive/bitmaps/combo-middle.png", 15, 24},
    {kComboLeft, ":/dorarive/bitmaps/combo-left.png", 2, 24},
    {kComboButton, ":/dorarive/bitmaps/combo-button.png", 20, 24},
    {kComboButtonDropped, ":/dorarive/bitmaps/combo-button-dropped.png", 20, 24},
    {kHeaderBand, ":/dorarive/bitmaps/header-band.png", 1, 20},
    {kHeaderLeft, ":/dorarive/bitmaps/header-left.png", 2, 20},
    {kHeaderRight, ":/dorarive/bitmaps/header-right.png", 2, 20},
}};

const BitmapEntry* Find(int id)
{
    for (const BitmapEntry& entry : kBitmaps) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

// Vector artwork becomes an opaque bitmap, as the picture and the logo are plain copies onto the
// white surface: width x height logical pixels at the given device pixel ratio.
QPixmap RenderSvg(const QString& path, int width, int height, qreal ratio = 1.0)
{
    QImage image(qCeil(width * ratio), qCeil(height * ratio), QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, image.width(), image.height()));
    painter.end();
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

// The bitmaps are PNG files, and reading them as nothing else keeps the image plugins unloaded: a
// reader free to detect the format loads every plugin to ask it. Several controls share the same
// bitmaps, so each is read once.
QPixmap ReadPng(const QString& path)
{
    QPixmap pixmap;
    if (QPixmapCache::find(path, &pixmap))
        return pixmap;
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    pixmap = QPixmap::fromImage(reader.read());
    QPixmapCache::insert(path, pixmap);
    return pixmap;
}

// Decoding the 256 x 256 icon costs about as much as loading a font, and not every platform asks
// for a window icon (an X server takes it when the window is made; offscreen and Wayland never
// do): it is read the first time a picture of it is wanted.
class IconOnFirstUse : public QIconEngine {
public:
    explicit IconOnFirstUse(QString path)
        : path_(std::move(path))
    {
    }

    QIconEngine* clone() const override { return new IconOnFirstUse(path_); }
    QString key() const override { return QStringLiteral("IconOnFirstUse"); }
    bool isNull() override { return false; }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

private:
    const QIcon& Icon()
    {
        if (icon_.isNull())
            icon_.addPixmap(ReadPng(path_));
        return icon_;
    }

    QString path_;
    QIcon icon_;
};

} // namespace

QString Path(int id)
{
    RegisterArtwork();
    const BitmapEntry* entry = Find(id);
    return entry ? QString::fromLatin1(entry->path) : QString();
}

QPixmap Bitmap(int id)
{
    const BitmapEntry* entry = Find(id);
    if (!entry)
        return {};
    const QString path = Path(id);
    if (path.endsWith(QLatin1String(".svg")))
        return RenderSvg(path, entry->width, entry->height);
    return ReadPng(path);
}

QPixmap Logo(qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1.0)
        return Bitmap(kLogo);
    RegisterArtwork();
    const BitmapEntry* entry = Find(kLogo);
    return RenderSvg(QStringLiteral(":/dorarive/logo.svg"), entry->width, entry->height, devicePixelRatio);
}

QString CabinetPicturePath()
{
    return Path(kCabinetPicture);
}

QString ApplicationIconPath()
{
    RegisterArtwork();
    return QStringLiteral(":/dorarive/icon.svg");
}

QIcon ApplicationIcon()
{
    RegisterArtwork();
    // The bitmap serves every size a window needs; the vector icon is for the desktop.
    return QIcon(new IconOnFirstUse(QStringLiteral(":/dorarive/icon-256.png")));
}

} // namespace Artwork
