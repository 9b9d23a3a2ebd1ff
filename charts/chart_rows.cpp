#include "chart_rows.h"

#include "data/model.h"

#include <array>

namespace telvo {

namespace {

const std::array<QColor, Rows_Per_View> Row_Colours = {
    QColor(0, 0, 255), QColor(0, 255, 255), QColor(255, 0, 0), QColor(0, 128, 0), QColor(255, 255, 0)};

} // namespace

QColor Row_Colour(int row) {
    return Row_Colours.at(static_cast<std::size_t>(row - 1));
}

QColor Line_Row_Colour(int row) {
    return row == 5 ? QColor(128, 0, 0) : Row_Colour(row);
}

Chart_Series Row_Bar_Series(int row) {
    Chart_Series series;
    series.Kind = Series_Kind::Bar;
    series.Colour = Row_Colour(row);
    series.Bar_Offset_Percent = -40 + 20 * (row - 1);
    series.Bar_Width_Percent = 100;
    return series;
}

Chart_Series Row_Line_Series(int row, double line_width) {
    Chart_Series series;
    series.Kind = Series_Kind::Line;
    series.Colour = Line_Row_Colour(row);
    series.Line_Width = line_width;
    return series;
}

void Add_Label_Points(Chart_Series &series, const QStringList &labels) {
    for (int k = 1; k <= labels.size(); ++k)
        series.Add_Label_Point(k, k - 1, labels.at(k - 1), Qt::black);
}

QString Row_Series_Title(const QString &period, const QStringList &parts) {
    if (period.isEmpty())
        return QStringLiteral(" ");
    return QStringList{period, parts.join(QStringLiteral(", "))}.join(QStringLiteral(", "));
}

} // namespace telvo
