#include "output/report_forms.h"
#include "output/report_renderer.h"

#include "data/calendar.h"
#include "data/view_runs.h"
#include "settings/language_tables.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace telvo;

namespace {

Model English_Model() {
    Model model;
    model.Language = QStringLiteral("ENGLISH");
    Set_Language_Texts(model);
    model.Monday_Is_Day_One = true;
    model.From_Hour = 8;
    model.To_Hour = 22;
    return model;
}

Row_Selection Row(const QString &period, const QString &device, int zone, const QString &zone_text) {
    return Row_Selection{period, device, zone, zone_text};
}

// Day results where slot s of row r counts 100 * r + s in and s out.
void Fill_Day_Results(Model &model) {
    for (int r = 1; r <= Rows_Per_View; ++r) {
        Day_Result &result = model.Day_Results[r];
        result.Total = 0;
        for (int s = 1; s <= Half_Hour_Slots; ++s) {
            result.In[s] = static_cast<std::uint16_t>(100 * r + s);
            result.Out[s] = static_cast<std::uint16_t>(s);
            result.Total += result.In[s];
        }
    }
}

// Label of hour h, row r on the day report.
QString Day_Cell(int hour, int row) {
    return QStringLiteral("QRLabel%1").arg((hour <= 8 ? 16 + 5 * (hour - 1) : 62 + 5 * (hour - 9)) + row - 1);
}

QList<double> Ys(const Chart_Series &series) {
    QList<double> ys;
    for (const Chart_Point &point : series.Points) {
        if (!point.Label)
            ys.append(point.Y);
    }
    return ys;
}

QStringList Axis_Labels(const Chart_Series &series) {
    QStringList labels;
    for (const Chart_Point &point : series.Points) {
        if (point.Label)
            labels.append(*point.Label);
    }
    return labels;
}

const Chart &Page_Chart(const Report_Page &page) {
    return page.Charts.front().Content;
}

// A filled week row: a week picked in March 2024 (week 11), the Shop, its Total zone.
void Pick_Week(Model &model, int row, QDate date) {
    model.Week_Dates[row] = date;
    model.Week_Date_Texts[row] = Date_Text(date);
}

} // namespace

class Test_Reports : public QObject {
    Q_OBJECT

private slots:
    void day_hour_columns_follow_the_print_hours_data() {
        QTest::addColumn<int>("from_hour");
        QTest::addColumn<int>("to_hour");
        QTest::addColumn<int>("first_shown");
        QTest::addColumn<int>("last_shown");
        QTest::newRow("defaults 8 to 22") << 8 << 22 << 8 << 22;
        QTest::newRow("whole day") << 0 << 24 << 1 << 24;
        QTest::newRow("from after to") << 22 << 8 << 0 << -1;
    }

    void day_hour_columns_follow_the_print_hours() {
        QFETCH(int, from_hour);
        QFETCH(int, to_hour);
        QFETCH(int, first_shown);
        QFETCH(int, last_shown);
        Model model = English_Model();
        model.From_Hour = static_cast<std::uint16_t>(from_hour);
        model.To_Hour = static_cast<std::uint16_t>(to_hour);
        Fill_Day_Results(model);
        TPrint_Day_Form form;
        form.fillDayPrintForm(model, {});
        const Report_Page &page = form.Page();
        for (int hour = 1; hour <= 24; ++hour) {
            const bool shown = hour >= first_shown && hour <= last_shown;
            for (int r = 1; r <= Rows_Per_View; ++r) {
                // Two half hours of 100 * r + s visitors each.
                const QString expected = shown ? QString::number(200 * r + 4 * hour - 1) : QString();
                QCOMPARE(page.Label_Text(Day_Cell(hour, r)), expected);
            }
            // The hour headings stay above cleared columns.
            const int heading = hour <= 8 ? 5 + hour : 142 + hour - 9;
            QCOMPARE(page.Label_Text(QStringLiteral("QRLabel%1").arg(heading)),
                     QString("%1").arg(hour, 2, 10, QChar('0')));
        }
        for (int r = 1; r <= Rows_Per_View; ++r)
            QCOMPARE(page.Label_Text(QStringLiteral("QRLabel%1").arg(55 + r)),
                     QString::number(model.Day_Results[r].Total));
    }

    void day_chart_points_data() {
        QTest::addColumn<int>("from_hour");
        QTest::addColumn<int>("to_hour");
        QTest::addColumn<bool>("intensity");
        QTest::addColumn<QList<double>>("xs");
        QTest::addColumn<QList<double>>("ys");
        // Row 1 counts 100 + s in and s out in slot s.
        QTest::newRow("half-hourly 8 to 9")
            << 8 << 9 << false << QList<double>{8, 8.5, 9} << QList<double>{116, 117, 118};
        QTest::newRow("intensity 8 to 9")
            << 8 << 9 << true << QList<double>{8, 8.5, 9} << QList<double>{100, 200, 300};
        QTest::newRow("midnight has no slot")
            << 0 << 1 << false << QList<double>{0, 0.5, 1} << QList<double>{0, 101, 102};
        QTest::newRow("from after to") << 22 << 8 << false << QList<double>{} << QList<double>{};
    }

    void day_chart_points() {
        QFETCH(int, from_hour);
        QFETCH(int, to_hour);
        QFETCH(bool, intensity);
        QFETCH(QList<double>, xs);
        QFETCH(QList<double>, ys);
        Model model = English_Model();
        model.From_Hour = static_cast<std::uint16_t>(from_hour);
        model.To_Hour = static_cast<std::uint16_t>(to_hour);
        model.Enable_Day_Tab1 = intensity;
        Fill_Day_Results(model);
        Row_Selections rows;
        rows[1] = Row("12-03-2024", "Shop", 0, "Totals in");
        TPrint_Day_Form form;
        form.fillDayPrintForm(model, rows);
        const Chart_Series &series = Page_Chart(form.Page()).Series_At(1);
        QVERIFY(series.Active);
        QList<double> point_xs;
        for (const Chart_Point &point : series.Points)
            point_xs.append(point.X);
        QCOMPARE(point_xs, xs);
        QCOMPARE(Ys(series), ys);
        for (const Chart_Point &point : series.Points)
            QCOMPARE(point.Colour, QColor(0, 0, 255));
    }

    void day_default_hours_plot_slots_16_to_44() {
        Model model = English_Model();
        Fill_Day_Results(model);
        Row_Selections rows;
        rows[5] = Row("12-03-2024", "Shop", 0, "Totals in");
        TPrint_Day_Form form;
        form.fillDayPrintForm(model, rows);
        const Chart_Series &series = Page_Chart(form.Page()).Series_At(5);
        QCOMPARE(series.Points.size(), std::size_t(29));
        QCOMPARE(series.Points.front().Y, 516.0);
        QCOMPARE(series.Points.back().Y, 544.0);
        // The report draws row 5 in yellow, where the screen's day chart uses maroon.
        QCOMPARE(series.Points.front().Colour, QColor(255, 255, 0));
    }

    void day_intensity_counts_people_inside() {
        Model model = English_Model();
        model.Enable_Day_Tab1 = true;
        model.From_Hour = 8;
        model.To_Hour = 9;
        model.Day_Results[1].In[16] = 10;
        model.Day_Results[1].Out[16] = 4;
        model.Day_Results[1].In[17] = 5;
        model.Day_Results[1].Out[17] = 9;
        Row_Selections rows;
        rows[1] = Row("12-03-2024", "Shop", 0, "Totals in");
        TPrint_Day_Form form;
        form.fillDayPrintForm(model, rows);
        QCOMPARE(Ys(Page_Chart(form.Page()).Series_At(1)), (QList<double>{6, 2, 2}));
    }

    void day_rows_plotted_legends_and_texts() {
        Model model = English_Model();
        model.Day_Chart_Title = QStringLiteral("Visitors per half hour");
        Row_Selections rows;
        rows[1] = Row("12-03-2024", "Shop", 0, "Totals in");
        rows[3] = Row(QString(), "Shop", 1, "Entrance");       // no date: plotted all the same
        rows[4] = Row("12-03-2024", QString(), -1, QString()); // no device: not plotted
        rows[5] = Row(QString(), QString(), 2, "Zone 2");      // only a zone
        TPrint_Day_Form form;
        form.fillDayPrintForm(model, rows);
        const Report_Page &page = form.Page();
        const Chart &chart = Page_Chart(page);

        const QList<bool> active = {true, false, true, false, false};
        for (int r = 1; r <= Rows_Per_View; ++r)
            QCOMPARE(chart.Series_At(r).Active, active[r - 1]);
        QCOMPARE(chart.Series_At(3).Points.size(), std::size_t(29));
        QCOMPARE(chart.Series_At(1).Title, QString("1, Totals in"));
        QCOMPARE(chart.Series_At(2).Title, QString("2, "));
        QCOMPARE(chart.Title, QStringList{"Visitors per half hour"});
        QCOMPARE(chart.Bottom_Axis.Title, QString("Hours"));
        QCOMPARE(chart.Left_Axis.Title, QString("Visitors"));
        QVERIFY(!chart.Legend_Visible);

        QCOMPARE(page.Label_Text("QRLabel1"), QString("12-03-2024, Shop, Totals in"));
        QCOMPARE(page.Label_Text("QRLabel2"), QString());
        QCOMPARE(page.Label_Text("QRLabel3"), QString(", Shop, Entrance"));
        QCOMPARE(page.Label_Text("QRLabel4"), QString("12-03-2024, , "));
        QCOMPARE(page.Label_Text("QRLabel5"), QString(", , Zone 2"));
        QCOMPARE(page.Label_Text("QRLabel14"), QString("Day Total"));
        QCOMPARE(page.Label_Text("qrlabel15"), QString("Comments:"));
        QCOMPARE(page.Label_Text("QRLabel158"), model.Texts.Lang_Report_Footer);
        QCOMPARE(page.Paper, QPageSize::A4);
        QCOMPARE(page.Orientation, QPageLayout::Landscape);
    }

    void week_report_sunday_first() {
        Model model = English_Model();
        model.Sunday_Is_Day_One = true;
        model.Monday_Is_Day_One = false;
        model.Graph_Titles.Week = QStringLiteral("Visitors per day");
        for (int d = 1; d <= 7; ++d)
            model.Week_Results[1].Day[d].Total = 10 * d;
        model.Week_Results[1].Total = 280;
        Pick_Week(model, 1, QDate(2024, 3, 13));
        Row_Selections rows;
        rows[1] = Row("Week 11, 2024", "Shop", 0, "Totals in");
        TPrint_Week_Form form;
        form.fillweekPrintForm(model, rows);
        const Report_Page &page = form.Page();
        const Chart &chart = Page_Chart(page);

        QCOMPARE(page.Label_Text("QRLabel1"), QString("Sunday"));
        QCOMPARE(page.Label_Text("QRLabel7"), QString("Saturday"));
        QCOMPARE(Axis_Labels(chart.Series_At(1)).value(0), QString("Sunday"));
        QCOMPARE(Ys(chart.Series_At(1)), (QList<double>{10, 20, 30, 40, 50, 60, 70}));
        // Row 1, day d: QRLabel 8 + 1 + 5 * (d - 1).
        QCOMPARE(page.Label_Text("QRLabel9"), QString("10"));
        QCOMPARE(page.Label_Text("QRLabel39"), QString("70"));
        QCOMPARE(page.Label_Text("QRLabel44"), QString("280"));
        // 13-03-2024 lies in the Sunday week 10..16 March, week 11 of 2024.
        QCOMPARE(page.Label_Text("QRLabel50"), QString("11, 2024"));
        QCOMPARE(page.Label_Text("QRLabel55"), QString("Week: 11, 2024, Shop, Totals in"));
        QCOMPARE(page.Label_Text("QRLabel8"), QString("Week Total"));
        QCOMPARE(page.Label_Text("QRLabel49"), QString("Week"));
        QCOMPARE(chart.Title, QStringList{"Visitors per day"});
        QCOMPARE(chart.Left_Axis.Title, QString("Visitors"));
    }

    void week_report_empty_row() {
        Model model = English_Model();
        TPrint_Week_Form form;
        form.fillweekPrintForm(model, {});
        const Report_Page &page = form.Page();
        const Chart &chart = Page_Chart(page);
        for (int r = 1; r <= Rows_Per_View; ++r) {
            QVERIFY(chart.Series_At(r).Active);
            QCOMPARE(Ys(chart.Series_At(r)), QList<double>(7, 6));
            QCOMPARE(page.Label_Text(QStringLiteral("QRLabel%1").arg(49 + r)), QString());
            QCOMPARE(page.Label_Text(QStringLiteral("QRLabel%1").arg(54 + r)), QString());
            QCOMPARE(page.Label_Text(QStringLiteral("QRLabel%1").arg(8 + r)), QString("0"));
        }
        QCOMPARE(page.Label_Text("QRLabel60"), QString("Comments:"));
        QCOMPARE(page.Label_Text("QRLabel61"), model.Texts.Lang_Report_Footer);
    }

    void week_qf_bars_data() {
        QTest::addColumn<int>("qf");
        QTest::addColumn<double>("bar");
        QTest::newRow("balanced day shows the stub") << 100 << 6.0;
        QTest::newRow("top of the axis") << 115 << 150.0;
        QTest::newRow("beyond the axis") << 120 << 200.0;
        QTest::newRow("six or less shows the stub") << 6 << 6.0;
        QTest::newRow("no factor") << 0 << 6.0;
        QTest::newRow("seven") << 7 << -930.0;
        QTest::newRow("ninety") << 90 << -100.0;
    }

    void week_qf_bars() {
        QFETCH(int, qf);
        QFETCH(double, bar);
        Model model = English_Model();
        model.Week_Results[2].Day[3].QF = static_cast<std::uint8_t>(qf);
        TPrint_WeekQF_Form form;
        form.fillweekQFPrintForm(model, {});
        const Report_Page &page = form.Page();
        QCOMPARE(Ys(Page_Chart(page).Series_At(2)).value(2), bar);
        // Row 2, day 3: QRLabel 20 + 2 + 5 * 2.
        QCOMPARE(page.Label_Text("QRLabel32"), QString::number(qf));
    }

    void week_qf_texts_and_reference_lines() {
        Model model = English_Model();
        model.Sunday_Is_Day_One = true;
        model.Graph_Titles.Week_QF = QStringLiteral("Quality");
        Pick_Week(model, 1, QDate(2024, 3, 13));
        Row_Selections rows;
        rows[1] = Row("Week 11, 2024", "Shop", 0, "Totals in");
        TPrint_WeekQF_Form form;
        form.fillweekQFPrintForm(model, rows);
        const Report_Page &page = form.Page();
        const QStringList days = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};
        for (int d = 1; d <= 7; ++d)
            QCOMPARE(page.Label_Text(QStringLiteral("QRLabel%1").arg(7 + d)), days[d - 1]);
        QCOMPARE(page.Label_Text("QRLabel16"), QString("11, 2024"));
        QCOMPARE(page.Label_Text("QRLabel1"), QString("Week: 11, 2024, Shop, Totals in"));
        QCOMPARE(page.Label_Text("QRLabel2"), QString());
        QCOMPARE(page.Label_Text("QRLabel7"), QString("Week"));
        QCOMPARE(page.Label_Text("QRLabel6"), QString("Comments:"));
        QCOMPARE(page.Label_Text("QRLabel15"), model.Texts.Lang_Report_Footer);

        const Chart &chart = Page_Chart(page);
        QCOMPARE(chart.Title, QStringList{"Quality"});
        QCOMPARE(chart.Series_At(1).Title, QString("1, Totals in"));
        QCOMPARE(chart.Left_Axis.Minimum, -150.0);
        QCOMPARE(chart.Left_Axis.Maximum, 150.0);
        QVERIFY(!chart.Left_Axis.Automatic);
        const QList<double> levels = {-100, 100, 0};
        for (int k = 0; k < 3; ++k) {
            const Chart_Series &line = chart.Series_At(6 + k);
            QCOMPARE(line.Points.size(), std::size_t(9));
            QCOMPARE(line.Points.front().X, 0.0);
            QCOMPARE(line.Points.back().X, 8.0);
            QCOMPARE(Ys(line), QList<double>(9, levels[k]));
        }
    }

    void month_report() {
        Model model = English_Model();
        model.Graph_Titles.Month = QStringLiteral("Per day");
        Month_Result &february = model.Month_Results[1];
        february.Month = 2;
        february.Year = 2023;
        february.Days_In_Month = 28;
        for (int d = 1; d <= 31; ++d)
            february.Day[d] = d == 5 ? 0 : 100 + d;
        february.Total = 12345;
        model.Month_Results[2].Total = 7; // an empty row shows its stored total
        Row_Selections rows;
        rows[1] = Row("Month 2, 2023", "Shop", 1, "Entrance");
        TPrint_Month_Form form;
        form.fillMonthPrintForm(model, rows);
        const Report_Page &page = form.Page();
        const Chart &chart = Page_Chart(page);

        const Chart_Series &series = chart.Series_At(1);
        QCOMPARE(series.Points.size(), std::size_t(28));
        QCOMPARE(series.Points.back().X, 28.0);
        QCOMPARE(Ys(series).value(4), 6.0);
        QCOMPARE(Ys(series).value(0), 101.0);
        QVERIFY(chart.Series_At(2).Active);
        QVERIFY(chart.Series_At(2).Points.empty());
        QCOMPARE(chart.Title, QStringList{"Per day"});
        QCOMPARE(chart.Bottom_Axis.Title, QString());
        QCOMPARE(chart.Left_Axis.Title, QString("Visitors"));

        QCOMPARE(page.Label_Text("QRLabel1"), model.Texts.Lang_Month_Total);
        QCOMPARE(page.Label_Text("QRLabel2"), QString("12345"));
        QCOMPARE(page.Label_Text("QRLabel3"), QString("7"));
        QCOMPARE(page.Label_Text("QRLabel55"), QString("Month 2, 2023, Shop, Entrance"));
        QCOMPARE(page.Label_Text("QRLabel56"), QString(" "));
        QCOMPARE(page.Label_Text("QRLabel60"), QString("Comments:"));
        QCOMPARE(page.Label_Text("QRLabel61"), model.Texts.Lang_Report_Footer);
        QCOMPARE(page.Paper, QPageSize::Letter);
    }

    void quarter_report() {
        Model model = English_Model();
        model.Graph_Titles.Quarter = QStringLiteral("Per week");
        for (int w = 1; w <= 13; ++w)
            model.Quarter_Results[3].Week[w] = w == 13 ? 0 : 1000 + w;
        model.Quarter_Results[3].Total = 99999;
        Row_Selections rows;
        rows[3] = Row("Period 1, 2024", "Shop", 0, "Totals in");
        TPrint_Quart_Form form;
        form.fillQuartPrintForm(model, rows);
        const Report_Page &page = form.Page();
        const Chart &chart = Page_Chart(page);

        QCOMPARE(Ys(chart.Series_At(3)).value(0), 1001.0);
        QCOMPARE(Ys(chart.Series_At(3)).value(12), 12.0);
        QCOMPARE(Ys(chart.Series_At(1)), QList<double>(13, 12));
        QCOMPARE(Axis_Labels(chart.Series_At(1)).value(12), QString("Wk 13"));
        QCOMPARE(chart.Series_At(3).Title, QString("3, Totals in"));
        QCOMPARE(chart.Bottom_Axis.Title, QString("Weeks"));
        QCOMPARE(chart.Left_Axis.Title, QString("Visitors"));

        // Row 3, week w: QRLabel 25 + 3 + 5 * (w - 1).
        QCOMPARE(page.Label_Text("QRLabel28"), QString("1001"));
        QCOMPARE(page.Label_Text("QRLabel88"), QString("0"));
        QCOMPARE(page.Label_Text("QRLabel23"), QString("99999"));
        QCOMPARE(page.Label_Text("QRLabel21"), QString("0"));
        QCOMPARE(page.Label_Text("QRLabel16"), QString("Period 1, 2024, Shop, Totals in"));
        QCOMPARE(page.Label_Text("QRLabel14"), QString());
        QCOMPARE(page.Label_Text("QRLabel20"), QString("Total (Visitors)"));
        QCOMPARE(page.Label_Text("QRLabel1"), QString("WK01"));
        QCOMPARE(page.Label_Text("QRLabel13"), QString("WK13"));
        QCOMPARE(page.Label_Text("QRLabel19"), QString("Comments:"));
        QCOMPARE(page.Label_Text("QRLabel91"), model.Texts.Lang_Report_Footer);
    }

    void statistics_report() {
        Model model = English_Model();
        const QStringList lines = {QString::fromUtf8("Week 01    \u00a6 15    \u00a6  15"), "Week 02"};
        Tprint_Statistics_Form form;
        form.fillStatisticPrintForm(model.Texts, "Year: 2023 - 2024, Shop", lines);
        const Report_Page &page = form.Page();
        const Report_Text_Box *list = page.Text_Box("QRRichText1");
        QVERIFY(list);
        QCOMPARE(list->Text.split('\n'), lines);
        QCOMPARE(list->Format, Report_Text_Format::Plain);
        QCOMPARE(list->Font.Family, QString("Courier New"));
        QCOMPARE(page.Label_Text("QRLabel11"), QString("Year: 2023 - 2024, Shop"));
        QCOMPARE(page.Label_Text("QRLabel3"), QString("THIS YEAR"));
        QCOMPARE(page.Label_Text("QRLabel6"), QString("LAST YEAR"));
        QCOMPARE(page.Label_Text("QRLabel9"), QString("PERCENTAGE VERSUS LAST YEAR"));
        for (const char *name : {"QRLabel1", "QRLabel5", "QRLabel8"})
            QCOMPARE(page.Label_Text(name), QString("Week total"));
        for (const char *name : {"QRLabel4", "QRLabel7", "QRLabel10"})
            QCOMPARE(page.Label_Text(name), QString("Cumm. total"));
        QCOMPARE(page.Label_Text("QRLabel2"), model.Texts.Lang_Report_Footer);
        QVERIFY(page.Charts.empty());
    }

    // The renderer places the page inside the margins: a legend square shows its
    // row colour 12.7 mm plus its position from the sheet's corner, and a
    // comment longer than its box is cut at the box.
    void rendered_page_geometry() {
        Model model = English_Model();
        TPrint_Week_Form form;
        form.Set_Comment(QString("line\n").repeated(200), Report_Text_Format::Plain);
        form.fillweekPrintForm(model, {});
        const QImage image = Report_Image(form.Page(), 96);
        QCOMPARE(image.size(), QSize(793, 1123)); // A4 of 595 x 842 points
        const double margin = 12.7 / 25.4 * 96;
        const Report_Square *square = form.Page().Square("QRShape11");
        QVERIFY(square);
        const QPoint centre(qRound(margin + square->X + 4.5), qRound(margin + square->Y + 4.5));
        QCOMPARE(image.pixelColor(centre), QColor(255, 0, 0));

        const QRectF box = form.Page().Text_Box("CommentBox")->Box;
        auto dark_pixels = [&](double top, double bottom) {
            int dark = 0;
            for (int y = qRound(margin + top); y < qRound(margin + bottom); ++y)
                for (int x = qRound(margin + box.left()); x < qRound(margin + box.right()); ++x)
                    dark += qGray(image.pixel(x, y)) < 128;
            return dark;
        };
        QVERIFY(dark_pixels(box.top(), box.bottom()) > 0);
        QCOMPARE(dark_pixels(box.bottom() + 1, form.Page().Label("QRLabel61")->Y - 1), 0);
    }

    void pdf_is_one_page_with_the_texts_data() {
        QTest::addColumn<int>("view_kind");
        QTest::addColumn<QString>("page_size");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("day") << Day_View_Kind << "842 x 595 pts (A4)"
                             << QStringList{"12-03-2024, Shop, Totals in", "Day Total", "24", "A comment"};
        QTest::newRow("week") << Week_View_Kind << "595 x 842 pts (A4)"
                              << QStringList{"Week: 11, 2024, Shop, Totals in", "Wednesday", "Week Total",
                                             "A comment"};
        QTest::newRow("week QF") << Week_QF_View_Kind << "595 x 842 pts (A4)"
                                 << QStringList{"Week: 11, 2024, Shop, Totals in", "Saturday", "A comment"};
        QTest::newRow("month") << Month_View_Kind << "612 x 792 pts (letter)"
                               << QStringList{"Month 3, 2024, Shop, Totals in", "Month Total", "A comment"};
        QTest::newRow("quarter") << Quarter_View_Kind << "595 x 842 pts (A4)"
                                 << QStringList{"Period 1, 2024, Shop, Totals in", "WK13", "Total (Visitors)",
                                                "A comment"};
        QTest::newRow("statistics") << Statistics_View_Kind << "595 x 842 pts (A4)"
                                    << QStringList{"Year: 2023 - 2024, Shop", "THIS YEAR", "Week 53"};
    }

    void pdf_is_one_page_with_the_texts() {
        QFETCH(int, view_kind);
        QFETCH(QString, page_size);
        QFETCH(QStringList, texts);
        const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdfinfo.isEmpty() || pdftotext.isEmpty())
            QSKIP("pdfinfo and pdftotext (poppler-utils) are not installed");

        Model model = English_Model();
        Pick_Week(model, 1, QDate(2024, 3, 13));
        const QString period = view_kind == Day_View_Kind       ? "12-03-2024"
                               : view_kind == Month_View_Kind   ? "Month 3, 2024"
                               : view_kind == Quarter_View_Kind ? "Period 1, 2024"
                                                                : "Week 11, 2024";
        Row_Selections rows;
        rows[1] = Row(period, "Shop", 0, "Totals in");
        QStringList statistics_lines;
        for (int w = 1; w <= 53; ++w)
            statistics_lines.append(QString("Week %1").arg(w, 2, 10, QChar('0')));
        Report_Forms forms;
        forms.Form(view_kind).Set_Comment("<p>A <b>comment</b></p>", Report_Text_Format::Html);
        const Report_Page &page =
            forms.Fill(view_kind, model, rows, {"Year: 2023 - 2024, Shop", statistics_lines});

        QTemporaryDir dir;
        const QString path = dir.filePath("report.pdf");
        QString error;
        QVERIFY2(Save_Report_Pdf(page, path, &error), qPrintable(error));

        QProcess info;
        info.start(pdfinfo, {path});
        QVERIFY(info.waitForFinished());
        const QString details = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(details.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(details));
        QVERIFY2(details.contains("Page size:       " + page_size), qPrintable(details));

        QProcess text;
        text.start(pdftotext, {"-layout", path, "-"});
        QVERIFY(text.waitForFinished());
        const QString content = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(content.contains(model.Texts.Lang_Report_Footer), qPrintable(content));
        for (const QString &expected : texts)
            QVERIFY2(content.contains(expected), qPrintable(expected + " missing in:\n" + content));
    }
};

QTEST_MAIN(Test_Reports)
#include "test_reports.moc"
