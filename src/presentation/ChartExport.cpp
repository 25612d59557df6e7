#include "presentation/ChartExport.h"

#include "presentation/SweepChart.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("ChartExport", text);
}

// The rows of the tables, each cell in a column as wide as the page allows.
void PrintRows(QPrinter& printer, QPainter& p, const QStringList& rows, int top)
{
    const QRect page = p.viewport();
    const QFontMetrics fm(p.font());
    int y = top;
    for (const QString& row : rows) {
        if (y + fm.height() > page.bottom()) {
            printer.newPage();
            y = page.top();
        }
        const QStringList cells = row.split(QLatin1Char('\t'));
        const int columnWidth = page.width() / std::max<qsizetype>(1, cells.size());
        for (qsizetype c = 0; c < cells.size(); ++c)
            p.drawText(QRect(int(c) * columnWidth, y, columnWidth - fm.averageCharWidth(), fm.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, fm.elidedText(cells[c], Qt::ElideRight, columnWidth));
        y += fm.height();
    }
}

} // namespace

namespace ChartExport {

std::optional<QString> SavePicture(const SweepChart& chart, const QString& path, bool svg, QSize size)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(Tr(QT_TRANSLATE_NOOP("ChartExport", "Sweep chart")));
        QPainter painter(&generator);
        chart.Render(painter, QRect(QPoint(0, 0), size));
    } else {
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        chart.Render(painter, image.rect());
        painter.end();
        if (!image.save(&file, "PNG"))
            return Tr(QT_TRANSLATE_NOOP("ChartExport", "The picture could not be written."));
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

bool Print(QPrinter& printer, const SweepChart& chart, const QString& title, const QStringList& tableRows)
{
    QPainter p;
    if (!p.begin(&printer))
        return false;
    p.setFont(QFont(chart.font().family(), 9));
    const QRect page = p.viewport();
    const QFontMetrics fm(p.font());
    p.drawText(QRect(0, 0, page.width(), fm.height()), Qt::AlignLeft, title);
    // The chart is drawn at screen size and scaled onto the paper, so its texts keep their share.
    const QSize logical(1000, 560);
    const double scale = double(page.width()) / logical.width();
    p.save();
    p.translate(0, fm.height() * 2);
    p.scale(scale, scale);
    chart.Render(p, QRect(QPoint(0, 0), logical));
    p.restore();
    PrintRows(printer, p, tableRows, fm.height() * 3 + int(logical.height() * scale));
    return p.end();
}

} // namespace ChartExport
