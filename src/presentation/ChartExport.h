#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class SweepChart;

// The sweep chart out of the window: as a picture file, and on paper together with the tables.
namespace ChartExport {

inline constexpr QSize kPictureSize{1600, 900};

// PNG or SVG by `svg`; the message when the file could not be written.
std::optional<QString> SavePicture(const SweepChart& chart, const QString& path, bool svg, QSize size = kPictureSize);

// A page with the title and the chart, then the tables' rows (tab-separated, one a line) in
// columns, on as many pages as they need. False when the printer could not start.
bool Print(QPrinter& printer, const SweepChart& chart, const QString& title, const QStringList& tableRows);

} // namespace ChartExport
