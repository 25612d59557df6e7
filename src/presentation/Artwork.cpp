#include "presentation/Artwork.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtMath>

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
    return QPixmap(path);
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
    return QIcon(QStringLiteral(":/dorarive/icon-256.png"));
}

} // namespace Artwork
