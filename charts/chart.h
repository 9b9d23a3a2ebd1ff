#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace telvo {

enum class Series_Kind { Line, Bar };

// A point with a label (even an empty one) is an axis label, not data: its label
// is written on the bottom axis at its X and the point itself is not drawn.
struct Chart_Point {
    double X = 0;
    double Y = 0;
    std::optional<QString> Label;
    QColor Colour; // invalid = the series colour
};

struct Chart_Series {
    Series_Kind Kind = Series_Kind::Line;
    QString Title;
    bool Active = true;
    bool Listed_In_Legend = true;
    QColor Colour = Qt::black;
    double Line_Width = 1;
    Qt::PenStyle Pen_Style = Qt::SolidLine;
    // Bars of one X value share a group; the offset moves a bar's centre by a
    // percentage of the group width, the width is a percentage of an equal share
    // of the group among the chart's bar series.
    double Bar_Offset_Percent = 0;
    double Bar_Width_Percent = 100;
    std::vector<Chart_Point> Points;

    void Add_Point(double x, double y, const QColor &colour);
    void Add_Label_Point(double x, double y, const QString &label, const QColor &colour);
};

struct Chart_Axis {
    QString Title;
    bool Automatic = true; // otherwise the axis runs from Minimum to Maximum
    double Minimum = 0;
    double Maximum = 0;
    bool Line_Visible = true;
    bool Labels_Visible = true;
};

// A chart as the views fill it and the renderer draws it. The legend, when
// visible, lists the active series marked for it, below the plot.
struct Chart {
    QStringList Title; // one entry per title line
    Chart_Axis Left_Axis;
    Chart_Axis Bottom_Axis;
    bool Legend_Visible = true;
    std::vector<Chart_Series> Series;

    // Series are numbered from 1, as the rows they show.
    Chart_Series &Series_At(int number);
    const Chart_Series &Series_At(int number) const;
    void Clear_Points();
};

} // namespace telvo
