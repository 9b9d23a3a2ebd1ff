#include "day_file_fixture.h"

#include "data/statistics_view.h"

#include <QTest>

using namespace telvo;
using telvo::test::Day_File_Fixture;
using telvo::test::Set_Device;

namespace {

const QChar Bar(0x00A6);

QList<qsizetype> Bar_Positions(const QString &line)
{
    QList<qsizetype> positions;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == Bar)
            positions.append(i);
    }
    return positions;
}

} // namespace

class Test_Statistics_View : public QObject {
    Q_OBJECT

private slots:
    void pad_to_column_data();
    void pad_to_column();
    void percentage_text_data();
    void percentage_text();
    void list_lines();
    void list_with_values_past_the_columns();
    void collect_two_years_of_weeks();
};

void Test_Statistics_View::pad_to_column_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("padded");
    QTest::newRow("short") << "ab" << 5 << "ab   ";
    QTest::newRow("one short") << "abcd" << 5 << "abcd ";
    QTest::newRow("reaches the column") << "abcde" << 5 << "abcde ";
    QTest::newRow("passes the column") << "abcdefg" << 5 << "abcdefg ";
    QTest::newRow("empty") << "" << 3 << "   ";
}

void Test_Statistics_View::pad_to_column()
{
    QFETCH(QString, text);
    QFETCH(int, column);
    QFETCH(QString, padded);
    QCOMPARE(Pad_To_Column(text, column), padded);
}

void Test_Statistics_View::percentage_text_data()
{
    QTest::addColumn<qint64>("a");
    QTest::addColumn<qint64>("b");
    QTest::addColumn<QString>("text");
    QTest::newRow("150 against 200") << qint64(150) << qint64(200) << "-25";
    QTest::newRow("201 against 200 cut to 0") << qint64(201) << qint64(200) << "0";
    QTest::newRow("199 against 200, no minus zero") << qint64(199) << qint64(200) << "0";
    QTest::newRow("300 against 200") << qint64(300) << qint64(200) << "+50";
    QTest::newRow("whole percentage stays whole") << qint64(129) << qint64(100) << "+29";
    QTest::newRow("cut toward zero, negative") << qint64(1) << qint64(3) << "-66";
    QTest::newRow("cut toward zero, positive") << qint64(5) << qint64(3) << "+66";
    QTest::newRow("past 32 bits") << qint64(4000000000) << qint64(1) << "+399999999900";
    QTest::newRow("nothing this year") << qint64(0) << qint64(200) << "---";
    QTest::newRow("nothing last year") << qint64(200) << qint64(0) << "---";
}

void Test_Statistics_View::percentage_text()
{
    QFETCH(qint64, a);
    QFETCH(qint64, b);
    QFETCH(QString, text);
    QCOMPARE(Percentage_Text(a, b), text);
}

void Test_Statistics_View::list_lines()
{
    Model model;
    model.Texts.Lang_Week = QStringLiteral("Week");
    Statistics_Weeks_Record &weeks = model.Statistics_Weeks;
    weeks.This_Year[1] = 150;
    weeks.Last_Year[1] = 200;
    weeks.Last_Year[2] = 100;
    weeks.This_Year[3] = 300;
    weeks.Last_Year[3] = 200;

    const QStringList lines = Show_Statistics_List(model);

    QCOMPARE(lines.size(), 53);
    QCOMPARE(lines[0], QStringLiteral("Week 01    \u00a6 150      \u00a6  150         \u00a6  200     "
                                      "\u00a6  200         \u00a6  -25     % \u00a6  -25    % \u00a6"));
    QCOMPARE(lines[2], QStringLiteral("Week 03    \u00a6 300      \u00a6  450         \u00a6  200     "
                                      "\u00a6  500         \u00a6  +50     % \u00a6  -10    % \u00a6"));
    // Week 2 has nothing this year: no week percentage, but the running sums have one.
    QVERIFY(lines[1].contains(QStringLiteral("\u00a6  ---     % \u00a6  -50    % \u00a6")));
    const QList<qsizetype> columns{11, 22, 37, 48, 63, 76, 88};
    for (const QString &line : lines)
        QCOMPARE(Bar_Positions(line), columns);
    QVERIFY(lines[52].startsWith(QStringLiteral("Week 53    \u00a6 0        \u00a6  450 ")));
}

void Test_Statistics_View::list_with_values_past_the_columns()
{
    Model model;
    model.Texts.Lang_Week = QStringLiteral("Week");
    model.Statistics_Weeks.This_Year[1] = 1234567890;
    model.Statistics_Weeks.This_Year[2] = 2000000000;
    model.Statistics_Weeks.Last_Year[1] = 500;

    const QStringList lines = Show_Statistics_List(model);

    QCOMPARE(lines.size(), 53);
    QCOMPARE(lines[0], QStringLiteral("Week 01    \u00a6 1234567890 \u00a6  1234567890 \u00a6  500    "
                                      "\u00a6  500         \u00a6  +246913478 % \u00a6  +246913478 % \u00a6"));
    // The running sum of this year is past 32 bits.
    QVERIFY(lines[1].contains(QStringLiteral("\u00a6  3234567890 \u00a6")));
}

void Test_Statistics_View::collect_two_years_of_weeks()
{
    // Monday weeks: 2020 runs 30-12-2019 .. 03-01-2021 (53 weeks),
    // 2021 runs 04-01-2021 .. 02-01-2022 (52 weeks).
    Day_File_Fixture files;
    Model model;
    model.Monday_Is_Day_One = true;
    model.Texts.Lang_Year_Label = QStringLiteral("Year:");
    model.Texts.Lang_Week = QStringLiteral("Week");
    Set_Device(model, 1, 7, QStringLiteral("Gate"), files.Dir());
    Set_Device(model, 2, 8, QStringLiteral("Gate"), files.Dir());
    for (const auto &[date, visitors] : QList<std::pair<QDate, int>>{
             {QDate(2019, 12, 29), 1000}, {QDate(2019, 12, 30), 1}, {QDate(2020, 1, 5), 2},
             {QDate(2021, 1, 3), 53},     {QDate(2021, 1, 4), 10},  {QDate(2022, 1, 2), 520},
             {QDate(2022, 1, 3), 1000}}) {
        files.Write_In_Out(8, date, visitors);
        files.Write_In_Out(7, date, 9999);
    }
    model.Statistics_Weeks.This_Year[53] = 77;

    const QString title = Collect_Statistics(model, 2, QDate(2021, 6, 15));

    QCOMPARE(title, QStringLiteral("Year: 2020 - 2021, Gate"));
    const Statistics_Weeks_Record &weeks = model.Statistics_Weeks;
    QCOMPARE(weeks.Last_Year[1], 3);
    QCOMPARE(weeks.Last_Year[53], 53);
    QCOMPARE(weeks.This_Year[1], 10);
    QCOMPARE(weeks.This_Year[52], 520);
    QCOMPARE(weeks.This_Year[53], 0);
    std::int64_t sum = 0;
    for (int w = 1; w <= 53; ++w)
        sum += weeks.This_Year[w] + weeks.Last_Year[w];
    QCOMPARE(sum, 586);

    const QStringList lines = Show_Statistics_List(model);
    QCOMPARE(lines[52], QStringLiteral("Week 53    \u00a6 0        \u00a6  530         \u00a6  53      "
                                       "\u00a6  56          \u00a6  ---     % \u00a6  +846   % \u00a6"));

    Clear_Statistics(model);
    QCOMPARE(model.Statistics_Weeks.Last_Year[53], 0);
}

QTEST_GUILESS_MAIN(Test_Statistics_View)
#include "test_statistics_view.moc"
