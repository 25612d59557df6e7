#pragma once

#include "presentation/ReportLayout.h"

#include <QPainter>
#include <QString>

#include <optional>

class QPrinter;

// Prints a plain two-column text report on a printer, one job per instance: lines one under
// another, new pages as needed, the title and a rule at the top of every page. The placement
// rules are ReportLayout's; this class only draws them.
class ReportPrinter {
public:
    static constexpr int kMaxTitleLength = 255;

    // The printer is not owned; it must outlive the job.
    ReportPrinter(QPrinter* dc, const QString& title);
    // Ends a job that is still open.
    virtual ~ReportPrinter();

    ReportPrinter(const ReportPrinter&) = delete;
    ReportPrinter& operator=(const ReportPrinter&) = delete;

    // Starts the job (named after the application) and reads the device's metrics. False when
    // the printer could not start it, e.g. an output file that cannot be written; the other
    // calls then draw nothing.
    bool StartJob();
    // Column 0: a label or a line of its own; column 1: a value on the last label's line.
    void PrintLine(const QString& text, int column);
    void EndJob();

    int PageCount() const { return layout_ ? layout_->PageCount() : 0; }
    // Valid after a successful StartJob.
    const ReportLayout& Layout() const { return *layout_; }

protected:
    virtual void PrintPageHeader();
    virtual void SelectReportFont();

    void DrawTextAt(ReportPoint topLeft, const QString& text);

private:
    ReportDevice MeasureDevice();

    QPrinter* dc_;
    QString title_;
    QPainter painter_;
    std::optional<ReportLayout> layout_;
    int labelEnd_ = 0; // where the last label printed ends: its value starts after it
    bool docOpen_ = false;
};
