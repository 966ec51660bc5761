#pragma once
// Loading the device records of one room from the current project database: the one place that reads the
// device tables for the panels, with the corrections that make stored rows usable and the unpacking of the
// packed light levels. Every page or card that builds panels loads through these.
//
// Corrections apply to the loaded copy only; nothing is written back. Texts longer than a field are cut at a
// character boundary (copyRecordText). A failing statement yields no records (an all-zero occupancy and master
// record), reported only by the database layer's debug output.

#include "devicelink/devicerecords.h"

#include <QList>

#include <functional>

class QSqlQuery;
struct ClimateRow;
struct LightChannelRow;

// The record of one air-conditioner or floor-heating row as stored, without corrections: a row of
// tbl_air_conditioner or a mood's snapshot of one; columns the row does not have stay zero or empty.
airConditionerRecord airConditionerFromRow(const QSqlQuery &q);
airConditionerRecord airConditionerFromRow(const ClimateRow &row);
// The record of each row, in the rows' order.
QList<airConditionerRecord> airConditionerRecords(const QList<ClimateRow> &rows);
// Sets an infra-red unit's set points outside 17..30 to 26.
void correctInfraredSetPoints(airConditionerRecord &ac);
// The record of one light from its first stored row (rgb 0 or 1): a row of tbl_light or a mood's snapshot of
// one. channelRow(rgb, row) reads the light's row with that rgb value (2 to 4) of an RGB light into row and answers
// whether there is one; a missing row stays zero. Levels are unpacked as loadLightRecords says.
lightRecord lightFromRows(const LightChannelRow &first,
                          const std::function<bool(int rgb, LightChannelRow &row)> &channelRow);
// Air conditioners 1 and 2 (air_conditioner_no 0 and 1) in that order. An infra-red unit's set points outside
// 17..30 load as 26; empty limits load as "30-30-30"/"17-17-17" (infra-red) or "60-60-60"/"0-0-0".
QList<airConditionerRecord> loadAirConditionerRecords(int roomId);
// Floor heatings 1 and 2 (air_conditioner_no 2 and 3); empty limits load as "60" and "0".
QList<airConditionerRecord> loadFloorHeatingRecords(int roomId);
// Lights with a bus address (subnet and device above 0) by light_id. An RGB light gathers its channel rows rgb 2,
// 3, 4 into indexes 1 to 3 (a missing row stays zero); HSB and DALI DT8 levels are unpacked from the stored
// brightness (level*65536 + hue*256 + saturation; level*256 + colour temperature).
QList<lightRecord> loadLightRecords(int roomId);
// Moods by mood_id.
QList<moodRecord> loadMoodRecords(int roomId);
// The room's occupancy sensor and master switch, each from its lowest-id row, every value cut to 8 bits.
occupationMasterRecord loadOccupationMasterRecord(int roomId);

// The stored forms of the levels of HSB RGB and DALI DT8 lights in tbl_light.brightness (one byte each).
int packHsbBrightness(int level, int hue, int saturation);
int packDt8Brightness(int level, int colourTemperature);
