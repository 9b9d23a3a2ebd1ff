#include "chart_style.h"

#include <QStringList>

namespace telvo::chart_style {

QFont Font(int pixel_size, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    return font;
}

} // namespace telvo::chart_style
