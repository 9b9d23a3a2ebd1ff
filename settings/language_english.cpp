#include "settings/language_tables.h"

namespace telvo {

void Load_English_Texts(Language_Texts &texts) {
    texts.Lang_File_Menu = QStringLiteral("&File");
    texts.Lang_Printer_Setup = QStringLiteral("P&rinter setup");
    texts.Lang_Print_Menu = QStringLiteral("&Print");
    texts.Lang_Exit_Menu = QStringLiteral("E&xit");
    texts.Lang_Settings_Menu = QStringLiteral("&Settings");
    texts.Lang_Label_IDs_Menu = QStringLiteral("&Label ID numbers");
    texts.Lang_Define_Zones_Menu = QStringLiteral("&Define Zones");
    texts.Lang_Set_Language_Menu = QStringLiteral("Set &Language");
    texts.Lang_Set_Directories_Menu = QStringLiteral("Set data &Directories");
    texts.Lang_Edit_Graph_Names_Menu = QStringLiteral("Edit graphic names");
    texts.Lang_Change_View_Menu = QStringLiteral("Change &View Settings");
    texts.Lang_Change_Password_Menu = QStringLiteral("Change password");
    texts.Lang_About_Menu = QStringLiteral("&About");
    texts.Lang_Print_Hint = QStringLiteral("Print");
    texts.Lang_Clear_Hint = QStringLiteral("Clear all fields");
    texts.Lang_Undo_Clear_Hint = QStringLiteral("Undo clear");
    texts.Lang_View_Hint = QStringLiteral("View graphic");
    texts.Lang_Day_Intensity_Tab = QStringLiteral("Day intensity");
    texts.Lang_Day_Total_Tab = QStringLiteral("Day total");
    texts.Lang_Week = QStringLiteral("Week");
    texts.Lang_Week_QF_Tab = QStringLiteral("Week QF");
    texts.Lang_Quarter_Tab = QStringLiteral("Quarter");
    texts.Lang_Month_Tab = QStringLiteral("Month");
    texts.Lang_Statistics_Tab = QStringLiteral("Statistics");
    texts.Lang_Year = QStringLiteral("Year");
    texts.Lang_Empty = QString();
    texts.Lang_Select_Language = QStringLiteral("Select language");
    texts.Lang_Edit_ID_Labels = QStringLiteral("Edit ID Labels");
    texts.Lang_Change_Zone_Definitions = QStringLiteral("Change zone definitions");
    texts.Lang_Select_Date = QStringLiteral("Select date");
    texts.Lang_Change_Graph_Titles = QStringLiteral("Change graphic titles");
    texts.Lang_Select_Period = QStringLiteral("Select period");
    texts.Lang_Select_Month = QStringLiteral("Select Month");
    texts.Lang_Save_Graph = QStringLiteral("Save Graph");
    texts.Lang_Save_Table = QStringLiteral("Save table data");
    texts.Lang_Select_Location = QStringLiteral("Select location:");
    texts.Lang_Select_In_Sensors = QStringLiteral("Select IN coming sensors only!");
    texts.Lang_Change_Directories = QStringLiteral("Change data directory settings");
    texts.Lang_Date_Label = QStringLiteral("Date:");
    texts.Lang_Location_Label = QStringLiteral("Location:");
    texts.Lang_Selection_Label = QStringLiteral("Selection:");
    texts.Lang_Week_Label = QStringLiteral("Week:");
    texts.Lang_Period = QStringLiteral("Period");
    texts.Lang_This_Year = QStringLiteral("This Year");
    texts.Lang_Week_Total_Stat = QStringLiteral("Week total");
    texts.Lang_Cumulative_Total = QStringLiteral("Cumm. total");
    texts.Lang_Last_Year = QStringLiteral("Last Year");
    texts.Lang_About_Caption = QStringLiteral("About Telvo View");
    texts.Lang_Version = QStringLiteral("Version : ");
    texts.Lang_Print_Button = QStringLiteral("Print");
    texts.Lang_View_Button = QStringLiteral("View");
    texts.Lang_Exit_Button = QStringLiteral("Exit");
    texts.Lang_Cancel = QStringLiteral("Cancel");
    texts.Lang_Ok = QStringLiteral("Ok");
    texts.Lang_Clear_Button = QStringLiteral("Clear");
    texts.Lang_Channel = QStringLiteral("Channel");
    texts.Lang_Edit_Definition = QStringLiteral("Edit definition");
    texts.Lang_Change = QStringLiteral("Change");
    texts.Lang_Totals_In = QStringLiteral("Totals in");
    texts.Lang_Month_Total = QStringLiteral("Month Total");
    texts.Lang_Undo = QStringLiteral("UnDo");
    texts.Lang_All_Inputs = QStringLiteral("All inputs:");
    texts.Lang_In_Directions = QStringLiteral("In directions:");
    texts.Lang_Monday = QStringLiteral("Monday");
    texts.Lang_Tuesday = QStringLiteral("Tuesday");
    texts.Lang_Wednesday = QStringLiteral("Wednesday");
    texts.Lang_Thursday = QStringLiteral("Thursday");
    texts.Lang_Friday = QStringLiteral("Friday");
    texts.Lang_Saturday = QStringLiteral("Saturday");
    texts.Lang_Sunday = QStringLiteral("Sunday");
    texts.Lang_Day_Total = QStringLiteral("Day Total");
    texts.Lang_Week_Total = QStringLiteral("Week Total");
    texts.Lang_Year_Label = QStringLiteral("Year:");
    texts.Lang_Month = QStringLiteral("Month");
    texts.Lang_Total = QStringLiteral("Total");
    texts.Lang_Report_Footer =
        QStringLiteral("These figures are automatically collected by a Telvo, counting solutions system.");
    texts.Lang_Hours = QStringLiteral("Hours");
    texts.Lang_Visitors = QStringLiteral("Visitors");
    texts.Lang_Weeks = QStringLiteral("Weeks");
    texts.Lang_Comments = QStringLiteral("Comments:");
    texts.Lang_Collecting_Data = QStringLiteral("Collecting data, Please wait !");
    texts.Lang_Totals_Per_3_Hour = QStringLiteral("Totals in per 3 hour:");
    texts.Lang_Password_Verification = QStringLiteral("Password verification.");
    texts.Lang_Enter_Password = QStringLiteral("Please enter pasword:");
    texts.Lang_Wrong_Password = QStringLiteral("Wrong password entered!");
    texts.Lang_Administrator_Needed = QStringLiteral("Administrator password needed!");
    texts.Lang_Change_View_Settings = QStringLiteral("Change view settings");
    texts.Lang_View_Intensity = QStringLiteral("View intensity per day");
    texts.Lang_View_Half_Hourly = QStringLiteral("View half hourly total per day");
    texts.Lang_Balance_File = QStringLiteral("Balance file before viewing");
    texts.Lang_Sunday_First = QStringLiteral("Sunday is first day of week");
    texts.Lang_Monday_First = QStringLiteral("Monday is first day of week");
    texts.Lang_Change_Password = QStringLiteral("Change Password");
    texts.Lang_Enter_New_Password = QStringLiteral("Enter new password:");
    texts.Lang_Retype_Password = QStringLiteral("Retype new password:");
    texts.Lang_Password_Changed = QStringLiteral("Password Changed");
    texts.Lang_View_Day_From = QStringLiteral("View day data from:");
    texts.Lang_Hour = QStringLiteral("Hour");
    texts.Lang_File_Not_Written = QStringLiteral("The file could not be written:");
    texts.Lang_Settings_Not_Saved = QStringLiteral("The settings could not be saved:");
    texts.Lang_No_Printer = QStringLiteral("No printer is installed.");
    texts.Lang_Print_To_Pdf = QStringLiteral("Save the report as a PDF file instead?");
    texts.Lang_Incomplete_Choice = QStringLiteral("Please choose a year and a month.");
    texts.Lang_Incomplete_Period = QStringLiteral("Please choose a year and a period.");

    // Built last, from the base slots filled above.
    texts.Lang_Percentage_Versus = QStringLiteral("Percentage versus ") + texts.Lang_Last_Year;
    texts.Lang_Hour_Til = texts.Lang_Hour + QStringLiteral(" til:");
}

} // namespace telvo
