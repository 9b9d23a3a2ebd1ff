#include "data/calendar.h"
#include "data/device_lookup.h"
#include "data/text_functions.h"

#include <QTest>

#include <limits>

using namespace telvo;

namespace {

constexpr int Sunday = 1;
constexpr int Monday = 2;

// Weeks run Monday..Sunday or Sunday..Saturday, as the week setting says.
Model Week_Model(bool monday_first)
{
    Model model;
    model.Monday_Is_Day_One = monday_first;
    model.Sunday_Is_Day_One = !monday_first;
    return model;
}

class Test_Calendar : public QObject {
    Q_OBJECT

private slots:
    void Day_Of_Week_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("weekday");

        QTest::newRow("Sunday") << QDate(2000, 1, 2) << 1;
        QTest::newRow("Monday") << QDate(2000, 1, 3) << 2;
        QTest::newRow("Saturday") << QDate(2000, 1, 1) << 7;
        QTest::newRow("zero date is a Saturday") << QDate(1899, 12, 30) << 7;
        QTest::newRow("invalid") << QDate() << 0;
    }

    void Day_Of_Week()
    {
        QFETCH(QDate, date);
        QFETCH(int, weekday);
        QCOMPARE(telvo::Day_Of_Week(date), weekday);
    }

    void First_Day_Of_Week1_data()
    {
        QTest::addColumn<bool>("monday_first");
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("jan1_weekday");
        QTest::addColumn<int>("weeks_last_year");

        // One year for each weekday of 1 January, in both week kinds.
        QTest::newRow("Mon: Sunday 2006") << true << 2006 << QDate(2006, 1, 2) << 1 << 52;
        QTest::newRow("Mon: Monday 2001") << true << 2001 << QDate(2001, 1, 1) << 2 << 52;
        QTest::newRow("Mon: Tuesday 2002") << true << 2002 << QDate(2001, 12, 31) << 3 << 52;
        QTest::newRow("Mon: Wednesday 2003") << true << 2003 << QDate(2002, 12, 30) << 4 << 52;
        QTest::newRow("Mon: Thursday 2004") << true << 2004 << QDate(2003, 12, 29) << 5 << 52;
        QTest::newRow("Mon: Friday 2010") << true << 2010 << QDate(2010, 1, 4) << 6 << 53;
        QTest::newRow("Mon: Saturday 2000") << true << 2000 << QDate(2000, 1, 3) << 7 << 52;
        QTest::newRow("Sun: Sunday 2006") << false << 2006 << QDate(2006, 1, 1) << 1 << 52;
        QTest::newRow("Sun: Monday 2001") << false << 2001 << QDate(2000, 12, 31) << 2 << 52;
        QTest::newRow("Sun: Tuesday 2002") << false << 2002 << QDate(2001, 12, 30) << 3 << 52;
        QTest::newRow("Sun: Wednesday 2003") << false << 2003 << QDate(2002, 12, 29) << 4 << 52;
        QTest::newRow("Sun: Thursday 2004") << false << 2004 << QDate(2003, 12, 28) << 5 << 52;
        QTest::newRow("Sun: Friday 2010") << false << 2010 << QDate(2010, 1, 3) << 6 << 53;
        QTest::newRow("Sun: Saturday 2000") << false << 2000 << QDate(2000, 1, 2) << 7 << 52;
    }

    void First_Day_Of_Week1()
    {
        QFETCH(bool, monday_first);
        QFETCH(int, year);
        QFETCH(QDate, start);
        QFETCH(int, jan1_weekday);
        QFETCH(int, weeks_last_year);
        Model model = Week_Model(monday_first);
        QCOMPARE(telvo::First_Day_Of_Week1(model, year), start);
        QCOMPARE(model.Jan1_Weekday, jan1_weekday);
        QCOMPARE(model.Weeks_In_Last_Year, weeks_last_year);
    }

    void Week_Number_data()
    {
        QTest::addColumn<bool>("monday_first");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("week");
        QTest::addColumn<bool>("next_year");
        QTest::addColumn<int>("jan1_weekday");

        QTest::newRow("Mon: 1 Jan 2000 in last year's week") << true << QDate(2000, 1, 1) << 52 << false << 7;
        QTest::newRow("Mon: first day of week 1") << true << QDate(2000, 1, 3) << 1 << false << 7;
        QTest::newRow("Mon: last day of week 1") << true << QDate(2000, 1, 9) << 1 << false << 7;
        QTest::newRow("Mon: first day of week 2") << true << QDate(2000, 1, 10) << 2 << false << 7;
        QTest::newRow("Mon: 31 Dec 2004 week 53") << true << QDate(2004, 12, 31) << 53 << false << 7;
        QTest::newRow("Mon: 1 Jan 2010 week 53") << true << QDate(2010, 1, 1) << 53 << false << 6;
        QTest::newRow("Mon: 30 Dec 2019 next year's week 1") << true << QDate(2019, 12, 30) << 1 << true << 4;
        QTest::newRow("Mon: 29 Dec 2008 next year's week 1") << true << QDate(2008, 12, 29) << 1 << true << 5;
        QTest::newRow("Mon: 31 Dec 2020 keeps week 53") << true << QDate(2020, 12, 31) << 53 << false << 6;
        // Differs from ISO 8601 (week 53) by the Friday rule for the year before.
        QTest::newRow("Mon: 1 Jan 2005 week 52") << true << QDate(2005, 1, 1) << 52 << false << 7;
        QTest::newRow("Sun: 2 Jan 2000 week 1") << false << QDate(2000, 1, 2) << 1 << false << 7;
        QTest::newRow("Sun: 1 Jan 2000 last year's week") << false << QDate(2000, 1, 1) << 52 << false << 7;
        QTest::newRow("Sun: 31 Dec 2017 next year's week 1") << false << QDate(2017, 12, 31) << 1 << true << 2;
        QTest::newRow("Sun: 3 Jan 2010 week 1") << false << QDate(2010, 1, 3) << 1 << false << 6;
        QTest::newRow("Sun: 2 Jan 2010 week 53") << false << QDate(2010, 1, 2) << 53 << false << 6;
    }

    void Week_Number()
    {
        QFETCH(bool, monday_first);
        QFETCH(QDate, date);
        QFETCH(int, week);
        QFETCH(bool, next_year);
        QFETCH(int, jan1_weekday);
        Model model = Week_Model(monday_first);
        model.Week_In_Next_Year = !next_year;
        QCOMPARE(telvo::Week_Number(model, date), week);
        QCOMPARE(model.Week_In_Next_Year, next_year);
        QCOMPARE(model.Jan1_Weekday, jan1_weekday);
    }

    void Week_Number_Of_Invalid_Date()
    {
        Model model = Week_Model(true);
        model.Week_In_Next_Year = true;
        QCOMPARE(telvo::Week_Number(model, QDate()), 0);
        QVERIFY(!model.Week_In_Next_Year);
    }

    void Week_Limits_data()
    {
        QTest::addColumn<bool>("monday_first");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");

        // The week of 2..8 January 2000 (Sunday..Saturday) in both week kinds.
        QTest::newRow("Mon: Sunday") << true << QDate(2000, 1, 2) << QDate(2000, 1, 3) << QDate(2000, 1, 2);
        QTest::newRow("Mon: Monday") << true << QDate(2000, 1, 3) << QDate(2000, 1, 3) << QDate(2000, 1, 2);
        QTest::newRow("Mon: Tuesday") << true << QDate(2000, 1, 4) << QDate(2000, 1, 3) << QDate(2000, 1, 2);
        QTest::newRow("Mon: Wednesday") << true << QDate(2000, 1, 5) << QDate(2000, 1, 3) << QDate(2000, 1, 2);
        QTest::newRow("Mon: Thursday") << true << QDate(2000, 1, 6) << QDate(2000, 1, 3) << QDate(2000, 1, 9);
        QTest::newRow("Mon: Friday") << true << QDate(2000, 1, 7) << QDate(2000, 1, 10) << QDate(2000, 1, 9);
        QTest::newRow("Mon: Saturday") << true << QDate(2000, 1, 8) << QDate(2000, 1, 10) << QDate(2000, 1, 9);
        QTest::newRow("Sun: Sunday") << false << QDate(2000, 1, 2) << QDate(2000, 1, 2) << QDate(2000, 1, 1);
        QTest::newRow("Sun: Monday") << false << QDate(2000, 1, 3) << QDate(2000, 1, 2) << QDate(2000, 1, 1);
        QTest::newRow("Sun: Tuesday") << false << QDate(2000, 1, 4) << QDate(2000, 1, 2) << QDate(2000, 1, 1);
        QTest::newRow("Sun: Wednesday") << false << QDate(2000, 1, 5) << QDate(2000, 1, 2) << QDate(2000, 1, 1);
        QTest::newRow("Sun: Thursday") << false << QDate(2000, 1, 6) << QDate(2000, 1, 2) << QDate(2000, 1, 8);
        QTest::newRow("Sun: Friday") << false << QDate(2000, 1, 7) << QDate(2000, 1, 9) << QDate(2000, 1, 8);
        QTest::newRow("Sun: Saturday") << false << QDate(2000, 1, 8) << QDate(2000, 1, 9) << QDate(2000, 1, 8);
    }

    void Week_Limits()
    {
        QFETCH(bool, monday_first);
        QFETCH(QDate, date);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        const Model model = Week_Model(monday_first);
        QCOMPARE(First_Week_Day_At(model, date.year(), date.month(), date.day()), first);
        QCOMPARE(Last_Week_Day_At(model, date.year(), date.month(), date.day()), last);
    }

    void Week_Limits_Of_Invalid_Date()
    {
        const Model model = Week_Model(true);
        QVERIFY(!First_Week_Day_At(model, 2001, 2, 29).isValid());
        QVERIFY(!Last_Week_Day_At(model, 2000, 13, 1).isValid());
    }

    void Period_Limits_data()
    {
        QTest::addColumn<bool>("monday_first");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("period");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");

        QTest::newRow("Mon: 2000 P1") << true << 2000 << 1 << QDate(2000, 1, 3) << QDate(2000, 4, 2);
        QTest::newRow("Mon: 2000 P2") << true << 2000 << 2 << QDate(2000, 4, 3) << QDate(2000, 7, 2);
        QTest::newRow("Mon: 2000 P3") << true << 2000 << 3 << QDate(2000, 7, 3) << QDate(2000, 10, 1);
        QTest::newRow("Mon: 2000 P4") << true << 2000 << 4 << QDate(2000, 10, 2) << QDate(2000, 12, 31);
        QTest::newRow("Mon: 2004 P1 starts in 2003") << true << 2004 << 1 << QDate(2003, 12, 29) << QDate(2004, 3, 28);
        QTest::newRow("Sun: 2000 P1") << false << 2000 << 1 << QDate(2000, 1, 2) << QDate(2000, 4, 1);
        QTest::newRow("Sun: 2000 P4") << false << 2000 << 4 << QDate(2000, 10, 1) << QDate(2000, 12, 30);
        QTest::newRow("period 0") << true << 2000 << 0 << QDate() << QDate();
        QTest::newRow("period 5") << true << 2000 << 5 << QDate() << QDate();
        QTest::newRow("negative period") << false << 2000 << -1 << QDate() << QDate();
    }

    void Period_Limits()
    {
        QFETCH(bool, monday_first);
        QFETCH(int, year);
        QFETCH(int, period);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        const Model model = Week_Model(monday_first);
        QCOMPARE(Period_First_Day(model, year, period), first);
        QCOMPARE(Period_Last_Day(model, year, period), last);
    }

    // The four periods of consecutive years are whole weeks that join without
    // gap or overlap and begin on the week's first day.
    void Periods_Tile_The_Years()
    {
        for (const bool monday_first : {true, false}) {
            const Model model = Week_Model(monday_first);
            const int week_start = monday_first ? Monday : Sunday;
            QDate previous_last = Period_Last_Day(model, 1989, 4);
            for (int year = 1990; year <= 2040; ++year) {
                for (int period = 1; period <= 4; ++period) {
                    const QDate first = Period_First_Day(model, year, period);
                    const QDate last = Period_Last_Day(model, year, period);
                    QCOMPARE(first, previous_last.addDays(1));
                    QCOMPARE(telvo::Day_Of_Week(first), week_start);
                    QCOMPARE((first.daysTo(last) + 1) % 7, 0);
                    previous_last = last;
                }
            }
        }
    }

    void Date_Of_Text_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");

        QTest::newRow("stored form") << "23-02-2000" << QDate(2000, 2, 23);
        QTest::newRow("single-digit day and month") << "1-2-2000" << QDate(2000, 2, 1);
        QTest::newRow("leap day") << "29-02-2000" << QDate(2000, 2, 29);
        QTest::newRow("no leap day in 1900") << "29-02-1900" << QDate();
        QTest::newRow("31 April") << "31-04-2000" << QDate();
        QTest::newRow("day 0") << "00-01-2000" << QDate();
        QTest::newRow("month 13") << "01-13-2000" << QDate();
        QTest::newRow("year 0") << "01-01-0000" << QDate();
        QTest::newRow("empty") << "" << QDate();
        QTest::newRow("two-digit year") << "23-02-00" << QDate();
        QTest::newRow("other separator") << "23/02/2000" << QDate();
        QTest::newRow("four parts") << "23-02-2000-1" << QDate();
        QTest::newRow("empty part") << "23--2000" << QDate();
        QTest::newRow("leading blank") << " 23-02-2000" << QDate();
        QTest::newRow("sign") << "+1-02-2000" << QDate();
        QTest::newRow("letters") << "ab-cd-efgh" << QDate();
        QTest::newRow("long day") << "99999999999-01-2000" << QDate();
        QTest::newRow("non-ASCII digits") << QString::fromUtf8("\u0662\u0663-02-2000") << QDate();
    }

    void Date_Of_Text()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(telvo::Date_Of_Text(text), date);
    }

    void Date_Text_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");

        QTest::newRow("leading zeros") << QDate(2000, 2, 3) << "03-02-2000";
        QTest::newRow("end of year") << QDate(1999, 12, 31) << "31-12-1999";
        QTest::newRow("year below 1000") << QDate(999, 1, 1) << "01-01-0999";
        QTest::newRow("invalid") << QDate() << "";
    }

    void Date_Text()
    {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        QCOMPARE(telvo::Date_Text(date), text);
        if (date.isValid())
            QCOMPARE(telvo::Date_Of_Text(text), date);
    }

    void Int_To_Text_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");

        QTest::newRow("zero") << 0 << "0";
        QTest::newRow("negative") << -15 << "-15";
        QTest::newRow("largest") << std::numeric_limits<int>::max() << "2147483647";
        QTest::newRow("smallest") << std::numeric_limits<int>::min() << "-2147483648";
    }

    void Int_To_Text()
    {
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(telvo::Int_To_Text(n), text);
    }

    void Text_To_Int_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("n");

        QTest::newRow("decimal") << "95" << 95;
        QTest::newRow("leading blank") << " 95" << 95;
        QTest::newRow("trailing letter") << "95a" << 0;
        QTest::newRow("trailing blank") << "95 " << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("only blanks") << "  " << 0;
        QTest::newRow("minus") << "-15" << -15;
        QTest::newRow("plus") << "+7" << 7;
        QTest::newRow("lone sign") << "-" << 0;
        QTest::newRow("dollar hex") << "$1F" << 31;
        QTest::newRow("x hex") << "x1f" << 31;
        QTest::newRow("X hex") << "X10" << 16;
        QTest::newRow("0x hex") << "0x10" << 16;
        QTest::newRow("0X is no prefix") << "0X10" << 0;
        QTest::newRow("negative hex") << "-$10" << -16;
        QTest::newRow("hex prefix alone") << "$" << 0;
        QTest::newRow("largest") << "2147483647" << std::numeric_limits<int>::max();
        QTest::newRow("smallest") << "-2147483648" << std::numeric_limits<int>::min();
        QTest::newRow("too large") << "2147483648" << 0;
        QTest::newRow("far too large") << "99999999999999999999" << 0;
        QTest::newRow("hex too large") << "$FFFFFFFF" << 0;
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("9\u0665") << 0;
    }

    void Text_To_Int()
    {
        QFETCH(QString, text);
        QFETCH(int, n);
        QCOMPARE(telvo::Text_To_Int(text), n);
    }

    void Device_Lookups()
    {
        Model model;
        Set_Device_Keys(model);
        const QStringList names{"Entrance", "Shop", "Entrance", "", "Hall"};
        const QList<std::uint16_t> numbers{7, 12, 45, 0, 12};
        for (int slot = 1; slot <= Device_Slots; ++slot) {
            model.ID_Names[slot] = names[slot - 1];
            model.ID_Numbers[slot] = numbers[slot - 1];
            model.ID_Records[slot].Data_Dir = QStringLiteral("/dir%1").arg(slot);
        }

        QCOMPARE(ID_Number_Of_Name(model, "Shop"), 12);
        QCOMPARE(ID_Number_Of_Name(model, "Entrance"), 45); // the higher slot wins
        QCOMPARE(ID_Number_Of_Name(model, "entrance"), 0);  // case matters
        QCOMPARE(ID_Number_Of_Name(model, "Nowhere"), 0);
        QCOMPARE(ID_Name_Of_Number(model, 12), QStringLiteral("Hall"));
        QCOMPARE(ID_Name_Of_Number(model, 7), QStringLiteral("Entrance"));
        QCOMPARE(ID_Name_Of_Number(model, 0), QString()); // the slot never set
        QCOMPARE(ID_Name_Of_Number(model, 99), QString());

        ID_Record record;
        ID_Record_Of_Name(model, "Entrance", record);
        QCOMPARE(record.Data_Dir, QStringLiteral("/dir3"));
        QCOMPARE(record.Key, QStringLiteral("ID3"));
        ID_Record_Of_Name(model, "Nowhere", record);
        QCOMPARE(record.Data_Dir, QStringLiteral("/dir3")); // unchanged
    }

    void Device_Keys()
    {
        Model model;
        Set_Device_Keys(model);
        for (int slot = 1; slot <= Device_Slots; ++slot)
            QCOMPARE(model.ID_Records[slot].Key, QStringLiteral("ID%1").arg(slot));
    }

    void Clear_Half_Hour_Table_Keeps_Header()
    {
        Model model;
        model.Day_File_Header = QStringLiteral("header");
        for (Half_Hour_Slot &slot : model.Half_Hour_Table) {
            slot.End_Minute = -1;
            slot.Counts.Fill(9);
        }
        telvo::Clear_Half_Hour_Table(model);
        for (int s = 1; s <= Half_Hour_Slots; ++s) {
            QCOMPARE(model.Half_Hour_Table[s].End_Minute, 30 * s);
            for (const std::uint16_t count : model.Half_Hour_Table[s].Counts)
                QCOMPARE(count, 0);
        }
        QCOMPARE(model.Day_File_Header, QStringLiteral("header"));
    }

    void Result_Resets()
    {
        Model model;
        for (int row = 1; row <= Rows_Per_View; ++row) {
            model.Day_Results[row].In.Fill(1);
            model.Day_Results[row].Out.Fill(2);
            model.Day_Results[row].Total = 3;
            model.Week_Results[row].Day.Fill({4, 5});
            model.Week_Results[row].Total = 6;
            model.Month_Results[row] = {static_cast<std::uint16_t>(row), 2017, 30, {}, 7};
            model.Month_Results[row].Day.Fill(8);
            model.Quarter_Results[row] = {2016, static_cast<std::uint8_t>(row % 4 + 1), {}, 9};
            model.Quarter_Results[row].Week.Fill(10);
        }
        Reset_Day_Results(model);
        Reset_Week_Results(model);
        Reset_Month_Results(model);
        Reset_Quarter_Results(model);

        for (int row = 1; row <= Rows_Per_View; ++row) {
            const Day_Result &day = model.Day_Results[row];
            QCOMPARE(day.In, Day_Result{}.In);
            QCOMPARE(day.Out, Day_Result{}.Out);
            QCOMPARE(day.Total, 0);
            for (const Week_Day_Result &week_day : model.Week_Results[row].Day) {
                QCOMPARE(week_day.Total, 0);
                QCOMPARE(week_day.QF, 0);
            }
            QCOMPARE(model.Week_Results[row].Total, 0);

            const Month_Result &month = model.Month_Results[row];
            QCOMPARE(month.Month, row); // the row's selection stays
            QCOMPARE(month.Year, 2017);
            QCOMPARE(month.Days_In_Month, 30);
            QCOMPARE(month.Day, Month_Result{}.Day);
            QCOMPARE(month.Total, 0);

            const Quarter_Result &quarter = model.Quarter_Results[row];
            QCOMPARE(quarter.Year, 2016);
            QCOMPARE(quarter.Period, row % 4 + 1);
            QCOMPARE(quarter.Week, Quarter_Result{}.Week);
            QCOMPARE(quarter.Total, 0);
        }
    }
};

} // namespace

QTEST_GUILESS_MAIN(Test_Calendar)
#include "test_calendar.moc"
