#pragma once

#include "data/model.h"

namespace telvo {

// What the zone editor and its channel dialog share.
struct Zone_Edit_State {
    // The copy of the shown device's record; the channel dialog edits its channel sets.
    ID_Record Working_Record;
    // The shown device's record as it was before the last Clear all.
    ID_Record Undo_Record;
    int Edit_Slot = 0; // 1..5: the device whose channels the channel dialog stores into
    int Edit_Zone = 0; // 1 = Total zone, 2..6 = Zone 1..Zone 5
};

} // namespace telvo
