#include "report_page.h"

#include <QMarginsF>

#include <algorithm>

namespace telvo {

namespace {

template <typename Element> Element *Find_Named(std::vector<Element> &elements, const QString &name) {
    const auto found = std::find_if(elements.begin(), elements.end(),
                                    [&name](const Element &element) { return element.Name == name; });
    return found == elements.end() ? nullptr : &*found;
}

template <typename Element>
const Element *Find_Named(const std::vector<Element> &elements, const QString &name) {
    const auto found = std::find_if(elements.begin(), elements.end(),
                                    [&name](const Element &element) { return element.Name == name; });
    return found == elements.end() ? nullptr : &*found;
}

} // namespace

Report_Font Report_Font::Points(double points, bool bold, const QString &family) {
    return Report_Font{family, points * Report_Pixels_Per_Inch / 72, bold};
}

Report_Label *Report_Page::Label(const QString &name) {
    return Find_Named(Labels, name);
}

const Report_Label *Report_Page::Label(const QString &name) const {
    return Find_Named(Labels, name);
}

Report_Chart *Report_Page::Chart_Named(const QString &name) {
    return Find_Named(Charts, name);
}

const Report_Chart *Report_Page::Chart_Named(const QString &name) const {
    return Find_Named(Charts, name);
}

Report_Text_Box *Report_Page::Text_Box(const QString &name) {
    return Find_Named(Text_Boxes, name);
}

const Report_Text_Box *Report_Page::Text_Box(const QString &name) const {
    return Find_Named(Text_Boxes, name);
}

const Report_Square *Report_Page::Square(const QString &name) const {
    return Find_Named(Squares, name);
}

QString Report_Page::Label_Text(const QString &name) const {
    const Report_Label *label = Label(name);
    return label ? label->Text : QString();
}

void Report_Page::Set_Label_Text(const QString &name, const QString &text) {
    Report_Label *label = Label(name);
    Q_ASSERT(label);
    if (label)
        label->Text = text;
}

QPageLayout Report_Page::Layout() const {
    const double margin = Report_Margin_Millimetres;
    return QPageLayout(QPageSize(Paper), Orientation, QMarginsF(margin, margin, margin, margin),
                       QPageLayout::Millimeter);
}

} // namespace telvo
