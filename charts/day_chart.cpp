#include "day_chart.h"

#include "chart_rows.h"

#include "data/day_view.h"

#include <algorithm>

namespace telvo {

void Set_Day_Chart_Title(Model &model) {
    model.Day_Chart_Title = model.Enable_Day_Tab1 ? model.Graph_Titles.Day_Tab1 : model.Graph_Titles.Day_Tab2;
}

void Prepare_Day_Chart(Chart &chart, Model &model, const Row_Selections &rows) {
    Set_Day_Chart_Title(model);
    chart = Chart();
    chart.Title = QStringList{model.Day_Chart_Title};
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const Row_Selection &row = rows[r];
        Chart_Series series = Row_Line_Series(r, 1.5);
        // A date text that begins with a blank counts as no date.
        const QString date = row.Period_Text.startsWith(QLatin1Char(' ')) ? QString() : row.Period_Text;
        series.Title = Row_Series_Title(date, {row.Device_Text, row.Zone_Text});
        chart.Series.push_back(series);
    }
}

void Fill_Day_Chart(Chart &chart, Model &model, const Row_Selections &rows) {
    Prepare_Day_Chart(chart, model, rows);
    // The point at X = j / 2 shows slot j, the half hour ending then. There is no
    // slot 0 (From_Hour 0 gives a point 0 at midnight) and none after slot 48.
    const int first = 2 * model.From_Hour;
    const int last = std::min(2 * static_cast<int>(model.To_Hour), Half_Hour_Slots);
    for (int r = 1; r <= Rows_Per_View; ++r) {
        Chart_Series &series = chart.Series_At(r);
        if (!Day_Row_Has_Data(rows[r])) {
            series.Active = false;
            continue;
        }
        const Day_Result &result = model.Day_Results[r];
        std::int32_t inside = 0;
        for (int j = first; j <= last; ++j) {
            double y = 0;
            if (j >= 1) {
                inside += static_cast<std::int32_t>(result.In[j]) - static_cast<std::int32_t>(result.Out[j]);
                y = model.Enable_Day_Tab1 ? inside : result.In[j];
            }
            series.Add_Point(j / 2.0, y, Line_Row_Colour(r));
        }
    }
}

void Clear_Day_Chart(Chart &chart) {
    chart.Clear_Points();
}

} // namespace telvo
