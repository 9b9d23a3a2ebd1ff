#pragma once

#include <QByteArray>
#include <QString>

namespace telvo {

// Text in the Windows-1252 code page; characters it cannot hold become "?".
QByteArray To_Windows_1252(const QString &text);
QString From_Windows_1252(const QByteArray &bytes);

} // namespace telvo
