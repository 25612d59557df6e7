#pragma once

#include "presentation/HotSpotList.h"

#include <QObject>
#include <QPoint>

class QWidget;
class TipWindow;

// The blue help tip that follows the pointer over the window's hot spots.
class ContextHelp : public QObject {
    Q_OBJECT
public:
    explicit ContextHelp(QWidget* host);

    // From the host's mouse-move handler, in client coordinates.
    void OnMouseMove(QPoint clientPos, const HotSpotList& hotSpots);
    // From the host's leave handler.
    void OnMouseLeave();
    void Hide();

    const TipWindow* Tip() const { return tip_; }

protected:
    // The pointer entering one of the host's controls has left the host's own surface.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch(QObject* child);

    QWidget* host_;
    TipWindow* tip_;
};
