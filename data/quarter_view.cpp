#include "quarter_view.h"

#include "calendar.h"
#include "text_functions.h"
#include "view_rows.h"

namespace telvo {

namespace {

constexpr int Shown_Weeks = 13;

QString Two_Digits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

void Collect_Quarter(Model &model, const Row_Selections &rows)
{
    Reset_Quarter_Results(model);
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const Row_Selection &row = rows[r];
        Quarter_Result &result = model.Quarter_Results[r];
        if (row.Device_Text.isEmpty() || !Zone_Is_Chosen(row) || result.Year == 0)
            continue;
        // A row without a period 1..4 has no range to walk.
        const QDate first = Period_First_Day(model, result.Year, result.Period);
        const QDate last = Period_Last_Day(model, result.Year, result.Period);
        if (!first.isValid() || !last.isValid())
            continue;
        const Row_Device device = Device_Of_Row(model, row.Device_Text);
        const qint64 days = first.daysTo(last) + 1;
        std::int32_t week_sum = 0;
        int week = 0;
        for (qint64 i = 0; i < days; ++i) {
            const std::int32_t visitors = Zone_Total_Of_Day(model, device, row.Zone_Index, first.addDays(i));
            week_sum = Add_Wrapping(week_sum, visitors);
            // Every day counts in the total, a 14th week that the table cannot show included.
            result.Total = Add_Wrapping(result.Total, visitors);
            if (i % 7 == 6) {
                if (++week <= Shown_Weeks)
                    result.Week[week] = week_sum;
                week_sum = 0;
            }
        }
    }
}

void Clear_Quarter_Weeks(Model &model)
{
    for (Quarter_Result &result : model.Quarter_Results) {
        result.Week.Fill(0);
        result.Total = 0;
    }
}

Quarter_Table_Texts Show_Quarter_Table(const Model &model)
{
    Quarter_Table_Texts table;
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const Quarter_Result &result = model.Quarter_Results[r];
        for (int j = 1; j <= Shown_Weeks; ++j)
            table.Week[r][j] = Int_To_Text(result.Week[j]);
        table.QT[r] = Int_To_Text(result.Total);
    }
    return table;
}

Quarter_Headers Set_Quarter_Table_Headers(const Model &model)
{
    Quarter_Headers headers;
    for (int r = 1; r <= Rows_Per_View; ++r)
        headers.Quart_ID[r] = QStringLiteral("ID ") + Two_Digits(r);
    for (int j = 1; j <= Shown_Weeks; ++j)
        headers.Quart_Wk[j] = QStringLiteral("Wk ") + Two_Digits(j);
    headers.Quart_QT = model.Texts.Lang_Total;
    return headers;
}

} // namespace telvo
