#pragma once

#include "list_choice.h"

#include "data/model.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace telvo {

// The quarter period picker: a period 1..4 and a year for the quarter row of
// Period_Target, stored in that row of Quarter_Results on OK. Panel2 shows the
// first and last day of the chosen period while the user chooses.
class TPeriod_Select_Form : public QDialog {
    Q_OBJECT
public:
    explicit TPeriod_Select_Form(Model &model, QWidget *parent = nullptr);

    // Sets Period_Target (1..5), prepares the dialog for that row and shows it;
    // any other row is ignored.
    void Open(int row);

    Today_Function Today = &QDate::currentDate;

signals:
    // After OK has stored the choice: the main window shows the row's new
    // caption and copies the device and zone of the row above.
    void selectionStored(telvo::Row_Page page, int row);

private:
    Model &Data;
    QLabel *Period_Lab;
    QLabel *Year_Label;
    QRadioButton *Period_Buttons[4];
    QButtonGroup *Period_Group;
    QListWidget *Year_List_Box;
    QLabel *Panel2;
    QPushButton *OK_Button;
    QPushButton *Cancel_Button;

    void FormShow();
    // Panel2 := the range of the chosen period and year (the zero range while
    // either is missing).
    void Show_Chosen_Range();
    void OK_ButtonClick();
};

} // namespace telvo
