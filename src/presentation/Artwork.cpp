#include "presentation/Artwork.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <array>

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

// Vector artwork becomes an opaque bitmap of its nominal size, as the picture and the logo are
// plain copies onto the white surface.
QPixmap RenderSvg(const QString& path, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, width, height));
    painter.end();
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
    QIcon icon;
    icon.addPixmap(ReadPng(QStringLiteral(":/dorarive/icon-256.png")));
    return icon;
}

} // namespace Artwork
