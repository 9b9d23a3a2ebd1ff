#pragma once

#include <QString>

namespace telvo {

// The first `length` UTF-16 units of the text, one fewer when the cut would
// split a surrogate pair (half a character cannot be written to the file).
QString Cut_Text(const QString &text, int length);

} // namespace telvo
