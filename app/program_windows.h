#pragma once

#include "views/print_wiring.h"

#include <QObject>

namespace telvo {

class Settings_Store;
class TAboutBox_Form;
class TCalender_Form;
class TChange_DayView_Form;
class TChange_Pasword_Form;
class TDirectory_Select_Form;
class TEdit_Graph_Name_Form;
class TID_Edit_Form;
class TLanguage_Form;
class TMain_Form;
class TMonth_Select_Form;
class TPasswordDlg;
class TPeriod_Select_Form;
class TZone_Edit_Form;

// The windows of the program beside the main window: made once at start, in
// the order the program has always made them, as children of the main window
// (so they live until it goes), and connected to it. The main window knows
// them only through its signals and public functions.
class Program_Windows : public QObject {
    Q_OBJECT
public:
    Program_Windows(TMain_Form &main_form, Model &model, Settings_Store &store);

    // Shows the window of a Protected_Action (1..7) whose password check passed.
    void Open_Protected_Window(int action);

private:
    TMain_Form &Main_Form;
    TLanguage_Form *Language_Form;
    TID_Edit_Form *ID_Edit_Form;
    TZone_Edit_Form *Zone_Edit_Form; // owns the channel dialog
    TAboutBox_Form *AboutBox_Form;
    TDirectory_Select_Form *Directory_Select_Form;
    TEdit_Graph_Name_Form *Edit_Graph_Name_Form;
    TCalender_Form *Calender_Form;
    TMonth_Select_Form *Month_Select_Form;
    Print_Wiring Printing; // the comment window and the print dispatch
    TPasswordDlg *PasswordDlg;
    TChange_DayView_Form *Change_DayView_Form;
    TChange_Pasword_Form *Change_Pasword_Form;
    TPeriod_Select_Form *Period_Select_Form;

    void Connect_Main_Form();
    // Every window still open runs its close step, so that settings dialogs
    // store their edits before the main window saves and the program ends.
    void Close_Open_Windows();
};

} // namespace telvo
