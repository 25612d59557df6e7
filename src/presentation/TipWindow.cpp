#include "presentation/TipWindow.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

namespace {
constexpr int kPadding = 4;
}

// A tip may come up under the pointer (a tall one above its spot, a button's at the bottom of
// the screen). Were it to take the pointer, its owner would see the pointer leave and close it
// at once, so the window system is told to pass the pointer through to what lies below.
// Stays-on-top is what X gives every tip anyway; asked for from the start, it keeps the X
// platform from re-creating the window at its first showing, which would lose the pass-through.
TipWindow::TipWindow(QWidget* owner, int maxWidth, const QColor& back, const QColor& text)
    : QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                        Qt::WindowTransparentForInput)
    , maxWidth_(maxWidth)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents); // and within the program too
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setMargin(kPadding);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::WindowText, text);
    setPalette(pal);
    setMaximumWidth(maxWidth_);
}

void TipWindow::SetTipText(const QString& text)
{
    if (text == this->text() && !size().isEmpty())
        return;
    setText(text);
    const int frame = 2 * (kPadding + frameWidth());
    const int lineWidth = QFontMetrics(font()).horizontalAdvance(text) + frame + 1;
    const int width = std::min(lineWidth, maxWidth_);
    resize(width, heightForWidth(width));
}

void TipWindow::ShowAt(const QPoint& globalTopLeft)
{
    move(OnScreen(globalTopLeft));
    if (!isVisible())
        show();
    raise();
}

// The anchor sits up and to the left of the spot; near the screen's edges that would cut the tip
// off, so it is pushed back onto the screen.
QPoint TipWindow::OnScreen(const QPoint& topLeft) const
{
    const QScreen* screen = QGuiApplication::screenAt(topLeft);
    if (!screen)
        screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return topLeft;
    const QRect area = screen->geometry();
    const int x = std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - width()));
    const int y = std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - height()));
    return {x, y};
}
