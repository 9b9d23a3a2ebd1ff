#include "print_weekqf_form.h"

#include "report_texts.h"

#include "charts/chart_rows.h"
#include "charts/week_qf_chart.h"
#include "data/text_functions.h"
#include "data/week_view.h"

#include <array>

namespace telvo {

namespace {

constexpr double Row_Step = 24;
constexpr double First_Row_Y = 522;
constexpr double Column_Width = 56;
constexpr double Week_Column_X = 72;
constexpr std::array<double, 7> Day_Column_X = {144, 208, 272, 344, 416, 488, 560};

} // namespace

TPrint_WeekQF_Form::TPrint_WeekQF_Form() : Report_Form(QPageSize::A4, QPageLayout::Portrait) {
    Add_Rule(QR_Shape(1), 0, 16, 697, 2);
    Add_Chart(QStringLiteral("WeekQF_Chart"), QRectF(24, 80, 649, 228));
    Add_Legend({QR_Shape(2), 3, 1}, {QRectF(48, 338, 609, 89), 56, 346, 88, 343});

    Add_Rule(QR_Shape(8), 48, 474, 609, 3, 33);
    Add_Label(QR_Label(7), Week_Column_X, 484, Column_Width, Report_Align::Centre, Heading_Font());
    for (int day = 1; day <= 7; ++day)
        Add_Label(QR_Label(7 + day), Day_Column_X[day - 1], 484, Column_Width, Report_Align::Centre,
                  Heading_Font());
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const double y = First_Row_Y + Row_Step * (r - 1);
        Add_Square(QR_Shape(9 + r), 56, y + 3, Row_Colour(r));
        Add_Label(QR_Label(15 + r), Week_Column_X, y, Column_Width, Report_Align::Centre);
        // The factors (at most three digits) stand right-aligned under the centre of their heading.
        for (int day = 1; day <= 7; ++day)
            Add_Label(QR_Label(20 + r + 5 * (day - 1)), Day_Column_X[day - 1] + 8, y, 30,
                      Report_Align::Right);
    }
    Add_Rule(QR_Shape(9), 48, 637, 609, 3);

    Add_Label(QR_Label(6), 48, 741, 0, Report_Align::Left, Comments_Heading_Font());
    Add_Comment_Box(QStringLiteral("CommentBox"), QRectF(48, 765, 609, 222));
    Add_Label(QR_Label(15), 48, 1002);
}

void TPrint_WeekQF_Form::fillweekQFPrintForm(Model &model, const Row_Selections &rows) {
    const Language_Texts &texts = model.Texts;
    Chart &chart = Form_Chart().Content;
    Draw_Week_QF_Chart(chart, model, rows);
    chart.Legend_Visible = false;
    for (int r = 1; r <= Rows_Per_View; ++r)
        chart.Series_At(r).Title = Report_Series_Title(r, rows[r].Zone_Text);

    Set_Label(QR_Label(6), texts.Lang_Comments);
    Set_Label(QR_Label(7), texts.Lang_Week);
    const Week_Headers headers = Set_Week_Headers(model);
    for (int day = 1; day <= 7; ++day)
        Set_Label(QR_Label(7 + day), headers.Day_Names[day]);

    for (int r = 1; r <= Rows_Per_View; ++r) {
        for (int day = 1; day <= 7; ++day)
            Set_Label(QR_Label(20 + r + 5 * (day - 1)), Int_To_Text(model.Week_Results[r].Day[day].QF));
        const QString week = Week_Column_Text(model, r);
        Set_Label(QR_Label(15 + r), week);
        Set_Label(QR_Label(r), Week_Legend_Text(model, week, rows[r]));
    }
    Set_Label(QR_Label(15), texts.Lang_Report_Footer);
}

} // namespace telvo
