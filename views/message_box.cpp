#include "message_box.h"

#include "data/model.h"
#include "settings/settings_store.h"

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

QString Settings_Not_Saved_Text(const Model &model, const Settings_Store &store, const QString &reason) {
    return model.Texts.Lang_Settings_Not_Saved + QLatin1Char('\n') + store.Path() + QLatin1Char('\n') +
           reason;
}

} // namespace telvo
