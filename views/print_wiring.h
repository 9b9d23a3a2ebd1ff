#pragma once

#include "comments_form.h"
#include "print_dispatch.h"

namespace telvo {

class TMain_Form;

// Printing of the main window: the comment window and the print dispatch,
// made once with the main window and connected to its print commands. The
// print buttons of pages 0..4 (and Print1 there) show the comment window;
// Stat_Print_Button (and Print1 on the statistics page) print at once;
// Printer_settings1 runs the printer setup.
class Print_Wiring {
public:
    Print_Wiring(TMain_Form &main_form, Model &model);

    TPrint_Dispatch &Dispatch() { return Print_Dispatch; }
    TComments_Form &Comments_Form() { return *Comments; }

private:
    TPrint_Dispatch Print_Dispatch;
    TComments_Form *Comments; // owned by the main window
};

// What printing reads from the main window, through its public functions and
// the object names of its widgets.
Print_Source Main_Form_Print_Source(TMain_Form &main_form);

} // namespace telvo
