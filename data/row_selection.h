#pragma once

#include "model.h"

#include <QString>

namespace telvo {

// One selection row as the main window shows it: the text of its period field,
// its device combo text, the zone index chosen (-1 = none) and the zone text.
// The dates and periods themselves live in the model (Day_Dates, Week_Dates,
// Month_Results, Quarter_Results).
struct Row_Selection {
    QString Period_Text;
    QString Device_Text;
    int Zone_Index = -1;
    QString Zone_Text;
};

using Row_Selections = Per_Row<Row_Selection>;

} // namespace telvo
