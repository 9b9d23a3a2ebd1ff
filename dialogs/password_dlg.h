#pragma once

#include "data/model.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace telvo {

// The password check in front of every Settings menu item. The administrator
// password opens every protected window; the access password all of them but
// the data directories (Protected_Action 4).
class TPasswordDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPasswordDlg(Model &model, QWidget *parent = nullptr);

    // A Settings menu item: Protected_Action := action, then the dialog shows.
    // While the dialog is already open only the pending action changes.
    void Open(int action);

signals:
    // The entry opened the window of Protected_Action (1..7): the application shows it.
    void accessGranted(int action);

private:
    Model &Data;
    QLabel *Label1;
    QLineEdit *Password;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;

    void FormShow();
    void OKBtnClick();
};

} // namespace telvo
