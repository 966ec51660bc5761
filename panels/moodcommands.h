#pragma once
// The stored free commands of a mood (tbl_mood_command), read and written as a whole list: read by mood playback
// and by the mood editors, written by the editors.

#include "devicelink/devicerecords.h"

#include <QList>

// The mood's commands in ascending command_id order; every column kept in its field's width.
QList<moodCommandRecord> loadMoodCommands(int moodId, int roomId);

// Replaces the mood's rows by the list, in list order, as one step; false, with the old rows kept, when a
// statement fails.
bool replaceMoodCommands(int moodId, int roomId, const QList<moodCommandRecord> &commands);
