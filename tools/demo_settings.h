#pragma once

#include <QDate>
#include <QString>

namespace telvo {

// Writes the demo settings file in the program's own format: the demo devices
// in slots 1..3 with their data directories below data_root, their zones and
// channel sets, chart titles, and last selections that fill the day, week,
// month and quarter pages around the end date (this week, month and quarter
// beside the ones before or a year before).
bool Write_Demo_Settings(const QString &path, const QString &data_root, QDate end, QString *error);

} // namespace telvo
