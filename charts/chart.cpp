#include "chart.h"

namespace telvo {

void Chart_Series::Add_Point(double x, double y, const QColor &colour) {
    Points.push_back(Chart_Point{x, y, std::nullopt, colour});
}

void Chart_Series::Add_Label_Point(double x, double y, const QString &label, const QColor &colour) {
    Points.push_back(Chart_Point{x, y, label, colour});
}

Chart_Series &Chart::Series_At(int number) {
    return Series.at(static_cast<std::size_t>(number - 1));
}

const Chart_Series &Chart::Series_At(int number) const {
    return Series.at(static_cast<std::size_t>(number - 1));
}

void Chart::Clear_Points() {
    for (Chart_Series &series : Series)
        series.Points.clear();
}

} // namespace telvo
