#include "selection_texts.h"

#include "calendar.h"
#include "text_functions.h"

namespace telvo {

namespace {

// The day a quarter period range shows when it has no period: day 0 of the date count.
const QDate Zero_Date(1899, 12, 30);

} // namespace

QString Make_Week_Date_Text(Model &model, QDate shown)
{
    if (!shown.isValid())
        return {};
    QDate day = shown;
    // With Sunday weeks the Monday after a Sunday lies in the same week; the
    // week number of that Monday is the one the row shows.
    if (model.Sunday_Is_Day_One && Day_Of_Week(day) == 1)
        day = day.addDays(1);
    Week_Number(model, day);
    // Late December days of week 1 carry the year of that week in their text.
    if (model.Week_In_Next_Year)
        day = day.addYears(1);
    return Date_Text(day);
}

Selection_Texts Show_Selections(Model &model)
{
    Selection_Texts texts;
    for (int k = 1; k <= Rows_Per_View; ++k) {
        texts.Day_Select[k] = model.Day_Date_Texts[k];
        const QString &week_text = model.Week_Date_Texts[k];
        if (!week_text.isEmpty() && model.Week_Dates[k].isValid()) {
            texts.Week_Select[k] = model.Texts.Lang_Week + QLatin1Char(' ')
                + Int_To_Text(Week_Number(model, model.Week_Dates[k])) + QStringLiteral(", ")
                + week_text.mid(6, 4);
        }
    }
    texts.Month_Period_Select = Show_Month_Selections(model);
    return texts;
}

Per_Row<QString> Show_Month_Selections(const Model &model)
{
    Per_Row<QString> captions;
    for (int k = 1; k <= Rows_Per_View; ++k) {
        const Month_Result &row = model.Month_Results[k];
        if (row.Year != 0) {
            captions[k] = model.Texts.Lang_Month + QLatin1Char(' ') + Int_To_Text(row.Month)
                + QStringLiteral(", ") + Int_To_Text(row.Year);
        }
    }
    return captions;
}

Per_Row<QString> Show_Period_Selections(const Model &model)
{
    Per_Row<QString> captions;
    for (int k = 1; k <= Rows_Per_View; ++k) {
        const Quarter_Result &row = model.Quarter_Results[k];
        if (row.Period != 0 && row.Year != 0) {
            captions[k] = model.Texts.Lang_Period + QLatin1Char(' ') + Int_To_Text(row.Period)
                + QStringLiteral(", ") + Int_To_Text(row.Year);
        }
    }
    return captions;
}

QString Show_Period_Range(const Model &model, int period, int year)
{
    QDate first = Period_First_Day(model, year, period);
    QDate last = Period_Last_Day(model, year, period);
    if (!first.isValid() || !last.isValid())
        first = last = Zero_Date;
    return model.Texts.Lang_Period + QStringLiteral(": ") + Date_Text(first) + QStringLiteral(" -> ")
        + Date_Text(last);
}

} // namespace telvo
