#include "export_command.h"

#include <QDate>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    // Reports and bitmaps are drawn, which needs the Gui application; it runs
    // off screen, so the exporter needs no display. Plain exports stay without it.
    bool draws = false;
    for (int i = 1; i < argc; ++i)
        draws = draws || qstrcmp(argv[i], "--pdf") == 0 || qstrcmp(argv[i], "--bmp") == 0;
    if (draws && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> application =
        draws ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const telvo::Export_Outcome outcome = telvo::Run_Export_Command(arguments, QDate::currentDate());
    if (!outcome.Message.isEmpty())
        std::fprintf(stderr, "%s\n", outcome.Message.toLocal8Bit().constData());
    return outcome.Exit_Status;
}
