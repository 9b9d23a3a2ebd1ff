#include "export_command.h"

#include <QDate>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The exporter shows no window: reports and bitmaps are drawn off screen,
    // so it runs where there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();
    const telvo::Export_Outcome outcome = telvo::Run_Export_Command(arguments, QDate::currentDate());
    if (!outcome.Message.isEmpty())
        std::fprintf(stderr, "%s\n", outcome.Message.toLocal8Bit().constData());
    return outcome.Exit_Status;
}
