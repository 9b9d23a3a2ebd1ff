#include "view_runs.h"

#include "statistics_view.h"

namespace telvo {

std::optional<Row_Page> Row_Page_Of_View(int view_kind)
{
    switch (view_kind) {
    case Day_View_Kind:
        return Row_Page::Day;
    case Week_View_Kind:
    case Week_QF_View_Kind:
        return Row_Page::Week;
    case Quarter_View_Kind:
        return Row_Page::Quarter;
    case Month_View_Kind:
        return Row_Page::Month;
    default:
        return std::nullopt;
    }
}

View_Tables Run_View(Model &model, int view_kind, const Row_Selections &rows, QDate today)
{
    View_Tables tables;
    switch (view_kind) {
    case Day_View_Kind:
        Reset_Day_Results(model);
        Collect_Day_View(model, rows);
        tables.Day = Fill_Day_Table(model, rows);
        break;
    case Week_View_Kind:
        Clear_Week_Totals(model);
        Collect_Week(model, rows, 1);
        tables.Week = Show_Week_Table(model, rows);
        break;
    case Week_QF_View_Kind:
        tables.Week_QF_Info = Collect_Week_QF(model, rows);
        tables.Week_QF = Show_Week_QF_Table(model, tables.Week_QF_Info);
        break;
    case Quarter_View_Kind:
        Clear_Quarter_Weeks(model);
        Collect_Quarter(model, rows);
        tables.Quarter = Show_Quarter_Table(model);
        break;
    case Month_View_Kind:
        Clear_Month_Totals(model);
        Collect_Month(model, rows);
        tables.Month = Show_Month_Table(model, rows);
        break;
    case Statistics_View_Kind:
        Clear_Statistics(model);
        tables.Statistics_Title = Collect_Statistics(model, model.Statistics_Location, today);
        tables.Statistics_List = Show_Statistics_List(model);
        break;
    default:
        break;
    }
    return tables;
}

} // namespace telvo
