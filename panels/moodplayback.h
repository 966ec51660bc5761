#pragma once
// Playing a stored mood: its snapshots of the room's lights, air conditioners and floor heatings and its free bus
// commands, read from the current project database and sent frame by frame, in that order, with a pause after
// every frame and after every slot that sends none. Nothing is awaited or confirmed.
//
// The snapshots are read into the device records the panels use (records are zero-filled first; texts longer than
// a field are cut before the first character that would not fit whole).

#include "devicelink/devicerecords.h"

#include <QList>
#include <functional>

// The mood's lights (rows rgb 0 or 1, by light_id); an RGB light gathers its rows rgb 2, 3, 4 into indexes 1 to 3
// (a missing row stays zero); HSB RGB and DALI DT8 levels are unpacked from the stored brightness.
QList<lightRecord> loadMoodLightRecords(int moodId, int roomId);
// The mood's air conditioners (numbers 0 and 1, in order); an infra-red unit's set points outside 17..30 become 26.
QList<airConditionerRecord> loadMoodAirConditionerRecords(int moodId, int roomId);
// The mood's floor heatings (numbers 2 and 3, in order).
QList<airConditionerRecord> loadMoodFloorHeatingRecords(int moodId, int roomId);
// The mood's free commands are read by loadMoodCommands (panels/moodcommands.h).

// Sends the free command's frame; false for a command type that has none.
bool sendMoodCommand(const moodCommandRecord &command);

// Plays what the mood's flags include: lights, then air conditioners, floor heatings and free commands. The GUI
// thread sleeps 50 ms after every frame and every frameless slot.
void playMood(const moodRecord &mood);

// Test seam: called with the pause in milliseconds in place of the sleep; an empty function restores the sleep.
void setMoodPauseHook(std::function<void(int milliseconds)> hook);
