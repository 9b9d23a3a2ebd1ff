#include "print_day_form.h"

#include "report_texts.h"

#include "charts/chart_rows.h"
#include "data/text_functions.h"

#include <algorithm>
#include <cmath>

namespace telvo {

namespace {

constexpr int Hours = 24;
constexpr double Row_Step = 24;
constexpr double First_Row_Y = 302;

// Hour h (1..24): its heading, and the first of its five row labels.
int Hour_Heading_Label(int hour) {
    return hour <= 8 ? 5 + hour : 142 + hour - 9;
}

int First_Hour_Cell_Label(int hour) {
    return hour <= 8 ? 16 + 5 * (hour - 1) : 62 + 5 * (hour - 9);
}

double Hour_Heading_X(int hour) {
    return 131 + std::round((hour - 1) * (879.0 - 131.0) / (Hours - 1));
}

double Hour_Cell_X(int hour) {
    return 124 + std::round((hour - 1) * (871.0 - 124.0) / (Hours - 1));
}

} // namespace

TPrint_Day_Form::TPrint_Day_Form() : Report_Form(QPageSize::A4, QPageLayout::Landscape) {
    Add_Rule(QR_Shape(1), 16, 16, 992, 2);
    Add_Chart(QStringLiteral("Day_Chart"), QRectF(16, 24, 634, 199));
    Add_Legend({QR_Shape(2), 3, 1}, {QRectF(664, 76, 340, 94), 672, 88, 696, 84});

    Add_Rule(QR_Shape(8), 64, 261, 946, 3, 33);
    for (int hour = 1; hour <= Hours; ++hour) {
        Add_Label(QR_Label(Hour_Heading_Label(hour)), Hour_Heading_X(hour), 270, 0, Report_Align::Left,
                  Heading_Font());
        Set_Label(QR_Label(Hour_Heading_Label(hour)),
                  QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')));
    }
    Add_Label(QR_Label(14), 944, 270, 0, Report_Align::Left, Heading_Font());
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const double y = First_Row_Y + Row_Step * (r - 1);
        Add_Square(QR_Shape(9 + r), 88, y + 3, Row_Colour(r));
        for (int hour = 1; hour <= Hours; ++hour)
            Add_Label(QR_Label(First_Hour_Cell_Label(hour) + r - 1), Hour_Cell_X(hour), y, 25,
                      Report_Align::Right);
        Add_Label(QR_Label(55 + r), 948, y, 37, Report_Align::Right);
    }
    // Under the fifth row rather than through it.
    Add_Rule(QR_Shape(9), 64, 418, 946, 3);

    Add_Label(QStringLiteral("qrlabel15"), 56, 457, 0, Report_Align::Left, Comments_Heading_Font());
    Add_Comment_Box(QStringLiteral("Commentbox"), QRectF(56, 477, 608, 220));
    Add_Label(QR_Label(158), 24, 704);
    Add_Rule(QR_Shape(15), 24, 719, 984, 2);
}

void TPrint_Day_Form::fillDayPrintForm(const Model &model, const Row_Selections &rows) {
    const Language_Texts &texts = model.Texts;
    Fill_Day_Chart(model, rows);

    Set_Label(QR_Label(14), texts.Lang_Day_Total);
    Set_Label(QStringLiteral("qrlabel15"), texts.Lang_Comments);
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const QString legend = rows[r].Period_Text + QStringLiteral(", ") + rows[r].Device_Text +
                               QStringLiteral(", ") + rows[r].Zone_Text;
        Set_Label(QR_Label(r), legend.size() == 4 ? QString() : legend);
    }
    for (int hour = 1; hour <= Hours; ++hour)
        Fill_Day_Hour_Column(model, hour);
    for (int r = 1; r <= Rows_Per_View; ++r)
        Set_Label(QR_Label(55 + r), Int_To_Text(model.Day_Results[r].Total));
    Set_Label(QR_Label(158), texts.Lang_Report_Footer);
}

void TPrint_Day_Form::Fill_Day_Hour_Column(const Model &model, int hour) {
    const bool shown = hour >= model.From_Hour && hour <= model.To_Hour;
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const Day_Result &result = model.Day_Results[r];
        Set_Label(QR_Label(First_Hour_Cell_Label(hour) + r - 1),
                  shown ? Int_To_Text(result.In[2 * hour - 1] + result.In[2 * hour]) : QString());
    }
}

void TPrint_Day_Form::Fill_Day_Chart(const Model &model, const Row_Selections &rows) {
    Chart &chart = Form_Chart().Content;
    chart.Title = QStringList{model.Day_Chart_Title};
    chart.Bottom_Axis.Title = model.Texts.Lang_Hours;
    chart.Left_Axis.Title = model.Texts.Lang_Visitors;
    chart.Left_Axis.Line_Visible = false;
    chart.Bottom_Axis.Line_Visible = false;
    chart.Series.clear();

    // The point at X = s / 2 shows slot s, the half hour ending then. There is
    // no slot 0 (From_Hour 0 puts a point 0 at midnight) and none after slot 48.
    const int first = 2 * model.From_Hour;
    const int last = std::min(2 * static_cast<int>(model.To_Hour), Half_Hour_Slots);
    for (int r = 1; r <= Rows_Per_View; ++r) {
        Chart_Series series = Row_Line_Series(r, 1.5);
        series.Colour = Row_Colour(r);
        series.Title = Report_Series_Title(r, rows[r].Zone_Text);
        // Unlike the screen chart, a row needs no date to be plotted.
        series.Active = !rows[r].Device_Text.isEmpty() && rows[r].Zone_Index >= 0;
        if (series.Active) {
            const Day_Result &result = model.Day_Results[r];
            std::int32_t inside = 0;
            for (int slot = first; slot <= last; ++slot) {
                double y = 0;
                if (slot >= 1) {
                    inside += static_cast<std::int32_t>(result.In[slot]) -
                              static_cast<std::int32_t>(result.Out[slot]);
                    y = model.Enable_Day_Tab1 ? inside : result.In[slot];
                }
                series.Add_Point(slot / 2.0, y, Row_Colour(r));
            }
        }
        chart.Series.push_back(series);
    }
}

} // namespace telvo
