#pragma once
// Deleting a room with everything that belongs to it, and deleting one user picture of the current project.

#include <QString>

// Removes the room's devices, 3D placements, moods with their settings and commands, switches, panels and
// message log, the room row, and its floor and region rows when no other room uses them, as one transaction.
// Only after that has committed (inside another transaction: after that one has) are the room's pictures (room,
// 3D view, moods) removed from the project folder and the room's deletion announced to the device link,
// whose hub emits signalsRemoveMessage(roomId, 1). On failure nothing is removed or emitted and the answer is false.
[[nodiscard]] bool deleteRoom(int roomId);

// Removes <current project folder>/<name>.png (".png" is appended when the name lacks it); a missing file or
// folder is ignored.
void deleteProjectPicture(QString name);
