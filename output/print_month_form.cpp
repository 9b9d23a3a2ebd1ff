#include "print_month_form.h"

#include "report_texts.h"

#include "charts/chart_rows.h"
#include "data/text_functions.h"

#include <algorithm>

namespace telvo {

namespace {

constexpr double Row_Step = 24;
constexpr double First_Row_Y = 477;
// Height of the point that stands for a day without visitors.
constexpr double Month_Stub = 6;

} // namespace

TPrint_Month_Form::TPrint_Month_Form() : Report_Form(QPageSize::Letter, QPageLayout::Portrait) {
    Add_Rule(QR_Shape(1), 0, 8, 719, 2);
    Add_Chart(QStringLiteral("Month_Chart"), QRectF(14, 40, 660, 214));
    Add_Legend({QR_Shape(2), 3, 55}, {QRectF(73, 304, 577, 89), 86, 312, 110, 309});

    Add_Rule(QR_Shape(8), 254, 432, 236, 3, 30);
    Add_Label(QR_Label(1), 254, 439, 236, Report_Align::Centre, Comments_Heading_Font());
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const double y = First_Row_Y + Row_Step * (r - 1);
        Add_Square(QR_Shape(9 + r), 272, y + 3, Row_Colour(r));
        Add_Label(QR_Label(1 + r), 344, y, 56, Report_Align::Right);
    }
    Add_Rule(QR_Shape(9), 256, 603, 234, 3);

    Add_Label(QR_Label(60), 64, 638, 0, Report_Align::Left, Comments_Heading_Font());
    Add_Comment_Box(QStringLiteral("CommentBox"), QRectF(64, 667, 606, 213), Report_Font::Points(10));
    Add_Rule(QR_Shape(15), 1, 940, 721, 2);
    Add_Label(QR_Label(61), 64, 956);
}

void TPrint_Month_Form::fillMonthPrintForm(const Model &model, const Row_Selections &rows) {
    const Language_Texts &texts = model.Texts;
    Chart &chart = Form_Chart().Content;
    chart.Title = QStringList{model.Graph_Titles.Month};
    chart.Bottom_Axis.Title.clear();
    chart.Left_Axis.Title = texts.Lang_Visitors;
    chart.Series.clear();
    for (int r = 1; r <= Rows_Per_View; ++r) {
        Chart_Series series = Row_Line_Series(r, 2);
        series.Colour = Row_Colour(r);
        series.Title = Report_Series_Title(r, rows[r].Zone_Text);
        const Month_Result &result = model.Month_Results[r];
        const int days = std::min<int>(result.Days_In_Month, 31);
        for (int day = 1; day <= days; ++day)
            series.Add_Point(day, result.Day[day] != 0 ? result.Day[day] : Month_Stub, Row_Colour(r));
        chart.Series.push_back(series);
    }

    Set_Label(QR_Label(1), texts.Lang_Month_Total);
    for (int r = 1; r <= Rows_Per_View; ++r) {
        Set_Label(QR_Label(1 + r), Int_To_Text(model.Month_Results[r].Total));
        const Row_Selection &row = rows[r];
        Set_Label(QR_Label(54 + r), row.Period_Text.isEmpty()
                                        ? QStringLiteral(" ")
                                        : row.Period_Text + QStringLiteral(", ") + row.Device_Text +
                                              QStringLiteral(", ") + row.Zone_Text);
    }
    Set_Label(QR_Label(60), texts.Lang_Comments);
    Set_Label(QR_Label(61), texts.Lang_Report_Footer);
}

} // namespace telvo
