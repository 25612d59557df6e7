#pragma once

#include "storage/ProfileStore.h"

#include <cstdint>

class QWidget;

// The frame of a standard top-level window around its client area.
struct FrameMargins {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Without a window manager to ask, the frame of a captioned, sizable window: 8-pixel borders
// and a 23-pixel caption.
inline constexpr FrameMargins kStandardFrame{8, 31, 8, 8};

struct OuterRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// The outer rectangle that corresponds to a client rectangle.
OuterRect ExpandByFrame(int clientX, int clientY, int clientWidth, int clientHeight, const FrameMargins& frame);

// The frame the platform gives the window, or the standard frame where it gives none.
FrameMargins WindowFrame(const QWidget& window);

enum class WindowPlacementPart {
    Size,
    Position
};

// Writes Location1's XSiz/YSiz (the outer size for the client size) or XPos/YPos (the outer
// position for the client position).
void SaveWindowPlacement(ProfileStore& store, const QWidget& window, WindowPlacementPart part);
