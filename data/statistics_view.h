#pragma once

#include "model.h"

#include <QDate>
#include <QStringList>

#include <cstdint>

namespace telvo {

void Clear_Statistics(Model &model);

// Fills Statistics_Weeks for device slot 1..5 with today's year as this year;
// returns the title line Stat_Location_Name_Lab.
QString Collect_Statistics(Model &model, int slot, QDate today);

// The 53 fixed-column lines of the statistics list.
QStringList Show_Statistics_List(const Model &model);

// Appends blanks (at least one) until the text is n long; one blank when it
// already reaches or passes n.
QString Pad_To_Column(const QString &text, int n);

// Percentage of a against b as the statistics show it: "+50", "0", "-12", or
// "---" when either is 0.
QString Percentage_Text(std::int64_t a, std::int64_t b);

} // namespace telvo
