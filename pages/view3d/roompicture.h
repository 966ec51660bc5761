#pragma once
// The room's 3D picture as the placement tabs and the marker views draw it: a project photo ("photo..." names,
// from the current project's folder) or one of the built-in 3D pictures, stretched into the widget less a
// 10-pixel margin on every side. Marker positions are pixels of the widget itself and are never scaled with it.

#include <QString>

class QPainter;
class QSize;

// The file a picture name stands for, ".png" added when the name holds none; empty when a project photo, its
// folder or the current project is missing. A built-in name is answered even when no such picture exists.
QString roomPicturePath(const QString &iconName);

// Draws the picture stretched into (10, 10, width - 20, height - 20); nothing when it cannot be read.
void paintRoomPicture(QPainter &painter, const QSize &widgetSize, const QString &iconName);
