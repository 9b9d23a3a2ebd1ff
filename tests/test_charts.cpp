#include "charts/chart_geometry.h"
#include "charts/chart_image.h"
#include "charts/chart_legend.h"
#include "charts/chart_painter.h"
#include "charts/chart_rows.h"
#include "charts/chart_style.h"
#include "charts/chart_widget.h"
#include "charts/day_chart.h"
#include "charts/month_chart.h"
#include "charts/quarter_chart.h"
#include "charts/week_chart.h"
#include "charts/week_qf_chart.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace telvo;

namespace {

Row_Selection Row(const QString &period, const QString &device, int zone, const QString &zone_text) {
    return Row_Selection{period, device, zone, zone_text};
}

Model English_Model() {
    Model model;
    Language_Texts &t = model.Texts;
    t.Lang_Monday = QStringLiteral("Monday");
    t.Lang_Tuesday = QStringLiteral("Tuesday");
    t.Lang_Wednesday = QStringLiteral("Wednesday");
    t.Lang_Thursday = QStringLiteral("Thursday");
    t.Lang_Friday = QStringLiteral("Friday");
    t.Lang_Saturday = QStringLiteral("Saturday");
    t.Lang_Sunday = QStringLiteral("Sunday");
    model.From_Hour = 8;
    model.To_Hour = 22;
    model.Monday_Is_Day_One = true;
    return model;
}

std::vector<double> Ys(const Chart_Series &series) {
    std::vector<double> ys;
    for (const Chart_Point &point : series.Points) {
        if (!point.Label)
            ys.push_back(point.Y);
    }
    return ys;
}

QStringList Labels(const Chart_Series &series) {
    QStringList labels;
    for (const Chart_Point &point : series.Points) {
        if (point.Label)
            labels.append(*point.Label);
    }
    return labels;
}

// Five week rows: 1 and 3 complete, 2 without a zone, 4 without a week, 5 empty.
Row_Selections Week_Rows() {
    Row_Selections rows;
    rows[1] =
        Row(QStringLiteral("Week 10, 2024"), QStringLiteral("Shop"), 0, QStringLiteral("Totals in Shop"));
    rows[2] = Row(QStringLiteral("Week 11, 2024"), QStringLiteral("Shop"), -1, QString());
    rows[3] = Row(QStringLiteral("Week 10, 2023"), QStringLiteral("Mall"), 2, QStringLiteral("Entrance"));
    rows[4] = Row(QString(), QStringLiteral("Mall"), 1, QStringLiteral("Exit"));
    return rows;
}

// Realistic charts of every view, for the renderer tests and the sample pictures.
struct Sample_Charts {
    Chart Day, Week, Week_QF, Month, Quarter;
};

Row_Selections Sample_Rows(const std::function<QString(int)> &period) {
    const QStringList devices = {QStringLiteral("Shop Amsterdam Centre"), QStringLiteral("Shop Utrecht"),
                                 QStringLiteral("Mall Rotterdam"), QStringLiteral("Outlet Eindhoven"),
                                 QStringLiteral("Shop Haarlem")};
    const QStringList zones = {QStringLiteral("Totals in"), QStringLiteral("Entrance North"),
                               QStringLiteral("Totals in"), QStringLiteral("Car park"),
                               QStringLiteral("Totals in")};
    Row_Selections rows;
    for (int r = 1; r <= Rows_Per_View; ++r)
        rows[r] = Row(period(r), devices[r - 1], r == 2 || r == 4 ? r - 1 : 0, zones[r - 1]);
    return rows;
}

Sample_Charts Make_Samples() {
    Model model = English_Model();
    model.Graph_Titles = {QStringLiteral("Visitors inside"),
                          QStringLiteral("Visitors per half hour"),
                          QStringLiteral("Visitors per day"),
                          QStringLiteral("Quality factor per day"),
                          QStringLiteral("Visitors per day of the month"),
                          QStringLiteral("Visitors per week of the quarter")};
    model.Enable_Day_Tab1 = true;
    Sample_Charts charts;

    const Row_Selections day_rows =
        Sample_Rows([](int r) { return QStringLiteral("%1-03-2024").arg(9 + r); });
    for (int r = 1; r <= Rows_Per_View; ++r) {
        Day_Result &day = model.Day_Results[r];
        for (int s = 16; s <= 44; ++s) {
            const int peak = s < 28 ? s - 15 : 41 - s;
            day.In[s] = static_cast<std::uint16_t>(std::max(0, 4 * r + 6 * peak + (s * r) % 9));
            day.Out[s] = s >= 19 ? day.In[s - 3] : 0;
        }
    }
    Fill_Day_Chart(charts.Day, model, day_rows);

    const Row_Selections week_rows =
        Sample_Rows([](int r) { return QStringLiteral("Week %1, 2024").arg(9 + r); });
    const int qf[5][7] = {{98, 101, 100, 94, 112, 120, 97},
                          {0, 104, 96, 91, 99, 108, 103},
                          {102, 100, 105, 88, 93, 115, 110},
                          {95, 97, 99, 6, 101, 84, 100},
                          {100, 100, 103, 107, 89, 92, 106}};
    for (int r = 1; r <= Rows_Per_View; ++r) {
        for (int k = 1; k <= 7; ++k) {
            model.Week_Results[r].Day[k].Total = k == 3 && r == 2 ? 0 : 700 + 230 * r + 150 * k * (k % 3);
            model.Week_Results[r].Day[k].QF = static_cast<std::uint8_t>(qf[r - 1][k - 1]);
        }
    }
    Draw_Week_Chart(charts.Week, model, week_rows);
    Draw_Week_QF_Chart(charts.Week_QF, model, week_rows);

    Row_Selections month_rows =
        Sample_Rows([](int r) { return r == 5 ? QString() : QStringLiteral("Month %1, 2024").arg(r); });
    for (int r = 1; r <= Rows_Per_View; ++r) {
        Month_Result &month = model.Month_Results[r];
        month.Days_In_Month = static_cast<std::uint8_t>(r == 2 ? 29 : r == 4 ? 30 : 31);
        for (int d = 1; d <= month.Days_In_Month; ++d)
            month.Day[d] = d % 7 == 0 ? 0 : 300 + 90 * r + 160 * ((d + r) % 7) + 13 * d;
    }
    Draw_Month_Chart(charts.Month, model, month_rows);

    const Row_Selections quarter_rows =
        Sample_Rows([](int r) { return QStringLiteral("Period %1, 2024").arg(r == 5 ? 1 : r); });
    for (int r = 1; r <= Rows_Per_View; ++r) {
        for (int w = 1; w <= 13; ++w)
            model.Quarter_Results[r].Week[w] = r == 4 && w == 13 ? 0 : 4200 + 600 * r + 350 * ((w * r) % 5);
    }
    Draw_Quarter_Chart(charts.Quarter, model, quarter_rows);
    return charts;
}

const Chart &Sample(const Sample_Charts &charts, const QString &name) {
    if (name == QLatin1String("day"))
        return charts.Day;
    if (name == QLatin1String("week"))
        return charts.Week;
    if (name == QLatin1String("weekqf"))
        return charts.Week_QF;
    if (name == QLatin1String("month"))
        return charts.Month;
    return charts.Quarter;
}

const QStringList Sample_Names = {QStringLiteral("day"), QStringLiteral("week"), QStringLiteral("weekqf"),
                                  QStringLiteral("month"), QStringLiteral("quarter")};

} // namespace

class Test_Charts : public QObject {
    Q_OBJECT

private slots:
    void nice_step_data();
    void nice_step();
    void automatic_scale_data();
    void automatic_scale();
    void fixed_scale_ticks();
    void pixel_mapping();
    void bar_slots_data();
    void bar_slots();
    void bar_heights_data();
    void bar_heights();
    void chart_extent();
    void legend_lists_active_marked_series();

    void day_points_data();
    void day_points();
    void day_values_data();
    void day_values();
    void day_titles_and_hidden_rows();
    void week_chart();
    void week_labels_follow_week_start();
    void week_qf_bar_value_data();
    void week_qf_bar_value();
    void week_qf_chart();
    void month_legend_rule_data();
    void month_legend_rule();
    void month_chart();
    void quarter_chart();

    void renderer_stays_inside_target_data();
    void renderer_stays_inside_target();
    void bitmap_saved();
    void bitmap_failure_reported();
    void widget_paints_and_reports_double_click();
    void sample_pictures();
};

void Test_Charts::nice_step_data() {
    QTest::addColumn<double>("span");
    QTest::addColumn<int>("intervals");
    QTest::addColumn<double>("step");
    QTest::newRow("small counts never step below 1") << 3.0 << 10 << 1.0;
    QTest::newRow("exact fit") << 10.0 << 10 << 1.0;
    QTest::newRow("just over one") << 11.0 << 10 << 2.0;
    QTest::newRow("two") << 18.0 << 10 << 2.0;
    QTest::newRow("five") << 41.0 << 10 << 5.0;
    QTest::newRow("ten") << 51.0 << 10 << 10.0;
    QTest::newRow("thousands") << 2345.0 << 5 << 500.0;
    QTest::newRow("zero intervals count as one") << 300.0 << 0 << 500.0;
}

void Test_Charts::nice_step() {
    QFETCH(double, span);
    QFETCH(int, intervals);
    QFETCH(double, step);
    QCOMPARE(Nice_Step(span, intervals), step);
}

void Test_Charts::automatic_scale_data() {
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("intervals");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("step");
    QTest::newRow("counts from zero") << 0.0 << 873.0 << 6 << 0.0 << 1000.0 << 200.0;
    QTest::newRow("negative intensity") << -37.0 << 112.0 << 8 << -40.0 << 120.0 << 20.0;
    QTest::newRow("already on steps") << 0.0 << 200.0 << 4 << 0.0 << 200.0 << 50.0;
    QTest::newRow("all zero") << 0.0 << 0.0 << 5 << 0.0 << 1.0 << 1.0;
    QTest::newRow("swapped ends") << 50.0 << -50.0 << 4 << -50.0 << 50.0 << 50.0;
}

void Test_Charts::automatic_scale() {
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, intervals);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, step);
    QCOMPARE(Automatic_Scale(low, high, intervals), (Axis_Scale{minimum, maximum, step}));
}

void Test_Charts::fixed_scale_ticks() {
    const Axis_Scale qf = Fixed_Scale(-150, 150, 6);
    QCOMPARE(qf.Minimum, -150.0);
    QCOMPARE(qf.Maximum, 150.0);
    QCOMPARE(qf.Ticks(), (std::vector<double>{-150, -100, -50, 0, 50, 100, 150}));
    // Ticks fall on whole steps inside the range, not on its ends.
    QCOMPARE(Fixed_Scale(1, 31, 6).Ticks(), (std::vector<double>{5, 10, 15, 20, 25, 30}));
    QCOMPARE(Fixed_Scale(8, 8, 4).Ticks(), (std::vector<double>{8, 9}));
}

void Test_Charts::pixel_mapping() {
    Chart_Geometry geometry;
    geometry.Plot = QRectF(10, 20, 200, 100);
    geometry.X = Axis_Scale{0, 10, 1};
    geometry.Y = Axis_Scale{-50, 50, 10};
    QCOMPARE(geometry.Pixel_X(0), 10.0);
    QCOMPARE(geometry.Pixel_X(10), 210.0);
    QCOMPARE(geometry.Pixel_X(2.5), 60.0);
    QCOMPARE(geometry.Pixel_Y(-50), 120.0);
    QCOMPARE(geometry.Pixel_Y(50), 20.0);
    QCOMPARE(geometry.Pixel_Y(0), 70.0);
    QCOMPARE(geometry.Pixel_Y(100), -30.0);
}

void Test_Charts::bar_slots_data() {
    // 100 pixels per X unit: a group of 80 pixels, five bars of 16 pixels around x = 5 (pixel 500).
    QTest::addColumn<double>("offset");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");
    QTest::newRow("row 1") << -40.0 << 100.0 << 460.0 << 476.0;
    QTest::newRow("row 2") << -20.0 << 100.0 << 476.0 << 492.0;
    QTest::newRow("row 3") << 0.0 << 100.0 << 492.0 << 508.0;
    QTest::newRow("row 4") << 20.0 << 100.0 << 508.0 << 524.0;
    QTest::newRow("row 5") << 40.0 << 100.0 << 524.0 << 540.0;
    QTest::newRow("half width") << 0.0 << 50.0 << 496.0 << 504.0;
}

void Test_Charts::bar_slots() {
    QFETCH(double, offset);
    QFETCH(double, width);
    QFETCH(double, left);
    QFETCH(double, right);
    Chart_Geometry geometry;
    geometry.Plot = QRectF(0, 0, 1000, 100);
    geometry.X = Axis_Scale{0, 10, 1};
    geometry.Y = Axis_Scale{0, 100, 10};
    geometry.Bar_Series = 5;
    const QRectF bar = geometry.Bar_Rect(5, 50, offset, width);
    QCOMPARE(bar.left(), left);
    QCOMPARE(bar.right(), right);
    QCOMPARE(bar.top(), 50.0);
    QCOMPARE(bar.bottom(), 100.0);
}

void Test_Charts::bar_heights_data() {
    // Plot 0..300 pixels high for the fixed week QF axis -150..150: the zero line is at pixel 150.
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("bottom");
    QTest::newRow("up from zero") << 100.0 << 50.0 << 150.0;
    QTest::newRow("down from zero") << -100.0 << 150.0 << 250.0;
    QTest::newRow("beyond the top is cut at the plot") << 200.0 << 0.0 << 150.0;
    QTest::newRow("far below is cut at the plot") << -930.0 << 150.0 << 300.0;
    QTest::newRow("a tiny value keeps one pixel") << 0.2 << 149.0 << 150.0;
    QTest::newRow("zero has no height") << 0.0 << 150.0 << 150.0;
}

void Test_Charts::bar_heights() {
    QFETCH(double, value);
    QFETCH(double, top);
    QFETCH(double, bottom);
    Chart_Geometry geometry;
    geometry.Plot = QRectF(0, 0, 100, 300);
    geometry.X = Axis_Scale{0, 2, 1};
    geometry.Y = Axis_Scale{-150, 150, 50};
    const QRectF bar = geometry.Bar_Rect(1, value, 0, 100);
    if (top == bottom) {
        QVERIFY(bar.isEmpty());
        return;
    }
    QCOMPARE(bar.top(), top);
    QCOMPARE(bar.bottom(), bottom);
}

void Test_Charts::chart_extent() {
    Chart chart;
    Chart_Series bars = Row_Bar_Series(1);
    Add_Label_Points(bars, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    bars.Add_Point(1, 40, Qt::blue);
    bars.Add_Point(3, 70, Qt::blue);
    chart.Series.push_back(bars);
    Chart_Series hidden = Row_Bar_Series(2);
    hidden.Active = false;
    hidden.Add_Point(9, 5000, Qt::blue);
    chart.Series.push_back(hidden);

    const Data_Extent extent = Chart_Extent(chart);
    QCOMPARE(extent.X_Min, 0.5); // bars widen X by half a slot
    QCOMPARE(extent.X_Max, 3.5);
    QCOMPARE(extent.Y_Min, 0.0); // counts start at zero; label points and hidden series do not count
    QCOMPARE(extent.Y_Max, 70.0);
    QCOMPARE(extent.Slot, 1.0);
    QCOMPARE(extent.Bar_Series, 2);

    Chart lines;
    lines.Series.push_back(Row_Line_Series(1, 1));
    lines.Series_At(1).Add_Point(8, 120, Qt::blue);
    lines.Series_At(1).Add_Point(8.5, -30, Qt::blue);
    const Data_Extent line_extent = Chart_Extent(lines);
    QCOMPARE(line_extent.X_Min, 8.0);
    QCOMPARE(line_extent.X_Max, 8.5);
    QCOMPARE(line_extent.Y_Min, -30.0);
    QCOMPARE(line_extent.Y_Max, 120.0);
}

void Test_Charts::legend_lists_active_marked_series() {
    Chart chart;
    for (int r = 1; r <= 5; ++r) {
        chart.Series.push_back(Row_Line_Series(r, 1));
        chart.Series_At(r).Title = QStringLiteral("Row %1 with a rather long title").arg(r);
    }
    chart.Series_At(2).Active = false;
    chart.Series_At(4).Listed_In_Legend = false;
    const QFont font = chart_style::Font(chart_style::Text_Pixels);

    const Legend_Layout wide = Layout_Legend(chart, font, 2000, 3);
    QCOMPARE(wide.Entries.size(), 3u);
    QCOMPARE(wide.Entries[0].Colour, Row_Colour(1));
    QCOMPARE(wide.Entries[1].Colour, Row_Colour(3));
    QCOMPARE(wide.Entries[2].Colour, Line_Row_Colour(5));
    QCOMPARE(wide.Entries[1].Text, QStringLiteral("Row 3 with a rather long title"));
    QCOMPARE(wide.Entries[0].Square.top(), wide.Entries[2].Square.top());

    // Too narrow for two on a line: one line per entry, and only as many lines as allowed.
    const Legend_Layout narrow = Layout_Legend(chart, font, 250, 2);
    QCOMPARE(narrow.Entries.size(), 2u);
    QVERIFY(narrow.Entries[1].Square.top() > narrow.Entries[0].Square.bottom());
    for (const Legend_Entry &entry : narrow.Entries) {
        QVERIFY(entry.Square.left() >= 0);
        QVERIFY(entry.Text_Box.right() <= 250.5);
    }
}

void Test_Charts::day_points_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("first_x");
    QTest::addColumn<double>("last_x");
    QTest::newRow("8 to 22") << 8 << 22 << 29 << 8.0 << 22.0;
    QTest::newRow("whole day") << 0 << 24 << 49 << 0.0 << 24.0;
    QTest::newRow("one hour") << 12 << 12 << 1 << 12.0 << 12.0;
    QTest::newRow("to beyond the day stops at slot 48") << 23 << 30 << 3 << 23.0 << 24.0;
    QTest::newRow("22 to 8 draws nothing") << 22 << 8 << 0 << 0.0 << 0.0;
}

void Test_Charts::day_points() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, count);
    QFETCH(double, first_x);
    QFETCH(double, last_x);
    Model model = English_Model();
    model.From_Hour = static_cast<std::uint16_t>(from);
    model.To_Hour = static_cast<std::uint16_t>(to);
    Row_Selections rows;
    rows[1] = Row(QStringLiteral("10-03-2024"), QStringLiteral("Shop"), 0, QStringLiteral("Totals in"));

    Chart chart;
    Fill_Day_Chart(chart, model, rows);
    const Chart_Series &series = chart.Series_At(1);
    QVERIFY(series.Active);
    QCOMPARE(static_cast<int>(series.Points.size()), count);
    if (count > 0) {
        QCOMPARE(series.Points.front().X, first_x);
        QCOMPARE(series.Points.back().X, last_x);
        QCOMPARE(series.Points.front().Colour, Row_Colour(1));
        QVERIFY(!series.Points.front().Label);
    }
}

void Test_Charts::day_values_data() {
    // Slots 16 and 17 hold In 10, 5 and Out 2, 9; slot 1 holds In 7, Out 3.
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("intensity");
    QTest::addColumn<std::vector<double>>("first_values");
    QTest::newRow("intensity is the running sum from the first shown slot")
        << 8 << true << std::vector<double>{8, 4, 4};
    QTest::newRow("half-hourly shows In") << 8 << false << std::vector<double>{10, 5, 0};
    QTest::newRow("intensity from midnight: no slot 0") << 0 << true << std::vector<double>{0, 4, 4};
    QTest::newRow("half-hourly from midnight: no slot 0") << 0 << false << std::vector<double>{0, 7, 0};
}

void Test_Charts::day_values() {
    QFETCH(int, from);
    QFETCH(bool, intensity);
    QFETCH(std::vector<double>, first_values);
    Model model = English_Model();
    model.From_Hour = static_cast<std::uint16_t>(from);
    model.Enable_Day_Tab1 = intensity;
    model.Enable_Day_Tab2 = !intensity;
    Day_Result &result = model.Day_Results[3];
    result.In[16] = 10;
    result.Out[16] = 2;
    result.In[17] = 5;
    result.Out[17] = 9;
    result.In[1] = 7;
    result.Out[1] = 3;
    Row_Selections rows;
    rows[3] = Row(QStringLiteral("10-03-2024"), QStringLiteral("Shop"), 0, QStringLiteral("Totals in"));

    Chart chart;
    Fill_Day_Chart(chart, model, rows);
    const std::vector<double> ys = Ys(chart.Series_At(3));
    QCOMPARE(std::vector<double>(ys.begin(), ys.begin() + 3), first_values);
}

void Test_Charts::day_titles_and_hidden_rows() {
    Model model = English_Model();
    model.Graph_Titles.Day_Tab1 = QStringLiteral("Inside");
    model.Graph_Titles.Day_Tab2 = QStringLiteral("Per half hour");
    model.Enable_Day_Tab2 = true;
    Row_Selections rows;
    rows[1] = Row(QStringLiteral("10-03-2024"), QStringLiteral("Shop"), 0, QStringLiteral("Totals in"));
    rows[2] = Row(QStringLiteral("10-03-2024"), QStringLiteral("Shop"), -1, QString()); // no zone
    rows[3] = Row(QStringLiteral(" 10-03-2024"), QStringLiteral("Shop"), 1, QStringLiteral("Door"));
    rows[5] = Row(QString(), QStringLiteral("Shop"), 1, QStringLiteral("Door")); // no date

    Chart chart;
    Fill_Day_Chart(chart, model, rows);
    QCOMPARE(model.Day_Chart_Title, QStringLiteral("Per half hour"));
    QCOMPARE(chart.Title, QStringList{QStringLiteral("Per half hour")});
    QCOMPARE(chart.Series.size(), 5u);
    QCOMPARE(chart.Series_At(1).Title, QStringLiteral("10-03-2024, Shop, Totals in"));
    QCOMPARE(chart.Series_At(3).Title, QStringLiteral(" "));
    QCOMPARE(chart.Series_At(5).Title, QStringLiteral(" "));
    const std::vector<bool> active = {true, false, true, false, false};
    for (int r = 1; r <= 5; ++r) {
        QCOMPARE(chart.Series_At(r).Active, active[r - 1]);
        QCOMPARE(chart.Series_At(r).Points.empty(), !active[r - 1]);
        QCOMPARE(chart.Series_At(r).Kind, Series_Kind::Line);
    }
    QCOMPARE(chart.Series_At(5).Colour, QColor(128, 0, 0));

    model.Enable_Day_Tab1 = true;
    model.Enable_Day_Tab2 = false;
    Prepare_Day_Chart(chart, model, rows);
    QCOMPARE(model.Day_Chart_Title, QStringLiteral("Inside"));
    QVERIFY(chart.Series_At(2).Active); // Prepare shows every series again
    Fill_Day_Chart(chart, model, rows);
    Clear_Day_Chart(chart);
    for (const Chart_Series &series : chart.Series)
        QVERIFY(series.Points.empty());
    QCOMPARE(chart.Series_At(1).Title, QStringLiteral("10-03-2024, Shop, Totals in"));
}

void Test_Charts::week_chart() {
    Model model = English_Model();
    model.Graph_Titles.Week = QStringLiteral("Visitors per day");
    for (int r = 1; r <= 5; ++r) {
        for (int k = 1; k <= 7; ++k)
            model.Week_Results[r].Day[k].Total = 100 * r + k;
    }
    model.Week_Results[1].Day[3].Total = 0;
    const Row_Selections rows = Week_Rows();

    Chart chart;
    Draw_Week_Chart(chart, model, rows);
    QCOMPARE(chart.Title, QStringList{QStringLiteral("Visitors per day")});
    QVERIFY(!chart.Left_Axis.Line_Visible);
    QCOMPARE(chart.Series.size(), 5u);
    QCOMPARE(Ys(chart.Series_At(1)), (std::vector<double>{101, 102, Week_Stub, 104, 105, 106, 107}));
    // Row 2 has no zone and row 5 nothing: stubs. Row 4 has device and zone but no week: its totals.
    QCOMPARE(Ys(chart.Series_At(2)), std::vector<double>(7, Week_Stub));
    QCOMPARE(Ys(chart.Series_At(4)), (std::vector<double>{401, 402, 403, 404, 405, 406, 407}));
    QCOMPARE(Ys(chart.Series_At(5)), std::vector<double>(7, Week_Stub));
    QCOMPARE(chart.Series_At(1).Title, QStringLiteral("Week 10, 2024, Shop, Totals in Shop"));
    QCOMPARE(chart.Series_At(4).Title, QStringLiteral(" "));
    for (int r = 1; r <= 5; ++r) {
        const Chart_Series &series = chart.Series_At(r);
        QVERIFY(series.Active);
        QCOMPARE(series.Kind, Series_Kind::Bar);
        QCOMPARE(series.Colour, Row_Colour(r));
        QCOMPARE(series.Bar_Offset_Percent, -40.0 + 20 * (r - 1));
        QCOMPARE(series.Points.back().Colour, Row_Colour(r));
    }
    const Chart_Point &label = chart.Series_At(3).Points[2];
    QCOMPARE(label.X, 3.0);
    QCOMPARE(label.Y, 2.0);
    QCOMPARE(label.Colour, QColor(Qt::black));

    Clear_Week_Chart(chart);
    QVERIFY(chart.Series_At(1).Points.empty());
    QCOMPARE(chart.Series_At(1).Title, QStringLiteral("Week 10, 2024, Shop, Totals in Shop"));
}

void Test_Charts::week_labels_follow_week_start() {
    Model model = English_Model();
    Chart chart;
    Prepare_Week_Chart(chart, model, Week_Rows());
    QCOMPARE(Labels(chart.Series_At(2)).first(), QStringLiteral("Monday"));
    model.Sunday_Is_Day_One = true;
    model.Monday_Is_Day_One = false;
    Prepare_Week_Chart(chart, model, Week_Rows());
    const QStringList expected = {QStringLiteral("Sunday"),   QStringLiteral("Monday"),
                                  QStringLiteral("Tuesday"),  QStringLiteral("Wednesday"),
                                  QStringLiteral("Thursday"), QStringLiteral("Friday"),
                                  QStringLiteral("Saturday")};
    QCOMPARE(Labels(chart.Series_At(2)), expected);
    Prepare_Week_QF_Chart(chart, model, Week_Rows());
    QCOMPARE(Labels(chart.Series_At(5)), expected);

    // Label points stay labels even when the language has no texts.
    Model empty;
    Prepare_Week_Chart(chart, empty, Week_Rows());
    QCOMPARE(Labels(chart.Series_At(1)).size(), 7);
    QVERIFY(Ys(chart.Series_At(1)).empty());
}

void Test_Charts::week_qf_bar_value_data() {
    QTest::addColumn<int>("qf");
    QTest::addColumn<double>("value");
    QTest::newRow("no factor") << 0 << 6.0;
    QTest::newRow("6 or less is a stub") << 6 << 6.0;
    QTest::newRow("7 goes far down") << 7 << -930.0;
    QTest::newRow("90 at the lower line") << 90 << -100.0;
    QTest::newRow("99") << 99 << -10.0;
    QTest::newRow("balanced is a stub") << 100 << 6.0;
    QTest::newRow("115 at the top of the axis") << 115 << 150.0;
    QTest::newRow("120 beyond the axis") << 120 << 200.0;
    QTest::newRow("255") << 255 << 1550.0;
}

void Test_Charts::week_qf_bar_value() {
    QFETCH(int, qf);
    QFETCH(double, value);
    QCOMPARE(Week_QF_Bar_Value(static_cast<std::uint8_t>(qf)), value);
}

void Test_Charts::week_qf_chart() {
    Model model = English_Model();
    model.Graph_Titles.Week_QF = QStringLiteral("QF");
    model.Week_Results[2].Day[1].QF = 100;
    model.Week_Results[2].Day[2].QF = 112;
    const Row_Selections rows = Week_Rows();

    Chart chart;
    Draw_Week_QF_Chart(chart, model, rows);
    QCOMPARE(chart.Title, QStringList{QStringLiteral("QF")});
    QVERIFY(!chart.Left_Axis.Automatic);
    QCOMPARE(chart.Left_Axis.Minimum, -150.0);
    QCOMPARE(chart.Left_Axis.Maximum, 150.0);
    QVERIFY(!chart.Left_Axis.Labels_Visible);
    QVERIFY(!chart.Left_Axis.Line_Visible);
    QVERIFY(!chart.Bottom_Axis.Line_Visible);
    QCOMPARE(chart.Series.size(), 8u);
    // Rows are drawn whether collected or not.
    QCOMPARE(Ys(chart.Series_At(2)), (std::vector<double>{6, 120, 6, 6, 6, 6, 6}));
    QCOMPARE(Ys(chart.Series_At(5)), std::vector<double>(7, 6));
    QCOMPARE(chart.Series_At(2).Title, QStringLiteral("Week 11, 2024, Shop, "));

    const std::vector<double> levels = {-100, 100, 0};
    const std::vector<QColor> colours = {QColor(255, 0, 255), QColor(255, 0, 255), QColor(Qt::black)};
    const std::vector<Qt::PenStyle> styles = {Qt::DotLine, Qt::DotLine, Qt::SolidLine};
    for (int i = 0; i < 3; ++i) {
        const Chart_Series &line = chart.Series_At(6 + i);
        QCOMPARE(line.Kind, Series_Kind::Line);
        QVERIFY(!line.Listed_In_Legend);
        QCOMPARE(line.Pen_Style, styles[static_cast<std::size_t>(i)]);
        QCOMPARE(line.Points.size(), 9u);
        QCOMPARE(line.Points.front().X, 0.0);
        QCOMPARE(line.Points.back().X, 8.0);
        QCOMPARE(Ys(line), std::vector<double>(9, levels[static_cast<std::size_t>(i)]));
        QCOMPARE(line.Points.front().Colour, colours[static_cast<std::size_t>(i)]);
    }

    Clear_Week_QF_Chart(chart);
    for (int r = 1; r <= 5; ++r)
        QVERIFY(chart.Series_At(r).Points.empty());
    QCOMPARE(chart.Series_At(6).Points.size(), 9u);
}

void Test_Charts::month_legend_rule_data() {
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<bool>>("listed");
    const QString month = QStringLiteral("Month 3, 2001");
    QTest::newRow("rows 1 and 3: row 1 not listed")
        << QStringList{month, QString(), month, QString(), QString()}
        << QList<bool>{false, true, true, true, true};
    QTest::newRow("rows 1 and 2: both listed") << QStringList{month, month, QString(), QString(), QString()}
                                               << QList<bool>{true, true, true, true, true};
    QTest::newRow("row 2 alone lists row 1 too")
        << QStringList{QString(), month, QString(), QString(), QString()}
        << QList<bool>{true, true, true, true, true};
}

void Test_Charts::month_legend_rule() {
    QFETCH(QStringList, captions);
    QFETCH(QList<bool>, listed);
    Model model = English_Model();
    Row_Selections rows;
    for (int r = 1; r <= 5; ++r)
        rows[r] = Row(captions[r - 1], QStringLiteral("Shop"), 0, QStringLiteral("Totals in"));
    Chart chart;
    Prepare_Month_Chart(chart, model, rows);
    for (int r = 1; r <= 5; ++r)
        QCOMPARE(chart.Series_At(r).Listed_In_Legend, listed[r - 1]);
}

void Test_Charts::month_chart() {
    Model model = English_Model();
    model.Graph_Titles.Month = QStringLiteral("Per day");
    Row_Selections rows;
    rows[1] = Row(QStringLiteral("Month 2, 2001"), QStringLiteral("Shop"), 0, QStringLiteral("Totals in"));
    rows[2] = Row(QStringLiteral("Month 2, 2004"), QStringLiteral("Shop"), 1, QStringLiteral("Door"));
    rows[3] = Row(QStringLiteral("Month 3, 2004"), QStringLiteral("Shop"), -1, QString()); // no zone
    rows[5] = Row(QStringLiteral("Month 1, 2004"), QStringLiteral("Shop"), 0, QStringLiteral("Totals in"));
    model.Month_Results[1].Days_In_Month = 28;
    model.Month_Results[2].Days_In_Month = 29;
    model.Month_Results[5].Days_In_Month = 200; // never read past day 31
    for (int d = 1; d <= 31; ++d)
        model.Month_Results[1].Day[d] = d == 2 ? 0 : 10 * d;

    Chart chart;
    Draw_Month_Chart(chart, model, rows);
    QCOMPARE(chart.Title, QStringList{QStringLiteral("Per day")});
    const Chart_Series &first = chart.Series_At(1);
    QCOMPARE(first.Points.size(), 28u);
    QCOMPARE(first.Points[1].Y, 0.0); // a day without visitors touches the axis
    QCOMPARE(first.Points[27].X, 28.0);
    QCOMPARE(first.Points[27].Y, 280.0);
    QCOMPARE(first.Line_Width, 2.0);
    QCOMPARE(first.Title, QStringLiteral("Month 2, 2001, Shop, Totals in"));
    QCOMPARE(chart.Series_At(2).Points.size(), 29u);
    QVERIFY(!chart.Series_At(3).Active);
    QVERIFY(!chart.Series_At(4).Active);
    QCOMPARE(chart.Series_At(4).Title, QStringLiteral(" "));
    QCOMPARE(chart.Series_At(5).Points.size(), 31u);
    QCOMPARE(chart.Series_At(5).Points.back().Colour, QColor(128, 0, 0));

    Clear_Month_Chart(chart);
    QVERIFY(chart.Series_At(1).Points.empty());
}

void Test_Charts::quarter_chart() {
    Model model = English_Model();
    model.Graph_Titles.Quarter = QStringLiteral("Per week");
    for (int w = 1; w <= 12; ++w)
        model.Quarter_Results[1].Week[w] = 1000 + w;
    Row_Selections rows;
    rows[1] = Row(QStringLiteral("Period 1, 1993"), QStringLiteral("Shop"), 0, QStringLiteral("Totals in"));

    Chart chart;
    Draw_Quarter_Chart(chart, model, rows);
    QCOMPARE(chart.Title, QStringList{QStringLiteral("Per week")});
    QVERIFY(!chart.Left_Axis.Line_Visible);
    QVERIFY(!chart.Bottom_Axis.Line_Visible);
    const std::vector<double> first = Ys(chart.Series_At(1));
    QCOMPARE(first.size(), 13u);
    QCOMPARE(first[0], 1001.0);
    QCOMPARE(first[12], Quarter_Stub); // the thirteenth week of a 12-week period
    QCOMPARE(Ys(chart.Series_At(4)), std::vector<double>(13, Quarter_Stub));
    QCOMPARE(chart.Series_At(1).Title, QStringLiteral("Period 1, 1993, Totals in"));
    QCOMPARE(chart.Series_At(2).Title, QStringLiteral(" "));
    const QStringList labels = Labels(chart.Series_At(5));
    QCOMPARE(labels.size(), 13);
    QCOMPARE(labels.first(), QStringLiteral("Wk 01"));
    QCOMPARE(labels.last(), QStringLiteral("Wk 13"));
    for (const Chart_Series &series : chart.Series)
        QVERIFY(series.Active && series.Listed_In_Legend);

    Clear_Quarter_Chart(chart);
    QVERIFY(chart.Series_At(5).Points.empty());
}

void Test_Charts::renderer_stays_inside_target_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("target");
    for (const QString &name : Sample_Names) {
        QTest::addRow("%s 700x300", qPrintable(name)) << name << QRect(37, 23, 700, 300);
        QTest::addRow("%s report", qPrintable(name)) << name << QRect(5, 90, 680, 330);
        QTest::addRow("%s tiny", qPrintable(name)) << name << QRect(60, 60, 45, 30);
    }
    QTest::newRow("empty chart") << QString() << QRect(20, 20, 300, 200);
}

void Test_Charts::renderer_stays_inside_target() {
    QFETCH(QString, name);
    QFETCH(QRect, target);
    Chart chart = name.isEmpty() ? Chart() : Sample(Make_Samples(), name);
    chart.Title.append(QString(300, QLatin1Char('W'))); // a title wider than any target
    chart.Left_Axis.Title = QStringLiteral("Visitors");
    chart.Bottom_Axis.Title = QStringLiteral("Hours");

    const QColor marker(1, 2, 3);
    QImage image(800, 500, QImage::Format_RGB32);
    image.fill(marker);
    {
        QPainter painter(&image);
        Draw_Chart(painter, target, chart);
    }
    int drawn_inside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool inside = target.contains(x, y);
            if (!inside && image.pixelColor(x, y) != marker)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 outside the target was painted").arg(x).arg(y)));
            if (inside && image.pixelColor(x, y) != marker)
                ++drawn_inside;
        }
    }
    QVERIFY(drawn_inside > 0);
}

void Test_Charts::bitmap_saved() {
    const Chart chart = Make_Samples().Week;
    const QImage image = Chart_Image(chart, QSize(640, 280));
    QCOMPARE(image.size(), QSize(640, 280));
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(image.pixelColor(639, 279), QColor(Qt::white));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("week.bmp"));
    QString error;
    QVERIFY(Save_Chart_Bitmap(chart, QSize(640, 280), path, &error));
    QVERIFY(error.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), QByteArray("BM"));
    file.close();
    const QImage read(path, "BMP");
    QCOMPARE(read.size(), QSize(640, 280));
    QCOMPARE(read.convertToFormat(QImage::Format_RGB32), image);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("week.bmp")});
}

void Test_Charts::bitmap_failure_reported() {
    QTemporaryDir dir;
    QString error;
    const QString missing = dir.filePath(QStringLiteral("no such folder/chart.bmp"));
    QVERIFY(!Save_Chart_Bitmap(Make_Samples().Day, QSize(300, 200), missing, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(missing));

    // A directory in the way of the file is reported too, and stays as it was.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.bmp")));
    error.clear();
    QVERIFY(!Save_Chart_Bitmap(Chart(), QSize(300, 200), dir.filePath(QStringLiteral("taken.bmp")), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("taken.bmp"))).isDir());

    error.clear();
    QVERIFY(!Save_Bitmap(QImage(), dir.filePath(QStringLiteral("empty.bmp")), &error));
    QVERIFY(!error.isEmpty());
}

void Test_Charts::widget_paints_and_reports_double_click() {
    Chart_Widget widget;
    widget.resize(700, 300);
    widget.setChart(Make_Samples().Month);
    QCOMPARE(widget.chart().Series.size(), 5u);
    const QImage shown = widget.grab().toImage();
    QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::white));
    int coloured = 0;
    for (int x = 0; x < shown.width(); ++x) {
        for (int y = 0; y < shown.height(); y += 2)
            coloured += shown.pixelColor(x, y) == Line_Row_Colour(1) ? 1 : 0;
    }
    QVERIFY(coloured > 50);

    QSignalSpy spy(&widget, &Chart_Widget::doubleClicked);
    QTest::mouseDClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(350, 150));
    QCOMPARE(spy.count(), 1);
}

// Writes the charts as pictures for people to look at when TELVO_CHART_SAMPLES names a directory.
void Test_Charts::sample_pictures() {
    const QString directory = qEnvironmentVariable("TELVO_CHART_SAMPLES");
    if (directory.isEmpty())
        QSKIP("TELVO_CHART_SAMPLES is not set");
    QVERIFY(QDir().mkpath(directory));
    const Sample_Charts charts = Make_Samples();
    const QList<QSize> sizes = {QSize(700, 300), QSize(680, 330), QSize(1200, 500), QSize(320, 180)};
    for (const QString &name : Sample_Names) {
        for (const QSize &size : sizes) {
            const QString file =
                QStringLiteral("%1/%2-%3x%4.png").arg(directory, name).arg(size.width()).arg(size.height());
            QVERIFY(Chart_Image(Sample(charts, name), size).save(file));
        }
    }
}

QTEST_MAIN(Test_Charts)
#include "test_charts.moc"
