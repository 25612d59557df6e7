#include "presentation/ContextHelp.h"

#include "presentation/Palette.h"
#include "presentation/TipWindow.h"

#include <QChildEvent>
#include <QWidget>

namespace {
constexpr int kTipMaxWidth = 520;
}

ContextHelp::ContextHelp(QWidget* host)
    : QObject(host)
    , host_(host)
    , tip_(new TipWindow(host, kTipMaxWidth, Palette::kBlue, Palette::kWhite))
{
    host_->setMouseTracking(true); // hovering, not dragging, brings the help
    // Qt tells a window nothing when the pointer goes from its surface onto one of its controls
    // (the window is still under the pointer), so the controls are watched for it; those made
    // later are announced to the host as they are added.
    host_->installEventFilter(this);
    for (QObject* child : host_->children())
        Watch(child);
}

void ContextHelp::Watch(QObject* child)
{
    if (child->isWidgetType() && !static_cast<QWidget*>(child)->isWindow())
        child->installEventFilter(this);
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == host_) {
        if (event->type() == QEvent::ChildAdded)
            Watch(static_cast<QChildEvent*>(event)->child());
    } else if (event->type() == QEvent::Enter) {
        Hide();
    }
    return false;
}

void ContextHelp::OnMouseMove(QPoint clientPos, const HotSpotList& hotSpots)
{
    const HotSpot* hit = hotSpots.HitTestHotSpots(clientPos.x(), clientPos.y());
    if (!hit) {
        Hide();
        return;
    }
    const SheetPoint anchor = TipAnchor(*hit);
    tip_->SetTipText(QString::fromStdString(hit->text));
    tip_->ShowAt(host_->mapToGlobal(QPoint(anchor.x, anchor.y)));
}

void ContextHelp::OnMouseLeave()
{
    Hide();
}

void ContextHelp::Hide()
{
    tip_->hide();
}
