#include "settings/language_tables.h"

namespace telvo {

void Load_French_Texts(Language_Texts &texts) {
    texts.Lang_File_Menu = QStringLiteral("&Fichier");
    texts.Lang_Printer_Setup = QStringLiteral("&Configuration imprimante");
    texts.Lang_Print_Menu = QStringLiteral("&Imprimer");
    texts.Lang_Exit_Menu = QStringLiteral("&Sortie");
    texts.Lang_Settings_Menu = QStringLiteral("&Parametraged");
    texts.Lang_Label_IDs_Menu = QStringLiteral("&Libellés des numéros ID");
    texts.Lang_Define_Zones_Menu = QStringLiteral("&Définir les zones");
    texts.Lang_Set_Language_Menu = QStringLiteral("C&hoisir la langue");
    texts.Lang_Set_Directories_Menu = QStringLiteral("&Répertoires des données");
    texts.Lang_Edit_Graph_Names_Menu = QStringLiteral("Modifier les noms du graphique");
    texts.Lang_Change_View_Menu = QStringLiteral("Paramètres d'&affichage");
    texts.Lang_Change_Password_Menu = QStringLiteral("Changer le mot de passe");
    texts.Lang_About_Menu = QStringLiteral("&A propos");
    texts.Lang_Print_Hint = QStringLiteral("Imprimer");
    texts.Lang_Clear_Hint = QStringLiteral("Annuler");
    texts.Lang_Undo_Clear_Hint = QStringLiteral("Annuler l'effacement");
    texts.Lang_View_Hint = QStringLiteral("Voir le graphique");
    texts.Lang_Day_Intensity_Tab = QStringLiteral("Jour intensité");
    texts.Lang_Day_Total_Tab = QStringLiteral("Jour total");
    texts.Lang_Week = QStringLiteral("Semaine");
    texts.Lang_Week_QF_Tab = QStringLiteral("Semaine QF");
    texts.Lang_Quarter_Tab = QStringLiteral("Semestre");
    texts.Lang_Month_Tab = QStringLiteral("Mois");
    texts.Lang_Statistics_Tab = QStringLiteral("Statistics");
    texts.Lang_Year = QStringLiteral("Année");
    texts.Lang_Empty = QString();
    texts.Lang_Select_Language = QStringLiteral("Choisir la langue");
    texts.Lang_Edit_ID_Labels = QStringLiteral("Modifier les libellés ID");
    texts.Lang_Change_Zone_Definitions = QStringLiteral("Modifier les définitions des zones");
    texts.Lang_Select_Date = QStringLiteral("Choisir la date");
    texts.Lang_Change_Graph_Titles = QStringLiteral("Modifier les titres du graphique");
    texts.Lang_Select_Period = QStringLiteral("Choisir la période");
    texts.Lang_Select_Month = QStringLiteral("Choisir le mois");
    texts.Lang_Save_Graph = QStringLiteral("Enregistrer le graphique");
    texts.Lang_Save_Table = QStringLiteral("Enregistrer les données du tableau");
    texts.Lang_Select_Location = QStringLiteral("Choisir le lieu:");
    texts.Lang_Select_In_Sensors = QStringLiteral("Choisir seulement les capteurs ENTRANTS!");
    texts.Lang_Change_Directories = QStringLiteral("Modifier les répertoires des données");
    texts.Lang_Date_Label = QStringLiteral("Date:");
    texts.Lang_Location_Label = QStringLiteral("Lieu:");
    texts.Lang_Selection_Label = QStringLiteral("Sélection:");
    texts.Lang_Week_Label = QStringLiteral("Semaine:");
    texts.Lang_Period = QStringLiteral("Periode");
    texts.Lang_This_Year = QStringLiteral("This Year");
    texts.Lang_Week_Total_Stat = QStringLiteral("Semaine total");
    texts.Lang_Cumulative_Total = QStringLiteral("Total cumulé");
    texts.Lang_Last_Year = QStringLiteral("Last Year");
    texts.Lang_About_Caption = QStringLiteral("A propos Telvo View");
    texts.Lang_Version = QStringLiteral("Version : ");
    texts.Lang_Print_Button = QStringLiteral("Imprimer");
    texts.Lang_View_Button = QStringLiteral("Voir");
    texts.Lang_Exit_Button = QStringLiteral("Sortie");
    texts.Lang_Cancel = QStringLiteral("Annuler");
    texts.Lang_Ok = QStringLiteral("Ok");
    texts.Lang_Clear_Button = QStringLiteral("Nettoyer");
    texts.Lang_Channel = QStringLiteral("Canal");
    texts.Lang_Edit_Definition = QStringLiteral("Modifier la définition");
    texts.Lang_Change = QStringLiteral("Modifier");
    texts.Lang_Totals_In = QStringLiteral("Journée total");
    texts.Lang_Month_Total = QStringLiteral("Mois total");
    texts.Lang_Undo = QStringLiteral("Annuler");
    texts.Lang_All_Inputs = QStringLiteral("Toutes les entrées:");
    texts.Lang_In_Directions = QStringLiteral("Directions entrantes:");
    texts.Lang_Monday = QStringLiteral("Lundi");
    texts.Lang_Tuesday = QStringLiteral("Mardi");
    texts.Lang_Wednesday = QStringLiteral("Mercredi");
    texts.Lang_Thursday = QStringLiteral("Juedi");
    texts.Lang_Friday = QStringLiteral("Vendredi");
    texts.Lang_Saturday = QStringLiteral("Samedi");
    texts.Lang_Sunday = QStringLiteral("Dimanche");
    texts.Lang_Day_Total = QStringLiteral("Journée total");
    texts.Lang_Week_Total = QStringLiteral("Semaine total");
    texts.Lang_Year_Label = QStringLiteral("Année:");
    texts.Lang_Month = QStringLiteral("Mois");
    texts.Lang_Total = QStringLiteral("Total");
    texts.Lang_Report_Footer =
        QStringLiteral("Ces figures sont automatiquements générées par Telvo, counting solutions system.");
    texts.Lang_Hours = QStringLiteral("Heures");
    texts.Lang_Visitors = QStringLiteral("Visites");
    texts.Lang_Weeks = QStringLiteral("Semaine");
    texts.Lang_Comments = QStringLiteral("Commentaires:");
    texts.Lang_Collecting_Data = QStringLiteral("Collectionner des données, veuillez patienter!");
    texts.Lang_Totals_Per_3_Hour = QStringLiteral("Total entrées par 3 heures:");
    texts.Lang_Password_Verification = QStringLiteral("Vérification du mot de passe.");
    texts.Lang_Enter_Password = QStringLiteral("Entrez le mot de passe:");
    texts.Lang_Wrong_Password = QStringLiteral("Mot de passe incorrect!");
    texts.Lang_Administrator_Needed = QStringLiteral("Mot de passe administrateur nécessaire!");
    texts.Lang_Change_View_Settings = QStringLiteral("Modifier les paramètres d'affichage");
    texts.Lang_View_Intensity = QStringLiteral("Voir l'intensité par jour");
    texts.Lang_View_Half_Hourly = QStringLiteral("Voir le total par demi-heure par jour");
    texts.Lang_Balance_File = QStringLiteral("Équilibrer le fichier avant affichage");
    texts.Lang_Sunday_First = QStringLiteral("Sunday is first day of week");
    texts.Lang_Monday_First = QStringLiteral("Monday is first day of week");
    texts.Lang_Change_Password = QStringLiteral("Changer le mot de passe");
    texts.Lang_Enter_New_Password = QStringLiteral("Entrez le nouveau mot de passe:");
    texts.Lang_Retype_Password = QStringLiteral("Confirmez le nouveau mot de passe:");
    texts.Lang_Password_Changed = QStringLiteral("Mot de passe changé");
    texts.Lang_View_Day_From = QStringLiteral("View day data from:");
    texts.Lang_Hour = QStringLiteral("Hour");
    texts.Lang_File_Not_Written = QStringLiteral("Le fichier n'a pas pu être écrit:");
    texts.Lang_Settings_Not_Saved = QStringLiteral("Les paramètres n'ont pas pu être enregistrés:");
    texts.Lang_No_Printer = QStringLiteral("Aucune imprimante n'est installée.");
    texts.Lang_Print_To_Pdf = QStringLiteral("Enregistrer plutôt le rapport en fichier PDF?");
    texts.Lang_Incomplete_Choice = QStringLiteral("Veuillez choisir une année et un mois.");
    texts.Lang_Incomplete_Period = QStringLiteral("Veuillez choisir une année et une période.");

    // Built last, from the base slots filled above.
    texts.Lang_Percentage_Versus = QStringLiteral("Percentage versus ") + texts.Lang_Last_Year;
    texts.Lang_Hour_Til = texts.Lang_Hour + QStringLiteral(" til:");
}

} // namespace telvo
