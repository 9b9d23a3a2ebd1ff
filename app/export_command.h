#pragma once

#include "export_arguments.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace telvo {

// Exit statuses of telvo-export.
inline constexpr int Export_Succeeded = 0;
inline constexpr int Export_Not_Written = 1;
inline constexpr int Export_Bad_Arguments = 2;

struct Export_Outcome {
    int Exit_Status = Export_Succeeded;
    QString Message; // one line for stderr; empty on success
};

// telvo-export with its arguments (without the program name): starts like the
// program, forms the rows as the main window does after a pick, runs the view
// and writes its EXP file with the window's writer, its report as a PDF with
// the report forms of printing, and its chart as a bitmap. system_today is the
// date taken as today when --today is not given. Reports and bitmaps need a
// QGuiApplication.
Export_Outcome Run_Export_Command(const QStringList &arguments, QDate system_today);

// Runs a checked request.
Export_Outcome Run_Export(const Export_Request &request);

} // namespace telvo
