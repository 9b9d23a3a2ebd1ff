#include "chart_geometry.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace telvo {

namespace {

// Steps and ends are compared with a tolerance so that rounding in a division
// never drops the tick that lies on an axis end.
constexpr double Tolerance = 1e-9;
constexpr std::size_t Max_Ticks = 1000;

} // namespace

std::vector<double> Axis_Scale::Ticks() const {
    std::vector<double> ticks;
    if (!(Step > 0) || !(Maximum >= Minimum))
        return ticks;
    const double slack = Step * Tolerance;
    // The cap only guards against ranges so far from zero that adding a step changes nothing.
    for (double k = std::ceil(Minimum / Step - Tolerance);
         k * Step <= Maximum + slack && ticks.size() < Max_Ticks; ++k)
        ticks.push_back(k * Step == 0 ? 0 : k * Step);
    return ticks;
}

double Nice_Step(double span, int max_intervals) {
    const int intervals = std::max(1, max_intervals);
    const double raw = span / intervals;
    if (!(raw > 1))
        return 1;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * magnitude >= raw * (1 - Tolerance))
            return factor * magnitude;
    }
    return 10 * magnitude;
}

Axis_Scale Automatic_Scale(double low, double high, int max_intervals) {
    if (high < low)
        std::swap(low, high);
    const double step = Nice_Step(high - low, max_intervals);
    Axis_Scale scale{std::floor(low / step + Tolerance) * step, std::ceil(high / step - Tolerance) * step,
                     step};
    if (scale.Maximum <= scale.Minimum)
        scale.Maximum = scale.Minimum + step;
    return scale;
}

Axis_Scale Fixed_Scale(double minimum, double maximum, int max_intervals) {
    if (maximum < minimum)
        std::swap(minimum, maximum);
    if (maximum == minimum)
        maximum = minimum + 1;
    return Axis_Scale{minimum, maximum, Nice_Step(maximum - minimum, max_intervals)};
}

Data_Extent Chart_Extent(const Chart &chart) {
    Data_Extent extent;
    bool any_x = false;
    bool any_y = false;
    bool any_bar = false;
    std::set<double> bar_xs;
    double x_min = 0, x_max = 0, y_min = 0, y_max = 0;
    for (const Chart_Series &series : chart.Series) {
        if (series.Kind == Series_Kind::Bar)
            ++extent.Bar_Series;
        if (!series.Active)
            continue;
        for (const Chart_Point &point : series.Points) {
            x_min = any_x ? std::min(x_min, point.X) : point.X;
            x_max = any_x ? std::max(x_max, point.X) : point.X;
            any_x = true;
            if (series.Kind == Series_Kind::Bar) {
                bar_xs.insert(point.X);
                any_bar = true;
            }
            if (point.Label)
                continue;
            y_min = any_y ? std::min(y_min, point.Y) : point.Y;
            y_max = any_y ? std::max(y_max, point.Y) : point.Y;
            any_y = true;
        }
    }
    for (auto it = bar_xs.begin(); it != bar_xs.end() && std::next(it) != bar_xs.end(); ++it) {
        const double gap = *std::next(it) - *it;
        extent.Slot = it == bar_xs.begin() ? gap : std::min(extent.Slot, gap);
    }
    if (any_x) {
        extent.X_Min = x_min;
        extent.X_Max = x_max;
        if (any_bar) {
            extent.X_Min = std::min(x_min, *bar_xs.begin() - extent.Slot / 2);
            extent.X_Max = std::max(x_max, *bar_xs.rbegin() + extent.Slot / 2);
        }
        if (extent.X_Max == extent.X_Min) {
            extent.X_Min -= 1;
            extent.X_Max += 1;
        }
    }
    if (any_y) {
        extent.Y_Min = std::min(0.0, y_min);
        extent.Y_Max = std::max(0.0, y_max);
    }
    return extent;
}

double Chart_Geometry::Pixel_X(double x) const {
    return Plot.left() + (x - X.Minimum) / (X.Maximum - X.Minimum) * Plot.width();
}

double Chart_Geometry::Pixel_Y(double y) const {
    return Plot.bottom() - (y - Y.Minimum) / (Y.Maximum - Y.Minimum) * Plot.height();
}

double Chart_Geometry::Group_Width() const {
    return Slot / (X.Maximum - X.Minimum) * Plot.width() * Group_Share;
}

QRectF Chart_Geometry::Bar_Rect(double x, double y, double offset_percent, double width_percent) const {
    const double group = Group_Width();
    const double width = group / std::max(1, Bar_Series) * width_percent / 100;
    const double centre = Pixel_X(x) + group * offset_percent / 100;
    const double base = Pixel_Y(std::clamp(0.0, Y.Minimum, Y.Maximum));
    double top = Pixel_Y(y);
    // A value other than zero keeps at least one pixel, so small values stay visible.
    if (y != 0 && std::abs(top - base) < 1)
        top = y > 0 ? base - 1 : base + 1;
    const QRectF bar(QPointF(centre - width / 2, std::min(base, top)),
                     QPointF(centre + width / 2, std::max(base, top)));
    return bar.intersected(Plot);
}

} // namespace telvo
