#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

namespace telvo {

class TPrint_Dispatch;
struct Language_Texts;

// The comment window through which reports are printed: a free comment (rich
// text) for the report's comment box, the printer setup and Print. It does not
// block the main window, so the page may change while it is open; Print prints
// the page shown at that moment. The comment stays for the whole run.
class TComments_Form : public QDialog {
    Q_OBJECT
public:
    TComments_Form(const Language_Texts &texts, TPrint_Dispatch &dispatch, QWidget *parent = nullptr);

    // Prints the report of the main window's page and closes the window (also
    // when it was not open).
    void Print_ButtonClick();
    void Printer_Set_ButtonClick();
    void Cancel_ButtonClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    const Language_Texts &Texts;
    TPrint_Dispatch &Dispatch;
    QLabel *Comment_Lab;
    QTextEdit *Comments;
    QPushButton *Print_Button;
    QPushButton *Printer_Set_Button;
    QPushButton *Cancel_Button;

    void FormShow();
};

} // namespace telvo
