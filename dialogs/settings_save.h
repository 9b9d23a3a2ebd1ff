#pragma once

#include "information_box.h"

#include "data/model.h"

namespace telvo {

class Settings_Store;

// Writes all settings. When the file cannot be written the user is told which
// file and why (the model keeps the new values for this run); returns whether
// the file was written.
bool Save_Settings_Or_Inform(const Model &model, Settings_Store &store, QWidget *parent,
                             const Information_Function &inform);

// The text of that information box: what failed, the file, the reason.
QString Settings_Not_Saved_Text(const Model &model, const Settings_Store &store, const QString &reason);

} // namespace telvo
