#pragma once

#include "model.h"

#include <QString>

#include <cstdint>

namespace telvo {

// Lookups between a device's display name, its ID number and its record. All
// five slots are compared in order with exact text; the last match wins.
std::uint16_t ID_Number_Of_Name(const Model &model, const QString &name);
QString ID_Name_Of_Number(const Model &model, std::uint16_t number);
void ID_Record_Of_Name(const Model &model, const QString &name, ID_Record &record);

} // namespace telvo
