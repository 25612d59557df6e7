#include "presentation/ShadeButton.h"

#include "presentation/SheetFonts.h"
#include "presentation/TipWindow.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <qdrawutil.h>

#include <algorithm>

namespace {

constexpr int kRampMiddle = 128;

// On plain RGB values: a QColor converts its components on every access, and a ramp takes 768
// mixes per button.
QRgb Mix(QRgb a, QRgb b, int weightA, int weightB, int total)
{
    return qRgb((weightA * qRed(a) + weightB * qRed(b)) / total, (weightA * qGreen(a) + weightB * qGreen(b)) / total,
                (weightA * qBlue(a) + weightB * qBlue(b)) / total);
}

// Entries 0..128 run from dark to middle, 128..255 from middle to light.
std::array<QRgb, 256> TwoRamps(QRgb dark, QRgb middle, QRgb light)
{
    std::array<QRgb, 256> ramp{};
    for (int i = 0; i <= kRampMiddle; ++i)
        ramp[static_cast<size_t>(i)] = Mix(dark, middle, kRampMiddle - i, i, kRampMiddle);
    for (int i = 1; i <= kRampMiddle; ++i)
        ramp[static_cast<size_t>(127 + i)] = Mix(middle, light, kRampMiddle - i, i, kRampMiddle);
    return ramp;
}

std::array<QRgb, 256> BlendToward(std::array<QRgb, 256> ramp, QRgb target, int percent)
{
    for (QRgb& entry : ramp)
        entry = Mix(entry, target, 100 - percent, percent, 100);
    return ramp;
}

} // namespace

ShadeButton::ShadeButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
    , textColour_(palette().color(QPalette::ButtonText))
{
    setFocusPolicy(Qt::ClickFocus); // not a tab stop, but a click takes the focus
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_Hover);
    const QColor face = palette().color(QPalette::Button);
    SetShade(3, 0, 0, 0, face, face.lighter(), face, face.darker());
}

ShadeButton::~ShadeButton() = default;

void ShadeButton::SetTooltipText(const QString& text, const QString& onText)
{
    tooltipText_ = text;
    tooltipOnText_ = onText;
    if (tip_)
        tip_->SetTipText(text);
}

void ShadeButton::SetFont(const QString& face, int cellHeight, int weight)
{
    setFont(CellHeightFont(face, cellHeight, weight));
}

int ShadeButton::FittingWidth(int least) const
{
    constexpr int kCaptionMargin = 4;
    const int caption = fontMetrics().size(Qt::TextSingleLine | Qt::TextShowMnemonic, text()).width();
    return std::max(least, caption + 2 * (kFocusInset + 2 + kCaptionMargin));
}

QColor ShadeButton::SetTextColour(const QColor& colour)
{
    const QColor previous = textColour_;
    textColour_ = colour;
    update();
    return previous;
}

void ShadeButton::SetShade(int style, int granularity, int highlight, int colouring, const QColor& tint,
                           const QColor& light, const QColor& middle, const QColor& dark)
{
    (void)style; // only the horizontal ramp is drawn
    granularity_ = std::clamp(granularity, 0, 127);
    normal_ = BlendToward(TwoRamps(dark.rgb(), middle.rgb(), light.rgb()), tint.rgb(), std::clamp(colouring, 0, 100));
    hover_ = BlendToward(normal_, light.rgb(), std::clamp(highlight, 0, 100));
    update();
}

// Style 3: a horizontal ramp from the light end at the left to the dark end at the right.
int ShadeButton::RampIndex(int x) const
{
    const int w = std::max(width(), 1);
    return std::clamp((w - x) * (255 - 2 * granularity_) / w + granularity_, 0, 255);
}

QColor ShadeButton::FaceColour(Face face, int x) const
{
    const Ramp& ramp = (face == Hover || face == Pressed) ? hover_ : normal_;
    return QColor(ramp[static_cast<size_t>(RampIndex(x))]);
}

ShadeButton::Face ShadeButton::CurrentFace() const
{
    if (!isEnabled())
        return Disabled;
    if (isDown())
        return Pressed;
    return hovering_ ? Hover : Normal;
}

void ShadeButton::paintEvent(QPaintEvent*)
{
    QImage buffer(size(), QImage::Format_RGB32);
    {
        QPainter painter(&buffer);
        const Face face = CurrentFace();
        DrawFace(painter, face);
        DrawEdge(painter, face);
        if (hasFocus())
            DrawFocusLines(painter);
        DrawCaption(painter, face);
    }
    QPainter(this).drawImage(0, 0, buffer);
}

void ShadeButton::DrawFace(QPainter& painter, Face face) const
{
    const int shift = face == Pressed ? 1 : 0;
    if (shift)
        painter.fillRect(rect(), FaceColour(face, 0));
    for (int x = 0; x < width(); ++x)
        painter.fillRect(x + shift, shift, 1, height(), FaceColour(face, x));
}

void ShadeButton::DrawEdge(QPainter& painter, Face face) const
{
    const QPalette& pal = palette();
    if (isFlat()) {
        // Flat buttons show a one-pixel frame only while pressed or hovered.
        if (face == Pressed)
            qDrawShadeRect(&painter, rect(), pal, true, 1);
        else if (face == Hover)
            qDrawShadeRect(&painter, rect(), pal, false, 1);
        return;
    }
    if (face == Pressed) {
        qDrawWinButton(&painter, rect(), pal, true);
        return;
    }
    if (face != Disabled && isDefault()) {
        qDrawWinPanel(&painter, rect(), pal, true);
        qDrawWinButton(&painter, rect().adjusted(1, 1, -1, -1), pal, false);
        return;
    }
    qDrawWinButton(&painter, rect(), pal, false);
}

// The dotted line alternates the two ends of the ramp, which are one colour on the program's
// flat buttons.
void ShadeButton::DrawFocusLines(QPainter& painter) const
{
    const QRect r = rect().adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1);
    QPen pen(QBrush(QColor(normal_.front())), 1, Qt::DotLine);
    pen.setDashPattern({1, 1});
    painter.setPen(pen);
    painter.drawRect(r);
    pen.setColor(QColor(normal_.back()));
    pen.setDashOffset(1);
    painter.setPen(pen);
    painter.drawRect(r);
}

void ShadeButton::DrawCaption(QPainter& painter, Face face) const
{
    QRect r = rect().adjusted(kFocusInset + 2, 0, -(kFocusInset + 2), 0);
    painter.setFont(font());
    const int flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    if (face == Disabled) {
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(r, flags, text());
        painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
        painter.drawText(r.translated(-1, -1), flags, text());
        return;
    }
    if (face == Pressed)
        r.translate(1, 1);
    painter.setPen(textColour_);
    painter.drawText(r, flags, text());
}

bool ShadeButton::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        if (!tooltipText_.isEmpty()) {
            // Made on first use: measuring its text in the tip font costs a font of its own.
            if (!tip_)
                tip_ = new TipWindow(this, kTooltipWidth, QToolTip::palette().color(QPalette::ToolTipBase),
                                     QToolTip::palette().color(QPalette::ToolTipText));
            const auto* help = static_cast<QHelpEvent*>(e);
            tip_->SetTipText(tooltipText_);
            tip_->ShowAt(help->globalPos() + QPoint(0, 20)); // below the pointer, clear of it
        }
        return true;
    }
    return QPushButton::event(e);
}

void ShadeButton::enterEvent(QEnterEvent* e)
{
    QPushButton::enterEvent(e);
    if (!QApplication::mouseButtons().testFlag(Qt::LeftButton)) {
        hovering_ = true;
        update();
    }
}

void ShadeButton::leaveEvent(QEvent* e)
{
    QPushButton::leaveEvent(e);
    hovering_ = false;
    if (tip_)
        tip_->hide();
    update();
}

void ShadeButton::mousePressEvent(QMouseEvent* e)
{
    hovering_ = false;
    if (tip_)
        tip_->hide();
    QPushButton::mousePressEvent(e);
    if (e->button() == Qt::LeftButton)
        tracking_ = true;
}

void ShadeButton::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        tracking_ = false;
    QPushButton::mouseReleaseEvent(e);
}

void ShadeButton::mouseMoveEvent(QMouseEvent* e)
{
    QPushButton::mouseMoveEvent(e);
    // Back over the button after a release: hovering again without leaving first.
    if (e->buttons() == Qt::NoButton && !hovering_ && rect().contains(e->position().toPoint())) {
        hovering_ = true;
        update();
    }
}

void ShadeButton::focusOutEvent(QFocusEvent* e)
{
    tracking_ = false;
    QPushButton::focusOutEvent(e);
}
