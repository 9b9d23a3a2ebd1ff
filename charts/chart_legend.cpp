#include "chart_legend.h"

#include "chart_style.h"

#include <QFontMetricsF>

#include <algorithm>

namespace telvo {

namespace {

struct Pending_Entry {
    QString Text;
    QColor Colour;
    double Width = 0;
};

} // namespace

Legend_Layout Layout_Legend(const Chart &chart, const QFont &font, double width, int max_lines) {
    using namespace chart_style;
    Legend_Layout layout;
    const QFontMetricsF metrics(font);
    const double line_height = metrics.height() + 2;
    const double text_gap = 5;
    const double max_text = std::max(0.0, width - Legend_Square - text_gap);

    std::vector<std::vector<Pending_Entry>> lines;
    std::vector<double> line_widths;
    for (const Chart_Series &series : chart.Series) {
        if (!series.Active || !series.Listed_In_Legend)
            continue;
        Pending_Entry entry;
        entry.Text = metrics.elidedText(series.Title, Qt::ElideRight, max_text);
        entry.Colour = series.Colour;
        entry.Width = Legend_Square + text_gap + metrics.horizontalAdvance(entry.Text);
        if (lines.empty() || line_widths.back() + Legend_Spacing + entry.Width > width) {
            if (static_cast<int>(lines.size()) == max_lines)
                break;
            lines.emplace_back();
            line_widths.push_back(entry.Width);
        } else {
            line_widths.back() += Legend_Spacing + entry.Width;
        }
        lines.back().push_back(entry);
    }

    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double top = static_cast<double>(i) * line_height;
        double x = (width - line_widths[i]) / 2;
        for (const Pending_Entry &pending : lines[i]) {
            Legend_Entry entry;
            entry.Square = QRectF(x, top + (line_height - Legend_Square) / 2, Legend_Square, Legend_Square);
            entry.Text_Box = QRectF(x + Legend_Square + text_gap, top,
                                    pending.Width - Legend_Square - text_gap, line_height);
            entry.Text = pending.Text;
            entry.Colour = pending.Colour;
            layout.Entries.push_back(entry);
            x += pending.Width + Legend_Spacing;
        }
    }
    layout.Height = static_cast<double>(lines.size()) * line_height;
    return layout;
}

} // namespace telvo
