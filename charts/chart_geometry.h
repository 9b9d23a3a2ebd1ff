#pragma once

#include "chart.h"

#include <QRectF>

#include <vector>

namespace telvo {

// An axis from Minimum to Maximum with ticks at the whole multiples of Step
// that lie between them.
struct Axis_Scale {
    double Minimum = 0;
    double Maximum = 1;
    double Step = 1;

    std::vector<double> Ticks() const;
    bool operator==(const Axis_Scale &) const = default;
};

// The smallest step of 1, 2 or 5 times a power of ten that divides the span
// into at most max_intervals parts. The charts show counts, hours, days and
// weeks, so a step is never below 1.
double Nice_Step(double span, int max_intervals);

// Widens low..high outward to whole steps; an empty span becomes one step.
Axis_Scale Automatic_Scale(double low, double high, int max_intervals);
// Keeps the ends as given and only chooses the tick step.
Axis_Scale Fixed_Scale(double minimum, double maximum, int max_intervals);

// What the active series cover. Label points count for X only; bars widen X by
// half a slot on each side. Automatic value axes always include zero.
struct Data_Extent {
    double X_Min = 0;
    double X_Max = 1;
    double Y_Min = 0;
    double Y_Max = 1;
    double Slot = 1;    // X distance between neighbouring bar groups
    int Bar_Series = 0; // bar series of the chart, active or not: their offsets share a group
};

Data_Extent Chart_Extent(const Chart &chart);

// Maps data to pixels inside the plot rectangle and places the bars.
struct Chart_Geometry {
    QRectF Plot;
    Axis_Scale X;
    Axis_Scale Y;
    double Slot = 1;
    int Bar_Series = 1;

    // The part of a slot that the bars of one X value fill; the rest is the gap between groups.
    static constexpr double Group_Share = 0.8;

    double Pixel_X(double x) const;
    double Pixel_Y(double y) const;
    double Group_Width() const;
    // From the zero line (or the plot edge nearest to it) to y, clipped to the
    // plot; a value other than zero is at least one pixel high.
    QRectF Bar_Rect(double x, double y, double offset_percent, double width_percent) const;
};

} // namespace telvo
