#pragma once

#include "day_view.h"
#include "month_view.h"
#include "quarter_view.h"
#include "row_selection.h"
#include "week_qf_view.h"
#include "week_view.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace telvo {

// View_Kind codes of a view request.
inline constexpr int Day_View_Kind = 1;
inline constexpr int Week_View_Kind = 2;
inline constexpr int Week_QF_View_Kind = 3;
inline constexpr int Quarter_View_Kind = 4;
inline constexpr int Month_View_Kind = 5;
inline constexpr int Statistics_View_Kind = 6;

// The page whose rows a view reads (the week page's for the week QF view);
// none for the statistics.
std::optional<Row_Page> Row_Page_Of_View(int view_kind);

// The table texts a view computation leaves for the main window; only the
// members of the view that ran are filled.
struct View_Tables {
    Day_Table_Texts Day;
    Week_Table_Texts Week;
    Per_Row<QString> Week_QF_Info; // ID1_WeekQF_Info .. ID5_WeekQF_Info
    Week_QF_Table_Texts Week_QF;
    Month_Table_Texts Month;
    Quarter_Table_Texts Quarter;
    QString Statistics_Title;      // Stat_Location_Name_Lab
    QStringList Statistics_List;
};

// Runs the computation steps of a view request of the kind, as the main
// window's timer does, without the charts. The rows are the selections of the
// view's page (the week page's for the week QF view); the statistics take
// the device slot Statistics_Location and the year of today. An unknown kind
// computes nothing.
View_Tables Run_View(Model &model, int view_kind, const Row_Selections &rows, QDate today);

} // namespace telvo
