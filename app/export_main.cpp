#include "export_command.h"

#include <QCoreApplication>
#include <QDate>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const telvo::Export_Outcome outcome = telvo::Run_Export_Command(arguments, QDate::currentDate());
    if (!outcome.Message.isEmpty())
        std::fprintf(stderr, "%s\n", outcome.Message.toLocal8Bit().constData());
    return outcome.Exit_Status;
}
