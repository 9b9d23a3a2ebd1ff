#include "table_export.h"

#include "windows_1252.h"

#include "data/calendar.h"
#include "data/statistics_view.h"
#include "data/text_functions.h"

#include <QSaveFile>

namespace telvo {

namespace {

// The lines of one EXP file; every line, the last included, ends with CR LF.
class Exp_Text {
public:
    explicit Exp_Text(const char *kind)
    {
        Add(QStringLiteral("Kesmar,Customer,Counting,,%1 data,,").arg(QLatin1String(kind)));
        Add(QString());
    }
    void Add(const QString &line)
    {
        Text += line;
        Text += QLatin1String("\r\n");
    }
    QByteArray Bytes() const { return To_Windows_1252(Text); }

private:
    QString Text;
};

// Period, device and zone joined by ", "; with all three empty the label is
// the bare separators (4 characters) and the row has no label.
QString Row_Label(const Row_Selection &row)
{
    const QString label = row.Period_Text + QLatin1String(", ") + row.Device_Text
                          + QLatin1String(", ") + row.Zone_Text;
    return label.size() == 4 ? QString() : label;
}

// The label of a week or week QF row: week number and year of the row's week,
// device and zone.
QString Week_Row_Label(Model &model, const Row_Selection &row, int r)
{
    const QString &date_text = model.Week_Date_Texts[r];
    QString week_part;
    if (!date_text.isEmpty() && model.Week_Dates[r].isValid()) {
        week_part = Int_To_Text(Week_Number(model, model.Week_Dates[r])) + QLatin1String(", ")
                    + model.Texts.Lang_Year + QLatin1String(": ") + date_text.mid(6, 4);
    }
    if (week_part.isEmpty() && row.Device_Text.isEmpty() && row.Zone_Text.isEmpty())
        return QString();
    return model.Texts.Lang_Week + QLatin1String(": ") + week_part + QLatin1String(", ")
           + row.Device_Text + QLatin1String(", ") + row.Zone_Text;
}

// Heading of the week and week QF exports: the day names in the order the
// week table titles its columns, then the week total heading.
QString Week_Heading(const Model &model)
{
    const Language_Texts &t = model.Texts;
    QStringList names = {t.Lang_Monday, t.Lang_Tuesday, t.Lang_Wednesday, t.Lang_Thursday,
                         t.Lang_Friday, t.Lang_Saturday, t.Lang_Sunday};
    if (model.Sunday_Is_Day_One)
        names.move(6, 0);
    return QLatin1String(",,,,") + names.join(QLatin1Char(',')) + QLatin1Char(',') + t.Lang_Week_Total;
}

template <int N>
QString Joined(const One_Based<QString, N> &captions)
{
    QStringList parts;
    for (const QString &caption : captions)
        parts.append(caption);
    return parts.join(QLatin1Char(','));
}

} // namespace

QByteArray Day_Tabel_Bytes(const Model &model, const Row_Selections &rows, const Day_Table_Texts &table)
{
    Exp_Text exp("Day");
    QString heading = QStringLiteral(",,,");
    for (int h = 1; h <= 24; ++h)
        heading += QString::number(h) + QLatin1Char(',');
    exp.Add(heading + model.Texts.Lang_Day_Total);
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const QString label = Row_Label(rows[r]);
        if (label.isEmpty()) {
            exp.Add(QString());
            continue;
        }
        QString line = label;
        const Day_Result &result = model.Day_Results[r];
        for (int h = 1; h <= 24; ++h)
            line += QLatin1Char(',') + QString::number(int(result.In[2 * h - 1]) + int(result.In[2 * h]));
        exp.Add(line + QLatin1Char(',') + table.DT_Lab[r]);
    }
    return exp.Bytes();
}

QByteArray Week_Tabel_Bytes(Model &model, const Row_Selections &rows, const Week_Table_Texts &table)
{
    Exp_Text exp("Week");
    exp.Add(Week_Heading(model));
    exp.Add(QString());
    for (int r = 1; r <= Rows_Per_View; ++r) {
        exp.Add(Week_Row_Label(model, rows[r], r) + QLatin1Char(',') + Joined(table.Day[r])
                + QLatin1Char(',') + table.WT[r]);
    }
    return exp.Bytes();
}

QByteArray WeekQF_Tabel_Bytes(Model &model, const Row_Selections &rows, const Week_QF_Table_Texts &table)
{
    Exp_Text exp("WeekQF");
    exp.Add(Week_Heading(model));
    exp.Add(QString());
    for (int r = 1; r <= Rows_Per_View; ++r)
        exp.Add(Week_Row_Label(model, rows[r], r) + QLatin1Char(',') + Joined(table.QF[r]));
    return exp.Bytes();
}

QByteArray Month_Tabel_Bytes(const Model &model, const Row_Selections &rows)
{
    Exp_Text exp("Month");
    QString heading = QStringLiteral(",,,Day:,");
    for (int d = 1; d <= 31; ++d)
        heading += QStringLiteral("%1,").arg(d, 2, 10, QLatin1Char('0'));
    exp.Add(heading + model.Texts.Lang_Month_Total);
    exp.Add(QString());
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const Month_Result &result = model.Month_Results[r];
        QString line = Row_Label(rows[r]) + QLatin1Char(',');
        for (int d = 1; d <= 31; ++d)
            line += QString::number(result.Day[d]) + QLatin1Char(',');
        exp.Add(line + QString::number(result.Total));
    }
    return exp.Bytes();
}

QByteArray Quart_Tabel_Bytes(const Model &model, const Row_Selections &rows)
{
    Exp_Text exp("Quart");
    QString heading = QStringLiteral(",,,,");
    for (int w = 1; w <= 13; ++w)
        heading += QStringLiteral("Wk%1,").arg(w, 2, 10, QLatin1Char('0'));
    exp.Add(heading + model.Texts.Lang_Total);
    exp.Add(QString());
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const Quarter_Result &result = model.Quarter_Results[r];
        QString line = Row_Label(rows[r]);
        for (int w = 1; w <= 13; ++w)
            line += QLatin1Char(',') + QString::number(result.Week[w]);
        exp.Add(line + QLatin1Char(',') + QString::number(result.Total));
    }
    return exp.Bytes();
}

QByteArray Statistics_Tabel_Bytes(const Model &model)
{
    const Language_Texts &t = model.Texts;
    const int location = model.Statistics_Location;
    Exp_Text exp("Statistics");
    exp.Add(location >= 1 && location <= Device_Slots ? model.ID_Names[location] : QString());
    exp.Add(QString());
    exp.Add(QStringList{t.Lang_Week,
                        t.Lang_This_Year + QLatin1Char(' ') + t.Lang_Week_Total_Stat,
                        t.Lang_This_Year + QLatin1Char(' ') + t.Lang_Cumulative_Total,
                        t.Lang_Last_Year + QLatin1Char(' ') + t.Lang_Week_Total_Stat,
                        t.Lang_Last_Year + QLatin1Char(' ') + t.Lang_Cumulative_Total,
                        t.Lang_Percentage_Versus + QLatin1Char(' ') + t.Lang_Week_Total_Stat,
                        t.Lang_Percentage_Versus + QLatin1Char(' ') + t.Lang_Cumulative_Total}
                .join(QLatin1Char(',')));
    // Running sums in 64 bits: 53 weeks of 32-bit totals cannot overflow them.
    std::int64_t this_sum = 0;
    std::int64_t last_sum = 0;
    for (int w = 1; w <= 53; ++w) {
        const std::int32_t this_week = model.Statistics_Weeks.This_Year[w];
        const std::int32_t last_week = model.Statistics_Weeks.Last_Year[w];
        this_sum += this_week;
        last_sum += last_week;
        exp.Add(QStringList{t.Lang_Week + QStringLiteral(" %1").arg(w, 2, 10, QLatin1Char('0')),
                            QString::number(this_week), QString::number(this_sum),
                            QString::number(last_week), QString::number(last_sum),
                            Percentage_Text(this_week, last_week), Percentage_Text(this_sum, last_sum)}
                    .join(QLatin1Char(','))
                + QLatin1Char(','));
    }
    return exp.Bytes();
}

bool Write_File_Atomically(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

bool Day_Tabel_Export(const QString &path, const Model &model, const Row_Selections &rows,
                      const Day_Table_Texts &table, QString *error)
{
    return Write_File_Atomically(path, Day_Tabel_Bytes(model, rows, table), error);
}

bool Week_Tabel_Export(const QString &path, Model &model, const Row_Selections &rows,
                       const Week_Table_Texts &table, QString *error)
{
    return Write_File_Atomically(path, Week_Tabel_Bytes(model, rows, table), error);
}

bool WeekQF_Tabel_Export(const QString &path, Model &model, const Row_Selections &rows,
                         const Week_QF_Table_Texts &table, QString *error)
{
    return Write_File_Atomically(path, WeekQF_Tabel_Bytes(model, rows, table), error);
}

bool Month_Tabel_Export(const QString &path, const Model &model, const Row_Selections &rows, QString *error)
{
    return Write_File_Atomically(path, Month_Tabel_Bytes(model, rows), error);
}

bool Quart_Tabel_Export(const QString &path, const Model &model, const Row_Selections &rows, QString *error)
{
    return Write_File_Atomically(path, Quart_Tabel_Bytes(model, rows), error);
}

bool Statistics_Tabel_Export(const QString &path, const Model &model, QString *error)
{
    return Write_File_Atomically(path, Statistics_Tabel_Bytes(model), error);
}

} // namespace telvo
