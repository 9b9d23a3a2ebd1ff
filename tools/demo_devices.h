#pragma once

#include "data/one_based.h"

#include <QList>
#include <QString>

#include <cstdint>

namespace telvo {

// Opening time and closing time of a day, in minutes after midnight.
struct Opening_Hours {
    int Open_Minute = 0;
    int Close_Minute = 0;

    bool Closed() const { return Close_Minute <= Open_Minute; }
};

// A rush of visitors around an hour of the day.
struct Traffic_Peak {
    double Hour = 0.0;
    double Width_Hours = 1.0;
    double Height = 1.0;
};

struct Demo_Zone {
    QString Name;
    QList<int> Sensors; // sensor s counts in on channel 2s-1 and out on channel 2s
};

// One counting device of the demo site and the way its visitors behave.
struct Demo_Device {
    std::uint16_t ID_Number = 0;
    QString Name;
    QString Folder;              // its data directory below the data root
    int Interval_Minutes = 30;   // one record line per interval
    QList<double> Sensor_Shares; // share of the visitors entering through each sensor
    int Staff_Sensor = 1;        // staff come and go through this sensor outside opening hours
    One_Based<Opening_Hours, 7> Hours;    // weekday 1 = Sunday .. 7 = Saturday
    One_Based<double, 7> Weekday_Factor;  // weekday 1 = Sunday .. 7 = Saturday
    One_Based<double, 12> Season_Factor;  // month 1..12
    double Visitors_Per_Day = 0.0;        // an average day of the base year
    double Base_Level = 0.3;              // steady trickle between the peaks
    QList<Traffic_Peak> Peaks;
    double Mean_Stay_Minutes = 30.0;
    bool Writes_Quality_Factor = false;   // the device puts ",Qf=" in its header
    bool Ends_With_Ctrl_Z = false;        // older firmware closes files with Ctrl-Z
    int Value_Width = 0;                  // values right-aligned in blanks; 0 = plain
    bool Has_Yearly_Outage = false;       // a few days a year without files
    QList<Demo_Zone> Zones;               // zones 1.. of the settings

    int Sensors() const { return static_cast<int>(Sensor_Shares.size()); }
    int Channels() const { return 2 * Sensors(); }
};

// Main Entrance (7), Garden Shop (45) and Cafe (123).
const QList<Demo_Device> &Demo_Devices();

} // namespace telvo
