#include "information_recorder.h"

#include "dialogs/calender_form.h"
#include "dialogs/month_select_form.h"
#include "dialogs/period_select_form.h"

#include "data/calendar.h"
#include "data/selection_texts.h"
#include "settings/language_tables.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

using namespace telvo;

namespace {

// A model in English with Monday or Sunday weeks.
Model Fresh_Model(bool sunday_weeks = false) {
    Model model;
    model.Language = QStringLiteral("ENGLISH");
    Set_Language_Texts(model);
    model.Monday_Is_Day_One = !sunday_weeks;
    model.Sunday_Is_Day_One = sunday_weeks;
    return model;
}

template <typename T> T *Child(const QWidget &window, const char *name) {
    T *child = window.findChild<T *>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

void Click(const QWidget &window, const char *button) {
    QTest::mouseClick(Child<QAbstractButton>(window, button), Qt::LeftButton);
}

// Clicks the item of a list, as the user does.
void Click_Item(QListWidget *list, const QString &text) {
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    if (found.size() != 1)
        qFatal("no single item %s", qPrintable(text));
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

bool Same(const Month_Result &a, const Month_Result &b) {
    return a.Month == b.Month && a.Year == b.Year && a.Days_In_Month == b.Days_In_Month && a.Day == b.Day &&
           a.Total == b.Total;
}

bool Same(const Quarter_Result &a, const Quarter_Result &b) {
    return a.Year == b.Year && a.Period == b.Period && a.Week == b.Week && a.Total == b.Total;
}

QString Selected_Text(const QListWidget *list) {
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.size() == 1 ? selected.first()->text() : QString();
}

// Records what a picker reported as stored.
struct Stored {
    QList<QPair<Row_Page, int>> Rows;

    template <typename Form> explicit Stored(Form &form) {
        QObject::connect(&form, &Form::selectionStored, &form, [this](Row_Page page, int row) {
            Rows.append({page, row});
        });
    }
};

// The information boxes shown while it lives.
struct Informed {
    QStringList Texts;
    telvo::test::Information_Recorder Recording{Texts};
};

} // namespace

class Test_Pickers : public QObject {
    Q_OBJECT

private slots:
    void calendarStoresDayRow();
    void calendarStoresWeekRow_data();
    void calendarStoresWeekRow();
    void calendarCancelChangesNothing();
    void calendarShowsRowDateAndLanguage();
    void calendarWeekColumn_data();
    void calendarWeekColumn();

    void monthPreselection_data();
    void monthPreselection();
    void monthOkStoresAndZeroesValues();
    void monthOkWithoutYearStoresNothing();

    void periodRange_data();
    void periodRange();
    void periodYearClickUpdatesRange();
    void periodPreselectionAndOk();
    void periodRowWithoutPeriodKeepsLastButton();
    void periodOkWithoutChoiceStoresNothing();

    void cancelChangesNoRow();
    void yearListsEndAfterCurrentYear_data();
    void yearListsEndAfterCurrentYear();
};

void Test_Pickers::calendarStoresDayRow() {
    Model model = Fresh_Model();
    TCalender_Form form(model);
    Stored stored(form);
    form.Open(3);
    QVERIFY(form.isVisible());
    Child<QCalendarWidget>(form, "MonthCalendar1")->setSelectedDate(QDate(2001, 6, 5));
    Click(form, "OK_Calender_Button");

    QCOMPARE(model.Day_Dates[3], QDate(2001, 6, 5));
    QCOMPARE(model.Day_Date_Texts[3], QStringLiteral("05-06-2001"));
    QCOMPARE(Show_Selections(model).Day_Select[3], QStringLiteral("05-06-2001"));
    QVERIFY(model.Day_Date_Texts[2].isEmpty());
    QCOMPARE(stored.Rows, (QList<QPair<Row_Page, int>>{{Row_Page::Day, 3}}));
    QVERIFY(!form.isVisible());
}

void Test_Pickers::calendarStoresWeekRow_data() {
    QTest::addColumn<bool>("sunday_weeks");
    QTest::addColumn<QDate>("picked");
    QTest::addColumn<QString>("stored_text");
    QTest::addColumn<QString>("row_text");

    QTest::newRow("late December in week 1") << false << QDate(2002, 12, 30) << "30-12-2003"
                                             << "Week 1, 2003";
    QTest::newRow("Sunday opening a Sunday week") << true << QDate(2000, 3, 12) << "13-03-2000"
                                                  << "Week 11, 2000";
    QTest::newRow("early January in last year's week") << false << QDate(2023, 1, 1) << "01-01-2023"
                                                       << "Week 52, 2023";
}

void Test_Pickers::calendarStoresWeekRow() {
    QFETCH(bool, sunday_weeks);
    QFETCH(QDate, picked);
    QFETCH(QString, stored_text);
    QFETCH(QString, row_text);

    Model model = Fresh_Model(sunday_weeks);
    TCalender_Form form(model);
    Stored stored(form);
    form.Open(Rows_Per_View + 2);
    QCOMPARE(model.Calendar_Target, Rows_Per_View + 2);
    Child<QCalendarWidget>(form, "MonthCalendar1")->setSelectedDate(picked);
    Click(form, "OK_Calender_Button");

    QCOMPARE(model.Week_Dates[2], picked);
    QCOMPARE(model.Week_Date_Texts[2], stored_text);
    QCOMPARE(Show_Selections(model).Week_Select[2], row_text);
    QCOMPARE(stored.Rows, (QList<QPair<Row_Page, int>>{{Row_Page::Week, 2}}));
}

void Test_Pickers::calendarCancelChangesNothing() {
    Model model = Fresh_Model();
    model.Week_Dates[4] = QDate(2010, 2, 3);
    model.Week_Date_Texts[4] = QStringLiteral("03-02-2010");
    TCalender_Form form(model);
    Stored stored(form);
    form.Open(Rows_Per_View + 4);
    Child<QCalendarWidget>(form, "MonthCalendar1")->setSelectedDate(QDate(2011, 7, 8));
    Click(form, "Cancel_Calender_Button");

    QCOMPARE(model.Week_Dates[4], QDate(2010, 2, 3));
    QCOMPARE(model.Week_Date_Texts[4], QStringLiteral("03-02-2010"));
    QVERIFY(stored.Rows.isEmpty());
    QVERIFY(!form.isVisible());
}

void Test_Pickers::calendarShowsRowDateAndLanguage() {
    Model model = Fresh_Model(true);
    model.Language = QStringLiteral("GERMAN");
    Set_Language_Texts(model);
    // A week row cleared by Clear keeps its date; a row never picked has none.
    model.Week_Dates[1] = QDate(2015, 8, 20);
    TCalender_Form form(model);
    form.Today = [] { return QDate(2019, 5, 15); };
    auto *calendar = Child<QCalendarWidget>(form, "MonthCalendar1");

    form.Open(Rows_Per_View + 1);
    QCOMPARE(calendar->selectedDate(), QDate(2015, 8, 20));
    QCOMPARE(calendar->monthShown(), 8);
    QCOMPARE(calendar->firstDayOfWeek(), Qt::Sunday);
    QCOMPARE(form.windowTitle(), model.Texts.Lang_Select_Date);
    QCOMPARE(Child<QPushButton>(form, "Cancel_Calender_Button")->text(), QStringLiteral("Löschen"));
    QCOMPARE(Child<QPushButton>(form, "OK_Calender_Button")->text(), model.Texts.Lang_Ok);

    model.Sunday_Is_Day_One = false;
    model.Monday_Is_Day_One = true;
    form.Open(2);
    QCOMPARE(calendar->selectedDate(), QDate(2019, 5, 15));
    QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);

    // Targets outside the ten rows are ignored.
    form.hide();
    form.Open(0);
    form.Open(2 * Rows_Per_View + 1);
    QVERIFY(!form.isVisible());
    QCOMPARE(model.Calendar_Target, 2);
}

void Test_Pickers::calendarWeekColumn_data() {
    QTest::addColumn<bool>("sunday_weeks");
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QString>("row_first_days");
    QTest::addColumn<QString>("week_numbers");

    // The 1st opening its week: the sheet starts a week earlier.
    QTest::newRow("March 2004, Monday weeks") << false << QDate(2004, 3, 10) << "23 1 8 15 22 29"
                                              << "9 10 11 12 13 14";
    QTest::newRow("January 2005, Monday weeks") << false << QDate(2005, 1, 10) << "27 3 10 17 24 31"
                                                << "53 1 2 3 4 5";
    QTest::newRow("January 2017, Sunday weeks") << true << QDate(2017, 1, 10) << "25 1 8 15 22 29"
                                                << "52 1 2 3 4 5";
    QTest::newRow("March 2000, Sunday weeks") << true << QDate(2000, 3, 12) << "27 5 12 19 26 2"
                                              << "9 10 11 12 13 14";
}

void Test_Pickers::calendarWeekColumn() {
    QFETCH(bool, sunday_weeks);
    QFETCH(QDate, shown);
    QFETCH(QString, row_first_days);
    QFETCH(QString, week_numbers);

    Model model = Fresh_Model(sunday_weeks);
    model.Day_Dates[1] = shown;
    TCalender_Form form(model);
    form.Open(1);

    // The rows as the calendar lays them out (row 0 is the weekday header,
    // column 0 the week column) and the numbers the program puts beside them.
    const auto *sheet = Child<QCalendarWidget>(form, "MonthCalendar1")->findChild<QTableView *>();
    QVERIFY(sheet);
    QStringList first_days;
    QStringList numbers;
    for (int row = 1; row <= 6; ++row) {
        first_days << sheet->model()->index(row, 1).data().toString();
        numbers << form.Week_Column_Text(row);
    }
    QCOMPARE(first_days.join(QLatin1Char(' ')), row_first_days);
    QCOMPARE(numbers.join(QLatin1Char(' ')), week_numbers);

    // Paging to another month renumbers the column.
    Child<QCalendarWidget>(form, "MonthCalendar1")->setCurrentPage(2000, 1);
    QCOMPARE(form.Week_Column_Text(1) + QLatin1Char(' ') + form.Week_Column_Text(2), QStringLiteral("52 1"));
}

void Test_Pickers::monthPreselection_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("month_item");
    QTest::addColumn<QString>("year_item");

    QTest::newRow("row without month: today") << 0 << 0 << "Month 5"
                                              << "2019";
    QTest::newRow("stored month") << 3 << 2001 << "Month 3"
                                  << "2001";
    QTest::newRow("stored year not offered") << 3 << 1985 << "Month 3"
                                             << "";
}

void Test_Pickers::monthPreselection() {
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, month_item);
    QFETCH(QString, year_item);

    Model model = Fresh_Model();
    model.Month_Results[2].Month = static_cast<std::uint16_t>(month);
    model.Month_Results[2].Year = static_cast<std::uint16_t>(year);
    TMonth_Select_Form form(model);
    form.Today = [] { return QDate(2019, 5, 15); };
    form.Open(2);

    QCOMPARE(model.Month_Target, 2);
    QCOMPARE(form.windowTitle(), QStringLiteral("Select Month"));
    QCOMPARE(Child<QLabel>(form, "Month_Label")->text(), QStringLiteral("Month:"));
    QCOMPARE(Child<QLabel>(form, "Year_Label")->text(), QStringLiteral("Year:"));
    QCOMPARE(Child<QPushButton>(form, "OK_Button")->text(), QStringLiteral("Ok"));
    const auto *months = Child<QListWidget>(form, "Month_List_Box");
    QCOMPARE(months->count(), 12);
    QCOMPARE(months->item(11)->text(), QStringLiteral("Month 12"));
    QCOMPARE(Selected_Text(months), month_item);
    QCOMPARE(Selected_Text(Child<QListWidget>(form, "Year_List_Box")), year_item);
}

void Test_Pickers::monthOkStoresAndZeroesValues() {
    Model model = Fresh_Model();
    Month_Result &row = model.Month_Results[4];
    row.Month = 3;
    row.Year = 2001;
    row.Days_In_Month = 31;
    row.Day.Fill(7);
    row.Total = 217;
    TMonth_Select_Form form(model);
    Stored stored(form);

    form.Open(4);
    Click(form, "OK_Button");
    QCOMPARE(int(row.Month), 3);
    QCOMPARE(int(row.Year), 2001);
    QCOMPARE(int(row.Days_In_Month), 0);
    QCOMPARE(row.Day[31], 0);
    QCOMPARE(row.Total, 0);
    QCOMPARE(Show_Month_Selections(model)[4], QStringLiteral("Month 3, 2001"));
    QCOMPARE(stored.Rows, (QList<QPair<Row_Page, int>>{{Row_Page::Month, 4}}));
    QVERIFY(!form.isVisible());

    // Another choice by clicking the lists.
    form.Open(4);
    Click_Item(Child<QListWidget>(form, "Month_List_Box"), QStringLiteral("Month 11"));
    Click_Item(Child<QListWidget>(form, "Year_List_Box"), QStringLiteral("1990"));
    Click(form, "OK_Button");
    QCOMPARE(Show_Month_Selections(model)[4], QStringLiteral("Month 11, 1990"));
}

void Test_Pickers::monthOkWithoutYearStoresNothing() {
    Model model = Fresh_Model();
    Month_Result &row = model.Month_Results[1];
    row.Month = 6;
    row.Year = 1985;
    row.Total = 40;
    TMonth_Select_Form form(model);
    Informed informed;
    Stored stored(form);

    form.Open(1);
    Click(form, "OK_Button");
    QCOMPARE(informed.Texts, QStringList{model.Texts.Lang_Incomplete_Choice});
    QCOMPARE(int(row.Year), 1985);
    QCOMPARE(int(row.Month), 6);
    QCOMPARE(row.Total, 40);
    QVERIFY(stored.Rows.isEmpty());
    QVERIFY(form.isVisible());

    Click_Item(Child<QListWidget>(form, "Year_List_Box"), QStringLiteral("2004"));
    Click(form, "OK_Button");
    QCOMPARE(informed.Texts.size(), 1);
    QCOMPARE(int(row.Year), 2004);
    QCOMPARE(int(row.Month), 6);
    QVERIFY(!form.isVisible());
}

void Test_Pickers::periodRange_data() {
    QTest::addColumn<bool>("sunday_weeks");
    QTest::addColumn<QString>("period_button");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("range");

    QTest::newRow("period 1 of 2000, Monday weeks") << false << "Period1_Button"
                                                    << "2000"
                                                    << "Period: 03-01-2000 -> 02-04-2000";
    QTest::newRow("period 1 of 2000, Sunday weeks") << true << "Period1_Button"
                                                    << "2000"
                                                    << "Period: 02-01-2000 -> 01-04-2000";
    QTest::newRow("period 2 of 2000, Monday weeks") << false << "Period2_Button"
                                                    << "2000"
                                                    << "Period: 03-04-2000 -> 02-07-2000";
    QTest::newRow("period 4 of 2019 ends before the new year's week") << false << "Period4_Button"
                                                                      << "2019"
                                                                      << "Period: 30-09-2019 -> 29-12-2019";
}

void Test_Pickers::periodRange() {
    QFETCH(bool, sunday_weeks);
    QFETCH(QString, period_button);
    QFETCH(QString, year);
    QFETCH(QString, range);

    Model model = Fresh_Model(sunday_weeks);
    TPeriod_Select_Form form(model);
    form.Today = [] { return QDate(2024, 2, 1); };
    form.Open(1);
    auto *panel = Child<QLabel>(form, "Panel2");
    QCOMPARE(panel->text(), QStringLiteral("Period: 30-12-1899 -> 30-12-1899"));

    Click_Item(Child<QListWidget>(form, "Year_List_Box"), year);
    Click(form, qPrintable(period_button));
    QCOMPARE(panel->text(), range);
}

void Test_Pickers::periodYearClickUpdatesRange() {
    Model model = Fresh_Model();
    TPeriod_Select_Form form(model);
    form.Open(1);
    auto *years = Child<QListWidget>(form, "Year_List_Box");
    auto *panel = Child<QLabel>(form, "Panel2");
    Click_Item(years, QStringLiteral("2000"));
    Click(form, "Period3_Button");
    QCOMPARE(panel->text(), QStringLiteral("Period: 03-07-2000 -> 01-10-2000"));
    Click_Item(years, QStringLiteral("2001"));
    QCOMPARE(panel->text(), QStringLiteral("Period: 02-07-2001 -> 30-09-2001"));
}

void Test_Pickers::periodPreselectionAndOk() {
    Model model = Fresh_Model();
    Quarter_Result &row = model.Quarter_Results[2];
    row.Period = 2;
    row.Year = 2000;
    row.Week.Fill(11);
    row.Total = 143;
    TPeriod_Select_Form form(model);
    Stored stored(form);

    form.Open(2);
    QCOMPARE(model.Period_Target, 2);
    QCOMPARE(form.windowTitle(), QStringLiteral("Select period"));
    QCOMPARE(Child<QLabel>(form, "Period_Lab")->text(), QStringLiteral("Period"));
    QCOMPARE(Child<QRadioButton>(form, "Period4_Button")->text(), QStringLiteral("Period 4"));
    QVERIFY(Child<QRadioButton>(form, "Period2_Button")->isChecked());
    QCOMPARE(Selected_Text(Child<QListWidget>(form, "Year_List_Box")), QStringLiteral("2000"));
    QCOMPARE(Child<QLabel>(form, "Panel2")->text(), QStringLiteral("Period: 03-04-2000 -> 02-07-2000"));

    Click(form, "Period4_Button");
    Click(form, "OK_Button");
    QCOMPARE(int(row.Period), 4);
    QCOMPARE(int(row.Year), 2000);
    QCOMPARE(row.Week[13], 0);
    QCOMPARE(row.Total, 0);
    QCOMPARE(Show_Period_Selections(model)[2], QStringLiteral("Period 4, 2000"));
    QCOMPARE(stored.Rows, (QList<QPair<Row_Page, int>>{{Row_Page::Quarter, 2}}));
    QVERIFY(!form.isVisible());
}

void Test_Pickers::periodRowWithoutPeriodKeepsLastButton() {
    Model model = Fresh_Model();
    model.Quarter_Results[1].Period = 3;
    model.Quarter_Results[1].Year = 2001;
    TPeriod_Select_Form form(model);
    form.Today = [] { return QDate(2000, 8, 1); };
    form.Open(1);
    Click(form, "OK_Button");

    // The button left from row 1, today's year, and the range of that choice.
    form.Open(5);
    QVERIFY(Child<QRadioButton>(form, "Period3_Button")->isChecked());
    QCOMPARE(Selected_Text(Child<QListWidget>(form, "Year_List_Box")), QStringLiteral("2000"));
    QCOMPARE(Child<QLabel>(form, "Panel2")->text(), QStringLiteral("Period: 03-07-2000 -> 01-10-2000"));
    Click(form, "OK_Button");
    QCOMPARE(int(model.Quarter_Results[5].Period), 3);
    QCOMPARE(int(model.Quarter_Results[5].Year), 2000);
}

void Test_Pickers::periodOkWithoutChoiceStoresNothing() {
    Model model = Fresh_Model();
    model.Quarter_Results[3].Year = 1985;
    model.Quarter_Results[3].Period = 2;
    TPeriod_Select_Form form(model);
    Informed informed;
    Stored stored(form);

    // No period button chosen yet.
    form.Open(1);
    Click(form, "OK_Button");
    QCOMPARE(informed.Texts, QStringList{model.Texts.Lang_Incomplete_Period});
    QCOMPARE(int(model.Quarter_Results[1].Period), 0);
    QCOMPARE(int(model.Quarter_Results[1].Year), 0);
    QVERIFY(form.isVisible());

    // A stored year the list does not offer leaves no year chosen.
    form.Open(3);
    QVERIFY(Selected_Text(Child<QListWidget>(form, "Year_List_Box")).isEmpty());
    Click(form, "OK_Button");
    QCOMPARE(informed.Texts.size(), 2);
    QCOMPARE(int(model.Quarter_Results[3].Year), 1985);
    QVERIFY(stored.Rows.isEmpty());
    QVERIFY(form.isVisible());
}

void Test_Pickers::cancelChangesNoRow() {
    Model model = Fresh_Model();
    model.Month_Results[1] = {3, 2001, 31, {}, 99};
    model.Quarter_Results[1].Period = 1;
    model.Quarter_Results[1].Year = 2002;
    model.Quarter_Results[1].Total = 77;
    const Model before = model;

    TMonth_Select_Form months(model);
    Stored months_stored(months);
    months.Open(1);
    Click_Item(Child<QListWidget>(months, "Month_List_Box"), QStringLiteral("Month 9"));
    Click(months, "Cancel_Button");

    TPeriod_Select_Form periods(model);
    Stored periods_stored(periods);
    periods.Open(1);
    Click(periods, "Period4_Button");
    Click(periods, "Cancel_Button");

    QVERIFY(Same(model.Month_Results[1], before.Month_Results[1]));
    QVERIFY(Same(model.Quarter_Results[1], before.Quarter_Results[1]));
    QVERIFY(months_stored.Rows.isEmpty());
    QVERIFY(periods_stored.Rows.isEmpty());
    QVERIFY(!months.isVisible());
    QVERIFY(!periods.isVisible());
}

void Test_Pickers::yearListsEndAfterCurrentYear_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("last_year");

    QTest::newRow("2019") << QDate(2019, 5, 15) << "2020";
    QTest::newRow("New Year's Eve 2031") << QDate(2031, 12, 31) << "2032";
}

void Test_Pickers::yearListsEndAfterCurrentYear() {
    QFETCH(QDate, today);
    QFETCH(QString, last_year);

    Model model = Fresh_Model();
    TMonth_Select_Form months(model);
    TPeriod_Select_Form periods(model);
    months.Today = [today] { return today; };
    periods.Today = [today] { return today; };
    months.Open(1);
    periods.Open(1);
    for (const QListWidget *years :
         {Child<QListWidget>(months, "Year_List_Box"), Child<QListWidget>(periods, "Year_List_Box")}) {
        QCOMPARE(years->item(0)->text(), QStringLiteral("1990"));
        QCOMPARE(years->item(years->count() - 1)->text(), last_year);
        QCOMPARE(years->count(), last_year.toInt() - 1990 + 1);
        QCOMPARE(Selected_Text(years), QString::number(today.year()));
    }
}

QTEST_MAIN(Test_Pickers)
#include "test_pickers.moc"
