#pragma once
// The stored free commands of a mood as the records the bus commands take, read and written as a whole list
// (core/moodstore.h keeps them): read by mood playback and by the mood editors, written by the editors.

#include "devicelink/devicerecords.h"

#include <QList>
#include <QString>

struct MoodCommandRow;

// The mood's commands in ascending command_id order; every column kept in its field's width.
QList<moodCommandRecord> loadMoodCommands(int moodId, int roomId);

// Replaces the mood's rows by the list, in list order, as one step; false, with the old rows kept and error set to
// the reason, when a statement fails.
[[nodiscard]] bool replaceMoodCommands(int moodId, int roomId, const QList<moodCommandRecord> &commands,
                                       QString *error = nullptr);

// The records as the rows the store writes.
QList<MoodCommandRow> moodCommandRows(const QList<moodCommandRecord> &commands);
