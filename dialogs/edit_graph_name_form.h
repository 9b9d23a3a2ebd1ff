#pragma once

#include "data/model.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace telvo {

class Settings_Store;

// The six chart titles. OK and Cancel both close; every close takes the
// entries as the titles, has the charts redrawn and saves all settings.
class TEdit_Graph_Name_Form : public QDialog {
    Q_OBJECT
public:
    TEdit_Graph_Name_Form(Model &model, Settings_Store &store, QWidget *parent = nullptr);

    void Open();

    void done(int result) override;

signals:
    // Graph_Titles changed: the main window sets up and fills the day (its
    // title by the day view mode), week, week QF, month and quarter charts
    // again from the results last computed, without reading any file.
    void graphTitlesChanged();

private:
    // One line of the dialog: the view's name over the entry of its title.
    struct Title_Line {
        QLabel *Label;
        QLineEdit *Entry;
        QString Graph_Titles_Record::*Title;
        QString Language_Texts::*View_Name;
    };

    Model &Data;
    Settings_Store &Store;
    std::array<Title_Line, 6> Lines;
    QPushButton *Cancel_Button;
    QPushButton *OK_Button;

    void FormShow();
};

} // namespace telvo
