#include "day_file_fixture.h"

#include "data/month_view.h"
#include "data/quarter_view.h"

#include <QTest>

#include <utility>

using namespace telvo;
using telvo::test::Day_File_Fixture;
using telvo::test::Set_Device;

namespace {

using Day_Counts = QList<std::pair<QDate, int>>;

const QString Shop = QStringLiteral("Shop");

Row_Selection Row(const QString &period, const QString &device, int zone)
{
    return Row_Selection{period, device, zone, QStringLiteral("Totals in")};
}

} // namespace

class Test_Month_Quarter_Views : public QObject {
    Q_OBJECT

private slots:
    void days_in_month_data();
    void days_in_month();
    void month_rows_collected();
    void month_table_texts();
    void month_row_is_drawn_data();
    void month_row_is_drawn();

    void quarter_period_weeks_data();
    void quarter_period_weeks();
    void quarter_rows_without_period_not_collected();
    void quarter_table_texts();
};

void Test_Month_Quarter_Views::days_in_month_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("days");
    QTest::newRow("February 2000") << 2 << 2000 << 29;
    QTest::newRow("February 2001") << 2 << 2001 << 28;
    QTest::newRow("February 2004") << 2 << 2004 << 29;
    QTest::newRow("February 1900, no century rule") << 2 << 1900 << 29;
    QTest::newRow("April") << 4 << 2001 << 30;
    QTest::newRow("December") << 12 << 2001 << 31;
    QTest::newRow("no month") << 0 << 2001 << 0;
    QTest::newRow("month 13") << 13 << 2001 << 0;
}

void Test_Month_Quarter_Views::days_in_month()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, days);
    QCOMPARE(Days_In_Month_Of(month, year), days);
}

void Test_Month_Quarter_Views::month_rows_collected()
{
    Day_File_Fixture files;
    Model model;
    Set_Device(model, 1, 7, Shop, files.Dir());
    files.Write_In_Out(7, QDate(2004, 2, 1), 1);
    files.Write_In_Out(7, QDate(2004, 2, 29), 29);
    files.Write_In_Out(7, QDate(2004, 3, 1), 1000);
    files.Write_In_Out(7, QDate(1900, 3, 1), 500);

    const QList<std::pair<int, int>> months{{2, 2004}, {2, 2004}, {0, 2004}, {3, 0}, {2, 1900}};
    for (int r = 1; r <= 5; ++r) {
        model.Month_Results[r].Month = static_cast<std::uint16_t>(months[r - 1].first);
        model.Month_Results[r].Year = static_cast<std::uint16_t>(months[r - 1].second);
        model.Month_Results[r].Day[5] = 9;
        model.Month_Results[r].Total = 9;
    }
    model.Month_Results[2].Days_In_Month = 28;
    Row_Selections rows;
    rows[1] = Row(QStringLiteral("Month 2, 2004"), Shop, 0);
    rows[2] = Row(QStringLiteral("Month 2, 2004"), Shop, -1); // no zone
    rows[3] = Row({}, Shop, 0);                               // no month
    rows[4] = Row(QStringLiteral("Month 3, 0"), Shop, 0);     // no year
    rows[5] = Row(QStringLiteral("Month 2, 1900"), Shop, 0);

    Collect_Month(model, rows);

    const Month_Result &first = model.Month_Results[1];
    QCOMPARE(first.Days_In_Month, 29);
    QCOMPARE(first.Day[1], 1);
    QCOMPARE(first.Day[5], 0);
    QCOMPARE(first.Day[29], 29);
    QCOMPARE(first.Day[30], 0);
    QCOMPARE(first.Total, 30);
    QCOMPARE(model.Month_Results[2].Days_In_Month, 28);
    for (int r = 2; r <= 4; ++r) {
        QCOMPARE(model.Month_Results[r].Day[5], 0);
        QCOMPARE(model.Month_Results[r].Total, 0);
    }
    QCOMPARE(model.Month_Results[3].Days_In_Month, 0);
    // 1900 was no leap year: its 29 February is not 1 March.
    QCOMPARE(model.Month_Results[5].Days_In_Month, 29);
    QCOMPARE(model.Month_Results[5].Day[29], 0);
    QCOMPARE(model.Month_Results[5].Total, 0);

    Clear_Month_Totals(model);
    QCOMPARE(first.Total, 0);
    QCOMPARE(first.Day[29], 29);
}

void Test_Month_Quarter_Views::month_table_texts()
{
    Model model;
    model.Texts.Lang_Month_Total = QStringLiteral("Month Total");
    model.Month_Results[1].Total = 30;
    Row_Selections rows;
    rows[1] = Row(QStringLiteral("Month 3, 2001"), Shop, 0);
    rows[2] = Row(QStringLiteral("Month 3, 2001"), {}, 0);
    rows[3] = Row({}, Shop, -1);

    const Month_Table_Texts table = Show_Month_Table(model, rows);

    QCOMPARE(table.Month_ID[1], QStringLiteral("Shop,  Month 3, 2001   :"));
    QCOMPARE(table.Month_ID[2], QStringLiteral(":"));
    QCOMPARE(table.Month_ID[3], QStringLiteral(":"));
    QCOMPARE(table.Month_Total[1], QStringLiteral("30"));
    QCOMPARE(table.Month_Total[3], QStringLiteral("0"));
    QCOMPARE(table.Month_Total_Label, QStringLiteral("Month Total"));
}

void Test_Month_Quarter_Views::month_row_is_drawn_data()
{
    QTest::addColumn<Row_Selection>("row");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("complete") << Row(QStringLiteral("Month 3, 2001"), Shop, 0) << true;
    QTest::newRow("no zone") << Row(QStringLiteral("Month 3, 2001"), Shop, -1) << false;
    QTest::newRow("no device") << Row(QStringLiteral("Month 3, 2001"), {}, 0) << false;
    QTest::newRow("no month") << Row({}, Shop, 0) << false;
}

void Test_Month_Quarter_Views::month_row_is_drawn()
{
    QFETCH(Row_Selection, row);
    QFETCH(bool, drawn);
    QCOMPARE(Month_Row_Is_Drawn(row), drawn);
}

void Test_Month_Quarter_Views::quarter_period_weeks_data()
{
    QTest::addColumn<bool>("monday_weeks");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("period");
    QTest::addColumn<Day_Counts>("days");
    QTest::addColumn<QList<int>>("weeks");
    QTest::addColumn<int>("total");

    // 28-09-1992 .. 03-01-1993: fourteen weeks, the last one only in the total.
    QTest::newRow("Monday weeks, 4-1992")
        << true << 1992 << 4
        << Day_Counts{{QDate(1992, 9, 27), 1000}, {QDate(1992, 9, 28), 1}, {QDate(1992, 10, 4), 2},
                      {QDate(1992, 12, 21), 13}, {QDate(1993, 1, 3), 100}, {QDate(1993, 1, 4), 1000}}
        << QList<int>{3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 13} << 116;
    // 04-01-1993 .. 28-03-1993: twelve weeks.
    QTest::newRow("Monday weeks, 1-1993")
        << true << 1993 << 1
        << Day_Counts{{QDate(1993, 1, 3), 1000}, {QDate(1993, 1, 4), 1}, {QDate(1993, 3, 28), 12},
                      {QDate(1993, 3, 29), 1000}}
        << QList<int>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12, 0} << 13;
    // 31-12-1989 .. 31-03-1990: thirteen weeks.
    QTest::newRow("Sunday weeks, 1-1990")
        << false << 1990 << 1
        << Day_Counts{{QDate(1989, 12, 30), 1000}, {QDate(1989, 12, 31), 1}, {QDate(1990, 3, 31), 13},
                      {QDate(1990, 4, 1), 1000}}
        << QList<int>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 13} << 14;
}

void Test_Month_Quarter_Views::quarter_period_weeks()
{
    QFETCH(bool, monday_weeks);
    QFETCH(int, year);
    QFETCH(int, period);
    QFETCH(Day_Counts, days);
    QFETCH(QList<int>, weeks);
    QFETCH(int, total);

    Day_File_Fixture files;
    Model model;
    model.Monday_Is_Day_One = monday_weeks;
    model.Sunday_Is_Day_One = !monday_weeks;
    Set_Device(model, 1, 7, Shop, files.Dir());
    for (const auto &[date, visitors] : days)
        files.Write_In_Out(7, date, visitors);
    model.Quarter_Results[1].Year = static_cast<std::uint16_t>(year);
    model.Quarter_Results[1].Period = static_cast<std::uint8_t>(period);
    Row_Selections rows;
    rows[1] = Row(QStringLiteral("Period"), Shop, 0);

    Collect_Quarter(model, rows);

    for (int j = 1; j <= 13; ++j)
        QCOMPARE(model.Quarter_Results[1].Week[j], weeks[j - 1]);
    QCOMPARE(model.Quarter_Results[1].Total, total);
}

void Test_Month_Quarter_Views::quarter_rows_without_period_not_collected()
{
    Day_File_Fixture files;
    Model model;
    model.Monday_Is_Day_One = true;
    Set_Device(model, 1, 7, Shop, files.Dir());
    files.Write_In_Out(7, QDate(2000, 1, 3), 5);
    const QList<std::pair<int, int>> periods{{0, 2000}, {1, 0}, {5, 2000}, {1, 2000}, {1, 2000}};
    Row_Selections rows;
    for (int r = 1; r <= 5; ++r) {
        model.Quarter_Results[r].Period = static_cast<std::uint8_t>(periods[r - 1].first);
        model.Quarter_Results[r].Year = static_cast<std::uint16_t>(periods[r - 1].second);
        model.Quarter_Results[r].Week[1] = 7;
        model.Quarter_Results[r].Total = 7;
        rows[r] = Row(QStringLiteral("Period"), Shop, 0);
    }
    rows[4].Zone_Index = -1;
    rows[5].Device_Text.clear();

    Collect_Quarter(model, rows);

    for (int r = 1; r <= 5; ++r) {
        QCOMPARE(model.Quarter_Results[r].Week[1], 0);
        QCOMPARE(model.Quarter_Results[r].Total, 0);
    }
    QCOMPARE(model.Quarter_Results[1].Year, 2000); // the selection stays
}

void Test_Month_Quarter_Views::quarter_table_texts()
{
    Model model;
    model.Texts.Lang_Total = QStringLiteral("Total");
    model.Quarter_Results[2].Week[13] = 12;
    model.Quarter_Results[2].Total = 40;

    const Quarter_Headers headers = Set_Quarter_Table_Headers(model);
    QCOMPARE(headers.Quart_ID[1], QStringLiteral("ID 01"));
    QCOMPARE(headers.Quart_ID[5], QStringLiteral("ID 05"));
    QCOMPARE(headers.Quart_Wk[1], QStringLiteral("Wk 01"));
    QCOMPARE(headers.Quart_Wk[13], QStringLiteral("Wk 13"));
    QCOMPARE(headers.Quart_QT, QStringLiteral("Total"));

    Quarter_Table_Texts table = Show_Quarter_Table(model);
    QCOMPARE(table.Week[2][13], QStringLiteral("12"));
    QCOMPARE(table.Week[1][1], QStringLiteral("0"));
    QCOMPARE(table.QT[2], QStringLiteral("40"));

    Clear_Quarter_Weeks(model);
    table = Show_Quarter_Table(model);
    QCOMPARE(table.Week[2][13], QStringLiteral("0"));
    QCOMPARE(table.QT[2], QStringLiteral("0"));
}

QTEST_GUILESS_MAIN(Test_Month_Quarter_Views)
#include "test_month_quarter_views.moc"
