#pragma once

#include "demo_devices.h"

#include "data/model.h"

#include <QDate>

#include <cstdint>
#include <vector>

namespace telvo {

// The counts a device records over one day: one entry per record line, the
// line of interval i stamped at its end, (i + 1) * interval minutes.
struct Day_Counts {
    int Interval_Minutes = 30;
    std::vector<One_Based<std::uint32_t, Channel_Count>> Records;

    std::uint32_t Total(int channel) const;
};

// Opening hours of the date: the device's hours of its weekday; closed on
// Christmas Day and New Year's Day.
Opening_Hours Hours_On(const Demo_Device &device, QDate date);

// Visitors coming in and going out through the device's sensors on the date.
// The same seed, device and date always give the same counts.
Day_Counts Simulate_Day(const Demo_Device &device, QDate date, std::uint64_t seed);

// Days on which the device wrote no file (a few by chance, and a short outage a
// year for devices that have one).
bool Is_Missing_Day(const Demo_Device &device, QDate date, std::uint64_t seed);

} // namespace telvo
