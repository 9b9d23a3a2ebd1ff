#include "program_windows.h"

#include "dialogs/about_form.h"
#include "dialogs/calender_form.h"
#include "dialogs/change_dayview_form.h"
#include "dialogs/directory_select_form.h"
#include "dialogs/edit_graph_name_form.h"
#include "dialogs/id_edit_form.h"
#include "dialogs/language_form.h"
#include "dialogs/month_select_form.h"
#include "dialogs/password_change_form.h"
#include "dialogs/password_dlg.h"
#include "dialogs/period_select_form.h"
#include "dialogs/zone_edit_form.h"
#include "views/main_form.h"

namespace telvo {

Program_Windows::Program_Windows(TMain_Form &main_form, Model &model, Settings_Store &store)
    : Main_Form(main_form), Language_Form(new TLanguage_Form(model, store, &main_form)),
      ID_Edit_Form(new TID_Edit_Form(model, store, &main_form)),
      Zone_Edit_Form(new TZone_Edit_Form(model, store, &main_form)),
      AboutBox_Form(new TAboutBox_Form(model, &main_form)),
      Directory_Select_Form(new TDirectory_Select_Form(model, store, &main_form)),
      Edit_Graph_Name_Form(new TEdit_Graph_Name_Form(model, store, &main_form)),
      Calender_Form(new TCalender_Form(model, &main_form)),
      Month_Select_Form(new TMonth_Select_Form(model, &main_form)), Printing(main_form, model),
      PasswordDlg(new TPasswordDlg(model, &main_form)),
      Change_DayView_Form(new TChange_DayView_Form(model, store, &main_form)),
      Change_Pasword_Form(new TChange_Pasword_Form(model, store, &main_form)),
      Period_Select_Form(new TPeriod_Select_Form(model, &main_form)) {
    Connect_Main_Form();
}

void Program_Windows::Connect_Main_Form() {
    TMain_Form *main_form = &Main_Form;
    connect(main_form, &TMain_Form::calendarRequested, Calender_Form, &TCalender_Form::Open);
    connect(main_form, &TMain_Form::monthPickerRequested, Month_Select_Form, &TMonth_Select_Form::Open);
    connect(main_form, &TMain_Form::periodPickerRequested, Period_Select_Form, &TPeriod_Select_Form::Open);
    connect(main_form, &TMain_Form::aboutRequested, AboutBox_Form, &TAboutBox_Form::Open);
    connect(main_form, &TMain_Form::protectedActionRequested, PasswordDlg, &TPasswordDlg::Open);
    connect(PasswordDlg, &TPasswordDlg::accessGranted, this, &Program_Windows::Open_Protected_Window);
    connect(main_form, &TMain_Form::aboutToClose, this, &Program_Windows::Close_Open_Windows);

    // A picker's OK: the row shows its new text and takes the device and zone of the row above.
    connect(Calender_Form, &TCalender_Form::selectionStored, main_form, [main_form](Row_Page page, int row) {
        main_form->Show_Selections();
        main_form->Copy_Row_Above(page, row);
    });
    connect(Month_Select_Form, &TMonth_Select_Form::selectionStored, main_form,
            [main_form](Row_Page page, int row) {
                main_form->Show_Month_Selections();
                main_form->Copy_Row_Above(page, row);
            });
    connect(Period_Select_Form, &TPeriod_Select_Form::selectionStored, main_form,
            [main_form](Row_Page page, int row) {
                main_form->Show_Period_Selections();
                main_form->Copy_Row_Above(page, row);
            });

    connect(Language_Form, &TLanguage_Form::languageChanged, main_form, &TMain_Form::Apply_Main_Texts);
    connect(ID_Edit_Form, &TID_Edit_Form::deviceLabelsStored, main_form, &TMain_Form::Clear_All_Rows);
    connect(Zone_Edit_Form, &TZone_Edit_Form::zoneEditorClosed, main_form, &TMain_Form::Refill_Zone_Lists);
    connect(Edit_Graph_Name_Form, &TEdit_Graph_Name_Form::graphTitlesChanged, main_form,
            &TMain_Form::Redraw_Charts);
    connect(Change_DayView_Form, &TChange_DayView_Form::viewSettingsChanged, main_form,
            &TMain_Form::Apply_View_Settings);
}

void Program_Windows::Open_Protected_Window(int action) {
    switch (action) {
    case 1:
        ID_Edit_Form->Open();
        break;
    case 2:
        Zone_Edit_Form->Open();
        break;
    case 3:
        Language_Form->Open();
        break;
    case 4:
        Directory_Select_Form->Open();
        break;
    case 5:
        Edit_Graph_Name_Form->Open();
        break;
    case 6:
        Change_DayView_Form->Open();
        break;
    case 7:
        Change_Pasword_Form->Open();
        break;
    default:
        break; // no window has any other code
    }
}

void Program_Windows::Close_Open_Windows() {
    QWidget *const windows[] = {Language_Form,       ID_Edit_Form,          Zone_Edit_Form,
                                AboutBox_Form,       Directory_Select_Form, Edit_Graph_Name_Form,
                                Calender_Form,       Month_Select_Form,     PasswordDlg,
                                Change_DayView_Form, Change_Pasword_Form,   Period_Select_Form};
    for (QWidget *window : windows) {
        if (window->isVisible())
            window->close();
    }
}

} // namespace telvo
