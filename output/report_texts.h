#pragma once

#include "data/row_selection.h"

#include <QString>

namespace telvo {

// Texts that several report fills share.

// Series title of a report chart: "r, " and the row's zone text.
QString Report_Series_Title(int row, const QString &zone_text);

// "week number, year" of a week row, e.g. "7, 2000"; empty when the row has no week.
QString Week_Column_Text(Model &model, int row);

// Legend line of a week row: Lang_Week + ": " + week column + ", " + device
// + ", " + zone; empty when nothing of the row is chosen.
QString Week_Legend_Text(const Model &model, const QString &week_column, const Row_Selection &row);

} // namespace telvo
