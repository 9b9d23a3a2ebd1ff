#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace telvo {

struct Demo_Options {
    QString Out_Dir;
    std::uint64_t Seed = 1;
    QDate Start;
    QDate End;
};

enum class Demo_Command { Run, Help, Error };

struct Demo_Arguments {
    Demo_Command Command = Demo_Command::Error;
    Demo_Options Options;
    QString Message; // the help text, or what is wrong with the arguments
};

// Command line of telvo-demo-data: [--out DIR] [--seed N] [--start DD-MM-YYYY]
// [--end DD-MM-YYYY]. The end defaults to today, the start to 1 January two
// years before the end, so the data covers at least two full years.
Demo_Arguments Parse_Demo_Arguments(const QStringList &arguments, QDate today);

struct Demo_Summary {
    int Files = 0;
    int Missing_Days = 0;
    QString Settings_Path;
};

// The name of the demo settings file in the output directory; the program
// reads it when XDG_CONFIG_HOME points at that directory.
QString Demo_Settings_File_Name();

// Writes the day files of the three demo devices from Start to End, one data
// directory per device below Out_Dir/data, and the settings file in Out_Dir.
// The same options always give the same files.
bool Write_Demo_Data_Set(const Demo_Options &options, Demo_Summary &summary, QString *error);

// Writes benchmark day files for one device into dir: one file per day from
// first to last, 96 records a day (every 15 minutes) of 64 channels with
// values of one to three digits. Returns the number of files, or -1 on failure.
int Write_Benchmark_Data_Set(const QString &dir, std::uint16_t id_number, QDate first, QDate last,
                             std::uint64_t seed, QString *error);

} // namespace telvo
