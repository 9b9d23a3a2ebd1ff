#pragma once

#include "chart.h"

#include "data/row_selection.h"

namespace telvo {

// The model's Day_Chart_Title := the graph title of the day view mode
// (intensity or half-hourly), which the day chart and the day report show.
void Set_Day_Chart_Title(Model &model);

// Sets the model's Day_Chart_Title (intensity or half-hourly title, which the
// day report shows too), makes the five line series shown and empty and titles
// them from the rows (Period_Text is the row's date text).
void Prepare_Day_Chart(Chart &chart, Model &model, const Row_Selections &rows);

// One point per half hour from From_Hour to To_Hour for every row with data:
// the number of visitors inside (intensity mode) or coming in; rows without
// data are hidden.
void Fill_Day_Chart(Chart &chart, Model &model, const Row_Selections &rows);

void Clear_Day_Chart(Chart &chart);

} // namespace telvo
