#include "settings_save.h"

#include "settings/settings_io.h"
#include "views/message_box.h"

namespace telvo {

bool Save_Settings_Or_Inform(const Model &model, Settings_Store &store, QWidget *parent) {
    QString error;
    if (Save_Settings(model, store, &error))
        return true;
    Show_Information(parent, Settings_Not_Saved_Text(model, store, error));
    return false;
}

} // namespace telvo
