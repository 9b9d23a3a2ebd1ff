#include "report_renderer.h"

#include "table_export.h"

#include "charts/chart_painter.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace telvo {

namespace {

// Printers and PDF files are driven at the report's own resolution, so one
// device pixel is one report pixel and nothing is scaled.
constexpr int Device_Resolution = static_cast<int>(Report_Pixels_Per_Inch);

// The forms name Windows fonts; Liberation Sans and Liberation Mono have their
// metrics where those are not installed.
QStringList Font_Families(const QString &family) {
    if (family.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
        return {family, QStringLiteral("Liberation Mono")};
    return {family, QStringLiteral("Liberation Sans")};
}

// A font that measures font.Pixels report pixels once the painter's scale to
// report pixels applies: its point size is taken at the device's resolution.
QFont Device_Font(const Report_Font &font, const QPaintDevice *device) {
    QFont result;
    result.setFamilies(Font_Families(font.Family));
    result.setStyleHint(font.Family.contains(QLatin1String("Courier"), Qt::CaseInsensitive)
                            ? QFont::TypeWriter
                            : QFont::SansSerif);
    result.setPointSizeF(font.Pixels * 72 / device->logicalDpiY());
    result.setBold(font.Bold);
    return result;
}

// Rich text is laid out at the report's resolution whatever the target.
QPaintDevice *Layout_Device() {
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dots_per_metre = qRound(Report_Pixels_Per_Inch / 0.0254);
        image.setDotsPerMeterX(dots_per_metre);
        image.setDotsPerMeterY(dots_per_metre);
        return image;
    }();
    return &device;
}

Qt::Alignment Alignment_Of(Report_Align align) {
    switch (align) {
    case Report_Align::Centre:
        return Qt::AlignHCenter;
    case Report_Align::Right:
        return Qt::AlignRight;
    case Report_Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

void Draw_Label(QPainter &painter, const Report_Label &label) {
    if (label.Text.isEmpty())
        return;
    const QFont font = Device_Font(label.Font, painter.device());
    const QFontMetricsF metrics(font, painter.device());
    const double width = label.Width > 0 ? label.Width : metrics.horizontalAdvance(label.Text);
    const QString text = label.Elide ? metrics.elidedText(label.Text, Qt::ElideRight, width) : label.Text;
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(label.X, label.Y, width, metrics.height()),
                     Alignment_Of(label.Align) | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine, text);
}

// The height of the lines that fit the box whole: text that does not fit
// ends after a line instead of showing half of the next one.
double Whole_Lines_Height(const QTextDocument &document, double height) {
    double bottom = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const double line_bottom = layout->position().y() + layout->lineAt(i).rect().bottom();
            if (line_bottom > height)
                return bottom;
            bottom = line_bottom;
        }
    }
    return height;
}

void Draw_Text_Box(QPainter &painter, const Report_Text_Box &box) {
    QTextDocument document;
    document.documentLayout()->setPaintDevice(Layout_Device());
    document.setDefaultFont(Device_Font(box.Font, Layout_Device()));
    document.setDocumentMargin(2);
    if (box.Format == Report_Text_Format::Html)
        document.setHtml(box.Text);
    else
        document.setPlainText(box.Text);
    document.setTextWidth(box.Box.width());
    const QSizeF shown(box.Box.width(), Whole_Lines_Height(document, box.Box.height()));
    painter.save();
    painter.translate(box.Box.topLeft());
    painter.setClipRect(QRectF(QPointF(0, 0), shown), Qt::IntersectClip);
    document.drawContents(&painter, QRectF(QPointF(0, 0), shown));
    painter.restore();
}

void Draw_Rule(QPainter &painter, const Report_Rule &rule) {
    painter.setPen(QPen(Qt::black, rule.Pen, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(rule.X, rule.Y), QPointF(rule.X + rule.Width, rule.Y));
    if (rule.Height > 0)
        painter.drawLine(QPointF(rule.X, rule.Y + rule.Height),
                         QPointF(rule.X + rule.Width, rule.Y + rule.Height));
}

} // namespace

void Render_Report(QPainter &painter, const Report_Page &page) {
    const QPaintDevice *device = painter.device();
    painter.save();
    painter.scale(device->logicalDpiX() / Report_Pixels_Per_Inch,
                  device->logicalDpiY() / Report_Pixels_Per_Inch);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    for (const Report_Rule &rule : page.Rules)
        Draw_Rule(painter, rule);
    painter.setBrush(Qt::NoBrush);
    for (const Report_Frame &frame : page.Frames) {
        painter.setPen(QPen(Qt::black, frame.Pen));
        painter.drawRect(frame.Box);
    }
    for (const Report_Square &square : page.Squares) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(square.Colour);
        painter.drawRect(QRectF(square.X, square.Y, square.Size, square.Size));
    }
    painter.setBrush(Qt::NoBrush);
    for (const Report_Chart &chart : page.Charts)
        Draw_Chart(painter, chart.Box, chart.Content);
    for (const Report_Label &label : page.Labels)
        Draw_Label(painter, label);
    for (const Report_Text_Box &box : page.Text_Boxes)
        Draw_Text_Box(painter, box);
    painter.restore();
}

bool Print_Report(QPrinter &printer, const Report_Page &page, QString *error) {
    printer.setResolution(Device_Resolution);
    printer.setFullPage(false);
    printer.setCreator(QStringLiteral("Telvo_View"));
    if (printer.docName().isEmpty())
        printer.setDocName(QStringLiteral("Telvo_View"));
    if (!printer.setPageLayout(page.Layout())) {
        // A printer that cannot take the margins still prints the page inside its own.
        printer.setPageSize(QPageSize(page.Paper));
        printer.setPageOrientation(page.Orientation);
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = QStringLiteral("The printer %1 could not be started.").arg(printer.printerName());
        return false;
    }
    Render_Report(painter, page);
    return painter.end();
}

QImage Report_Image(const Report_Page &page, double dots_per_inch) {
    const QPageLayout layout = page.Layout();
    const double pixels_per_point = dots_per_inch / 72;
    const QRectF sheet = layout.fullRectPoints();
    QImage image(qRound(sheet.width() * pixels_per_point), qRound(sheet.height() * pixels_per_point),
                 QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const int dots_per_metre = qRound(dots_per_inch / 0.0254);
    image.setDotsPerMeterX(dots_per_metre);
    image.setDotsPerMeterY(dots_per_metre);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QMarginsF margins = layout.marginsPoints();
    painter.translate(margins.left() * pixels_per_point, margins.top() * pixels_per_point);
    Render_Report(painter, page);
    return image;
}

QByteArray Report_Pdf(const Report_Page &page) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(Device_Resolution);
        writer.setCreator(QStringLiteral("Telvo_View"));
        writer.setPageLayout(page.Layout());
        QPainter painter(&writer);
        Render_Report(painter, page);
    }
    return bytes;
}

bool Save_Report_Pdf(const Report_Page &page, const QString &path, QString *error) {
    return Write_File_Atomically(path, Report_Pdf(page), error);
}

} // namespace telvo
