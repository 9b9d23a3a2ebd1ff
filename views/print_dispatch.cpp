#include "print_dispatch.h"

#include "main_form.h"
#include "message_box.h"

#include "data/view_runs.h"
#include "output/report_renderer.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProgressDialog>

namespace telvo {

namespace {

std::optional<QString> Run_Printer_Dialog(QPrinter &printer, QWidget *parent) {
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return printer.printerName();
}

// An information box, titled like every message of the program, that asks Yes or No.
bool Ask_Yes_No(QWidget *parent, const QString &question) {
    QMessageBox box(QMessageBox::Information, QApplication::applicationName(), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString Run_Pdf_Dialog(QWidget *parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PDF files (*.pdf *.PDF)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString Without_Accelerator(QString text) {
    return text.remove(QLatin1Char('&'));
}

} // namespace

TPrint_Dispatch::TPrint_Dispatch(Model &model, Print_Source source, QWidget *window)
    : Installed_Printers(&QPrinterInfo::availablePrinterNames),
      Default_Printer(&QPrinterInfo::defaultPrinterName), Printer_Dialog(Run_Printer_Dialog),
      Send_To_Printer([](QPrinter &printer, const Report_Page &page, QString *error) {
          return Print_Report(printer, page, error);
      }),
      Ask(Ask_Yes_No), Pdf_Save_Dialog(Run_Pdf_Dialog), Data(model), Source(std::move(source)),
      Window(window), Day_Printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    Day_Printer->setColorMode(QPrinter::Color);
}

TPrint_Dispatch::~TPrint_Dispatch() = default;

QString TPrint_Dispatch::Chosen_Printer() const {
    const QStringList printers = Installed_Printers();
    if (printers.isEmpty())
        return {};
    if (Data.Printer_Index >= 0 && Data.Printer_Index < printers.size())
        return printers.at(Data.Printer_Index);
    const QString default_printer = Default_Printer();
    return printers.contains(default_printer) ? default_printer : printers.constFirst();
}

void TPrint_Dispatch::Print_Current_Page(const QString &comment_html) {
    const int view_kind = TMain_Form::View_Kind_Of_Page(Source.Current_Page());
    if (view_kind == Statistics_View_Kind) {
        // The statistics print the list as last shown, without computing again.
        Print_Page(Forms.Fill(view_kind, Data, {}, Source.Statistics()), false);
        return;
    }
    Forms.Form(view_kind).Set_Comment(comment_html, Report_Text_Format::Html);
    // The week QF report follows a fresh collection of the week rows.
    if (view_kind == Week_QF_View_Kind)
        Source.Recompute(Week_View_Kind);
    Source.Recompute(view_kind);
    Print_Page(Forms.Fill(view_kind, Data, Source.Rows(view_kind), {}), view_kind == Day_View_Kind);
}

void TPrint_Dispatch::Printer_Setup() {
    const QString current = Chosen_Printer();
    if (!current.isEmpty())
        Day_Printer->setPrinterName(current);
    const std::optional<QString> chosen = Printer_Dialog(*Day_Printer, Window);
    if (!chosen)
        return;
    // A choice outside the printer list (printing into a file) leaves Printer_Index alone.
    const qsizetype index = Installed_Printers().indexOf(*chosen);
    if (index >= 0)
        Data.Printer_Index = static_cast<std::int32_t>(index);
}

void TPrint_Dispatch::Print_Page(const Report_Page &page, bool day_report) {
    const QString printer_name = Chosen_Printer();
    if (printer_name.isEmpty()) {
        Offer_Pdf(page);
        return;
    }
    QPrinter other_printer(QPrinter::HighResolution);
    QPrinter &printer = day_report ? *Day_Printer : other_printer;
    // A printer without a colour default would print the row colours in grey;
    // the day report keeps the colour mode chosen in the printer setup.
    if (!day_report || printer.printerName() != printer_name) {
        printer.setPrinterName(printer_name);
        printer.setColorMode(QPrinter::Color);
    }

    QProgressDialog progress(Without_Accelerator(Data.Texts.Lang_Print_Menu), QString(), 0, 1, Window);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setValue(0);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QString error;
    const bool printed = Send_To_Printer(printer, page, &error);
    progress.setValue(1);
    if (!printed)
        Show_Information(Window, error);
}

void TPrint_Dispatch::Offer_Pdf(const Report_Page &page) {
    const Language_Texts &texts = Data.Texts;
    if (!Ask(Window, texts.Lang_No_Printer + QLatin1Char('\n') + texts.Lang_Print_To_Pdf))
        return;
    const QString path = Pdf_Save_Dialog(Window);
    if (path.isEmpty())
        return;
    QString error;
    if (!Save_Report_Pdf(page, path, &error))
        Show_Information(Window, File_Not_Written_Text(Data, path, error));
}

} // namespace telvo
