#pragma once
// Builds small hotel projects in a fresh project database for tests: regions, floors and rooms, and the devices
// of a room (lights with their channel rows, air conditioners and floor heatings, moods, the occupancy sensor
// and the master switch), with every column a test may care about settable and the rest at plain defaults.
//
//     projectfixture::openFreshDatabase(QDir(tmp.path()).filePath("p.db3"));
//     const projectfixture::Place place = projectfixture::addPlace("North", "Ground", "101");
//     projectfixture::LightRow dimmer;
//     dimmer.type = 1;
//     dimmer.subnet = 1;
//     dimmer.device = 20;
//     projectfixture::addLight(place.roomId, dimmer);
//
// Every value is bound, so names with quotes or percent signs are stored as given. Ids of regions, floors and
// rooms are the station's own (core/recordid.h). The functions answer false
// (or 0 for an id) when a statement fails.

#include <QString>
#include <QVariantMap>

namespace projectfixture {

// Points gDatabase at a new project database at path (an old file there is removed), with the station's schema
// and seed vocabularies.
void openFreshDatabase(const QString &path);

// Any row of any table, the map's keys being column names.
bool insertRow(const QString &table, const QVariantMap &columns);

int addRegion(const QString &name);
int addFloor(int regionId, const QString &name);
int addRoom(int regionId, int floorId, const QString &name, const QString &iconName = QStringLiteral("room_01"));

// A room with a region and a floor of its own, as device logs need them ("region-floor-room").
struct Place
{
    int regionId = 0;
    int floorId = 0;
    int roomId = 0;
};
Place addPlace(const QString &region, const QString &floor, const QString &room);

// One row of tbl_light. An RGB light is its own row (rgb 1) and channel rows rgb 2, 3, 4 with the same lightId.
struct LightRow
{
    int lightId = 1;
    int type = 1; // LightType
    QString remark = QStringLiteral("Light");
    int subnet = 1;
    int device = 10;
    int channel = 1;
    QVariant brightness = 0; // the stored form: packed for HSB RGB and DALI DT8 lights
    int usId = 0;
    int fade = 0;
    int rgb = 0;
    QString iconOn = QStringLiteral("light_01_on");
    QString iconOff = QStringLiteral("light_01_off");
    int originalType = 0;
    QString version;
};
bool addLight(int roomId, const LightRow &row);

// One row of tbl_air_conditioner: number 0 and 1 are air conditioners, 2 and 3 floor heatings.
struct AirConditionerRow
{
    int number = 0;
    int type = 0; // AirConditionerType
    QString remark = QStringLiteral("AC");
    int subnet = 1;
    int device = 30;
    int channel = 1;
    int status = 0;
    int mode = 0;
    int speed = 0;
    int temperature = 0;
    int coolTemperature = 24;
    int heatTemperature = 24;
    int autoTemperature = 24;
    int dryTemperature = 24;
    int temperatureUnit = 0;
    QString function;
    QString highLimit;
    QString lowLimit;
    int roomTemperature = 0;
    int roomTemperatureType = 0;
    int originalType = 0;
    QString version;
};
bool addAirConditioner(int roomId, const AirConditionerRow &row);

// One row of tbl_mood; flags in the order light, ac1, ac2, floor heat 1, floor heat 2, curtain, audio, diy.
bool addMood(int roomId, int moodId, const QString &name, const QString &iconName = QStringLiteral("mood_01"),
             const QList<int> &flags = {1, 0, 0, 0, 0, 0, 0, 0});

bool addOccupation(int roomId, int type, int subnet, int device, int channel, int status = 0);
bool addMaster(int roomId, int subnet, int device, int channel, int status = 0);

// A hotel-size project written into the open database in one transaction, for the benchmarks: regions R1.. of
// floors F1..F10, room r (0-based) with id r + 1, name 100 + id, in region 1 + r % regions and the floor
// (r / regions) % 10 of it. Each room has lightsPerRoom dimmers "Dimmer 1".., light i on subnet 10 + r / 60,
// device 1 + (r % 60) * 4 + i; with switches an occupancy sensor (device 250) and a master switch (251), and
// with panels a wall panel "Panel" (device 252, panel id = room id), all on the room's subnet.
struct Hotel
{
    int rooms = 3000;
    int regions = 3;
    int lightsPerRoom = 4;
    bool switches = true;
    bool panels = true;
};
int hotelSubnet(int room);
int hotelLightDevice(int room, int light);
bool addHotel(const Hotel &hotel);

// The named column of the first row the statement yields (with its values bound); an invalid value without a row.
QVariant value(const QString &sql, const QVariantList &values, const QString &column);
// Number of rows of the table matching where (with its values bound); all rows for an empty where.
int rowCount(const QString &table, const QString &where = QString(), const QVariantList &values = {});

} // namespace projectfixture
