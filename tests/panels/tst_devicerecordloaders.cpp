// Loading a room's device records: statements, order, corrections of stored rows and unpacking of packed levels.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "panels/devicerecordloaders.h"
#include "tests/support/projectfixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using namespace projectfixture;

namespace {

using Setup = std::function<void(int roomId)>;
using Describe = std::function<QString(int roomId)>;

QString describeAirConditioners(const QList<airConditionerRecord> &records)
{
    QStringList parts;
    for (const airConditionerRecord &ac : records)
        parts << QString::asprintf("no=%d cool=%d heat=%d auto=%d dry=%d high=%s low=%s", ac.air_conditioner_no,
                                   ac.current_cool_temperature, ac.current_heat_temperature,
                                   ac.current_auto_temperature, ac.current_dry_temperature, ac.high_limit,
                                   ac.low_limit);
    return parts.join(" | ");
}

QString describeLights(const QList<lightRecord> &records)
{
    QStringList parts;
    for (const lightRecord &l : records) {
        QString text = QString::asprintf("id=%d type=%d", l.light_id, l.light_type);
        for (int i = 0; i < LightRecordRows; ++i)
            text += QString::asprintf(" [%d:%d/%d/%d b%d v%s]", l.rgb[i], l.subnet_id[i], l.device_id[i], l.channel[i],
                                      l.brightness[i], l.version[i]);
        parts << text;
    }
    return parts.join(" | ");
}

QString describeOccupationMaster(const occupationMasterRecord &r)
{
    return QString::asprintf("room=%d occ=%d:%d/%d/%d s%d master=%d/%d/%d s%d", r.room_id, r.occupation_type,
                             r.occupation_subnet_id, r.occupation_device_id, r.occupation_channel, r.occupation_status,
                             r.master_subnet_id, r.master_device_id, r.master_channel, r.master_status);
}

AirConditionerRow acRow(int number, int type, int setPoint)
{
    AirConditionerRow row;
    row.number = number;
    row.type = type;
    row.coolTemperature = row.heatTemperature = row.autoTemperature = row.dryTemperature = setPoint;
    row.highLimit = "28-29-30";
    row.lowLimit = "18-19-20";
    return row;
}

LightRow lightRow(int lightId, int type, int rgb, int subnet, int device, int channel, const QVariant &brightness)
{
    LightRow row;
    row.lightId = lightId;
    row.type = type;
    row.rgb = rgb;
    row.subnet = subnet;
    row.device = device;
    row.channel = channel;
    row.brightness = brightness;
    return row;
}

const Describe airConditioners = [](int roomId) { return describeAirConditioners(loadAirConditionerRecords(roomId)); };
const Describe floorHeatings = [](int roomId) { return describeAirConditioners(loadFloorHeatingRecords(roomId)); };
const Describe lights = [](int roomId) { return describeLights(loadLightRecords(roomId)); };
const Describe occupationMaster = [](int roomId) {
    return describeOccupationMaster(loadOccupationMasterRecord(roomId));
};

} // namespace

Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(Describe)

class TestDeviceRecordLoaders : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void loads_data();
    void loads();
    void airConditionerFieldsAndRoom();
    void moodsInOrderWithEveryField();
    void textsCutAtACharacterBoundary();
    void packedFormsRoundTrip();

private:
    QScopedPointer<QTemporaryDir> dir;
    int roomId = 0;
};

void TestDeviceRecordLoaders::init()
{
    dir.reset(new QTemporaryDir);
    gAppDirPath = dir->path();
    openFreshDatabase(QDir(dir->path()).filePath("loaders.db3"));
    roomId = addPlace("North", "Ground", "101").roomId;
    QVERIFY(roomId > 0);
}

void TestDeviceRecordLoaders::loads_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<Describe>("describe");
    QTest::addColumn<QString>("expected");

    auto ac = [](int number, int type, int setPoint) {
        return Setup([=](int room) { QVERIFY(addAirConditioner(room, acRow(number, type, setPoint))); });
    };
    QTest::newRow("infra-red set point 16 loads as 26")
        << ac(0, 1, 16) << airConditioners << "no=0 cool=26 heat=26 auto=26 dry=26 high=28-29-30 low=18-19-20";
    QTest::newRow("infra-red set point 17 kept")
        << ac(0, 1, 17) << airConditioners << "no=0 cool=17 heat=17 auto=17 dry=17 high=28-29-30 low=18-19-20";
    QTest::newRow("infra-red set point 30 kept")
        << ac(1, 1, 30) << airConditioners << "no=1 cool=30 heat=30 auto=30 dry=30 high=28-29-30 low=18-19-20";
    QTest::newRow("infra-red set point 31 loads as 26")
        << ac(0, 1, 31) << airConditioners << "no=0 cool=26 heat=26 auto=26 dry=26 high=28-29-30 low=18-19-20";
    QTest::newRow("infra-red set point 0 loads as 26")
        << ac(0, 1, 0) << airConditioners << "no=0 cool=26 heat=26 auto=26 dry=26 high=28-29-30 low=18-19-20";
    QTest::newRow("two-way set point 0 kept")
        << ac(0, 0, 0) << airConditioners << "no=0 cool=0 heat=0 auto=0 dry=0 high=28-29-30 low=18-19-20";

    auto emptyLimits = [](int number, int type) {
        return Setup([=](int room) {
            AirConditionerRow row = acRow(number, type, 24);
            row.highLimit.clear();
            row.lowLimit.clear();
            QVERIFY(addAirConditioner(room, row));
        });
    };
    QTest::newRow("infra-red empty limits")
        << emptyLimits(0, 1) << airConditioners << "no=0 cool=24 heat=24 auto=24 dry=24 high=30-30-30 low=17-17-17";
    QTest::newRow("two-way empty limits")
        << emptyLimits(0, 0) << airConditioners << "no=0 cool=24 heat=24 auto=24 dry=24 high=60-60-60 low=0-0-0";
    QTest::newRow("floor heating empty limits")
        << emptyLimits(2, 1) << floorHeatings << "no=2 cool=24 heat=24 auto=24 dry=24 high=60 low=0";
    QTest::newRow("limit that does not parse is kept") << Setup([](int room) {
        AirConditionerRow row = acRow(0, 1, 24);
        row.highLimit = "hot";
        row.lowLimit = "-";
        QVERIFY(addAirConditioner(room, row));
    }) << airConditioners << "no=0 cool=24 heat=24 auto=24 dry=24 high=hot low=-";
    QTest::newRow("three rows numbered 0, 1, 2: two air conditioners")
        << Setup([](int room) {
               for (int number : {2, 1, 0})
                   QVERIFY(addAirConditioner(room, acRow(number, 0, 20 + number)));
           })
        << airConditioners
        << "no=0 cool=20 heat=20 auto=20 dry=20 high=28-29-30 low=18-19-20 | "
           "no=1 cool=21 heat=21 auto=21 dry=21 high=28-29-30 low=18-19-20";
    QTest::newRow("three rows numbered 0, 1, 2: one floor heating") << Setup([](int room) {
        for (int number : {0, 1, 2})
            QVERIFY(addAirConditioner(room, acRow(number, 0, 20 + number)));
    }) << floorHeatings << "no=2 cool=22 heat=22 auto=22 dry=22 high=28-29-30 low=18-19-20";
    QTest::newRow("air conditioner without an address still loads") << Setup([](int room) {
        AirConditionerRow row = acRow(0, 0, 24);
        row.subnet = 0;
        row.device = 0;
        QVERIFY(addAirConditioner(room, row));
    }) << airConditioners << "no=0 cool=24 heat=24 auto=24 dry=24 high=28-29-30 low=18-19-20";
    QTest::newRow("other rooms are not loaded") << Setup([](int room) {
        QVERIFY(addAirConditioner(room + 1, acRow(0, 0, 24)));
        QVERIFY(addLight(room + 1, lightRow(1, 1, 0, 1, 10, 1, 50)));
    }) << Describe([](int room) { return airConditioners(room) + lights(room); })
                                                << "";

    QTest::newRow("HSB light unpacked") << Setup([](int room) {
        QVERIFY(addLight(room, lightRow(1, 6, 0, 1, 10, 2, 30 * 65536 + 80 * 256 + 160)));
    }) << lights << "id=1 type=6 [0:1/10/2 b30 v] [0:0/0/0 b80 v] [0:0/0/0 b160 v] [0:0/0/0 b0 v]";
    QTest::newRow("DALI DT8 light unpacked")
        << Setup([](int room) { QVERIFY(addLight(room, lightRow(1, 8, 0, 1, 10, 2, 50 * 256 + 20))); }) << lights
        << "id=1 type=8 [0:1/10/2 b50 v] [0:0/0/0 b20 v] [0:0/0/0 b0 v] [0:0/0/0 b0 v]";
    QTest::newRow("lights without subnet or device are not loaded") << Setup([](int room) {
        QVERIFY(addLight(room, lightRow(1, 1, 0, 0, 10, 1, 10)));
        QVERIFY(addLight(room, lightRow(2, 1, 0, 1, 0, 1, 20)));
        QVERIFY(addLight(room, lightRow(3, 1, 0, 1, 12, 1, 30)));
    }) << lights << "id=3 type=1 [0:1/12/1 b30 v] [0:0/0/0 b0 v] [0:0/0/0 b0 v] [0:0/0/0 b0 v]";
    QTest::newRow("lights by light_id, channel rows not on their own")
        << Setup([](int room) {
               QVERIFY(addLight(room, lightRow(2, 0, 0, 1, 11, 1, 100)));
               QVERIFY(addLight(room, lightRow(1, 7, 0, 1, 10, 1, 0)));
               QVERIFY(addLight(room, lightRow(2, 0, 2, 1, 11, 2, 5)));
           })
        << lights
        << "id=1 type=7 [0:1/10/1 b0 v] [0:0/0/0 b0 v] [0:0/0/0 b0 v] [0:0/0/0 b0 v] | "
           "id=2 type=0 [0:1/11/1 b100 v] [0:0/0/0 b0 v] [0:0/0/0 b0 v] [0:0/0/0 b0 v]";
    QTest::newRow("RGB light: missing blue row stays zero, white from its own row") << Setup([](int room) {
        LightRow red = lightRow(4, 2, 1, 1, 10, 1, 11);
        red.version = "R1";
        QVERIFY(addLight(room, red));
        LightRow green = lightRow(4, 2, 2, 1, 10, 2, 22);
        green.version = "G1";
        QVERIFY(addLight(room, green));
        LightRow white = lightRow(4, 2, 4, 2, 20, 7, 44);
        white.version = "W1";
        QVERIFY(addLight(room, white));
    }) << lights << "id=4 type=2 [1:1/10/1 b11 vR1] [2:1/10/2 b22 vG1] [0:0/0/0 b0 v] [4:2/20/7 b44 vW1]";
    QTest::newRow("NULL and text that is not a number read as 0")
        << Setup([](int room) {
               QVERIFY(addLight(room, lightRow(1, 1, 0, 1, 10, 1, QVariant())));
               QVERIFY(addLight(room, lightRow(2, 1, 0, 1, 10, 2, "bright")));
           })
        << lights
        << "id=1 type=1 [0:1/10/1 b0 v] [0:0/0/0 b0 v] [0:0/0/0 b0 v] [0:0/0/0 b0 v] | "
           "id=2 type=1 [0:1/10/2 b0 v] [0:0/0/0 b0 v] [0:0/0/0 b0 v] [0:0/0/0 b0 v]";

    QTest::newRow("no occupancy or master row")
        << Setup([](int) {}) << occupationMaster << "room=%1 occ=0:0/0/0 s0 master=0/0/0 s0";
    QTest::newRow("values cut to 8 bits, master missing")
        << Setup([](int room) { QVERIFY(addOccupation(room, 1, 257, 3, 261, 2)); }) << occupationMaster
        << "room=%1 occ=1:1/3/5 s2 master=0/0/0 s0";
    QTest::newRow("the lowest id is the room's row") << Setup([](int room) {
        QVERIFY(insertRow("tbl_occupation",
                          {{"id", 9}, {"occupation_type", 0}, {"subnet_id", 9}, {"device_id", 9}, {"room_id", room}}));
        QVERIFY(insertRow("tbl_occupation",
                          {{"id", 4}, {"occupation_type", 1}, {"subnet_id", 4}, {"device_id", 4}, {"room_id", room}}));
        QVERIFY(insertRow("tbl_master", {{"id", 7}, {"subnet_id", 7}, {"device_id", 7}, {"room_id", room}}));
        QVERIFY(insertRow("tbl_master",
                          {{"id", 3}, {"subnet_id", 3}, {"device_id", 3}, {"channel", 1}, {"room_id", room}}));
    }) << occupationMaster << "room=%1 occ=1:4/4/0 s0 master=3/3/1 s0";
}

void TestDeviceRecordLoaders::loads()
{
    QFETCH(Setup, setup);
    QFETCH(Describe, describe);
    QFETCH(QString, expected);
    setup(roomId);
    if (expected.contains("%1"))
        expected = expected.arg(roomId);
    QCOMPARE(describe(roomId), expected);
}

void TestDeviceRecordLoaders::airConditionerFieldsAndRoom()
{
    AirConditionerRow row = acRow(1, 0, 22);
    row.remark = "Bedroom AC";
    row.status = 1;
    row.mode = 3;
    row.speed = 2;
    row.temperature = 19;
    row.temperatureUnit = 1;
    row.function = "cool,heat";
    row.roomTemperature = 77;
    row.roomTemperatureType = 1;
    row.originalType = 0x1234;
    row.version = "v2.1";
    row.subnet = 3;
    row.device = 31;
    row.channel = 2;
    QVERIFY(addAirConditioner(roomId, row));
    const QList<airConditionerRecord> records = loadAirConditionerRecords(roomId);
    QCOMPARE(records.size(), 1);
    const airConditionerRecord &ac = records.first();
    QCOMPARE(QByteArray(ac.remark), QByteArray("Bedroom AC"));
    QCOMPARE(ac.status, 1);
    QCOMPARE(ac.mode, 3);
    QCOMPARE(ac.speed, 2);
    QCOMPARE(ac.current_temperature, 19);
    QCOMPARE(ac.temperature_unit, 1);
    QCOMPARE(QByteArray(ac.function), QByteArray("cool,heat"));
    QCOMPARE(ac.room_temperature, 77);
    QCOMPARE(ac.room_temperature_type, 1);
    QCOMPARE(ac.original_type, 0x1234);
    QCOMPARE(QByteArray(ac.version), QByteArray("v2.1"));
    QCOMPARE(ac.subnet_id, 3);
    QCOMPARE(ac.device_id, 31);
    QCOMPARE(ac.channel, 2);
    QCOMPARE(ac.room_id, roomId);
    // Runtime fields start at zero.
    for (int i = 0; i < 4; ++i)
        QCOMPARE(ac.modeSupported[i], 0);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(ac.speedSupported[i], 0);
}

void TestDeviceRecordLoaders::moodsInOrderWithEveryField()
{
    QVERIFY(addMood(roomId, 2, "Evening", "mood_02", {0, 1, 0, 1, 0, 1, 0, 1}));
    QVERIFY(addMood(roomId, 1, "Morning", "mood_01", {1, 0, 1, 0, 1, 0, 1, 0}));
    QVERIFY(addMood(roomId + 1, 1, "Elsewhere"));
    const QList<moodRecord> moods = loadMoodRecords(roomId);
    QCOMPARE(moods.size(), 2);
    QCOMPARE(moods[0].mood_id, 1);
    QCOMPARE(QByteArray(moods[0].mood_name), QByteArray("Morning"));
    QCOMPARE(QByteArray(moods[0].mood_icon_name), QByteArray("mood_01"));
    const moodRecord &m = moods[1];
    QCOMPARE(m.mood_id, 2);
    QCOMPARE(m.room_id, roomId);
    const QList<int> flags = {m.light_bool,       m.ac1_bool,     m.ac2_bool,   m.floor_heat1_bool,
                              m.floor_heat2_bool, m.curtain_bool, m.audio_bool, m.diy_bool};
    QCOMPARE(flags, QList<int>({0, 1, 0, 1, 0, 1, 0, 1}));
}

void TestDeviceRecordLoaders::textsCutAtACharacterBoundary()
{
    // 126 bytes of ASCII then a two-byte character: the character does not fit in 127 bytes and is left out whole.
    const QString longRemark = QString(126, QLatin1Char('a')) + QString::fromUtf8("\xC3\xA9"
                                                                                  "bc");
    LightRow row = lightRow(1, 1, 0, 1, 10, 1, 0);
    row.remark = longRemark;
    row.iconOn = QString(62, QLatin1Char('x')) + QString::fromUtf8("\xE2\x82\xAC"); // 65 bytes, field 63
    row.version = QString(70, QLatin1Char('v'));
    QVERIFY(addLight(roomId, row));
    const QList<lightRecord> records = loadLightRecords(roomId);
    QCOMPARE(records.size(), 1);
    const lightRecord &l = records.first();
    QCOMPARE(QByteArray(l.light_remark), QByteArray(126, 'a'));
    QCOMPARE(l.light_remark[126], '\0');
    QCOMPARE(QByteArray(l.icon_name_of_light_on), QByteArray(62, 'x'));
    QCOMPARE(QByteArray(l.version[0]), QByteArray(63, 'v'));
    QCOMPARE(l.version[0][63], '\0');

    QVERIFY(addMood(roomId, 1, QString(200, QChar(0x00E9))));
    const QList<moodRecord> moods = loadMoodRecords(roomId);
    QCOMPARE(moods.size(), 1);
    // 63 two-byte characters fill 126 bytes; the 64th would end past the capacity.
    QCOMPARE(QString::fromUtf8(moods.first().mood_name), QString(63, QChar(0x00E9)));
}

void TestDeviceRecordLoaders::packedFormsRoundTrip()
{
    QCOMPARE(packHsbBrightness(50, 80, 240), 50 * 65536 + 80 * 256 + 240);
    QCOMPARE(packDt8Brightness(50, 20), 50 * 256 + 20);
}

QTEST_MAIN(TestDeviceRecordLoaders)
#include "tst_devicerecordloaders.moc"
