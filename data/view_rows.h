#pragma once

#include "row_selection.h"

#include <QDate>

#include <cstdint>

namespace telvo {

// A row's zone counts as chosen only for one of the six zones of a device.
inline bool Zone_Is_Chosen(const Row_Selection &row)
{
    return row.Zone_Index >= 0 && row.Zone_Index < Zones_Per_Device;
}

// The device a row names: its ID number and a copy of its record. A name that
// no slot carries gives number 0 and an empty record, so the row counts nothing.
struct Row_Device {
    std::uint16_t Number = 0;
    ID_Record Record;
};

Row_Device Device_Of_Row(const Model &model, const QString &device_text);

// Reads the device's day file of the date into Half_Hour_Table.
void Read_Row_Day(Model &model, const Row_Device &device, QDate date);

// Reads the device's day file of the date and returns the zone's day total.
std::int32_t Zone_Total_Of_Day(Model &model, const Row_Device &device, int zone, QDate date);

// The views keep their totals in 32 bits; a sum past that range wraps instead
// of overflowing.
inline std::int32_t Add_Wrapping(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

} // namespace telvo
