#pragma once
// Dealing with one message-log entry, as both message dialogs do it: its row takes the status, remark and time
// of dealing, its wall panel's switch is set on while the entry is pending and off otherwise, and the hub
// announces the record to every row and room tile.

#include "devicelink/messagerecords.h"

namespace MessageDealing {

enum class Outcome {
    Dealt,    // written, the panel told (when it and its switch are configured) and announced
    Gone,     // the row is gone or now stands for another message, panel or room: nothing written or sent
    NotSaved, // the update failed: nothing sent or announced
    Unsaved   // the entry was never stored (id 0): there is no row to write, nothing sent or announced
};

// The row is read again by id first, since a project switch or a deletion may have happened while the
// record waited in a dialog.
Outcome deal(const messageRecord &record);

} // namespace MessageDealing
