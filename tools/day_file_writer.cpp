#include "day_file_writer.h"

#include <QFile>

#include <charconv>
#include <cmath>

namespace telvo {

namespace {

const QByteArray Line_End = QByteArrayLiteral("\r\n");

void Append_Number(QByteArray &bytes, std::uint32_t value, int width = 0)
{
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    const auto length = static_cast<int>(result.ptr - digits);
    if (width > length)
        bytes.append(width - length, ' ');
    bytes.append(digits, length);
}

void Append_Two_Digits(QByteArray &bytes, int value)
{
    bytes.append(static_cast<char>('0' + value / 10));
    bytes.append(static_cast<char>('0' + value % 10));
}

// Out against in over all sensors, as the device's own firmware reports it.
std::uint32_t Quality_Factor(const Day_Counts &counts, int channels)
{
    std::uint32_t in = 0;
    std::uint32_t out = 0;
    for (int channel = 1; channel < channels; channel += 2) {
        in += counts.Total(channel);
        out += counts.Total(channel + 1);
    }
    return in == 0 ? 0 : static_cast<std::uint32_t>(std::lround(100.0 * out / in));
}

QByteArray Header(std::uint16_t id_number, QDate date, const Day_Counts &counts, const Day_File_Format &format)
{
    QByteArray header = QByteArrayLiteral("TELVO PC") + QByteArray::number(Channel_Count) + ",ID="
        + QByteArray::number(id_number).rightJustified(3, '0');
    header += ",DATE=" + date.toString(QStringLiteral("dd-MM-yyyy")).toLatin1();
    if (format.Quality_Factor) {
        header += ",Qf=";
        Append_Number(header, Quality_Factor(counts, format.Channels));
    }
    header += ",INT=";
    Append_Number(header, static_cast<std::uint32_t>(counts.Interval_Minutes));
    header += ",CH=";
    Append_Number(header, static_cast<std::uint32_t>(format.Channels));
    return header;
}

QByteArray Channel_Legend(int channels)
{
    QByteArray legend = "TIME    ";
    for (int channel = 1; channel <= channels; ++channel) {
        if (channel > 1)
            legend += ',';
        legend += (channel % 2 ? "IN" : "OUT") + QByteArray::number((channel + 1) / 2);
    }
    return legend;
}

} // namespace

QString Day_File_Base_Name(std::uint16_t id_number, QDate date)
{
    return QStringLiteral("DF%1%2%3.%4")
        .arg(date.year() % 100, 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(id_number, 3, 10, QLatin1Char('0'));
}

QByteArray Format_Day_File(std::uint16_t id_number, QDate date, const Day_Counts &counts,
                           const Day_File_Format &format)
{
    const auto records = static_cast<int>(counts.Records.size());
    QByteArray bytes;
    bytes.reserve((records + 7) * (10 + format.Channels * (format.Value_Width ? format.Value_Width + 1 : 4)));

    bytes += Header(id_number, date, counts, format) + Line_End;
    bytes += "SENSORS=" + QByteArray::number(format.Channels / 2) + Line_End;
    bytes += "CHANNELS=" + QByteArray::number(format.Channels) + Line_End;
    bytes += "INTERVAL=" + QByteArray::number(counts.Interval_Minutes) + Line_End;
    bytes += "RECORDS=" + QByteArray::number(records) + Line_End;
    bytes += "FIRMWARE=" + QByteArray(format.Ctrl_Z ? "2.31" : "4.07") + Line_End;
    bytes += Channel_Legend(format.Channels) + Line_End;

    for (int i = 0; i < records; ++i) {
        const int end_minute = (i + 1) * counts.Interval_Minutes;
        bytes += '[';
        Append_Two_Digits(bytes, end_minute / 60);
        bytes += ':';
        Append_Two_Digits(bytes, end_minute % 60);
        bytes += "] ";
        const auto &values = counts.Records[static_cast<std::size_t>(i)];
        for (int channel = 1; channel <= format.Channels; ++channel) {
            if (channel > 1)
                bytes += ',';
            Append_Number(bytes, values[channel], format.Value_Width);
        }
        bytes += Line_End;
    }
    if (format.Ctrl_Z)
        bytes += '\x1A';
    return bytes;
}

bool Write_Bytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()
        || !file.flush()) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace telvo
