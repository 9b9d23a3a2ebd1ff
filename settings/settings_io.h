#pragma once

#include "settings_store.h"

#include "data/model.h"

namespace telvo {

void Load_Settings(Model &model, const Settings_Store &store);

// Writes every setting into the store and commits the file; false with the
// reason when the file cannot be written (the previous file stays intact).
bool Save_Settings(const Model &model, Settings_Store &store, QString *error = nullptr);

void Load_Zone_Channels(ID_Record &record, const Ini_Store &values);
void Save_Zone_Channels(const ID_Record &record, Ini_Store &values);

} // namespace telvo
