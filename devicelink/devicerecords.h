#pragma once
// Plain per-device records, zero-filled, copied by value: loaded from the project database by the control
// panels and read by the command builders.

#include <QtGlobal>

// Text fields are fixed arrays holding NUL-terminated UTF-8; the array keeps room for the terminator.
enum {
    DeviceRecordLongText = 128, // texts of at most 127 bytes
    DeviceRecordShortText = 64, // texts of at most 63 bytes
    LightRecordRows = 4,        // a light's own row and up to three further channel rows
};

enum LightType { LightOnOff = 0, LightDimmer = 1, LightRgb = 2, LightHsbRgb = 6, LightScene = 7, LightDaliDt8 = 8 };

enum AirConditionerType { AirConditionerTwoWay = 0, AirConditionerInfrared = 1 };

enum AirConditionerMode { ModeCool = 0, ModeHeat = 1, ModeFan = 2, ModeAuto = 3, ModeDry = 4 };

enum FanSpeed { FanSpeedAuto = 0, FanSpeedHigh = 1, FanSpeedMedium = 2, FanSpeedLow = 3 };

enum OccupationType { OccupationUniversalSwitch = 0, OccupationRelayChannel = 1 };

enum OccupationMasterStatus {
    OccupationMasterUnknown = 0,
    OccupationMasterOff = 1, // master off, or room unoccupied
    OccupationMasterOn = 2   // master on, or room occupied
};

enum RoomItemMode { RoomItemLights = 0, RoomItemAirConditioners = 1, RoomItemFloorHeatings = 2, RoomItemMoods = 3 };

// One row of tbl_air_conditioner: air_conditioner_no 0 and 1 are air conditioners, 2 and 3 floor heatings.
struct airConditionerRecord
{
    qint32 temperature_unit;    // 0 Celsius, above 0 Fahrenheit
    qint32 modeSupported[4];    // runtime: per mode 0-3, non-zero when the device supports it
    qint32 speedSupported[5];   // runtime: per fan-speed code 0-4
    qint32 status;              // 0 off, above 0 on
    qint32 mode;                // AirConditionerMode
    qint32 speed;               // FanSpeed
    qint32 current_temperature; // set point of a floor heating
    qint32 current_cool_temperature;
    qint32 current_heat_temperature;
    qint32 current_auto_temperature;
    qint32 current_dry_temperature;
    qint32 air_conditioner_type; // AirConditionerType
    qint32 original_type;        // device type the device reports about itself
    qint32 subnet_id;
    qint32 device_id;
    qint32 channel;
    qint32 air_conditioner_no;
    qint32 room_temperature;
    qint32 room_temperature_type; // 0 or less shows the room temperature, above 0 hides it
    qint32 room_id;
    char remark[DeviceRecordLongText];
    char function[DeviceRecordLongText];
    char high_limit[DeviceRecordLongText]; // "%d-%d-%d" (cool, heat, auto) or "%d" for a floor heating
    char low_limit[DeviceRecordLongText];
    char version[DeviceRecordLongText];
};

// One light: its own row of tbl_light (index 0) and, for an RGB light, the channel rows rgb 2, 3, 4 (1 to 3).
struct lightRecord
{
    qint32 light_id;
    qint32 light_type; // LightType
    qint32 us_id;      // scene number of a scene light
    qint32 fade;
    qint32 room_id;
    qint32 rgb[LightRecordRows];
    qint32 savedBrightness[LightRecordRows]; // runtime: levels held while the light is off
    qint32 brightness[LightRecordRows];      // HSB: level, hue, saturation; DALI DT8: level, colour temperature
    qint32 subnet_id[LightRecordRows];
    qint32 device_id[LightRecordRows];
    qint32 channel[LightRecordRows];
    qint32 original_type[LightRecordRows];
    char version[LightRecordRows][DeviceRecordShortText];
    char icon_name_of_light_on[DeviceRecordShortText];
    char icon_name_of_light_off[DeviceRecordShortText];
    char light_remark[DeviceRecordLongText];
};

// One row of tbl_mood.
struct moodRecord
{
    qint32 mood_id;
    qint32 light_bool;
    qint32 ac1_bool;
    qint32 ac2_bool;
    qint32 floor_heat1_bool;
    qint32 floor_heat2_bool;
    qint32 curtain_bool;
    qint32 audio_bool;
    qint32 diy_bool;
    qint32 room_id;
    char mood_name[DeviceRecordLongText];
    char mood_icon_name[DeviceRecordLongText];
};

// One free command of a mood (a tbl_mood_command row): its place in the playback order, the target address, the
// command type (the value of a policy-1 tbl_fnt_type row) and four parameter bytes. Read from the database, each
// byte field takes the low 8 bits of its column.
struct moodCommandRecord
{
    qint32 command_id;
    quint8 subnet_id;
    quint8 device_id;
    quint8 command_type;
    quint8 prm1;
    quint8 prm2;
    quint8 prm3;
    quint8 prm4;
};

// The occupancy sensor (tbl_occupation) and the master switch (tbl_master) of one room.
struct occupationMasterRecord
{
    quint8 occupation_type; // OccupationType
    quint8 occupation_subnet_id;
    quint8 occupation_device_id;
    quint8 occupation_channel;
    quint8 occupation_status; // OccupationMasterStatus
    quint8 master_subnet_id;
    quint8 master_device_id;
    quint8 master_channel;
    quint8 master_status; // OccupationMasterStatus
    qint32 room_id;
};
