#include "presentation/ResultsHeader.h"

#include "presentation/Artwork.h"
#include "presentation/Palette.h"
#include "presentation/SheetFonts.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
constexpr int kBandStart = 2;
constexpr int kTitleInset = 2;
constexpr int kTitleCellHeight = 14;
} // namespace

ResultsHeader::ResultsHeader(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent)
    , band_(Artwork::Bitmap(Artwork::kHeaderBand))
    , left_(Artwork::Bitmap(Artwork::kHeaderLeft))
    , right_(Artwork::Bitmap(Artwork::kHeaderRight))
    , titleFont_(CellHeightFont(QStringLiteral("Arial"), kTitleCellHeight, false))
{
    setSectionsClickable(false);
    setSectionsMovable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setFixedHeight(kHeight);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent); // the paint covers everything
}

QRect ResultsHeader::TitleRect(const QRect& section)
{
    return section.adjusted(kTitleInset, kTitleInset, -kTitleInset, -kTitleInset);
}

// The heading has a fixed height and is placed by the window, so its hint is its sections' length:
// the platform's hint measures every title in a bold font, loading that font for nothing.
QSize ResultsHeader::sizeHint() const
{
    return {length(), kHeight};
}

void ResultsHeader::paintEvent(QPaintEvent*)
{
    QWidget* target = viewport();
    QPixmap buffer(target->size());
    {
        QPainter painter(&buffer);
        const int w = target->width();
        const int h = target->height();
        painter.fillRect(0, 0, w, h, Palette::kPale);
        painter.drawPixmap(QRect(kBandStart, 0, w - kBandStart, h), band_);
        for (int visual = 0; visual < count(); ++visual) {
            const int logical = logicalIndex(visual);
            if (isSectionHidden(logical))
                continue;
            PaintSection(painter, logical, QRect(sectionViewportPosition(logical), 0, sectionSize(logical), h));
        }
    }
    QPainter(target).drawPixmap(0, 0, buffer);
}

void ResultsHeader::PaintSection(QPainter& painter, int logical, const QRect& rect) const
{
    const int h = rect.height();
    if (visualIndex(logical) == 0)
        painter.drawPixmap(QRect(rect.left(), 0, left_.width(), h), left_);
    else
        painter.drawPixmap(QRect(rect.left() + 1, 0, 1, h), band_);
    painter.drawPixmap(QRect(rect.left() + rect.width() - 2, 0, right_.width(), h), right_);

    const QString title = model() ? model()->headerData(logical, orientation()).toString() : QString();
    const QRect textRect = TitleRect(rect);
    painter.setFont(titleFont_);
    painter.setPen(Palette::kWhite);
    const QString shown = painter.fontMetrics().elidedText(title, Qt::ElideRight, textRect.width());
    painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}
