#pragma once

#include <QColor>
#include <QFont>

namespace telvo {

// Sizes are in pixels of the painter's coordinates (1/96 inch on a report page),
// chosen to read well from a 300-pixel-high widget up to a large bitmap.
namespace chart_style {

inline constexpr int Title_Pixels = 15;
inline constexpr int Text_Pixels = 11;
inline constexpr double Margin = 6;
inline constexpr double Tick_Length = 4;
inline constexpr double Legend_Square = 9;
inline constexpr double Legend_Spacing = 18; // between two legend entries on a line
inline const QColor Title_Colour{0, 0, 255};
inline const QColor Text_Colour{0, 0, 0};
inline const QColor Axis_Colour{96, 96, 96};
inline const QColor Grid_Colour{224, 224, 224};

// The reports name Arial; Liberation Sans has the same metrics where Arial is missing.
QFont Font(int pixel_size, bool bold = false);

} // namespace chart_style

} // namespace telvo
