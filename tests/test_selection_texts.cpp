#include "data/selection_texts.h"

#include <QTest>

#include <utility>

using namespace telvo;

namespace {

Model Model_With_Weeks(bool sunday_weeks)
{
    Model model;
    model.Sunday_Is_Day_One = sunday_weeks;
    model.Monday_Is_Day_One = !sunday_weeks;
    model.Texts.Lang_Week = QStringLiteral("Week");
    model.Texts.Lang_Month = QStringLiteral("Month");
    model.Texts.Lang_Period = QStringLiteral("Period");
    return model;
}

} // namespace

class Test_Selection_Texts : public QObject {
    Q_OBJECT

private slots:
    void week_date_text_data();
    void week_date_text();
    void row_texts();
    void month_and_period_captions();
    void period_range_data();
    void period_range();
};

void Test_Selection_Texts::week_date_text_data()
{
    QTest::addColumn<bool>("sunday_weeks");
    QTest::addColumn<QDate>("picked");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Monday 30-12-2002 is in week 1 of 2003")
        << false << QDate(2002, 12, 30) << "30-12-2003" << "Week 1, 2003";
    QTest::newRow("01-01-2023 is in the last week of 2022")
        << false << QDate(2023, 1, 1) << "01-01-2023" << "Week 52, 2023";
    QTest::newRow("an ordinary week") << false << QDate(2024, 3, 10) << "10-03-2024" << "Week 10, 2024";
    QTest::newRow("Sunday weeks, a Sunday stores the Monday")
        << true << QDate(2000, 3, 12) << "13-03-2000" << "Week 11, 2000";
    QTest::newRow("no date") << false << QDate() << "" << "";
}

void Test_Selection_Texts::week_date_text()
{
    QFETCH(bool, sunday_weeks);
    QFETCH(QDate, picked);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    Model model = Model_With_Weeks(sunday_weeks);

    model.Week_Dates[2] = picked;
    model.Week_Date_Texts[2] = Make_Week_Date_Text(model, picked);

    QCOMPARE(model.Week_Date_Texts[2], stored);
    QCOMPARE(Show_Selections(model).Week_Select[2], shown);
}

void Test_Selection_Texts::row_texts()
{
    Model model = Model_With_Weeks(false);
    model.Day_Date_Texts[1] = QStringLiteral("23-02-2000");
    model.Week_Dates.Fill(QDate(2024, 3, 10));
    model.Week_Date_Texts[1] = QStringLiteral("10-03-2024");
    model.Week_Dates[3] = QDate(); // a text without a valid date counts as no week
    model.Week_Date_Texts[3] = QStringLiteral("10-03-2024");
    model.Month_Results[4].Month = 3;
    model.Month_Results[4].Year = 2001;

    const Selection_Texts texts = Show_Selections(model);

    QCOMPARE(texts.Day_Select[1], QStringLiteral("23-02-2000"));
    QCOMPARE(texts.Day_Select[2], QString());
    QCOMPARE(texts.Week_Select[1], QStringLiteral("Week 10, 2024"));
    QCOMPARE(texts.Week_Select[2], QString()); // date but no text
    QCOMPARE(texts.Week_Select[3], QString());
    QCOMPARE(texts.Month_Period_Select[4], QStringLiteral("Month 3, 2001"));
    QCOMPARE(texts.Month_Period_Select[1], QString());
}

void Test_Selection_Texts::month_and_period_captions()
{
    Model model = Model_With_Weeks(false);
    const QList<std::pair<int, int>> choices{{3, 2001}, {3, 0}, {0, 2001}};
    for (int r = 1; r <= 3; ++r) {
        model.Month_Results[r].Month = static_cast<std::uint16_t>(choices[r - 1].first);
        model.Month_Results[r].Year = static_cast<std::uint16_t>(choices[r - 1].second);
        model.Quarter_Results[r].Period = static_cast<std::uint8_t>(choices[r - 1].first % 4);
        model.Quarter_Results[r].Year = static_cast<std::uint16_t>(choices[r - 1].second);
    }

    const Per_Row<QString> months = Show_Month_Selections(model);
    QCOMPARE(months[1], QStringLiteral("Month 3, 2001"));
    QCOMPARE(months[2], QString());
    QCOMPARE(months[3], QStringLiteral("Month 0, 2001")); // only the year decides
    QCOMPARE(months[5], QString());

    const Per_Row<QString> periods = Show_Period_Selections(model);
    QCOMPARE(periods[1], QStringLiteral("Period 3, 2001"));
    QCOMPARE(periods[2], QString());
    QCOMPARE(periods[3], QString());
}

void Test_Selection_Texts::period_range_data()
{
    QTest::addColumn<bool>("sunday_weeks");
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("range");
    QTest::newRow("Monday weeks, 1-2000") << false << 1 << 2000 << "Period: 03-01-2000 -> 02-04-2000";
    QTest::newRow("Sunday weeks, 1-2000") << true << 1 << 2000 << "Period: 02-01-2000 -> 01-04-2000";
    QTest::newRow("Monday weeks, 2-2000") << false << 2 << 2000 << "Period: 03-04-2000 -> 02-07-2000";
    QTest::newRow("Monday weeks, 4-2019") << false << 4 << 2019 << "Period: 30-09-2019 -> 29-12-2019";
    QTest::newRow("no period") << false << 0 << 2000 << "Period: 30-12-1899 -> 30-12-1899";
    QTest::newRow("period 5") << false << 5 << 2000 << "Period: 30-12-1899 -> 30-12-1899";
    QTest::newRow("no year") << false << 1 << 0 << "Period: 30-12-1899 -> 30-12-1899";
}

void Test_Selection_Texts::period_range()
{
    QFETCH(bool, sunday_weeks);
    QFETCH(int, period);
    QFETCH(int, year);
    QFETCH(QString, range);
    const Model model = Model_With_Weeks(sunday_weeks);
    QCOMPARE(Show_Period_Range(model, period, year), range);
}

QTEST_GUILESS_MAIN(Test_Selection_Texts)
#include "test_selection_texts.moc"
