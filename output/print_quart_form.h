#pragma once

#include "report_form.h"

#include "data/row_selection.h"

namespace telvo {

// The quarter report: A4 portrait, the quarter bar chart, a legend of the five
// rows, the thirteen week totals of every row, the period totals, the comment
// and the footer.
class TPrint_Quart_Form : public Report_Form {
public:
    TPrint_Quart_Form();

    // Fills the report from the quarter view as last computed: Quarter_Results,
    // the quarter title and the quarter page's rows (Period_Text is the row's
    // period caption).
    void fillQuartPrintForm(const Model &model, const Row_Selections &rows);
};

} // namespace telvo
