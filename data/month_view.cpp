#include "month_view.h"

#include "text_functions.h"
#include "view_rows.h"

namespace telvo {

int Days_In_Month_Of(int month, int year)
{
    switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    case 4: case 6: case 9: case 11:
        return 30;
    case 2:
        return year % 4 == 0 ? 29 : 28;
    default:
        return 0;
    }
}

void Collect_Month(Model &model, const Row_Selections &rows)
{
    Reset_Month_Results(model);
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const Row_Selection &row = rows[r];
        Month_Result &result = model.Month_Results[r];
        const int days = Days_In_Month_Of(result.Month, result.Year);
        // A row without a month has no first day to walk from.
        if (row.Device_Text.isEmpty() || !Zone_Is_Chosen(row) || result.Year == 0 || days == 0)
            continue;
        const Row_Device device = Device_Of_Row(model, row.Device_Text);
        result.Days_In_Month = static_cast<std::uint8_t>(days);
        for (int d = 1; d <= days; ++d) {
            // 29 February of a century year that is no leap year has no file to read.
            const QDate date(result.Year, result.Month, d);
            if (!date.isValid())
                continue;
            const std::int32_t visitors = Zone_Total_Of_Day(model, device, row.Zone_Index, date);
            result.Day[d] = visitors;
            result.Total = Add_Wrapping(result.Total, visitors);
        }
    }
}

void Clear_Month_Totals(Model &model)
{
    for (Month_Result &result : model.Month_Results)
        result.Total = 0;
}

Month_Table_Texts Show_Month_Table(const Model &model, const Row_Selections &rows)
{
    Month_Table_Texts table;
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const Row_Selection &row = rows[r];
        table.Month_ID[r] = !row.Device_Text.isEmpty() && !row.Period_Text.isEmpty()
            ? row.Device_Text + QStringLiteral(",  ") + row.Period_Text + QStringLiteral("   :")
            : QStringLiteral(":");
        table.Month_Total[r] = Int_To_Text(model.Month_Results[r].Total);
    }
    table.Month_Total_Label = model.Texts.Lang_Month_Total;
    return table;
}

bool Month_Row_Is_Drawn(const Row_Selection &row)
{
    return !row.Device_Text.isEmpty() && Zone_Is_Chosen(row) && !row.Period_Text.isEmpty();
}

} // namespace telvo
