#include "demo_devices.h"

namespace telvo {

namespace {

constexpr int Hour = 60;

Opening_Hours Open(int open_hour, int open_minute, int close_hour, int close_minute)
{
    return {open_hour * Hour + open_minute, close_hour * Hour + close_minute};
}

One_Based<Opening_Hours, 7> Week_Hours(Opening_Hours sunday, Opening_Hours weekday, Opening_Hours saturday)
{
    One_Based<Opening_Hours, 7> hours;
    hours.Fill(weekday);
    hours[1] = sunday;
    hours[7] = saturday;
    return hours;
}

template <int N>
One_Based<double, N> Factors(const double (&values)[N])
{
    One_Based<double, N> factors;
    for (int i = 1; i <= N; ++i)
        factors[i] = values[i - 1];
    return factors;
}

Demo_Device Main_Entrance()
{
    Demo_Device device;
    device.ID_Number = 7;
    device.Name = QStringLiteral("Main Entrance");
    device.Folder = QStringLiteral("main-entrance");
    device.Interval_Minutes = 15;
    device.Sensor_Shares = {0.25, 0.2, 0.15, 0.2, 0.12, 0.08};
    device.Staff_Sensor = 6;
    device.Hours = Week_Hours(Open(12, 0, 17, 0), Open(9, 0, 20, 0), Open(9, 0, 18, 0));
    device.Weekday_Factor = Factors({0.55, 0.8, 0.85, 0.9, 0.95, 1.1, 1.5});
    // December is the busiest month; the summer holidays are quiet.
    device.Season_Factor = Factors({0.85, 0.8, 0.9, 0.95, 1.0, 0.9, 0.78, 0.8, 0.95, 1.0, 1.1, 1.45});
    device.Visitors_Per_Day = 2400;
    device.Peaks = {{11.5, 1.5, 1.0}, {15.5, 2.0, 1.2}, {18.5, 1.0, 0.5}};
    device.Mean_Stay_Minutes = 55;
    device.Zones = {{QStringLiteral("North doors"), {1, 2, 3}},
                    {QStringLiteral("South doors"), {4, 5}},
                    {QStringLiteral("Car park lift"), {6}}};
    return device;
}

Demo_Device Garden_Shop()
{
    Demo_Device device;
    device.ID_Number = 45;
    device.Name = QStringLiteral("Garden Shop");
    device.Folder = QStringLiteral("garden-shop");
    device.Interval_Minutes = 30;
    device.Sensor_Shares = {0.45, 0.3, 0.15, 0.1};
    device.Staff_Sensor = 4;
    device.Hours = Week_Hours(Opening_Hours{}, Open(8, 30, 18, 0), Open(8, 30, 17, 0));
    device.Weekday_Factor = Factors({0.0, 0.75, 0.8, 0.9, 0.9, 1.05, 1.6});
    // Spring planting and Christmas trees.
    device.Season_Factor = Factors({0.45, 0.55, 1.0, 1.45, 1.5, 1.2, 0.9, 0.8, 0.9, 0.75, 0.8, 1.3});
    device.Visitors_Per_Day = 650;
    device.Peaks = {{10.5, 1.5, 1.0}, {14.5, 1.5, 0.9}};
    device.Mean_Stay_Minutes = 40;
    device.Writes_Quality_Factor = true;
    device.Zones = {{QStringLiteral("Shop entrance"), {1, 2}},
                    {QStringLiteral("Greenhouse"), {3}},
                    {QStringLiteral("Delivery gate"), {4}}};
    return device;
}

Demo_Device Cafe()
{
    Demo_Device device;
    device.ID_Number = 123;
    device.Name = QStringLiteral("Cafe");
    device.Folder = QStringLiteral("cafe");
    device.Interval_Minutes = 30;
    device.Sensor_Shares = {0.55, 0.45};
    device.Staff_Sensor = 2;
    device.Hours = Week_Hours(Open(10, 0, 17, 0), Open(8, 0, 18, 0), Open(8, 0, 18, 0));
    device.Weekday_Factor = Factors({1.2, 0.8, 0.85, 0.9, 0.9, 1.0, 1.35});
    // The terrace fills up in summer.
    device.Season_Factor = Factors({0.7, 0.7, 0.8, 0.9, 1.1, 1.3, 1.4, 1.4, 1.1, 0.9, 0.9, 1.2});
    device.Visitors_Per_Day = 320;
    device.Base_Level = 0.2;
    device.Peaks = {{8.75, 0.75, 0.6}, {12.5, 1.0, 1.4}, {15.5, 1.0, 0.9}};
    device.Mean_Stay_Minutes = 45;
    device.Ends_With_Ctrl_Z = true;
    device.Value_Width = 4;
    device.Has_Yearly_Outage = true;
    device.Zones = {{QStringLiteral("Terrace"), {1}}, {QStringLiteral("Indoor"), {2}}};
    return device;
}

} // namespace

const QList<Demo_Device> &Demo_Devices()
{
    static const QList<Demo_Device> devices = {Main_Entrance(), Garden_Shop(), Cafe()};
    return devices;
}

} // namespace telvo
