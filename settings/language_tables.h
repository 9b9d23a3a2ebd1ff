#pragma once

#include "data/model.h"

namespace telvo {

// Runs the load routine of Language ("ENGLISH", "DUTCH", "GERMAN", "FRENCH",
// exact case); any other code leaves every slot as it is.
void Set_Language_Texts(Model &model);

void Load_English_Texts(Language_Texts &texts);
void Load_German_Texts(Language_Texts &texts);
void Load_Dutch_Texts(Language_Texts &texts);
void Load_French_Texts(Language_Texts &texts);

} // namespace telvo
