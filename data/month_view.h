#pragma once

#include "row_selection.h"

namespace telvo {

struct Month_Table_Texts {
    Per_Row<QString> Month_ID;     // row labels
    Per_Row<QString> Month_Total;  // ID1_month_Total .. ID5_month_Total
    QString Month_Total_Label;
};

int Days_In_Month_Of(int month, int year); // no century rule, as the month view counts
void Collect_Month(Model &model, const Row_Selections &rows);
void Clear_Month_Totals(Model &model);
Month_Table_Texts Show_Month_Table(const Model &model, const Row_Selections &rows);

// A row is drawn when it has a device, a zone and a month caption.
bool Month_Row_Is_Drawn(const Row_Selection &row);

} // namespace telvo
