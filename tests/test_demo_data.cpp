#include "tools/demo_data.h"

#include "data/day_file.h"
#include "data/model.h"
#include "data/week_qf_view.h"
#include "data/zone_totals.h"
#include "settings/last_viewed.h"
#include "settings/settings_io.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace telvo;

namespace {

const QString Date_Format = QStringLiteral("dd-MM-yyyy");

// Every file below a directory by its relative path, with its bytes; the
// output directory's own path is taken out so two runs can be compared.
QMap<QString, QByteArray> Files_Below(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(path));
        files.insert(QDir(root).relativeFilePath(path), file.readAll().replace(root.toUtf8(), "<out>"));
    }
    return files;
}

Demo_Options Options(const QString &out, std::uint64_t seed)
{
    return {out, seed, QDate(2025, 11, 3), QDate(2025, 12, 31)};
}

} // namespace

class Test_Demo_Data : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void same_seed_gives_identical_files();
    void settings_load_with_devices_and_rows();
    void day_files_read_back_balanced_data_data();
    void day_files_read_back_balanced_data();
    void week_follows_opening_days();
    void arguments_data();
    void arguments();
    void benchmark_files_have_64_channels_every_15_minutes();

private:
    QTemporaryDir Dir;
    QString Out;
    Model Demo;

    QString Day_File(int slot, QDate date) const;
    void Read(int slot, QDate date);
};

void Test_Demo_Data::initTestCase()
{
    QVERIFY(Dir.isValid());
    Out = Dir.filePath(QStringLiteral("demo"));
    Demo_Summary summary;
    QString error;
    QVERIFY2(Write_Demo_Data_Set(Options(Out, 1), summary, &error), qPrintable(error));
    QCOMPARE(summary.Files + summary.Missing_Days, 3 * 59);

    Set_Device_Keys(Demo);
    Load_Settings(Demo, Settings_Store(summary.Settings_Path));
}

QString Test_Demo_Data::Day_File(int slot, QDate date) const
{
    return Day_File_Name(Demo.ID_Numbers[slot], Demo.ID_Records[slot], date);
}

void Test_Demo_Data::Read(int slot, QDate date)
{
    QVERIFY2(QFile::exists(Day_File(slot, date)), qPrintable(Day_File(slot, date)));
    Read_Day_File(Demo, Day_File(slot, date));
}

void Test_Demo_Data::same_seed_gives_identical_files()
{
    Demo_Summary summary;
    const QString again = Dir.filePath(QStringLiteral("again"));
    QVERIFY(Write_Demo_Data_Set(Options(again, 1), summary, nullptr));
    const QString other = Dir.filePath(QStringLiteral("other"));
    QVERIFY(Write_Demo_Data_Set(Options(other, 2), summary, nullptr));

    const QMap<QString, QByteArray> first = Files_Below(Out);
    const QMap<QString, QByteArray> second = Files_Below(again);
    QCOMPARE(second.keys(), first.keys());
    for (auto it = first.cbegin(); it != first.cend(); ++it)
        QVERIFY2(second.value(it.key()) == it.value(), qPrintable(it.key()));

    const QString name = QStringLiteral("data/main-entrance/DF251206.007");
    QVERIFY(first.contains(name));
    QVERIFY(Files_Below(other).value(name) != first.value(name));
}

void Test_Demo_Data::settings_load_with_devices_and_rows()
{
    const std::uint16_t numbers[] = {7, 45, 123};
    const QString names[] = {QStringLiteral("Main Entrance"), QStringLiteral("Garden Shop"), QStringLiteral("Cafe")};
    const int sensors[] = {6, 4, 2};
    for (int slot = 1; slot <= 3; ++slot) {
        QCOMPARE(Demo.ID_Numbers[slot], numbers[slot - 1]);
        QCOMPARE(Demo.ID_Names[slot], names[slot - 1]);
        const ID_Record &record = Demo.ID_Records[slot];
        QVERIFY(QDir::isAbsolutePath(record.Data_Dir));
        QVERIFY(QDir(record.Data_Dir).exists());
        // The Total zone is every incoming channel, and the named zones split it.
        for (int channel = 1; channel <= Channel_Count; ++channel) {
            const bool incoming = channel % 2 == 1 && channel < 2 * sensors[slot - 1];
            QCOMPARE(record.Zones[0].Channels[channel], incoming);
            int zones_with_channel = 0;
            for (int zone = 1; zone < Zones_Per_Device; ++zone)
                zones_with_channel += record.Zones[zone].Channels[channel] ? 1 : 0;
            QCOMPARE(zones_with_channel, incoming ? 1 : 0);
        }
        QVERIFY(record.Zones[1].Name != QStringLiteral("Zone 1"));
    }
    QCOMPARE(Demo.ID_Numbers[4], std::uint16_t(0));
    QCOMPARE(Demo.Language, QStringLiteral("ENGLISH"));
    QVERIFY(!Demo.Graph_Titles.Week.isEmpty());

    Model model = Demo;
    Load_Last_Viewed(model, Settings_Store(Out + QStringLiteral("/Telvo_View.ini")), QDate(2030, 1, 1));
    const auto week = static_cast<std::size_t>(Row_Page::Week);
    const auto day = static_cast<std::size_t>(Row_Page::Day);
    // 31 December 2025 lies in week 1 of 2026: the row still comes back with that day.
    QCOMPARE(model.Week_Date_Texts[1], QStringLiteral("31-12-2026"));
    QCOMPARE(model.Week_Dates[1], QDate(2025, 12, 31));
    QCOMPARE(model.Week_Dates[2], QDate(2025, 1, 1)); // 52 weeks before: the same weekday
    QCOMPARE(model.Row_ID_Names[week][1], QStringLiteral("Main Entrance"));
    QCOMPARE(model.Row_ID_Names[week][3], QStringLiteral("Garden Shop"));
    QCOMPARE(model.Row_Zone_Indexes[week][3], 0);
    QCOMPARE(model.Day_Date_Texts[2], QStringLiteral("24-12-2025"));
    QCOMPARE(model.Row_ID_Names[day][3], QStringLiteral("Cafe"));
    QCOMPARE(model.Row_Zone_Indexes[day][3], 1);
    QVERIFY(model.Day_Date_Texts[4].isEmpty());
    QCOMPARE(model.Month_Results[1].Month, std::uint16_t(12));
    QCOMPARE(model.Month_Results[2].Month, std::uint16_t(11));
    QCOMPARE(model.Month_Results[3].Year, std::uint16_t(2024));
    QCOMPARE(model.Quarter_Results[1].Period, std::uint8_t(4));
    QCOMPARE(model.Quarter_Results[2].Year, std::uint16_t(2024));
    QCOMPARE(model.Quarter_Results[5].Period, std::uint8_t(0));
}

void Test_Demo_Data::day_files_read_back_balanced_data_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<bool>("header_qf");

    QTest::newRow("main entrance, Saturday, 15-minute records") << 1 << QDate(2025, 12, 6) << 2000 << false;
    QTest::newRow("garden shop, Friday, factor in header") << 2 << QDate(2025, 12, 12) << 400 << true;
    QTest::newRow("cafe, Tuesday, padded values and Ctrl-Z") << 3 << QDate(2025, 12, 2) << 150 << false;
}

void Test_Demo_Data::day_files_read_back_balanced_data()
{
    QFETCH(int, slot);
    QFETCH(QDate, date);
    QFETCH(int, minimum);
    QFETCH(bool, header_qf);

    Read(slot, date);
    const ID_Record &record = Demo.ID_Records[slot];
    QVERIFY(Demo.Day_File_Header.contains(QStringLiteral("DATE=") + date.toString(Date_Format)));
    QCOMPARE(Demo.Day_File_Header.contains(QStringLiteral(",Qf=")), header_qf);

    Day_Result row;
    Zone_In_Out(Demo, 0, row, record);
    int in = 0;
    int out = 0;
    for (int s = 1; s <= Half_Hour_Slots; ++s) {
        in += row.In[s];
        out += row.Out[s];
        if (s <= 12 || s >= 44) { // closed until 06:00 and from 22:00
            QCOMPARE(row.In[s], std::uint16_t(0));
            QCOMPARE(row.Out[s], std::uint16_t(0));
        }
    }
    QVERIFY2(in >= minimum, qPrintable(QString::number(in)));
    QVERIFY2(std::abs(out - in) * 100 <= 5 * in, qPrintable(QStringLiteral("in %1, out %2").arg(in).arg(out)));
    QCOMPARE(Zone_Day_Total(Demo, 0, record), in);

    int zones = 0;
    for (int zone = 1; zone < Zones_Per_Device; ++zone)
        zones += Zone_Day_Total(Demo, zone, record);
    QCOMPARE(zones, in);

    // The factor of the header is what the counts give.
    const int qf = Day_Quality_Factor(Demo, Demo.ID_Numbers[slot]);
    QVERIFY2(std::abs(qf - (100 * out + in / 2) / in) <= 1, qPrintable(QString::number(qf)));
}

void Test_Demo_Data::week_follows_opening_days()
{
    // Saturday is the busiest day everywhere; the garden shop is closed on Sunday.
    for (int slot = 1; slot <= 3; ++slot) {
        One_Based<int, 7> totals;
        for (QDate date(2025, 12, 8); date <= QDate(2025, 12, 14); date = date.addDays(1)) {
            Read(slot, date);
            totals[date.dayOfWeek()] = Zone_Day_Total(Demo, 0, Demo.ID_Records[slot]);
        }
        for (int weekday = 1; weekday <= 5; ++weekday)
            QVERIFY2(totals[6] > totals[weekday], qPrintable(QStringLiteral("slot %1 day %2").arg(slot).arg(weekday)));
        QCOMPARE(totals[7] == 0, slot == 2);
    }
}

void Test_Demo_Data::arguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("command");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QString>("message");

    const QDate today(2026, 3, 15);
    const auto run = static_cast<int>(Demo_Command::Run);
    const auto error = static_cast<int>(Demo_Command::Error);
    QTest::newRow("defaults: two full years before today")
        << QStringList{} << run << QDate(2024, 1, 1) << today << QString();
    QTest::newRow("end and start given")
        << QStringList{"--end", "29-02-2024", "--start", "01-02-2024"} << run << QDate(2024, 2, 1)
        << QDate(2024, 2, 29) << QString();
    QTest::newRow("help") << QStringList{"--help"} << static_cast<int>(Demo_Command::Help) << QDate() << QDate()
                          << QStringLiteral("--seed");
    QTest::newRow("no such day") << QStringList{"--end", "31-02-2024"} << error << QDate() << QDate()
                                 << QStringLiteral("--end");
    QTest::newRow("year first") << QStringList{"--start", "2024-01-01"} << error << QDate() << QDate()
                                << QStringLiteral("--start");
    QTest::newRow("start after end") << QStringList{"--start", "02-01-2026", "--end", "01-01-2026"} << error
                                     << QDate() << QDate() << QStringLiteral("--start");
    QTest::newRow("seed not a number") << QStringList{"--seed", "x1"} << error << QDate() << QDate()
                                       << QStringLiteral("--seed");
    QTest::newRow("unknown option") << QStringList{"--days", "3"} << error << QDate() << QDate()
                                    << QStringLiteral("days");
    QTest::newRow("stray argument") << QStringList{"demo"} << error << QDate() << QDate()
                                    << QStringLiteral("demo");
}

void Test_Demo_Data::arguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, command);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QString, message);

    arguments.prepend(QStringLiteral("telvo-demo-data"));
    const Demo_Arguments parsed = Parse_Demo_Arguments(arguments, QDate(2026, 3, 15));
    QCOMPARE(static_cast<int>(parsed.Command), command);
    if (parsed.Command == Demo_Command::Run) {
        QCOMPARE(parsed.Options.Start, start);
        QCOMPARE(parsed.Options.End, end);
        QCOMPARE(parsed.Options.Out_Dir, QStringLiteral("demo"));
        QCOMPARE(parsed.Options.Seed, std::uint64_t(1));
    } else {
        QVERIFY2(parsed.Message.contains(message), qPrintable(parsed.Message));
    }
}

void Test_Demo_Data::benchmark_files_have_64_channels_every_15_minutes()
{
    const QString dir = Dir.filePath(QStringLiteral("bench"));
    QCOMPARE(Write_Benchmark_Data_Set(dir, 1, QDate(2025, 1, 30), QDate(2025, 2, 1), 9, nullptr), 3);

    const QString path = dir + QStringLiteral("/DF250131.001");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 7 + 96 + 1); // the last line end leaves an empty piece
    One_Based<int, Channel_Count> channel_totals;
    for (int i = 7; i < 7 + 96; ++i) {
        const QByteArray &line = lines[i];
        QVERIFY(line.endsWith('\r'));
        QCOMPARE(line.left(8), QStringLiteral("[%1:%2] ")
                                   .arg((i - 6) * 15 / 60, 2, 10, QLatin1Char('0'))
                                   .arg((i - 6) * 15 % 60, 2, 10, QLatin1Char('0'))
                                   .toLatin1());
        const QList<QByteArray> values = line.mid(8).chopped(1).split(',');
        QCOMPARE(values.size(), Channel_Count);
        for (int c = 1; c <= Channel_Count; ++c) {
            const QByteArray &value = values[c - 1];
            QVERIFY(value.size() >= 1 && value.size() <= 3);
            channel_totals[c] += value.toInt();
        }
    }

    Model model;
    Read_Day_File(model, path);
    for (int c = 1; c <= Channel_Count; ++c) {
        int total = 0;
        for (const Half_Hour_Slot &slot : model.Half_Hour_Table)
            total += slot.Counts[c];
        QCOMPARE(total, channel_totals[c]);
    }
}

QTEST_GUILESS_MAIN(Test_Demo_Data)
#include "test_demo_data.moc"
