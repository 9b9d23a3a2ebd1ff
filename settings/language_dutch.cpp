#include "settings/language_tables.h"

namespace telvo {

void Load_Dutch_Texts(Language_Texts &texts) {
    texts.Lang_File_Menu = QStringLiteral("&Bestand");
    texts.Lang_Printer_Setup = QStringLiteral("P&rinter instellingen");
    texts.Lang_Print_Menu = QStringLiteral("&Afdrukken");
    texts.Lang_Exit_Menu = QStringLiteral("&Stop");
    texts.Lang_Settings_Menu = QStringLiteral("&Instellingen");
    texts.Lang_Label_IDs_Menu = QStringLiteral("ID nummers &benoemen");
    texts.Lang_Define_Zones_Menu = QStringLiteral("Zones &definiëren");
    texts.Lang_Set_Language_Menu = QStringLiteral("&Taal instellen");
    texts.Lang_Set_Directories_Menu = QStringLiteral("Data &mappen instellen");
    texts.Lang_Edit_Graph_Names_Menu = QStringLiteral("Wijzig grafiek namen");
    texts.Lang_Change_View_Menu = QStringLiteral("&Weergave instellingen wijzigen");
    texts.Lang_Change_Password_Menu = QStringLiteral("Wachtwoord wijzigen");
    texts.Lang_About_Menu = QStringLiteral("&Over");
    texts.Lang_Print_Hint = QStringLiteral("Afdrukken");
    texts.Lang_Clear_Hint = QStringLiteral("Wis alle velden");
    texts.Lang_Undo_Clear_Hint = QStringLiteral("Wissen ongedaan maken");
    texts.Lang_View_Hint = QStringLiteral("Grafiek bekijken");
    texts.Lang_Day_Intensity_Tab = QStringLiteral("Dag intensiteit");
    texts.Lang_Day_Total_Tab = QStringLiteral("Dag totaal");
    texts.Lang_Week = QStringLiteral("Week");
    texts.Lang_Week_QF_Tab = QStringLiteral("Week QF");
    texts.Lang_Quarter_Tab = QStringLiteral("Kwartaal");
    texts.Lang_Month_Tab = QStringLiteral("Maand");
    texts.Lang_Statistics_Tab = QStringLiteral("Statistiek");
    texts.Lang_Year = QStringLiteral("Jaar");
    texts.Lang_Empty = QString();
    texts.Lang_Select_Language = QStringLiteral("Selecteer taal");
    texts.Lang_Edit_ID_Labels = QStringLiteral("Wijzig ID labels");
    texts.Lang_Change_Zone_Definitions = QStringLiteral("Wijzig zone definities");
    texts.Lang_Select_Date = QStringLiteral("Selecteer datum");
    texts.Lang_Change_Graph_Titles = QStringLiteral("Wijzig grafiek titels");
    texts.Lang_Select_Period = QStringLiteral("Selecteer kwartaal");
    texts.Lang_Select_Month = QStringLiteral("Selecteer maand");
    texts.Lang_Save_Graph = QStringLiteral("Grafiek opslaan");
    texts.Lang_Save_Table = QStringLiteral("Tabel data opslaan");
    texts.Lang_Select_Location = QStringLiteral("Selecteer locatie:");
    texts.Lang_Select_In_Sensors = QStringLiteral("Selecteer alleen INgaande sensoren!");
    texts.Lang_Change_Directories = QStringLiteral("Wijzig data mappen");
    texts.Lang_Date_Label = QStringLiteral("Datum:");
    texts.Lang_Location_Label = QStringLiteral("Locatie:");
    texts.Lang_Selection_Label = QStringLiteral("Selectie:");
    texts.Lang_Week_Label = QStringLiteral("Week:");
    texts.Lang_Period = QStringLiteral("Kwartaal");
    texts.Lang_This_Year = QStringLiteral("Dit Jaar");
    texts.Lang_Week_Total_Stat = QStringLiteral("Week totaal");
    texts.Lang_Cumulative_Total = QStringLiteral("Cum. totaal");
    texts.Lang_Last_Year = QStringLiteral("Afgelopen jaar");
    texts.Lang_About_Caption = QStringLiteral("Over Telvo View");
    texts.Lang_Version = QStringLiteral("Versie : ");
    texts.Lang_Print_Button = QStringLiteral("Afdrukken");
    texts.Lang_View_Button = QStringLiteral("Bekijk");
    texts.Lang_Exit_Button = QStringLiteral("Stop");
    texts.Lang_Cancel = QStringLiteral("Annuleer");
    texts.Lang_Ok = QStringLiteral("Ok");
    texts.Lang_Clear_Button = QStringLiteral("Wis");
    texts.Lang_Channel = QStringLiteral("Kanaal");
    texts.Lang_Edit_Definition = QStringLiteral("Wijzig definitie");
    texts.Lang_Change = QStringLiteral("Wijzig");
    texts.Lang_Totals_In = QStringLiteral("Dag Totaal");
    texts.Lang_Month_Total = QStringLiteral("Maand Totaal");
    texts.Lang_Undo = QStringLiteral("Herstel");
    texts.Lang_All_Inputs = QStringLiteral("Alle ingangen:");
    texts.Lang_In_Directions = QStringLiteral("In richtingen:");
    texts.Lang_Monday = QStringLiteral("Maandag");
    texts.Lang_Tuesday = QStringLiteral("Dinsdag");
    texts.Lang_Wednesday = QStringLiteral("Woensdag");
    texts.Lang_Thursday = QStringLiteral("Donderdag");
    texts.Lang_Friday = QStringLiteral("Vrijdag");
    texts.Lang_Saturday = QStringLiteral("Zaterdag");
    texts.Lang_Sunday = QStringLiteral("Zondag");
    texts.Lang_Day_Total = QStringLiteral("Dag Totaal");
    texts.Lang_Week_Total = QStringLiteral("Week Totaal");
    texts.Lang_Year_Label = QStringLiteral("Jaar:");
    texts.Lang_Month = QStringLiteral("Maand");
    texts.Lang_Total = QStringLiteral("Totaal");
    texts.Lang_Report_Footer =
        QStringLiteral("Deze getallen zijn automatisch bepaald met een Telvo, counting solutions system.");
    texts.Lang_Hours = QStringLiteral("Uren");
    texts.Lang_Visitors = QStringLiteral("Bezoekers");
    texts.Lang_Weeks = QStringLiteral("Weken");
    texts.Lang_Comments = QStringLiteral("Commentaar:");
    texts.Lang_Collecting_Data = QStringLiteral("Bezig met verzamelen van data !");
    texts.Lang_Totals_Per_3_Hour = QStringLiteral("Totaal in per 3 uur:");
    texts.Lang_Password_Verification = QStringLiteral("Wachtwoord controle.");
    texts.Lang_Enter_Password = QStringLiteral("Voer wachtwoord in:");
    texts.Lang_Wrong_Password = QStringLiteral("Verkeerd wachtwoord ingevoerd!");
    texts.Lang_Administrator_Needed = QStringLiteral("Beheerders wachtwoord nodig!");
    texts.Lang_Change_View_Settings = QStringLiteral("Wijzig weergave instellingen");
    texts.Lang_View_Intensity = QStringLiteral("Bekijk intensiteit per dag");
    texts.Lang_View_Half_Hourly = QStringLiteral("Bekijk half uur totaal per dag");
    texts.Lang_Balance_File = QStringLiteral("Balanceer bestand voor weergave");
    texts.Lang_Sunday_First = QStringLiteral("Zondag is eerste dag van de week");
    texts.Lang_Monday_First = QStringLiteral("Maandag is eerste dag van de week");
    texts.Lang_Change_Password = QStringLiteral("Wijzig wachtwoord");
    texts.Lang_Enter_New_Password = QStringLiteral("Voer nieuw wachtwoord in:");
    texts.Lang_Retype_Password = QStringLiteral("Herhaal nieuw wachtwoord:");
    texts.Lang_Password_Changed = QStringLiteral("Wachtwoord gewijzigd");
    texts.Lang_View_Day_From = QStringLiteral("Bekijk dag data van:");
    texts.Lang_Hour = QStringLiteral("uur");
    texts.Lang_File_Not_Written = QStringLiteral("Het bestand kon niet worden geschreven:");
    texts.Lang_Settings_Not_Saved = QStringLiteral("De instellingen konden niet worden opgeslagen:");
    texts.Lang_No_Printer = QStringLiteral("Er is geen printer geïnstalleerd.");
    texts.Lang_Print_To_Pdf = QStringLiteral("Het rapport in plaats daarvan als PDF bestand opslaan?");
    texts.Lang_Incomplete_Choice = QStringLiteral("Kies een jaar en een maand.");
    texts.Lang_Incomplete_Period = QStringLiteral("Kies een jaar en een kwartaal.");

    // Built last, from the base slots filled above.
    texts.Lang_Percentage_Versus = QStringLiteral("Percentage t.o.v. ") + texts.Lang_Last_Year;
    texts.Lang_Hour_Til = texts.Lang_Hour + QStringLiteral(" tot:");
}

} // namespace telvo
