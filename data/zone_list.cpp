#include "zone_list.h"

#include "device_lookup.h"

namespace telvo {

QStringList Fill_Zone_List(Model &model, Row_Page page, int row, const QString &device_text)
{
    ID_Record &list_record = model.Zone_List_Record;
    // The Total zone name stays from the record copied last.
    for (int z = 1; z < Zones_Per_Device; ++z)
        list_record.Zones[z].Name.clear();

    // The Total zone is named in the current language; the day page's first row,
    // which start-up fills first, brings all five devices up to date.
    if (page == Row_Page::Day && row == 1) {
        const QString totals_name = model.Texts.Lang_Totals_In.left(Max_Zone_Name);
        for (ID_Record &record : model.ID_Records)
            record.Zones[0].Name = totals_name;
    }

    // A name no slot carries gives 0, which picks the slots whose number was never set.
    const std::uint16_t number = ID_Number_Of_Name(model, device_text);
    for (int k = 1; k <= Device_Slots; ++k) {
        if (model.ID_Numbers[k] == number)
            list_record = model.ID_Records[k];
    }

    QStringList names;
    names.reserve(Zones_Per_Device);
    for (const Zone_Record &zone : list_record.Zones)
        names.append(zone.Name);
    return names;
}

QStringList ID_List(const Model &model)
{
    QStringList names;
    names.reserve(Device_Slots);
    for (const QString &name : model.ID_Names)
        names.append(name);
    return names;
}

} // namespace telvo
