#include "settings_io.h"

#include <QStringView>

#include <array>
#include <cstdint>

namespace telvo {

namespace {

const QString Settings_Section = QStringLiteral("Settings");
const QString Graph_Titles_Section = QStringLiteral("Graph_Titles");
const QString Day_View_Section = QStringLiteral("Day_View_Settings");
const QString Password_Section = QStringLiteral("KESMAR");
const QString Print_Section = QStringLiteral("Print_Setting");

// Value-name suffixes of the channel sets of zones 0..5.
const std::array<QString, Zones_Per_Device> Channel_Suffixes = {
    QStringLiteral("_Total"),     QStringLiteral("_Zone1_def"), QStringLiteral("_Zone2_def"),
    QStringLiteral("_Zone3_def"), QStringLiteral("_Zone4_def"), QStringLiteral("_Zone5_def"),
};

// Never ends a cut text inside a surrogate pair, which would leave half a character.
QString Cut(const QString &text, int length)
{
    if (text.size() <= length)
        return text;
    if (text[length - 1].isHighSurrogate())
        --length;
    return text.left(length);
}

bool Read_Flag(const Ini_Store &values, const QString &name, const QString &default_text)
{
    return values.Read_String(Day_View_Section, name, default_text) != QLatin1String("0");
}

void Write_Flag(Ini_Store &values, const QString &name, bool flag)
{
    values.Write_String(Day_View_Section, name, flag ? QStringLiteral("1") : QStringLiteral("0"));
}

// The print hours are 0..24; an hour outside that range would point the day
// chart past the end of the day, so it counts as unreadable.
std::uint16_t Read_Hour(const Ini_Store &values, const QString &name, std::uint16_t default_hour)
{
    const auto hour = static_cast<std::uint16_t>(values.Read_Integer(Print_Section, name, default_hour));
    return hour <= 24 ? hour : default_hour;
}

QString Slot_Value(const QString &key, const QString &suffix) { return key + suffix; }

QString Zone_Value(const QString &key, int zone) { return key + QStringLiteral("_Zone%1").arg(zone); }

} // namespace

void Load_Zone_Channels(ID_Record &record, const Ini_Store &values)
{
    for (int zone = 0; zone < Zones_Per_Device; ++zone) {
        const QString text = values.Read_String(record.Key, Slot_Value(record.Key, Channel_Suffixes[zone]), {});
        auto &channels = record.Zones[zone].Channels;
        QStringView rest(text);
        // Items beyond the 64th have no channel to go to and are ignored.
        for (int channel = 1; channel <= Channel_Count; ++channel) {
            const qsizetype comma = rest.indexOf(u',');
            if (comma < 0)
                break;
            const QStringView item = rest.first(comma);
            if (item == u"0")
                channels[channel] = false;
            else if (item == u"1")
                channels[channel] = true;
            rest = rest.sliced(comma + 1);
        }
    }
}

void Save_Zone_Channels(const ID_Record &record, Ini_Store &values)
{
    for (int zone = 0; zone < Zones_Per_Device; ++zone) {
        QString text;
        text.reserve(2 * Channel_Count);
        for (const bool set : record.Zones[zone].Channels)
            text += set ? u"1," : u"0,";
        values.Write_String(record.Key, Slot_Value(record.Key, Channel_Suffixes[zone]), text);
    }
}

void Load_Settings(Model &model, const Settings_Store &store)
{
    const Ini_Store &values = store.Values();
    model.Language = values.Read_String(Settings_Section, QStringLiteral("LANGUAGE"), QStringLiteral("ENGLISH"));

    for (int slot = 1; slot <= Device_Slots; ++slot) {
        ID_Record &record = model.ID_Records[slot];
        const QString &key = record.Key;
        model.ID_Numbers[slot] = static_cast<std::uint16_t>(values.Read_Integer(key, key, 0));
        model.ID_Names[slot] = Cut(values.Read_String(key, Slot_Value(key, QStringLiteral("_Name")), {}), Max_ID_Name);
        record.Data_Dir = values.Read_String(key, Slot_Value(key, QStringLiteral("_Data_Dir")), {});
        for (int zone = 1; zone < Zones_Per_Device; ++zone) {
            record.Zones[zone].Name =
                Cut(values.Read_String(key, Zone_Value(key, zone), QStringLiteral("Zone %1").arg(zone)), Max_Zone_Name);
        }
        Load_Zone_Channels(record, values);
    }

    Graph_Titles_Record &titles = model.Graph_Titles;
    titles.Day_Tab1 = values.Read_String(Graph_Titles_Section, QStringLiteral("Day_Tab1"), {});
    titles.Day_Tab2 = values.Read_String(Graph_Titles_Section, QStringLiteral("Day_Tab2"), {});
    titles.Week = values.Read_String(Graph_Titles_Section, QStringLiteral("Week"), {});
    titles.Week_QF = values.Read_String(Graph_Titles_Section, QStringLiteral("Week_QF"), {});
    titles.Month = values.Read_String(Graph_Titles_Section, QStringLiteral("Month"), {});
    titles.Quarter = values.Read_String(Graph_Titles_Section, QStringLiteral("Quarter"), {});

    const QString off = QStringLiteral("0");
    model.Enable_Day_Tab1 = Read_Flag(values, QStringLiteral("Enable_Day_Tab1"), off);
    model.Enable_Day_Tab2 = Read_Flag(values, QStringLiteral("Enable_Day_Tab2"), off);
    model.Enable_Day_Balance = Read_Flag(values, QStringLiteral("Enable_Day_Balance"), off);
    model.Sunday_Is_Day_One = Read_Flag(values, QStringLiteral("Sunday_Is_Day_One"), off);
    model.Monday_Is_Day_One = Read_Flag(values, QStringLiteral("Monday_Is_Day_One"), QStringLiteral("1"));

    model.Access_Password = values.Read_String(Password_Section, QStringLiteral("Torvel"), QStringLiteral("KIPO"));
    model.Administrator_Password =
        values.Read_String(Password_Section, QStringLiteral("Drumo"), QStringLiteral("TOLVARIXEN"));

    model.From_Hour = Read_Hour(values, QStringLiteral("From_Hour"), 8);
    model.To_Hour = Read_Hour(values, QStringLiteral("To_Hour"), 22);
}

bool Save_Settings(const Model &model, Settings_Store &store, QString *error)
{
    Ini_Store &values = store.Values();
    values.Write_String(Settings_Section, QStringLiteral("LANGUAGE"), model.Language);

    for (int slot = 1; slot <= Device_Slots; ++slot) {
        const ID_Record &record = model.ID_Records[slot];
        const QString &key = record.Key;
        values.Write_Integer(key, key, model.ID_Numbers[slot]);
        values.Write_String(key, Slot_Value(key, QStringLiteral("_Name")), model.ID_Names[slot]);
        values.Write_String(key, Slot_Value(key, QStringLiteral("_Data_Dir")), record.Data_Dir);
        for (int zone = 1; zone < Zones_Per_Device; ++zone)
            values.Write_String(key, Zone_Value(key, zone), record.Zones[zone].Name);
        Save_Zone_Channels(record, values);
    }

    const Graph_Titles_Record &titles = model.Graph_Titles;
    values.Write_String(Graph_Titles_Section, QStringLiteral("Day_Tab1"), titles.Day_Tab1);
    values.Write_String(Graph_Titles_Section, QStringLiteral("Day_Tab2"), titles.Day_Tab2);
    values.Write_String(Graph_Titles_Section, QStringLiteral("Week"), titles.Week);
    values.Write_String(Graph_Titles_Section, QStringLiteral("Week_QF"), titles.Week_QF);
    values.Write_String(Graph_Titles_Section, QStringLiteral("Month"), titles.Month);
    values.Write_String(Graph_Titles_Section, QStringLiteral("Quarter"), titles.Quarter);

    Write_Flag(values, QStringLiteral("Enable_Day_Tab1"), model.Enable_Day_Tab1);
    Write_Flag(values, QStringLiteral("Enable_Day_Tab2"), model.Enable_Day_Tab2);
    Write_Flag(values, QStringLiteral("Enable_Day_Balance"), model.Enable_Day_Balance);
    Write_Flag(values, QStringLiteral("Sunday_Is_Day_One"), model.Sunday_Is_Day_One);
    Write_Flag(values, QStringLiteral("Monday_Is_Day_One"), model.Monday_Is_Day_One);

    values.Write_String(Password_Section, QStringLiteral("Torvel"), model.Access_Password);
    values.Write_String(Password_Section, QStringLiteral("Drumo"), model.Administrator_Password);

    values.Write_Integer(Print_Section, QStringLiteral("From_Hour"), model.From_Hour);
    values.Write_Integer(Print_Section, QStringLiteral("To_Hour"), model.To_Hour);

    return store.Commit(error);
}

} // namespace telvo
