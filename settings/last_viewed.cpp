#include "last_viewed.h"

#include "data/calendar.h"
#include "data/device_lookup.h"
#include "data/selection_texts.h"

#include <cstdint>

namespace telvo {

namespace {

const QString Day_Section = QStringLiteral("Day_Tab");
const QString Week_Section = QStringLiteral("Week_Tab");
const QString Quarter_Section = QStringLiteral("Quart_Tab");
const QString Month_Section = QStringLiteral("Month_Tab");

QString Numbered(const char *name, int k) { return QLatin1String(name) + QString::number(k); }

QString Date_Name(int k) { return Numbered("Date_", k); }
QString ID_Name(int k) { return Numbered("ID", k); }
QString Zone_Name(int k) { return Numbered("Zone_", k); }
QString Year_Name(int k) { return Numbered("Year_", k); }
QString Picked_Name(int k) { return Numbered("Picked_", k); }

void Load_Devices_And_Zones(Model &model, const Ini_Store &values, const QString &section, Row_Page page)
{
    const auto p = static_cast<std::size_t>(page);
    for (int k = 1; k <= Rows_Per_View; ++k) {
        const auto number = static_cast<std::uint16_t>(values.Read_Integer(section, ID_Name(k), 0));
        model.Row_ID_Names[p][k] = ID_Name_Of_Number(model, number).left(Max_ID_Name);
    }
    for (int k = 1; k <= Rows_Per_View; ++k)
        model.Row_Zone_Indexes[p][k] = values.Read_Integer(section, Zone_Name(k), 0);
}

void Save_Devices_And_Zones(const Model &model, const Last_Viewed_Rows &rows, Ini_Store &values,
                            const QString &section, Row_Page page)
{
    const auto p = static_cast<std::size_t>(page);
    for (int k = 1; k <= Rows_Per_View; ++k)
        values.Write_Integer(section, ID_Name(k), ID_Number_Of_Name(model, rows.Device_Texts[p][k]));
    for (int k = 1; k <= Rows_Per_View; ++k)
        values.Write_Integer(section, Zone_Name(k), rows.Zone_Indexes[p][k]);
}

// A text that is not a valid date leaves the row without a date, like an empty one.
QDate Row_Date(QString &text, QDate today)
{
    const QDate date = text.isEmpty() ? QDate() : Date_Of_Text(text);
    if (!date.isValid()) {
        text.clear();
        return today;
    }
    return date;
}

// The saved text of a week row carries the year of its week, which for the
// last days of December is the next year. The day that was picked is saved
// beside it; files without that day get the text's date moved back a year when
// only the year before gives back the same text.
QDate Week_Row_Date(Model &model, const QString &text, QDate text_date, const QString &picked_text)
{
    const QDate picked = picked_text.isEmpty() ? QDate() : Date_Of_Text(picked_text);
    if (picked.isValid() && Make_Week_Date_Text(model, picked) == text)
        return picked;
    if (Make_Week_Date_Text(model, text_date) != text) {
        const QDate year_before = text_date.addYears(-1);
        if (Make_Week_Date_Text(model, year_before) == text)
            return year_before;
    }
    return text_date;
}

} // namespace

void Load_Last_Viewed(Model &model, const Settings_Store &store, QDate today)
{
    const Ini_Store &values = store.Values();

    for (int k = 1; k <= Rows_Per_View; ++k) {
        QString &text = model.Day_Date_Texts[k];
        text = values.Read_String(Day_Section, Date_Name(k), {});
        model.Day_Dates[k] = Row_Date(text, today);
    }
    Load_Devices_And_Zones(model, values, Day_Section, Row_Page::Day);

    for (int k = 1; k <= Rows_Per_View; ++k) {
        QString &text = model.Week_Date_Texts[k];
        text = values.Read_String(Week_Section, Date_Name(k), {});
        const QDate date = Row_Date(text, today);
        model.Week_Dates[k] =
            text.isEmpty() ? date : Week_Row_Date(model, text, date, values.Read_String(Week_Section, Picked_Name(k), {}));
    }
    Load_Devices_And_Zones(model, values, Week_Section, Row_Page::Week);

    for (int k = 1; k <= Rows_Per_View; ++k) {
        Quarter_Result &row = model.Quarter_Results[k];
        row.Year = static_cast<std::uint16_t>(values.Read_Integer(Quarter_Section, Year_Name(k), 0));
        row.Period = static_cast<std::uint8_t>(values.Read_Integer(Quarter_Section, Numbered("Per_", k), 0));
    }
    Load_Devices_And_Zones(model, values, Quarter_Section, Row_Page::Quarter);

    for (int k = 1; k <= Rows_Per_View; ++k)
        model.Month_Results[k].Year = static_cast<std::uint16_t>(values.Read_Integer(Month_Section, Year_Name(k), 0));
    for (int k = 1; k <= Rows_Per_View; ++k)
        model.Month_Results[k].Month = static_cast<std::uint16_t>(values.Read_Integer(Month_Section, Numbered("Month_", k), 0));
    Load_Devices_And_Zones(model, values, Month_Section, Row_Page::Month);
}

bool Save_Last_Viewed(const Model &model, const Last_Viewed_Rows &rows, Settings_Store &store, QString *error)
{
    Ini_Store &values = store.Values();

    for (int k = 1; k <= Rows_Per_View; ++k)
        values.Write_String(Day_Section, Date_Name(k), model.Day_Date_Texts[k]);
    Save_Devices_And_Zones(model, rows, values, Day_Section, Row_Page::Day);

    for (int k = 1; k <= Rows_Per_View; ++k)
        values.Write_String(Week_Section, Date_Name(k), model.Week_Date_Texts[k]);
    Save_Devices_And_Zones(model, rows, values, Week_Section, Row_Page::Week);
    for (int k = 1; k <= Rows_Per_View; ++k) {
        const QDate picked = model.Week_Dates[k];
        values.Write_String(Week_Section, Picked_Name(k), picked.isValid() ? Date_Text(picked) : QString());
    }

    for (int k = 1; k <= Rows_Per_View; ++k) {
        const Quarter_Result &row = model.Quarter_Results[k];
        values.Write_Integer(Quarter_Section, Year_Name(k), row.Year);
        values.Write_Integer(Quarter_Section, Numbered("Per_", k), row.Period);
    }
    Save_Devices_And_Zones(model, rows, values, Quarter_Section, Row_Page::Quarter);

    for (int k = 1; k <= Rows_Per_View; ++k)
        values.Write_Integer(Month_Section, Year_Name(k), model.Month_Results[k].Year);
    for (int k = 1; k <= Rows_Per_View; ++k)
        values.Write_Integer(Month_Section, Numbered("Month_", k), model.Month_Results[k].Month);
    Save_Devices_And_Zones(model, rows, values, Month_Section, Row_Page::Month);

    return store.Commit(error);
}

} // namespace telvo
