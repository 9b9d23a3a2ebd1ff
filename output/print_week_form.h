#pragma once

#include "report_form.h"

#include "data/row_selection.h"

namespace telvo {

// The week report: A4 portrait, the week bar chart, a legend of the five rows,
// the day totals and week totals of every row, the comment and the footer.
class TPrint_Week_Form : public Report_Form {
public:
    TPrint_Week_Form();

    // Fills the report from the week view as last computed: Week_Results,
    // the week title, the week rows' dates and the week page's rows.
    void fillweekPrintForm(Model &model, const Row_Selections &rows);
};

} // namespace telvo
