#include "demo_data.h"

#include "day_file_writer.h"
#include "demo_devices.h"
#include "demo_random.h"
#include "demo_settings.h"
#include "demo_traffic.h"

#include <QCommandLineParser>
#include <QDir>

namespace telvo {

namespace {

// No day goes missing this close to the end, so the rows the settings choose
// around the end date show whole weeks and months.
constexpr qint64 Complete_Recent_Days = 35;

constexpr int Benchmark_Interval = 15;

const QString Date_Format = QStringLiteral("dd-MM-yyyy");

QDate Parse_Date(const QString &text)
{
    return QDate::fromString(text, Date_Format);
}

Demo_Arguments Failure(const QString &message)
{
    return {Demo_Command::Error, {}, message};
}

bool Make_Directory(const QString &path, QString *error)
{
    if (QDir().mkpath(path))
        return true;
    if (error)
        *error = QStringLiteral("Cannot create the directory %1").arg(path);
    return false;
}

} // namespace

Demo_Arguments Parse_Demo_Arguments(const QStringList &arguments, QDate today)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the Telvo View demo data set: two years and more of day files for three "
                       "counting devices, and a settings file that shows them."));
    const QCommandLineOption help_option({QStringLiteral("h"), QStringLiteral("help")},
                                         QStringLiteral("Shows this help."));
    const QCommandLineOption out_option(QStringLiteral("out"), QStringLiteral("Output directory (default: demo)."),
                                        QStringLiteral("DIR"), QStringLiteral("demo"));
    const QCommandLineOption seed_option(QStringLiteral("seed"), QStringLiteral("Random seed (default: 1)."),
                                         QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption start_option(QStringLiteral("start"),
                                          QStringLiteral("First day (default: 1 January two years before the end)."),
                                          QStringLiteral("DD-MM-YYYY"));
    const QCommandLineOption end_option(QStringLiteral("end"), QStringLiteral("Last day (default: today)."),
                                        QStringLiteral("DD-MM-YYYY"));
    parser.addOptions({help_option, out_option, seed_option, start_option, end_option});

    if (!parser.parse(arguments))
        return Failure(parser.errorText());
    if (parser.isSet(help_option))
        return {Demo_Command::Help, {}, parser.helpText()};
    if (!parser.positionalArguments().isEmpty())
        return Failure(QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first()));

    Demo_Options options;
    options.Out_Dir = parser.value(out_option);
    if (options.Out_Dir.isEmpty())
        return Failure(QStringLiteral("--out: an output directory is needed"));

    bool seed_ok = false;
    options.Seed = parser.value(seed_option).toULongLong(&seed_ok);
    if (!seed_ok)
        return Failure(QStringLiteral("--seed: not a number: %1").arg(parser.value(seed_option)));

    options.End = parser.isSet(end_option) ? Parse_Date(parser.value(end_option)) : today;
    if (!options.End.isValid())
        return Failure(QStringLiteral("--end: not a date DD-MM-YYYY: %1").arg(parser.value(end_option)));
    options.Start = parser.isSet(start_option) ? Parse_Date(parser.value(start_option))
                                                : QDate(options.End.year() - 2, 1, 1);
    if (!options.Start.isValid())
        return Failure(QStringLiteral("--start: not a date DD-MM-YYYY: %1").arg(parser.value(start_option)));
    if (options.Start > options.End)
        return Failure(QStringLiteral("--start: %1 lies after the end %2")
                           .arg(options.Start.toString(Date_Format), options.End.toString(Date_Format)));
    return {Demo_Command::Run, options, {}};
}

QString Demo_Settings_File_Name()
{
    return QStringLiteral("Telvo_View.ini");
}

bool Write_Demo_Data_Set(const Demo_Options &options, Demo_Summary &summary, QString *error)
{
    const QDir out(options.Out_Dir);
    const QString data_root = out.absoluteFilePath(QStringLiteral("data"));
    summary = {};
    for (const Demo_Device &device : Demo_Devices()) {
        const QString dir = QDir(data_root).absoluteFilePath(device.Folder);
        if (!Make_Directory(dir, error))
            return false;
        const Day_File_Format format{device.Channels(), device.Value_Width, device.Writes_Quality_Factor,
                                     device.Ends_With_Ctrl_Z};
        for (QDate date = options.Start; date <= options.End; date = date.addDays(1)) {
            if (date.daysTo(options.End) >= Complete_Recent_Days && Is_Missing_Day(device, date, options.Seed)) {
                ++summary.Missing_Days;
                continue;
            }
            const Day_Counts counts = Simulate_Day(device, date, options.Seed);
            const QString path = QDir(dir).filePath(Day_File_Base_Name(device.ID_Number, date));
            if (!Write_Bytes(path, Format_Day_File(device.ID_Number, date, counts, format), error))
                return false;
            ++summary.Files;
        }
    }
    summary.Settings_Path = out.absoluteFilePath(Demo_Settings_File_Name());
    return Write_Demo_Settings(summary.Settings_Path, data_root, options.End, error);
}

int Write_Benchmark_Data_Set(const QString &dir, std::uint16_t id_number, QDate first, QDate last,
                             std::uint64_t seed, QString *error)
{
    if (!Make_Directory(dir, error))
        return -1;
    const Day_File_Format format{Channel_Count, 0, false, false};
    int files = 0;
    for (QDate date = first; date <= last; date = date.addDays(1)) {
        Demo_Random random = Demo_Random::For({seed, id_number, static_cast<std::uint64_t>(date.toJulianDay())});
        Day_Counts counts;
        counts.Interval_Minutes = Benchmark_Interval;
        counts.Records.resize(24 * 60 / Benchmark_Interval);
        for (auto &record : counts.Records) {
            for (std::uint32_t &value : record) {
                static constexpr std::uint32_t Ranges[][2] = {{0, 10}, {10, 90}, {100, 900}};
                const auto &range = Ranges[random.Below(3)];
                value = range[0] + static_cast<std::uint32_t>(random.Below(static_cast<int>(range[1])));
            }
        }
        const QString path = QDir(dir).filePath(Day_File_Base_Name(id_number, date));
        if (!Write_Bytes(path, Format_Day_File(id_number, date, counts, format), error))
            return -1;
        ++files;
    }
    return files;
}

} // namespace telvo
