#include "statistics_view.h"

#include "calendar.h"
#include "text_functions.h"
#include "view_rows.h"

#include <algorithm>
#include <cmath>

namespace telvo {

namespace {

constexpr int Statistics_Week_Count = 53;

// The column separator of the list: the broken bar.
constexpr QChar Bar(0x00A6);

// Stores the week sums of the whole weeks of a year (those whose Thursday lies
// in it) into weeks[1], weeks[2], ...
void Collect_Year(Model &model, const Row_Device &device, int year,
                  One_Based<std::int32_t, Statistics_Week_Count> &weeks)
{
    const QDate first = First_Week_Day_At(model, year, 1, 1);
    const QDate last = Last_Week_Day_At(model, year, 12, 31);
    if (!first.isValid() || !last.isValid())
        return;
    const qint64 days = std::min<qint64>(first.daysTo(last) + 1, 7 * Statistics_Week_Count);
    std::int32_t week_sum = 0;
    for (qint64 i = 0; i < days; ++i) {
        week_sum = Add_Wrapping(week_sum, Zone_Total_Of_Day(model, device, 0, first.addDays(i)));
        if (i % 7 == 6) {
            weeks[static_cast<int>(i / 7) + 1] = week_sum;
            week_sum = 0;
        }
    }
}

QString Separated(const QString &line, int spaces, const QString &value)
{
    return line + Bar + QString(spaces, QLatin1Char(' ')) + value;
}

} // namespace

void Clear_Statistics(Model &model)
{
    model.Statistics_Weeks.This_Year.Fill(0);
    model.Statistics_Weeks.Last_Year.Fill(0);
}

QString Collect_Statistics(Model &model, int slot, QDate today)
{
    Clear_Statistics(model);
    const int year = today.year();
    const bool known_slot = slot >= 1 && slot <= Device_Slots;
    const QString title = model.Texts.Lang_Year_Label + QLatin1Char(' ') + Int_To_Text(year - 1)
        + QStringLiteral(" - ") + Int_To_Text(year) + QStringLiteral(", ")
        + (known_slot ? model.ID_Names[slot] : QString());
    if (!known_slot || !today.isValid())
        return title;

    Row_Device device;
    device.Number = model.ID_Numbers[slot];
    device.Record = model.ID_Records[slot];
    Collect_Year(model, device, year - 1, model.Statistics_Weeks.Last_Year);
    // Days after today have no files yet and count 0.
    Collect_Year(model, device, year, model.Statistics_Weeks.This_Year);
    return title;
}

QStringList Show_Statistics_List(const Model &model)
{
    const Statistics_Weeks_Record &weeks = model.Statistics_Weeks;
    QStringList lines;
    lines.reserve(Statistics_Week_Count);
    // The running sums are kept in 64 bits so that they never overflow.
    std::int64_t this_sum = 0;
    std::int64_t last_sum = 0;
    for (int w = 1; w <= Statistics_Week_Count; ++w) {
        const std::int32_t this_week = weeks.This_Year[w];
        const std::int32_t last_week = weeks.Last_Year[w];
        this_sum += this_week;
        last_sum += last_week;

        QString line = model.Texts.Lang_Week + QLatin1Char(' ')
            + QStringLiteral("%1").arg(w, 2, 10, QLatin1Char('0'));
        line = Pad_To_Column(line, 11);
        line = Pad_To_Column(Separated(line, 1, Int_To_Text(this_week)), 22);
        line = Pad_To_Column(Separated(line, 2, QString::number(this_sum)), 37);
        line = Pad_To_Column(Separated(line, 2, Int_To_Text(last_week)), 48);
        line = Pad_To_Column(Separated(line, 2, QString::number(last_sum)), 63);
        line = Pad_To_Column(Separated(line, 2, Percentage_Text(this_week, last_week)), 74);
        line = Pad_To_Column(Separated(line + QStringLiteral("% "), 2, Percentage_Text(this_sum, last_sum)), 86);
        line += QStringLiteral("% ") + Bar;
        lines.append(line);
    }
    return lines;
}

QString Pad_To_Column(const QString &text, int n)
{
    if (text.size() >= n)
        return text + QLatin1Char(' ');
    return text.leftJustified(n, QLatin1Char(' '));
}

QString Percentage_Text(std::int64_t a, std::int64_t b)
{
    if (a == 0 || b == 0)
        return QStringLiteral("---");
    // Multiplying before dividing keeps whole percentages exact (129 against 100
    // is 29, not 28.999...).
    const double p = std::trunc((static_cast<double>(a) - static_cast<double>(b)) * 100.0
                                / static_cast<double>(b));
    if (p == 0)
        return QStringLiteral("0");
    const QString digits = QString::number(p, 'f', 0);
    return p > 0 ? QLatin1Char('+') + digits : digits;
}

} // namespace telvo
