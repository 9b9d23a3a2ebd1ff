#pragma once

#include "model.h"

#include <cstdint>

namespace telvo {

// Sum of the zone's selected channels over all 48 slots of Half_Hour_Table.
std::int32_t Zone_Day_Total(const Model &model, int zone, const ID_Record &record);

// In and Out per half hour of the zone into the row; balances Half_Hour_Table in
// place first when intensity mode and balancing are both set. Total is not touched.
void Zone_In_Out(Model &model, int zone, Day_Result &row, const ID_Record &record);

} // namespace telvo
