#include "print_quart_form.h"

#include "report_texts.h"

#include "charts/chart_rows.h"
#include "charts/quarter_chart.h"
#include "data/text_functions.h"

namespace telvo {

namespace {

constexpr int Weeks = 13;
constexpr double Row_Step = 24;
constexpr double First_Row_Y = 500;
constexpr double Total_Step = 16;
constexpr double First_Total_Y = 709;
constexpr double Cell_Width = 40;

double Week_Heading_X(int week) {
    return 56 + 48 * (week - 1);
}

} // namespace

TPrint_Quart_Form::TPrint_Quart_Form() : Report_Form(QPageSize::A4, QPageLayout::Portrait) {
    Add_Rule(QR_Shape(21), 0, 16, 697, 2);
    Add_Chart(QStringLiteral("Quart_Chart"), QRectF(0, 64, 697, 238));
    Add_Legend({QR_Shape(1), 4, 14}, {QRectF(8, 324, 649, 91), 16, 334, 48, 331});

    Add_Rule(QR_Shape(2), 8, 459, 681, 3, 33);
    for (int week = 1; week <= Weeks; ++week) {
        Add_Label(QR_Label(week), Week_Heading_X(week), 470, 0, Report_Align::Left, Heading_Font());
        Set_Label(QR_Label(week), QStringLiteral("WK%1").arg(week, 2, 10, QLatin1Char('0')));
    }
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const double y = First_Row_Y + Row_Step * (r - 1);
        Add_Square(QR_Shape(8 + r), 16, y + 3, Row_Colour(r));
        // The week totals end where their heading ends.
        for (int week = 1; week <= Weeks; ++week)
            Add_Label(QR_Label(25 + r + 5 * (week - 1)), Week_Heading_X(week) + 30 - Cell_Width, y,
                      Cell_Width, Report_Align::Right);
    }
    Add_Rule(QR_Shape(3), 8, 619, 681, 3);

    Add_Rule(QR_Shape(14), 256, 669, 169, 3, 33);
    Add_Label(QR_Label(20), 256, 677, 169, Report_Align::Centre, Comments_Heading_Font());
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const double y = First_Total_Y + Total_Step * (r - 1);
        Add_Square(QR_Shape(14 + r), 272, y + 3, Row_Colour(r));
        Add_Label(QR_Label(20 + r), 312, y, 68, Report_Align::Right);
    }
    Add_Rule(QR_Shape(20), 256, 789, 169, 3);

    Add_Label(QR_Label(19), 8, 857, 0, Report_Align::Left, Comments_Heading_Font());
    Add_Comment_Box(QStringLiteral("CommentBox"), QRectF(8, 875, 609, 118));
    Add_Label(QR_Label(91), 8, 1001);
}

void TPrint_Quart_Form::fillQuartPrintForm(const Model &model, const Row_Selections &rows) {
    const Language_Texts &texts = model.Texts;
    Chart &chart = Form_Chart().Content;
    Draw_Quarter_Chart(chart, model, rows);
    chart.Legend_Visible = false;
    chart.Bottom_Axis.Title = texts.Lang_Weeks;
    chart.Left_Axis.Title = texts.Lang_Visitors;
    for (int r = 1; r <= Rows_Per_View; ++r)
        chart.Series_At(r).Title = Report_Series_Title(r, rows[r].Zone_Text);

    for (int r = 1; r <= Rows_Per_View; ++r) {
        const Row_Selection &row = rows[r];
        const QString legend =
            row.Period_Text + QStringLiteral(", ") + row.Device_Text + QStringLiteral(", ") + row.Zone_Text;
        Set_Label(QR_Label(13 + r), legend.size() == 4 ? QString() : legend);
    }
    Set_Label(QR_Label(19), texts.Lang_Comments);
    Set_Label(QR_Label(20), texts.Lang_Total + QStringLiteral(" (") + texts.Lang_Visitors + QLatin1Char(')'));
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const Quarter_Result &result = model.Quarter_Results[r];
        Set_Label(QR_Label(20 + r), Int_To_Text(result.Total));
        for (int week = 1; week <= Weeks; ++week)
            Set_Label(QR_Label(25 + r + 5 * (week - 1)), Int_To_Text(result.Week[week]));
    }
    Set_Label(QR_Label(91), texts.Lang_Report_Footer);
}

} // namespace telvo
