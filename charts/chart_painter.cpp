#include "chart_painter.h"

#include "chart_geometry.h"
#include "chart_legend.h"
#include "chart_style.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <map>

namespace telvo {

namespace {

using namespace chart_style;

QString Tick_Text(double value) {
    return QString::number(std::llround(value));
}

QStringList Shown_Title_Lines(const Chart &chart) {
    QStringList lines = chart.Title;
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    while (!lines.isEmpty() && lines.first().trimmed().isEmpty())
        lines.removeFirst();
    return lines;
}

// The bottom axis shows the labels of the label points when there are any,
// each X taking the label of the first active series that has one there.
std::map<double, QString> Bottom_Labels(const Chart &chart) {
    std::map<double, QString> labels;
    for (const Chart_Series &series : chart.Series) {
        if (!series.Active)
            continue;
        for (const Chart_Point &point : series.Points) {
            if (point.Label)
                labels.emplace(point.X, *point.Label);
        }
    }
    return labels;
}

QColor Point_Colour(const Chart_Series &series, const Chart_Point &point) {
    return point.Colour.isValid() ? point.Colour : series.Colour;
}

void Draw_Bars(QPainter &painter, const Chart_Geometry &geometry, const Chart_Series &series) {
    for (const Chart_Point &point : series.Points) {
        if (point.Label)
            continue;
        const QRectF bar =
            geometry.Bar_Rect(point.X, point.Y, series.Bar_Offset_Percent, series.Bar_Width_Percent);
        if (bar.isEmpty())
            continue;
        const QColor colour = Point_Colour(series, point);
        // An outline keeps light colours visible on white; thin bars get none so the colour shows.
        if (bar.width() >= 5)
            painter.setPen(QPen(colour.darker(170), 1));
        else
            painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRect(bar);
    }
}

void Draw_Line(QPainter &painter, const Chart_Geometry &geometry, const Chart_Series &series) {
    const Chart_Point *previous = nullptr;
    for (const Chart_Point &point : series.Points) {
        if (point.Label)
            continue;
        if (previous) {
            QPen pen(Point_Colour(series, point), series.Line_Width, series.Pen_Style, Qt::RoundCap,
                     Qt::RoundJoin);
            painter.setPen(pen);
            painter.drawLine(QPointF(geometry.Pixel_X(previous->X), geometry.Pixel_Y(previous->Y)),
                             QPointF(geometry.Pixel_X(point.X), geometry.Pixel_Y(point.Y)));
        }
        previous = &point;
    }
}

class Chart_Renderer {
public:
    Chart_Renderer(QPainter &painter, const QRectF &target, const Chart &chart)
        : painter_(painter), target_(target), chart_(chart), text_font_(Font(Text_Pixels)),
          title_font_(Font(Title_Pixels, true)), text_metrics_(text_font_), title_metrics_(title_font_) {}

    void Draw() {
        QRectF area = target_.adjusted(Margin, Margin, -Margin, -Margin);
        if (area.width() <= 0 || area.height() <= 0)
            return;
        Draw_Title(area);
        Draw_Legend(area);
        Place_Plot(area);
        if (geometry_.Plot.width() < 8 || geometry_.Plot.height() < 8)
            return;
        Draw_Grid();
        Draw_Series();
        Draw_Axes();
    }

private:
    double Text_Height() const { return text_metrics_.height(); }

    void Draw_Title(QRectF &area) {
        const QStringList lines = Shown_Title_Lines(chart_);
        if (lines.isEmpty())
            return;
        painter_.setFont(title_font_);
        painter_.setPen(Title_Colour);
        for (const QString &line : lines) {
            const QRectF box(area.left(), area.top(), area.width(), title_metrics_.height());
            painter_.drawText(box, Qt::AlignCenter,
                              title_metrics_.elidedText(line, Qt::ElideRight, area.width()));
            area.setTop(area.top() + title_metrics_.height());
        }
        area.setTop(area.top() + 4);
    }

    void Draw_Legend(QRectF &area) {
        if (!chart_.Legend_Visible)
            return;
        // The legend never takes more than a third of the height from the plot.
        const double line_height = text_metrics_.height() + 2;
        const int max_lines = static_cast<int>(area.height() / 3 / line_height);
        const Legend_Layout legend = Layout_Legend(chart_, text_font_, area.width(), max_lines);
        if (legend.Entries.empty())
            return;
        const QPointF origin(area.left(), area.bottom() - legend.Height);
        painter_.setFont(text_font_);
        for (const Legend_Entry &entry : legend.Entries) {
            painter_.setPen(QPen(entry.Colour.darker(170), 1));
            painter_.setBrush(entry.Colour);
            painter_.drawRect(entry.Square.translated(origin));
            painter_.setPen(Text_Colour);
            painter_.drawText(entry.Text_Box.translated(origin), Qt::AlignLeft | Qt::AlignVCenter,
                              entry.Text);
        }
        area.setBottom(origin.y() - 6);
    }

    void Place_Plot(QRectF area) {
        const Data_Extent extent = Chart_Extent(chart_);
        labels_ = Bottom_Labels(chart_);
        const Chart_Axis &left = chart_.Left_Axis;
        const Chart_Axis &bottom = chart_.Bottom_Axis;

        if (!bottom.Title.isEmpty())
            area.setBottom(area.bottom() - Text_Height() - 2);
        if (bottom.Labels_Visible)
            area.setBottom(area.bottom() - Tick_Length - Text_Height() - 1);
        if (!left.Title.isEmpty())
            area.setLeft(area.left() + Text_Height() + 4);
        if (left.Labels_Visible)
            area.setTop(area.top() + Text_Height() / 2);

        const int y_intervals = static_cast<int>(area.height() / std::max(36.0, Text_Height() * 2.5));
        if (left.Automatic) {
            // A little headroom keeps the highest bar or line off the edge of the plot.
            const double headroom = (extent.Y_Max - extent.Y_Min) * 0.03;
            geometry_.Y =
                Automatic_Scale(extent.Y_Min < 0 ? extent.Y_Min - headroom : extent.Y_Min,
                                extent.Y_Max > 0 ? extent.Y_Max + headroom : extent.Y_Max, y_intervals);
        } else {
            geometry_.Y = Fixed_Scale(left.Minimum, left.Maximum, y_intervals);
        }
        if (left.Labels_Visible) {
            double widest = 0;
            for (const double tick : geometry_.Y.Ticks())
                widest = std::max(widest, text_metrics_.horizontalAdvance(Tick_Text(tick)));
            area.setLeft(area.left() + widest + Tick_Length + 3);
        }

        const double x_min = bottom.Automatic ? extent.X_Min : bottom.Minimum;
        const double x_max = bottom.Automatic ? extent.X_Max : bottom.Maximum;
        // Room on the right for half of the last label, which is centred on the plot's edge.
        double widest_x = 0;
        if (labels_.empty()) {
            widest_x = std::max(text_metrics_.horizontalAdvance(Tick_Text(x_min)),
                                text_metrics_.horizontalAdvance(Tick_Text(x_max)));
            area.setRight(area.right() - widest_x / 2);
        }
        const int x_intervals = static_cast<int>(area.width() / (widest_x + 8));
        geometry_.X = Fixed_Scale(x_min, x_max, x_intervals);
        geometry_.Slot = extent.Slot;
        geometry_.Bar_Series = extent.Bar_Series;
        geometry_.Plot = area;
    }

    void Draw_Grid() {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setPen(QPen(Grid_Colour, 1));
        const QRectF &plot = geometry_.Plot;
        if (chart_.Left_Axis.Labels_Visible) {
            for (const double tick : geometry_.Y.Ticks()) {
                const double y = std::round(geometry_.Pixel_Y(tick));
                painter_.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
            }
        }
        if (labels_.empty() && chart_.Bottom_Axis.Labels_Visible) {
            for (const double tick : geometry_.X.Ticks()) {
                const double x = std::round(geometry_.Pixel_X(tick));
                painter_.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
            }
        }
        painter_.restore();
    }

    void Draw_Series() {
        painter_.save();
        painter_.setClipRect(geometry_.Plot, Qt::IntersectClip);
        for (const Chart_Series &series : chart_.Series) {
            if (!series.Active)
                continue;
            if (series.Kind == Series_Kind::Bar) {
                painter_.setRenderHint(QPainter::Antialiasing, false);
                Draw_Bars(painter_, geometry_, series);
            } else {
                painter_.setRenderHint(QPainter::Antialiasing, true);
                Draw_Line(painter_, geometry_, series);
            }
        }
        painter_.restore();
    }

    void Draw_Axes() {
        const QRectF &plot = geometry_.Plot;
        const Chart_Axis &left = chart_.Left_Axis;
        const Chart_Axis &bottom = chart_.Bottom_Axis;
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setFont(text_font_);
        const QPen axis_pen(Axis_Colour, 1);

        if (left.Line_Visible) {
            painter_.setPen(axis_pen);
            painter_.drawLine(plot.topLeft(), plot.bottomLeft());
        }
        if (bottom.Line_Visible) {
            painter_.setPen(axis_pen);
            painter_.drawLine(plot.bottomLeft(), plot.bottomRight());
        }
        if (left.Labels_Visible) {
            for (const double tick : geometry_.Y.Ticks()) {
                const double y = std::round(geometry_.Pixel_Y(tick));
                painter_.setPen(axis_pen);
                painter_.drawLine(QPointF(plot.left() - Tick_Length, y), QPointF(plot.left(), y));
                painter_.setPen(Text_Colour);
                const QRectF box(target_.left(), y - Text_Height() / 2,
                                 plot.left() - Tick_Length - 3 - target_.left(), Text_Height());
                painter_.drawText(box, Qt::AlignRight | Qt::AlignVCenter, Tick_Text(tick));
            }
        }
        if (bottom.Labels_Visible)
            Draw_Bottom_Labels(axis_pen);
        Draw_Axis_Titles();
        painter_.restore();
    }

    void Draw_Bottom_Label(double x, const QString &text, const QPen &axis_pen, double &free_from) {
        const QRectF &plot = geometry_.Plot;
        const double width = text_metrics_.horizontalAdvance(text);
        // A label that would run into the one before it is left out.
        if (x - width / 2 < free_from)
            return;
        painter_.setPen(axis_pen);
        painter_.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + Tick_Length));
        painter_.setPen(Text_Colour);
        painter_.drawText(
            QRectF(x - width / 2 - 1, plot.bottom() + Tick_Length + 1, width + 2, Text_Height()),
            Qt::AlignCenter, text);
        free_from = x + width / 2 + 6;
    }

    void Draw_Bottom_Labels(const QPen &axis_pen) {
        double free_from = target_.left();
        if (labels_.empty()) {
            for (const double tick : geometry_.X.Ticks())
                Draw_Bottom_Label(std::round(geometry_.Pixel_X(tick)), Tick_Text(tick), axis_pen, free_from);
            return;
        }
        for (const auto &[x, text] : labels_) {
            if (x >= geometry_.X.Minimum && x <= geometry_.X.Maximum)
                Draw_Bottom_Label(std::round(geometry_.Pixel_X(x)), text, axis_pen, free_from);
        }
    }

    void Draw_Axis_Titles() {
        const QRectF &plot = geometry_.Plot;
        const QRectF inner = target_.adjusted(Margin, Margin, -Margin, -Margin);
        painter_.setPen(Text_Colour);
        const QString &bottom_title = chart_.Bottom_Axis.Title;
        if (!bottom_title.isEmpty()) {
            double top = plot.bottom() + 2;
            if (chart_.Bottom_Axis.Labels_Visible)
                top += Tick_Length + Text_Height() + 1;
            painter_.drawText(QRectF(plot.left(), top, plot.width(), Text_Height()), Qt::AlignCenter,
                              text_metrics_.elidedText(bottom_title, Qt::ElideRight, plot.width()));
        }
        const QString &left_title = chart_.Left_Axis.Title;
        if (!left_title.isEmpty()) {
            painter_.save();
            painter_.translate(inner.left(), plot.center().y());
            painter_.rotate(-90);
            const double length = plot.height();
            painter_.drawText(QRectF(-length / 2, 0, length, Text_Height()), Qt::AlignCenter,
                              text_metrics_.elidedText(left_title, Qt::ElideRight, length));
            painter_.restore();
        }
    }

    QPainter &painter_;
    QRectF target_;
    const Chart &chart_;
    QFont text_font_;
    QFont title_font_;
    QFontMetricsF text_metrics_;
    QFontMetricsF title_metrics_;
    Chart_Geometry geometry_;
    std::map<double, QString> labels_;
};

} // namespace

void Draw_Chart(QPainter &painter, const QRectF &target, const Chart &chart) {
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    Chart_Renderer(painter, target, chart).Draw();
    painter.restore();
}

} // namespace telvo
