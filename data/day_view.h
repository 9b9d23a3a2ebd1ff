#pragma once

#include "row_selection.h"

namespace telvo {

struct Day_Table_Texts {
    Per_Row<QString> Day_ID_Lab;              // device + ", " + zone
    Per_Row<One_Based<QString, 8>> Day_Per;   // 3-hour periods 1..8
    Per_Row<QString> DT_Lab;                  // day total
};

// Day_Results for the five rows (Period_Text is the row's date text).
void Collect_Day_View(Model &model, const Row_Selections &rows);
Day_Table_Texts Fill_Day_Table(const Model &model, const Row_Selections &rows);

// A row has data when it has a device text, a zone and a date text.
bool Day_Row_Has_Data(const Row_Selection &row);

} // namespace telvo
