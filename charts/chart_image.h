#pragma once

#include "chart.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace telvo {

// The chart drawn on white into a bitmap of the given size.
QImage Chart_Image(const Chart &chart, QSize size);

// Writes the image as a Windows bitmap file. The file is replaced only once
// the whole picture is written; on failure the reason is returned and a
// previous file stays as it was.
bool Save_Bitmap(const QImage &image, const QString &path, QString *error = nullptr);

bool Save_Chart_Bitmap(const Chart &chart, QSize size, const QString &path, QString *error = nullptr);

} // namespace telvo
