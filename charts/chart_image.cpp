#include "chart_image.h"

#include "chart_painter.h"

#include <QBuffer>
#include <QPainter>
#include <QSaveFile>

namespace telvo {

QImage Chart_Image(const Chart &chart, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    Draw_Chart(painter, QRectF(QPointF(0, 0), QSizeF(size)), chart);
    return image;
}

bool Save_Bitmap(const QImage &image, const QString &path, QString *error) {
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (image.isNull())
        return fail(QStringLiteral("The picture is empty."));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP"))
        return fail(QStringLiteral("The picture could not be converted to a bitmap."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

bool Save_Chart_Bitmap(const Chart &chart, QSize size, const QString &path, QString *error) {
    return Save_Bitmap(Chart_Image(chart, size), path, error);
}

} // namespace telvo
