#pragma once

#include <QIcon>
#include <QRectF>
#include <QSize>

class QPainter;

namespace telvo {

enum class Flag { United_Kingdom, Germany, Netherlands, France };

// Width over height of the flag as it is flown.
double Flag_Aspect(Flag flag);

// Paints the flag over the whole rectangle.
void Paint_Flag(QPainter &painter, const QRectF &rect, Flag flag);

// The flag in its own proportions, as large as fits in the box, centred and
// framed by a thin line so white stripes stand out on a light button.
QIcon Flag_Icon(Flag flag, QSize box);

} // namespace telvo
