#include "report_form.h"

#include "charts/chart_rows.h"

namespace telvo {

namespace {

constexpr double Legend_Step = 16;
constexpr double Legend_Padding = 6;

} // namespace

QString QR_Label(int n) {
    return QStringLiteral("QRLabel%1").arg(n);
}

QString QR_Shape(int n) {
    return QStringLiteral("QRShape%1").arg(n);
}

Report_Font Heading_Font() {
    return Report_Font::Points(8, true);
}

Report_Font Comments_Heading_Font() {
    return Report_Font::Points(10, true);
}

Report_Form::Report_Form(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation) {
    Form_Page.Paper = paper;
    Form_Page.Orientation = orientation;
}

void Report_Form::Set_Comment(const QString &text, Report_Text_Format format) {
    Report_Text_Box *box = Form_Page.Text_Box(Comment_Box_Name);
    if (!box)
        return;
    box->Text = text;
    box->Format = format;
}

void Report_Form::Add_Label(const QString &name, double x, double y, double width, Report_Align align,
                            const Report_Font &font) {
    Report_Label label;
    label.Name = name;
    label.X = x;
    label.Y = y;
    label.Width = width;
    label.Align = align;
    label.Font = font;
    Form_Page.Labels.push_back(label);
}

void Report_Form::Add_Rule(const QString &name, double x, double y, double width, double pen, double height) {
    Form_Page.Rules.push_back(Report_Rule{name, x, y, width, height, pen});
}

void Report_Form::Add_Frame(const QString &name, const QRectF &box, double pen) {
    Form_Page.Frames.push_back(Report_Frame{name, box, pen});
}

void Report_Form::Add_Square(const QString &name, double x, double y, const QColor &colour) {
    Report_Square square;
    square.Name = name;
    square.X = x;
    square.Y = y;
    square.Colour = colour;
    Form_Page.Squares.push_back(square);
}

void Report_Form::Add_Chart(const QString &name, const QRectF &box) {
    Report_Chart chart;
    chart.Name = name;
    chart.Box = box;
    chart.Content.Legend_Visible = false;
    Form_Page.Charts.push_back(chart);
}

void Report_Form::Add_Comment_Box(const QString &name, const QRectF &box, const Report_Font &font) {
    Report_Text_Box text_box;
    text_box.Name = name;
    text_box.Box = box;
    text_box.Font = font;
    Form_Page.Text_Boxes.push_back(text_box);
    Comment_Box_Name = name;
}

void Report_Form::Add_Legend(const Legend_Names &names, const Legend_Places &places) {
    Add_Frame(names.Frame, places.Frame);
    const double text_width = places.Frame.right() - Legend_Padding - places.Text_X;
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const double step = Legend_Step * (r - 1);
        Add_Square(QR_Shape(names.First_Square + r - 1), places.Square_X, places.Square_Y + step,
                   Row_Colour(r));
        Add_Label(QR_Label(names.First_Label + r - 1), places.Text_X, places.Text_Y + step, text_width);
        Form_Page.Labels.back().Elide = true;
    }
}

Report_Chart &Report_Form::Form_Chart() {
    return Form_Page.Charts.front();
}

} // namespace telvo
