#include "export_arguments.h"

#include "data/model.h"
#include "data/view_runs.h"

#include <QRegularExpression>

namespace telvo {

namespace {

// Years of four digits, also for a late December day whose week belongs to the next year.
constexpr int First_Year = 1900;
constexpr int Last_Year = 9998;

int View_Kind_Of(const QString &name)
{
    static const QList<std::pair<QString, int>> views = {
        {QStringLiteral("day"), Day_View_Kind},         {QStringLiteral("week"), Week_View_Kind},
        {QStringLiteral("weekqf"), Week_QF_View_Kind},  {QStringLiteral("month"), Month_View_Kind},
        {QStringLiteral("quarter"), Quarter_View_Kind}, {QStringLiteral("statistics"), Statistics_View_Kind},
    };
    for (const auto &[view_name, kind] : views) {
        if (view_name == name)
            return kind;
    }
    return 0;
}

// "DD-MM-YYYY" (one-digit day and month allowed); an invalid date otherwise.
QDate Date_Argument(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})-(\\d{1,2})-(\\d{4})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return QDate();
    const int year = match.captured(3).toInt();
    if (year < First_Year || year > Last_Year)
        return QDate();
    return QDate(year, match.captured(2).toInt(), match.captured(1).toInt());
}

// "N-YYYY" with N in 1..highest; false when the text is not of that form.
bool Number_Year_Argument(const QString &text, int highest, int &number, int &year)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})-(\\d{4})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    number = match.captured(1).toInt();
    year = match.captured(2).toInt();
    return number >= 1 && number <= highest && year >= First_Year && year <= Last_Year;
}

QString Quoted(const QString &text)
{
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

QString Years()
{
    return QStringLiteral("years %1..%2").arg(First_Year).arg(Last_Year);
}

// PERIOD up to the first "|", ZONE after the last, DEVICE between.
std::optional<Export_Row> Row_Argument(const QString &text, int view_kind, QString *error)
{
    const qsizetype first = text.indexOf(QLatin1Char('|'));
    const qsizetype last = text.lastIndexOf(QLatin1Char('|'));
    if (first < 0 || first == last) {
        *error = QStringLiteral("--row %1 is not PERIOD|DEVICE|ZONE").arg(Quoted(text));
        return std::nullopt;
    }
    const QString period = text.left(first);
    const QString zone = text.mid(last + 1);
    Export_Row row;
    row.Device = text.mid(first + 1, last - first - 1);

    if (!zone.isEmpty()) {
        if (zone.size() != 1 || zone[0] < QLatin1Char('0') || zone[0] > QLatin1Char('5')) {
            *error = QStringLiteral("--row %1: zone %2 is not 0..5").arg(Quoted(text), Quoted(zone));
            return std::nullopt;
        }
        row.Zone = zone.toInt();
    }

    if (period.isEmpty())
        return row;
    row.Has_Period = true;
    switch (view_kind) {
    case Month_View_Kind:
        if (!Number_Year_Argument(period, 12, row.Number, row.Year)) {
            *error = QStringLiteral("--row %1: month %2 is not M-YYYY (month 1..12, %3)")
                         .arg(Quoted(text), Quoted(period), Years());
            return std::nullopt;
        }
        break;
    case Quarter_View_Kind:
        if (!Number_Year_Argument(period, 4, row.Number, row.Year)) {
            *error = QStringLiteral("--row %1: period %2 is not P-YYYY (period 1..4, %3)")
                         .arg(Quoted(text), Quoted(period), Years());
            return std::nullopt;
        }
        break;
    default:
        row.Date = Date_Argument(period);
        if (!row.Date.isValid()) {
            *error = QStringLiteral("--row %1: date %2 is not a date DD-MM-YYYY (%3)")
                         .arg(Quoted(text), Quoted(period), Years());
            return std::nullopt;
        }
        break;
    }
    return row;
}

} // namespace

std::optional<Export_Request> Parse_Export_Arguments(const QStringList &arguments, QDate system_today,
                                                     QString *error)
{
    Export_Request request;
    request.Today = system_today;
    std::optional<QString> view;
    QStringList row_texts;
    QString today_text;
    QString location_text;
    QStringList seen;

    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        QString *target = argument == QLatin1String("-o")           ? &request.Output
                          : argument == QLatin1String("--settings") ? &request.Settings_Path
                          : argument == QLatin1String("--today")    ? &today_text
                          : argument == QLatin1String("--location") ? &location_text
                          : argument == QLatin1String("--pdf")      ? &request.Pdf_Output
                          : argument == QLatin1String("--bmp")      ? &request.Bmp_Output
                          : argument == QLatin1String("--comment")  ? &request.Comment
                                                                    : nullptr;
        if (!target && argument != QLatin1String("--row")) {
            if (argument.startsWith(QLatin1Char('-'))) {
                *error = QStringLiteral("unknown option %1").arg(Quoted(argument));
                return std::nullopt;
            }
            if (view) {
                *error = QStringLiteral("unexpected argument %1 (the view is %2)").arg(Quoted(argument), Quoted(*view));
                return std::nullopt;
            }
            view = argument;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            *error = QStringLiteral("%1 needs a value").arg(argument);
            return std::nullopt;
        }
        const QString &value = arguments[++i];
        if (!target) {
            row_texts.append(value);
            continue;
        }
        if (seen.contains(argument)) {
            *error = QStringLiteral("%1 is given more than once").arg(argument);
            return std::nullopt;
        }
        seen.append(argument);
        *target = value;
    }

    if (!view) {
        *error = QStringLiteral("missing VIEW (day, week, weekqf, month, quarter or statistics)");
        return std::nullopt;
    }
    request.View_Kind = View_Kind_Of(*view);
    if (request.View_Kind == 0) {
        *error = QStringLiteral("unknown view %1 (day, week, weekqf, month, quarter or statistics)").arg(Quoted(*view));
        return std::nullopt;
    }
    if (seen.contains(QLatin1String("--pdf")) && request.Pdf_Output.isEmpty()) {
        *error = QStringLiteral("--pdf needs a file name");
        return std::nullopt;
    }
    if (seen.contains(QLatin1String("--bmp")) && request.Bmp_Output.isEmpty()) {
        *error = QStringLiteral("--bmp needs a file name");
        return std::nullopt;
    }
    if (request.Output.isEmpty() && request.Pdf_Output.isEmpty() && request.Bmp_Output.isEmpty()) {
        *error = QStringLiteral("missing -o FILE (or --pdf FILE or --bmp FILE)");
        return std::nullopt;
    }
    if (seen.contains(QLatin1String("--today"))) {
        request.Today = Date_Argument(today_text);
        if (!request.Today.isValid()) {
            *error = QStringLiteral("--today %1 is not a date DD-MM-YYYY (%2)").arg(Quoted(today_text), Years());
            return std::nullopt;
        }
    }
    if (seen.contains(QLatin1String("--settings")) && request.Settings_Path.isEmpty()) {
        *error = QStringLiteral("--settings needs a file name");
        return std::nullopt;
    }

    const bool statistics = request.View_Kind == Statistics_View_Kind;
    if (seen.contains(QLatin1String("--location"))) {
        if (!statistics) {
            *error = QStringLiteral("--location applies to the statistics view only");
            return std::nullopt;
        }
        static const QRegularExpression slot(QStringLiteral("^[1-5]$"));
        if (!slot.match(location_text).hasMatch()) {
            *error = QStringLiteral("--location %1 is not 1..5").arg(Quoted(location_text));
            return std::nullopt;
        }
        request.Location = location_text.toInt();
    }
    if (statistics && !request.Bmp_Output.isEmpty()) {
        *error = QStringLiteral("--bmp does not apply to the statistics view (it has no chart)");
        return std::nullopt;
    }
    if (seen.contains(QLatin1String("--comment"))) {
        if (statistics) {
            *error = QStringLiteral("--comment does not apply to the statistics view (its report has no comment)");
            return std::nullopt;
        }
        if (request.Pdf_Output.isEmpty()) {
            *error = QStringLiteral("--comment applies to the report of --pdf only");
            return std::nullopt;
        }
    }
    if (statistics && !row_texts.isEmpty()) {
        *error = QStringLiteral("--row does not apply to the statistics view (use --location)");
        return std::nullopt;
    }
    if (row_texts.size() > Rows_Per_View) {
        *error = QStringLiteral("more than %1 --row options").arg(Rows_Per_View);
        return std::nullopt;
    }
    for (const QString &text : row_texts) {
        const std::optional<Export_Row> row = Row_Argument(text, request.View_Kind, error);
        if (!row)
            return std::nullopt;
        request.Rows.append(*row);
    }
    return request;
}

} // namespace telvo
