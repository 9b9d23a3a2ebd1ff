#pragma once

#include <QIcon>
#include <QRectF>

class QPainter;

namespace telvo {

// The program's picture: a person walking past a rising bar count on a blue tile.
void Paint_Program_Icon(QPainter &painter, const QRectF &rect);

// The picture at the usual icon sizes, for the About box and as the
// application's window icon (QApplication::setWindowIcon).
QIcon Program_Icon();

} // namespace telvo
