#pragma once

#include "data/model.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace telvo {

// The About box: the program picture, the product name and the version.
class TAboutBox_Form : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox_Form(const Model &model, QWidget *parent = nullptr);

    // Takes the caption and version text of the current language and shows the box centred.
    void Open();

private:
    const Model &Data;
    QLabel *ProgramIcon;
    QLabel *ProductName;
    QLabel *Version;
    QLabel *Comments;
    QLabel *Label5;
    QPushButton *OKButton;

    void FormShow();
};

} // namespace telvo
