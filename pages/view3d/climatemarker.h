#pragma once
// What the air-conditioner and floor-heating markers of the 3D view show: a power icon, a state line and the
// device's remark on the marker's circle.

#include "devicelink/devicerecords.h"

#include <QString>

class QPainter;
class QPoint;

// "OFF" when off; when on, "FAN" for an air conditioner in fan mode, else the set point of its mode (a floor
// heating's own set point) as "%d°C" or "%d°F".
QString climateStateText(const airConditionerRecord &record, bool floorHeating);

// The marker of an air conditioner or floor heating at corner, on when status > 0.
void paintClimateMarker(QPainter &painter, const QPoint &corner, const airConditionerRecord &record, bool floorHeating);
