#include "program_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace telvo {

// Drawn on a 64 x 64 grid.
void Paint_Program_Icon(QPainter &painter, const QRectF &rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / 64.0, rect.height() / 64.0);

    QLinearGradient tile(0, 0, 0, 64);
    tile.setColorAt(0, QColor(0x2A, 0x6F, 0xD6));
    tile.setColorAt(1, QColor(0x12, 0x3C, 0x8C));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    // Three rising bars: the counts.
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRoundedRect(QRectF(34, 36, 7, 18), 1.5, 1.5);
    painter.drawRoundedRect(QRectF(43, 27, 7, 27), 1.5, 1.5);
    painter.drawRoundedRect(QRectF(52, 16, 7, 38), 1.5, 1.5);

    // The visitor: head, body and legs in mid-stride.
    const QColor visitor(0xFF, 0xA6, 0x26);
    painter.setBrush(visitor);
    painter.drawEllipse(QPointF(17, 15), 5.5, 5.5);
    QPen limb(visitor, 5.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(limb);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(17, 25), QPointF(16, 38));                                 // body
    painter.drawPolyline(QPolygonF({{10, 33}, {13, 27}, {21, 29}, {25, 34}}));          // arms
    painter.drawPolyline(QPolygonF({{9, 53}, {12, 45}, {16, 38}, {21, 46}, {25, 53}})); // legs

    // The floor line the visitor crosses.
    painter.setPen(QPen(QColor(255, 255, 255, 160), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(7, 56), QPointF(59, 56));
    painter.restore();
}

QIcon Program_Icon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        Paint_Program_Icon(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace telvo
