#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace telvo {

// One --row of telvo-export, checked for the view it belongs to.
struct Export_Row {
    bool Has_Period = false;
    QDate Date;      // day, week and week QF rows: the picked day
    int Number = 0;  // month rows: month 1..12; quarter rows: period 1..4
    int Year = 0;    // month and quarter rows
    QString Device;
    int Zone = -1;   // 0..5, -1 = no zone chosen
};

struct Export_Request {
    int View_Kind = 0;
    QString Settings_Path; // empty: the default settings location
    QDate Today;
    QList<Export_Row> Rows;
    int Location = 1;
    QString Output;     // the EXP file; empty: none
    QString Pdf_Output; // the view's report as a PDF file; empty: none
    QString Bmp_Output; // the view's chart as a bitmap; empty: none
    QString Comment;    // printed under the report's comments heading
};

// Reads the arguments of telvo-export (without the program name). On a bad
// argument returns nothing and a one-line message naming it.
std::optional<Export_Request> Parse_Export_Arguments(const QStringList &arguments, QDate system_today,
                                                     QString *error);

} // namespace telvo
