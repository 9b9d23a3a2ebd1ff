#include "week_qf_chart.h"

#include "chart_rows.h"
#include "week_chart.h"

namespace telvo {

namespace {

const QColor Fuchsia(255, 0, 255);

Chart_Series Reference_Line(Qt::PenStyle style, const QColor &colour) {
    Chart_Series series;
    series.Kind = Series_Kind::Line;
    series.Listed_In_Legend = false;
    series.Pen_Style = style;
    series.Colour = colour;
    return series;
}

} // namespace

double Week_QF_Bar_Value(std::uint8_t qf) {
    const int deviation = (static_cast<int>(qf) - 100) * 10;
    return deviation >= -939 && deviation != 0 ? deviation : 6;
}

void Prepare_Week_QF_Chart(Chart &chart, const Model &model, const Row_Selections &rows) {
    chart = Chart();
    chart.Title = QStringList{model.Graph_Titles.Week_QF};
    chart.Left_Axis.Automatic = false;
    chart.Left_Axis.Minimum = -150;
    chart.Left_Axis.Maximum = 150;
    chart.Left_Axis.Labels_Visible = false;
    chart.Left_Axis.Line_Visible = false;
    chart.Bottom_Axis.Line_Visible = false;
    Prepare_Week_Bar_Series(chart, model, rows);
    chart.Series.push_back(Reference_Line(Qt::DotLine, Fuchsia));
    chart.Series.push_back(Reference_Line(Qt::DotLine, Fuchsia));
    chart.Series.push_back(Reference_Line(Qt::SolidLine, Qt::black));
}

void Draw_Week_QF_Chart(Chart &chart, const Model &model, const Row_Selections &rows) {
    Prepare_Week_QF_Chart(chart, model, rows);
    const int lines = Rows_Per_View + 1;
    for (int x = 0; x <= 8; ++x) {
        chart.Series_At(lines).Add_Point(x, -100, Fuchsia);
        chart.Series_At(lines + 1).Add_Point(x, 100, Fuchsia);
        chart.Series_At(lines + 2).Add_Point(x, 0, Qt::black);
    }
    for (int r = 1; r <= Rows_Per_View; ++r) {
        for (int k = 1; k <= 7; ++k)
            chart.Series_At(r).Add_Point(k, Week_QF_Bar_Value(model.Week_Results[r].Day[k].QF),
                                         Row_Colour(r));
    }
}

void Clear_Week_QF_Chart(Chart &chart) {
    for (int r = 1; r <= Rows_Per_View && r <= static_cast<int>(chart.Series.size()); ++r)
        chart.Series_At(r).Points.clear();
}

} // namespace telvo
