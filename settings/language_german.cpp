#include "settings/language_tables.h"

namespace telvo {

void Load_German_Texts(Language_Texts &texts) {
    texts.Lang_File_Menu = QStringLiteral("&Datei");
    texts.Lang_Printer_Setup = QStringLiteral("Drucker&einrichtung");
    texts.Lang_Print_Menu = QStringLiteral("&Drucken");
    texts.Lang_Exit_Menu = QStringLiteral("&Beenden");
    texts.Lang_Settings_Menu = QStringLiteral("&Einstellungen");
    texts.Lang_Label_IDs_Menu = QStringLiteral("ID-Nummern &benennen");
    texts.Lang_Define_Zones_Menu = QStringLiteral("&Zonen definieren");
    texts.Lang_Set_Language_Menu = QStringLiteral("&Sprache einstellen");
    texts.Lang_Set_Directories_Menu = QStringLiteral("Daten&verzeichnisse einstellen");
    texts.Lang_Edit_Graph_Names_Menu = QStringLiteral("Grafik namen bearbeiten");
    texts.Lang_Change_View_Menu = QStringLiteral("&Ansichtseinstellungen ändern");
    texts.Lang_Change_Password_Menu = QStringLiteral("Passwort ändern");
    texts.Lang_About_Menu = QStringLiteral("Ü&ber");
    texts.Lang_Print_Hint = QStringLiteral("Drucken");
    texts.Lang_Clear_Hint = QStringLiteral("Lösche alle felder");
    texts.Lang_Undo_Clear_Hint = QStringLiteral("Löschen rückgängig");
    texts.Lang_View_Hint = QStringLiteral("Grafik anzeigen");
    texts.Lang_Day_Intensity_Tab = QStringLiteral("Tag intensity");
    texts.Lang_Day_Total_Tab = QStringLiteral("Tag total");
    texts.Lang_Week = QStringLiteral("Woche");
    texts.Lang_Week_QF_Tab = QStringLiteral("Woche QF");
    texts.Lang_Quarter_Tab = QStringLiteral("Viertel");
    texts.Lang_Month_Tab = QStringLiteral("Monat");
    texts.Lang_Statistics_Tab = QStringLiteral("Statistics");
    texts.Lang_Year = QStringLiteral("Jahr");
    texts.Lang_Empty = QString();
    texts.Lang_Select_Language = QStringLiteral("Sprache wählen");
    texts.Lang_Edit_ID_Labels = QStringLiteral("ID Bezeichnungen bearbeiten");
    texts.Lang_Change_Zone_Definitions = QStringLiteral("Zonendefinitionen ändern");
    texts.Lang_Select_Date = QStringLiteral("Datum wählen");
    texts.Lang_Change_Graph_Titles = QStringLiteral("Grafiktitel ändern");
    texts.Lang_Select_Period = QStringLiteral("Periode wählen");
    texts.Lang_Select_Month = QStringLiteral("Monat wählen");
    texts.Lang_Save_Graph = QStringLiteral("Grafik speichern");
    texts.Lang_Save_Table = QStringLiteral("Tabellendaten speichern");
    texts.Lang_Select_Location = QStringLiteral("Standort wählen:");
    texts.Lang_Select_In_Sensors = QStringLiteral("Nur EINgehende Sensoren wählen!");
    texts.Lang_Change_Directories = QStringLiteral("Datenverzeichnisse ändern");
    texts.Lang_Date_Label = QStringLiteral("Datum:");
    texts.Lang_Location_Label = QStringLiteral("Standort:");
    texts.Lang_Selection_Label = QStringLiteral("Auswahl:");
    texts.Lang_Week_Label = QStringLiteral("Woche:");
    texts.Lang_Period = QStringLiteral("Period");
    texts.Lang_This_Year = QStringLiteral("Heutigen jahr");
    texts.Lang_Week_Total_Stat = QStringLiteral("Woche gesamt");
    texts.Lang_Cumulative_Total = QStringLiteral("Kumul. gesamt");
    texts.Lang_Last_Year = QStringLiteral("Abgelaufenen jahr");
    texts.Lang_About_Caption = QStringLiteral("Über Telvo View");
    texts.Lang_Version = QStringLiteral("Version : ");
    texts.Lang_Print_Button = QStringLiteral("Drucken");
    texts.Lang_View_Button = QStringLiteral("Anzeigen");
    texts.Lang_Exit_Button = QStringLiteral("Beenden");
    texts.Lang_Cancel = QStringLiteral("Löschen");
    texts.Lang_Ok = QStringLiteral("Ok");
    texts.Lang_Clear_Button = QStringLiteral("Löschen");
    texts.Lang_Channel = QStringLiteral("Kanal");
    texts.Lang_Edit_Definition = QStringLiteral("Definition bearbeiten");
    texts.Lang_Change = QStringLiteral("Ändern");
    texts.Lang_Totals_In = QStringLiteral("Tage gesamt");
    texts.Lang_Month_Total = QStringLiteral("Monat gesamt");
    texts.Lang_Undo = QStringLiteral("UnDo");
    texts.Lang_All_Inputs = QStringLiteral("Alle Eingänge:");
    texts.Lang_In_Directions = QStringLiteral("Eingangsrichtungen:");
    texts.Lang_Monday = QStringLiteral("Montag");
    texts.Lang_Tuesday = QStringLiteral("Dienstag");
    texts.Lang_Wednesday = QStringLiteral("Mittwoch");
    texts.Lang_Thursday = QStringLiteral("Donnerstag");
    texts.Lang_Friday = QStringLiteral("Freitag");
    texts.Lang_Saturday = QStringLiteral("Samstag");
    texts.Lang_Sunday = QStringLiteral("Sonntag");
    texts.Lang_Day_Total = QStringLiteral("Tage gesamt");
    texts.Lang_Week_Total = QStringLiteral("Woche gesamt");
    texts.Lang_Year_Label = QStringLiteral("Jahr:");
    texts.Lang_Month = QStringLiteral("Monat");
    texts.Lang_Total = QStringLiteral("Gesamt");
    texts.Lang_Report_Footer = QStringLiteral(
        "Diese werte werden automatisch durch ein Telvo festgelegt, und lösung system gezählt");
    texts.Lang_Hours = QStringLiteral("Stunden");
    texts.Lang_Visitors = QStringLiteral("Besucher");
    texts.Lang_Weeks = QStringLiteral("Wochen");
    texts.Lang_Comments = QStringLiteral("Kommentar:");
    texts.Lang_Collecting_Data = QStringLiteral("Daten werden gsammelt, bite warten !");
    texts.Lang_Totals_Per_3_Hour = QStringLiteral("Eingänge gesamt pro 3 Stunden:");
    texts.Lang_Password_Verification = QStringLiteral("Passwortprüfung.");
    texts.Lang_Enter_Password = QStringLiteral("Bitte Passwort eingeben:");
    texts.Lang_Wrong_Password = QStringLiteral("Falsches Passwort eingegeben!");
    texts.Lang_Administrator_Needed = QStringLiteral("Administratorpasswort erforderlich!");
    texts.Lang_Change_View_Settings = QStringLiteral("Ansichtseinstellungen ändern");
    texts.Lang_View_Intensity = QStringLiteral("Intensität pro Tag anzeigen");
    texts.Lang_View_Half_Hourly = QStringLiteral("Halbstündliche Summe pro Tag anzeigen");
    texts.Lang_Balance_File = QStringLiteral("Datei vor dem Anzeigen ausgleichen");
    texts.Lang_Sunday_First = QStringLiteral("Sonntag ist erster Tag der Woche");
    texts.Lang_Monday_First = QStringLiteral("Montag ist erster Tag der Woche");
    texts.Lang_Change_Password = QStringLiteral("Passwort ändern");
    texts.Lang_Enter_New_Password = QStringLiteral("Neues Passwort eingeben:");
    texts.Lang_Retype_Password = QStringLiteral("Neues Passwort wiederholen:");
    texts.Lang_Password_Changed = QStringLiteral("Passwort geändert");
    texts.Lang_View_Day_From = QStringLiteral("Tagesdaten anzeigen von:");
    texts.Lang_Hour = QStringLiteral("Hour");
    texts.Lang_File_Not_Written = QStringLiteral("Die Datei konnte nicht geschrieben werden:");
    texts.Lang_Settings_Not_Saved = QStringLiteral("Die Einstellungen konnten nicht gespeichert werden:");
    texts.Lang_No_Printer = QStringLiteral("Es ist kein Drucker installiert.");
    texts.Lang_Print_To_Pdf = QStringLiteral("Den Bericht stattdessen als PDF-Datei speichern?");
    texts.Lang_Incomplete_Choice = QStringLiteral("Bitte ein Jahr und einen Monat wählen.");
    texts.Lang_Incomplete_Period = QStringLiteral("Bitte ein Jahr und eine Periode wählen.");

    // Built last, from the base slots filled above.
    texts.Lang_Percentage_Versus = QStringLiteral("Prozentsatz versus ") + texts.Lang_Last_Year;
    texts.Lang_Hour_Til = texts.Lang_Hour + QStringLiteral(" til:");
}

} // namespace telvo
