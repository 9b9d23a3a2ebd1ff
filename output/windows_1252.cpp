#include "windows_1252.h"

#include <array>

namespace telvo {

namespace {

// Characters of the bytes 0x80..0x9F. The five bytes the code page leaves
// undefined stand for the control characters of the same number, so they
// survive a round trip as the platform's own conversion does.
constexpr std::array<char16_t, 32> High_Block = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char Byte_Of(char32_t code_point)
{
    if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF))
        return static_cast<char>(code_point);
    for (std::size_t i = 0; i < High_Block.size(); ++i) {
        if (High_Block[i] == code_point)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QByteArray To_Windows_1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        char32_t code_point = unit.unicode();
        // A pair of surrogates is one character outside the code page: one "?".
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            code_point = QChar::surrogateToUcs4(unit, text.at(i + 1));
            ++i;
        } else if (unit.isSurrogate()) {
            code_point = 0xFFFD;
        }
        bytes.append(Byte_Of(code_point));
    }
    return bytes;
}

QString From_Windows_1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value >= 0x80 && value <= 0x9F)
            text.append(QChar(High_Block[value - 0x80]));
        else
            text.append(QChar(value));
    }
    return text;
}

} // namespace telvo
