#pragma once

#include "model.h"

#include <QDate>
#include <QString>

#include <cstdint>

namespace telvo {

// Full path of a device's day file: Data_Dir + "/" + "DFyymmdd.nnn".
QString Day_File_Name(std::uint16_t id_number, const ID_Record &record, QDate date);

// Reads a day file into Half_Hour_Table and Day_File_Header. A file that cannot
// be opened leaves an all-zero table and an empty header. When the name as given
// does not exist, the same name with a lower-case "df" prefix is tried.
void Read_Day_File(Model &model, const QString &path);

// Converts one field of a record line: blanks, sign, decimal or hexadecimal
// ("$", "x", "X", "0x"), stopping at the first character that is not a digit.
// The result is the value as the 16-bit counts store it.
std::uint16_t Convert_Day_File_Value(const char *begin, const char *end);

} // namespace telvo
