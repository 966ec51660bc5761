#pragma once
// Allocation of the station's own record ids: the lowest value of the id column that no row holds, from 1
// (air conditioners of a room from 0, floor heatings from 2). Nothing is reserved: the value stays free until
// the caller inserts its record, so two calls without an insert in between answer the same.

#include <QString>

// The lowest integer >= start that no row of sql holds in column.
int lowestFreeValue(const QString &sql, const QString &column, int start);

int nextRoomTemplateId();
int nextRegionId();
int nextFloorId();
int nextRoomId();
// Counts a multi-channel light once: its further channel rows share the id of its first row.
int nextLightId();
int nextTemplateLightId();
// 0 or 1 while the room has fewer than two air conditioners, 2 when both exist.
int nextAirConditionerNo(int roomId);
// From 2 on, looking only at the room's floor heatings; no upper limit of its own.
int nextExtraAirConditionerNo(int roomId);
int nextPanelId();
int nextTemplatePanelId();
int nextMessageId();
int nextMoodId();
