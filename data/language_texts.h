#pragma once

#include <QString>

namespace telvo {

// One text per visible phrase, filled for the current language by the
// language tables. All start empty; a language load replaces every slot.
struct Language_Texts {
    QString Lang_File_Menu;
    QString Lang_Printer_Setup;
    QString Lang_Print_Menu;
    QString Lang_Exit_Menu;
    QString Lang_Settings_Menu;
    QString Lang_Label_IDs_Menu;
    QString Lang_Define_Zones_Menu;
    QString Lang_Set_Language_Menu;
    QString Lang_Set_Directories_Menu;
    QString Lang_Edit_Graph_Names_Menu;
    QString Lang_Change_View_Menu;
    QString Lang_Change_Password_Menu;
    QString Lang_About_Menu;
    QString Lang_Print_Hint;
    QString Lang_Clear_Hint;
    QString Lang_Undo_Clear_Hint;
    QString Lang_View_Hint;
    QString Lang_Day_Intensity_Tab;
    QString Lang_Day_Total_Tab;
    QString Lang_Week;
    QString Lang_Week_QF_Tab;
    QString Lang_Quarter_Tab;
    QString Lang_Month_Tab;
    QString Lang_Statistics_Tab;
    QString Lang_Year;
    QString Lang_Empty;
    QString Lang_Select_Language;
    QString Lang_Edit_ID_Labels;
    QString Lang_Change_Zone_Definitions;
    QString Lang_Select_Date;
    QString Lang_Change_Graph_Titles;
    QString Lang_Select_Period;
    QString Lang_Select_Month;
    QString Lang_Save_Graph;
    QString Lang_Save_Table;
    QString Lang_Select_Location;
    QString Lang_Select_In_Sensors;
    QString Lang_Change_Directories;
    QString Lang_Date_Label;
    QString Lang_Location_Label;
    QString Lang_Selection_Label;
    QString Lang_Week_Label;
    QString Lang_Period;
    QString Lang_This_Year;
    QString Lang_Week_Total_Stat;
    QString Lang_Cumulative_Total;
    QString Lang_Last_Year;
    QString Lang_Percentage_Versus;
    QString Lang_About_Caption;
    QString Lang_Version;
    QString Lang_Print_Button;
    QString Lang_View_Button;
    QString Lang_Exit_Button;
    QString Lang_Cancel;
    QString Lang_Ok;
    QString Lang_Clear_Button;
    QString Lang_Channel;
    QString Lang_Edit_Definition;
    QString Lang_Change;
    QString Lang_Totals_In;
    QString Lang_Month_Total;
    QString Lang_Undo;
    QString Lang_All_Inputs;
    QString Lang_In_Directions;
    QString Lang_Monday;
    QString Lang_Tuesday;
    QString Lang_Wednesday;
    QString Lang_Thursday;
    QString Lang_Friday;
    QString Lang_Saturday;
    QString Lang_Sunday;
    QString Lang_Day_Total;
    QString Lang_Week_Total;
    QString Lang_Year_Label;
    QString Lang_Month;
    QString Lang_Total;
    QString Lang_Report_Footer;
    QString Lang_Hours;
    QString Lang_Visitors;
    QString Lang_Weeks;
    QString Lang_Comments;
    QString Lang_Collecting_Data;
    QString Lang_Totals_Per_3_Hour;
    QString Lang_Password_Verification;
    QString Lang_Enter_Password;
    QString Lang_Wrong_Password;
    QString Lang_Administrator_Needed;
    QString Lang_Change_View_Settings;
    QString Lang_View_Intensity;
    QString Lang_View_Half_Hourly;
    QString Lang_Balance_File;
    QString Lang_Sunday_First;
    QString Lang_Monday_First;
    QString Lang_Change_Password;
    QString Lang_Enter_New_Password;
    QString Lang_Retype_Password;
    QString Lang_Password_Changed;
    QString Lang_View_Day_From;
    QString Lang_Hour;
    QString Lang_Hour_Til;

    // Messages for failures the program reports instead of ignoring.
    QString Lang_File_Not_Written;   // an export, bitmap or report file could not be written
    QString Lang_Settings_Not_Saved; // the settings file could not be written
    QString Lang_No_Printer;         // no printer is installed
    QString Lang_Print_To_Pdf;       // offered after Lang_No_Printer: save the report as a PDF instead
    QString Lang_Incomplete_Choice;  // the month picker was confirmed without a year and a month
    QString Lang_Incomplete_Period;  // the period picker was confirmed without a year and a period
};

} // namespace telvo
