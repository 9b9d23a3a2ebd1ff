#pragma once

#include "row_selection.h"

namespace telvo {

struct Quarter_Table_Texts {
    Per_Row<One_Based<QString, 13>> Week;
    Per_Row<QString> QT;
};

struct Quarter_Headers {
    Per_Row<QString> Quart_ID;        // "ID 01" .. "ID 05"
    One_Based<QString, 13> Quart_Wk;  // "Wk 01" .. "Wk 13"
    QString Quart_QT;
};

void Collect_Quarter(Model &model, const Row_Selections &rows);
void Clear_Quarter_Weeks(Model &model);
Quarter_Table_Texts Show_Quarter_Table(const Model &model);
Quarter_Headers Set_Quarter_Table_Headers(const Model &model);

} // namespace telvo
