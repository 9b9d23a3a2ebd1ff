#pragma once

#include "data/model.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace telvo {

class Settings_Store;

// The whole hour an hour field's text stands for: 0..24, a number outside
// that range pulled to the nearer bound, a text that is no number 0.
int Hour_Of_Text(const QString &text);

// The view settings: day view mode and balancing, the first day of the week
// and the hours the day chart and report show. The options act on the model
// at once; every close takes the hours, saves all settings and has the main
// window follow the new settings.
class TChange_DayView_Form : public QDialog {
    Q_OBJECT
public:
    TChange_DayView_Form(Model &model, Settings_Store &store, QWidget *parent = nullptr);

    void Open();

    void done(int result) override;

signals:
    // After the save: the main window captions the day tab by the mode ("Day
    // intensity" or "Day total"), sets Day_Chart_Title to the mode's title,
    // sets up the week and week QF headers and charts again for the first day
    // of the week, and requests the view of the tab shown.
    void viewSettingsChanged();

private:
    Model &Data;
    Settings_Store &Store;
    QGroupBox *RadioGroup1;
    QRadioButton *Enable_Day_Tab2;
    QRadioButton *Enable_Day_Tab1;
    QCheckBox *Enable_Balance;
    QGroupBox *GroupBox1;
    QRadioButton *First_Day_Sunday;
    QRadioButton *First_Day_Monday;
    QLabel *From_TXT_Label;
    QSpinBox *Input_From_Hour;
    QLabel *To_TXT_Label;
    QSpinBox *Input_To_Hour;
    QLabel *Hour_TXT_Label;
    QPushButton *Exit_But;

    void FormShow();
    void Mode_Click();
    void Enable_BalanceClick();
    void First_Day_SundayClick();
    void First_Day_MondayClick();
};

} // namespace telvo
