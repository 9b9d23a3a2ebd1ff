#include "print_statistics_form.h"

namespace telvo {

Tprint_Statistics_Form::Tprint_Statistics_Form() : Report_Form(QPageSize::A4, QPageLayout::Portrait) {
    Add_Rule(QR_Shape(1), 8, 0, 719, 2);
    Report_Font title_font;
    title_font.Pixels = 21;
    title_font.Bold = true;
    Add_Label(QR_Label(11), 266, 61, 111, Report_Align::Centre, title_font);

    Add_Rule(QR_Shape(3), 30, 96, 652, 3, 57);
    // This year's and last year's headings stand centred over their two columns,
    // so that a long last-year heading keeps clear of the percentage heading.
    Add_Label(QR_Label(3), 106, 104, 172, Report_Align::Centre, Heading_Font());
    Add_Label(QR_Label(6), 278, 104, 171, Report_Align::Centre, Heading_Font());
    Add_Label(QR_Label(9), 439, 104, 0, Report_Align::Left, Heading_Font());
    const int column_labels[6] = {1, 4, 5, 7, 8, 10};
    const double column_x[6] = {113, 193, 281, 361, 447, 527};
    for (int k = 0; k < 6; ++k)
        Add_Label(QR_Label(column_labels[k]), column_x[k], 128, 0, Report_Align::Left, Heading_Font());

    Report_Text_Box list;
    list.Name = QStringLiteral("QRRichText1");
    list.Box = QRectF(32, 174, 673, 756);
    list.Font = Report_Font::Points(8, false, QStringLiteral("Courier New"));
    Form_Page.Text_Boxes.push_back(list);

    Add_Rule(QR_Shape(2), 1, 924, 721, 2);
    Add_Label(QR_Label(2), 64, 940);
}

void Tprint_Statistics_Form::fillStatisticPrintForm(const Language_Texts &texts, const QString &location_line,
                                                    const QStringList &lines) {
    Set_Label(QR_Label(11), location_line);
    Set_Label(QR_Label(2), texts.Lang_Report_Footer);
    Form_Page.Text_Box(QStringLiteral("QRRichText1"))->Text = lines.join(QLatin1Char('\n'));

    Set_Label(QR_Label(3), texts.Lang_This_Year.toUpper());
    Set_Label(QR_Label(6), texts.Lang_Last_Year.toUpper());
    Set_Label(QR_Label(9), texts.Lang_Percentage_Versus.toUpper());
    for (const int label : {1, 5, 8})
        Set_Label(QR_Label(label), texts.Lang_Week_Total_Stat);
    for (const int label : {4, 7, 10})
        Set_Label(QR_Label(label), texts.Lang_Cumulative_Total);
}

} // namespace telvo
