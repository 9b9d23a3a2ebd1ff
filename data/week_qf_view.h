#pragma once

#include "row_selection.h"

#include <cstdint>

namespace telvo {

struct Week_QF_Table_Texts {
    Per_Row<QString> Info2;                // row headers inside the table
    Per_Row<One_Based<QString, 7>> QF;     // factors at positions 1..7
};

// QF of the day file just read for the device with the ID number.
std::uint8_t Day_Quality_Factor(const Model &model, std::uint16_t id_number);

// Returns the info lines ID1_WeekQF_Info..ID5_WeekQF_Info and runs Collect_Week(2).
Per_Row<QString> Collect_Week_QF(Model &model, const Row_Selections &rows);
Week_QF_Table_Texts Show_Week_QF_Table(const Model &model, const Per_Row<QString> &info);
void Clear_Week_QF(Model &model);

} // namespace telvo
