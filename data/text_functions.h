#pragma once

#include <QString>

#include <cstdint>

namespace telvo {

QString Int_To_Text(std::int32_t n);

// The integer the text spells: leading blanks, a sign, "$", "x", "X" or "0x" for
// hexadecimal; 0 when the text is not entirely a number (also for an empty text)
// or when the number lies outside the 32-bit range.
std::int32_t Text_To_Int(const QString &text);

} // namespace telvo
