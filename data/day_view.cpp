#include "day_view.h"

#include "text_functions.h"
#include "view_rows.h"
#include "zone_totals.h"

namespace telvo {

namespace {

constexpr int Slots_Per_Period = 6; // a table column covers three hours

} // namespace

bool Day_Row_Has_Data(const Row_Selection &row)
{
    return !row.Device_Text.isEmpty() && Zone_Is_Chosen(row) && !row.Period_Text.isEmpty();
}

void Collect_Day_View(Model &model, const Row_Selections &rows)
{
    Reset_Day_Results(model);
    Clear_Half_Hour_Table(model);
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const Row_Selection &row = rows[r];
        const QDate date = model.Day_Dates[r];
        if (!Zone_Is_Chosen(row) || row.Period_Text.isEmpty() || !date.isValid())
            continue;
        // Each row reads its file afresh: balancing rewrites the table in place.
        const Row_Device device = Device_Of_Row(model, row.Device_Text);
        Read_Row_Day(model, device, date);
        Zone_In_Out(model, row.Zone_Index, model.Day_Results[r], device.Record);
    }
    for (Day_Result &result : model.Day_Results) {
        result.Total = 0;
        for (const std::uint16_t in : result.In)
            result.Total += in;
    }
}

Day_Table_Texts Fill_Day_Table(const Model &model, const Row_Selections &rows)
{
    Day_Table_Texts table;
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const Row_Selection &row = rows[r];
        if (!row.Device_Text.isEmpty() || !row.Zone_Text.isEmpty())
            table.Day_ID_Lab[r] = row.Device_Text + QStringLiteral(", ") + row.Zone_Text;
        const Day_Result &result = model.Day_Results[r];
        for (int k = 1; k <= 8; ++k) {
            std::uint16_t sum = 0; // the period sums wrap like the half-hour counts
            for (int s = Slots_Per_Period * (k - 1) + 1; s <= Slots_Per_Period * k; ++s)
                sum = static_cast<std::uint16_t>(sum + result.In[s]);
            table.Day_Per[r][k] = Int_To_Text(sum);
        }
        table.DT_Lab[r] = Int_To_Text(result.Total);
    }
    return table;
}

} // namespace telvo
