#pragma once

#include "data/model.h"

class QWidget;

namespace telvo {

class Settings_Store;

// Writes all settings. When the file cannot be written the user is told which
// file and why (the model keeps the new values for this run); returns whether
// the file was written.
bool Save_Settings_Or_Inform(const Model &model, Settings_Store &store, QWidget *parent);

} // namespace telvo
