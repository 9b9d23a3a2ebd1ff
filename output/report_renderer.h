#pragma once

#include "report_page.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QString>

class QPrinter;

namespace telvo {

// Draws the elements of the page. The painter's origin is the top left corner
// of the printable area; the painter's device decides the scale, so a printer,
// a PDF writer and an image all show the same page.
void Render_Report(QPainter &painter, const Report_Page &page);

// Prints the page as one page on the printer (a real printer or a PDF file),
// with the page's paper, orientation and margins. False with the reason when
// the printer cannot be started.
bool Print_Report(QPrinter &printer, const Report_Page &page, QString *error = nullptr);

// The whole sheet, margins included, on white at the given resolution.
QImage Report_Image(const Report_Page &page, double dots_per_inch);

// The page as a one-page PDF document.
QByteArray Report_Pdf(const Report_Page &page);

// Writes Report_Pdf to the file; a previous file stays as it was when the
// new one cannot be written completely.
bool Save_Report_Pdf(const Report_Page &page, const QString &path, QString *error = nullptr);

} // namespace telvo
