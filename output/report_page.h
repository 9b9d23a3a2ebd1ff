#pragma once

#include "charts/chart.h"

#include <QColor>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>

#include <vector>

namespace telvo {

// Positions and sizes on a report are report pixels of 1/96 inch, measured
// from the top left corner of the printable area inside margins of 12.7 mm.
inline constexpr double Report_Margin_Millimetres = 12.7;
inline constexpr double Report_Pixels_Per_Inch = 96;

// A font of the report. Sizes are report pixels; the forms name theirs in
// points (1/72 inch) or pixels, so both are offered.
struct Report_Font {
    QString Family = QStringLiteral("Arial");
    double Pixels = 8 * Report_Pixels_Per_Inch / 72;
    bool Bold = false;

    static Report_Font Points(double points, bool bold = false,
                              const QString &family = QStringLiteral("Arial"));
};

enum class Report_Align { Left, Centre, Right };

// A line of text. Width 0 lets the label take the width of its text from X;
// otherwise the text is aligned inside the width (and may reach beyond it),
// or, when Elide is set, shortened to the width with an ellipsis.
struct Report_Label {
    QString Name;
    double X = 0;
    double Y = 0;
    double Width = 0;
    QString Text;
    Report_Font Font;
    Report_Align Align = Report_Align::Left;
    bool Elide = false;
};

// A horizontal rule; with a height, two rules: the top and the bottom of that box.
struct Report_Rule {
    QString Name;
    double X = 0;
    double Y = 0;
    double Width = 0;
    double Height = 0;
    double Pen = 1;
};

struct Report_Square {
    QString Name;
    double X = 0;
    double Y = 0;
    double Size = 9;
    QColor Colour;
};

struct Report_Frame {
    QString Name;
    QRectF Box;
    double Pen = 1;
};

struct Report_Chart {
    QString Name;
    QRectF Box;
    Chart Content;
};

enum class Report_Text_Format { Plain, Html };

// A box of running text: the comment (rich text from the comment window,
// plain text from the command line) or the statistics list. What does not
// fit the box is cut off at its edges.
struct Report_Text_Box {
    QString Name;
    QRectF Box;
    Report_Font Font;
    Report_Text_Format Format = Report_Text_Format::Plain;
    QString Text;
};

// One printed page: paper, orientation and the elements of the report form.
struct Report_Page {
    QPageSize::PageSizeId Paper = QPageSize::A4;
    QPageLayout::Orientation Orientation = QPageLayout::Portrait;
    std::vector<Report_Rule> Rules;
    std::vector<Report_Frame> Frames;
    std::vector<Report_Square> Squares;
    std::vector<Report_Chart> Charts;
    std::vector<Report_Label> Labels;
    std::vector<Report_Text_Box> Text_Boxes;

    // Elements by name; nullptr when the page has none of that name.
    Report_Label *Label(const QString &name);
    const Report_Label *Label(const QString &name) const;
    Report_Chart *Chart_Named(const QString &name);
    const Report_Chart *Chart_Named(const QString &name) const;
    Report_Text_Box *Text_Box(const QString &name);
    const Report_Text_Box *Text_Box(const QString &name) const;
    const Report_Square *Square(const QString &name) const;

    // The caption of a label; an empty text when there is no such label.
    QString Label_Text(const QString &name) const;
    void Set_Label_Text(const QString &name, const QString &text);

    // The page layout the page is printed with: paper, orientation, margins.
    QPageLayout Layout() const;
};

} // namespace telvo
