#pragma once

#include "list_choice.h"

#include "data/model.h"

#include <QDialog>

#include <array>

class QCalendarWidget;
class QPushButton;
class QTableView;

namespace telvo {

// The calendar for the day and week rows: one month with week numbers. OK
// stores the picked date (and its text) for the row of Calendar_Target.
class TCalender_Form : public QDialog {
    Q_OBJECT
public:
    explicit TCalender_Form(Model &model, QWidget *parent = nullptr);

    // Sets Calendar_Target (1..5 day rows, 6..10 week rows), prepares the
    // dialog for that row and shows it; any other target is ignored.
    void Open(int target);

    // The week number shown beside row 1..6 of the month sheet on display.
    QString Week_Column_Text(int row) const;

    Today_Function Today = &QDate::currentDate;

signals:
    // After OK has stored the date: the main window shows the row's new text
    // and copies the device and zone of the row above.
    void selectionStored(telvo::Row_Page page, int row);

private:
    Model &Data;
    QCalendarWidget *MonthCalendar1;
    QTableView *Sheet; // the calendar's own table of days
    QPushButton *OK_Calender_Button;
    QPushButton *Cancel_Calender_Button;
    std::array<QString, 6> Week_Column{};

    void FormShow();
    void Update_Week_Column();
    void OK_Calender_ButtonClick();
};

} // namespace telvo
