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

QString Failure_Text(const QString &what, const QString &path, const QString &reason) {
    return what + QLatin1Char('\n') + path + QLatin1Char('\n') + reason;
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
    return Failure_Text(model.Texts.Lang_Settings_Not_Saved, store.Path(), reason);
}

QString File_Not_Written_Text(const Model &model, const QString &path, const QString &reason) {
    return Failure_Text(model.Texts.Lang_File_Not_Written, path, reason);
}

} // namespace telvo
