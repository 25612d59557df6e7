#include "presentation/ReportLayout.h"

#include <algorithm>

ReportLayout::ReportLayout(const ReportDevice& device)
    : device_(device)
    , topMargin_(device.dpiY / 2 + kExtraTop)
    , leftMargin_(device.dpiX / 2)
    ,
    // A font reporting no height would stack every line on the same spot.
    lineHeight_(std::max(1, device.lineHeight))
    , y_(topMargin_)
{
}

int ReportLayout::ValueColumn() const
{
    // The quarter is an integer division before the factor; the sum is truncated.
    return leftMargin_ + static_cast<int>((device_.pageWidth / 4) * 1.3);
}

PageHeaderGeometry ReportLayout::Header() const
{
    PageHeaderGeometry h;
    h.title = {leftMargin_ + 10, topMargin_ - lineHeight_ * 3 / 2};
    const int ruleY = topMargin_ - lineHeight_ / 2;
    h.ruleFrom = {leftMargin_, ruleY};
    h.ruleTo = {device_.pageWidth - leftMargin_, ruleY};
    h.penWidth = device_.dpiX / 100;
    return h;
}

LinePlacement ReportLayout::Place(ReportColumn column)
{
    return column == ReportColumn::Label ? PlaceLabel() : PlaceValue();
}

bool ReportLayout::NeedsNewPage() const
{
    return !pageOpen_ || y_ > device_.pageHeight - topMargin_;
}

LinePlacement ReportLayout::PlaceLabel()
{
    LinePlacement p;
    if (NeedsNewPage()) {
        ++pageCount_;
        y_ = topMargin_;
        pageOpen_ = true;
        p.startsPage = true;
    }
    p.drawn = true;
    p.page = pageCount_;
    p.at = {leftMargin_, y_};
    y_ += lineHeight_;
    return p;
}

LinePlacement ReportLayout::PlaceValue() const
{
    // A value belongs on the line of the label printed just before it, so it never starts a page.
    // Before the first label there is no such line: it would land in the header.
    LinePlacement p;
    if (!pageOpen_)
        return p;
    p.drawn = true;
    p.page = pageCount_;
    p.at = {ValueColumn(), y_ - lineHeight_};
    return p;
}
