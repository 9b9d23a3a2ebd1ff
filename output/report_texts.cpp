#include "report_texts.h"

#include "data/calendar.h"
#include "data/text_functions.h"

namespace telvo {

QString Report_Series_Title(int row, const QString &zone_text) {
    return QString::number(row) + QStringLiteral(", ") + zone_text;
}

QString Week_Column_Text(Model &model, int row) {
    const QString &date_text = model.Week_Date_Texts[row];
    if (date_text.isEmpty())
        return {};
    return Int_To_Text(Week_Number(model, model.Week_Dates[row])) + QStringLiteral(", ") +
           date_text.mid(6, 4);
}

QString Week_Legend_Text(const Model &model, const QString &week_column, const Row_Selection &row) {
    const QString &week = model.Texts.Lang_Week;
    const QString text = week + QStringLiteral(": ") + week_column + QStringLiteral(", ") + row.Device_Text +
                         QStringLiteral(", ") + row.Zone_Text;
    return text.size() == week.size() + 6 ? QString() : text;
}

} // namespace telvo
