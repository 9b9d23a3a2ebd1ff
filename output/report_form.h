#pragma once

#include "report_page.h"

#include "data/model.h"

namespace telvo {

// A report form: its page, laid out once when the form is made, and refilled
// by the form's fill method before every print. The fill methods only fill
// the page; printing it is the caller's business.
class Report_Form {
public:
    virtual ~Report_Form() = default;

    const Report_Page &Page() const { return Form_Page; }

    // Copies the comment into the form's comment box; forms without one ignore it.
    void Set_Comment(const QString &text, Report_Text_Format format);

protected:
    Report_Form(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation);

    Report_Page Form_Page;

    // Layout helpers for the constructors of the forms.
    void Add_Label(const QString &name, double x, double y, double width = 0,
                   Report_Align align = Report_Align::Left, const Report_Font &font = Report_Font());
    void Add_Rule(const QString &name, double x, double y, double width, double pen, double height = 0);
    void Add_Frame(const QString &name, const QRectF &box, double pen = 1);
    void Add_Square(const QString &name, double x, double y, const QColor &colour);
    void Add_Chart(const QString &name, const QRectF &box);
    void Add_Comment_Box(const QString &name, const QRectF &box, const Report_Font &font = Report_Font());

    // The legend: a frame, a square in the row colour per row and a line of
    // text per row, cut to fit inside the frame. Rows are 16 pixels apart.
    struct Legend_Names {
        QString Frame;
        int First_Square = 0; // QRShape<n> .. QRShape<n + 4>
        int First_Label = 0;  // QRLabel<n> .. QRLabel<n + 4>
    };
    struct Legend_Places {
        QRectF Frame;
        double Square_X = 0;
        double Square_Y = 0; // of row 1
        double Text_X = 0;
        double Text_Y = 0; // of row 1
    };
    void Add_Legend(const Legend_Names &names, const Legend_Places &places);

    Report_Chart &Form_Chart();
    void Set_Label(const QString &name, const QString &text) { Form_Page.Set_Label_Text(name, text); }

private:
    QString Comment_Box_Name;
};

// "QRLabel<n>" and "QRShape<n>": the names of the report elements.
QString QR_Label(int n);
QString QR_Shape(int n);

// Fonts of the forms: Arial 8 point for labels, bold for headings, Arial 10
// point bold for the comments headings.
Report_Font Heading_Font();
Report_Font Comments_Heading_Font();

} // namespace telvo
