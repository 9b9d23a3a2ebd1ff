#pragma once

#include "data/row_selection.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QMenu;
class QTabWidget;
class QTimer;

namespace telvo {

class Chart_Widget;
class Selection_Rows;
class Settings_Store;
class TDay_Tab;
class TMonth_Tab;
class TQuarter_Tab;
class TStatistics_Tab;
class TWait_Form;
class TWeek_QF_Tab;
class TWeek_Tab;

// What the save dialog is asked for: title, filter and the suffix a name
// without one gets.
struct Save_Dialog_Request {
    QString Title;
    QString Filter;
    QString Default_Suffix;
};

// The chosen path, or an empty text when the dialog was cancelled.
using Save_Dialog_Function = std::function<QString(QWidget *parent, const Save_Dialog_Request &request)>;

// The main window: six pages, one per view. It reads its rows into row
// selections, runs the view computations and chart fillers, and shows what
// they return. Dialogs and pickers are wired by the application through the
// signals below and call back through the public functions.
class TMain_Form : public QMainWindow {
    Q_OBJECT
public:
    // Pages of TabbedNotebook1.
    enum Page { Day_Page = 0, Week_Page, Week_QF_Page, Month_Page, Quarter_Page, Statistics_Page };
    // View_Kind of each page (the statistics for any other index).
    static int View_Kind_Of_Page(int page);

    // Runs the start-up: settings, language, last selections, row lists, the
    // first computations and the texts.
    TMain_Form(Model &model, Settings_Store &store, QWidget *parent = nullptr);
    ~TMain_Form() override;

    // Shows the wait window and computes the view when Timer1 fires; a second
    // request before then replaces the first.
    void Request_View(int kind);
    // The request of the page shown (after the day view settings change, for one).
    void Request_Shown_Page_View();
    void Timer1Timer();
    // The timer's work for one view kind, done at once: the computation, its tables and chart.
    void Compute_View(int kind);
    // The row selections a view of that kind reads.
    Row_Selections Rows_Of_View(int kind) const;
    void Clear_Current_Tab();
    void Apply_Main_Texts();

    // Row selection refreshes for the pickers and the device-label dialog.
    void Show_Selections();
    void Show_Month_Selections();
    void Show_Period_Selections();
    // Copies device and zone of the row above into the row on the page.
    void Copy_Row_Above(Row_Page page, int row);
    Selection_Rows *Rows(Row_Page page) const;
    // Device lists := the slot names, each showing its row's Row_ID_Names entry.
    void Fill_ID_Lists();
    // The rows lose their dates or periods (the picked dates stay for the calendar).
    void Clear_Day_Dates();
    void Clear_Week_Dates();
    void Clear_Month_Periods();
    void Clear_Quarter_Periods();

    // After new device labels: every row of the day, week, quarter and month
    // pages loses its device, zone list and date or period, and the device
    // lists offer the new names. No view is computed.
    void Clear_All_Rows();
    // After the zone editor: the zone lists of the day, week and quarter rows
    // are filled anew (nothing chosen); the month rows keep theirs.
    void Refill_Zone_Lists();
    // After new chart titles: the five charts are set up and filled again from
    // the results last computed, without reading any file.
    void Redraw_Charts();
    // After the view settings: the day tab's caption and chart title follow
    // the day view mode, the week headers and charts the first day of the
    // week, and the view of the page shown is computed again.
    void Apply_View_Settings();

    // Replaced by tests; by default a file dialog asking where to save.
    Save_Dialog_Function Save_Dialog;

signals:
    void calendarRequested(int target);  // Calendar_Target: 1..5 day rows, 6..10 week rows
    void monthPickerRequested(int row);  // Month_Target
    void periodPickerRequested(int row); // Period_Target
    void commentRequested();             // a print button of pages 0..4: the comment window
    void statisticsPrintRequested();     // print the statistics report at once
    void printerSetupRequested();
    void protectedActionRequested(int action); // Protected_Action 1..7: the password dialog
    void aboutRequested();
    // The window is closing: windows still open run their close step now,
    // before the last selections are saved.
    void aboutToClose();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Model &Data;
    Settings_Store &Store;
    QTabWidget *TabbedNotebook1;
    TDay_Tab *Day_Tab;
    TWeek_Tab *Week_Tab;
    TWeek_QF_Tab *Week_QF_Tab;
    TMonth_Tab *Month_Tab;
    TQuarter_Tab *Quarter_Tab;
    TStatistics_Tab *Statistics_Tab;
    TWait_Form *Wait_Form;
    QTimer *Timer1;

    QMenu *File1 = nullptr;
    QMenu *Settings1 = nullptr;
    QAction *Printer_settings1 = nullptr;
    QAction *Print1 = nullptr;
    QAction *Exit1 = nullptr;
    QAction *About1 = nullptr;
    QList<QAction *> Settings_Items; // Protected_Action 1..7 in order

    void Build_Menu();
    void Connect_Tabs();
    void Start_Up();
    void Apply_Main_Menu_Texts();
    void Apply_Tab_Texts();
    // The day names of the week and week QF tables, in the order of the first day of the week.
    void Show_Week_Headers();
    void TabbedNotebook1Change(int page);
    void Export_Table_Dialog(const std::function<bool(const QString &, QString *)> &export_table);
    void Save_Chart_Dialog(const Chart_Widget *chart);
    void Report_Write_Failure(const QString &path, const QString &reason);
};

} // namespace telvo
