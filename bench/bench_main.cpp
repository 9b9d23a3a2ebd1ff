// telvo-bench: times the views that read many day files against the bare cost
// of reading the same files' bytes, on a generated data set of one device with
// 64 channels and 96 records a day over 27 months.

#include "bench_timing.h"

#include "data/calendar.h"
#include "data/day_file.h"
#include "data/month_view.h"
#include "data/quarter_view.h"
#include "data/statistics_view.h"
#include "tools/demo_data.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

using namespace telvo;

namespace {

constexpr std::uint16_t Bench_ID = 1;
const QString Bench_Name = QStringLiteral("Bench");

// Fixed dates, so every run reads the same files: the statistics of 2025 and
// 2026 read every day from 30-12-2024 to 03-01-2027.
const QDate Today(2026, 12, 31);
const QDate First_Day(2024, 10, 1);
const QDate Last_Day(2027, 1, 3);

struct Bench_Set {
    Model Model_;
    Row_Selections Rows;
};

void Set_Device(Model &model, const QString &data_dir)
{
    Set_Device_Keys(model);
    model.Monday_Is_Day_One = true;
    model.ID_Numbers[1] = Bench_ID;
    model.ID_Names[1] = Bench_Name;
    model.ID_Records[1].Data_Dir = data_dir;
    for (int channel = 1; channel <= Channel_Count; channel += 2)
        model.ID_Records[1].Zones[0].Channels[channel] = true;
}

Row_Selections Total_Zone_Rows()
{
    Row_Selections rows;
    for (Row_Selection &row : rows) {
        row.Device_Text = Bench_Name;
        row.Zone_Index = 0;
        row.Zone_Text = QStringLiteral("Totals in");
    }
    return rows;
}

QStringList Files_Between(const Model &model, QDate first, QDate last)
{
    QStringList paths;
    for (QDate date = first; date <= last; date = date.addDays(1))
        paths += Day_File_Name(Bench_ID, model.ID_Records[1], date);
    return paths;
}

QStringList Statistics_Files(const Model &model)
{
    QStringList paths;
    for (const int year : {Today.year() - 1, Today.year()})
        paths += Files_Between(model, First_Week_Day_At(model, year, 1, 1), Last_Week_Day_At(model, year, 12, 31));
    return paths;
}

// Five quarter rows: the periods 1..4 of 2025 and period 1 of 2026.
QStringList Set_Quarter_Rows(Model &model)
{
    QStringList paths;
    for (int row = 1; row <= Rows_Per_View; ++row) {
        const int year = row <= 4 ? 2025 : 2026;
        const int period = row <= 4 ? row : 1;
        model.Quarter_Results[row].Year = static_cast<std::uint16_t>(year);
        model.Quarter_Results[row].Period = static_cast<std::uint8_t>(period);
        paths += Files_Between(model, Period_First_Day(model, year, period), Period_Last_Day(model, year, period));
    }
    return paths;
}

// Five month rows: August to December 2026.
QStringList Set_Month_Rows(Model &model, Row_Selections &rows)
{
    QStringList paths;
    for (int row = 1; row <= Rows_Per_View; ++row) {
        const QDate first(2026, 7 + row, 1);
        model.Month_Results[row].Year = static_cast<std::uint16_t>(first.year());
        model.Month_Results[row].Month = static_cast<std::uint16_t>(first.month());
        rows[row].Period_Text = QStringLiteral("Month %1, %2").arg(first.month()).arg(first.year());
        paths += Files_Between(model, first, first.addDays(first.daysInMonth() - 1));
    }
    return paths;
}

void Report(QTextStream &out, const char *name, const QStringList &files, double megabytes, Timing floor,
            Timing view)
{
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10\n")
               .arg(QLatin1String(name), -24)
               .arg(files.size(), 5)
               .arg(megabytes, 5, 'f', 1)
               .arg(floor.Best, 10, 'f', 2)
               .arg(view.Best, 10, 'f', 2)
               .arg(view.Best / floor.Best, 7, 'f', 1)
               .arg(view.Median, 10, 'f', 2)
               .arg(view.Median / floor.Median, 7, 'f', 1)
               .arg(floor.Cpu_Best, 9, 'f', 2)
               .arg(view.Cpu_Best, 9, 'f', 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the day-file views of Telvo View."));
    parser.addHelpOption();
    const QCommandLineOption runs_option(QStringLiteral("runs"), QStringLiteral("Timed runs per task (default 15)."),
                                         QStringLiteral("N"), QStringLiteral("15"));
    parser.addOption(runs_option);
    parser.process(application);
    bool runs_ok = false;
    const int runs = parser.value(runs_option).toInt(&runs_ok);
    if (!runs_ok || runs < 1) {
        std::fprintf(stderr, "telvo-bench: --runs: not a positive number\n");
        return 2;
    }

    QTextStream out(stdout);
    QTemporaryDir dir;
    QString error;
    const QString data_dir = dir.filePath(QStringLiteral("data"));
    const int files = dir.isValid() ? Write_Benchmark_Data_Set(data_dir, Bench_ID, First_Day, Last_Day, 1, &error) : -1;
    if (files < 0) {
        std::fprintf(stderr, "telvo-bench: cannot write the data set: %s\n", qPrintable(error));
        return 1;
    }

    Model model;
    Set_Device(model, data_dir);
    Row_Selections rows = Total_Zone_Rows();
    const QStringList statistics_files = Statistics_Files(model);
    const QStringList quarter_files = Set_Quarter_Rows(model);
    const QStringList month_files = Set_Month_Rows(model, rows);
    const double all_megabytes = static_cast<double>(Read_Bytes(Files_Between(model, First_Day, Last_Day))) / 1e6;

    out << "Data set: " << files << " day files of one device (64 channels, 96 records a day), "
        << First_Day.toString(QStringLiteral("dd-MM-yyyy")) << " .. " << Last_Day.toString(QStringLiteral("dd-MM-yyyy"))
        << ", " << QString::number(all_megabytes, 'f', 1) << " MB; times in ms, best and median of " << runs
        << " warm runs\n\n";
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10\n")
               .arg(QStringLiteral("task"), -24)
               .arg(QStringLiteral("files"), 5)
               .arg(QStringLiteral("MB"), 5)
               .arg(QStringLiteral("floor best"), 10)
               .arg(QStringLiteral("view best"), 10)
               .arg(QStringLiteral("x floor"), 7)
               .arg(QStringLiteral("view med."), 10)
               .arg(QStringLiteral("x floor"), 7)
               .arg(QStringLiteral("cpu floor"), 9)
               .arg(QStringLiteral("cpu view"), 9);

    std::int64_t bytes = 0;
    const auto floor_of = [&](const QStringList &paths) {
        return Measure([&] { bytes = Read_Bytes(paths); }, runs);
    };

    const Timing statistics_floor = floor_of(statistics_files);
    const double statistics_megabytes = static_cast<double>(bytes) / 1e6;
    const Timing read_only = Measure(
        [&] {
            for (const QString &path : statistics_files)
                Read_Day_File(model, path);
        },
        runs);
    Report(out, "Read_Day_File only", statistics_files, statistics_megabytes, statistics_floor, read_only);
    const Timing statistics = Measure([&] { Collect_Statistics(model, 1, Today); }, runs);
    Report(out, "statistics (2025-2026)", statistics_files, statistics_megabytes, statistics_floor, statistics);

    const Timing quarter_floor = floor_of(quarter_files);
    const double quarter_megabytes = static_cast<double>(bytes) / 1e6;
    const Timing quarter = Measure([&] { Collect_Quarter(model, rows); }, runs);
    Report(out, "quarter view, 5 rows", quarter_files, quarter_megabytes, quarter_floor, quarter);

    const Timing month_floor = floor_of(month_files);
    const double month_megabytes = static_cast<double>(bytes) / 1e6;
    const Timing month = Measure([&] { Collect_Month(model, rows); }, runs);
    Report(out, "month view, 5 rows", month_files, month_megabytes, month_floor, month);

    std::int64_t statistics_total = 0;
    for (int w = 1; w <= 53; ++w)
        statistics_total += model.Statistics_Weeks.This_Year[w] + model.Statistics_Weeks.Last_Year[w];
    const bool met = statistics.Best <= 2.0 * statistics_floor.Best && statistics.Best < 60.0;
    out << "\nStatistics visitors counted: " << statistics_total << "; quarter row 1 total: "
        << model.Quarter_Results[1].Total << "; month row 1 total: " << model.Month_Results[1].Total << '\n'
        << "Target (best statistics time within 2x the best floor and under 60 ms): " << (met ? "met" : "missed") << '\n';
    return 0;
}
