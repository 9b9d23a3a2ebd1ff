#pragma once

#include "data/model.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace telvo {

class Settings_Store;

// Replaces the password that opened it: the administrator password after an
// administrator check, else the access password. Only that one value is
// written to the settings file, at once.
class TChange_Pasword_Form : public QDialog {
    Q_OBJECT
public:
    TChange_Pasword_Form(Model &model, Settings_Store &store, QWidget *parent = nullptr);

    void Open();

private:
    Model &Data;
    Settings_Store &Store;
    QLabel *Label1;
    QLineEdit *Password1;
    QLabel *Label2;
    QLineEdit *Password2;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;

    void FormShow();
    void OKBtnClick();
};

} // namespace telvo
