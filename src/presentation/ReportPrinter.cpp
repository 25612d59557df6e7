#include "presentation/ReportPrinter.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPen>
#include <QPrinter>

#include <algorithm>

ReportPrinter::ReportPrinter(QPrinter* dc, const QString& title)
    : dc_(dc)
    , title_(title.left(kMaxTitleLength))
{
}

ReportPrinter::~ReportPrinter()
{
    if (docOpen_)
        EndJob();
}

bool ReportPrinter::StartJob()
{
    if (docOpen_)
        return true;
    // A name the caller gave (the calculation's) is kept.
    if (dc_->docName().isEmpty())
        dc_->setDocName(QCoreApplication::applicationName());
    // Opening the painter starts the job and its first page.
    if (!painter_.begin(dc_))
        return false;
    docOpen_ = true;
    SelectReportFont();
    layout_.emplace(MeasureDevice());
    return true;
}

ReportDevice ReportPrinter::MeasureDevice()
{
    const QRect printable = dc_->pageLayout().paintRectPixels(dc_->resolution());
    return ReportDevice{dc_->logicalDpiX(), dc_->logicalDpiY(), printable.width(), printable.height(),
                        painter_.fontMetrics().lineSpacing()};
}

void ReportPrinter::SelectReportFont()
{
    // The default font, sized for the printer's resolution rather than the screen's.
    painter_.setFont(QFont(QGuiApplication::font(), dc_));
}

void ReportPrinter::PrintLine(const QString& text, int column)
{
    if (!docOpen_)
        return;
    const LinePlacement p = layout_->Place(column == 0 ? ReportColumn::Label : ReportColumn::Value);
    if (!p.drawn)
        return;
    if (p.startsPage) {
        // The painter opened the first page when the job started.
        if (p.page > 1)
            dc_->newPage();
        PrintPageHeader();
    }
    // A label longer than its column (as a translation may be) pushes its value on by a blank.
    ReportPoint at = p.at;
    const QFontMetrics fm = painter_.fontMetrics();
    if (column == 0)
        labelEnd_ = at.x + fm.horizontalAdvance(text);
    else
        at.x = std::max(at.x, labelEnd_ + fm.horizontalAdvance(QLatin1Char(' ')));
    DrawTextAt(at, text);
}

void ReportPrinter::PrintPageHeader()
{
    const PageHeaderGeometry h = layout_->Header();
    painter_.save();
    painter_.setPen(QPen(Qt::black, h.penWidth, Qt::SolidLine));
    DrawTextAt(h.title, title_);
    painter_.drawLine(h.ruleFrom.x, h.ruleFrom.y, h.ruleTo.x, h.ruleTo.y);
    painter_.restore();
}

void ReportPrinter::DrawTextAt(ReportPoint topLeft, const QString& text)
{
    // QPainter places text by its baseline; the layout gives the top of the character cell.
    painter_.drawText(topLeft.x, topLeft.y + painter_.fontMetrics().ascent(), text);
}

void ReportPrinter::EndJob()
{
    if (!docOpen_)
        return;
    layout_->ClosePage();
    painter_.end();
    docOpen_ = false;
}
