#include "quarter_chart.h"

#include "chart_rows.h"

namespace telvo {

namespace {

constexpr int Weeks = 13;

QStringList Week_Labels() {
    QStringList labels;
    for (int j = 1; j <= Weeks; ++j)
        labels.append(QStringLiteral("Wk %1").arg(j, 2, 10, QLatin1Char('0')));
    return labels;
}

} // namespace

void Prepare_Quarter_Chart(Chart &chart, const Model &model, const Row_Selections &rows) {
    chart = Chart();
    chart.Title = QStringList{model.Graph_Titles.Quarter};
    chart.Left_Axis.Line_Visible = false;
    chart.Bottom_Axis.Line_Visible = false;
    const QStringList labels = Week_Labels();
    for (int r = 1; r <= Rows_Per_View; ++r) {
        Chart_Series series = Row_Bar_Series(r);
        Add_Label_Points(series, labels);
        series.Title = Row_Series_Title(rows[r].Period_Text, {rows[r].Zone_Text});
        chart.Series.push_back(series);
    }
}

void Draw_Quarter_Chart(Chart &chart, const Model &model, const Row_Selections &rows) {
    Prepare_Quarter_Chart(chart, model, rows);
    for (int r = 1; r <= Rows_Per_View; ++r) {
        for (int j = 1; j <= Weeks; ++j) {
            const std::int32_t total = model.Quarter_Results[r].Week[j];
            chart.Series_At(r).Add_Point(j, total != 0 ? total : Quarter_Stub, Row_Colour(r));
        }
    }
}

void Clear_Quarter_Chart(Chart &chart) {
    chart.Clear_Points();
}

} // namespace telvo
