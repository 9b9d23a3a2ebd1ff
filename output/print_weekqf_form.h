#pragma once

#include "report_form.h"

#include "data/row_selection.h"

namespace telvo {

// The week QF report: A4 portrait, the quality factor chart, a legend of the
// week rows, the factor of every day, the comment and the footer.
class TPrint_WeekQF_Form : public Report_Form {
public:
    TPrint_WeekQF_Form();

    // Fills the report from the week QF view as last computed: the QF values
    // of Week_Results, the week QF title, the week rows' dates and the week
    // page's rows.
    void fillweekQFPrintForm(Model &model, const Row_Selections &rows);
};

} // namespace telvo
