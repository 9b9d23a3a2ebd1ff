#include "model.h"

namespace telvo {

void Set_Device_Keys(Model &model)
{
    for (int slot = 1; slot <= Device_Slots; ++slot)
        model.ID_Records[slot].Key = QStringLiteral("ID%1").arg(slot);
}

void Clear_Half_Hour_Table(Model &model)
{
    for (int s = 1; s <= Half_Hour_Slots; ++s) {
        Half_Hour_Slot &slot = model.Half_Hour_Table[s];
        slot.End_Minute = 30 * s;
        slot.Counts.Fill(0);
    }
}

void Reset_Day_Results(Model &model)
{
    for (Day_Result &row : model.Day_Results) {
        row.In.Fill(0);
        row.Out.Fill(0);
        row.Total = 0;
    }
}

void Reset_Week_Results(Model &model)
{
    for (Week_Result &row : model.Week_Results) {
        row.Day.Fill(Week_Day_Result{});
        row.Total = 0;
    }
}

void Reset_Month_Results(Model &model)
{
    for (Month_Result &row : model.Month_Results) {
        row.Day.Fill(0);
        row.Total = 0;
    }
}

void Reset_Quarter_Results(Model &model)
{
    for (Quarter_Result &row : model.Quarter_Results) {
        row.Week.Fill(0);
        row.Total = 0;
    }
}

} // namespace telvo
