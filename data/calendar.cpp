#include "calendar.h"

#include <array>

namespace telvo {

namespace {

constexpr int Sunday = 1;
constexpr int Thursday = 5;
constexpr int Friday = 6;

// Days from a date to the first day of the week it opens, by weekday
// 1 = Sunday .. 7 = Saturday: the week holding the date when it falls early
// enough in its week (up to Thursday), otherwise the week after.
constexpr std::array<int, 8> First_Offset_Monday{0, +1, 0, -1, -2, -3, +3, +2};
constexpr std::array<int, 8> First_Offset_Sunday{0, 0, -1, -2, -3, -4, +2, +1};

// Days from a date to the last day of the week it closes: the day before
// the first day of the week that the following day opens.
constexpr std::array<int, 8> Last_Offset_Monday{0, 0, -1, -2, -3, +3, +2, +1};
constexpr std::array<int, 8> Last_Offset_Sunday{0, -1, -2, -3, -4, +2, +1, 0};

QDate Shifted(const Model &model, QDate date, const std::array<int, 8> &monday,
              const std::array<int, 8> &sunday)
{
    if (!date.isValid())
        return {};
    const auto weekday = static_cast<std::size_t>(Day_Of_Week(date));
    return date.addDays(model.Monday_Is_Day_One ? monday[weekday] : sunday[weekday]);
}

// Reads an unsigned decimal part of a date text with the given number of
// digits allowed; -1 when the part is anything else.
int Date_Part(QStringView part, int min_digits, int max_digits)
{
    if (part.size() < min_digits || part.size() > max_digits)
        return -1;
    int value = 0;
    for (const QChar c : part) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace

int Day_Of_Week(QDate date)
{
    // QDate numbers Monday = 1 .. Sunday = 7.
    return date.isValid() ? date.dayOfWeek() % 7 + 1 : 0;
}

QDate First_Day_Of_Week1(Model &model, int year)
{
    const QDate jan1(year, 1, 1);
    if (!jan1.isValid())
        return {};
    model.Jan1_Weekday = Day_Of_Week(jan1);
    model.Weeks_In_Last_Year = model.Jan1_Weekday == Friday ? 53 : 52;
    return Shifted(model, jan1, First_Offset_Monday, First_Offset_Sunday);
}

int Week_Number(Model &model, QDate date)
{
    model.Week_In_Next_Year = false;
    if (!date.isValid())
        return 0;
    const QDate start = First_Day_Of_Week1(model, date.year());
    if (!start.isValid())
        return 0;

    const qint64 days = start.daysTo(date);
    int week = days >= 0 ? static_cast<int>(days / 7) + 1 : 0;
    if (week == 53) {
        const QDate next_jan1(date.year() + 1, 1, 1);
        model.Jan1_Weekday = Day_Of_Week(next_jan1);
        if (model.Jan1_Weekday >= Sunday && model.Jan1_Weekday <= Thursday) {
            week = 1;
            model.Week_In_Next_Year = true;
        }
    }
    if (week == 0)
        week = model.Weeks_In_Last_Year;
    return week;
}

QDate First_Week_Day_At(const Model &model, int year, int month, int day)
{
    return Shifted(model, QDate(year, month, day), First_Offset_Monday, First_Offset_Sunday);
}

QDate Last_Week_Day_At(const Model &model, int year, int month, int day)
{
    return Shifted(model, QDate(year, month, day), Last_Offset_Monday, Last_Offset_Sunday);
}

QDate Period_First_Day(const Model &model, int year, int period)
{
    if (period < 1 || period > 4)
        return {};
    return First_Week_Day_At(model, year, 3 * period - 2, 1);
}

QDate Period_Last_Day(const Model &model, int year, int period)
{
    if (period < 1 || period > 4)
        return {};
    const int month = 3 * period;
    return Last_Week_Day_At(model, year, month, QDate(year, month, 1).daysInMonth());
}

QDate Date_Of_Text(const QString &text)
{
    const QStringView view(text);
    const qsizetype first = view.indexOf(u'-');
    const qsizetype second = first < 0 ? -1 : view.indexOf(u'-', first + 1);
    if (second < 0 || view.indexOf(u'-', second + 1) >= 0)
        return {};
    const int day = Date_Part(view.first(first), 1, 2);
    const int month = Date_Part(view.sliced(first + 1, second - first - 1), 1, 2);
    const int year = Date_Part(view.sliced(second + 1), 4, 4);
    if (day < 0 || month < 0 || year < 0)
        return {};
    return QDate(year, month, day); // invalid for a day or month out of range
}

QString Date_Text(QDate date)
{
    if (!date.isValid())
        return {};
    return QString::asprintf("%02d-%02d-%04d", date.day(), date.month(), date.year());
}

} // namespace telvo
