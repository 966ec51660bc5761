#pragma once
// The statements on tbl_air_conditioner: the air conditioners (air_conditioner_no 0 and 1) and floor heatings (2
// and 3) of the rooms, as the room editor, the operation pages, the 3D views and the device panels read and write
// them. Every text is bound; writes answer whether they were stored and set error to the reason when not.

#include <QList>
#include <QString>

class QSqlQuery;

// Which devices of a room: the air conditioners or the floor heatings.
enum class ClimateKind { AirConditioners, FloorHeatings };

// One row of tbl_air_conditioner as stored: integers read as queryColumnInt does (NULL and non-numbers 0), texts
// as they are (NULL empty).
struct ClimateRow
{
    int id = 0;
    int number = 0; // air_conditioner_no
    int type = 0;   // air_conditioner_type
    QString remark;
    int subnet = 0;
    int device = 0;
    int channel = 0;
    int status = 0;
    int mode = 0;
    int speed = 0;
    int setPoint = 0; // current_temperature, the set point of a floor heating
    int coolSetPoint = 0;
    int heatSetPoint = 0;
    int autoSetPoint = 0;
    int drySetPoint = 0;
    int temperatureUnit = 0;
    QString function;
    QString highLimit;
    QString lowLimit;
    int roomTemperature = 0;
    int roomTemperatureType = 0;
    int originalType = 0;
    QString version;
    int roomId = 0;
};

// The row the query stands on; columns the result lacks stay zero or empty (so a mood's snapshot of a row reads
// the same way).
ClimateRow climateRowFromQuery(const QSqlQuery &query);

// The room's devices of the kind by number: exactly numbers 0 and 1, or 2 and 3. For the panels and 3D views.
QList<ClimateRow> loadClimateRows(int roomId, ClimateKind kind, QString *error = nullptr);
// Whether loadClimateRows would find a row.
bool hasClimateRows(int roomId, ClimateKind kind, QString *error = nullptr);

// The room's devices of the kind as the room editor counts them, by number: numbers up to 1, or above 1.
QList<ClimateRow> listClimateDevices(int roomId, ClimateKind kind, QString *error = nullptr);
// Whether listClimateDevices would find a row.
bool hasClimateDevices(int roomId, ClimateKind kind, QString *error = nullptr);
// How many rows listClimateDevices would find (the editor allows two of each kind).
int countClimateDevices(int roomId, ClimateKind kind, QString *error = nullptr);

// The device of (roomId, number): true with row filled when it exists; row is left as passed in otherwise.
bool findClimateDevice(int roomId, int number, ClimateRow &row, QString *error = nullptr);
bool hasClimateDevice(int roomId, int number, QString *error = nullptr);

// The editor's save of (roomId, number): updates the row when exists, else inserts it, with the form's type,
// name, address and hide flag; every other column is reset (numbers 0, texts empty) until the panels read the
// device again.
[[nodiscard]] bool saveClimateDevice(bool exists, int roomId, int number, int type, const QString &name, int subnet,
                                     int device, int channel, int hideRoomTemperature, QString *error = nullptr);
// Removes the row of (roomId, number).
[[nodiscard]] bool deleteClimateDevice(int roomId, int number, QString *error = nullptr);

// The run-time state the panels keep in the row of (roomId, number), from the device's replies or the user's
// infra-red keys.

// The type and version the device reports about itself.
[[nodiscard]] bool storeClimateDeviceInfo(int roomId, int number, int originalType, const QString &version,
                                          QString *error = nullptr);
// The set point limits as the panels keep them ("%d-%d-%d" of cool, heat, auto, or "%d" for a floor heating).
[[nodiscard]] bool storeClimateLimits(int roomId, int number, const QString &lowLimit, const QString &highLimit,
                                      QString *error = nullptr);

// The single columns the panels store one at a time.
enum class ClimateColumn {
    Status,
    Mode,
    Speed,
    SetPoint, // current_temperature
    CoolSetPoint,
    HeatSetPoint,
    AutoSetPoint,
    TemperatureUnit,
    RoomTemperature,
};
[[nodiscard]] bool storeClimateValue(int roomId, int number, ClimateColumn column, int value, QString *error = nullptr);

// A two-way air conditioner's status block.
struct AirConditionerState
{
    int status = 0;
    int coolSetPoint = 0;
    int mode = 0;
    int speed = 0;
    int roomTemperature = 0;
    int heatSetPoint = 0;
    int autoSetPoint = 0;
    int drySetPoint = 0;
};
[[nodiscard]] bool storeAirConditionerState(int roomId, int number, const AirConditionerState &state,
                                            QString *error = nullptr);
// A floor heating's status block.
[[nodiscard]] bool storeFloorHeatingState(int roomId, int number, int temperatureUnit, int roomTemperature, int status,
                                          int setPoint, QString *error = nullptr);
