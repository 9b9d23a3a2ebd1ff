#pragma once

#include "model.h"

#include <QDate>
#include <QString>

namespace telvo {

struct Selection_Texts {
    Per_Row<QString> Day_Select;
    Per_Row<QString> Week_Select;
    Per_Row<QString> Month_Period_Select;
};

// Text stored for a week row whose picked day is shown: the day with the year of its week.
QString Make_Week_Date_Text(Model &model, QDate shown);

Selection_Texts Show_Selections(Model &model);
Per_Row<QString> Show_Month_Selections(const Model &model);
Per_Row<QString> Show_Period_Selections(const Model &model);

// "Period: dd-mm-yyyy -> dd-mm-yyyy" of the period picker.
QString Show_Period_Range(const Model &model, int period, int year);

} // namespace telvo
