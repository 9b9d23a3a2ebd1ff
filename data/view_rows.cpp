#include "view_rows.h"

#include "day_file.h"
#include "device_lookup.h"
#include "zone_totals.h"

namespace telvo {

Row_Device Device_Of_Row(const Model &model, const QString &device_text)
{
    Row_Device device;
    device.Number = ID_Number_Of_Name(model, device_text);
    ID_Record_Of_Name(model, device_text, device.Record);
    return device;
}

void Read_Row_Day(Model &model, const Row_Device &device, QDate date)
{
    Read_Day_File(model, Day_File_Name(device.Number, device.Record, date));
}

std::int32_t Zone_Total_Of_Day(Model &model, const Row_Device &device, int zone, QDate date)
{
    Read_Row_Day(model, device, date);
    return Zone_Day_Total(model, zone, device.Record);
}

} // namespace telvo
