#include "month_chart.h"

#include "chart_rows.h"

#include "data/month_view.h"

#include <algorithm>

namespace telvo {

void Prepare_Month_Chart(Chart &chart, const Model &model, const Row_Selections &rows) {
    chart = Chart();
    chart.Title = QStringList{model.Graph_Titles.Month};
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const Row_Selection &row = rows[r];
        Chart_Series series = Row_Line_Series(r, 2);
        series.Title = Row_Series_Title(row.Period_Text, {row.Device_Text, row.Zone_Text});
        chart.Series.push_back(series);
    }
    chart.Series_At(1).Listed_In_Legend = !rows[2].Period_Text.isEmpty();
}

void Draw_Month_Chart(Chart &chart, const Model &model, const Row_Selections &rows) {
    Prepare_Month_Chart(chart, model, rows);
    for (int r = 1; r <= Rows_Per_View; ++r) {
        Chart_Series &series = chart.Series_At(r);
        if (!Month_Row_Is_Drawn(rows[r])) {
            series.Active = false;
            continue;
        }
        const Month_Result &result = model.Month_Results[r];
        const int days = std::min<int>(result.Days_In_Month, 31);
        for (int d = 1; d <= days; ++d)
            series.Add_Point(d, result.Day[d], Line_Row_Colour(r));
    }
}

void Clear_Month_Chart(Chart &chart) {
    chart.Clear_Points();
}

} // namespace telvo
