#include "main_window_fixture.h"

#include "app/program_windows.h"
#include "charts/chart_widget.h"
#include "settings/settings_io.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDialog>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

using namespace telvo;
using namespace telvo::test;

namespace {

// The main window of the fixture with every other window of the program made
// and connected to it, as the program starts.
struct App_Fixture {
    Main_Window_Fixture F;
    Program_Windows Windows{*F.Form, F.Data, *F.Store};

    template <typename T> T *Find(const QString &name) const {
        T *found = F.Find<T>(name);
        if (!found)
            qFatal("no %s", qPrintable(name));
        return found;
    }

    QDialog *Window(const QString &name) const { return Find<QDialog>(name); }

    template <typename T> T *In(const QString &window, const QString &name) const {
        T *found = Window(window)->findChild<T *>(name);
        if (!found)
            qFatal("no %s in %s", qPrintable(name), qPrintable(window));
        return found;
    }

    void Click(const QString &window, const QString &button) const {
        QTest::mouseClick(In<QAbstractButton>(window, button), Qt::LeftButton);
    }

    void Type_Over(const QString &window, const QString &entry, const QString &text) const {
        auto *edit = In<QLineEdit>(window, entry);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // A Settings menu item, then the password typed into the password check.
    void Open_Protected(const QString &menu_item, const QString &password) const {
        Find<QAction>(menu_item)->trigger();
        QVERIFY(Window(QStringLiteral("PasswordDlg"))->isVisible());
        Type_Over(QStringLiteral("PasswordDlg"), QStringLiteral("Password"), password);
        Click(QStringLiteral("PasswordDlg"), QStringLiteral("OKBtn"));
    }

    QComboBox *Combo(const QString &name) const { return Find<QComboBox>(name); }
    QString Field(const QString &name) const { return Find<QLineEdit>(name)->text(); }
    const Chart &Chart_Of(const QString &name) const { return Find<Chart_Widget>(name)->chart(); }
};

QList<double> Values(const Chart &chart, int series) {
    QList<double> values;
    for (const Chart_Point &point : chart.Series_At(series).Points)
        values.append(point.Y);
    return values;
}

const QStringList Protected_Windows = {
    QStringLiteral("ID_Edit_Form"),         QStringLiteral("Zone_Edit_Form"),
    QStringLiteral("Language_Form"),        QStringLiteral("Directory_Select_Form"),
    QStringLiteral("Edit_Graph_Name_Form"), QStringLiteral("Change_DayView_Form"),
    QStringLiteral("Change_Pasword_Form")};

} // namespace

class Test_App_Wiring : public QObject {
    Q_OBJECT

private slots:
    void passwordOpensWindowOfAction_data();
    void passwordOpensWindowOfAction();
    void pickerOkShowsTextAndCopiesRowAbove();
    void languageChangeAppliesTextsAtOnce();
    void deviceLabelsOkEmptiesEveryRow();
    void zoneEditorCloseRefillsZoneLists_data();
    void zoneEditorCloseRefillsZoneLists();
    void chartTitlesRedrawWithoutReadingFiles();
    void viewSettingsCloseRelabelsAndRecomputes();
    void closingMainWindowClosesOpenDialogsFirst();
};

void Test_App_Wiring::passwordOpensWindowOfAction_data() {
    QTest::addColumn<QString>("menu_item");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("window"); // empty: nothing opens

    QTest::newRow("labels") << "ID_Nummer1"
                            << "KIPO"
                            << "ID_Edit_Form";
    QTest::newRow("zones") << "Zone_Definition1"
                           << "KIPO"
                           << "Zone_Edit_Form";
    QTest::newRow("language") << "Language1"
                              << "KIPO"
                              << "Language_Form";
    QTest::newRow("directories") << "Directory1"
                                 << "TOLVARIXEN"
                                 << "Directory_Select_Form";
    QTest::newRow("directories, access password") << "Directory1"
                                                  << "KIPO"
                                                  << "";
    QTest::newRow("titles") << "Editgraphicnames1"
                            << "KIPO"
                            << "Edit_Graph_Name_Form";
    QTest::newRow("view settings") << "Change_Day_View"
                                   << "KIPO"
                                   << "Change_DayView_Form";
    QTest::newRow("password") << "ChangePasword1"
                              << "TOLVARIXEN"
                              << "Change_Pasword_Form";
    QTest::newRow("wrong password") << "ID_Nummer1"
                                    << "kipo"
                                    << "";
}

void Test_App_Wiring::passwordOpensWindowOfAction() {
    QFETCH(QString, menu_item);
    QFETCH(QString, password);
    QFETCH(QString, window);
    App_Fixture app;

    app.Open_Protected(menu_item, password);

    QVERIFY(!app.Window(QStringLiteral("PasswordDlg"))->isVisible());
    for (const QString &each : Protected_Windows)
        QCOMPARE(app.Window(each)->isVisible(), each == window);
    QCOMPARE(app.F.Messages.isEmpty(), !window.isEmpty());
}

void Test_App_Wiring::pickerOkShowsTextAndCopiesRowAbove() {
    App_Fixture app;
    // Row 1 of each page names the Shop with a zone; row 2 of the day, month
    // and quarter pages names nothing.
    QVERIFY(app.Combo(QStringLiteral("ID_Name_Box2"))->currentText().isEmpty());

    QTest::mouseClick(app.Find<QLineEdit>(QStringLiteral("Day_Select2")), Qt::LeftButton);
    QVERIFY(app.Window(QStringLiteral("Calender_Form"))->isVisible());
    app.In<QCalendarWidget>(QStringLiteral("Calender_Form"), QStringLiteral("MonthCalendar1"))
        ->setSelectedDate(QDate(2024, 3, 14));
    app.Click(QStringLiteral("Calender_Form"), QStringLiteral("OK_Calender_Button"));
    QCOMPARE(app.Field(QStringLiteral("Day_Select2")), QStringLiteral("14-03-2024"));
    QCOMPARE(app.Combo(QStringLiteral("ID_Name_Box2"))->currentText(), QStringLiteral("Shop"));
    QCOMPARE(app.Combo(QStringLiteral("Zone_Day_Box2"))->currentIndex(), 0);

    QTest::mouseClick(app.Find<QLineEdit>(QStringLiteral("Month_Period_Select2")), Qt::LeftButton);
    app.In<QListWidget>(QStringLiteral("Month_Select_Form"), QStringLiteral("Month_List_Box"))
        ->setCurrentRow(4);
    auto *years = app.In<QListWidget>(QStringLiteral("Month_Select_Form"), QStringLiteral("Year_List_Box"));
    years->setCurrentItem(years->findItems(QStringLiteral("2023"), Qt::MatchExactly).value(0));
    app.Click(QStringLiteral("Month_Select_Form"), QStringLiteral("OK_Button"));
    QCOMPARE(app.Field(QStringLiteral("Month_Period_Select2")), QStringLiteral("Month 5, 2023"));
    QCOMPARE(app.Combo(QStringLiteral("Month_ID_Name_Box2"))->currentText(), QStringLiteral("Shop"));
    QCOMPARE(app.Combo(QStringLiteral("Zone_Month_Box2"))->currentText(), QStringLiteral("Entrance"));

    QTest::mouseClick(app.Find<QLineEdit>(QStringLiteral("Quart_Period_Select2")), Qt::LeftButton);
    app.Click(QStringLiteral("Period_Select_Form"), QStringLiteral("Period3_Button"));
    years = app.In<QListWidget>(QStringLiteral("Period_Select_Form"), QStringLiteral("Year_List_Box"));
    years->setCurrentItem(years->findItems(QStringLiteral("2022"), Qt::MatchExactly).value(0));
    app.Click(QStringLiteral("Period_Select_Form"), QStringLiteral("OK_Button"));
    QCOMPARE(app.Field(QStringLiteral("Quart_Period_Select2")), QStringLiteral("Period 3, 2022"));
    QCOMPARE(app.Combo(QStringLiteral("Quart_ID_Name_Box2"))->currentText(), QStringLiteral("Shop"));
    QCOMPARE(app.Combo(QStringLiteral("Zone_Quart_Box2"))->currentIndex(), 0);
    QVERIFY(app.F.Messages.isEmpty());
}

void Test_App_Wiring::languageChangeAppliesTextsAtOnce() {
    App_Fixture app;
    app.Open_Protected(QStringLiteral("Language1"), QStringLiteral("KIPO"));

    app.Click(QStringLiteral("Language_Form"), QStringLiteral("German_Flag"));

    // The language window stays open while the main window already speaks German.
    QVERIFY(app.Window(QStringLiteral("Language_Form"))->isVisible());
    QCOMPARE(app.Find<QMenu>(QStringLiteral("Settings1"))->title(), QStringLiteral("&Einstellungen"));
    QCOMPARE(app.Find<QAction>(QStringLiteral("ID_Nummer1"))->text(), app.F.Data.Texts.Lang_Label_IDs_Menu);
    QTabWidget *tabs = app.F.Tabs();
    QCOMPARE(tabs->tabText(TMain_Form::Day_Page), QStringLiteral("Tag total"));
    QCOMPARE(tabs->tabText(TMain_Form::Week_Page), QStringLiteral("Woche"));
    QCOMPARE(tabs->tabText(TMain_Form::Month_Page), QStringLiteral("Monat"));
    QCOMPARE(app.F.Text(QStringLiteral("Ma_Lab")), QStringLiteral("Montag"));
}

void Test_App_Wiring::deviceLabelsOkEmptiesEveryRow() {
    App_Fixture app;
    const QString week_total = app.F.Text(QStringLiteral("Week_ID1_WT"));
    QCOMPARE(week_total, QStringLiteral("280"));
    app.Open_Protected(QStringLiteral("ID_Nummer1"), QStringLiteral("KIPO"));

    app.Type_Over(QStringLiteral("ID_Edit_Form"), QStringLiteral("Edit2"), QStringLiteral("Gate A"));
    app.Click(QStringLiteral("ID_Edit_Form"), QStringLiteral("OK_Button"));

    QVERIFY(!app.Window(QStringLiteral("ID_Edit_Form"))->isVisible());
    const QStringList periods = {"Day_Select", "Week_Select", "Quart_Period_Select", "Month_Period_Select"};
    const QStringList devices = {"ID_Name_Box", "Week_ID_Name_Box", "Quart_ID_Name_Box", "Month_ID_Name_Box"};
    const QStringList zones = {"Zone_Day_Box", "Zone_Week_Box", "Zone_Quart_Box", "Zone_Month_Box"};
    for (int page = 0; page < 4; ++page) {
        for (int row = 1; row <= Rows_Per_View; ++row) {
            const QString number = QString::number(row);
            QVERIFY2(app.Field(periods[page] + number).isEmpty(), qPrintable(periods[page] + number));
            const QComboBox *device = app.Combo(devices[page] + number);
            QVERIFY2(device->currentText().isEmpty(), qPrintable(devices[page] + number));
            QCOMPARE(device->itemText(1), QStringLiteral("Gate A"));
            QCOMPARE(app.Combo(zones[page] + number)->count(), 0);
        }
    }
    // No view is computed: the week table still shows what it showed.
    QCOMPARE(app.F.Text(QStringLiteral("Week_ID1_WT")), week_total);
}

void Test_App_Wiring::zoneEditorCloseRefillsZoneLists_data() {
    QTest::addColumn<QString>("zone_box");
    QTest::addColumn<bool>("refilled");

    QTest::newRow("day") << "Zone_Day_Box1" << true;
    QTest::newRow("week") << "Zone_Week_Box1" << true;
    QTest::newRow("quarter") << "Zone_Quart_Box1" << true;
    QTest::newRow("month") << "Zone_Month_Box1" << false;
}

void Test_App_Wiring::zoneEditorCloseRefillsZoneLists() {
    QFETCH(QString, zone_box);
    QFETCH(bool, refilled);
    App_Fixture app;
    const QComboBox *zones = app.Combo(zone_box);
    const int chosen = zones->currentIndex();
    QVERIFY(chosen >= 0);
    app.Open_Protected(QStringLiteral("Zone_Definition1"), QStringLiteral("KIPO"));

    app.Type_Over(QStringLiteral("Zone_Edit_Form"), QStringLiteral("Zone_Edit_Box1"), QStringLiteral("Door"));
    app.Click(QStringLiteral("Zone_Edit_Form"), QStringLiteral("OK_Button_Zone"));

    QCOMPARE(zones->count(), Zones_Per_Device);
    QCOMPARE(zones->itemText(1), refilled ? QStringLiteral("Door") : QStringLiteral("Entrance"));
    QCOMPARE(zones->currentIndex(), refilled ? -1 : chosen);
}

void Test_App_Wiring::chartTitlesRedrawWithoutReadingFiles() {
    App_Fixture app;
    const QList<double> week_values = Values(app.Chart_Of(QStringLiteral("Week_Chart")), 1);
    const QList<double> month_values = Values(app.Chart_Of(QStringLiteral("Month_Chart")), 1);
    QVERIFY(week_values.contains(70)); // Sunday 17-03
    QVERIFY(month_values.contains(1000));
    // Redrawn from the results in memory, the charts keep their values without the day files.
    QDir days(app.F.Days.Dir());
    for (const QString &file : days.entryList({QStringLiteral("DF*")}, QDir::Files))
        QVERIFY(days.remove(file));
    app.Open_Protected(QStringLiteral("Editgraphicnames1"), QStringLiteral("KIPO"));

    const QString window = QStringLiteral("Edit_Graph_Name_Form");
    app.Type_Over(window, QStringLiteral("Edit_Day_Title_Tab1"), QStringLiteral("Inside"));
    app.Type_Over(window, QStringLiteral("Edit_Day_Title_Tab2"), QStringLiteral("Per half hour"));
    app.Type_Over(window, QStringLiteral("Edit_Week_Title"), QStringLiteral("Weekly"));
    app.Type_Over(window, QStringLiteral("Edit_WeekQF_Title"), QStringLiteral("Quality"));
    app.Type_Over(window, QStringLiteral("Edit_Month_Title"), QStringLiteral("Monthly"));
    app.Type_Over(window, QStringLiteral("Edit_Quart_Title"), QStringLiteral("Quarterly"));
    app.Click(window, QStringLiteral("Cancel_Button"));

    QVERIFY(!app.Window(window)->isVisible());
    // The day view shows half-hour totals, so its chart takes that title.
    QCOMPARE(app.Chart_Of(QStringLiteral("Day_Chart")).Title, QStringList{"Per half hour"});
    QCOMPARE(app.Chart_Of(QStringLiteral("Week_Chart")).Title, QStringList{"Weekly"});
    QCOMPARE(app.Chart_Of(QStringLiteral("WeekQF_Chart")).Title, QStringList{"Quality"});
    QCOMPARE(app.Chart_Of(QStringLiteral("Month_Chart")).Title, QStringList{"Monthly"});
    QCOMPARE(app.Chart_Of(QStringLiteral("Quart_Chart")).Title, QStringList{"Quarterly"});
    QCOMPARE(Values(app.Chart_Of(QStringLiteral("Week_Chart")), 1), week_values);
    QCOMPARE(Values(app.Chart_Of(QStringLiteral("Month_Chart")), 1), month_values);
}

void Test_App_Wiring::viewSettingsCloseRelabelsAndRecomputes() {
    App_Fixture app;
    app.F.Data.Graph_Titles.Day_Tab1 = QStringLiteral("Inside");
    // Week row 1 picks Wednesday 13-03-2024; Monday weeks add up 11-03 .. 17-03.
    QCOMPARE(app.F.Text(QStringLiteral("Ma_Lab")), QStringLiteral("Monday"));
    QCOMPARE(app.F.Text(QStringLiteral("Week_ID1_WT")), QStringLiteral("280"));
    app.Open_Protected(QStringLiteral("Change_Day_View"), QStringLiteral("KIPO"));

    const QString window = QStringLiteral("Change_DayView_Form");
    app.Click(window, QStringLiteral("Enable_Day_Tab1"));
    app.Click(window, QStringLiteral("First_Day_Sunday"));
    app.Click(window, QStringLiteral("Exit_But"));
    QVERIFY(app.F.Wait_For_View());

    QVERIFY(!app.Window(window)->isVisible());
    QCOMPARE(app.F.Tabs()->tabText(TMain_Form::Day_Page), QStringLiteral("Day intensity"));
    QCOMPARE(app.F.Data.Day_Chart_Title, QStringLiteral("Inside"));
    QCOMPARE(app.F.Text(QStringLiteral("Ma_Lab")), QStringLiteral("Sunday"));
    QCOMPARE(app.F.Text(QStringLiteral("WeekQF_Lab_Ma")), QStringLiteral("Sunday"));
    // The week shown is computed again: Sunday 10-03 (no file) .. Saturday 16-03.
    QCOMPARE(app.F.Text(QStringLiteral("Week_ID1_Ma")), QStringLiteral("0"));
    QCOMPARE(app.F.Text(QStringLiteral("Week_ID1_WT")), QStringLiteral("210"));
}

void Test_App_Wiring::closingMainWindowClosesOpenDialogsFirst() {
    App_Fixture app;
    app.Open_Protected(QStringLiteral("Editgraphicnames1"), QStringLiteral("KIPO"));
    app.Type_Over(QStringLiteral("Edit_Graph_Name_Form"), QStringLiteral("Edit_Week_Title"),
                  QStringLiteral("Weekly"));

    QVERIFY(app.F.Form->close());

    QVERIFY(!app.Window(QStringLiteral("Edit_Graph_Name_Form"))->isVisible());
    QVERIFY(app.F.Messages.isEmpty());
    // The next start finds the dialog's edit and the last selections.
    const Settings_Store saved(app.F.Settings_Path);
    Model restarted;
    Set_Device_Keys(restarted);
    Load_Settings(restarted, saved);
    QCOMPARE(restarted.Graph_Titles.Week, QStringLiteral("Weekly"));
    QCOMPARE(saved.Values().Read_String(QStringLiteral("Week_Tab"), QStringLiteral("Date_1"), QString()),
             QStringLiteral("13-03-2024"));
}

QTEST_MAIN(Test_App_Wiring)
#include "test_app_wiring.moc"
