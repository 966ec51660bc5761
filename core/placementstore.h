#pragma once
// The 3D placements of the rooms: the picture each room's devices are placed on (tbl_3d_view_manager, one row
// per room) and where each light (tbl_3d_view_light) and each air conditioner or floor heating
// (tbl_3d_air_conditioner, by air_conditioner_no) stands on it. Positions are the top-left corner of the
// device's 80 x 80 marker in pixels of the widget that shows the picture.
//
// Writes answer false and set error (when given) to the connection's reason when their statement failed; reads
// that take error tell a failed read from a missing row the same way.

#include <QPoint>
#include <QString>

// The room's picture name into iconName; false when the room has no row or the read failed (iconName then kept).
bool readRoomPicture(int roomId, QString &iconName, QString *error = nullptr);
// The room's picture name into iconName; a room without a row gets one holding defaultName, which is then the
// answer. False when the read or that insert failed; iconName is then kept and nothing is added.
[[nodiscard]] bool loadRoomPicture(int roomId, const QString &defaultName, QString &iconName, QString *error = nullptr);
// Stores iconName in the room's row; a room without a row is left without one.
[[nodiscard]] bool saveRoomPicture(int roomId, const QString &iconName, QString *error = nullptr);

// The stored position of the room's light into position; a light without a row gets one at (0, 0), which is then
// the answer. False when the read or that insert failed: position is then (0, 0) and nothing is added.
[[nodiscard]] bool loadLightPosition(int lightId, int roomId, QPoint &position, QString *error = nullptr);
// Stores a dropped light's position in its row.
[[nodiscard]] bool saveLightPosition(int lightId, int roomId, const QPoint &position, QString *error = nullptr);
// Removes the light's position row.
[[nodiscard]] bool deleteLightPosition(int lightId, int roomId, QString *error = nullptr);

// As the light functions, for the room's air conditioner or floor heating with number airConditionerNo.
[[nodiscard]] bool loadClimatePosition(int airConditionerNo, int roomId, QPoint &position, QString *error = nullptr);
[[nodiscard]] bool saveClimatePosition(int airConditionerNo, int roomId, const QPoint &position,
                                       QString *error = nullptr);
[[nodiscard]] bool deleteClimatePosition(int airConditionerNo, int roomId, QString *error = nullptr);
