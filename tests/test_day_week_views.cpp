#include "day_file_fixture.h"

#include "data/day_view.h"
#include "data/week_qf_view.h"
#include "data/week_view.h"

#include <QTest>

using namespace telvo;
using telvo::test::Day_File_Fixture;
using telvo::test::Record_Line;
using telvo::test::Set_Device;

namespace {

Row_Selection Row(const QString &period, const QString &device, int zone, const QString &zone_text = {})
{
    return Row_Selection{period, device, zone, zone_text};
}

void Use_Monday_Weeks(Model &model, bool monday)
{
    model.Monday_Is_Day_One = monday;
    model.Sunday_Is_Day_One = !monday;
}

} // namespace

class Test_Day_Week_Views : public QObject {
    Q_OBJECT

private slots:
    void day_rows_collected();
    void day_rows_read_afresh_for_balancing();
    void day_table_texts();
    void day_row_has_data_data();
    void day_row_has_data();

    void row_week_first_day_data();
    void row_week_first_day();
    void week_totals_collected();
    void week_with_sunday_weeks();
    void week_headers();

    void quality_factor_data();
    void quality_factor();
    void quality_factor_uses_total_zone_of_number();
    void week_qf_collected();
};

void Test_Day_Week_Views::day_rows_collected()
{
    Day_File_Fixture files;
    Model model;
    Set_Device(model, 1, 7, QStringLiteral("Shop"), files.Dir());
    const QDate day(2024, 3, 10);
    files.Write_Day(7, day, "Telvo", {Record_Line(8, 30, {10, 2}), Record_Line(9, 0, {5, 9})});

    Row_Selections rows;
    rows[1] = Row(QStringLiteral("10-03-2024"), QStringLiteral("Shop"), 0, QStringLiteral("Totals in"));
    rows[2] = Row(QStringLiteral("10-03-2024"), QStringLiteral("Shop"), -1); // no zone
    rows[3] = Row(QStringLiteral("11-03-2024"), QStringLiteral("Shop"), 0);  // no file
    rows[4] = Row(QStringLiteral("10-03-2024"), QStringLiteral("Shop"), 0);  // invalid date
    rows[5] = Row(QStringLiteral("10-03-2024"), QStringLiteral("Nobody"), 0, QStringLiteral("Totals in"));
    model.Day_Dates.Fill(day);
    model.Day_Dates[3] = QDate(2024, 3, 11);
    model.Day_Dates[4] = QDate();
    model.Day_Results[2].In[1] = 3;
    model.Day_Results[2].Total = 99;

    Collect_Day_View(model, rows);

    const Day_Result &first = model.Day_Results[1];
    QCOMPARE(first.In[17], 10);
    QCOMPARE(first.Out[17], 2);
    QCOMPARE(first.In[18], 5);
    QCOMPARE(first.Out[18], 9);
    QCOMPARE(first.Total, 15);
    for (int r = 2; r <= 5; ++r) {
        QCOMPARE(model.Day_Results[r].Total, 0);
        QCOMPARE(model.Day_Results[r].In, Day_Result{}.In);
    }

    const Day_Table_Texts table = Fill_Day_Table(model, rows);
    QCOMPARE(table.Day_ID_Lab[1], QStringLiteral("Shop, Totals in"));
    QCOMPARE(table.Day_Per[1][3], QStringLiteral("15")); // 06-09 holds slots 13..18
    QCOMPARE(table.Day_Per[1][4], QStringLiteral("0"));
    QCOMPARE(table.DT_Lab[1], QStringLiteral("15"));
    QCOMPARE(table.Day_ID_Lab[5], QStringLiteral("Nobody, Totals in"));
    QCOMPARE(table.DT_Lab[5], QStringLiteral("0"));
}

void Test_Day_Week_Views::day_rows_read_afresh_for_balancing()
{
    // Balancing rewrites the table in place; a second row on the same file
    // must balance the counts as read, not as the first row left them.
    Day_File_Fixture files;
    Model model;
    model.Enable_Day_Tab1 = true;
    model.Enable_Day_Balance = true;
    Set_Device(model, 1, 7, QStringLiteral("Shop"), files.Dir());
    const QDate day(2024, 3, 10);
    files.Write_Day(7, day, "Telvo", {Record_Line(8, 30, {300, 100, 30, 90})});
    model.Day_Dates.Fill(day);
    Row_Selections rows;
    rows[1] = Row(QStringLiteral("10-03-2024"), QStringLiteral("Shop"), 0);
    rows[2] = Row(QStringLiteral("10-03-2024"), QStringLiteral("Shop"), 1);

    Collect_Day_View(model, rows);

    QCOMPARE(model.Day_Results[1].In[17], 200);
    QCOMPARE(model.Day_Results[1].Out[17], 200);
    QCOMPARE(model.Day_Results[2].In[17], 60);
    QCOMPARE(model.Day_Results[2].Out[17], 60);
}

void Test_Day_Week_Views::day_table_texts()
{
    Model model;
    model.Day_Results[1].In.Fill(1);
    model.Day_Results[1].Total = 48;
    for (int s = 1; s <= 6; ++s)
        model.Day_Results[2].In[s] = 20000; // the 3-hour sum wraps at 16 bits
    Row_Selections rows;
    rows[4] = Row({}, {}, 2, QStringLiteral("Entrance"));

    const Day_Table_Texts table = Fill_Day_Table(model, rows);

    for (int k = 1; k <= 8; ++k)
        QCOMPARE(table.Day_Per[1][k], QStringLiteral("6"));
    QCOMPARE(table.DT_Lab[1], QStringLiteral("48"));
    QCOMPARE(table.Day_Per[2][1], QString::number(120000 % 65536));
    QCOMPARE(table.Day_ID_Lab[3], QString());
    QCOMPARE(table.Day_ID_Lab[4], QStringLiteral(", Entrance"));
}

void Test_Day_Week_Views::day_row_has_data_data()
{
    QTest::addColumn<Row_Selection>("row");
    QTest::addColumn<bool>("expected");
    QTest::newRow("complete") << Row(QStringLiteral("10-03-2024"), QStringLiteral("Shop"), 0) << true;
    QTest::newRow("no zone") << Row(QStringLiteral("10-03-2024"), QStringLiteral("Shop"), -1) << false;
    QTest::newRow("zone out of range") << Row(QStringLiteral("10-03-2024"), QStringLiteral("Shop"), 6) << false;
    QTest::newRow("no device") << Row(QStringLiteral("10-03-2024"), {}, 0) << false;
    QTest::newRow("no date") << Row({}, QStringLiteral("Shop"), 5) << false;
}

void Test_Day_Week_Views::day_row_has_data()
{
    QFETCH(Row_Selection, row);
    QFETCH(bool, expected);
    QCOMPARE(Day_Row_Has_Data(row), expected);
}

void Test_Day_Week_Views::row_week_first_day_data()
{
    QTest::addColumn<bool>("sunday_weeks");
    QTest::addColumn<QDate>("picked");
    QTest::addColumn<QDate>("first");
    QTest::newRow("Monday weeks, Sunday") << false << QDate(2024, 3, 10) << QDate(2024, 3, 4);
    QTest::newRow("Monday weeks, Monday") << false << QDate(2024, 3, 4) << QDate(2024, 3, 4);
    QTest::newRow("Sunday weeks, Sunday") << true << QDate(2024, 3, 10) << QDate(2024, 3, 10);
    QTest::newRow("Sunday weeks, Saturday") << true << QDate(2024, 3, 16) << QDate(2024, 3, 10);
}

void Test_Day_Week_Views::row_week_first_day()
{
    QFETCH(bool, sunday_weeks);
    QFETCH(QDate, picked);
    QFETCH(QDate, first);
    Model model;
    Use_Monday_Weeks(model, !sunday_weeks);
    QCOMPARE(First_Day_Of_Row_Week(model, picked), first);
}

void Test_Day_Week_Views::week_totals_collected()
{
    Day_File_Fixture files;
    Model model;
    Use_Monday_Weeks(model, true);
    Set_Device(model, 1, 7, QStringLiteral("Shop"), files.Dir());
    for (int day = 3; day <= 9; ++day) // 10-03 has no file
        files.Write_In_Out(7, QDate(2024, 3, day), day);
    model.Week_Dates.Fill(QDate(2024, 3, 10));
    const QString week_text = QStringLiteral("Week 10, 2024");
    Row_Selections rows;
    rows[1] = Row(week_text, QStringLiteral("Shop"), 0);
    rows[2] = Row({}, QStringLiteral("Shop"), 0); // no week: left as it is
    rows[3] = Row(week_text, QStringLiteral("Shop"), -1);
    rows[4] = Row(week_text, QStringLiteral("Shop"), 1);
    model.Week_Results[2].Day[1].Total = 77;
    model.Week_Results[3].Total = 55;
    model.Week_Results[1].Day[1].QF = 90;

    Collect_Week(model, rows, 1);

    const Week_Result &first = model.Week_Results[1];
    const QList<int> expected{4, 5, 6, 7, 8, 9, 0};
    for (int k = 1; k <= 7; ++k)
        QCOMPARE(first.Day[k].Total, expected[k - 1]);
    QCOMPARE(first.Total, 39);
    QCOMPARE(first.Day[1].QF, 90);
    QCOMPARE(model.Week_Results[2].Day[1].Total, 77);
    QCOMPARE(model.Week_Results[3].Total, 55);
    QCOMPARE(model.Week_Results[4].Total, 6000);

    const Week_Table_Texts table = Show_Week_Table(model, rows);
    QCOMPARE(table.Week_ID_Lab[5], QStringLiteral("5"));
    QCOMPARE(table.Day[1][1], QStringLiteral("4"));
    QCOMPARE(table.Day[1][7], QStringLiteral("0"));
    QCOMPARE(table.WT[1], QStringLiteral("39"));
    QCOMPARE(table.Wnr[1], QStringLiteral("10"));
    QCOMPARE(table.Wnr[2], QString());
    QCOMPARE(table.Day[2][1], QStringLiteral("77"));

    Clear_Week_Totals(model);
    QCOMPARE(model.Week_Results[1].Total, 0);
    QCOMPARE(model.Week_Results[2].Day[1].Total, 0);
    QCOMPARE(model.Week_Results[1].Day[1].QF, 90);
}

void Test_Day_Week_Views::week_with_sunday_weeks()
{
    Day_File_Fixture files;
    Model model;
    Use_Monday_Weeks(model, false);
    Set_Device(model, 1, 7, QStringLiteral("Shop"), files.Dir());
    for (int day : {9, 10, 16, 17})
        files.Write_In_Out(7, QDate(2024, 3, day), day);
    model.Week_Dates[1] = QDate(2024, 3, 16);
    Row_Selections rows;
    rows[1] = Row(QStringLiteral("Week 11, 2024"), QStringLiteral("Shop"), 0);

    Collect_Week(model, rows, 1);

    QCOMPARE(model.Week_Results[1].Day[1].Total, 10);
    QCOMPARE(model.Week_Results[1].Day[7].Total, 16);
    QCOMPARE(model.Week_Results[1].Total, 26);
    QCOMPARE(Show_Week_Table(model, rows).Wnr[1], QStringLiteral("11"));
}

void Test_Day_Week_Views::week_headers()
{
    Model model;
    model.Texts.Lang_Monday = QStringLiteral("Monday");
    model.Texts.Lang_Saturday = QStringLiteral("Saturday");
    model.Texts.Lang_Sunday = QStringLiteral("Sunday");
    model.Texts.Lang_Week_Total = QStringLiteral("Week Total");
    model.Texts.Lang_Week = QStringLiteral("Week");

    Week_Headers headers = Set_Week_Headers(model);
    QCOMPARE(headers.Day_Names[1], QStringLiteral("Monday"));
    QCOMPARE(headers.Day_Names[7], QStringLiteral("Sunday"));
    QCOMPARE(headers.WT_Lab, QStringLiteral("Week Total"));
    QCOMPARE(headers.WeekNr_Label, QStringLiteral("Week"));

    model.Sunday_Is_Day_One = true;
    headers = Set_Week_Headers(model);
    QCOMPARE(headers.Day_Names[1], QStringLiteral("Sunday"));
    QCOMPARE(headers.Day_Names[2], QStringLiteral("Monday"));
    QCOMPARE(headers.Day_Names[7], QStringLiteral("Saturday"));
}

void Test_Day_Week_Views::quality_factor_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("out");
    QTest::addColumn<int>("expected");
    // The header's factor wins over the counts.
    QTest::newRow("header 97 and comma") << "Telvo,Qf=97,x" << 10 << 12 << 97;
    QTest::newRow("header 9 at line end") << "Telvo,Qf=9" << 10 << 12 << 9;
    QTest::newRow("header comma left out") << "Telvo,Qf=1,5" << 10 << 12 << 15;
    QTest::newRow("header low 8 bits") << "Telvo,Qf=300" << 0 << 0 << 44;
    QTest::newRow("header negative") << "Telvo,Qf=-5" << 0 << 0 << 251;
    QTest::newRow("header not a number") << "Telvo,Qf=ab," << 8 << 7 << 0;
    QTest::newRow("header past 255 characters") << QString(300, QLatin1Char('a')) + ",Qf=97" << 8 << 7 << 97;
    QTest::newRow("marker case matters") << "Telvo,QF=97" << 8 << 7 << 88;
    // Otherwise the counts of the Total zone.
    QTest::newRow("8 in, 7 out: half to even up") << "Telvo" << 8 << 7 << 88;
    QTest::newRow("8 in, 5 out: half to even down") << "Telvo" << 8 << 5 << 62;
    QTest::newRow("exact half 2.5") << "Telvo" << 40 << 1 << 2;
    QTest::newRow("exact half 7.5") << "Telvo" << 40 << 3 << 8;
    QTest::newRow("balanced") << "Telvo" << 200 << 200 << 100;
    QTest::newRow("more out") << "Telvo" << 10 << 12 << 120;
    QTest::newRow("nobody in") << "Telvo" << 0 << 5 << 0;
    QTest::newRow("past 255 wraps") << "Telvo" << 1 << 3 << 44;
}

void Test_Day_Week_Views::quality_factor()
{
    QFETCH(QString, header);
    QFETCH(int, in);
    QFETCH(int, out);
    QFETCH(int, expected);
    Model model;
    Set_Device(model, 1, 7, QStringLiteral("Shop"), {});
    Clear_Half_Hour_Table(model);
    model.Day_File_Header = header;
    model.Half_Hour_Table[5].Counts[1] = static_cast<std::uint16_t>(in);
    model.Half_Hour_Table[5].Counts[2] = static_cast<std::uint16_t>(out);
    QCOMPARE(Day_Quality_Factor(model, 7), expected);
}

void Test_Day_Week_Views::quality_factor_uses_total_zone_of_number()
{
    Model model;
    Set_Device(model, 1, 7, QStringLiteral("Shop"), {});
    Set_Device(model, 2, 8, QStringLiteral("Hall"), {});
    model.ID_Records[2].Zones[0].Channels = {};
    model.ID_Records[2].Zones[0].Channels[3] = true;
    Clear_Half_Hour_Table(model);
    model.Half_Hour_Table[1].Counts[1] = 8;
    model.Half_Hour_Table[1].Counts[2] = 7;
    model.Half_Hour_Table[2].Counts[3] = 10;
    model.Half_Hour_Table[3].Counts[4] = 12;

    QCOMPARE(Day_Quality_Factor(model, 7), 88);
    QCOMPARE(Day_Quality_Factor(model, 8), 120);
    QCOMPARE(Day_Quality_Factor(model, 99), 0); // no slot has the number
}

void Test_Day_Week_Views::week_qf_collected()
{
    Day_File_Fixture files;
    Model model;
    Use_Monday_Weeks(model, true);
    model.Texts.Lang_Week = QStringLiteral("Week");
    Set_Device(model, 1, 7, QStringLiteral("Shop"), files.Dir());
    files.Write_In_Out(7, QDate(2024, 3, 4), 8, 7, "Telvo,Qf=97,");
    files.Write_In_Out(7, QDate(2024, 3, 5), 8, 7);
    model.Week_Dates.Fill(QDate(2024, 3, 10));
    model.Week_Dates[2] = QDate(2019, 12, 30);
    Row_Selections rows;
    rows[1] = Row(QStringLiteral("Week 10, 2024"), QStringLiteral("Shop"), 1, QStringLiteral("Entrance"));
    rows[2] = Row({}, QStringLiteral("Shop"), 0, QStringLiteral("Totals in")); // no week
    rows[3] = Row(QStringLiteral("Week 10, 2024"), {}, 0, QStringLiteral("Totals in"));
    model.Week_Results[1].Day[1].Total = 5;
    model.Week_Results[1].Day[7].QF = 33;
    model.Week_Results[2].Day[1].QF = 42;

    const Per_Row<QString> info = Collect_Week_QF(model, rows);

    QCOMPARE(info[1], QStringLiteral("Week 10, Shop, Entrance"));
    QCOMPARE(info[2], QStringLiteral("Week 1, Shop, Totals in"));
    QCOMPARE(info[3], QString());
    const Week_Result &first = model.Week_Results[1];
    QCOMPARE(first.Day[1].QF, 97);
    QCOMPARE(first.Day[2].QF, 88);
    QCOMPARE(first.Day[7].QF, 0);       // missing file
    QCOMPARE(first.Day[1].Total, 5);    // totals belong to the week view
    QCOMPARE(model.Week_Results[2].Day[1].QF, 42);

    const Week_QF_Table_Texts table = Show_Week_QF_Table(model, info);
    QCOMPARE(table.Info2[1], info[1]);
    QCOMPARE(table.QF[1][1], QStringLiteral("97"));
    QCOMPARE(table.QF[2][1], QStringLiteral("42"));

    Clear_Week_QF(model);
    QCOMPARE(model.Week_Results[1].Day[1].QF, 0);
    QCOMPARE(model.Week_Results[2].Day[1].QF, 0);
    QCOMPARE(model.Week_Results[1].Day[1].Total, 5);
}

QTEST_GUILESS_MAIN(Test_Day_Week_Views)
#include "test_day_week_views.moc"
