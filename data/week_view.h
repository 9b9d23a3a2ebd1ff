#pragma once

#include "row_selection.h"

namespace telvo {

struct Week_Table_Texts {
    Per_Row<QString> Week_ID_Lab;          // "1".."5"
    Per_Row<One_Based<QString, 7>> Day;    // day totals at positions 1..7
    Per_Row<QString> WT;                   // week totals
    Per_Row<QString> Wnr;                  // week numbers, empty for rows without a week
};

struct Week_Headers {
    One_Based<QString, 7> Day_Names; // Ma_Lab .. Zo_Lab in display order
    QString WT_Lab;
    QString WeekNr_Label;
};

// First day of the week that holds the date (Monday, or Sunday with Sunday_Is_Day_One).
QDate First_Day_Of_Row_Week(const Model &model, QDate date);

// Mode 1 fills the day totals and week totals, mode 2 the quality factors.
// Rows without a week text or zone are left as they are.
void Collect_Week(Model &model, const Row_Selections &rows, int mode);
void Clear_Week_Totals(Model &model);
Week_Table_Texts Show_Week_Table(Model &model, const Row_Selections &rows);
Week_Headers Set_Week_Headers(const Model &model);

} // namespace telvo
