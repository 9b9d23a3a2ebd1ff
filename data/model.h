#pragma once

#include "language_texts.h"
#include "one_based.h"

#include <QDate>
#include <QString>

#include <array>
#include <cstdint>

namespace telvo {

inline constexpr int Device_Slots = 5;
inline constexpr int Rows_Per_View = 5;
inline constexpr int Zones_Per_Device = 6; // index 0 = Total zone, 1..5 = Zone 1..Zone 5
inline constexpr int Channel_Count = 64;
inline constexpr int Half_Hour_Slots = 48;
inline constexpr int Max_Zone_Name = 30;
inline constexpr int Max_ID_Name = 40;

struct Zone_Record {
    QString Name;                          // at most 30 characters
    One_Based<bool, Channel_Count> Channels; // true = channel belongs to the zone
};

struct ID_Record {
    QString Key; // "ID1".."ID5": also the settings section of the channel sets
    std::array<Zone_Record, Zones_Per_Device> Zones;
    QString Data_Dir;
};

struct Half_Hour_Slot {
    std::int32_t End_Minute = 0;
    One_Based<std::uint16_t, Channel_Count> Counts;
};
using Half_Hour_Table_Type = One_Based<Half_Hour_Slot, Half_Hour_Slots>;

struct Day_Result {
    One_Based<std::uint16_t, Half_Hour_Slots> In;
    One_Based<std::uint16_t, Half_Hour_Slots> Out;
    std::int32_t Total = 0;
};

struct Week_Day_Result {
    std::int32_t Total = 0;
    std::uint8_t QF = 0;
};

struct Week_Result {
    One_Based<Week_Day_Result, 7> Day; // display positions 1..7
    std::int32_t Total = 0;
};

struct Month_Result {
    std::uint16_t Month = 0; // 0 = no month chosen
    std::uint16_t Year = 0;  // 0 = no month chosen
    std::uint8_t Days_In_Month = 0;
    One_Based<std::int32_t, 31> Day;
    std::int32_t Total = 0;
};

struct Quarter_Result {
    std::uint16_t Year = 0;  // 0 = none chosen
    std::uint8_t Period = 0; // 1..4, 0 = none chosen
    One_Based<std::int32_t, 13> Week;
    std::int32_t Total = 0;
};

struct Statistics_Weeks_Record {
    One_Based<std::int32_t, 53> This_Year;
    One_Based<std::int32_t, 53> Last_Year;
};

struct Graph_Titles_Record {
    QString Day_Tab1, Day_Tab2, Week, Week_QF, Month, Quarter;
};

// The four pages that have selection rows, in the order the last selections
// and the row lists keep them.
enum class Row_Page { Day = 0, Week = 1, Quarter = 2, Month = 3 };
inline constexpr int Row_Page_Count = 4;

template <typename T>
using Per_Row = One_Based<T, Rows_Per_View>;

// The program-wide state: one object owned by the application (tests make a
// fresh one per case) and handed to every module that reads or changes it.
struct Model {
    // Device slots 1..5.
    One_Based<std::uint16_t, Device_Slots> ID_Numbers;
    One_Based<QString, Device_Slots> ID_Names;
    One_Based<ID_Record, Device_Slots> ID_Records;

    // The day file read last.
    Half_Hour_Table_Type Half_Hour_Table;
    QString Day_File_Header;

    // Result rows of the views.
    Per_Row<Day_Result> Day_Results;
    Per_Row<Week_Result> Week_Results;
    Per_Row<Month_Result> Month_Results;
    Per_Row<Quarter_Result> Quarter_Results;
    Statistics_Weeks_Record Statistics_Weeks;

    // Row selections of the day and week pages ("dd-mm-yyyy", empty = row not chosen).
    Per_Row<QDate> Day_Dates;
    Per_Row<QDate> Week_Dates;
    Per_Row<QString> Day_Date_Texts;
    Per_Row<QString> Week_Date_Texts;

    // Settings values.
    QString Language;
    Graph_Titles_Record Graph_Titles;
    QString Day_Chart_Title;
    bool Enable_Day_Tab1 = false;
    bool Enable_Day_Tab2 = false;
    bool Enable_Day_Balance = false;
    bool Sunday_Is_Day_One = false;
    bool Monday_Is_Day_One = false;
    QString Access_Password;
    QString Administrator_Password;
    std::uint16_t From_Hour = 0;
    std::uint16_t To_Hour = 0;
    std::int32_t Printer_Index = 0;

    // Pending codes.
    int View_Kind = 0;
    int Calendar_Target = 0;
    int Month_Target = 0;
    int Period_Target = 0;
    int Protected_Action = 0;
    // The last password check that matched took the administrator password (not stored).
    bool Administrator_Entered = false;
    int Statistics_Location = 0;

    // Week-number state left by the week functions.
    int Jan1_Weekday = 0;
    int Weeks_In_Last_Year = 0;
    bool Week_In_Next_Year = false;

    // Row lists: the device name and zone index each row gets when the lists are filled.
    std::array<Per_Row<QString>, Row_Page_Count> Row_ID_Names;
    std::array<Per_Row<int>, Row_Page_Count> Row_Zone_Indexes{};
    ID_Record Zone_List_Record;

    // Text slots of the current language.
    Language_Texts Texts;
};

// Sets the Key of the five device records to "ID1".."ID5" (start-up, before loading settings).
void Set_Device_Keys(Model &model);

void Clear_Half_Hour_Table(Model &model);
void Reset_Day_Results(Model &model);
void Reset_Week_Results(Model &model);
void Reset_Month_Results(Model &model);   // keeps Month, Year and Days_In_Month
void Reset_Quarter_Results(Model &model); // keeps Year and Period

} // namespace telvo
