#include "presentation/ChartGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

double NiceStep(double span, int maxTicks)
{
    const double raw = span / std::max(1, maxTicks - 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw * (1 - 1e-9))
            return m * power;
    return 10 * power;
}

double Pixel(const Axis& axis, double value, double from, double length)
{
    return from + (value - axis.low) / (axis.high - axis.low) * length;
}

// Lowest and highest value the chart must show: zero, the stacked loads and the capacity.
std::pair<double, double> ValueSpan(const std::vector<ChartPoint>& points)
{
    double low = 0;
    double high = 0;
    for (const ChartPoint& p : points) {
        if (!p.completed)
            continue;
        const double stack = p.cabinet + p.door + p.additional + p.coolDown;
        low = std::min({low, p.cabinet, stack, p.requested});
        high = std::max({high, stack, p.requested});
    }
    return {low, high};
}

double Layer(const ChartPoint& p, int layer)
{
    const double values[kLayerCount] = {p.cabinet, p.door, p.additional, p.coolDown};
    return values[layer];
}

// Adds one run of completed points [first, last] to the bands and the capacity line.
void AddRun(ChartGeometry& g, const std::vector<ChartPoint>& points, size_t first, size_t last)
{
    const auto px = [&](double x) { return Pixel(g.xAxis, x, g.plot.left, g.plot.width); };
    const auto py = [&](double y) { return Pixel(g.yAxis, y, g.plot.Bottom(), -g.plot.height); };
    std::vector<double> base(last - first + 1, 0.0);
    for (int layer = 0; layer < kLayerCount; ++layer) {
        std::vector<ChartXY> band;
        for (size_t i = first; i <= last; ++i)
            band.push_back({px(points[i].x), py(base[i - first] + Layer(points[i], layer))});
        for (size_t i = last + 1; i-- > first;) {
            band.push_back({px(points[i].x), py(base[i - first])});
            base[i - first] += Layer(points[i], layer);
        }
        g.bands[layer].push_back(std::move(band));
    }
    std::vector<ChartXY> line;
    for (size_t i = first; i <= last; ++i)
        line.push_back({px(points[i].x), py(points[i].requested)});
    g.capacity.push_back(std::move(line));
}

void AddRunsAndGaps(ChartGeometry& g, const std::vector<ChartPoint>& points)
{
    const auto px = [&](double x) { return Pixel(g.xAxis, x, g.plot.left, g.plot.width); };
    size_t i = 0;
    while (i < points.size()) {
        size_t j = i;
        while (j + 1 < points.size() && points[j + 1].completed == points[i].completed)
            ++j;
        if (points[i].completed) {
            AddRun(g, points, i, j);
        } else {
            // A gap reaches halfway to the completed neighbours, so it shows even for one point.
            const double from = i > 0 ? (points[i - 1].x + points[i].x) / 2 : points[i].x;
            const double to = j + 1 < points.size() ? (points[j].x + points[j + 1].x) / 2 : points[j].x;
            g.gaps.emplace_back(px(from), px(to));
        }
        i = j + 1;
    }
}

} // namespace

Axis NiceAxis(double low, double high, int maxTicks)
{
    Axis axis;
    if (!(high > low)) {
        const double pad = low == 0 ? 1 : std::fabs(low) * 0.1;
        low -= pad;
        high += pad;
    }
    axis.step = NiceStep(high - low, std::max(2, maxTicks));
    axis.low = std::floor(low / axis.step + 1e-9) * axis.step;
    axis.high = std::ceil(high / axis.step - 1e-9) * axis.step;
    axis.decimals = std::max(0, static_cast<int>(-std::floor(std::log10(axis.step) + 1e-9)));
    for (double v = axis.low; v <= axis.high + axis.step * 1e-6; v += axis.step)
        axis.ticks.push_back({std::fabs(v) < axis.step * 1e-9 ? 0.0 : v, 0});
    return axis;
}

ChartGeometry LayOutChart(const std::vector<ChartPoint>& points, const ChartBox& plot, std::optional<double> current)
{
    ChartGeometry g;
    g.plot = plot;
    const double xLow = points.empty() ? 0 : points.front().x;
    const double xHigh = points.empty() ? 1 : points.back().x;
    g.xAxis = NiceAxis(std::min(xLow, xHigh), std::max(xLow, xHigh), std::max(2, static_cast<int>(plot.width / 80)));
    const auto [yLow, yHigh] = ValueSpan(points);
    g.yAxis = NiceAxis(yLow, yHigh, std::max(2, static_cast<int>(plot.height / 40)));
    for (AxisTick& t : g.xAxis.ticks)
        t.pixel = Pixel(g.xAxis, t.value, plot.left, plot.width);
    for (AxisTick& t : g.yAxis.ticks)
        t.pixel = Pixel(g.yAxis, t.value, plot.Bottom(), -plot.height);
    AddRunsAndGaps(g, points);
    if (current && *current >= g.xAxis.low && *current <= g.xAxis.high)
        g.markX = Pixel(g.xAxis, *current, plot.left, plot.width);
    return g;
}

int PointUnder(const std::vector<ChartPoint>& points, const ChartGeometry& geometry, double pixelX)
{
    if (points.empty() || pixelX < geometry.plot.left || pixelX > geometry.plot.Right())
        return -1;
    const Axis& a = geometry.xAxis;
    const double x = a.low + (pixelX - geometry.plot.left) / geometry.plot.width * (a.high - a.low);
    int best = 0;
    for (int i = 1; i < static_cast<int>(points.size()); ++i)
        if (std::fabs(points[static_cast<size_t>(i)].x - x) < std::fabs(points[static_cast<size_t>(best)].x - x))
            best = i;
    return best;
}
