// Room templates with their lights and panels as the pages read and write them, on a fresh project.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/templatestore.h"
#include "tests/support/homeproject.h"
#include "tests/support/projectfixture.h"

#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace {

void addTemplateRow(int id, const QString &name, const QString &icon = "room_1")
{
    QVERIFY(projectfixture::insertRow(
        "tbl_room_template",
        {{"room_template_id", id}, {"room_template_name", name}, {"room_template_icon_name", icon}}));
}

void addLightRow(int templateId, int lightId, const QString &remark, int type = 0)
{
    QVERIFY(
        projectfixture::insertRow("tbl_template_light", {{"room_template_id", templateId},
                                                         {"template_light_id", lightId},
                                                         {"light_type", type},
                                                         {"light_remark", remark},
                                                         {"icon_name", "light_0" + QString::number(lightId) + "_on"}}));
}

void addPanelRow(int templateId, int panelId, const QString &remark)
{
    QVERIFY(projectfixture::insertRow(
        "tbl_template_panel",
        {{"room_template_id", templateId}, {"template_panel_id", panelId}, {"panel_remark", remark}}));
}

void refuse(const QString &when, const QString &table)
{
    QVERIFY(gDatabase.execSql(QString("create trigger refuse_%1_%2 before %1 on %2 begin select raise(abort, "
                                      "'refused'); end")
                                  .arg(when, table)));
}

// Every row of the three template tables and the rooms, as text, for comparing before and after.
QStringList snapshot()
{
    QStringList lines;
    for (const char *table : {"tbl_room_template", "tbl_template_light", "tbl_template_panel", "tbl_room", "tbl_region",
                              "tbl_floor", "tbl_light"}) {
        QSqlQuery query = gDatabase.querySql(QString("select * from %1 order by id").arg(table));
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values << query.value(i).toString();
            lines << QString(table) + ":" + values.join('|');
        }
    }
    return lines;
}

QString folder()
{
    return gAppDirPath + "/database/Home";
}

void touch(const QString &name)
{
    QFile file(folder() + "/" + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("png");
}

} // namespace

class TestTemplateStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void templatesComeByTheirId();
    void addedTemplateTakesTheLowestFreeId();
    void nameAndPictureAreSavedAsTyped();
    void lightsOfATemplate();
    void lightIsAddedUpdatedAndDeletedInItsTemplateOnly();
    void panelsOfATemplate();
    void panelIsAddedUpdatedAndDeletedInItsTemplateOnly();
    void deleteTakesTheRoomsBuiltFromTheTemplate();
    void refusedWritesChangeNothing_data();
    void refusedWritesChangeNothing();
    void failedReadsTellTheirReason();

private:
    HomeProject m_project;
};

void TestTemplateStore::initTestCase()
{
    m_project.useFreshHome();
}

void TestTemplateStore::init()
{
    m_project.start();
}

void TestTemplateStore::cleanup()
{
    m_project.close();
}

void TestTemplateStore::templatesComeByTheirId()
{
    QString error;
    QVERIFY(!hasRoomTemplate(&error));
    QVERIFY(error.isEmpty());
    addTemplateRow(3, "Suite", "photo_Template_3");
    addTemplateRow(1, "It's 100%");
    QVERIFY(hasRoomTemplate());

    const QVector<RoomTemplateRow> rows = roomTemplates(&error);
    QVERIFY(error.isEmpty());
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).templateId, 1);
    QCOMPARE(rows.at(0).name, QString("It's 100%"));
    QCOMPARE(rows.at(1).templateId, 3);
    QCOMPARE(rows.at(1).iconName, QString("photo_Template_3"));

    RoomTemplateRow row;
    QVERIFY(readRoomTemplate(3, row));
    QCOMPARE(row.name, QString("Suite"));
    RoomTemplateRow untouched;
    untouched.name = "kept";
    QVERIFY(!readRoomTemplate(2, untouched));
    QCOMPARE(untouched.name, QString("kept"));
}

void TestTemplateStore::addedTemplateTakesTheLowestFreeId()
{
    addTemplateRow(2, "Two");
    int id = 0;
    QVERIFY(addRoomTemplate("O'Hara x');--", &id));
    QCOMPARE(id, 1);
    QVERIFY(addRoomTemplate("  ", &id));
    QCOMPARE(id, 3);
    RoomTemplateRow row;
    QVERIFY(readRoomTemplate(1, row));
    QCOMPARE(row.name, QString("O'Hara x');--"));
    QCOMPARE(row.iconName, QString("room_1"));
    QVERIFY(readRoomTemplate(3, row));
    QCOMPARE(row.name, QString("  "));
}

void TestTemplateStore::nameAndPictureAreSavedAsTyped()
{
    addTemplateRow(1, "Old", "room_4");
    addTemplateRow(2, "Other");
    QVERIFY(saveRoomTemplateNameAndPicture(1, "50% 'new'", "photo_Template_1"));
    RoomTemplateRow row;
    QVERIFY(readRoomTemplate(1, row));
    QCOMPARE(row.name, QString("50% 'new'"));
    QCOMPARE(row.iconName, QString("photo_Template_1"));
    QVERIFY(saveRoomTemplateNameAndPicture(1, QString(), "room_4"));
    QVERIFY(readRoomTemplate(1, row));
    QCOMPARE(row.name, QString(""));
    QVERIFY(readRoomTemplate(2, row));
    QCOMPARE(row.name, QString("Other"));
    // A missing template changes nothing and is no failure.
    QVERIFY(saveRoomTemplateNameAndPicture(9, "x", "room_1"));
    QCOMPARE(projectfixture::rowCount("tbl_room_template"), 2);
}

void TestTemplateStore::lightsOfATemplate()
{
    addLightRow(1, 3, "Desk", 1);
    addLightRow(1, 1, "Strip", 2);
    addLightRow(2, 2, "Other's");
    const QVector<TemplateLightRow> lights = templateLights(1);
    QCOMPARE(lights.size(), 2);
    QCOMPARE(lights.at(0).templateLightId, 1);
    QCOMPARE(lights.at(0).type, 2);
    QCOMPARE(lights.at(0).remark, QString("Strip"));
    QCOMPARE(lights.at(0).iconName, QString("light_01_on"));
    QCOMPARE(lights.at(1).templateLightId, 3);
    QVERIFY(templateLights(3).isEmpty());

    TemplateLightRow light;
    QVERIFY(readTemplateLight(2, 2, light));
    QCOMPARE(light.remark, QString("Other's"));
    light.remark = "kept";
    QVERIFY(!readTemplateLight(1, 2, light));
    QCOMPARE(light.remark, QString("kept"));
}

void TestTemplateStore::lightIsAddedUpdatedAndDeletedInItsTemplateOnly()
{
    addLightRow(2, 1, "Other template's");
    QVERIFY(addTemplateLight(1, {1, 7, "Lamp 'A'", "light_07_on"}));
    TemplateLightRow light;
    QVERIFY(readTemplateLight(1, 1, light));
    QCOMPARE(light.type, 7);
    QCOMPARE(light.remark, QString("Lamp 'A'"));
    QCOMPARE(light.iconName, QString("light_07_on"));

    QVERIFY(updateTemplateLight(1, {1, 0, "x');--", "light_02_on"}));
    QVERIFY(readTemplateLight(1, 1, light));
    QCOMPARE(light.type, 0);
    QCOMPARE(light.remark, QString("x');--"));
    QCOMPARE(light.iconName, QString("light_02_on"));
    QVERIFY(readTemplateLight(2, 1, light));
    QCOMPARE(light.remark, QString("Other template's"));

    QVERIFY(deleteTemplateLight(1, 1));
    QCOMPARE(projectfixture::rowCount("tbl_template_light"), 1);
    QCOMPARE(projectfixture::rowCount("tbl_template_light", "room_template_id=2"), 1);
}

void TestTemplateStore::panelsOfATemplate()
{
    addPanelRow(1, 2, "Bed");
    addPanelRow(1, 1, "Door");
    addPanelRow(3, 1, "Other's");
    const QVector<TemplatePanelRow> panels = templatePanels(1);
    QCOMPARE(panels.size(), 2);
    QCOMPARE(panels.at(0).templatePanelId, 1);
    QCOMPARE(panels.at(0).remark, QString("Door"));
    QCOMPARE(panels.at(1).remark, QString("Bed"));

    TemplatePanelRow panel;
    QVERIFY(readTemplatePanel(3, 1, panel));
    QCOMPARE(panel.remark, QString("Other's"));
    panel.remark = "kept";
    QVERIFY(!readTemplatePanel(3, 2, panel));
    QCOMPARE(panel.remark, QString("kept"));
}

void TestTemplateStore::panelIsAddedUpdatedAndDeletedInItsTemplateOnly()
{
    addPanelRow(2, 1, "Other template's");
    QVERIFY(addTemplatePanel(1, {1, "O'Hara"}));
    QVERIFY(updateTemplatePanel(1, {1, "Door 100%"}));
    TemplatePanelRow panel;
    QVERIFY(readTemplatePanel(1, 1, panel));
    QCOMPARE(panel.remark, QString("Door 100%"));
    QVERIFY(readTemplatePanel(2, 1, panel));
    QCOMPARE(panel.remark, QString("Other template's"));
    QVERIFY(deleteTemplatePanel(1, 1));
    QCOMPARE(projectfixture::rowCount("tbl_template_panel"), 1);
    QCOMPARE(projectfixture::rowCount("tbl_template_panel", "room_template_id=2"), 1);
}

void TestTemplateStore::deleteTakesTheRoomsBuiltFromTheTemplate()
{
    addTemplateRow(1, "Suite", "photo_Template_1");
    addTemplateRow(2, "Single");
    addLightRow(1, 1, "Desk");
    addLightRow(2, 1, "Desk");
    addPanelRow(1, 1, "Door");
    addPanelRow(2, 1, "Door");
    // Rooms 1 and 2 of template 1 share region 1 with room 3 of template 2; room 2 alone uses floor 2.
    QVERIFY(projectfixture::insertRow("tbl_region", {{"region_id", 1}, {"region_name", "A"}}));
    QVERIFY(projectfixture::insertRow("tbl_floor", {{"floor_id", 1}, {"region_id", 1}, {"floor_name", "1"}}));
    QVERIFY(projectfixture::insertRow("tbl_floor", {{"floor_id", 2}, {"region_id", 1}, {"floor_name", "2"}}));
    const int rooms[][3] = {{1, 1, 1}, {2, 2, 1}, {3, 1, 2}}; // room, floor, template
    for (const auto &room : rooms)
        QVERIFY(projectfixture::insertRow("tbl_room", {{"room_id", room[0]},
                                                       {"room_name", "r"},
                                                       {"floor_id", room[1]},
                                                       {"region_id", 1},
                                                       {"room_template_id", room[2]}}));
    for (const auto &room : rooms)
        QVERIFY(projectfixture::insertRow("tbl_light", {{"light_id", 1}, {"room_id", room[0]}, {"rgb", 0}}));
    touch("photo_Template_1.png");
    touch("photo_Template_2.png");
    touch("photo_Room_1.png");

    QString error;
    QVERIFY(deleteRoomTemplate(1, &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(gDatabase.transactionDepth(), 0);
    QCOMPARE(projectfixture::rowCount("tbl_room_template"), 1);
    QCOMPARE(projectfixture::rowCount("tbl_room_template", "room_template_id=2"), 1);
    QCOMPARE(projectfixture::rowCount("tbl_template_light"), 1);
    QCOMPARE(projectfixture::rowCount("tbl_template_panel"), 1);
    QCOMPARE(projectfixture::rowCount("tbl_room"), 1);
    QCOMPARE(projectfixture::rowCount("tbl_room", "room_id=3"), 1);
    QCOMPARE(projectfixture::rowCount("tbl_light"), 1);
    QCOMPARE(projectfixture::rowCount("tbl_floor"), 1);
    QCOMPARE(projectfixture::rowCount("tbl_region"), 1);
    QVERIFY(!QFile::exists(folder() + "/photo_Template_1.png"));
    QVERIFY(!QFile::exists(folder() + "/photo_Room_1.png"));
    QVERIFY(QFile::exists(folder() + "/photo_Template_2.png"));

    // A template without rooms, lights or panels goes all the same.
    QVERIFY(deleteRoomTemplate(2));
    QCOMPARE(projectfixture::rowCount("tbl_room_template"), 0);
    QCOMPARE(projectfixture::rowCount("tbl_room"), 0);
}

void TestTemplateStore::refusedWritesChangeNothing_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("write");
    QTest::newRow("add template") << "insert"
                                  << "tbl_room_template" << 0;
    QTest::newRow("save template") << "update"
                                   << "tbl_room_template" << 1;
    QTest::newRow("add light") << "insert"
                               << "tbl_template_light" << 2;
    QTest::newRow("update light") << "update"
                                  << "tbl_template_light" << 3;
    QTest::newRow("delete light") << "delete"
                                  << "tbl_template_light" << 4;
    QTest::newRow("add panel") << "insert"
                               << "tbl_template_panel" << 5;
    QTest::newRow("update panel") << "update"
                                  << "tbl_template_panel" << 6;
    QTest::newRow("delete panel") << "delete"
                                  << "tbl_template_panel" << 7;
    // The template's own row is the last step of its deletion: the rooms deleted before come back.
    QTest::newRow("delete template, last step") << "delete"
                                                << "tbl_room_template" << 8;
    QTest::newRow("delete template, its room") << "delete"
                                               << "tbl_room" << 8;
}

void TestTemplateStore::refusedWritesChangeNothing()
{
    QFETCH(QString, when);
    QFETCH(QString, table);
    QFETCH(int, write);
    addTemplateRow(1, "Suite", "photo_Template_1");
    addLightRow(1, 1, "Desk");
    addPanelRow(1, 1, "Door");
    QVERIFY(projectfixture::insertRow("tbl_region", {{"region_id", 1}, {"region_name", "A"}}));
    QVERIFY(projectfixture::insertRow("tbl_floor", {{"floor_id", 1}, {"region_id", 1}, {"floor_name", "1"}}));
    QVERIFY(projectfixture::insertRow(
        "tbl_room", {{"room_id", 1}, {"room_name", "r"}, {"floor_id", 1}, {"region_id", 1}, {"room_template_id", 1}}));
    QVERIFY(projectfixture::insertRow("tbl_light", {{"light_id", 1}, {"room_id", 1}, {"rgb", 0}}));
    touch("photo_Template_1.png");
    touch("photo_Room_1.png");
    const QStringList before = snapshot();
    refuse(when, table);

    QString error;
    bool stored = true;
    switch (write) {
    case 0:
        stored = addRoomTemplate("New", nullptr, &error);
        break;
    case 1:
        stored = saveRoomTemplateNameAndPicture(1, "New", "room_2", &error);
        break;
    case 2:
        stored = addTemplateLight(1, {2, 1, "New", "light_02_on"}, &error);
        break;
    case 3:
        stored = updateTemplateLight(1, {1, 1, "New", "light_02_on"}, &error);
        break;
    case 4:
        stored = deleteTemplateLight(1, 1, &error);
        break;
    case 5:
        stored = addTemplatePanel(1, {2, "New"}, &error);
        break;
    case 6:
        stored = updateTemplatePanel(1, {1, "New"}, &error);
        break;
    case 7:
        stored = deleteTemplatePanel(1, 1, &error);
        break;
    default:
        stored = deleteRoomTemplate(1, &error);
        break;
    }
    QVERIFY(!stored);
    QVERIFY2(error.contains("refused"), qPrintable(error));
    QCOMPARE(gDatabase.transactionDepth(), 0);
    QCOMPARE(snapshot(), before);
    QVERIFY(QFile::exists(folder() + "/photo_Template_1.png"));
    QVERIFY(QFile::exists(folder() + "/photo_Room_1.png"));
}

void TestTemplateStore::failedReadsTellTheirReason()
{
    addTemplateRow(1, "Suite");
    QVERIFY(gDatabase.execSql("drop table tbl_room_template"));
    QVERIFY(gDatabase.execSql("drop table tbl_template_light"));
    QVERIFY(gDatabase.execSql("drop table tbl_template_panel"));

    QString error;
    QVERIFY(!hasRoomTemplate(&error));
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(roomTemplates(&error).isEmpty());
    QVERIFY(!error.isEmpty());
    error.clear();
    RoomTemplateRow row;
    QVERIFY(!readRoomTemplate(1, row, &error));
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(templateLights(1, &error).isEmpty());
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(templatePanels(1, &error).isEmpty());
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestTemplateStore)
#include "tst_templatestore.moc"
