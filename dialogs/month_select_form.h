#pragma once

#include "list_choice.h"

#include "data/model.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace telvo {

// The month picker: a month and a year for the month row of Month_Target,
// stored in that row of Month_Results on OK.
class TMonth_Select_Form : public QDialog {
    Q_OBJECT
public:
    explicit TMonth_Select_Form(Model &model, QWidget *parent = nullptr);

    // Sets Month_Target (1..5), prepares the dialog for that row and shows it;
    // any other row is ignored.
    void Open(int row);

    Today_Function Today = &QDate::currentDate;

signals:
    // After OK has stored the choice: the main window shows the row's new
    // caption and copies the device and zone of the row above.
    void selectionStored(telvo::Row_Page page, int row);

private:
    Model &Data;
    QLabel *Month_Label;
    QLabel *Year_Label;
    QListWidget *Month_List_Box;
    QListWidget *Year_List_Box;
    QPushButton *OK_Button;
    QPushButton *Cancel_Button;

    void FormShow();
    void OK_ButtonClick();
};

} // namespace telvo
