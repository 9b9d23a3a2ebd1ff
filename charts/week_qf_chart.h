#pragma once

#include "chart.h"

#include "data/row_selection.h"

#include <cstdint>

namespace telvo {

// The bar of a quality factor: its deviation from 100 times ten, so that the
// reference lines at -100 and 100 mark 90 and 110. A balanced day (100) and a
// factor of 6 or less show the stub of 6.
double Week_QF_Bar_Value(std::uint8_t qf);

// As the week chart, with the week QF title, plus the three reference line
// series (not in the legend) and the fixed left axis -150..150 without labels.
void Prepare_Week_QF_Chart(Chart &chart, const Model &model, const Row_Selections &rows);

// The reference lines at -100, 100 and 0 and the factors of every row.
void Draw_Week_QF_Chart(Chart &chart, const Model &model, const Row_Selections &rows);

// Removes the points of the five bar series; the reference lines stay.
void Clear_Week_QF_Chart(Chart &chart);

} // namespace telvo
