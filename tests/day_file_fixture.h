#pragma once

#include "data/model.h"

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <QTest>

#include <cstdint>

namespace telvo::test {

// Record line as a device writes it: the time in columns 2-6, the channel
// values from column 9 on.
inline QByteArray Record_Line(int hour, int minute, const QList<int> &values)
{
    QByteArray line = QByteArray(" ") + QByteArray::number(hour).rightJustified(2, '0') + ':'
        + QByteArray::number(minute).rightJustified(2, '0') + "  ";
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            line += ',';
        line += QByteArray::number(values[i]);
    }
    return line;
}

// Day files of test devices in a private directory that goes away with the fixture.
struct Day_File_Fixture {
    QTemporaryDir Temp;

    QString Dir() const { return Temp.path(); }

    // Writes DFyymmdd.nnn: the header, six lines the reader skips, then the records.
    void Write_Day(std::uint16_t id, QDate date, const QByteArray &header, const QList<QByteArray> &records)
    {
        const QString name = QString::asprintf("/DF%02d%02d%02d.%03u", date.year() % 100, date.month(),
                                               date.day(), static_cast<unsigned>(id));
        QFile file(Temp.path() + name);
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
        QByteArray bytes = header + "\r\n";
        for (int i = 0; i < 6; ++i)
            bytes += "\r\n";
        for (const QByteArray &record : records)
            bytes += record + "\r\n";
        QCOMPARE(file.write(bytes), bytes.size());
    }

    // One record at 12:00 with channel 1 (incoming) and channel 2 (outgoing);
    // channel 3 gets 1000 so that counting a wrong zone shows.
    void Write_In_Out(std::uint16_t id, QDate date, int in, int out = 0, const QByteArray &header = "Telvo")
    {
        Write_Day(id, date, header, {Record_Line(12, 0, {in, out, 1000})});
    }
};

// A device in a slot: its Total zone holds channel 1, Zone 1 channel 3.
inline void Set_Device(Model &model, int slot, std::uint16_t number, const QString &name, const QString &dir)
{
    model.ID_Numbers[slot] = number;
    model.ID_Names[slot] = name;
    ID_Record &record = model.ID_Records[slot];
    record.Key = QStringLiteral("ID%1").arg(slot);
    record.Data_Dir = dir;
    record.Zones[0].Channels[1] = true;
    record.Zones[1].Channels[3] = true;
}

} // namespace telvo::test
