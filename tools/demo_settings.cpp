#include "demo_settings.h"

#include "demo_devices.h"

#include "data/calendar.h"
#include "data/selection_texts.h"
#include "settings/last_viewed.h"
#include "settings/settings_io.h"

#include <QDir>

namespace telvo {

namespace {

constexpr auto Day = static_cast<std::size_t>(Row_Page::Day);
constexpr auto Week = static_cast<std::size_t>(Row_Page::Week);
constexpr auto Quarter = static_cast<std::size_t>(Row_Page::Quarter);
constexpr auto Month = static_cast<std::size_t>(Row_Page::Month);
constexpr int Total_Zone = 0;

void Set_Devices(Model &model, const QString &data_root)
{
    const QList<Demo_Device> &devices = Demo_Devices();
    for (int slot = 1; slot <= devices.size(); ++slot) {
        const Demo_Device &device = devices[slot - 1];
        model.ID_Numbers[slot] = device.ID_Number;
        model.ID_Names[slot] = device.Name;
        ID_Record &record = model.ID_Records[slot];
        record.Data_Dir = QDir(data_root).absoluteFilePath(device.Folder);
        for (int sensor = 1; sensor <= device.Sensors(); ++sensor)
            record.Zones[Total_Zone].Channels[2 * sensor - 1] = true;
        for (int zone = 1; zone <= device.Zones.size(); ++zone) {
            record.Zones[zone].Name = device.Zones[zone - 1].Name;
            for (const int sensor : device.Zones[zone - 1].Sensors)
                record.Zones[zone].Channels[2 * sensor - 1] = true;
        }
    }
}

void Set_Options(Model &model)
{
    model.Language = QStringLiteral("ENGLISH");
    model.Graph_Titles = {QStringLiteral("Visitor intensity per half hour"),
                          QStringLiteral("Visitors per half hour"),
                          QStringLiteral("Visitors per day"),
                          QStringLiteral("In/out quality factor per day"),
                          QStringLiteral("Visitors per day of the month"),
                          QStringLiteral("Visitors per week")};
    model.Enable_Day_Tab1 = true;
    model.Enable_Day_Tab2 = false;
}

struct Row_Choice {
    QString Device;
    int Zone = Total_Zone;
};

void Choose(Last_Viewed_Rows &rows, std::size_t page, int row, const Row_Choice &choice)
{
    rows.Device_Texts[page][row] = choice.Device;
    rows.Zone_Indexes[page][row] = choice.Zone;
}

// Rows the demo leaves empty are saved as the window saves an empty row.
Last_Viewed_Rows Empty_Rows()
{
    Last_Viewed_Rows rows;
    for (auto &page : rows.Zone_Indexes)
        page.Fill(-1);
    return rows;
}

void Choose_Days(Model &model, Last_Viewed_Rows &rows, QDate end, const Row_Choice &entrance,
                 const Row_Choice &cafe)
{
    const QDate days[] = {end, end.addDays(-7), end};
    const Row_Choice choices[] = {entrance, entrance, cafe};
    for (int row = 1; row <= 3; ++row) {
        model.Day_Dates[row] = days[row - 1];
        model.Day_Date_Texts[row] = Date_Text(days[row - 1]);
        Choose(rows, Day, row, choices[row - 1]);
    }
}

// This week and the same week a year before (52 weeks back, the same weekday).
void Choose_Weeks(Model &model, Last_Viewed_Rows &rows, QDate end, const Row_Choice &entrance,
                  const Row_Choice &shop)
{
    const QDate days[] = {end, end.addDays(-364), end, end.addDays(-364)};
    const Row_Choice choices[] = {entrance, entrance, shop, shop};
    for (int row = 1; row <= 4; ++row) {
        model.Week_Dates[row] = days[row - 1];
        model.Week_Date_Texts[row] = Make_Week_Date_Text(model, days[row - 1]);
        Choose(rows, Week, row, choices[row - 1]);
    }
}

// This month, the month before and this month a year before.
void Choose_Months(Model &model, Last_Viewed_Rows &rows, QDate end, const Row_Choice &entrance)
{
    const QDate months[] = {end, end.addMonths(-1), end.addYears(-1)};
    for (int row = 1; row <= 3; ++row) {
        model.Month_Results[row].Month = static_cast<std::uint16_t>(months[row - 1].month());
        model.Month_Results[row].Year = static_cast<std::uint16_t>(months[row - 1].year());
        Choose(rows, Month, row, entrance);
    }
}

// This quarter and the same quarter a year before, for two devices.
void Choose_Quarters(Model &model, Last_Viewed_Rows &rows, QDate end, const Row_Choice &entrance,
                     const Row_Choice &shop)
{
    const auto period = static_cast<std::uint8_t>((end.month() - 1) / 3 + 1);
    const int years[] = {end.year(), end.year() - 1, end.year(), end.year() - 1};
    const Row_Choice choices[] = {entrance, entrance, shop, shop};
    for (int row = 1; row <= 4; ++row) {
        model.Quarter_Results[row].Period = period;
        model.Quarter_Results[row].Year = static_cast<std::uint16_t>(years[row - 1]);
        Choose(rows, Quarter, row, choices[row - 1]);
    }
}

} // namespace

bool Write_Demo_Settings(const QString &path, const QString &data_root, QDate end, QString *error)
{
    Settings_Store store(path);
    store.Values() = Ini_Store();

    Model model;
    Set_Device_Keys(model);
    Load_Settings(model, store); // the defaults of every value the demo does not set
    Set_Devices(model, data_root);
    Set_Options(model);
    if (!Save_Settings(model, store, error))
        return false;

    const QList<Demo_Device> &devices = Demo_Devices();
    const Row_Choice entrance{devices[0].Name, Total_Zone};
    const Row_Choice shop{devices[1].Name, Total_Zone};
    const Row_Choice cafe_terrace{devices[2].Name, 1};
    Last_Viewed_Rows rows = Empty_Rows();
    Choose_Days(model, rows, end, entrance, cafe_terrace);
    Choose_Weeks(model, rows, end, entrance, shop);
    Choose_Months(model, rows, end, entrance);
    Choose_Quarters(model, rows, end, entrance, shop);
    return Save_Last_Viewed(model, rows, store, error);
}

} // namespace telvo
