#pragma once

#include <optional>
#include <vector>

// One point of a sweep: the swept value and, when the calculation completed, its loads in the
// energy unit shown.
struct ChartPoint {
    double x = 0;
    bool completed = false;
    double cabinet = 0;
    double door = 0;
    double additional = 0;
    double coolDown = 0;
    double requested = 0;
};

struct ChartXY {
    double x = 0;
    double y = 0;
};

struct ChartBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
};

struct AxisTick {
    double value = 0;
    double pixel = 0;
};

struct Axis {
    double low = 0;
    double high = 1;
    double step = 1;
    int decimals = 0; // enough to tell the ticks apart
    std::vector<AxisTick> ticks;
};

// The loads stacked beneath the requested capacity, bottom first.
enum ChartLayer {
    kCabinetLayer,
    kDoorLayer,
    kAdditionalLayer,
    kCoolDownLayer,
    kLayerCount
};

// Where everything of a sweep chart goes, in pixels of the widget. Each run of completed points
// is one band per layer (its upper edge left to right, then its lower edge back) and one piece of
// the capacity line; a stopped point breaks every run, and the stopped stretches are gaps.
struct ChartGeometry {
    ChartBox plot;
    Axis xAxis;
    Axis yAxis;
    std::vector<std::vector<ChartXY>> bands[kLayerCount];
    std::vector<std::vector<ChartXY>> capacity;
    std::vector<std::pair<double, double>> gaps; // pixel x from, to
    std::optional<double> markX;                 // the form's current value
};

// Ticks at 1, 2 or 5 times a power of ten, at most about maxTicks of them, covering [low, high].
Axis NiceAxis(double low, double high, int maxTicks);

ChartGeometry LayOutChart(const std::vector<ChartPoint>& points, const ChartBox& plot, std::optional<double> current);

// The point nearest to a pixel column inside the plot, or -1.
int PointUnder(const std::vector<ChartPoint>& points, const ChartGeometry& geometry, double pixelX);
