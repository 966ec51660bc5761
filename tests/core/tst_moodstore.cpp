// The stored moods on a fresh project database: the mood rows, their snapshots and commands, saving and deleting a
// mood as one step, and the command vocabularies; with the store refusing a step, nothing of a write remains.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/moodstore.h"
#include "core/queryhelpers.h"
#include "tests/support/projectfixture.h"
#include "tests/support/testenv.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char *const moodTables[] = {"tbl_mood", "tbl_mood_light_status", "tbl_mood_air_conditioner_status",
                                  "tbl_mood_command"};

// Every row of the mood tables, every column but the row id, in a stable order.
QStringList moodTableRows()
{
    QStringList rows;
    for (const char *table : moodTables) {
        QSqlQuery query = gDatabase.querySql(QString("select * from %1 order by id").arg(table));
        while (query.next()) {
            QStringList values;
            for (int column = 1; column < query.record().count(); ++column)
                values << query.record().fieldName(column) + "=" + query.value(column).toString();
            rows << QString(table) + ": " + values.join(',');
        }
    }
    return rows;
}

bool addCommand(int moodId, int roomId, int commandId, int type = 85)
{
    return gDatabase.execSql("insert into tbl_mood_command(command_id,mood_id,subnet_id,device_id,command_type,prm1,"
                             "prm2,prm3,prm4,room_id) values(?,?,1,20,?,1,2,3,4,?)",
                             {commandId, moodId, type, roomId});
}

bool addLightSnapshot(int moodId, int roomId, int lightId, int rgb, int brightness)
{
    return projectfixture::insertRow("tbl_mood_light_status", {{"mood_id", moodId},
                                                               {"light_id", lightId},
                                                               {"light_type", rgb > 0 ? 2 : 1},
                                                               {"light_remark", "Bar 'A' 100%"},
                                                               {"subnet_id", 1},
                                                               {"device_id", 10 + rgb},
                                                               {"channel", rgb + 1},
                                                               {"brightness", brightness},
                                                               {"rgb", rgb},
                                                               {"room_id", roomId}});
}

bool addClimateSnapshot(int moodId, int roomId, int number)
{
    return projectfixture::insertRow("tbl_mood_air_conditioner_status", {{"mood_id", moodId},
                                                                         {"air_conditioner_no", number},
                                                                         {"air_conditioner_type", 1},
                                                                         {"remark", "Lobby's"},
                                                                         {"subnet_id", 1},
                                                                         {"device_id", 30 + number},
                                                                         {"channel", 1},
                                                                         {"status", 1},
                                                                         {"current_cool_temperature", 20 + number},
                                                                         {"room_id", roomId}});
}

bool refuse(const QString &when, const QString &table)
{
    return gDatabase.execSql(
        QString("create trigger refuse %1 on %2 begin select raise(abort, 'refused'); end").arg(when, table));
}

MoodCommandRow command(int commandId, int type, int prm1)
{
    MoodCommandRow row;
    row.commandId = commandId;
    row.subnetId = 1;
    row.deviceId = 20 + commandId;
    row.commandType = type;
    row.prm1 = prm1;
    row.prm2 = 100;
    row.prm3 = 0;
    row.prm4 = 255;
    return row;
}

} // namespace

Q_DECLARE_METATYPE(CommandVocabulary)

class TestMoodStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void roomMoodsAreReadByMoodId();
    void failedReadIsToldFromNoRows();
    void saveCopiesTheRoomsDevices();
    void saveAgainReplacesTheMood();
    void refusedSaveStepKeepsEverything_data();
    void refusedSaveStepKeepsEverything();
    void deleteRemovesOneMoodOnly();
    void refusedDeleteKeepsEverything();
    void snapshotsAreReadByMood();
    void commandsAreReplacedAsAWhole();
    void refusedCommandKeepsTheOldList();
    void commandsOfUnsavedMoodGo_data();
    void commandsOfUnsavedMoodGo();
    void commandTypes();
    void vocabularyLists_data();
    void vocabularyLists();

private:
    QTemporaryDir m_home;
    int roomId = 0;
    int otherRoomId = 0;
};

void TestMoodStore::initTestCase()
{
    testenv::useFreshHome(m_home);
}

void TestMoodStore::init()
{
    projectfixture::openFreshDatabase(m_home.filePath("moods.db3"));
    roomId = projectfixture::addPlace("North", "Ground", "101").roomId;
    otherRoomId = projectfixture::addPlace("South", "First", "201").roomId;
    QVERIFY(roomId > 0 && otherRoomId > 0);
}

void TestMoodStore::cleanup()
{
    gDatabase.close();
}

void TestMoodStore::roomMoodsAreReadByMoodId()
{
    QVERIFY(projectfixture::addMood(roomId, 9, "Late 'night' 100%", "photo_Mood_9", {0, 1, 0, 1, 0, 1, 0, 1}));
    QVERIFY(projectfixture::addMood(roomId, 3, "Morning", "moods_2", {1, 0, 1, 0, 1, 0, 1, 0}));
    QVERIFY(projectfixture::addMood(otherRoomId, 5, "Elsewhere"));

    QString error;
    const QList<StoredMood> moods = loadRoomMoods(roomId, &error);
    QCOMPARE(error, QString());
    QCOMPARE(moods.size(), 2);
    const StoredMood &first = moods.at(0);
    QCOMPARE(first.moodId, 3);
    QCOMPARE(first.name, QString("Morning"));
    QCOMPARE(first.iconName, QString("moods_2"));
    QCOMPARE((QList<int>{first.light, first.ac1, first.ac2, first.floorHeat1, first.floorHeat2, first.curtain,
                         first.audio, first.diy}),
             (QList<int>{1, 0, 1, 0, 1, 0, 1, 0}));
    QCOMPARE(first.roomId, roomId);
    const StoredMood &second = moods.at(1);
    QCOMPARE(second.moodId, 9);
    QCOMPARE(second.name, QString("Late 'night' 100%"));
    QCOMPARE((QList<int>{second.light, second.ac1, second.ac2, second.floorHeat1, second.floorHeat2, second.curtain,
                         second.audio, second.diy}),
             (QList<int>{0, 1, 0, 1, 0, 1, 0, 1}));

    QVERIFY(roomHasMoods(roomId));
    QVERIFY(roomHasMoods(otherRoomId));
    QVERIFY(!roomHasMoods(roomId + otherRoomId, &error));
    QCOMPARE(error, QString());

    StoredMood mood;
    QVERIFY(loadMood(9, roomId, mood, &error));
    QCOMPARE(mood.name, QString("Late 'night' 100%"));
    QCOMPARE(mood.iconName, QString("photo_Mood_9"));
    // The mood of another room is not this room's.
    QVERIFY(!loadMood(5, roomId, mood, &error));
    QCOMPARE(error, QString());
    QCOMPARE(mood.moodId, 9);
}

void TestMoodStore::failedReadIsToldFromNoRows()
{
    QVERIFY(gDatabase.execSql("drop table tbl_mood"));
    QString error;
    QVERIFY(loadRoomMoods(roomId, &error).isEmpty());
    QVERIFY(error.contains("tbl_mood"));
    error.clear();
    QVERIFY(!roomHasMoods(roomId, &error));
    QVERIFY(!error.isEmpty());
    error.clear();
    StoredMood mood;
    QVERIFY(!loadMood(1, roomId, mood, &error));
    QVERIFY(!error.isEmpty());

    QVERIFY(gDatabase.execSql("drop table tbl_mood_command"));
    error.clear();
    QVERIFY(readMoodCommands(1, roomId, &error).isEmpty());
    QVERIFY(error.contains("tbl_mood_command"));
}

void TestMoodStore::saveCopiesTheRoomsDevices()
{
    using namespace projectfixture;
    // An RGB light whose third row has no address, a light without one, an addressed dimmer, another room's light.
    LightRow light;
    light.type = 2;
    light.remark = "Bar 'A' 100% %s";
    for (int rgb = 1; rgb <= 4; ++rgb) {
        light.rgb = rgb;
        light.channel = rgb;
        light.brightness = 20 * rgb;
        light.subnet = rgb == 3 ? 0 : 1;
        QVERIFY(addLight(roomId, light));
    }
    LightRow unaddressed;
    unaddressed.lightId = 2;
    unaddressed.device = 0;
    QVERIFY(addLight(roomId, unaddressed));
    LightRow dimmer;
    dimmer.lightId = 3;
    dimmer.brightness = 55;
    QVERIFY(addLight(roomId, dimmer));
    QVERIFY(addLight(otherRoomId, dimmer));
    for (int number = 0; number < 4; ++number) {
        AirConditionerRow climate;
        climate.number = number;
        climate.coolTemperature = 20 + number;
        QVERIFY(addAirConditioner(roomId, climate));
    }

    MoodForm form;
    form.name = "Dinner for 2 '%s'";
    form.iconName = "moods_4";
    form.light = 1;
    form.ac2 = 1;
    form.floorHeat1 = 1;
    QString error;
    QVERIFY(saveMood(7, roomId, false, form, {command(2, 89, 1), command(1, 85, 3)}, &error));
    QCOMPARE(error, QString());

    StoredMood mood;
    QVERIFY(loadMood(7, roomId, mood));
    QCOMPARE(mood.name, form.name);
    QCOMPARE(mood.iconName, QString("moods_4"));
    QCOMPARE((QList<int>{mood.light, mood.ac1, mood.ac2, mood.floorHeat1, mood.floorHeat2, mood.curtain, mood.audio,
                         mood.diy}),
             (QList<int>{1, 0, 1, 1, 0, 0, 0, 1}));

    const QList<LightChannelRow> lights = loadMoodLightRows(7, roomId);
    QCOMPARE(lights.size(), 2);
    QCOMPARE(lights.at(0).lightId, 1);
    QCOMPARE(lights.at(0).remark, QString("Bar 'A' 100% %s"));
    QCOMPARE(lights.at(0).brightness, 20);
    QCOMPARE(lights.at(1).lightId, 3);
    QCOMPARE(lights.at(1).brightness, 55);
    QCOMPARE(projectfixture::rowCount("tbl_mood_light_status", "mood_id=7 and room_id=?", {roomId}), 4);
    LightChannelRow channel;
    QVERIFY(loadMoodLightChannelRow(7, roomId, 1, 4, channel));
    QCOMPARE(channel.brightness, 80);
    QVERIFY(!loadMoodLightChannelRow(7, roomId, 1, 3, channel));

    QList<ClimateRow> climates = loadMoodClimateRows(7, roomId, 0, 1);
    QCOMPARE(climates.size(), 1);
    QCOMPARE(climates.at(0).number, 1);
    QCOMPARE(climates.at(0).coolSetPoint, 21);
    climates = loadMoodClimateRows(7, roomId, 2, 3);
    QCOMPARE(climates.size(), 1);
    QCOMPARE(climates.at(0).number, 2);

    // The commands in the order given, not by their numbers.
    QCOMPARE(projectfixture::value("select command_id from tbl_mood_command order by id", {}, "command_id"),
             QVariant(2));
    QCOMPARE(readMoodCommands(7, roomId).size(), 2);
}

void TestMoodStore::saveAgainReplacesTheMood()
{
    projectfixture::LightRow dimmer;
    QVERIFY(projectfixture::addLight(roomId, dimmer));
    projectfixture::AirConditionerRow climate;
    QVERIFY(projectfixture::addAirConditioner(roomId, climate));
    MoodForm form;
    form.name = "Evening";
    form.light = 1;
    form.ac1 = 1;
    QVERIFY(saveMood(7, roomId, false, form, {command(1, 85, 1)}));
    QVERIFY(gDatabase.execSql("update tbl_light set brightness=77"));

    form.name = "Evening 2";
    form.ac1 = 0;
    QVERIFY(saveMood(7, roomId, true, form, {}));
    QCOMPARE(projectfixture::rowCount("tbl_mood"), 1);
    const QList<StoredMood> moods = loadRoomMoods(roomId);
    QCOMPARE(moods.size(), 1);
    QCOMPARE(moods.at(0).name, QString("Evening 2"));
    QCOMPARE(moods.at(0).ac1, 0);
    QCOMPARE(moods.at(0).diy, 0);
    const QList<LightChannelRow> lights = loadMoodLightRows(7, roomId);
    QCOMPARE(lights.size(), 1);
    QCOMPARE(lights.at(0).brightness, 77);
    QCOMPARE(projectfixture::rowCount("tbl_mood_air_conditioner_status"), 0);
    QCOMPARE(projectfixture::rowCount("tbl_mood_command"), 0);
}

void TestMoodStore::refusedSaveStepKeepsEverything_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("table");
    QTest::newRow("mood row") << "before update"
                              << "tbl_mood";
    QTest::newRow("old light snapshot") << "before delete"
                                        << "tbl_mood_light_status";
    QTest::newRow("light snapshot") << "before insert"
                                    << "tbl_mood_light_status";
    QTest::newRow("climate snapshot") << "before insert"
                                      << "tbl_mood_air_conditioner_status";
    QTest::newRow("old commands") << "before delete"
                                  << "tbl_mood_command";
    QTest::newRow("commands") << "before insert"
                              << "tbl_mood_command";
}

void TestMoodStore::refusedSaveStepKeepsEverything()
{
    QFETCH(QString, when);
    QFETCH(QString, table);
    projectfixture::LightRow dimmer;
    QVERIFY(projectfixture::addLight(roomId, dimmer));
    projectfixture::AirConditionerRow climate;
    climate.number = 3;
    QVERIFY(projectfixture::addAirConditioner(roomId, climate));
    QVERIFY(projectfixture::addMood(roomId, 5, "Before", "moods_2", {1, 0, 0, 0, 0, 0, 0, 1}));
    QVERIFY(addLightSnapshot(5, roomId, 1, 0, 33));
    QVERIFY(addClimateSnapshot(5, roomId, 3));
    QVERIFY(addCommand(5, roomId, 1));
    const QStringList before = moodTableRows();
    QVERIFY(refuse(when, table));

    MoodForm form;
    form.name = "After";
    form.light = 1;
    form.floorHeat2 = 1;
    QString error;
    QVERIFY(!saveMood(5, roomId, true, form, {command(1, 89, 2), command(2, 85, 1)}, &error));
    QVERIFY2(error.contains("refused"), qPrintable(error));
    QCOMPARE(moodTableRows(), before);
    QCOMPARE(gDatabase.transactionDepth(), 0);
}

void TestMoodStore::deleteRemovesOneMoodOnly()
{
    for (int room : {roomId, otherRoomId}) {
        for (int mood : {4, 6}) {
            QVERIFY(projectfixture::addMood(room, mood, "Mood"));
            QVERIFY(addLightSnapshot(mood, room, 1, 0, 10));
            QVERIFY(addClimateSnapshot(mood, room, 0));
            QVERIFY(addCommand(mood, room, 1));
        }
    }
    QString error;
    QVERIFY(deleteMood(4, roomId, &error));
    QCOMPARE(error, QString());
    for (const char *table : moodTables) {
        QCOMPARE(projectfixture::rowCount(table, "mood_id=4 and room_id=?", {roomId}), 0);
        QCOMPARE(projectfixture::rowCount(table), 3);
    }
    // Deleting what is not there is no failure.
    QVERIFY(deleteMood(4, roomId));
}

void TestMoodStore::refusedDeleteKeepsEverything()
{
    QVERIFY(projectfixture::addMood(roomId, 4, "Mood"));
    QVERIFY(addLightSnapshot(4, roomId, 1, 0, 10));
    QVERIFY(addClimateSnapshot(4, roomId, 0));
    QVERIFY(addCommand(4, roomId, 1));
    const QStringList before = moodTableRows();
    // The last of the four steps.
    QVERIFY(refuse("before delete", "tbl_mood_command"));
    QString error;
    QVERIFY(!deleteMood(4, roomId, &error));
    QVERIFY(error.contains("refused"));
    QCOMPARE(moodTableRows(), before);
}

void TestMoodStore::snapshotsAreReadByMood()
{
    // An RGB light stored out of order with its channel rows, a dimmer, and rows of another mood and room.
    QVERIFY(addLightSnapshot(7, roomId, 5, 0, 40));
    QVERIFY(addLightSnapshot(7, roomId, 2, 2, 12));
    QVERIFY(addLightSnapshot(7, roomId, 2, 1, 11));
    QVERIFY(addLightSnapshot(8, roomId, 1, 0, 90));
    QVERIFY(addLightSnapshot(7, otherRoomId, 1, 0, 90));
    for (int number : {3, 1, 2, 0})
        QVERIFY(addClimateSnapshot(7, roomId, number));
    QVERIFY(addClimateSnapshot(8, roomId, 0));

    QString error;
    const QList<LightChannelRow> lights = loadMoodLightRows(7, roomId, &error);
    QCOMPARE(error, QString());
    QCOMPARE(lights.size(), 2);
    QCOMPARE(lights.at(0).lightId, 2);
    QCOMPARE(lights.at(0).rgb, 1);
    QCOMPARE(lights.at(0).lightType, 2);
    QCOMPARE(lights.at(0).remark, QString("Bar 'A' 100%"));
    QCOMPARE(lights.at(0).deviceId, 11);
    QCOMPARE(lights.at(0).channel, 2);
    QCOMPARE(lights.at(0).roomId, roomId);
    QCOMPARE(lights.at(1).lightId, 5);
    QCOMPARE(lights.at(1).brightness, 40);
    LightChannelRow row;
    QVERIFY(loadMoodLightChannelRow(7, roomId, 2, 2, row));
    QCOMPARE(row.brightness, 12);
    QVERIFY(!loadMoodLightChannelRow(7, roomId, 2, 3, row));
    QVERIFY(!loadMoodLightChannelRow(7, otherRoomId, 2, 2, row));

    const QList<ClimateRow> climates = loadMoodClimateRows(7, roomId, 0, 1, &error);
    QCOMPARE(climates.size(), 2);
    QCOMPARE(climates.at(0).number, 0);
    QCOMPARE(climates.at(1).number, 1);
    QCOMPARE(climates.at(1).type, 1);
    QCOMPARE(climates.at(1).remark, QString("Lobby's"));
    QCOMPARE(climates.at(1).device, 31);
    QCOMPARE(climates.at(1).status, 1);
    QCOMPARE(climates.at(1).coolSetPoint, 21);
    const QList<ClimateRow> heatings = loadMoodClimateRows(7, roomId, 2, 3);
    QCOMPARE(heatings.size(), 2);
    QCOMPARE(heatings.at(0).number, 2);
    QCOMPARE(heatings.at(1).number, 3);
    QCOMPARE(error, QString());
}

void TestMoodStore::commandsAreReplacedAsAWhole()
{
    QVERIFY(addCommand(7, roomId, 1));
    QVERIFY(addCommand(7, roomId, 2));
    QVERIFY(addCommand(7, otherRoomId, 1));
    QVERIFY(addCommand(8, roomId, 1));

    QString error;
    QVERIFY(saveMoodCommands(7, roomId, {command(3, 103, 2), command(1, 115, 300)}, &error));
    QCOMPARE(error, QString());
    const QList<MoodCommandRow> commands = readMoodCommands(7, roomId);
    QCOMPARE(commands.size(), 2);
    QCOMPARE(commands.at(0).commandId, 1);
    QCOMPARE(commands.at(0).commandType, 115);
    // Stored as given; the records of the bus take the low byte when they read it.
    QCOMPARE(commands.at(0).prm1, 300);
    QCOMPARE(commands.at(1).commandId, 3);
    QCOMPARE(commands.at(1).deviceId, 23);
    QCOMPARE(commands.at(1).prm2, 100);
    QCOMPARE(commands.at(1).prm4, 255);
    QCOMPARE(projectfixture::rowCount("tbl_mood_command"), 4);

    QVERIFY(saveMoodCommands(7, roomId, {}));
    QVERIFY(readMoodCommands(7, roomId).isEmpty());
    QCOMPARE(projectfixture::rowCount("tbl_mood_command"), 2);
}

void TestMoodStore::refusedCommandKeepsTheOldList()
{
    QVERIFY(addCommand(7, roomId, 1, 85));
    QVERIFY(addCommand(7, roomId, 2, 89));
    const QStringList before = moodTableRows();
    QVERIFY(gDatabase.execSql("create trigger refuse before insert on tbl_mood_command when new.command_id=2 begin "
                              "select raise(abort, 'refused'); end"));
    QString error;
    QVERIFY(!saveMoodCommands(7, roomId, {command(1, 102, 1), command(2, 103, 1)}, &error));
    QVERIFY(error.contains("refused"));
    QCOMPARE(moodTableRows(), before);
}

void TestMoodStore::commandsOfUnsavedMoodGo_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("commandsLeft");
    QTest::newRow("unsaved mood") << "" << true << 0;
    QTest::newRow("saved mood") << "saved" << true << 2;
    QTest::newRow("mood of the same id in another room") << "other room" << true << 0;
    QTest::newRow("delete refused") << "refuse delete" << false << 2;
    QTest::newRow("look-up failed") << "no mood table" << false << 2;
}

void TestMoodStore::commandsOfUnsavedMoodGo()
{
    QFETCH(QString, setup);
    QFETCH(bool, answer);
    QFETCH(int, commandsLeft);
    QVERIFY(addCommand(7, roomId, 1));
    QVERIFY(addCommand(7, roomId, 2));
    QVERIFY(addCommand(7, otherRoomId, 1));
    if (setup == "saved")
        QVERIFY(projectfixture::addMood(roomId, 7, "Saved"));
    else if (setup == "other room")
        QVERIFY(projectfixture::addMood(otherRoomId, 7, "Saved"));
    else if (setup == "refuse delete")
        QVERIFY(refuse("before delete", "tbl_mood_command"));
    else if (setup == "no mood table")
        QVERIFY(gDatabase.execSql("drop table tbl_mood"));

    QString error;
    QCOMPARE(deleteCommandsOfUnsavedMood(7, roomId, &error), answer);
    QCOMPARE(error.isEmpty(), answer);
    QCOMPARE(projectfixture::rowCount("tbl_mood_command", "room_id=?", {roomId}), commandsLeft);
    QCOMPARE(projectfixture::rowCount("tbl_mood_command", "room_id=?", {otherRoomId}), 1);
}

void TestMoodStore::commandTypes()
{
    const QStringList offered = offeredCommandTypes();
    QCOMPARE(offered.size(), 17);
    QCOMPARE(offered.first(), QString("Invalid Switch"));
    QCOMPARE(offered.last(), QString("Zigbee Channel"));
    QVERIFY(!offered.contains("Dim Up") && !offered.contains("Dim Down"));

    QCOMPARE(commandTypeIndex("Zigbee Channel"), 18);
    QCOMPARE(commandTypeIndex("Broadcast Scene"), 8);
    QCOMPARE(commandTypeIndex("no such type"), 0);

    int index = -1;
    int value = -1;
    QVERIFY(commandTypeOfItem("Broadcast Channel", index, value));
    QCOMPARE(index, 9);
    QCOMPARE(value, 89);
    QVERIFY(!commandTypeOfItem("no such type", index, value));
    QCOMPARE(index, 9);
    QCOMPARE(value, 89);

    const QList<CommandTypeEntry> scenes = commandTypesOfValue(85);
    QCOMPARE(scenes.size(), 2);
    QCOMPARE(scenes.at(0).item, QString("Scene Switch"));
    QCOMPARE(scenes.at(0).flag, 0);
    QCOMPARE(scenes.at(1).item, QString("Broadcast Scene"));
    QCOMPARE(scenes.at(1).flag, 1);
    QVERIFY(commandTypesOfValue(250).isEmpty());
}

void TestMoodStore::vocabularyLists_data()
{
    QTest::addColumn<CommandVocabulary>("vocabulary");
    QTest::addColumn<int>("policy");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("value");

    // Entries whose value is not their position.
    QTest::newRow("panel AC") << CommandVocabulary::FunctionParameters << 2 << 39 << "Panel AC x" << 37 << 45;
    QTest::newRow("panel FH") << CommandVocabulary::FunctionParameters << 2 << 39 << "Panel FH x" << 38 << 46;
    QTest::newRow("audio group") << CommandVocabulary::FunctionParameters << 3 << 6 << "Play Mode" << 1 << 2;
    QTest::newRow("switch on") << CommandVocabulary::Comp2Items << 1 << 2 << "On" << 1 << 255;
    QTest::newRow("audio source") << CommandVocabulary::Comp2Items << 8 << 8 << "USB" << 5 << 8;
    QTest::newRow("raise volume") << CommandVocabulary::Comp3Items << 2 << 2 << "Raise VOL" << 1 << 2;
    QTest::newRow("silent volume") << CommandVocabulary::Comp3Items << 4 << 80 << "VOL:0%" << 0 << 79;
    QTest::newRow("full volume") << CommandVocabulary::Comp3Items << 4 << 80 << "VOL:100%" << 79 << 0;
}

void TestMoodStore::vocabularyLists()
{
    QFETCH(CommandVocabulary, vocabulary);
    QFETCH(int, policy);
    QFETCH(int, count);
    QFETCH(QString, item);
    QFETCH(int, index);
    QFETCH(int, value);

    const QStringList items = vocabularyItems(vocabulary, policy);
    QCOMPARE(items.size(), count);
    QCOMPARE(items.at(index), item);
    QCOMPARE(vocabularyIndexOfItem(vocabulary, policy, item), index);
    QCOMPARE(vocabularyValueOfItem(vocabulary, policy, item), value);
    QCOMPARE(vocabularyIndexOfValue(vocabulary, policy, value), index);
    QCOMPARE(vocabularyIndexOfItem(vocabulary, policy, "no such entry"), 0);
    QCOMPARE(vocabularyValueOfItem(vocabulary, policy + 100, item), 0);
}

QTEST_MAIN(TestMoodStore)
#include "tst_moodstore.moc"
