#include "main_window_fixture.h"

#include "charts/chart_widget.h"
#include "views/selection_rows.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

using namespace telvo;
using namespace telvo::test;

class Test_Main_Window : public QObject {
    Q_OBJECT

private slots:
    void Start_Up_Restores_Rows_And_Computes_Week_Month_Quarter();
    void Page_Change_Computes_Its_View_Behind_The_Wait_Window_data();
    void Page_Change_Computes_Its_View_Behind_The_Wait_Window();
    void Second_Request_Within_The_Delay_Replaces_The_First();
    void Clear_Empties_The_Rows_And_Results_Of_The_Page_data();
    void Clear_Empties_The_Rows_And_Results_Of_The_Page();
    void Clear_On_The_Week_Page_Also_Empties_The_Week_QF_Page();
    void Typing_A_Device_Refills_The_Zone_List();
    void Copy_Row_Above_Takes_Device_And_Zone();
    void Pickers_Print_And_Settings_Are_Requested_Through_Signals();
};

void Test_Main_Window::Start_Up_Restores_Rows_And_Computes_Week_Month_Quarter() {
    Main_Window_Fixture f;
    QCOMPARE(f.Tabs()->currentIndex(), int(TMain_Form::Week_Page));
    QCOMPARE(f.Tabs()->tabText(0), QStringLiteral("Day total"));
    QCOMPARE(f.Form->windowTitle(), QStringLiteral("Telvo_View Version :  1.17"));
    QCOMPARE(f.Text(QStringLiteral("Day_Date_Label")), QStringLiteral("Date:"));
    QCOMPARE(f.Text(QStringLiteral("Week_Date_Label")), QStringLiteral("Week:"));
    QCOMPARE(f.Text(QStringLiteral("Week_ID_Label")), QStringLiteral("Location:"));
    QCOMPARE(f.Text(QStringLiteral("Month_Zone_Label")), QStringLiteral("Selection:"));
    QCOMPARE(f.Text(QStringLiteral("Stat_Lab_1")), QStringLiteral("THIS YEAR"));

    // Restored rows: period text, device and zone.
    QCOMPARE(f.Find<QLineEdit>(QStringLiteral("Week_Select1"))->text(), QStringLiteral("Week 11, 2024"));
    QCOMPARE(f.Find<QLineEdit>(QStringLiteral("Day_Select1"))->text(), QStringLiteral("12-03-2024"));
    QCOMPARE(f.Find<QLineEdit>(QStringLiteral("Month_Period_Select1"))->text(),
             QStringLiteral("Month 3, 2024"));
    QCOMPARE(f.Find<QLineEdit>(QStringLiteral("Quart_Period_Select1"))->text(),
             QStringLiteral("Period 1, 2024"));
    const auto *week_device = f.Find<QComboBox>(QStringLiteral("Week_ID_Name_Box1"));
    QCOMPARE(week_device->currentText(), QStringLiteral("Shop"));
    QCOMPARE(week_device->count(), Device_Slots);
    const auto *week_zone = f.Find<QComboBox>(QStringLiteral("Zone_Week_Box1"));
    QCOMPARE(week_zone->count(), Zones_Per_Device);
    QCOMPARE(week_zone->currentText(), QStringLiteral("Totals in"));
    QCOMPARE(f.Find<QComboBox>(QStringLiteral("Zone_Month_Box1"))->currentText(), QStringLiteral("Entrance"));
    // Saved with a device but no zone: the device comes back, no zone is chosen.
    QCOMPARE(f.Find<QComboBox>(QStringLiteral("Week_ID_Name_Box2"))->currentText(), QStringLiteral("Shop"));
    QCOMPARE(f.Find<QComboBox>(QStringLiteral("Zone_Week_Box2"))->currentIndex(), -1);
    // Rows without a device keep no zone.
    QCOMPARE(f.Find<QComboBox>(QStringLiteral("Zone_Day_Box3"))->currentIndex(), -1);

    // The opening page shows the restored week computed.
    const QStringList day_totals = {"10", "20", "30", "40", "50", "60", "70"};
    const char *const suffixes[7] = {"Ma", "Di", "Wo", "Do", "Vr", "Za", "Zo"};
    for (int k = 0; k < 7; ++k)
        QCOMPARE(f.Text(QStringLiteral("Week_ID1_") + QLatin1String(suffixes[k])), day_totals[k]);
    QCOMPARE(f.Text(QStringLiteral("Week_ID1_WT")), QStringLiteral("280"));
    QCOMPARE(f.Text(QStringLiteral("Week_ID1_Wnr")), QStringLiteral("11"));
    QCOMPARE(f.Text(QStringLiteral("Week_ID2_wo")), QStringLiteral("0")); // no zone: not collected
    QCOMPARE(f.Text(QStringLiteral("Ma_Lab")), QStringLiteral("Monday"));
    const Chart &week_chart = f.Find<Chart_Widget>(QStringLiteral("Week_Chart"))->chart();
    QCOMPARE(week_chart.Title, QStringList{QStringLiteral("Visitors per day")});
    QCOMPARE(week_chart.Series_At(1).Title, QStringLiteral("Week 11, 2024, Shop, Totals in"));

    // Month and quarter rows are computed at start; the day rows are not.
    QCOMPARE(f.Text(QStringLiteral("ID1_month_Total")), QStringLiteral("7000"));
    QCOMPARE(f.Text(QStringLiteral("ID_Quart_Wk11")), QStringLiteral("280"));
    QCOMPARE(f.Text(QStringLiteral("ID_Quart_QT1")), QStringLiteral("280"));
    QCOMPARE(f.Text(QStringLiteral("DT_Lab1")), QStringLiteral("0"));
    QCOMPARE(f.Data.Statistics_Location, 1);
    QCOMPARE(f.Data.Printer_Index, -1);
}

void Test_Main_Window::Page_Change_Computes_Its_View_Behind_The_Wait_Window_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");
    QTest::newRow("day") << int(TMain_Form::Day_Page) << 1 << "DT_Lab1"
                         << "20";
    QTest::newRow("week QF") << int(TMain_Form::Week_QF_Page) << 3 << "WeekQF_ID1_Vr"
                             << "50";
    QTest::newRow("month") << int(TMain_Form::Month_Page) << 5 << "ID1_month_Total"
                           << "7000";
    QTest::newRow("quarter") << int(TMain_Form::Quarter_Page) << 4 << "ID_Quart_QT1"
                             << "280";
}

void Test_Main_Window::Page_Change_Computes_Its_View_Behind_The_Wait_Window() {
    QFETCH(int, page);
    QFETCH(int, kind);
    QFETCH(QString, label);
    QFETCH(QString, expected);
    Main_Window_Fixture f;
    auto *wait_form = f.Find<QWidget>(QStringLiteral("Wait_Form"));
    f.Tabs()->setCurrentIndex(page);
    // The request only shows the wait window; the work waits for the timer.
    QVERIFY(wait_form->isVisible());
    QCOMPARE(f.Find<QLabel>(QStringLiteral("Wait_Label"))->text(),
             QStringLiteral("Collecting data, Please wait !"));
    QCOMPARE(f.Data.View_Kind, kind);
    QVERIFY(f.Wait_For_View());
    QVERIFY(!wait_form->isVisible());
    QCOMPARE(f.Text(label), expected);
}

void Test_Main_Window::Second_Request_Within_The_Delay_Replaces_The_First() {
    Main_Window_Fixture f;
    QSignalSpy fired(f.Find<QTimer>(QStringLiteral("Timer1")), &QTimer::timeout);
    QTest::mouseClick(f.Find<QPushButton>(QStringLiteral("Day_View_Button")), Qt::LeftButton);
    f.Form->Request_View(6);
    QVERIFY(f.Wait_For_View());
    QCOMPARE(fired.count(), 1);
    QCOMPARE(f.Text(QStringLiteral("DT_Lab1")), QStringLiteral("0"));
    QVERIFY(f.Text(QStringLiteral("Stat_Location_Name_Lab")).endsWith(QStringLiteral(", Shop")));
    QCOMPARE(f.Find<QListWidget>(QStringLiteral("Statistics_Result_Box"))->count(), 53);
}

void Test_Main_Window::Clear_Empties_The_Rows_And_Results_Of_The_Page_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("clear_button");
    QTest::addColumn<QString>("view_button");
    QTest::addColumn<QStringList>("prefixes"); // period field, device combo, zone combo
    QTest::addColumn<QString>("total_label");
    QTest::addColumn<QString>("chart");
    QTest::newRow("day") << int(TMain_Form::Day_Page) << "Clear_Day_Button"
                         << "Day_View_Button" << QStringList{"Day_Select", "ID_Name_Box", "Zone_Day_Box"}
                         << "DT_Lab1"
                         << "Day_Chart";
    QTest::newRow("week") << int(TMain_Form::Week_Page) << "Clear_Button"
                          << "Week_View_Button"
                          << QStringList{"Week_Select", "Week_ID_Name_Box", "Zone_Week_Box"} << "Week_ID1_WT"
                          << "Week_Chart";
    QTest::newRow("month") << int(TMain_Form::Month_Page) << "Month_Clear_Button"
                           << "Month_View_Button"
                           << QStringList{"Month_Period_Select", "Month_ID_Name_Box", "Zone_Month_Box"}
                           << "ID1_month_Total"
                           << "Month_Chart";
    QTest::newRow("quarter") << int(TMain_Form::Quarter_Page) << "Quart_Clear_Button"
                             << "Quart_View_Button"
                             << QStringList{"Quart_Period_Select", "Quart_ID_Name_Box", "Zone_Quart_Box"}
                             << "ID_Quart_QT1"
                             << "Quart_Chart";
}

void Test_Main_Window::Clear_Empties_The_Rows_And_Results_Of_The_Page() {
    QFETCH(int, page);
    QFETCH(QString, clear_button);
    QFETCH(QString, view_button);
    QFETCH(QStringList, prefixes);
    QFETCH(QString, total_label);
    QFETCH(QString, chart);
    Main_Window_Fixture f;
    if (page != TMain_Form::Week_Page)
        QVERIFY(f.Show_Page(page));
    QVERIFY(f.Text(total_label) != QStringLiteral("0"));

    QTest::mouseClick(f.Find<QPushButton>(clear_button), Qt::LeftButton);
    for (int row = 1; row <= Rows_Per_View; ++row) {
        const QString number = QString::number(row);
        QCOMPARE(f.Find<QLineEdit>(prefixes[0] + number)->text(), QString());
        QCOMPARE(f.Find<QComboBox>(prefixes[1] + number)->currentText(), QString());
        QCOMPARE(f.Find<QComboBox>(prefixes[2] + number)->count(), 0);
    }
    QCOMPARE(f.Text(total_label), QStringLiteral("0"));
    for (const Chart_Series &series : f.Find<Chart_Widget>(chart)->chart().Series)
        for (const Chart_Point &point : series.Points)
            QVERIFY(point.Label.has_value()); // only axis labels are left

    // The next View skips the cleared rows.
    QTest::mouseClick(f.Find<QPushButton>(view_button), Qt::LeftButton);
    QVERIFY(f.Wait_For_View());
    QCOMPARE(f.Text(total_label), QStringLiteral("0"));
}

void Test_Main_Window::Clear_On_The_Week_Page_Also_Empties_The_Week_QF_Page() {
    Main_Window_Fixture f;
    QVERIFY(f.Show_Page(TMain_Form::Week_QF_Page));
    QCOMPARE(f.Text(QStringLiteral("WeekQF_ID1_Ma")), QStringLiteral("50"));
    QCOMPARE(f.Text(QStringLiteral("ID1_WeekQF_Info")), QStringLiteral("Week 11, Shop, Totals in"));
    QCOMPARE(f.Text(QStringLiteral("ID1_WeekQF_Info2")), QStringLiteral("Week 11, Shop, Totals in"));
    QVERIFY(f.Show_Page(TMain_Form::Week_Page));
    QTest::mouseClick(f.Find<QPushButton>(QStringLiteral("Clear_Button")), Qt::LeftButton);
    QCOMPARE(f.Text(QStringLiteral("WeekQF_ID1_Ma")), QStringLiteral("0"));
    QCOMPARE(f.Text(QStringLiteral("ID1_WeekQF_Info")), QString());
    QCOMPARE(f.Text(QStringLiteral("ID1_WeekQF_Info2")), QString());
    for (int row = 1; row <= Rows_Per_View; ++row)
        QVERIFY(f.Find<Chart_Widget>(QStringLiteral("WeekQF_Chart"))->chart().Series_At(row).Points.empty());
    // The picked dates stay for the calendar; only the texts are gone.
    QCOMPARE(f.Data.Week_Dates[1], QDate(2024, 3, 13));
    QCOMPARE(f.Data.Week_Date_Texts[1], QString());
}

void Test_Main_Window::Typing_A_Device_Refills_The_Zone_List() {
    Main_Window_Fixture f;
    auto *device = f.Find<QComboBox>(QStringLiteral("Week_ID_Name_Box3"));
    auto *zone = f.Find<QComboBox>(QStringLiteral("Zone_Week_Box3"));
    QTest::keyClicks(device->lineEdit(), QStringLiteral("Sho"));
    QCOMPARE(device->currentText(), QStringLiteral("Sho"));
    QCOMPARE(zone->count(), Zones_Per_Device);
    // No slot has that name: the list shows the zones of the last slot numbered 0.
    QCOMPARE(zone->itemText(1), QStringLiteral("Zone 1"));
    QTest::keyClicks(device->lineEdit(), QStringLiteral("p"));
    QCOMPARE(zone->itemText(0), QStringLiteral("Totals in"));
    QCOMPARE(zone->itemText(1), QStringLiteral("Entrance"));
    QCOMPARE(zone->currentIndex(), -1);

    // Typing into a row with a zone drops the choice.
    auto *row1_zone = f.Find<QComboBox>(QStringLiteral("Zone_Week_Box1"));
    QCOMPARE(row1_zone->currentIndex(), 0);
    QTest::keyClick(f.Find<QComboBox>(QStringLiteral("Week_ID_Name_Box1"))->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(row1_zone->currentIndex(), -1);
    QCOMPARE(row1_zone->count(), Zones_Per_Device);
}

void Test_Main_Window::Copy_Row_Above_Takes_Device_And_Zone() {
    Main_Window_Fixture f;
    f.Form->Copy_Row_Above(Row_Page::Month, 2);
    QCOMPARE(f.Find<QComboBox>(QStringLiteral("Month_ID_Name_Box2"))->currentText(), QStringLiteral("Shop"));
    const auto *zone = f.Find<QComboBox>(QStringLiteral("Zone_Month_Box2"));
    QCOMPARE(zone->count(), Zones_Per_Device);
    QCOMPARE(zone->currentIndex(), 1);
    QCOMPARE(zone->currentText(), QStringLiteral("Entrance"));

    // The first row has nothing above it.
    f.Form->Rows(Row_Page::Day)->Clear_Row_IDs();
    f.Form->Copy_Row_Above(Row_Page::Day, 1);
    QCOMPARE(f.Find<QComboBox>(QStringLiteral("ID_Name_Box1"))->currentText(), QString());
}

void Test_Main_Window::Pickers_Print_And_Settings_Are_Requested_Through_Signals() {
    Main_Window_Fixture f;
    QSignalSpy calendar(f.Form.get(), &TMain_Form::calendarRequested);
    QSignalSpy month(f.Form.get(), &TMain_Form::monthPickerRequested);
    QSignalSpy period(f.Form.get(), &TMain_Form::periodPickerRequested);
    QSignalSpy comment(f.Form.get(), &TMain_Form::commentRequested);
    QSignalSpy statistics_print(f.Form.get(), &TMain_Form::statisticsPrintRequested);
    QSignalSpy protected_action(f.Form.get(), &TMain_Form::protectedActionRequested);

    QTest::mouseClick(f.Find<QLineEdit>(QStringLiteral("Week_Select2")), Qt::LeftButton);
    QCOMPARE(calendar.takeFirst().at(0).toInt(), 7);
    QCOMPARE(f.Data.Calendar_Target, 7);
    QTest::mouseClick(f.Find<QLineEdit>(QStringLiteral("Day_Select4")), Qt::LeftButton);
    QCOMPARE(calendar.takeFirst().at(0).toInt(), 4);
    QTest::mouseClick(f.Find<QLineEdit>(QStringLiteral("Month_Period_Select3")), Qt::LeftButton);
    QCOMPARE(month.takeFirst().at(0).toInt(), 3);
    QCOMPARE(f.Data.Month_Target, 3);
    QTest::mouseClick(f.Find<QLineEdit>(QStringLiteral("Quart_Period_Select5")), Qt::LeftButton);
    QCOMPARE(period.takeFirst().at(0).toInt(), 5);
    QCOMPARE(f.Data.Period_Target, 5);

    f.Find<QAction>(QStringLiteral("Print1"))->trigger();
    QCOMPARE(comment.count(), 1);
    QVERIFY(f.Show_Page(TMain_Form::Statistics_Page));
    f.Find<QAction>(QStringLiteral("Print1"))->trigger();
    QCOMPARE(statistics_print.count(), 1);
    QCOMPARE(comment.count(), 1);

    f.Find<QAction>(QStringLiteral("Editgraphicnames1"))->trigger();
    QCOMPARE(protected_action.takeFirst().at(0).toInt(), 5);
    QCOMPARE(f.Data.Protected_Action, 5);

    // A location button is shown only for a named slot and computes that slot.
    QVERIFY(f.Find<QPushButton>(QStringLiteral("Button1"))->isVisibleTo(f.Form.get()));
    QVERIFY(!f.Find<QPushButton>(QStringLiteral("Button2"))->isVisibleTo(f.Form.get()));
    QCOMPARE(f.Find<QPushButton>(QStringLiteral("Button1"))->text(), QStringLiteral("Shop"));
}

QTEST_MAIN(Test_Main_Window)
#include "test_main_window.moc"
