#pragma once

#include "presentation/ChartGeometry.h"

#include <QColor>
#include <QFontMetrics>
#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

// The sweep chart: the loads stacked beneath the requested capacity over one input's range, the
// form's current value marked, the values under the pointer in a line at the top. Paints onto any
// device, so the same picture goes to the screen, PNG, SVG and paper.
class SweepChart : public QWidget {
    Q_OBJECT

public:
    explicit SweepChart(QWidget* parent = nullptr);

    // x label with its unit ("Insulation thickness (mm)"); the energy unit of the values.
    void SetPoints(std::vector<ChartPoint> points, const QString& xLabel, const QString& energyUnit,
                   std::optional<double> current);
    const std::vector<ChartPoint>& Points() const { return points_; }
    // The point under the pointer, or -1.
    int Hovered() const { return hovered_; }

    // The whole chart in a rectangle of a painter's device, without the pointer's line.
    void Render(QPainter& painter, const QRect& area) const;
    // The geometry of the chart painted into the rectangle.
    ChartGeometry GeometryIn(const QRect& area) const;

    static QString LayerName(int layer);
    static QString CapacityName();
    static QColor LayerColour(int layer);

    QSize sizeHint() const override { return {640, 360}; }
    QSize minimumSizeHint() const override { return {320, 200}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void PaintAxes(QPainter& p, const ChartGeometry& g) const;
    void PaintCurves(QPainter& p, const ChartGeometry& g) const;
    void PaintLegend(QPainter& p, const QRect& area) const;
    void PaintHovered(QPainter& p, const ChartGeometry& g) const;
    QString HoverText(int index) const;
    static std::vector<std::pair<QColor, QString>> LegendEntries();
    static int LegendRows(const QFontMetrics& fm, int width);
    QFont ChartFont() const;

    std::vector<ChartPoint> points_;
    QString xLabel_;
    QString energyUnit_;
    std::optional<double> current_;
    int hovered_ = -1;
};
