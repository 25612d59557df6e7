#include "presentation/ContextHelp.h"

#include "presentation/Palette.h"
#include "presentation/TipWindow.h"

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

bool ContextHelp::IsShown() const
{
    return tip_->isVisible();
}
