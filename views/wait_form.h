#pragma once

#include <QDialog>

class QLabel;

namespace telvo {

// The small "Information" window shown while a view is collected. It does not
// block: the main window shows it, lets it paint, then runs the computation.
class TWait_Form : public QDialog {
    Q_OBJECT
public:
    explicit TWait_Form(QWidget *parent = nullptr);

    void Show_Waiting(const QString &text);

private:
    QLabel *Wait_Label;
};

} // namespace telvo
