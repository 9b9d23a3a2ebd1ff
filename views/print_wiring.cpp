#include "print_wiring.h"

#include "main_form.h"


#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

namespace telvo {

Print_Source Main_Form_Print_Source(TMain_Form &main_form) {
    Print_Source source;
    source.Current_Page = [&main_form] {
        const auto *pages = main_form.findChild<const QTabWidget *>(QStringLiteral("TabbedNotebook1"));
        return pages ? pages->currentIndex() : 0;
    };
    source.Rows = [&main_form](int view_kind) { return main_form.Rows_Of_View(view_kind); };
    // The view's collection, table and chart, done now without the wait window.
    source.Recompute = [&main_form](int view_kind) { main_form.Compute_View(view_kind); };
    source.Statistics = [&main_form] {
        Statistics_Shown shown;
        if (const auto *title = main_form.findChild<const QLabel *>(QStringLiteral("Stat_Location_Name_Lab")))
            shown.Location_Line = title->text();
        if (const auto *list =
                main_form.findChild<const QListWidget *>(QStringLiteral("Statistics_Result_Box"))) {
            for (int i = 0; i < list->count(); ++i)
                shown.Lines.append(list->item(i)->text());
        }
        return shown;
    };
    return source;
}

Print_Wiring::Print_Wiring(TMain_Form &main_form, Model &model)
    : Print_Dispatch(model, Main_Form_Print_Source(main_form), &main_form),
      Comments(new TComments_Form(model.Texts, Print_Dispatch, &main_form)) {
    QObject::connect(&main_form, &TMain_Form::commentRequested, Comments, [this] {
        Comments->show();
        Comments->raise();
        Comments->activateWindow();
    });
    QObject::connect(&main_form, &TMain_Form::statisticsPrintRequested, Comments,
                     &TComments_Form::Print_ButtonClick);
    QObject::connect(&main_form, &TMain_Form::printerSetupRequested, Comments,
                     [this] { Print_Dispatch.Printer_Setup(); });
}

} // namespace telvo
