#include "report_forms.h"

#include "data/view_runs.h"

namespace telvo {

Report_Form &Report_Forms::Form(int view_kind) {
    switch (view_kind) {
    case Day_View_Kind:
        return Day;
    case Week_View_Kind:
        return Week;
    case Week_QF_View_Kind:
        return Week_QF;
    case Month_View_Kind:
        return Month;
    case Quarter_View_Kind:
        return Quarter;
    default:
        return Statistics;
    }
}

const Report_Page &Report_Forms::Fill(int view_kind, Model &model, const Row_Selections &rows,
                                      const Statistics_Shown &statistics) {
    switch (view_kind) {
    case Day_View_Kind:
        Day.fillDayPrintForm(model, rows);
        break;
    case Week_View_Kind:
        Week.fillweekPrintForm(model, rows);
        break;
    case Week_QF_View_Kind:
        Week_QF.fillweekQFPrintForm(model, rows);
        break;
    case Month_View_Kind:
        Month.fillMonthPrintForm(model, rows);
        break;
    case Quarter_View_Kind:
        Quarter.fillQuartPrintForm(model, rows);
        break;
    default:
        Statistics.fillStatisticPrintForm(model.Texts, statistics.Location_Line, statistics.Lines);
        break;
    }
    return Form(view_kind).Page();
}

} // namespace telvo
