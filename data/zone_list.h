#pragma once

#include "model.h"

#include <QStringList>

namespace telvo {

// The six zone names a row's zone list gets for the device text, in zone order.
// The day page's first row also names the Total zone of all five devices with
// "Totals in" of the current language.
QStringList Fill_Zone_List(Model &model, Row_Page page, int row, const QString &device_text);

// The five device names in slot order, empty names included.
QStringList ID_List(const Model &model);

} // namespace telvo
