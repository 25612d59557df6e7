#include "mainwindow/WindowPlacement.h"

#include "storage/StoredInputs.h"

#include <QWidget>

OuterRect ExpandByFrame(int clientX, int clientY, int clientWidth, int clientHeight, const FrameMargins& frame)
{
    return {clientX - frame.left, clientY - frame.top, clientWidth + frame.left + frame.right,
            clientHeight + frame.top + frame.bottom};
}

FrameMargins WindowFrame(const QWidget& window)
{
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    const FrameMargins frame{inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                             outer.bottom() - inner.bottom()};
    if (frame.left <= 0 && frame.top <= 0 && frame.right <= 0 && frame.bottom <= 0)
        return kStandardFrame;
    return frame;
}

void SaveWindowPlacement(ProfileStore& store, const QWidget& window, WindowPlacementPart part)
{
    const FrameMargins frame = WindowFrame(window);
    const char* section = StoredInputs::kLocationSection;
    if (part == WindowPlacementPart::Size) {
        const OuterRect r = ExpandByFrame(0, 0, window.width(), window.height(), frame);
        store.WriteProfileInt(section, "XSiz", r.width);
        store.WriteProfileInt(section, "YSiz", r.height);
    } else {
        const QPoint client = window.geometry().topLeft();
        const OuterRect r = ExpandByFrame(client.x(), client.y(), 100, 100, frame);
        store.WriteProfileInt(section, "XPos", r.x);
        store.WriteProfileInt(section, "YPos", r.y);
    }
}
