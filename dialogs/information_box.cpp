#include "information_box.h"

#include <QApplication>
#include <QMessageBox>

namespace telvo {

void Show_Information_Box(QWidget *parent, const QString &text) {
    QMessageBox::information(parent, QApplication::applicationName(), text);
}

} // namespace telvo
