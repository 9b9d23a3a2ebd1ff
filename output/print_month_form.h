#pragma once

#include "report_form.h"

#include "data/row_selection.h"

namespace telvo {

// The month report: US Letter portrait, the month chart, a legend of the five
// rows, the month totals, the comment and the footer.
class TPrint_Month_Form : public Report_Form {
public:
    TPrint_Month_Form();

    // Fills the report from the month view as last computed: Month_Results,
    // the month title and the month page's rows (Period_Text is the row's
    // month caption).
    void fillMonthPrintForm(const Model &model, const Row_Selections &rows);
};

} // namespace telvo
