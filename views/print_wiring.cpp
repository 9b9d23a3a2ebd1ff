#include "print_wiring.h"

#include "main_form.h"
#include "selection_rows.h"

#include "data/view_runs.h"

#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

namespace telvo {

Print_Source Main_Form_Print_Source(TMain_Form &main_form, Model &model) {
    Print_Source source;
    source.Current_Page = [&main_form] {
        const auto *pages = main_form.findChild<const QTabWidget *>(QStringLiteral("TabbedNotebook1"));
        return pages ? pages->currentIndex() : 0;
    };
    source.Rows = [&main_form](int view_kind) {
        switch (view_kind) {
        case Day_View_Kind:
            return main_form.Rows(Row_Page::Day)->Read_Rows();
        case Month_View_Kind:
            return main_form.Rows(Row_Page::Month)->Read_Rows();
        case Quarter_View_Kind:
            return main_form.Rows(Row_Page::Quarter)->Read_Rows();
        default:
            return main_form.Rows(Row_Page::Week)->Read_Rows();
        }
    };
    // The timer's work for the kind, done now: the view's collection, table and
    // chart, without the wait window.
    source.Recompute = [&main_form, &model](int view_kind) {
        model.View_Kind = view_kind;
        main_form.Timer1Timer();
    };
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
    : Print_Dispatch(model, Main_Form_Print_Source(main_form, model), &main_form),
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
