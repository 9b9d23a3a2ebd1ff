#include "week_view.h"

#include "calendar.h"
#include "text_functions.h"
#include "view_rows.h"
#include "week_qf_view.h"

namespace telvo {

namespace {

constexpr int Days_Per_Week = 7;

bool Row_Has_Week(const Model &model, const Row_Selection &row, int r)
{
    return !row.Period_Text.isEmpty() && model.Week_Dates[r].isValid();
}

} // namespace

QDate First_Day_Of_Row_Week(const Model &model, QDate date)
{
    const int weekday = Day_Of_Week(date); // 1 = Sunday .. 7 = Saturday
    const int days_back = model.Sunday_Is_Day_One ? weekday - 1 : (weekday + 5) % Days_Per_Week;
    return date.addDays(-days_back);
}

void Collect_Week(Model &model, const Row_Selections &rows, int mode)
{
    if (mode != 1 && mode != 2)
        return;
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const Row_Selection &row = rows[r];
        if (!Zone_Is_Chosen(row) || !Row_Has_Week(model, row, r))
            continue;
        const Row_Device device = Device_Of_Row(model, row.Device_Text);
        const QDate first = First_Day_Of_Row_Week(model, model.Week_Dates[r]);
        Week_Result &result = model.Week_Results[r];
        for (int k = 1; k <= Days_Per_Week; ++k) {
            const QDate date = first.addDays(k - 1);
            if (mode == 1) {
                result.Day[k].Total = Zone_Total_Of_Day(model, device, row.Zone_Index, date);
            } else {
                Read_Row_Day(model, device, date);
                result.Day[k].QF = Day_Quality_Factor(model, device.Number);
            }
        }
        if (mode == 1) {
            result.Total = 0;
            for (const Week_Day_Result &day : result.Day)
                result.Total = Add_Wrapping(result.Total, day.Total);
        }
    }
}

void Clear_Week_Totals(Model &model)
{
    for (Week_Result &result : model.Week_Results) {
        for (Week_Day_Result &day : result.Day)
            day.Total = 0;
        result.Total = 0;
    }
}

Week_Table_Texts Show_Week_Table(Model &model, const Row_Selections &rows)
{
    Week_Table_Texts table;
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const Week_Result &result = model.Week_Results[r];
        table.Week_ID_Lab[r] = Int_To_Text(r);
        for (int k = 1; k <= Days_Per_Week; ++k)
            table.Day[r][k] = Int_To_Text(result.Day[k].Total);
        table.WT[r] = Int_To_Text(result.Total);
        if (Row_Has_Week(model, rows[r], r))
            table.Wnr[r] = Int_To_Text(Week_Number(model, model.Week_Dates[r]));
    }
    return table;
}

Week_Headers Set_Week_Headers(const Model &model)
{
    const Language_Texts &t = model.Texts;
    Week_Headers headers;
    headers.Day_Names = model.Sunday_Is_Day_One
        ? One_Based<QString, 7>{{t.Lang_Sunday, t.Lang_Monday, t.Lang_Tuesday, t.Lang_Wednesday,
                                 t.Lang_Thursday, t.Lang_Friday, t.Lang_Saturday}}
        : One_Based<QString, 7>{{t.Lang_Monday, t.Lang_Tuesday, t.Lang_Wednesday, t.Lang_Thursday,
                                 t.Lang_Friday, t.Lang_Saturday, t.Lang_Sunday}};
    headers.WT_Lab = t.Lang_Week_Total;
    headers.WeekNr_Label = t.Lang_Week;
    return headers;
}

} // namespace telvo
