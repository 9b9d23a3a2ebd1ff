#include "message_box.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace telvo {

namespace {

Information_Presenter &Presenter() {
    static Information_Presenter presenter;
    return presenter;
}

} // namespace

void Show_Information(QWidget *parent, const QString &text) {
    // The boxes carry the application title, as the program's messages always did.
    const QString title = QApplication::applicationName();
    if (Presenter()) {
        Presenter()(parent, title, text);
        return;
    }
    QMessageBox::information(parent, title, text);
}

Information_Presenter Set_Information_Presenter(Information_Presenter presenter) {
    return std::exchange(Presenter(), std::move(presenter));
}

} // namespace telvo
