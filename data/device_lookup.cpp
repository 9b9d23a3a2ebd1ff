#include "device_lookup.h"

namespace telvo {

// Every slot is compared so that, when two slots carry the same name or
// number, the higher slot is the one returned.

std::uint16_t ID_Number_Of_Name(const Model &model, const QString &name)
{
    std::uint16_t number = 0;
    for (int slot = 1; slot <= Device_Slots; ++slot) {
        if (model.ID_Names[slot] == name)
            number = model.ID_Numbers[slot];
    }
    return number;
}

QString ID_Name_Of_Number(const Model &model, std::uint16_t number)
{
    QString name;
    for (int slot = 1; slot <= Device_Slots; ++slot) {
        if (model.ID_Numbers[slot] == number)
            name = model.ID_Names[slot];
    }
    return name;
}

void ID_Record_Of_Name(const Model &model, const QString &name, ID_Record &record)
{
    int found = 0;
    for (int slot = 1; slot <= Device_Slots; ++slot) {
        if (model.ID_Names[slot] == name)
            found = slot;
    }
    if (found != 0)
        record = model.ID_Records[found];
}

} // namespace telvo
