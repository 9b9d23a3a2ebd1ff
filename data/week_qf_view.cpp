#include "week_qf_view.h"

#include "calendar.h"
#include "text_functions.h"
#include "week_view.h"

namespace telvo {

namespace {

// Record of the last slot carrying the ID number; none when no slot does.
const ID_Record *Record_Of_Number(const Model &model, std::uint16_t id_number)
{
    const ID_Record *found = nullptr;
    for (int k = 1; k <= Device_Slots; ++k) {
        if (model.ID_Numbers[k] == id_number)
            found = &model.ID_Records[k];
    }
    return found;
}

int Partner_Of(int channel)
{
    return channel % 2 == 1 ? channel + 1 : channel - 1;
}

// 100 * out / in rounded to the nearest integer, halves to the even neighbour.
// Integer arithmetic keeps exact halves exact.
std::int64_t Rounded_Percentage(std::int64_t in, std::int64_t out)
{
    const std::int64_t scaled = 100 * out;
    std::int64_t quotient = scaled / in;
    const std::int64_t twice_rest = 2 * (scaled % in);
    if (twice_rest > in || (twice_rest == in && quotient % 2 == 1))
        ++quotient;
    return quotient;
}

} // namespace

std::uint8_t Day_Quality_Factor(const Model &model, std::uint16_t id_number)
{
    static const QString marker = QStringLiteral(",Qf=");
    const qsizetype at = model.Day_File_Header.indexOf(marker);
    if (at >= 0) {
        QString digits = model.Day_File_Header.mid(at + marker.size(), 3);
        digits.remove(QLatin1Char(','));
        return static_cast<std::uint8_t>(Text_To_Int(digits));
    }

    const ID_Record *record = Record_Of_Number(model, id_number);
    if (record == nullptr)
        return 0;
    const auto &channels = record->Zones[0].Channels;
    std::int64_t in = 0;
    std::int64_t out = 0;
    for (const Half_Hour_Slot &slot : model.Half_Hour_Table) {
        for (int c = 1; c <= Channel_Count; ++c) {
            if (channels[c]) {
                in += slot.Counts[c];
                out += slot.Counts[Partner_Of(c)];
            }
        }
    }
    if (in == 0)
        return 0;
    // 1 - (In - Out) / In is Out / In; factors past 255 keep their low 8 bits.
    return static_cast<std::uint8_t>(Rounded_Percentage(in, out));
}

Per_Row<QString> Collect_Week_QF(Model &model, const Row_Selections &rows)
{
    Per_Row<QString> info;
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const Row_Selection &row = rows[r];
        const QDate date = model.Week_Dates[r];
        if (row.Device_Text.isEmpty() || row.Zone_Text.isEmpty() || !date.isValid())
            continue;
        info[r] = model.Texts.Lang_Week + QLatin1Char(' ') + Int_To_Text(Week_Number(model, date))
            + QStringLiteral(", ") + row.Device_Text + QStringLiteral(", ") + row.Zone_Text;
    }
    Collect_Week(model, rows, 2);
    return info;
}

Week_QF_Table_Texts Show_Week_QF_Table(const Model &model, const Per_Row<QString> &info)
{
    Week_QF_Table_Texts table;
    table.Info2 = info;
    for (int r = 1; r <= Rows_Per_View; ++r) {
        for (int k = 1; k <= 7; ++k)
            table.QF[r][k] = Int_To_Text(model.Week_Results[r].Day[k].QF);
    }
    return table;
}

void Clear_Week_QF(Model &model)
{
    for (Week_Result &result : model.Week_Results) {
        for (Week_Day_Result &day : result.Day)
            day.QF = 0;
    }
}

} // namespace telvo
