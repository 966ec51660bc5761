#pragma once
// The message-log row of an announced guest request, read once however many receivers want it: the strip and
// the room cards hear the same announcement, and the second reader gets the row the first one read.

#include "devicelink/messagerecords.h"

namespace AnnouncedRow {

// The row of tbl_message_log that msg announces. False when it does not exist (also for the id 0 of a row
// that could not be stored). A row read for the same announcement in the same pass of the event loop, with no
// entry dealt with or removed since, is not read again.
bool read(const universalSwitchMessage &msg, messageRecord &out);

} // namespace AnnouncedRow
