// The statements on lights, wall panels, the occupancy sensor, the master switch and the refresh times, on a
// fresh project database.

#include "core/cppsqlite3db.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "tests/support/projectfixture.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

using projectfixture::rowCount;
using projectfixture::value;

namespace {

// Makes every statement of kind ("insert", "update" or "delete") on table fail.
void refuse(const QString &kind, const QString &table)
{
    QVERIFY(gDatabase.execSql(QString("create trigger refuse_%1_%2 before %1 on %2 begin select raise(abort, "
                                      "'refused'); end")
                                  .arg(kind, table)));
}

projectfixture::LightRow lightRow(int lightId, int rgb, int subnet, int device, int channel)
{
    projectfixture::LightRow row;
    row.lightId = lightId;
    row.rgb = rgb;
    row.subnet = subnet;
    row.device = device;
    row.channel = channel;
    row.remark = QString("Light %1").arg(lightId);
    return row;
}

QList<int> lightIdsOf(QSqlQuery query)
{
    QList<int> ids;
    while (query.next())
        ids.append(query.value("light_id").toInt());
    return ids;
}

// Every row of the table as text, to compare a table before and after a refused write.
QStringList dump(const QString &table)
{
    QStringList rows;
    QSqlQuery query = gDatabase.querySql("select * from " + table + " order by id");
    while (query.next()) {
        QStringList columns;
        for (int i = 0; i < query.record().count(); ++i)
            columns << query.value(i).toString();
        rows << columns.join('|');
    }
    return rows;
}

} // namespace

class TestDeviceStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void roomLightQueries();
    void lightPresence_data();
    void lightPresence();
    void readsALightAsTheEditorShowsIt();
    void savingALightReplacesItsRows();
    void refusedLightSaveKeepsTheOldRows();
    void deletingALight_data();
    void deletingALight();
    void levelsFromTheDevice();
    void refusedLevelIsReported();
    void deviceInfoFromTheDevice();
    void templateRowsAndUsedIds();

    void panelReads();
    void addingAPanel();
    void updatingAPanel_data();
    void updatingAPanel();
    void deletingAPanel_data();
    void deletingAPanel();

    void switchReadsTakeTheOldestRow();
    void savingASwitch_data();
    void savingASwitch();
    void refusedSwitchSave_data();
    void refusedSwitchSave();
    void statusGoesToEveryRowOfTheAddress();
    void refusedStatusIsReported();

    void refreshTimes();
    void refusedRefreshTimeKeepsTheOldOne();

private:
    QTemporaryDir m_home;
    int m_room = 0;
    int m_otherRoom = 0;
};

void TestDeviceStore::initTestCase()
{
    testenv::useFreshHome(m_home);
}

void TestDeviceStore::init()
{
    projectfixture::openFreshDatabase(QDir(m_home.path()).filePath("devices.db3"));
    m_room = projectfixture::addPlace("North", "Ground", "101").roomId;
    m_otherRoom = projectfixture::addPlace("South", "First", "201").roomId;
    QVERIFY(m_room > 0 && m_otherRoom > 0);
}

void TestDeviceStore::cleanup()
{
    gDatabase.close();
}

void TestDeviceStore::roomLightQueries()
{
    // Light 3 is an RGB light with channel rows; light 2 has no address yet; light 1 is in another room.
    QVERIFY(projectfixture::addLight(m_room, lightRow(3, 1, 1, 30, 1)));
    QVERIFY(projectfixture::addLight(m_room, lightRow(3, 2, 1, 30, 2)));
    QVERIFY(projectfixture::addLight(m_room, lightRow(3, 3, 1, 31, 3)));
    QVERIFY(projectfixture::addLight(m_room, lightRow(2, 0, 0, 0, 0)));
    QVERIFY(projectfixture::addLight(m_room, lightRow(5, 0, 1, 50, 4)));
    QVERIFY(projectfixture::addLight(m_otherRoom, lightRow(1, 0, 1, 10, 1)));

    QCOMPARE(lightIdsOf(queryAddressedRoomLights(m_room)), QList<int>({3, 5}));
    QCOMPARE(lightIdsOf(queryRoomLights(m_room)), QList<int>({2, 3, 5}));
    QCOMPARE(lightIdsOf(queryRoomLights(m_otherRoom)), QList<int>({1}));

    QSqlQuery channel = queryLightRow(m_room, 3, 3);
    QVERIFY(channel.next());
    QCOMPARE(channel.value("device_id").toInt(), 31);
    QVERIFY(!channel.next());
    QVERIFY(!queryLightRow(m_room, 3, 4).next());
}

void TestDeviceStore::lightPresence_data()
{
    QTest::addColumn<int>("rgb");
    QTest::addColumn<int>("subnet");
    QTest::addColumn<int>("device");
    QTest::addColumn<bool>("addressed");
    QTest::addColumn<bool>("any");

    QTest::newRow("addressed single") << 0 << 1 << 20 << true << true;
    QTest::newRow("addressed rgb") << 1 << 1 << 20 << true << true;
    QTest::newRow("no subnet") << 0 << 0 << 20 << false << true;
    QTest::newRow("no device") << 1 << 1 << 0 << false << true;
    QTest::newRow("channel row only") << 2 << 1 << 20 << false << false;
}

void TestDeviceStore::lightPresence()
{
    QFETCH(int, rgb);
    QFETCH(int, subnet);
    QFETCH(int, device);
    QFETCH(bool, addressed);
    QFETCH(bool, any);

    QVERIFY(!roomHasLights(m_room));
    QVERIFY(projectfixture::addLight(m_room, lightRow(1, rgb, subnet, device, 1)));
    QString error;
    QCOMPARE(roomHasAddressedLights(m_room, &error), addressed);
    QCOMPARE(roomHasLights(m_room, &error), any);
    QVERIFY(error.isEmpty());
    QVERIFY(!roomHasLights(m_otherRoom));
}

void TestDeviceStore::readsALightAsTheEditorShowsIt()
{
    projectfixture::LightRow scene = lightRow(4, 0, 2, 40, 7);
    scene.type = 0;
    scene.usId = 9;
    scene.remark = "It's 100% lit";
    scene.iconOn = "light_05_on";
    QVERIFY(projectfixture::addLight(m_room, scene));
    QVERIFY(projectfixture::addLight(m_room, lightRow(4, 2, 3, 41, 8)));

    QString error;
    const std::optional<StoredLightRow> light = readLight(m_room, 4, &error);
    QVERIFY(light);
    QCOMPARE(light->type, 0);
    QCOMPARE(light->remark, QString("It's 100% lit"));
    QCOMPARE(light->iconOn, QString("light_05_on"));
    QCOMPARE(light->subnet, 2);
    QCOMPARE(light->device, 40);
    QCOMPARE(light->channel, 7);
    QCOMPARE(light->usId, 9);

    const std::optional<StoredLightRow> channel = readLightRow(m_room, 4, 2, &error);
    QVERIFY(channel);
    QCOMPARE(channel->device, 41);
    QCOMPARE(channel->channel, 8);

    QVERIFY(!readLightRow(m_room, 4, 3, &error));
    QVERIFY(!readLight(m_otherRoom, 4, &error));
    QVERIFY(error.isEmpty());

    // A failing read is told apart from a missing light.
    QVERIFY(gDatabase.execSql("alter table tbl_light rename to tbl_light_gone"));
    QVERIFY(!readLight(m_room, 4, &error));
    QVERIFY(!error.isEmpty());
}

void TestDeviceStore::savingALightReplacesItsRows()
{
    for (int rgb = 1; rgb <= 4; ++rgb)
        QVERIFY(projectfixture::addLight(m_room, lightRow(6, rgb, 1, 60, rgb)));
    QVERIFY(projectfixture::addLight(m_room, lightRow(7, 0, 1, 70, 1)));

    QString error;
    QVERIFY(saveLight(m_room, 6, 3, "Desk 'lamp'", "light_02_on", "light_02_off", {{5, 61, 0, 12, 0}}, &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(rowCount("tbl_light", "room_id=? and light_id=6", {m_room}), 1);
    QCOMPARE(value("select * from tbl_light where light_id=6", {}, "light_type").toInt(), 3);
    QCOMPARE(value("select * from tbl_light where light_id=6", {}, "light_remark").toString(), QString("Desk 'lamp'"));
    QCOMPARE(value("select * from tbl_light where light_id=6", {}, "icon_name_of_light_off").toString(),
             QString("light_02_off"));
    QCOMPARE(value("select * from tbl_light where light_id=6", {}, "subnet_id").toInt(), 5);
    QCOMPARE(value("select * from tbl_light where light_id=6", {}, "device_id").toInt(), 61);
    QCOMPARE(value("select * from tbl_light where light_id=6", {}, "us_id").toInt(), 12);
    QCOMPARE(value("select * from tbl_light where light_id=6", {}, "brightness").toInt(), 0);
    QCOMPARE(value("select * from tbl_light where light_id=6", {}, "version").toString(), QString(""));

    // Back to an RGB light: one row per colour, in order.
    QVERIFY(saveLight(m_room, 6, 2, "Strip", "light_03_on", "light_03_off",
                      {{1, 60, 1, 0, 1}, {1, 60, 2, 0, 2}, {1, 60, 3, 0, 3}}));
    QCOMPARE(rowCount("tbl_light", "light_id=6"), 3);
    QCOMPARE(value("select channel from tbl_light where light_id=6 and rgb=3", {}, "channel").toInt(), 3);
    QCOMPARE(rowCount("tbl_light", "light_id=7"), 1);
}

void TestDeviceStore::refusedLightSaveKeepsTheOldRows()
{
    for (int rgb = 1; rgb <= 3; ++rgb)
        QVERIFY(projectfixture::addLight(m_room, lightRow(6, rgb, 1, 60, rgb)));
    const QStringList before = dump("tbl_light");
    refuse("insert", "tbl_light");

    QString error;
    QVERIFY(!saveLight(m_room, 6, 1, "Dimmer", "light_01_on", "light_01_off", {{1, 60, 1, 0, 0}}, &error));
    QVERIFY(error.contains("refused"));
    QCOMPARE(dump("tbl_light"), before);
}

void TestDeviceStore::deletingALight_data()
{
    QTest::addColumn<bool>("refused");
    QTest::newRow("stored") << false;
    QTest::newRow("refused") << true;
}

void TestDeviceStore::deletingALight()
{
    QFETCH(bool, refused);

    QVERIFY(projectfixture::addLight(m_room, lightRow(8, 1, 1, 80, 1)));
    QVERIFY(projectfixture::addLight(m_room, lightRow(8, 2, 1, 80, 2)));
    QVERIFY(projectfixture::addLight(m_room, lightRow(9, 0, 1, 90, 1)));
    QVERIFY(projectfixture::addLight(m_otherRoom, lightRow(8, 0, 1, 81, 1)));
    if (refused)
        refuse("delete", "tbl_light");

    QString error;
    QCOMPARE(deleteLight(m_room, 8, &error), !refused);
    QCOMPARE(error.contains("refused"), refused);
    QCOMPARE(rowCount("tbl_light", "light_id=8 and room_id=?", {m_room}), refused ? 2 : 0);
    QCOMPARE(rowCount("tbl_light", "light_id=9"), 1);
    QCOMPARE(rowCount("tbl_light", "light_id=8 and room_id=?", {m_otherRoom}), 1);
}

void TestDeviceStore::levelsFromTheDevice()
{
    for (int rgb = 1; rgb <= 3; ++rgb)
        QVERIFY(projectfixture::addLight(m_room, lightRow(6, rgb, 1, 60, rgb)));
    QVERIFY(projectfixture::addLight(m_otherRoom, lightRow(6, 1, 1, 60, 1)));

    QVERIFY(storeLightBrightness(m_room, 6, 80, 2));
    QCOMPARE(value("select brightness from tbl_light where light_id=6 and rgb=2 and room_id=?", {m_room}, "brightness")
                 .toInt(),
             80);
    QCOMPARE(rowCount("tbl_light", "brightness=80"), 1);

    QVERIFY(storeLightBrightness(m_room, 6, 45));
    QCOMPARE(rowCount("tbl_light", "brightness=45 and room_id=?", {m_room}), 3);
    QCOMPARE(rowCount("tbl_light", "room_id=? and brightness=0", {m_otherRoom}), 1);
}

void TestDeviceStore::refusedLevelIsReported()
{
    QVERIFY(projectfixture::addLight(m_room, lightRow(6, 0, 1, 60, 1)));
    QVERIFY(storeLightBrightness(m_room, 6, 30));
    refuse("update", "tbl_light");

    // The same level again matches no row, so nothing is written and nothing can be refused.
    QString error;
    QVERIFY(storeLightBrightness(m_room, 6, 30, -1, &error));
    QVERIFY(error.isEmpty());
    QVERIFY(!storeLightBrightness(m_room, 6, 31, -1, &error));
    QVERIFY(error.contains("refused"));
    QCOMPARE(value("select brightness from tbl_light where light_id=6", {}, "brightness").toInt(), 30);

    error.clear();
    QVERIFY(!storeLightDeviceInfo(m_room, 6, 400, "v1", -1, &error));
    QVERIFY(error.contains("refused"));
}

void TestDeviceStore::deviceInfoFromTheDevice()
{
    for (int rgb = 1; rgb <= 2; ++rgb)
        QVERIFY(projectfixture::addLight(m_room, lightRow(6, rgb, 1, 60, rgb)));

    QVERIFY(storeLightDeviceInfo(m_room, 6, 612, "V1.0'%s", 2));
    QCOMPARE(value("select * from tbl_light where light_id=6 and rgb=2", {}, "version").toString(), QString("V1.0'%s"));
    QCOMPARE(value("select * from tbl_light where light_id=6 and rgb=2", {}, "original_type").toInt(), 612);
    QCOMPARE(value("select * from tbl_light where light_id=6 and rgb=1", {}, "original_type").toInt(), 0);

    QVERIFY(storeLightDeviceInfo(m_room, 6, 700, "V2"));
    QCOMPARE(rowCount("tbl_light", "original_type=700 and version='V2'"), 2);
}

void TestDeviceStore::templateRowsAndUsedIds()
{
    QVERIFY(projectfixture::addLight(m_otherRoom, lightRow(4, 0, 1, 40, 1)));
    QVERIFY(projectfixture::addLight(m_otherRoom, lightRow(9, 2, 1, 90, 2)));
    QVERIFY(addUnaddressedLightRow(m_room, 2, 2, "Strip", "light_03_on", "light_03_off", 1));
    QVERIFY(addUnaddressedLightRow(m_room, 2, 2, "Strip", "light_03_on", "light_03_off", 2));
    QCOMPARE(rowCount("tbl_light", "light_id=2 and subnet_id=0 and device_id=0 and channel=0"), 2);
    QCOMPARE(value("select * from tbl_light where light_id=2 and rgb=2", {}, "icon_name_of_light_off").toString(),
             QString("light_03_off"));

    QString error;
    QCOMPARE(usedLightIds(&error), QVector<int>({4, 2}));
    QVERIFY(addPanel(m_room, 3, "Door", 0, 0));
    QVERIFY(addPanel(m_otherRoom, 1, "Bed", 1, 2));
    QCOMPARE(usedPanelIds(&error), QVector<int>({3, 1}));
    QVERIFY(error.isEmpty());

    refuse("insert", "tbl_light");
    QVERIFY(!addUnaddressedLightRow(m_room, 5, 1, "Lamp", "a", "b", 0, &error));
    QVERIFY(error.contains("refused"));
}

void TestDeviceStore::panelReads()
{
    QVERIFY(addPanel(m_room, 2, "Door's panel", 1, 100));
    QVERIFY(addPanel(m_otherRoom, 5, "Bed", 1, 101));

    QString error;
    const std::optional<StoredPanel> panel = readPanel(m_room, 2, &error);
    QVERIFY(panel);
    QCOMPARE(panel->panelId, 2);
    QCOMPARE(panel->remark, QString("Door's panel"));
    QCOMPARE(panel->subnet, 1);
    QCOMPARE(panel->device, 100);
    QCOMPARE(panel->roomId, m_room);
    QVERIFY(!readPanel(m_room, 5, &error));

    const std::optional<StoredPanel> address = panelAddress(5, &error);
    QVERIFY(address);
    QCOMPARE(address->subnet, 1);
    QCOMPARE(address->device, 101);
    QVERIFY(!panelAddress(9, &error));

    QCOMPARE(readPanelRemark(5), QString("Bed"));
    QCOMPARE(readPanelRemark(9), QString());

    // The intake runs its statement for every frame; each run finds its own panel.
    for (int round = 0; round < 2; ++round) {
        const std::optional<StoredPanel> found = panelAtAddress(1, 101, &error);
        QVERIFY(found);
        QCOMPARE(found->panelId, 5);
        QCOMPARE(found->roomId, m_otherRoom);
        QVERIFY(!panelAtAddress(1, 102, &error));
    }
    QVERIFY(panelAddressUsed(1, 100, &error));
    QVERIFY(!panelAddressUsed(100, 1, &error));
    QVERIFY(error.isEmpty());
}

void TestDeviceStore::addingAPanel()
{
    refuse("insert", "tbl_panel");
    QString error;
    QVERIFY(!addPanel(m_room, 1, "Door", 1, 100, &error));
    QVERIFY(error.contains("refused"));
    QCOMPARE(rowCount("tbl_panel"), 0);
}

void TestDeviceStore::updatingAPanel_data()
{
    QTest::addColumn<bool>("dropHistory");
    QTest::addColumn<QString>("refusedTable");

    QTest::newRow("name only") << false << QString();
    QTest::newRow("new address") << true << QString();
    QTest::newRow("panel refused") << true << QString("tbl_panel");
    QTest::newRow("history refused") << true << QString("tbl_message_log");
}

void TestDeviceStore::updatingAPanel()
{
    QFETCH(bool, dropHistory);
    QFETCH(QString, refusedTable);

    QVERIFY(addPanel(m_room, 2, "Door", 1, 100));
    QVERIFY(projectfixture::insertRow("tbl_message_log", {{"panel_id", 2}, {"room_id", m_room}}));
    QVERIFY(projectfixture::insertRow("tbl_message_log", {{"panel_id", 3}, {"room_id", m_room}}));
    const QStringList panels = dump("tbl_panel");
    const QStringList history = dump("tbl_message_log");
    if (!refusedTable.isEmpty())
        refuse(refusedTable == "tbl_panel" ? "update" : "delete", refusedTable);

    QString error;
    const bool stored = updatePanel(m_room, 2, "Door 2", 1, dropHistory ? 120 : 100, dropHistory, &error);
    QCOMPARE(stored, refusedTable.isEmpty());
    if (!stored) {
        QVERIFY(error.contains("refused"));
        QCOMPARE(dump("tbl_panel"), panels);
        QCOMPARE(dump("tbl_message_log"), history);
        return;
    }
    QVERIFY(error.isEmpty());
    QCOMPARE(readPanel(m_room, 2)->remark, QString("Door 2"));
    QCOMPARE(readPanel(m_room, 2)->device, dropHistory ? 120 : 100);
    QCOMPARE(rowCount("tbl_message_log", "panel_id=2"), dropHistory ? 0 : 1);
    QCOMPARE(rowCount("tbl_message_log", "panel_id=3"), 1);
}

void TestDeviceStore::deletingAPanel_data()
{
    QTest::addColumn<QString>("refusedTable");
    QTest::newRow("stored") << QString();
    QTest::newRow("panel refused") << QString("tbl_panel");
    QTest::newRow("history refused") << QString("tbl_message_log");
}

void TestDeviceStore::deletingAPanel()
{
    QFETCH(QString, refusedTable);

    QVERIFY(addPanel(m_room, 2, "Door", 1, 100));
    QVERIFY(addPanel(m_room, 3, "Bed", 1, 101));
    QVERIFY(projectfixture::insertRow("tbl_message_log", {{"panel_id", 2}, {"room_id", m_room}}));
    QVERIFY(projectfixture::insertRow("tbl_message_log", {{"panel_id", 3}, {"room_id", m_room}}));
    if (!refusedTable.isEmpty())
        refuse("delete", refusedTable);

    QString error;
    const bool deleted = deletePanel(m_room, 2, &error);
    QCOMPARE(deleted, refusedTable.isEmpty());
    QCOMPARE(error.contains("refused"), !deleted);
    QCOMPARE(rowCount("tbl_panel", "panel_id=2"), deleted ? 0 : 1);
    QCOMPARE(rowCount("tbl_message_log", "panel_id=2"), deleted ? 0 : 1);
    QCOMPARE(rowCount("tbl_panel", "panel_id=3"), 1);
    QCOMPARE(rowCount("tbl_message_log", "panel_id=3"), 1);
}

void TestDeviceStore::switchReadsTakeTheOldestRow()
{
    QString error;
    QVERIFY(!readRoomOccupation(m_room, &error));
    QVERIFY(!readRoomMaster(m_room, &error));
    QVERIFY(error.isEmpty());

    QVERIFY(projectfixture::addOccupation(m_room, 1, 2, 20, 5, 2));
    QVERIFY(projectfixture::addOccupation(m_room, 0, 3, 30, 6, 1));
    QVERIFY(projectfixture::addMaster(m_room, 4, 40, 7, 1));
    QVERIFY(projectfixture::addMaster(m_room, 5, 50, 8, 2));

    const std::optional<StoredSwitch> occupation = readRoomOccupation(m_room, &error);
    QVERIFY(occupation);
    QCOMPARE(occupation->type, 1);
    QCOMPARE(occupation->subnet, 2);
    QCOMPARE(occupation->device, 20);
    QCOMPARE(occupation->channel, 5);
    QCOMPARE(occupation->status, 2);

    const std::optional<StoredSwitch> master = readRoomMaster(m_room, &error);
    QVERIFY(master);
    QCOMPARE(master->subnet, 4);
    QCOMPARE(master->device, 40);
    QCOMPARE(master->channel, 7);
    QCOMPARE(master->status, 1);
    QVERIFY(!readRoomMaster(m_otherRoom, &error));
}

void TestDeviceStore::savingASwitch_data()
{
    QTest::addColumn<bool>("occupation");
    QTest::newRow("occupancy sensor") << true;
    QTest::newRow("master switch") << false;
}

void TestDeviceStore::savingASwitch()
{
    QFETCH(bool, occupation);
    const QString table = occupation ? "tbl_occupation" : "tbl_master";
    auto save = [&](int subnet, int device, int channel) {
        return occupation ? saveRoomOccupation(m_room, 1, subnet, device, channel)
                          : saveRoomMaster(m_room, subnet, device, channel);
    };
    auto read = [&] { return occupation ? readRoomOccupation(m_room) : readRoomMaster(m_room); };

    QVERIFY(save(1, 10, 3));
    QCOMPARE(rowCount(table), 1);
    QCOMPARE(read()->device, 10);

    // A status the device reported goes back to "not known" with a new address.
    QVERIFY(gDatabase.execSql(QString("update %1 set status=2").arg(table)));
    QVERIFY(save(2, 20, 4));
    QCOMPARE(rowCount(table), 1);
    const std::optional<StoredSwitch> stored = read();
    QVERIFY(stored);
    QCOMPARE(stored->type, occupation ? 1 : 0);
    QCOMPARE(stored->subnet, 2);
    QCOMPARE(stored->device, 20);
    QCOMPARE(stored->channel, 4);
    QCOMPARE(stored->status, 0);
    QCOMPARE(rowCount(table, "room_id=?", {m_room}), 1);

    QVERIFY(occupation ? removeRoomOccupation(m_room) : removeRoomMaster(m_room));
    QCOMPARE(rowCount(table), 0);
    // Removing what is not there is no failure.
    QVERIFY(occupation ? removeRoomOccupation(m_room) : removeRoomMaster(m_room));
}

void TestDeviceStore::refusedSwitchSave_data()
{
    QTest::addColumn<bool>("occupation");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("existing");

    QTest::newRow("sensor insert") << true << QString("insert") << false;
    QTest::newRow("sensor update") << true << QString("update") << true;
    QTest::newRow("sensor delete") << true << QString("delete") << true;
    QTest::newRow("master insert") << false << QString("insert") << false;
    QTest::newRow("master update") << false << QString("update") << true;
    QTest::newRow("master delete") << false << QString("delete") << true;
}

void TestDeviceStore::refusedSwitchSave()
{
    QFETCH(bool, occupation);
    QFETCH(QString, kind);
    QFETCH(bool, existing);
    const QString table = occupation ? "tbl_occupation" : "tbl_master";

    if (existing)
        QVERIFY(occupation ? projectfixture::addOccupation(m_room, 0, 1, 10, 5, 2)
                           : projectfixture::addMaster(m_room, 1, 10, 5, 2));
    const QStringList before = dump(table);
    refuse(kind, table);

    QString error;
    bool stored = false;
    if (kind == "delete")
        stored = occupation ? removeRoomOccupation(m_room, &error) : removeRoomMaster(m_room, &error);
    else
        stored =
            occupation ? saveRoomOccupation(m_room, 1, 2, 20, 6, &error) : saveRoomMaster(m_room, 2, 20, 6, &error);
    QVERIFY(!stored);
    QVERIFY(error.contains("refused"));
    QCOMPARE(dump(table), before);
}

void TestDeviceStore::statusGoesToEveryRowOfTheAddress()
{
    QVERIFY(projectfixture::addOccupation(m_room, 1, 2, 20, 5));
    QVERIFY(projectfixture::addOccupation(m_otherRoom, 1, 2, 20, 5));
    QVERIFY(projectfixture::addOccupation(m_otherRoom, 0, 2, 20, 5));
    QVERIFY(projectfixture::addMaster(m_room, 3, 30, 1));
    QVERIFY(projectfixture::addMaster(m_otherRoom, 3, 30, 2));

    QVERIFY(storeOccupationStatus(2, 2, 20, 5, 1));
    QCOMPARE(rowCount("tbl_occupation", "status=2"), 2);
    QCOMPARE(rowCount("tbl_occupation", "status=2 and occupation_type=0"), 0);

    QVERIFY(storeMasterStatus(1, 3, 30, 2));
    QCOMPARE(rowCount("tbl_master", "status=1"), 1);
    QCOMPARE(readRoomMaster(m_otherRoom)->status, 1);
    QCOMPARE(readRoomMaster(m_room)->status, 0);
}

void TestDeviceStore::refusedStatusIsReported()
{
    QVERIFY(projectfixture::addOccupation(m_room, 1, 2, 20, 5));
    QVERIFY(projectfixture::addMaster(m_room, 3, 30, 1));
    refuse("update", "tbl_occupation");
    refuse("update", "tbl_master");

    QString error;
    QVERIFY(!storeOccupationStatus(2, 2, 20, 5, 1, &error));
    QVERIFY(error.contains("refused"));
    error.clear();
    QVERIFY(!storeMasterStatus(2, 3, 30, 1, &error));
    QVERIFY(error.contains("refused"));
    QCOMPARE(rowCount("tbl_occupation", "status=0"), 1);
    QCOMPARE(rowCount("tbl_master", "status=0"), 1);
}

void TestDeviceStore::refreshTimes()
{
    QString time = "untouched";
    QString error;
    QVERIFY(!readLastUpdateTime("all_lightings", time, &error));
    QCOMPARE(time, QString("untouched"));
    QVERIFY(error.isEmpty());

    QVERIFY(storeLastUpdateTime("all_lightings", "Mon Dec 7 10:00:00 2026"));
    QVERIFY(storeLastUpdateTime("3_lighting", "Mon Dec 7 10:01:00 2026"));
    QVERIFY(storeLastUpdateTime("all_lightings", "Mon Dec 7 10:02:00 2026", &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(rowCount("tbl_last_update"), 2);
    QVERIFY(readLastUpdateTime("all_lightings", time));
    QCOMPARE(time, QString("Mon Dec 7 10:02:00 2026"));
    QVERIFY(readLastUpdateTime("3_lighting", time));
    QCOMPARE(time, QString("Mon Dec 7 10:01:00 2026"));

    // A key is text, taken as given.
    QVERIFY(storeLastUpdateTime("it's 100%", "t"));
    QVERIFY(readLastUpdateTime("it's 100%", time));
    QCOMPARE(time, QString("t"));
}

void TestDeviceStore::refusedRefreshTimeKeepsTheOldOne()
{
    QVERIFY(storeLastUpdateTime("all_lightings", "before"));
    refuse("update", "tbl_last_update");
    refuse("insert", "tbl_last_update");

    QString error;
    QVERIFY(!storeLastUpdateTime("all_lightings", "after", &error));
    QVERIFY(error.contains("refused"));
    error.clear();
    QVERIFY(!storeLastUpdateTime("3_lighting", "after", &error));
    QVERIFY(error.contains("refused"));
    QString time;
    QVERIFY(readLastUpdateTime("all_lightings", time));
    QCOMPARE(time, QString("before"));
    QCOMPARE(rowCount("tbl_last_update"), 1);
}

QTEST_GUILESS_MAIN(TestDeviceStore)
#include "tst_devicestore.moc"
