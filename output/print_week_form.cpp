#include "print_week_form.h"

#include "report_texts.h"

#include "charts/chart_rows.h"
#include "charts/week_chart.h"
#include "data/text_functions.h"
#include "data/week_view.h"

namespace telvo {

namespace {

constexpr double Row_Step = 24;
constexpr double First_Row_Y = 506;
constexpr double Column_Width = 56;
constexpr double Cell_Width = 44;

// Left edge of the heading box of day column d (1..7); the total column follows.
double Day_Column_X(int day) {
    return 136 + 64 * (day - 1);
}

constexpr double Total_Column_X = 592;
constexpr double Week_Column_X = 72;

// Numbers stand right-aligned a little right of their heading's centre.
double Cell_X(double column_x) {
    return column_x + Column_Width / 2 + 14 - Cell_Width;
}

} // namespace

TPrint_Week_Form::TPrint_Week_Form() : Report_Form(QPageSize::A4, QPageLayout::Portrait) {
    Add_Rule(QR_Shape(8), 0, 16, 697, 2);
    Add_Chart(QStringLiteral("Week_Chart"), QRectF(8, 56, 657, 229));
    Add_Legend({QR_Shape(14), 9, 55}, {QRectF(40, 309, 609, 89), 56, 317, 88, 314});

    Add_Rule(QR_Shape(1), 48, 464, 609, 3, 33);
    Add_Label(QR_Label(49), Week_Column_X, 472, Column_Width, Report_Align::Centre, Heading_Font());
    for (int day = 1; day <= 7; ++day)
        Add_Label(QR_Label(day), Day_Column_X(day), 472, Column_Width, Report_Align::Centre, Heading_Font());
    Add_Label(QR_Label(8), Total_Column_X, 472, Column_Width, Report_Align::Centre, Heading_Font());
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const double y = First_Row_Y + Row_Step * (r - 1);
        Add_Square(QR_Shape(2 + r), 56, y + 3, Row_Colour(r));
        Add_Label(QR_Label(49 + r), Week_Column_X, y, Column_Width, Report_Align::Centre);
        for (int day = 1; day <= 7; ++day)
            Add_Label(QR_Label(8 + r + 5 * (day - 1)), Cell_X(Day_Column_X(day)), y, Cell_Width,
                      Report_Align::Right);
        Add_Label(QR_Label(43 + r), Cell_X(Total_Column_X), y, Cell_Width, Report_Align::Right);
    }
    Add_Rule(QR_Shape(2), 48, 626, 609, 3);

    Add_Label(QR_Label(60), 48, 701, 0, Report_Align::Left, Comments_Heading_Font());
    Add_Comment_Box(QStringLiteral("CommentBox"), QRectF(56, 727, 609, 222));
    Add_Label(QR_Label(61), 48, 1002);
}

void TPrint_Week_Form::fillweekPrintForm(Model &model, const Row_Selections &rows) {
    const Language_Texts &texts = model.Texts;
    Chart &chart = Form_Chart().Content;
    Prepare_Week_Chart(chart, model, rows);
    chart.Legend_Visible = false;
    chart.Left_Axis.Title = texts.Lang_Visitors;
    for (int r = 1; r <= Rows_Per_View; ++r) {
        Chart_Series &series = chart.Series_At(r);
        series.Title = Report_Series_Title(r, rows[r].Zone_Text);
        for (int day = 1; day <= 7; ++day) {
            const std::int32_t total = model.Week_Results[r].Day[day].Total;
            series.Add_Point(day, total != 0 ? total : Week_Stub, Row_Colour(r));
        }
    }

    const Week_Headers headers = Set_Week_Headers(model);
    for (int day = 1; day <= 7; ++day)
        Set_Label(QR_Label(day), headers.Day_Names[day]);
    Set_Label(QR_Label(8), texts.Lang_Week_Total);
    Set_Label(QR_Label(49), texts.Lang_Week);

    for (int r = 1; r <= Rows_Per_View; ++r) {
        const Week_Result &result = model.Week_Results[r];
        for (int day = 1; day <= 7; ++day)
            Set_Label(QR_Label(8 + r + 5 * (day - 1)), Int_To_Text(result.Day[day].Total));
        Set_Label(QR_Label(43 + r), Int_To_Text(result.Total));
        const QString week = Week_Column_Text(model, r);
        Set_Label(QR_Label(49 + r), week);
        Set_Label(QR_Label(54 + r), Week_Legend_Text(model, week, rows[r]));
    }
    Set_Label(QR_Label(60), texts.Lang_Comments);
    Set_Label(QR_Label(61), texts.Lang_Report_Footer);
}

} // namespace telvo
