#include "demo_data.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

// telvo-demo-data: writes the demo data set. Exit status 0 on success, 2 for
// bad arguments, 1 when a file cannot be written.
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const telvo::Demo_Arguments arguments =
        telvo::Parse_Demo_Arguments(QCoreApplication::arguments(), QDate::currentDate());
    switch (arguments.Command) {
    case telvo::Demo_Command::Help:
        out << arguments.Message;
        return 0;
    case telvo::Demo_Command::Error:
        err << "telvo-demo-data: " << arguments.Message << '\n';
        return 2;
    case telvo::Demo_Command::Run:
        break;
    }

    telvo::Demo_Summary summary;
    QString error;
    if (!telvo::Write_Demo_Data_Set(arguments.Options, summary, &error)) {
        err << "telvo-demo-data: " << error << '\n';
        return 1;
    }
    const QString date_format = QStringLiteral("dd-MM-yyyy");
    out << "Wrote " << summary.Files << " day files from " << arguments.Options.Start.toString(date_format)
        << " to " << arguments.Options.End.toString(date_format) << " (" << summary.Missing_Days
        << " days missing on purpose) below " << QDir(arguments.Options.Out_Dir).absoluteFilePath("data") << '\n'
        << "Settings: " << summary.Settings_Path << '\n';
    return 0;
}
