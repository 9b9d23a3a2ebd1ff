#pragma once

#include "report_form.h"

#include "data/row_selection.h"

namespace telvo {

// The day report: A4 landscape, the day chart, a legend of the five rows, the
// visitors per hour of every row with their day totals, the comment and the footer.
class TPrint_Day_Form : public Report_Form {
public:
    TPrint_Day_Form();

    // Fills the report from the day view as last computed: Day_Results,
    // Day_Chart_Title, the print hours and the day page's rows (Period_Text
    // is the row's date text).
    void fillDayPrintForm(const Model &model, const Row_Selections &rows);

private:
    // The five labels of hour column h: the visitors of its two half hours,
    // or nothing outside the print hours.
    void Fill_Day_Hour_Column(const Model &model, int hour);
    void Fill_Day_Chart(const Model &model, const Row_Selections &rows);
};

} // namespace telvo
