#include "presentation/SweepChart.h"

#include "model/ResultMembers.h"
#include "presentation/Palette.h"

#include <QCoreApplication>

#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kMargin = 8;

QPolygonF Polygon(const std::vector<ChartXY>& points)
{
    QPolygonF polygon;
    for (const ChartXY& p : points)
        polygon << QPointF(p.x, p.y);
    return polygon;
}

QString Number(double value, int decimals)
{
    return QLocale().toString(value, 'f', decimals);
}

} // namespace

SweepChart::SweepChart(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus); // the table of points is the chart for the keyboard
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SweepChart::SetPoints(std::vector<ChartPoint> points, const QString& xLabel, const QString& energyUnit,
                           std::optional<double> current)
{
    points_ = std::move(points);
    xLabel_ = xLabel;
    energyUnit_ = energyUnit;
    current_ = current;
    if (hovered_ >= static_cast<int>(points_.size()))
        hovered_ = -1;
    update();
}

QString SweepChart::LayerName(int layer)
{
    double LoadResults::*const members[kLayerCount] = {&LoadResults::cabinetLoad, &LoadResults::doorLoad,
                                                       &LoadResults::additionalLoad, &LoadResults::coolDownLoad};
    return QCoreApplication::translate(ResultLabelContext(members[layer]), ResultLabel(members[layer]));
}

QString SweepChart::CapacityName()
{
    return QCoreApplication::translate(ResultLabelContext(&LoadResults::requestedCapacity),
                                       ResultLabel(&LoadResults::requestedCapacity));
}

QColor SweepChart::LayerColour(int layer)
{
    static const QColor colours[kLayerCount] = {{0, 130, 197}, {120, 190, 230}, {252, 217, 0}, {244, 127, 76}};
    return colours[layer];
}

QFont SweepChart::ChartFont() const
{
    // Sized in pixels, so a picture, a page and the screen lay the chart out alike.
    QFont f = font();
    f.setPixelSize(13);
    return f;
}

ChartGeometry SweepChart::GeometryIn(const QRect& area) const
{
    const QFontMetrics fm(ChartFont());
    const int line = fm.height();
    const int left = area.left() + kMargin + line + fm.horizontalAdvance(QStringLiteral("00000.0"));
    const int top = area.top() + kMargin + line * (LegendRows(fm, area.width()) + 1) + kMargin;
    const int bottom = area.bottom() - kMargin - 2 * line - 4;
    const int right = area.right() - kMargin - fm.horizontalAdvance(QStringLiteral("000"));
    const ChartBox box{double(left), double(top), double(std::max(1, right - left)), double(std::max(1, bottom - top))};
    return LayOutChart(points_, box, current_);
}

void SweepChart::Render(QPainter& p, const QRect& area) const
{
    p.save();
    p.fillRect(area, Palette::kWhite);
    p.setFont(ChartFont());
    const ChartGeometry g = GeometryIn(area);
    PaintCurves(p, g);
    PaintAxes(p, g);
    PaintLegend(p, area);
    p.restore();
}

void SweepChart::PaintAxes(QPainter& p, const ChartGeometry& g) const
{
    const QFontMetrics fm(p.font());
    const QRectF plot(g.plot.left, g.plot.top, g.plot.width, g.plot.height);
    p.setPen(QPen(QColor(225, 225, 225), 0));
    for (const AxisTick& t : g.yAxis.ticks)
        p.drawLine(QPointF(plot.left(), t.pixel), QPointF(plot.right(), t.pixel));
    p.setPen(QPen(Palette::kSheetText, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);
    for (const AxisTick& t : g.xAxis.ticks) {
        p.drawLine(QPointF(t.pixel, plot.bottom()), QPointF(t.pixel, plot.bottom() + 4));
        const QString text = Number(t.value, g.xAxis.decimals);
        p.drawText(QPointF(t.pixel - fm.horizontalAdvance(text) / 2.0, plot.bottom() + 4 + fm.ascent()), text);
    }
    for (const AxisTick& t : g.yAxis.ticks) {
        p.drawLine(QPointF(plot.left() - 4, t.pixel), QPointF(plot.left(), t.pixel));
        const QString text = Number(t.value, g.yAxis.decimals);
        p.drawText(QPointF(plot.left() - 6 - fm.horizontalAdvance(text), t.pixel + fm.ascent() / 2.0 - 1), text);
    }
    p.drawText(QRectF(plot.left(), plot.bottom() + 4 + fm.height(), plot.width(), fm.height()), Qt::AlignHCenter,
               xLabel_);
    p.save();
    p.translate(kMargin, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, 0, plot.height(), fm.height()), Qt::AlignHCenter, energyUnit_);
    p.restore();
}

void SweepChart::PaintCurves(QPainter& p, const ChartGeometry& g) const
{
    const QRectF plot(g.plot.left, g.plot.top, g.plot.width, g.plot.height);
    p.save();
    p.setClipRect(plot.adjusted(-1, -1, 1, 1));
    for (const auto& [from, to] : g.gaps)
        p.fillRect(QRectF(QPointF(from, plot.top()), QPointF(to, plot.bottom())),
                   QBrush(QColor(0, 0, 0, 40), Qt::BDiagPattern));
    p.setPen(Qt::NoPen);
    for (int layer = 0; layer < kLayerCount; ++layer) {
        p.setBrush(LayerColour(layer));
        for (const auto& band : g.bands[layer])
            p.drawPolygon(Polygon(band));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Palette::kDarkBlue, 2.5));
    for (const auto& piece : g.capacity) {
        if (piece.size() == 1)
            p.drawEllipse(QPointF(piece[0].x, piece[0].y), 2, 2);
        p.drawPolyline(Polygon(piece));
    }
    if (g.markX) {
        p.setPen(QPen(Palette::kRed, 1.5, Qt::DashLine));
        p.drawLine(QPointF(*g.markX, plot.top()), QPointF(*g.markX, plot.bottom()));
    }
    p.restore();
}

std::vector<std::pair<QColor, QString>> SweepChart::LegendEntries()
{
    std::vector<std::pair<QColor, QString>> entries{{Palette::kDarkBlue, CapacityName()}};
    for (int layer = 0; layer < kLayerCount; ++layer)
        entries.emplace_back(LayerColour(layer), LayerName(layer));
    return entries;
}

// Legend entries flow onto as many rows as the width needs.
int SweepChart::LegendRows(const QFontMetrics& fm, int width)
{
    int rows = 1;
    int x = kMargin;
    for (const auto& [colour, text] : LegendEntries()) {
        const int w = fm.ascent() + 4 + fm.horizontalAdvance(text) + 2 * fm.averageCharWidth();
        if (x > kMargin && x + w > width - kMargin) {
            ++rows;
            x = kMargin;
        }
        x += w;
    }
    return rows;
}

void SweepChart::PaintLegend(QPainter& p, const QRect& area) const
{
    const QFontMetrics fm(p.font());
    const int box = fm.ascent();
    int x = area.left() + kMargin;
    int y = area.top() + kMargin;
    bool first = true;
    for (const auto& [colour, text] : LegendEntries()) {
        const int w = box + 4 + fm.horizontalAdvance(text) + 2 * fm.averageCharWidth();
        if (x > area.left() + kMargin && x + w > area.right() - kMargin) {
            x = area.left() + kMargin;
            y += fm.height();
        }
        if (first) // the capacity is a line, the loads are areas
            p.fillRect(QRectF(x, y + box / 2.0 - 1.5, box, 3), colour);
        else
            p.fillRect(QRectF(x, y, box, box), colour);
        first = false;
        p.setPen(Palette::kSheetText);
        p.drawText(QPointF(x + box + 4, y + fm.ascent() - 1), text);
        x += w;
    }
}

QString SweepChart::HoverText(int index) const
{
    const ChartPoint& pt = points_[static_cast<size_t>(index)];
    const ChartGeometry g = GeometryIn(rect());
    QString text = xLabel_ + QStringLiteral(" = ") + Number(pt.x, std::max(2, g.xAxis.decimals)) + QStringLiteral(": ");
    if (!pt.completed)
        return text + tr("the calculation stops here");
    text += CapacityName() + QStringLiteral(" ") + Number(pt.requested, 0) + QStringLiteral(" ") + energyUnit_;
    const double values[kLayerCount] = {pt.cabinet, pt.door, pt.additional, pt.coolDown};
    for (int layer = 0; layer < kLayerCount; ++layer)
        text += QStringLiteral(", ") + LayerName(layer) + QStringLiteral(" ") + Number(values[layer], 1);
    return text;
}

void SweepChart::PaintHovered(QPainter& p, const ChartGeometry& g) const
{
    if (hovered_ < 0)
        return;
    const double x = g.plot.left + (points_[static_cast<size_t>(hovered_)].x - g.xAxis.low) /
                                       (g.xAxis.high - g.xAxis.low) * g.plot.width;
    p.setPen(QPen(Palette::kSheetText, 1, Qt::DotLine));
    p.drawLine(QPointF(x, g.plot.top), QPointF(x, g.plot.Bottom()));
    const QFontMetrics fm(p.font());
    const QRectF band(g.plot.left, g.plot.top - fm.height() - 2, g.plot.width, fm.height());
    p.fillRect(band, Palette::kWhite);
    p.setPen(Palette::kSheetText);
    p.drawText(band, Qt::AlignLeft | Qt::AlignVCenter,
               fm.elidedText(HoverText(hovered_), Qt::ElideRight, int(band.width())));
}

void SweepChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    Render(p, rect());
    p.setFont(ChartFont());
    PaintHovered(p, GeometryIn(rect()));
}

void SweepChart::mouseMoveEvent(QMouseEvent* event)
{
    const int index = PointUnder(points_, GeometryIn(rect()), event->position().x());
    if (index != hovered_) {
        hovered_ = index;
        update();
    }
}

void SweepChart::leaveEvent(QEvent*)
{
    hovered_ = -1;
    update();
}
