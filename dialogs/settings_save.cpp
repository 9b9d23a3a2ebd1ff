#include "settings_save.h"

#include "settings/settings_io.h"

namespace telvo {

bool Save_Settings_Or_Inform(const Model &model, Settings_Store &store, QWidget *parent,
                             const Information_Function &inform) {
    QString error;
    if (Save_Settings(model, store, &error))
        return true;
    inform(parent, Settings_Not_Saved_Text(model, store, error));
    return false;
}

QString Settings_Not_Saved_Text(const Model &model, const Settings_Store &store, const QString &reason) {
    return model.Texts.Lang_Settings_Not_Saved + QLatin1Char('\n') + store.Path() + QLatin1Char('\n') +
           reason;
}

} // namespace telvo
