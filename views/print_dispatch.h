#pragma once

#include "output/report_forms.h"

#include <QPrinter>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace telvo {

// What printing reads from the main window: the page shown, the rows of a
// view, the view's computation (collection, table and chart, run at once) and
// the statistics page as it is shown.
struct Print_Source {
    std::function<int()> Current_Page;                 // page of TabbedNotebook1, 0..5
    std::function<Row_Selections(int view_kind)> Rows; // the week QF view takes the week page's
    std::function<void(int view_kind)> Recompute;
    std::function<Statistics_Shown()> Statistics;
};

// Prints the reports: recomputes the view of the page shown, fills its report
// form and sends the page to the chosen printer without a preview, with a
// progress window while it prints. Printer_Index chooses the printer (-1: the
// system's default). The day report keeps the printer settings of the printer
// setup (copies among them); every other report prints one copy. When no
// printer is installed the report can be saved as a PDF file instead.
class TPrint_Dispatch {
public:
    TPrint_Dispatch(Model &model, Print_Source source, QWidget *window);
    ~TPrint_Dispatch();

    // Print_ButtonClick of the comment window: the report of the page shown,
    // with the comment (rich text) on the pages that have one.
    void Print_Current_Page(const QString &comment_html);

    // Printer_Set_ButtonClick and the Printer_settings1 menu item: the printer
    // dialog on the day report's printer; confirmed, its printer becomes Printer_Index.
    void Printer_Setup();

    // The printer that a report goes to: Printer_Index, else the default,
    // else the first installed one; empty when none is installed.
    QString Chosen_Printer() const;

    // Replaceable for tests; by default the system's printer list, dialogs,
    // message boxes and the report renderer.
    std::function<QStringList()> Installed_Printers;
    std::function<QString()> Default_Printer;
    // The printer dialog on the day report's printer: the printer chosen, or nothing when cancelled.
    std::function<std::optional<QString>(QPrinter &printer, QWidget *parent)> Printer_Dialog;
    std::function<bool(QPrinter &printer, const Report_Page &page, QString *error)> Send_To_Printer;
    std::function<bool(QWidget *parent, const QString &question)> Ask; // Yes = true
    std::function<QString(QWidget *parent)> Pdf_Save_Dialog;           // empty = cancelled

private:
    Model &Data;
    Print_Source Source;
    QWidget *Window;
    Report_Forms Forms;
    std::unique_ptr<QPrinter> Day_Printer;

    void Print_Page(const Report_Page &page, bool day_report);
    void Offer_Pdf(const Report_Page &page);
};

} // namespace telvo
