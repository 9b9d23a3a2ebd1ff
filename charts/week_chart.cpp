#include "week_chart.h"

#include "chart_rows.h"

#include "data/week_view.h"

namespace telvo {

void Prepare_Week_Bar_Series(Chart &chart, const Model &model, const Row_Selections &rows) {
    const Week_Headers headers = Set_Week_Headers(model);
    const QStringList day_names(headers.Day_Names.begin(), headers.Day_Names.end());
    chart.Series.clear();
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const Row_Selection &row = rows[r];
        Chart_Series series = Row_Bar_Series(r);
        Add_Label_Points(series, day_names);
        series.Title = Row_Series_Title(row.Period_Text, {row.Device_Text, row.Zone_Text});
        chart.Series.push_back(series);
    }
}

void Prepare_Week_Chart(Chart &chart, const Model &model, const Row_Selections &rows) {
    chart = Chart();
    chart.Title = QStringList{model.Graph_Titles.Week};
    chart.Left_Axis.Line_Visible = false;
    Prepare_Week_Bar_Series(chart, model, rows);
}

void Draw_Week_Chart(Chart &chart, const Model &model, const Row_Selections &rows) {
    Prepare_Week_Chart(chart, model, rows);
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const bool has_data = !rows[r].Device_Text.isEmpty() && rows[r].Zone_Index >= 0;
        for (int k = 1; k <= 7; ++k) {
            const std::int32_t total = model.Week_Results[r].Day[k].Total;
            chart.Series_At(r).Add_Point(k, has_data && total != 0 ? total : Week_Stub, Row_Colour(r));
        }
    }
}

void Clear_Week_Chart(Chart &chart) {
    chart.Clear_Points();
}

} // namespace telvo
