#pragma once

#include "settings_store.h"

#include "data/model.h"

#include <QDate>

namespace telvo {

// What the main window's rows hold when it closes: per page and row the device
// combo text and the zone index chosen (-1 = none).
struct Last_Viewed_Rows {
    std::array<Per_Row<QString>, Row_Page_Count> Device_Texts;
    std::array<Per_Row<int>, Row_Page_Count> Zone_Indexes{};
};

// Fills date texts and dates (today for rows without a date or with a text that
// is no date), Row_ID_Names, Row_Zone_Indexes and the month and quarter
// selections. A week row gets back the day that was picked, so its week is the
// week that was picked, also when its text carries the next year.
void Load_Last_Viewed(Model &model, const Settings_Store &store, QDate today);

// Writes the four sections, with the picked day of each week row beside its
// text ("Picked_1".."Picked_5" in Week_Tab), and commits the file.
bool Save_Last_Viewed(const Model &model, const Last_Viewed_Rows &rows, Settings_Store &store,
                      QString *error = nullptr);

} // namespace telvo
