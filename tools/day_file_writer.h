#pragma once

#include "demo_traffic.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <cstdint>

namespace telvo {

// How a device lays out its day file.
struct Day_File_Format {
    int Channels = 2;            // values per record line
    int Value_Width = 0;         // right-aligned in blanks; 0 = plain
    bool Quality_Factor = false; // ",Qf=nn," in the header, in/out of all sensors in percent
    bool Ctrl_Z = false;         // a Ctrl-Z after the last line
};

// "DFyymmdd.nnn".
QString Day_File_Base_Name(std::uint16_t id_number, QDate date);

// A day file as a device writes it: the header line, six lines of device
// information, then one record line per interval ("[hh:mm] " and the values of
// the channels from column 9), all with CR LF.
QByteArray Format_Day_File(std::uint16_t id_number, QDate date, const Day_Counts &counts,
                           const Day_File_Format &format);

// Writes the bytes to the path; false with the reason when that fails.
bool Write_Bytes(const QString &path, const QByteArray &bytes, QString *error);

} // namespace telvo
