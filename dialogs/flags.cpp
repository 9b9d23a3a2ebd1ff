#include "flags.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace telvo {

namespace {

// Each stripe is painted from its start to the flag's end and the next one
// over it, so no seam shows between stripes at fractional pixel edges.
void Paint_Stripes(QPainter &painter, const QRectF &rect, Qt::Orientation orientation,
                   std::initializer_list<QColor> colours) {
    const auto count = static_cast<double>(colours.size());
    double position = 0;
    for (const QColor &colour : colours) {
        QRectF rest = rect;
        if (orientation == Qt::Horizontal)
            rest.setTop(rect.top() + position * rect.height() / count);
        else
            rest.setLeft(rect.left() + position * rect.width() / count);
        painter.fillRect(rest, colour);
        position += 1;
    }
}

// Drawn on a 60 x 30 grid: the blue field, the white saltire, the red saltire
// set off to one side of the white in each quarter, then the white-edged red cross.
void Paint_Union_Flag(QPainter &painter, const QRectF &rect) {
    const QColor blue(0x01, 0x21, 0x69);
    const QColor red(0xC8, 0x10, 0x2E);
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / 60.0, rect.height() / 30.0);
    painter.fillRect(QRectF(0, 0, 60, 30), blue);

    const QLineF falling(0, 0, 60, 30);
    const QLineF rising(60, 0, 0, 30);
    painter.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(falling);
    painter.drawLine(rising);

    // In each quarter only the half of the red band on the clockwise side of
    // the diagonal shows (the band is counterchanged around the centre).
    QPainterPath clockwise_halves;
    clockwise_halves.addPolygon(QPolygonF({{30, 15}, {0, 15}, {0, 0}}));
    clockwise_halves.addPolygon(QPolygonF({{30, 15}, {30, 0}, {60, 0}}));
    clockwise_halves.addPolygon(QPolygonF({{30, 15}, {60, 15}, {60, 30}}));
    clockwise_halves.addPolygon(QPolygonF({{30, 15}, {30, 30}, {0, 30}}));
    painter.save();
    painter.setClipPath(clockwise_halves, Qt::IntersectClip);
    painter.setPen(QPen(red, 4, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(falling);
    painter.drawLine(rising);
    painter.restore();

    painter.fillRect(QRectF(25, 0, 10, 30), Qt::white);
    painter.fillRect(QRectF(0, 10, 60, 10), Qt::white);
    painter.fillRect(QRectF(27, 0, 6, 30), red);
    painter.fillRect(QRectF(0, 12, 60, 6), red);
    painter.restore();
}

QPixmap Flag_Pixmap(Flag flag, QSize box, qreal scale) {
    QPixmap pixmap(box * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    const double aspect = Flag_Aspect(flag);
    QSizeF size(box.width(), box.width() / aspect);
    if (size.height() > box.height())
        size = QSizeF(box.height() * aspect, box.height());
    // Whole device pixels, so the frame line falls on the flag's edge.
    const QRectF rect(std::floor((box.width() - size.width()) / 2),
                      std::floor((box.height() - size.height()) / 2), std::floor(size.width()),
                      std::floor(size.height()));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    Paint_Flag(painter, rect, flag);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1.0 / scale, -1.0 / scale));
    return pixmap;
}

} // namespace

double Flag_Aspect(Flag flag) {
    switch (flag) {
    case Flag::United_Kingdom:
        return 2.0;
    case Flag::Germany:
        return 5.0 / 3.0;
    case Flag::Netherlands:
    case Flag::France:
        return 1.5;
    }
    return 1.5;
}

void Paint_Flag(QPainter &painter, const QRectF &rect, Flag flag) {
    switch (flag) {
    case Flag::United_Kingdom:
        Paint_Union_Flag(painter, rect);
        break;
    case Flag::Germany:
        Paint_Stripes(painter, rect, Qt::Horizontal,
                      {QColor(0, 0, 0), QColor(0xDD, 0x00, 0x00), QColor(0xFF, 0xCE, 0x00)});
        break;
    case Flag::Netherlands:
        Paint_Stripes(painter, rect, Qt::Horizontal,
                      {QColor(0xAE, 0x1C, 0x28), QColor(Qt::white), QColor(0x21, 0x46, 0x8B)});
        break;
    case Flag::France:
        Paint_Stripes(painter, rect, Qt::Vertical,
                      {QColor(0x00, 0x23, 0x95), QColor(Qt::white), QColor(0xED, 0x29, 0x39)});
        break;
    }
}

QIcon Flag_Icon(Flag flag, QSize box) {
    QIcon icon;
    icon.addPixmap(Flag_Pixmap(flag, box, 1.0));
    icon.addPixmap(Flag_Pixmap(flag, box, 2.0));
    return icon;
}

} // namespace telvo
