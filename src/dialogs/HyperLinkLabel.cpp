#include "dialogs/HyperLinkLabel.h"

#include "dialogs/OpenAddress.h"
#include "dialogs/OpenError.h"

#include <QMouseEvent>
#include <QPainter>

HyperLinkLabel::HyperLinkLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
    , backgroundColour_(palette().color(QPalette::Button))
{
    if (address_.isEmpty())
        address_ = text();
    if (text().isEmpty())
        setText(address_);
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
    setCursor(pointerCursor_);
    setToolTip(address_);
    MakeFonts();
    ResizeToText();
    leaveCheck_.setInterval(kLeaveCheckMs);
    connect(&leaveCheck_, &QTimer::timeout, this, &HyperLinkLabel::CheckLeave);
}

void HyperLinkLabel::SetAddress(const QString& address)
{
    address_ = address;
    ResizeToText();
    setToolTip(address_);
}

void HyperLinkLabel::SetColorSet(const QColor& background, const QColor& normal, const QColor& visited,
                                 const QColor& hover)
{
    backgroundColour_ = background;
    normalColour_ = normal;
    visitedColour_ = visited;
    hoverColour_ = hover.isValid() ? hover : palette().color(QPalette::Highlight);
    update();
}

void HyperLinkLabel::MarkVisited(bool visited)
{
    visited_ = visited;
    update();
}

void HyperLinkLabel::SetUnderlineRule(int rule)
{
    if (rule != underlineRule_) {
        underlineRule_ = rule;
        update();
    }
}

void HyperLinkLabel::SetFitToText(bool fit)
{
    fitToText_ = fit;
    ResizeToText();
}

void HyperLinkLabel::SetPointerCursor(const std::optional<QCursor>& cursor)
{
    pointerCursor_ = cursor.value_or(QCursor(Qt::PointingHandCursor));
    setCursor(pointerCursor_);
}

QFont HyperLinkLabel::ShownFont() const
{
    const bool underlined = underlineRule_ == kAlways || (underlineRule_ == kWhileOver && over_);
    return underlined ? underlinedFont_ : normalFont_;
}

QColor HyperLinkLabel::ShownColor() const
{
    if (over_)
        return hoverColour_;
    return visited_ ? visitedColour_ : normalColour_;
}

QSize HyperLinkLabel::TextExtent() const
{
    // The underlined font, so the line below the text always fits.
    return QFontMetrics(underlinedFont_).size(Qt::TextSingleLine, text());
}

QMargins HyperLinkLabel::Frame() const
{
    const QRect inner = contentsRect();
    return {inner.left(), inner.top(), width() - inner.right() - 1, height() - inner.bottom() - 1};
}

QRect HyperLinkLabel::FittedGeometry(const QRect& current, const QSize& content, const QMargins& frame,
                                     Qt::Alignment alignment)
{
    const QSize size = content.grownBy(frame);
    QRect fitted(current.topLeft(), size);
    if (alignment & Qt::AlignHCenter)
        fitted.moveLeft(current.left() + (current.width() - size.width()) / 2);
    else if (alignment & Qt::AlignRight)
        fitted.moveRight(current.right());
    return fitted;
}

void HyperLinkLabel::ResizeToText()
{
    if (!fitToText_)
        return;
    setGeometry(FittedGeometry(geometry(), TextExtent(), Frame(), alignment()));
    updateGeometry();
}

QSize HyperLinkLabel::sizeHint() const
{
    return fitToText_ ? TextExtent().grownBy(Frame()) : QLabel::sizeHint();
}

void HyperLinkLabel::MakeFonts()
{
    normalFont_ = font();
    normalFont_.setUnderline(false);
    underlinedFont_ = normalFont_;
    underlinedFont_.setUnderline(true);
}

void HyperLinkLabel::PointerOver()
{
    if (over_)
        return;
    over_ = true;
    update();
    leaveCheck_.start();
}

// The label looks again every kLeaveCheckMs rather than trusting a leave event, which a fast
// pointer or a window popping up over the label can swallow.
void HyperLinkLabel::CheckLeave()
{
    if (rect().contains(mapFromGlobal(QCursor::pos())))
        return;
    over_ = false;
    leaveCheck_.stop();
    update();
}

void HyperLinkLabel::Activate()
{
    over_ = false;
    update();
    OpenAddress(address_.isEmpty() ? text() : address_, kShowNormal, this, [this](int result) { ShowOutcome(result); });
}

void HyperLinkLabel::ShowOutcome(int result)
{
    const bool opened = result > 32;
    visited_ = opened;
    update();
    if (!opened)
        ReportFailedOpen(result, address_.isEmpty() ? text() : address_, window());
}

void HyperLinkLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColour_);
    painter.setFont(ShownFont());
    painter.setPen(ShownColor());
    painter.setBrush(Qt::NoBrush);
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | Qt::TextSingleLine, text());
}

void HyperLinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    PointerOver();
    QLabel::mouseMoveEvent(event);
}

void HyperLinkLabel::enterEvent(QEnterEvent* event)
{
    PointerOver();
    QLabel::enterEvent(event);
}

void HyperLinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Activate();
    QLabel::mouseReleaseEvent(event);
}

void HyperLinkLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        MakeFonts();
        ResizeToText();
    }
    QLabel::changeEvent(event);
}
