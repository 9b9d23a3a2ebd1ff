#pragma once

#include <QFile>
#include <QString>

// The settings of the export tests: two devices whose day files lie under
// fixtures/export (Shop, number 7; "Mall, North", number 12) and a device whose
// name holds the row separator "|". Zone names carry characters of the
// Windows-1252 code page beyond ASCII.
inline bool Write_Export_Settings(const QString &path, const QString &language, bool sunday_first)
{
    const QString data_dir = QStringLiteral(TELVO_TEST_DATA "/fixtures/export");
    const QString text = QStringLiteral(
        "[Settings]\n"
        "LANGUAGE=%1\n"
        "[ID1]\n"
        "ID1=7\n"
        "ID1_Name=Shop\n"
        "ID1_Data_Dir=%2\n"
        "ID1_Zone1=Entrance\n"
        "ID1_Zone2=S\u00fcd-Eingang\n"
        "ID1_Total=1,0,1,0,\n"
        "ID1_Zone1_def=1,\n"
        "ID1_Zone2_def=0,0,1,\n"
        "[ID2]\n"
        "ID2=12\n"
        "ID2_Name=Mall, North\n"
        "ID2_Data_Dir=%2\n"
        "ID2_Zone1=Entr\u00e9e \u20ac\n"
        "ID2_Total=1,0,1,0,\n"
        "ID2_Zone1_def=1,\n"
        "[ID3]\n"
        "ID3=3\n"
        "ID3_Name=Gate|East\n"
        "ID3_Data_Dir=%2\n"
        "[Day_View_Settings]\n"
        "Sunday_Is_Day_One=%3\n"
        "Monday_Is_Day_One=%4\n")
        .arg(language, data_dir, sunday_first ? QStringLiteral("1") : QStringLiteral("0"),
             sunday_first ? QStringLiteral("0") : QStringLiteral("1"));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0;
}
