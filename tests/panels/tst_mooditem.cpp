// The mood card: a press plays the stored mood, and a recording device on loopback checks every frame it sends,
// in order, with the pauses between them (the pause seam stands in for the 50 ms sleeps); the snapshot readers;
// the card's picture.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/projectlist.h"
#include "devicelink/broadcastsocket.h"
#include "panels/mooditem.h"
#include "panels/moodplayback.h"
#include "resources/stationresources.h"
#include "tests/panels/panelbus.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/projectfixture.h"
#include "tests/support/testenv.h"

#include <QElapsedTimer>
#include <QtTest>

#include <cstring>

using namespace projectfixture;

namespace {

// "L<length byte> <subnet>/<device> <opcode>:<payload>" of a station frame.
QString describe(const quint8 *frame)
{
    const int length = frame[16];
    const QByteArray payload(reinterpret_cast<const char *>(frame) + 25, qMax(0, length - 11));
    return QString::asprintf("L%d %d/%d %04X:", length, frame[23], frame[24], frame[21] * 256 + frame[22]) +
           QString::fromLatin1(payload.toHex());
}

// Every station frame the device heard, in order, without the probes of panelbus::settle (to 250/250).
QStringList heard(const SimulatedDevice &device)
{
    QStringList frames;
    for (const SimulatedDevice::Datagram &d : device.received) {
        const QByteArray &f = d.data;
        if (f.size() < 27 || quint8(f.at(19)) != 0xCC || quint8(f.at(20)) != 0xC2)
            continue;
        if (quint8(f.at(23)) == 250 && quint8(f.at(24)) == 250)
            continue;
        frames << describe(reinterpret_cast<const quint8 *>(f.constData()));
    }
    return frames;
}

bool addLightSnapshot(int moodId, int roomId, int lightId, int type, int subnet, int device, int channel,
                      int brightness, int rgb = 0, int usId = 0, const QString &remark = QStringLiteral("Lamp"))
{
    return insertRow("tbl_mood_light_status", {{"mood_id", moodId},
                                               {"light_id", lightId},
                                               {"light_type", type},
                                               {"light_remark", remark},
                                               {"subnet_id", subnet},
                                               {"device_id", device},
                                               {"channel", channel},
                                               {"icon_name_of_light_on", "light_01_on"},
                                               {"icon_name_of_light_off", "light_01_off"},
                                               {"brightness", brightness},
                                               {"us_id", usId},
                                               {"fade", 0},
                                               {"rgb", rgb},
                                               {"original_type", 0x0260},
                                               {"room_id", roomId}});
}

struct AcSnapshot
{
    int number = 0;
    int type = 0;
    int subnet = 1;
    int device = 60;
    int channel = 1;
    int status = 1;
    int mode = 0;
    int speed = 0;
    int temperature = 0;
    int cool = 24;
    int heat = 24;
    int autoPoint = 24;
    int dry = 24;
    QString remark = QStringLiteral("AC");
};

bool addAcSnapshot(int moodId, int roomId, const AcSnapshot &s)
{
    return insertRow("tbl_mood_air_conditioner_status", {{"mood_id", moodId},
                                                         {"air_conditioner_no", s.number},
                                                         {"air_conditioner_type", s.type},
                                                         {"remark", s.remark},
                                                         {"subnet_id", s.subnet},
                                                         {"device_id", s.device},
                                                         {"channel", s.channel},
                                                         {"status", s.status},
                                                         {"mode", s.mode},
                                                         {"speed", s.speed},
                                                         {"current_temperature", s.temperature},
                                                         {"current_cool_temperature", s.cool},
                                                         {"current_heat_temperature", s.heat},
                                                         {"current_auto_temperature", s.autoPoint},
                                                         {"current_dry_temperature", s.dry},
                                                         {"temperature_unit", 0},
                                                         {"original_type", 0},
                                                         {"room_id", roomId}});
}

bool addCommand(int moodId, int roomId, int commandId, int subnet, int device, int type, QList<int> prm)
{
    return insertRow("tbl_mood_command", {{"command_id", commandId},
                                          {"mood_id", moodId},
                                          {"subnet_id", subnet},
                                          {"device_id", device},
                                          {"command_type", type},
                                          {"prm1", prm.value(0)},
                                          {"prm2", prm.value(1)},
                                          {"prm3", prm.value(2)},
                                          {"prm4", prm.value(3)},
                                          {"room_id", roomId}});
}

moodRecord moodWith(int moodId, int roomId, QList<int> flags)
{
    moodRecord mood;
    std::memset(&mood, 0, sizeof mood);
    mood.mood_id = moodId;
    mood.room_id = roomId;
    mood.light_bool = flags.value(0);
    mood.ac1_bool = flags.value(1);
    mood.ac2_bool = flags.value(2);
    mood.floor_heat1_bool = flags.value(3);
    mood.floor_heat2_bool = flags.value(4);
    mood.curtain_bool = flags.value(5);
    mood.audio_bool = flags.value(6);
    mood.diy_bool = flags.value(7);
    return mood;
}

} // namespace

class TestMoodItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pressPlaysTheWholeMood();
    void nothingFlaggedOnlyReports();
    void airConditioners_data();
    void airConditioners();
    void freeCommands_data();
    void freeCommands();
    void realPausesStillSendEverything();
    void snapshotTextsCutAtCharacters();
    void pictures_data();
    void pictures();
    void paintsPhotoUnderTheName();

private:
    // What the pause seam saw: the frame last sent at each pause.
    QStringList pauses;
    QTemporaryDir home;
    SimulatedDevice *recorder = nullptr;
    int roomId = 0;
};

void TestMoodItem::initTestCase()
{
    testenv::useFreshHome(home);
    gAppDirPath = home.path();
    QVERIFY(QDir(home.path()).mkpath("database"));
    QVERIFY(createProjectXml());
    QString project;
    QVERIFY(getCurrentProjectName(project));
    QVERIFY(QDir(home.path()).mkpath("database/" + project));
    initStationResources();
}

void TestMoodItem::init()
{
    REQUIRE_PRIVATE_NETWORK();
    QVERIFY(panelbus::open());
    openFreshDatabase(QDir(home.path()).filePath("moods.db3"));
    roomId = addPlace("North", "Ground", "101").roomId;
    recorder = panelbus::addDevice(1, 99, nullptr);
    recorder->answers = false;
    pauses.clear();
    setMoodPauseHook([this](int milliseconds) {
        QCOMPARE(milliseconds, 50);
        pauses << describe(gBroadcastSocket.packetData());
    });
}

void TestMoodItem::cleanup()
{
    setMoodPauseHook({});
    delete recorder;
    recorder = nullptr;
}

void TestMoodItem::pressPlaysTheWholeMood()
{
    // Lights: on/off; RGB with its blue row missing and a white row without subnet; HSB RGB; a scene light at
    // level 0; DALI DT8; an unassigned type.
    QVERIFY(addLightSnapshot(3, roomId, 1, 0, 1, 50, 3, 100));
    QVERIFY(addLightSnapshot(3, roomId, 2, 2, 1, 51, 1, 10, 1));
    QVERIFY(addLightSnapshot(3, roomId, 2, 2, 1, 51, 2, 20, 2));
    QVERIFY(addLightSnapshot(3, roomId, 2, 2, 0, 51, 4, 40, 4));
    QVERIFY(addLightSnapshot(3, roomId, 3, 6, 1, 52, 2, (50 << 16) | (80 << 8) | 240));
    QVERIFY(addLightSnapshot(3, roomId, 4, 7, 1, 53, 4, 0, 0, 7));
    QVERIFY(addLightSnapshot(3, roomId, 5, 8, 1, 54, 1, 50 * 256 + 20));
    QVERIFY(addLightSnapshot(3, roomId, 6, 3, 1, 55, 1, 100));
    // Air conditioners, with only the second one's flag set: both play. A two-way unit keeps a set point of 31;
    // an infra-red unit on channel 2 plays 16 as 26.
    AcSnapshot twoWay;
    twoWay.number = 0;
    twoWay.mode = 1;
    twoWay.speed = 2;
    twoWay.cool = 31;
    twoWay.heat = 22;
    twoWay.autoPoint = 23;
    twoWay.dry = 24;
    QVERIFY(addAcSnapshot(3, roomId, twoWay));
    AcSnapshot infrared;
    infrared.number = 1;
    infrared.type = 1;
    infrared.device = 61;
    infrared.channel = 2;
    infrared.mode = 0;
    infrared.speed = 3;
    infrared.cool = 16;
    QVERIFY(addAcSnapshot(3, roomId, infrared));
    // Floor heatings on channels 1 and 2.
    AcSnapshot heating1;
    heating1.number = 2;
    heating1.device = 62;
    heating1.temperature = 28;
    QVERIFY(addAcSnapshot(3, roomId, heating1));
    AcSnapshot heating2 = heating1;
    heating2.number = 3;
    heating2.channel = 2;
    heating2.status = 0;
    heating2.temperature = 25;
    QVERIFY(addAcSnapshot(3, roomId, heating2));
    // Free commands, stored out of order.
    QVERIFY(addCommand(3, roomId, 3, 1, 71, 115, {5, 6, 7, 8}));
    QVERIFY(addCommand(3, roomId, 1, 1, 70, 112, {1, 2, 3, 4}));
    QVERIFY(addCommand(3, roomId, 4, 1, 72, 85, {9, 10, 11, 12}));
    QVERIFY(addCommand(3, roomId, 2, 1, 73, 94, {1, 1, 1, 1}));
    // Rows of another mood and of another room are not played.
    QVERIFY(addLightSnapshot(4, roomId, 1, 0, 1, 50, 1, 100));
    QVERIFY(addCommand(3, roomId + 1, 1, 1, 70, 85, {1, 1, 1, 1}));
    QVERIFY(addMood(roomId, 3, "Evening", "moods_5", {1, 0, 1, 1, 0, 1, 1, 1}));

    MoodItem card(moodWith(3, roomId, {1, 0, 1, 1, 0, 1, 1, 1}), nullptr);
    QCOMPARE(card.size(), QSize(500, 320));
    card.show();
    QVERIFY(QTest::qWaitForWindowExposed(&card));
    QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    // Any button plays.
    QTest::mousePress(&card, Qt::RightButton);
    QCOMPARE(toast.size(), 1);
    QCOMPARE(toast.first().at(0).toString(), QString("Send successfully"));

    const QStringList frames = {
        // lights
        "L15 1/50 0031:03640000",
        "L15 1/51 0031:010a0000",
        "L15 1/51 0031:02140000",
        "L15 0/0 0031:00000000",
        "L16 1/52 2034:02325000f0",
        "L13 1/53 0002:0400",
        "L15 1/54 0031:01320000",
        "L15 1/54 0031:65140000",
        // air conditioners: two-way on channel 1, then infra-red keys power, mode, fan, set point
        "L19 1/60 E0EE:011f120116171800",
        "L13 1/61 E01C:6fff",
        "L13 1/61 E01C:70ff",
        "L13 1/61 E01C:71ff",
        "L13 1/61 E01C:7eff",
        // floor heatings
        "L16 1/62 E3D8:1401000001",
        "L16 1/62 E3D8:181c000001",
        "L14 1/62 E3D8:231400",
        "L14 1/62 E3D8:231819",
        // free commands
        "L16 1/70 201A:0101020304",
        "L16 1/71 202A:0506070800",
        "L15 1/72 0002:090a0b0c",
    };
    QVERIFY(panelbus::settle(*recorder));
    QCOMPARE(heard(*recorder), frames);

    // A pause after every frame, and one for every slot without a frame: the RGB light's white row, the
    // unassigned light type and the free command of type 94.
    QStringList expectedPauses = frames;
    expectedPauses.insert(expectedPauses.indexOf("L15 0/0 0031:00000000") + 1, "L15 0/0 0031:00000000");
    expectedPauses.insert(expectedPauses.indexOf("L15 1/54 0031:65140000") + 1, "L15 1/54 0031:65140000");
    expectedPauses.insert(expectedPauses.indexOf("L16 1/70 201A:0101020304") + 1, "L16 1/70 201A:0101020304");
    QCOMPARE(pauses, expectedPauses);

    // Every press plays anew, with what the database holds then.
    QVERIFY(gDatabase.execSql("delete from tbl_mood_command"));
    QVERIFY(gDatabase.execSql("delete from tbl_mood_air_conditioner_status"));
    QVERIFY(gDatabase.execSql("delete from tbl_mood_light_status where light_id<>1"));
    recorder->received.clear();
    QTest::mousePress(&card, Qt::LeftButton);
    QVERIFY(panelbus::settle(*recorder));
    QCOMPARE(heard(*recorder), QStringList({"L15 1/50 0031:03640000"}));
    QCOMPARE(toast.size(), 2);
}

void TestMoodItem::nothingFlaggedOnlyReports()
{
    QVERIFY(addLightSnapshot(1, roomId, 1, 0, 1, 50, 3, 100));
    QVERIFY(addCommand(1, roomId, 1, 1, 70, 85, {1, 2, 3, 4}));
    // Curtain and audio flags play nothing either.
    MoodItem card(moodWith(1, roomId, {0, 0, 0, 0, 0, 1, 1, 0}), nullptr);
    QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    card.play();
    QCOMPARE(toast.size(), 1);
    QCOMPARE(toast.first().at(0).toString(), QString("Send successfully"));
    QVERIFY(panelbus::settle(*recorder));
    QCOMPARE(heard(*recorder), QStringList());
    QVERIFY(pauses.isEmpty());
}

void TestMoodItem::airConditioners_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("cool");
    QTest::addColumn<QStringList>("frames");

    QTest::newRow("infra-red off: power key only") << 1 << 1 << 0 << 1 << 24 << QStringList({"E01C:0aff"});
    QTest::newRow("infra-red fan: power and mode") << 1 << 1 << 1 << 2 << 24 << QStringList({"E01C:0bff", "E01C:1fff"});
    QTest::newRow("infra-red dry: power and mode") << 1 << 2 << 1 << 4 << 24 << QStringList({"E01C:6fff", "E01C:97ff"});
    QTest::newRow("infra-red cool 31 plays 26")
        << 1 << 1 << 1 << 0 << 31 << QStringList({"E01C:0bff", "E01C:0cff", "E01C:10ff", "E01C:1aff"});
    QTest::newRow("other type: infra-red keys, 31 kept")
        << 2 << 1 << 1 << 0 << 31 << QStringList({"E01C:0bff", "E01C:0cff", "E01C:10ff", "E01C:1fff"});
    QTest::newRow("infra-red unit 3: key 0") << 1 << 3 << 1 << 2 << 24 << QStringList({"E01C:00ff", "E01C:00ff"});
    QTest::newRow("two-way channel 0: short form") << 0 << 0 << 0 << 0 << 16 << QStringList({"E0EE:0010000118181800"});
    QTest::newRow("two-way channel 3: channel index 2")
        << 0 << 3 << 1 << 3 << 20 << QStringList({"E0EE:020114300118181800"});
}

void TestMoodItem::airConditioners()
{
    QFETCH(int, type);
    QFETCH(int, channel);
    QFETCH(int, status);
    QFETCH(int, mode);
    QFETCH(int, cool);
    QFETCH(QStringList, frames);
    AcSnapshot s;
    s.type = type;
    s.channel = channel;
    s.status = status;
    s.mode = mode;
    s.cool = cool;
    QVERIFY(addAcSnapshot(2, roomId, s));
    // Only the first unit's flag: the stored row plays.
    MoodItem card(moodWith(2, roomId, {0, 1, 0, 0, 0, 0, 0, 0}), nullptr);
    card.play();
    QVERIFY(panelbus::settle(*recorder));
    QStringList payloads;
    for (const QString &frame : heard(*recorder))
        payloads << frame.section(' ', 2);
    QCOMPARE(payloads, frames);
    QCOMPARE(pauses.size(), frames.size());
}

void TestMoodItem::freeCommands_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("frame");

    QTest::newRow("85 scene") << 85 << "L15 2/9 0002:01020304";
    QTest::newRow("86 sequence") << 86 << "L15 2/9 001A:01020304";
    QTest::newRow("88 universal switch") << 88 << "L15 2/9 E01C:01020304";
    QTest::newRow("89 single channel") << 89 << "L15 2/9 0031:01020304";
    QTest::newRow("92 curtain") << 92 << "L15 2/9 E3E0:01020304";
    QTest::newRow("95 panel") << 95 << "L15 2/9 E3D8:01020304";
    QTest::newRow("102 security") << 102 << "L15 2/9 0104:01020304";
    QTest::newRow("103 audio") << 103 << "L15 2/9 0218:01020304";
    QTest::newRow("112 UPB channel") << 112 << "L16 2/9 201A:0101020304";
    QTest::newRow("113 UPB scene") << 113 << "L16 2/9 201A:0201020304";
    QTest::newRow("115 Modbus coil") << 115 << "L16 2/9 202A:0102030400";
    QTest::newRow("116 Modbus register") << 116 << "L16 2/9 202E:0102030400";
    QTest::newRow("121 Zigbee") << 121 << "L15 2/9 2034:01020304";
    QTest::newRow("0 invalid") << 0 << QString();
    QTest::newRow("94 SMS") << 94 << QString();
    QTest::newRow("117 dim up") << 117 << QString();
    QTest::newRow("118 dim down") << 118 << QString();
    QTest::newRow("84 unknown") << 84 << QString();
}

void TestMoodItem::freeCommands()
{
    QFETCH(int, type);
    QFETCH(QString, frame);
    // The address and parameters are bytes: 258 is stored as 2 on the bus.
    QVERIFY(addCommand(5, roomId, 1, 258, 9, type, {1, 2, 3, 4}));
    MoodItem card(moodWith(5, roomId, {0, 0, 0, 0, 0, 0, 0, 1}), nullptr);
    card.play();
    QVERIFY(panelbus::settle(*recorder));
    QCOMPARE(heard(*recorder), frame.isEmpty() ? QStringList() : QStringList({frame}));
    // A command without a frame still takes its pause.
    QCOMPARE(pauses.size(), 1);
}

void TestMoodItem::realPausesStillSendEverything()
{
    setMoodPauseHook({});
    QVERIFY(addLightSnapshot(6, roomId, 1, 8, 1, 54, 2, 30 * 256 + 90));
    QVERIFY(addCommand(6, roomId, 1, 1, 70, 89, {1, 100, 0, 0}));
    MoodItem card(moodWith(6, roomId, {1, 0, 0, 0, 0, 0, 0, 1}), nullptr);
    QElapsedTimer clock;
    clock.start();
    card.play();
    // Two light frames and one command, each followed by its 50 ms.
    QVERIFY(clock.elapsed() >= 150);
    QVERIFY(panelbus::settle(*recorder));
    QCOMPARE(heard(*recorder),
             QStringList({"L15 1/54 0031:021e0000", "L15 1/54 0031:665a0000", "L15 1/70 0031:01640000"}));
}

void TestMoodItem::snapshotTextsCutAtCharacters()
{
    // 100 two-byte characters do not fit into 127 bytes: the cut keeps 63 whole characters.
    const QString remark(100, QChar(0x00E9));
    QVERIFY(addLightSnapshot(7, roomId, 1, 0, 1, 50, 1, 100, 0, 0, remark));
    AcSnapshot s;
    s.remark = QString(50, QChar(0x20AC)); // three bytes each
    QVERIFY(addAcSnapshot(7, roomId, s));
    s.number = 2;
    QVERIFY(addAcSnapshot(7, roomId, s));

    const QList<lightRecord> lights = loadMoodLightRecords(7, roomId);
    QCOMPARE(lights.size(), 1);
    QCOMPARE(QString::fromUtf8(lights.first().light_remark), remark.left(63));
    QCOMPARE(QByteArray(lights.first().icon_name_of_light_on), QByteArray("light_01_on"));

    const QList<airConditionerRecord> acs = loadMoodAirConditionerRecords(7, roomId);
    const QList<airConditionerRecord> heatings = loadMoodFloorHeatingRecords(7, roomId);
    QCOMPARE(acs.size(), 1);
    QCOMPARE(heatings.size(), 1);
    for (const airConditionerRecord &record : {acs.first(), heatings.first()}) {
        QCOMPARE(int(qstrlen(record.remark)), 42 * 3);
        QCOMPARE(QString::fromUtf8(record.remark), s.remark.left(42));
    }
}

void TestMoodItem::pictures_data()
{
    QTest::addColumn<QString>("iconName");
    QTest::addColumn<bool>("photoExists");
    QTest::addColumn<QString>("path");

    QString project;
    getCurrentProjectName(project);
    const QString folder = home.path() + "/database/" + project + "/";
    QTest::newRow("built-in") << "moods_5" << false << ":/myImages/jpg/moods/moods_5.jpg";
    QTest::newRow("built-in with extension") << "moods_23.jpg" << false << ":/myImages/jpg/moods/moods_23.jpg";
    QTest::newRow("photo") << "photo_Mood_3" << true << folder + "photo_Mood_3.png";
    QTest::newRow("missing photo") << "photo_Mood_3" << false << QString();
}

void TestMoodItem::pictures()
{
    QFETCH(QString, iconName);
    QFETCH(bool, photoExists);
    QFETCH(QString, path);
    QString project;
    QVERIFY(getCurrentProjectName(project));
    const QString photo = home.path() + "/database/" + project + "/photo_Mood_3.png";
    QFile::remove(photo);
    if (photoExists) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(photo));
    }
    moodRecord mood = moodWith(3, roomId, {});
    copyRecordText(mood.mood_icon_name, iconName);
    MoodItem card(mood, nullptr);
    QCOMPARE(card.picturePath(), path);
    if (!path.isEmpty())
        QVERIFY(!QPixmap(path).isNull());
}

void TestMoodItem::paintsPhotoUnderTheName()
{
    QString project;
    QVERIFY(getCurrentProjectName(project));
    const QString photo = home.path() + "/database/" + project + "/photo_Mood_8.png";
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(photo));
    moodRecord mood = moodWith(8, roomId, {});
    copyRecordText(mood.mood_icon_name, QString("photo_Mood_8"));
    copyRecordText(mood.mood_name, QString("Reading"));
    MoodItem card(mood, nullptr);
    QImage shown = card.grab().toImage();
    // The picture fills the card inside its rounded corners.
    QCOMPARE(shown.pixelColor(250, 20), QColor(Qt::red));
    QCOMPARE(shown.pixelColor(480, 300), QColor(Qt::red));

    QFile::remove(photo);
    shown = card.grab().toImage();
    QVERIFY(shown.pixelColor(250, 20) != QColor(Qt::red));
}

QTEST_MAIN(TestMoodItem)
#include "tst_mooditem.moc"
