#include "demo_traffic.h"

#include "demo_random.h"

#include <algorithm>
#include <cmath>

namespace telvo {

namespace {

// Keys that keep the random streams of different purposes apart.
enum Stream : std::uint64_t { Day_Stream = 1, Missing_Stream = 2, Outage_Stream = 3 };

constexpr double Missed_Crossing = 0.012;  // a crossing the sensor does not see
constexpr double Double_Crossing = 0.006;  // a crossing the sensor counts twice
constexpr double Other_Exit = 0.15;        // visitors leaving through another sensor
constexpr double Missing_Day = 0.006;
constexpr int Outage_Days = 3;
constexpr double Yearly_Growth = 0.04;

const QDate Base_Date(2024, 1, 1);

std::uint64_t Day_Key(QDate date) { return static_cast<std::uint64_t>(date.toJulianDay()); }

double Peak_Weight(const Demo_Device &device, double hour)
{
    double weight = device.Base_Level;
    for (const Traffic_Peak &peak : device.Peaks) {
        const double distance = (hour - peak.Hour) / peak.Width_Hours;
        weight += peak.Height * std::exp(-distance * distance);
    }
    return weight;
}

// The month factors hold in the middle of their months; the days between two
// middles move from one to the next, so the season changes without a step
// on the first of a month.
double Season_Factor(const Demo_Device &device, QDate date)
{
    const QDate middle(date.year(), date.month(), 15);
    const QDate other = date < middle ? middle.addMonths(-1) : middle.addMonths(1);
    const double weight = static_cast<double>(std::abs(middle.daysTo(date)))
        / static_cast<double>(std::abs(middle.daysTo(other)));
    return (1.0 - weight) * device.Season_Factor[middle.month()] + weight * device.Season_Factor[other.month()];
}

double Expected_Visitors(const Demo_Device &device, QDate date)
{
    const double years = static_cast<double>(Base_Date.daysTo(date)) / 365.25;
    return device.Visitors_Per_Day * device.Weekday_Factor[date.dayOfWeek() % 7 + 1] * Season_Factor(device, date)
        * std::pow(1.0 + Yearly_Growth, years);
}

int Pick_Sensor(const Demo_Device &device, Demo_Random &random)
{
    double draw = random.Uniform();
    for (int s = 1; s <= device.Sensors(); ++s) {
        draw -= device.Sensor_Shares[s - 1];
        if (draw < 0.0)
            return s;
    }
    return device.Sensors();
}

class Day_Recorder {
public:
    Day_Recorder(Day_Counts &counts, Demo_Random &random) : Counts(counts), Random(random) {}

    // A crossing at a minute of the day; sensors miss a few and count a few twice.
    void Cross(int channel, double minute)
    {
        if (Random.Chance(Missed_Crossing))
            return;
        const int last = static_cast<int>(Counts.Records.size()) - 1;
        const int record = std::clamp(static_cast<int>(std::ceil(minute / Counts.Interval_Minutes)) - 1, 0, last);
        Counts.Records[static_cast<std::size_t>(record)][channel] += Random.Chance(Double_Crossing) ? 2 : 1;
    }

private:
    Day_Counts &Counts;
    Demo_Random &Random;
};

void Simulate_Staff(const Demo_Device &device, Opening_Hours hours, Day_Recorder &recorder, Demo_Random &random)
{
    const int staff = 3 + random.Below(5);
    for (int person = 0; person < staff; ++person) {
        recorder.Cross(2 * device.Staff_Sensor - 1, hours.Open_Minute - 15 - random.Below(30));
        recorder.Cross(2 * device.Staff_Sensor, hours.Close_Minute + 10 + random.Below(30));
    }
}

} // namespace

std::uint32_t Day_Counts::Total(int channel) const
{
    std::uint32_t total = 0;
    for (const auto &record : Records)
        total += record[channel];
    return total;
}

Opening_Hours Hours_On(const Demo_Device &device, QDate date)
{
    const bool holiday = (date.month() == 12 && date.day() == 25) || (date.month() == 1 && date.day() == 1);
    return holiday ? Opening_Hours{} : device.Hours[date.dayOfWeek() % 7 + 1];
}

Day_Counts Simulate_Day(const Demo_Device &device, QDate date, std::uint64_t seed)
{
    Day_Counts counts;
    counts.Interval_Minutes = device.Interval_Minutes;
    counts.Records.resize(static_cast<std::size_t>(24 * 60 / device.Interval_Minutes));

    const Opening_Hours hours = Hours_On(device, date);
    if (hours.Closed())
        return counts;

    Demo_Random random = Demo_Random::For({seed, Day_Stream, device.ID_Number, Day_Key(date)});
    Day_Recorder recorder(counts, random);
    Simulate_Staff(device, hours, recorder, random);

    // Visitors come in while the doors are open (the last quarter of an hour
    // before closing excepted) and stay a while; everybody is out shortly
    // after closing time.
    const double step = device.Interval_Minutes;
    const double last_entry = hours.Close_Minute - 15.0;
    std::vector<double> weights;
    double weight_sum = 0.0;
    for (double start = hours.Open_Minute; start < last_entry; start += step) {
        weights.push_back(Peak_Weight(device, (start + step / 2.0) / 60.0));
        weight_sum += weights.back();
    }
    const double day_visitors = Expected_Visitors(device, date) * std::exp(0.12 * random.Normal());

    double start = hours.Open_Minute;
    for (const double weight : weights) {
        const double end = std::min(start + step, last_entry);
        const int visitors = random.Poisson(day_visitors * weight / weight_sum);
        for (int visitor = 0; visitor < visitors; ++visitor) {
            const int sensor = Pick_Sensor(device, random);
            const double entry = start + random.Uniform() * (end - start);
            const double stay = 5.0 + random.Exponential(device.Mean_Stay_Minutes - 5.0);
            const double exit = std::min(entry + stay, hours.Close_Minute + 5.0 + random.Uniform() * 10.0);
            const int exit_sensor = random.Chance(Other_Exit) ? Pick_Sensor(device, random) : sensor;
            recorder.Cross(2 * sensor - 1, entry);
            recorder.Cross(2 * exit_sensor, exit);
        }
        start += step;
    }
    return counts;
}

bool Is_Missing_Day(const Demo_Device &device, QDate date, std::uint64_t seed)
{
    if (Demo_Random::For({seed, Missing_Stream, device.ID_Number, Day_Key(date)}).Chance(Missing_Day))
        return true;
    if (!device.Has_Yearly_Outage)
        return false;
    Demo_Random outage = Demo_Random::For({seed, Outage_Stream, device.ID_Number,
                                           static_cast<std::uint64_t>(date.year())});
    const int first_day = 40 + outage.Below(260);
    return date.dayOfYear() >= first_day && date.dayOfYear() < first_day + Outage_Days;
}

} // namespace telvo
