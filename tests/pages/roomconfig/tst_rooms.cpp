// Rooms through the hub's navigation: the add-room dialog with its series, the rooms manager, the room editor with
// its tabs, and the light, air-conditioner, floor-heating and panel editors, observed in the database.

#include "pages/roomconfig/devicelisttab.h"
#include "pages/roomconfig/pagesettingroommanager.h"
#include "pages/roomconfig/pagesettingroommanagermoods.h"
#include "pages/roomconfig/roomadddlg.h"
#include "pages/roomconfig/roomcreation.h"

#include "app/pagetable.h"
#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcheckbox.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialradiobutton.h"
#include "materialwidgets/qtmaterialtabs.h"
#include "resources/stationresources.h"
#include "shell/dynamicwidget.h"
#include "shell/mainwindow.h"
#include "shell/manageritem.h"
#include "shell/orvmessagebox.h"
#include "shell/tilegrid.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/stationfixture.h"
#include "tests/support/testenv.h"

#include <QImage>
#include <QSqlRecord>
#include <QtTest>

namespace {

int rows(const QString &table, const QString &where = QString())
{
    return queryIntValue("select count(*) as n from " + table + (where.isEmpty() ? "" : " where " + where), "n");
}

QString textOf(const QString &sql, const QString &column)
{
    QString value = "<no row>";
    queryStringValue(sql, column, value);
    return value;
}

// Every row of a table as text, for comparing whole tables.
QStringList dump(const QString &table, const QString &order)
{
    QStringList lines;
    QSqlQuery query = gDatabase.querySql("select * from " + table + " order by " + order);
    while (query.next()) {
        QStringList values;
        for (int i = 1; i < query.record().count(); ++i) // column 0 is the row key
            values << query.value(i).toString();
        lines << values.join('|');
    }
    return lines;
}

void addTemplate(int id, const QString &icon = "room_1")
{
    QVERIFY(gDatabase.execSql(
        "insert into tbl_room_template(room_template_name,room_template_icon_name,room_template_id) values(?,?,?)",
        {QString("T%1").arg(id), icon, id}));
    // An RGB light, a dimmer and a panel.
    QVERIFY(gDatabase.execSql("insert into tbl_template_light(template_light_id,light_type,light_remark,icon_name,"
                              "room_template_id) values(1,2,'Strip','light_05_on',?),(2,1,'Desk','lamp',?)",
                              {id, id}));
    QVERIFY(gDatabase.execSql(
        "insert into tbl_template_panel(template_panel_id,panel_remark,room_template_id) values(1,'Door',?)", {id}));
}

void addRoom(int roomId, const QString &name = QString())
{
    QVERIFY(gDatabase.execSql("insert into tbl_room(room_name,icon_name,room_id,floor_id,region_id,room_template_id) "
                              "values(?,'room_2',?,1,1,1)",
                              {name.isEmpty() ? QString("R%1").arg(roomId) : name, roomId}));
}

// Tiles lie in kinetic scrolling canvases that hold a press back; the click is given as the tile's own signal.
void press(DynamicWidget *tile)
{
    QVERIFY(tile);
    emit tile->signalsPressed();
}

struct AddForm
{
    AddForm(const QString &regionName, const QString &floorName, const QString &roomName, bool inBulk = false,
            const QString &count = QString())
        : region(regionName), floor(floorName), room(roomName), bulk(inBulk), number(count)
    {
    }
    QString region;
    QString floor;
    QString room;
    bool bulk;
    QString number;
};

} // namespace

class TestRooms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void numberedNames_data();
    void numberedNames();
    void addsOneRoomWithTheTemplatesDevices();
    void existingRegionAndFloorAreReused();
    void incompleteFormsAreRefused();
    void numberFieldIsCapped();
    void bulkSeriesEqualsRoomsAddedOneByOne();
    void countThatIsNoPositiveNumberAddsNoRoom();
    void projectPictureIsCopiedPerRoom();

    void managerListsRoomsInRegionFloorOrder();
    void managerAddWithoutTemplateOnlyTells();
    void managerDeleteAsksFirst();

    void editorOpensOnFirstTabAndSavesOnLeave();
    void deviceTabsOpenEditorsWithFreshIds();
    void secondAirConditionerIsTheLimit();
    void panelDeleteAnnouncesRemoval();
    void climateDeleteGoesWithItsPlacement();
    void refusedPlacementDeleteKeepsTheDevice_data();
    void refusedPlacementDeleteKeepsTheDevice();

    void switchesAreWrittenOncePerLoad();
    void occupationDefaultsAndType();

    void lightRowsPerKind_data();
    void lightRowsPerKind();
    void incompleteLightIsRefused();
    void airConditionerChannels_data();
    void airConditionerChannels();
    void floorHeatingNeedsItsNumber();
    void panelAddressIsUniqueAndChangeAsks();
    void numbersAbove255AreRefused_data();
    void numbersAbove255AreRefused();
    void numbersUpTo255AreStored_data();
    void numbersUpTo255AreStored();
    void unreadClimateRowIsNeverSaved_data();
    void unreadClimateRowIsNeverSaved();

    void moodTabAddsAndDeletes();
    void moodTabRefusedDeleteKeepsTheMood();
    void failedSavesChangeNothing();

private:
    void go(const QString &id, const QString &prm1 = QString(), const QString &prm2 = QString())
    {
        emit gBroadcastSocket.signalsPageIdChanged(id, id, prm1, prm2);
    }
    MyDialog *page(const QString &id) const { return window->page(id); }
    QList<ManagerItem *> tilesOf(TileGrid *grid) const;
    DeviceListTab *tab(const QString &name) const { return page("Edit Room")->findChild<DeviceListTab *>(name); }
    // Fills the dialog, presses "Add"; answers the dialog's result.
    int addRooms(const AddForm &form);
    template <class T> T *field(const QString &pageId, const QString &name) const
    {
        T *widget = page(pageId)->findChild<T *>(name);
        if (!widget)
            qWarning() << "no" << name << "on" << pageId;
        return widget;
    }
    void saveOn(const QString &pageId) { field<QtMaterialFlatButton>(pageId, "pushButtonSave")->click(); }

    QTemporaryDir home;
    QScopedPointer<MainWindow> window;
    QStringList toasts;
    QStringList dialogToasts;
    QList<QPair<int, int>> removals;
    QStringList navigations;
    int boxesShown = 0;
    QString lastBoxText;
    int boxAnswer = QDialog::Accepted;
};

void TestRooms::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
    registerStationPages();
    connect(&gBroadcastSocket, &BroadcastSocket::signalsInformation, this, [this](QString text) { toasts << text; });
    connect(&gBroadcastSocket, &BroadcastSocket::signalsRemoveMessage, this,
            [this](int value, int type) { removals << qMakePair(value, type); });
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged, this,
            [this](QString id, QString, QString prm1, QString prm2) { navigations << id + "/" + prm1 + "/" + prm2; });
}

void TestRooms::init()
{
    REQUIRE_PRIVATE_NETWORK();
    stationfixture::prepareProject(home.path(), LocalNetwork);
    gScreenWidth = 1920;
    toasts.clear();
    dialogToasts.clear();
    removals.clear();
    navigations.clear();
    boxesShown = 0;
    boxAnswer = QDialog::Accepted;
    ORVMessageBox::setExecHook([this](ORVMessageBox &box) {
        ++boxesShown;
        lastBoxText = box.text();
        return boxAnswer;
    });
    window.reset(new MainWindow);
}

void TestRooms::cleanup()
{
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ORVMessageBox::setExecHook({});
    RoomAddDlg::setExecHook({});
}

QList<ManagerItem *> TestRooms::tilesOf(TileGrid *grid) const
{
    QList<ManagerItem *> tiles;
    for (QWidget *tile : grid->tiles())
        tiles << qobject_cast<ManagerItem *>(tile);
    return tiles;
}

int TestRooms::addRooms(const AddForm &form)
{
    int result = -1;
    RoomAddDlg::setExecHook([&](RoomAddDlg &dialog) {
        connect(&dialog, &MyDialog::signalsInformation, this, [this](QString text) { dialogToasts << text; });
        dialog.findChild<QtMaterialComboBox *>("comboBoxRegion")->setEditText(form.region);
        dialog.findChild<QtMaterialComboBox *>("comboBoxFloor")->setEditText(form.floor);
        dialog.findChild<QtMaterialLineEdit *>("lineEditRoomName")->setText(form.room);
        dialog.findChild<QtMaterialCheckBox *>("checkBoxAddInBulk")->setChecked(form.bulk);
        if (form.bulk)
            dialog.findChild<QtMaterialLineEdit *>("lineEditNumber")->setText(form.number);
        dialog.findChild<QtMaterialFlatButton *>("pushButtonAdd")->click();
        result = dialog.result();
        return result;
    });
    go("Rooms Manager");
    auto *manager = qobject_cast<PageSettingRoomManager *>(page("Rooms Manager"));
    press(tilesOf(manager->grid()).last());
    RoomAddDlg::setExecHook({});
    return result;
}

void TestRooms::numberedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("digits") << "101" << QStringList{"101", "102", "103"};
    QTest::newRow("prefix, zeros dropped") << "A09" << QStringList{"A9", "A10", "A11"};
    QTest::newRow("no digits") << "Suite" << QStringList{"Suite", "Suite1", "Suite2"};
    QTest::newRow("carry into a new digit") << "R99" << QStringList{"R99", "R100", "R101"};
    QTest::newRow("only zeros") << "B00" << QStringList{"B0", "B1", "B2"};
    QTest::newRow("longer than any integer")
        << "99999999999999999999" << QStringList{"99999999999999999999", "100000000000000000000"};
    QTest::newRow("other decimal digits") << QString::fromUtf8("K\xd9\xa1\xd9\xa2") << QStringList{"K12", "K13", "K14"};
}

void TestRooms::numberedNames()
{
    QFETCH(QString, name);
    QFETCH(QStringList, names);
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(numberedRoomName(name, i), names.at(i));
}

void TestRooms::addsOneRoomWithTheTemplatesDevices()
{
    addTemplate(1);
    QCOMPARE(addRooms({"B", "3", "O'Hara 301"}), int(QDialog::Accepted));
    QCOMPARE(dump("tbl_region", "region_id"), QStringList{"B|1"});
    QCOMPARE(rows("tbl_floor", "floor_name='3' and floor_id=1 and region_id=1"), 1);
    QCOMPARE(rows("tbl_room", "room_id=1 and floor_id=1 and region_id=1 and room_template_id=1 and icon_name='room_1'"),
             1);
    QCOMPARE(textOf("select * from tbl_room", "room_name"), QString("O'Hara 301"));
    // The RGB light as channel rows 1-3 sharing one id, the dimmer as one row; every address 0.
    QCOMPARE(rows("tbl_light", "light_id=1 and light_type=2 and light_remark='Strip' and "
                               "icon_name_of_light_on='light_05_on' and icon_name_of_light_off='light_05_off' and "
                               "rgb in (1,2,3) and room_id=1"),
             3);
    QCOMPARE(rows("tbl_light", "light_id=2 and light_type=1 and rgb=0 and icon_name_of_light_off='lamp'"), 1);
    QCOMPARE(rows("tbl_light", "subnet_id=0 and device_id=0 and channel=0 and brightness=0 and us_id=0 and fade=0 "
                               "and original_type=0 and version=''"),
             4);
    QCOMPARE(rows("tbl_panel", "panel_id=1 and panel_remark='Door' and subnet_id=0 and device_id=0 and room_id=1"), 1);
    const QList<ManagerItem *> tiles = tilesOf(qobject_cast<PageSettingRoomManager *>(page("Rooms Manager"))->grid());
    QCOMPARE(tiles.size(), 2);
    QCOMPARE(tiles.at(0)->name(), QString("B-3-O'Hara 301"));
}

void TestRooms::existingRegionAndFloorAreReused()
{
    addTemplate(1);
    QVERIFY(gDatabase.execSql("insert into tbl_region(region_name,region_id) values('North',2),('South',5)"));
    QVERIFY(
        gDatabase.execSql("insert into tbl_floor(floor_name,floor_id,region_id) values('1',1,2),('2',3,2),('1',2,5)"));
    QCOMPARE(addRooms({"South", "1", "A"}), int(QDialog::Accepted));
    QCOMPARE(rows("tbl_room", "floor_id=2 and region_id=5"), 1);
    // A floor name of another region is new in this one: lowest free floor id.
    QCOMPARE(addRooms({"North", "2", "B"}), int(QDialog::Accepted));
    QCOMPARE(addRooms({"South", "2", "C"}), int(QDialog::Accepted));
    QCOMPARE(rows("tbl_room", "room_name='B' and floor_id=3 and region_id=2"), 1);
    QCOMPARE(rows("tbl_floor", "floor_name='2' and floor_id=4 and region_id=5"), 1);
    QCOMPARE(rows("tbl_region"), 2);

    // Choosing a region lists its floors in floor id order.
    RoomAddDlg dialog(nullptr);
    auto *regions = dialog.findChild<QtMaterialComboBox *>("comboBoxRegion");
    auto *floors = dialog.findChild<QtMaterialComboBox *>("comboBoxFloor");
    QCOMPARE(regions->currentText(), QString());
    regions->setCurrentIndex(0);
    QCOMPARE(floors->count(), 2);
    QCOMPARE(floors->itemText(0), QString("1"));
    QCOMPARE(floors->itemText(1), QString("2"));
}

void TestRooms::incompleteFormsAreRefused()
{
    QCOMPARE(addRooms({"B", "3", "301"}), -1); // no template: no dialog at all
    QCOMPARE(toasts, QStringList{"Please add room template!"});
    addTemplate(1);
    QCOMPARE(addRooms({"B", "", "301"}), 0);
    QCOMPARE(dialogToasts, QStringList{"Please input the complete content!"});
    QCOMPARE(rows("tbl_region") + rows("tbl_room"), 0);

    // The template row gone while the dialog is open: accepted, nothing written.
    bool templateDeleted = false;
    RoomAddDlg::setExecHook([&templateDeleted](RoomAddDlg &dialog) {
        templateDeleted = gDatabase.execSql("delete from tbl_room_template");
        dialog.findChild<QtMaterialComboBox *>("comboBoxRegion")->setEditText("B");
        dialog.findChild<QtMaterialComboBox *>("comboBoxFloor")->setEditText("3");
        dialog.findChild<QtMaterialLineEdit *>("lineEditRoomName")->setText("301");
        dialog.findChild<QtMaterialFlatButton *>("pushButtonAdd")->click();
        return dialog.result();
    });
    go("Rooms Manager");
    press(tilesOf(qobject_cast<PageSettingRoomManager *>(page("Rooms Manager"))->grid()).last());
    QVERIFY(templateDeleted);
    QCOMPARE(rows("tbl_region") + rows("tbl_room"), 0);
}

void TestRooms::numberFieldIsCapped()
{
    RoomAddDlg dialog(nullptr);
    QCOMPARE(dialog.size(), QSize(500, 500));
    auto *number = dialog.findChild<QtMaterialLineEdit *>("lineEditNumber");
    QCOMPARE(number->text(), QString("1"));
    QVERIFY(!number->isEnabled());
    dialog.findChild<QtMaterialCheckBox *>("checkBoxAddInBulk")->setChecked(true);
    QVERIFY(number->isEnabled());
    number->setText("150");
    QCOMPARE(number->text(), QString("99"));
    number->clear();
    emit number->editingFinished();
    QCOMPARE(number->text(), QString("1"));
}

void TestRooms::bulkSeriesEqualsRoomsAddedOneByOne()
{
    addTemplate(1);
    addRoom(2); // a gap the series fills first
    QVERIFY(gDatabase.execSql("insert into tbl_light(light_id,rgb,room_id) values(1,0,2)"));
    QCOMPARE(addRooms({"B", "3", "A09", true, "3"}), int(QDialog::Accepted));
    const QStringList roomsInBulk = dump("tbl_room", "room_id");
    const QStringList lightsInBulk = dump("tbl_light", "light_id,rgb");
    const QStringList panelsInBulk = dump("tbl_panel", "panel_id");
    QCOMPARE(rows("tbl_room", "room_name in ('A9','A10','A11') and room_id in (1,3,4)"), 3);
    QCOMPARE(textOf("select * from tbl_room where room_id=4", "room_name"), QString("A11"));

    QVERIFY(gDatabase.execSql("delete from tbl_room where room_id<>2"));
    QVERIFY(gDatabase.execSql("delete from tbl_light where room_id<>2"));
    QVERIFY(gDatabase.execSql("delete from tbl_panel"));
    for (const char *name : {"A9", "A10", "A11"})
        QCOMPARE(addRooms({"B", "3", name}), int(QDialog::Accepted));
    QCOMPARE(dump("tbl_room", "room_id"), roomsInBulk);
    QCOMPARE(dump("tbl_light", "light_id,rgb"), lightsInBulk);
    QCOMPARE(dump("tbl_panel", "panel_id"), panelsInBulk);

    // Number 1 in bulk mode keeps the name as typed.
    QCOMPARE(addRooms({"B", "3", "X7", true, "1"}), int(QDialog::Accepted));
    QCOMPARE(rows("tbl_room", "room_name='X7'"), 1);
}

void TestRooms::countThatIsNoPositiveNumberAddsNoRoom()
{
    addTemplate(1);
    QCOMPARE(addRooms({"B", "3", "301", true, "-2"}), int(QDialog::Accepted));
    QCOMPARE(addRooms({"B", "3", "301", true, "x"}), int(QDialog::Accepted));
    QCOMPARE(rows("tbl_room"), 0);
    QCOMPARE(rows("tbl_region"), 1);
    QCOMPARE(rows("tbl_floor"), 1);
}

void TestRooms::projectPictureIsCopiedPerRoom()
{
    const QString folder = home.path() + "/database/Home";
    QImage image(60, 32, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(folder + "/photo_Template_1.png"));
    addTemplate(1, "photo_Template_1");
    addTemplate(2, "photo_Template_2"); // its file is missing
    QCOMPARE(addRooms({"B", "3", "301", true, "2"}), int(QDialog::Accepted));
    QCOMPARE(textOf("select * from tbl_room where room_id=2", "icon_name"), QString("photo_Room_2"));
    QCOMPARE(QImage(folder + "/photo_Room_1.png").size(), QSize(60, 32));
    QCOMPARE(QImage(folder + "/photo_Room_2.png").size(), QSize(60, 32));

    RoomAddDlg::setExecHook([](RoomAddDlg &dialog) {
        dialog.findChild<QtMaterialComboBox *>("comboBoxRegion")->setEditText("B");
        dialog.findChild<QtMaterialComboBox *>("comboBoxFloor")->setEditText("3");
        dialog.findChild<QtMaterialLineEdit *>("lineEditRoomName")->setText("303");
        dialog.findChild<QtMaterialComboBox *>("comboBoxTemplate")->setCurrentIndex(1);
        dialog.findChild<QtMaterialFlatButton *>("pushButtonAdd")->click();
        return dialog.result();
    });
    press(tilesOf(qobject_cast<PageSettingRoomManager *>(page("Rooms Manager"))->grid()).last());
    QCOMPARE(textOf("select * from tbl_room where room_id=3", "icon_name"), QString("photo_Room_3"));
    QVERIFY(!QFile::exists(folder + "/photo_Room_3.png"));
}

void TestRooms::managerListsRoomsInRegionFloorOrder()
{
    QVERIFY(gDatabase.execSql("insert into tbl_region(region_name,region_id) values('East',1),('West',2)"));
    QVERIFY(gDatabase.execSql("insert into tbl_floor(floor_name,floor_id,region_id) values('G',1,1),('F2',2,2)"));
    QVERIFY(gDatabase.execSql("insert into tbl_room(room_name,icon_name,room_id,floor_id,region_id) values"
                              "('w',  'room_3',1,2,2),('e2','room_1',5,1,1),('e1','room_1',3,1,1),('x','r',4,9,1)"));
    go("Rooms Manager");
    const QList<ManagerItem *> tiles = tilesOf(qobject_cast<PageSettingRoomManager *>(page("Rooms Manager"))->grid());
    QStringList labels;
    for (ManagerItem *tile : tiles.mid(0, 4))
        labels << tile->name();
    QCOMPARE(labels, (QStringList{"East-G-e1", "East-G-e2", "East--x", "West-F2-w"}));
    QCOMPARE(tiles.at(0)->type(), int(RoomTile));
    QVERIFY(tiles.at(0)->deleteButton());
    QVERIFY(!tiles.at(0)->tracksMessages());
    QCOMPARE(tiles.at(0)->size(), QSize(300, 160));
    QCOMPARE(tiles.last()->type(), int(AddTile));

    press(tiles.at(3));
    QCOMPARE(navigations.last(), QString("Edit Room/1/1"));
}

void TestRooms::managerAddWithoutTemplateOnlyTells()
{
    bool opened = false;
    RoomAddDlg::setExecHook([&opened](RoomAddDlg &) {
        opened = true;
        return 0;
    });
    go("Rooms Manager");
    press(tilesOf(qobject_cast<PageSettingRoomManager *>(page("Rooms Manager"))->grid()).last());
    QVERIFY(!opened);
    QCOMPARE(toasts, QStringList{"Please add room template!"});
}

void TestRooms::managerDeleteAsksFirst()
{
    addRoom(1, "Blue");
    addRoom(2);
    QVERIFY(gDatabase.execSql("insert into tbl_panel(panel_id,panel_remark,subnet_id,device_id,room_id) values"
                              "(1,'p',1,1,1)"));
    go("Rooms Manager");
    auto *manager = qobject_cast<PageSettingRoomManager *>(page("Rooms Manager"));
    boxAnswer = QDialog::Rejected;
    emit tilesOf(manager->grid()).at(0)->signalsDelete(RoomTile, 1);
    QCOMPARE(lastBoxText, QString("Are you sure to delete room Blue and all the information associated with it?"));
    QCOMPARE(rows("tbl_room"), 2);
    boxAnswer = QDialog::Accepted;
    emit tilesOf(manager->grid()).at(0)->signalsDelete(RoomTile, 1);
    QCOMPARE(rows("tbl_room"), 1);
    QCOMPARE(rows("tbl_panel"), 0);
    QCOMPARE(tilesOf(manager->grid()).size(), 2);
    // A room no longer there asks nothing.
    const int asked = boxesShown;
    QMetaObject::invokeMethod(manager, "slotsDelete", Q_ARG(int, RoomTile), Q_ARG(int, 1));
    QCOMPARE(boxesShown, asked);
}

void TestRooms::editorOpensOnFirstTabAndSavesOnLeave()
{
    addRoom(7, "Old");
    go("Edit Room", "7", "1");
    auto *tabs = field<QtMaterialTabs>("Edit Room", "tabs");
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(!tab("PageSettingRoomManagerLighting")->isHidden());
    QCOMPARE(field<QtMaterialLineEdit>("Edit Room", "lineEditName")->text(), QString("Old"));
    tabs->setCurrentTab(5);
    QVERIFY(!tab("PageSettingRoomManagerPanel")->isHidden());
    QVERIFY(tab("PageSettingRoomManagerLighting")->isHidden());
    QCOMPARE(tab("PageSettingRoomManagerPanel")->ownerId(), 7);

    field<QtMaterialLineEdit>("Edit Room", "lineEditName")->clear();
    go("Light Information", "1", "7");
    QCOMPARE(textOf("select * from tbl_room where room_id=7", "room_name"), QString(""));
    go("Edit Room", "7", "0");
    QCOMPARE(tabs->currentIndex(), 5);
}

void TestRooms::deviceTabsOpenEditorsWithFreshIds()
{
    addRoom(1);
    addRoom(2);
    QVERIFY(gDatabase.execSql("insert into tbl_light(light_id,light_remark,rgb,room_id) values(1,'a',0,2),"
                              "(2,'rgb',1,1),(2,'rgb',2,1),(2,'rgb',3,1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_air_conditioner(air_conditioner_no,remark,room_id) values(3,'fh',1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_panel(panel_id,panel_remark,room_id) values(1,'p',2)"));
    QVERIFY(gDatabase.execSql("insert into tbl_3d_view_light(light_id,room_id) values(2,1)"));
    go("Edit Room", "1", "1");
    const QList<QPair<QString, QString>> expected{{"PageSettingRoomManagerLighting", "Light Information/3/1"},
                                                  {"PageSettingRoomManagerAC", "AC Information/0/1"},
                                                  {"PageSettingRoomManagerFloorHeat", "Floor Heat Information/2/1"},
                                                  {"PageSettingRoomManagerPanel", "Panel Information/2/1"}};
    for (const auto &row : expected) {
        press(tilesOf(tab(row.first)->grid()).last());
        QCOMPARE(navigations.last(), row.second);
    }
    const QList<ManagerItem *> lights = tilesOf(tab("PageSettingRoomManagerLighting")->grid());
    QCOMPARE(lights.size(), 2);
    QCOMPARE(lights.at(0)->size(), QSize(192, 192));
    QCOMPARE(tilesOf(tab("PageSettingRoomManagerFloorHeat")->grid()).at(0)->type(), int(FloorHeatTile));
    press(lights.at(0));
    QCOMPARE(navigations.last(), QString("Light Information/2/1"));
    // The RGB light goes whole with its placement, unasked.
    emit lights.at(0)->signalsDelete(LightTile, 2);
    QCOMPARE(rows("tbl_light", "room_id=1"), 0);
    QCOMPARE(rows("tbl_3d_view_light"), 0);
    QCOMPARE(boxesShown, 0);
}

void TestRooms::secondAirConditionerIsTheLimit()
{
    addRoom(1);
    QVERIFY(gDatabase.execSql("insert into tbl_air_conditioner(air_conditioner_no,remark,room_id) values"
                              "(0,'a',1),(1,'b',1),(2,'c',1),(3,'d',1)"));
    go("Edit Room", "1", "1");
    const int before = navigations.size();
    press(tilesOf(tab("PageSettingRoomManagerAC")->grid()).last());
    press(tilesOf(tab("PageSettingRoomManagerFloorHeat")->grid()).last());
    QCOMPARE(toasts, (QStringList{"Beyond the limit!", "Beyond the limit!"}));
    QCOMPARE(navigations.size(), before);
}

void TestRooms::panelDeleteAnnouncesRemoval()
{
    addRoom(1);
    QVERIFY(gDatabase.execSql("insert into tbl_panel(panel_id,panel_remark,room_id) values(4,'p',1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_message_log(panel_id) values(4),(4),(5)"));
    go("Edit Room", "1", "1");
    emit tilesOf(tab("PageSettingRoomManagerPanel")->grid()).at(0)->signalsDelete(PanelTile, 4);
    QCOMPARE(rows("tbl_panel"), 0);
    QCOMPARE(rows("tbl_message_log"), 1);
    QCOMPARE(removals, (QList<QPair<int, int>>{{4, 2}}));
}

void TestRooms::climateDeleteGoesWithItsPlacement()
{
    addRoom(1);
    QVERIFY(gDatabase.execSql("insert into tbl_air_conditioner(air_conditioner_no,remark,room_id) values"
                              "(0,'a',1),(1,'b',1),(2,'c',1)"));
    QVERIFY(
        gDatabase.execSql("insert into tbl_3d_air_conditioner(air_conditioner_no,room_id) values(0,1),(1,1),(2,1)"));
    go("Edit Room", "1", "1");
    emit tilesOf(tab("PageSettingRoomManagerAC")->grid()).at(0)->signalsDelete(AirConditionerTile, 0);
    QCOMPARE(rows("tbl_air_conditioner", "air_conditioner_no=0"), 0);
    QCOMPARE(rows("tbl_3d_air_conditioner", "air_conditioner_no=0"), 0);
    QCOMPARE(tilesOf(tab("PageSettingRoomManagerAC")->grid()).size(), 2);
    QVERIFY(toasts.isEmpty());

    // The placement refuses to go: the device stays with it, and the tab says so.
    QVERIFY(gDatabase.execSql("create trigger refuse_placement before delete on tbl_3d_air_conditioner begin select "
                              "raise(abort, 'refused'); end"));
    emit tilesOf(tab("PageSettingRoomManagerFloorHeat")->grid()).at(0)->signalsDelete(FloorHeatTile, 2);
    QCOMPARE(toasts, QStringList{"Delete failed!"});
    QCOMPARE(rows("tbl_air_conditioner", "air_conditioner_no=2 and remark='c'"), 1);
    QCOMPARE(rows("tbl_3d_air_conditioner", "air_conditioner_no=2"), 1);
    QCOMPARE(tilesOf(tab("PageSettingRoomManagerFloorHeat")->grid()).size(), 2);
    QCOMPARE(gDatabase.transactionDepth(), 0);
}

void TestRooms::refusedPlacementDeleteKeepsTheDevice_data()
{
    QTest::addColumn<QString>("tabName");
    QTest::addColumn<int>("tileKind");
    QTest::addColumn<QString>("devices");
    QTest::addColumn<QString>("placements");
    QTest::newRow("light") << "PageSettingRoomManagerLighting" << int(LightTile) << "tbl_light"
                           << "tbl_3d_view_light";
    QTest::newRow("air conditioner") << "PageSettingRoomManagerAC" << int(AirConditionerTile) << "tbl_air_conditioner"
                                     << "tbl_3d_air_conditioner";
    QTest::newRow("floor heating") << "PageSettingRoomManagerFloorHeat" << int(FloorHeatTile) << "tbl_air_conditioner"
                                   << "tbl_3d_air_conditioner";
}

void TestRooms::refusedPlacementDeleteKeepsTheDevice()
{
    QFETCH(QString, tabName);
    QFETCH(int, tileKind);
    QFETCH(QString, devices);
    QFETCH(QString, placements);
    addRoom(1);
    QVERIFY(gDatabase.execSql("insert into tbl_light(light_id,light_remark,rgb,room_id) values(1,'a',0,1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_air_conditioner(air_conditioner_no,remark,room_id) values"
                              "(1,'ac',1),(2,'fh',1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_3d_view_light(light_id,room_id) values(1,1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_3d_air_conditioner(air_conditioner_no,room_id) values(1,1),(2,1)"));
    QVERIFY(gDatabase.execSql(QString("create trigger refuse before delete on %1 "
                                      "begin select raise(abort, 'refused'); end")
                                  .arg(placements)));
    go("Edit Room", "1", "1");
    const QList<ManagerItem *> tiles = tilesOf(tab(tabName)->grid());
    QCOMPARE(tiles.size(), 2); // the device and the add tile
    const int devicesBefore = rows(devices);
    const int placementsBefore = rows(placements);
    emit tiles.at(0)->signalsDelete(tileKind, tiles.at(0)->id());
    // The device and its placement go together or not at all.
    QCOMPARE(rows(devices), devicesBefore);
    QCOMPARE(rows(placements), placementsBefore);
    QCOMPARE(tilesOf(tab(tabName)->grid()).size(), 2);
}

void TestRooms::switchesAreWrittenOncePerLoad()
{
    addRoom(1);
    go("Edit Room", "1", "1");
    auto *master = page("Edit Room")->findChild<MyDialog *>("PageSettingRoomManagerMaster");
    master->findChild<QtMaterialLineEdit *>("lineEditSubnet")->setText("1");
    master->findChild<QtMaterialLineEdit *>("lineEditDevice")->setText("300");
    QCOMPARE(master->findChild<QtMaterialLineEdit *>("lineEditDevice")->text(), QString("255"));
    master->findChild<QtMaterialLineEdit *>("lineEditChannel")->setText("3");
    go("Rooms Manager");
    QCOMPARE(rows("tbl_master", "subnet_id=1 and device_id=255 and channel=3 and status=0 and room_id=1"), 1);

    // Written once: a second leave without a load changes nothing.
    QVERIFY(gDatabase.execSql("update tbl_master set status=4"));
    go("Edit Room", "1", "0");
    master->findChild<QtMaterialLineEdit *>("lineEditChannel")->setText("9");
    go("Rooms Manager");
    QCOMPARE(rows("tbl_master", "channel=9 and status=0"), 1);
    go("Setting");
    QCOMPARE(rows("tbl_master"), 1);

    // Cleared: the row goes.
    go("Edit Room", "1", "0");
    master->findChild<QtMaterialLineEdit *>("lineEditSubnet")->clear();
    go("Rooms Manager");
    QCOMPARE(rows("tbl_master"), 0);
}

void TestRooms::occupationDefaultsAndType()
{
    addRoom(1);
    go("Edit Room", "1", "1");
    auto *occupation = page("Edit Room")->findChild<MyDialog *>("PageSettingRoomManagerOccupation");
    QCOMPARE(occupation->findChild<QtMaterialLineEdit *>("lineEditChannel")->text(), QString("5"));
    QVERIFY(occupation->findChild<QtMaterialRadioButton *>("radioButtonUniversal")->isChecked());
    auto *hint = occupation->findChild<QtMaterialLabel *>("labelHint");
    QVERIFY(!hint->isHidden());
    occupation->findChild<QtMaterialRadioButton *>("radioButtonRelay")->click();
    QVERIFY(hint->isHidden());
    occupation->findChild<QtMaterialLineEdit *>("lineEditSubnet")->setText("1");
    occupation->findChild<QtMaterialLineEdit *>("lineEditDevice")->setText("20");
    go("Rooms Manager");
    QCOMPARE(rows("tbl_occupation", "occupation_type=1 and subnet_id=1 and device_id=20 and channel=5 and status=0"),
             1);
    go("Edit Room", "1", "0");
    QVERIFY(occupation->findChild<QtMaterialRadioButton *>("radioButtonRelay")->isChecked());
    QVERIFY(hint->isHidden());
}

void TestRooms::lightRowsPerKind_data()
{
    QTest::addColumn<int>("typeIndex");
    QTest::addColumn<QStringList>("fields"); // row-major: subnet, device, channel for rows 1-4, then area, scene
    QTest::addColumn<QStringList>("stored"); // light_type|subnet|device|channel|us_id|rgb
    const QStringList none{"", "", "", "", "", "", "", "", "", "", "", "", "", ""};
    QStringList plain = none;
    plain[0] = "1", plain[1] = "2", plain[2] = "3";
    QTest::newRow("On/Off") << 0 << plain << QStringList{"0|1|2|3|0|0"};
    QTest::newRow("Dali DT8") << 5 << plain << QStringList{"8|1|2|3|0|0"};
    QStringList scene = none;
    scene[0] = "1", scene[1] = "2", scene[12] = "4", scene[13] = "9";
    QTest::newRow("Scene: area in channel") << 4 << scene << QStringList{"7|1|2|4|9|0"};
    QStringList rgb = plain;
    rgb[3] = "1", rgb[4] = "2", rgb[5] = "4", rgb[6] = "1", rgb[7] = "2", rgb[8] = "5", rgb[9] = "1";
    QTest::newRow("RGB, white incomplete") << 2 << rgb << QStringList{"2|1|2|3|0|1", "2|1|2|4|0|2", "2|1|2|5|0|3"};
    rgb[10] = "2", rgb[11] = "6";
    QTest::newRow("RGB with white") << 2 << rgb
                                    << QStringList{"2|1|2|3|0|1", "2|1|2|4|0|2", "2|1|2|5|0|3", "2|1|2|6|0|4"};
}

void TestRooms::lightRowsPerKind()
{
    QFETCH(int, typeIndex);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, stored);
    addRoom(1);
    // An earlier RGB light of this id: its rows all go.
    QVERIFY(gDatabase.execSql("insert into tbl_light(light_id,light_type,rgb,room_id,brightness) values"
                              "(3,2,1,1,80),(3,2,2,1,80),(3,2,3,1,80),(3,2,4,1,80)"));
    go("Light Information", "3", "1");
    const QString id = "Light Information";
    field<QtMaterialLineEdit>(id, "lineEditName")->setText("It's lit");
    field<QtMaterialComboBox>(id, "comboBoxType")->setCurrentIndex(typeIndex);
    const char *names[] = {"lineEditSubnet%1", "lineEditDevice%1", "lineEditChannel%1"};
    for (int i = 0; i < 12; ++i)
        field<QtMaterialLineEdit>(id, QString(names[i % 3]).arg(i / 3 + 1))->setText(fields.at(i));
    field<QtMaterialLineEdit>(id, "lineEditArea")->setText(fields.at(12));
    field<QtMaterialLineEdit>(id, "lineEditScene")->setText(fields.at(13));
    field<ManagerItem>(id, "managerItemPicture")->setIconName("light_12_on");
    saveOn(id);
    QCOMPARE(toasts, QStringList());
    QCOMPARE(navigations.last(), QString("Edit Room/1/0"));
    QStringList lines;
    QSqlQuery query = gDatabase.querySql("select * from tbl_light where light_id=3 and room_id=1 order by rgb");
    while (query.next()) {
        lines << QString("%1|%2|%3|%4|%5|%6")
                     .arg(query.value("light_type").toInt())
                     .arg(query.value("subnet_id").toInt())
                     .arg(query.value("device_id").toInt())
                     .arg(query.value("channel").toInt())
                     .arg(query.value("us_id").toInt())
                     .arg(query.value("rgb").toInt());
        QCOMPARE(query.value("light_remark").toString(), QString("It's lit"));
        QCOMPARE(query.value("icon_name_of_light_off").toString(), QString("light_12_off"));
        QCOMPARE(query.value("brightness").toInt(), 0);
    }
    QCOMPARE(lines, stored);

    // Loaded back as saved.
    go("Light Information", "3", "1");
    QCOMPARE(field<QtMaterialComboBox>(id, "comboBoxType")->currentIndex(), typeIndex);
    QCOMPARE(field<QtMaterialLineEdit>(id, "lineEditSubnet1")->text(), fields.at(0));
    QCOMPARE(field<QtMaterialLineEdit>(id, "lineEditChannel1")->isHidden(), typeIndex == 4);
    QCOMPARE(field<QtMaterialLineEdit>(id, "lineEditArea")->text(), fields.at(12));
}

void TestRooms::incompleteLightIsRefused()
{
    addRoom(1);
    QVERIFY(gDatabase.execSql("insert into tbl_light(light_id,light_type,light_remark,subnet_id,device_id,channel,rgb,"
                              "room_id) values(1,2,'rgb',1,2,3,1,1),(1,2,'rgb',1,2,5,3,1),(2,4,'old',1,1,1,0,1)"));
    go("Light Information", "1", "1");
    const QString id = "Light Information";
    QCOMPARE(field<QtMaterialLineEdit>(id, "lineEditChannel2")->text(), QString()); // green row missing
    QCOMPARE(field<QtMaterialLineEdit>(id, "lineEditChannel3")->text(), QString("5"));
    saveOn(id);
    QCOMPARE(toasts, QStringList{"Please input the complete content!"});
    QCOMPARE(rows("tbl_light", "light_id=1"), 2);
    // No minus sign.
    field<QtMaterialLineEdit>(id, "lineEditSubnet1")->clear();
    QTest::keyClicks(field<QtMaterialLineEdit>(id, "lineEditSubnet1"), "-4");
    QCOMPARE(field<QtMaterialLineEdit>(id, "lineEditSubnet1")->text(), QString("4"));
    // A stored type without an item loads as On/Off.
    go(id, "2", "1");
    QCOMPARE(field<QtMaterialComboBox>(id, "comboBoxType")->currentText(), QString("On/Off"));
}

void TestRooms::airConditionerChannels_data()
{
    QTest::addColumn<int>("storedType");
    QTest::addColumn<int>("storedChannel");
    QTest::addColumn<bool>("chooseA");
    QTest::addColumn<int>("channel");
    QTest::newRow("new IR, selector untouched: Patch B") << -1 << 0 << false << 2;
    QTest::newRow("new IR, Patch A") << -1 << 0 << true << 1;
    QTest::newRow("IR channel 3 shows Patch B") << 1 << 3 << false << 2;
    QTest::newRow("IR channel 1 shows Patch A") << 1 << 1 << false << 1;
}

void TestRooms::airConditionerChannels()
{
    QFETCH(int, storedType);
    QFETCH(int, storedChannel);
    QFETCH(bool, chooseA);
    QFETCH(int, channel);
    addRoom(1);
    if (storedType >= 0)
        QVERIFY(
            gDatabase.execSql("insert into tbl_air_conditioner(air_conditioner_no,air_conditioner_type,remark,"
                              "subnet_id,device_id,channel,high_limit,status,room_id) values(1,?,'ac',1,2,?,'30',3,1)",
                              {storedType, storedChannel}));
    go("AC Information", "1", "1");
    const QString id = "AC Information";
    field<QtMaterialLineEdit>(id, "lineEditName")->setText("ac");
    field<QtMaterialLineEdit>(id, "lineEditSubnet")->setText("1");
    field<QtMaterialLineEdit>(id, "lineEditDevice")->setText("2");
    field<QtMaterialLineEdit>(id, "lineEditChannel")->setText("7");
    field<QtMaterialRadioButton>(id, "radioButtonIR")->click();
    QVERIFY(field<QtMaterialLineEdit>(id, "lineEditChannel")->isHidden());
    if (chooseA)
        field<QtMaterialComboBox>(id, "comboBoxPatch")->setCurrentIndex(0);
    field<QtMaterialCheckBox>(id, "checkBoxHide")->setChecked(true);
    saveOn(id);
    QCOMPARE(rows("tbl_air_conditioner"), 1);
    QCOMPARE(rows("tbl_air_conditioner", QString("air_conditioner_no=1 and air_conditioner_type=1 and channel=%1 and "
                                                 "room_temperature_type=1 and high_limit='' and status=0")
                                             .arg(channel)),
             1);

    // Panel control needs its number.
    go(id, "0", "1");
    field<QtMaterialLineEdit>(id, "lineEditName")->setText("ac2");
    field<QtMaterialLineEdit>(id, "lineEditSubnet")->setText("1");
    field<QtMaterialLineEdit>(id, "lineEditDevice")->setText("999");
    QCOMPARE(field<QtMaterialLineEdit>(id, "lineEditDevice")->text(), QString("999"));
    saveOn(id);
    QCOMPARE(toasts, QStringList{"Please input the complete content!"});
}

void TestRooms::floorHeatingNeedsItsNumber()
{
    addRoom(1);
    go("Floor Heat Information", "2", "1");
    const QString id = "Floor Heat Information";
    field<QtMaterialLineEdit>(id, "lineEditName")->setText("Bath");
    field<QtMaterialLineEdit>(id, "lineEditSubnet")->setText("1");
    field<QtMaterialLineEdit>(id, "lineEditDevice")->setText("2");
    saveOn(id);
    QCOMPARE(toasts, QStringList{"Please input the complete content!"});
    field<QtMaterialLineEdit>(id, "lineEditChannel")->setText("255");
    saveOn(id);
    QCOMPARE(rows("tbl_air_conditioner", "air_conditioner_no=2 and air_conditioner_type=0 and remark='Bath' and "
                                         "channel=255 and room_id=1"),
             1);
    QCOMPARE(navigations.last(), QString("Edit Room/1/0"));
}

void TestRooms::panelAddressIsUniqueAndChangeAsks()
{
    addRoom(1);
    addRoom(2);
    QVERIFY(gDatabase.execSql("insert into tbl_panel(panel_id,panel_remark,subnet_id,device_id,room_id) values"
                              "(1,'other',1,5,2),(2,'mine',1,6,1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_message_log(panel_id) values(2),(1)"));
    const QString id = "Panel Information";
    // New panel on another room's address.
    go(id, "3", "1");
    field<QtMaterialLineEdit>(id, "lineEditName")->setText("new");
    field<QtMaterialLineEdit>(id, "lineEditSubnet")->setText("1");
    field<QtMaterialLineEdit>(id, "lineEditDevice")->setText("5");
    saveOn(id);
    QCOMPARE(toasts, QStringList{"The subnet id and device id has been used,please input new value!"});
    QCOMPARE(rows("tbl_panel"), 2);

    // Only the name changed: nothing asked, history kept.
    go(id, "2", "1");
    field<QtMaterialLineEdit>(id, "lineEditName")->setText("renamed");
    saveOn(id);
    QCOMPARE(boxesShown, 0);
    QCOMPARE(rows("tbl_panel", "panel_remark='renamed' and device_id=6"), 1);
    QCOMPARE(rows("tbl_message_log"), 2);

    // Changed address: asked; Cancel writes nothing, Ok drops the history after the update.
    go(id, "2", "1");
    field<QtMaterialLineEdit>(id, "lineEditDevice")->setText("7");
    boxAnswer = QDialog::Rejected;
    saveOn(id);
    QCOMPARE(lastBoxText, QString("The subnet id and device id will be changed,the associated message records will "
                                  "be deleted,are you sure?"));
    QCOMPARE(rows("tbl_panel", "device_id=7"), 0);
    boxAnswer = QDialog::Accepted;
    saveOn(id);
    QCOMPARE(rows("tbl_panel", "panel_id=2 and device_id=7"), 1);
    QCOMPARE(rows("tbl_message_log"), 1);
    QCOMPARE(removals, (QList<QPair<int, int>>{{2, 2}}));
}

namespace {

// An editor's form: its page and prm1 for room 1, the light kind (index of the type selector, -1 for the other
// editors), the control radio to click (empty for none) and "objectName=text" for each input.
struct EditorForm
{
    QString page;
    QString prm1;
    int lightType;
    QString radio;
    QStringList inputs;
};

} // namespace

Q_DECLARE_METATYPE(EditorForm)

namespace {

const QStringList plainLight{"lineEditName=Desk", "lineEditSubnet1=1", "lineEditDevice1=2", "lineEditChannel1=3"};
const QStringList sceneLight{"lineEditName=Scene", "lineEditSubnet1=1", "lineEditDevice1=2", "lineEditArea=4",
                             "lineEditScene=5"};
const QStringList rgbLight{"lineEditName=Strip", "lineEditSubnet1=1",  "lineEditDevice1=2",  "lineEditChannel1=3",
                           "lineEditSubnet2=1",  "lineEditDevice2=2",  "lineEditChannel2=4", "lineEditSubnet3=1",
                           "lineEditDevice3=2",  "lineEditChannel3=5", "lineEditSubnet4=1",  "lineEditDevice4=2",
                           "lineEditChannel4=6"};
const QStringList airConditioner{"lineEditName=AC", "lineEditSubnet=1", "lineEditDevice=2", "lineEditChannel=3"};
const QStringList panel{"lineEditName=Door", "lineEditSubnet=1", "lineEditDevice=2"};

// inputs with the one named input set to text.
QStringList with(QStringList inputs, const QString &name, const QString &text)
{
    for (QString &input : inputs) {
        if (input.startsWith(name + "="))
            input = name + "=" + text;
    }
    return inputs;
}

EditorForm lightEditor(int type, const QStringList &inputs)
{
    return {"Light Information", "1", type, QString(), inputs};
}
EditorForm acEditor(const QStringList &inputs, const QString &radio = QString())
{
    return {"AC Information", "0", -1, radio, inputs};
}
EditorForm floorHeatEditor(const QStringList &inputs)
{
    return {"Floor Heat Information", "2", -1, QString(), inputs};
}
EditorForm panelEditor(const QStringList &inputs)
{
    return {"Panel Information", "1", -1, QString(), inputs};
}

} // namespace

void TestRooms::numbersAbove255AreRefused_data()
{
    QTest::addColumn<EditorForm>("form");
    QTest::addColumn<QString>("toast");
    QTest::newRow("light subnet") << lightEditor(0, with(plainLight, "lineEditSubnet1", "300"))
                                  << "Subnet ID cannot be greater than 255!";
    QTest::newRow("light device") << lightEditor(1, with(plainLight, "lineEditDevice1", "256"))
                                  << "Device ID cannot be greater than 255!";
    QTest::newRow("light channel") << lightEditor(5, with(plainLight, "lineEditChannel1", "999"))
                                   << "Channel NO cannot be greater than 255!";
    QTest::newRow("scene light area") << lightEditor(4, with(sceneLight, "lineEditArea", "256"))
                                      << "Area cannot be greater than 255!";
    QTest::newRow("scene light scene") << lightEditor(4, with(sceneLight, "lineEditScene", "300"))
                                       << "Scene cannot be greater than 255!";
    QTest::newRow("RGB green device") << lightEditor(2, with(rgbLight, "lineEditDevice2", "300"))
                                      << "Device ID (Green) cannot be greater than 255!";
    QTest::newRow("RGB white channel") << lightEditor(2, with(rgbLight, "lineEditChannel4", "256"))
                                       << "Channel NO (White) cannot be greater than 255!";
    QTest::newRow("air conditioner subnet")
        << acEditor(with(airConditioner, "lineEditSubnet", "256")) << "Subnet ID cannot be greater than 255!";
    QTest::newRow("air conditioner device")
        << acEditor(with(airConditioner, "lineEditDevice", "999")) << "Device ID cannot be greater than 255!";
    QTest::newRow("air conditioner number")
        << acEditor(with(airConditioner, "lineEditChannel", "300")) << "AC NO cannot be greater than 255!";
    QTest::newRow("IR air conditioner device")
        << acEditor(with(airConditioner, "lineEditDevice", "300"), "radioButtonIR")
        << "Device ID cannot be greater than 255!";
    QTest::newRow("floor heating subnet")
        << floorHeatEditor(with(airConditioner, "lineEditSubnet", "300")) << "Subnet ID cannot be greater than 255!";
    QTest::newRow("floor heating number") << floorHeatEditor(with(airConditioner, "lineEditChannel", "256"))
                                          << "Floor Heat NO cannot be greater than 255!";
    QTest::newRow("panel subnet") << panelEditor(with(panel, "lineEditSubnet", "256"))
                                  << "Subnet ID cannot be greater than 255!";
    QTest::newRow("panel device") << panelEditor(with(panel, "lineEditDevice", "300"))
                                  << "Device ID cannot be greater than 255!";
}

void TestRooms::numbersAbove255AreRefused()
{
    QFETCH(EditorForm, form);
    QFETCH(QString, toast);
    addRoom(1);
    // What the room holds already: the edit must leave it as it is.
    QVERIFY(gDatabase.execSql("insert into tbl_light(light_id,light_type,light_remark,subnet_id,device_id,channel,rgb,"
                              "room_id) values(1,0,'old',1,7,7,0,1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_air_conditioner(air_conditioner_no,remark,subnet_id,device_id,channel,"
                              "room_id) values(0,'old',1,8,1,1),(2,'old',1,9,1,1)"));
    QVERIFY(gDatabase.execSql(
        "insert into tbl_panel(panel_id,panel_remark,subnet_id,device_id,room_id) values(1,'old',1,10,1)"));
    const QStringList before = dump("tbl_light", "id") + dump("tbl_air_conditioner", "id") + dump("tbl_panel", "id");

    go(form.page, form.prm1, "1");
    navigations.clear();
    if (form.lightType >= 0)
        field<QtMaterialComboBox>(form.page, "comboBoxType")->setCurrentIndex(form.lightType);
    if (!form.radio.isEmpty())
        field<QtMaterialRadioButton>(form.page, form.radio)->click();
    for (const QString &input : form.inputs) {
        const QString name = input.section('=', 0, 0);
        QtMaterialLineEdit *edit = field<QtMaterialLineEdit>(form.page, name);
        QVERIFY(edit);
        edit->setText(input.section('=', 1));
        // Kept as it stands, never turned into 255.
        QCOMPARE(edit->text(), input.section('=', 1));
    }
    saveOn(form.page);
    QCOMPARE(toasts, QStringList{toast});
    QCOMPARE(dump("tbl_light", "id") + dump("tbl_air_conditioner", "id") + dump("tbl_panel", "id"), before);
    QCOMPARE(navigations, QStringList());
    QCOMPARE(boxesShown, 0);
}

void TestRooms::numbersUpTo255AreStored_data()
{
    QTest::addColumn<EditorForm>("form");
    QTest::addColumn<QString>("stored"); // a condition on the saved row(s)
    QTest::addColumn<int>("rowCount");
    QStringList light =
        with(with(with(plainLight, "lineEditSubnet1", "255"), "lineEditDevice1", "255"), "lineEditChannel1", "255");
    QTest::newRow("light") << lightEditor(0, light) << "tbl_light where subnet_id=255 and device_id=255 and channel=255"
                           << 1;
    QTest::newRow("scene light") << lightEditor(4,
                                                with(with(sceneLight, "lineEditArea", "255"), "lineEditScene", "255"))
                                 << "tbl_light where light_type=7 and channel=255 and us_id=255" << 1;
    // An incomplete white row is left out, whatever it holds.
    QStringList rgb = with(with(rgbLight, "lineEditDevice2", "255"), "lineEditSubnet4", "0");
    QTest::newRow("RGB, white incomplete")
        << lightEditor(2, with(rgb, "lineEditChannel4", "255")) << "tbl_light where light_type=2" << 3;
    // The number input of an infra-red unit is hidden and not stored.
    QTest::newRow("IR air conditioner")
        << acEditor(with(with(airConditioner, "lineEditDevice", "255"), "lineEditChannel", "300"), "radioButtonIR")
        << "tbl_air_conditioner where air_conditioner_type=1 and device_id=255 and channel=2" << 1;
    QTest::newRow("air conditioner") << acEditor(with(airConditioner, "lineEditChannel", "255"))
                                     << "tbl_air_conditioner where air_conditioner_type=0 and channel=255" << 1;
    QTest::newRow("floor heating") << floorHeatEditor(with(airConditioner, "lineEditSubnet", "255"))
                                   << "tbl_air_conditioner where air_conditioner_no=2 and subnet_id=255" << 1;
    QTest::newRow("panel") << panelEditor(with(with(panel, "lineEditSubnet", "255"), "lineEditDevice", "255"))
                           << "tbl_panel where subnet_id=255 and device_id=255" << 1;
}

void TestRooms::numbersUpTo255AreStored()
{
    QFETCH(EditorForm, form);
    QFETCH(QString, stored);
    QFETCH(int, rowCount);
    addRoom(1);
    go(form.page, form.prm1, "1");
    navigations.clear();
    if (form.lightType >= 0)
        field<QtMaterialComboBox>(form.page, "comboBoxType")->setCurrentIndex(form.lightType);
    if (!form.radio.isEmpty())
        field<QtMaterialRadioButton>(form.page, form.radio)->click();
    for (const QString &input : form.inputs)
        field<QtMaterialLineEdit>(form.page, input.section('=', 0, 0))->setText(input.section('=', 1));
    saveOn(form.page);
    QCOMPARE(toasts, QStringList());
    QCOMPARE(queryIntValue("select count(*) as n from " + stored, "n"), rowCount);
    QCOMPARE(navigations, QStringList{"Edit Room/1/0"});
}

void TestRooms::unreadClimateRowIsNeverSaved_data()
{
    QTest::addColumn<EditorForm>("form");
    QTest::newRow("air conditioner") << acEditor(airConditioner);
    QTest::newRow("IR air conditioner") << acEditor(airConditioner, "radioButtonIR");
    QTest::newRow("floor heating") << floorHeatEditor(airConditioner);
}

void TestRooms::unreadClimateRowIsNeverSaved()
{
    QFETCH(EditorForm, form);
    addRoom(1);
    QVERIFY(gDatabase.execSql("insert into tbl_air_conditioner(air_conditioner_no,remark,subnet_id,device_id,channel,"
                              "status,room_id) values(?,'old',1,8,1,1,1)",
                              {form.prm1.toInt()}));
    const QStringList before = dump("tbl_air_conditioner", "id");
    // The row cannot be read while its table is away: the page cannot tell an update from an insert.
    QVERIFY(gDatabase.execSql("alter table tbl_air_conditioner rename to tbl_air_conditioner_away"));
    go(form.page, form.prm1, "1");
    QCOMPARE(toasts, QStringList{"Read failed!"});
    QVERIFY(gDatabase.execSql("alter table tbl_air_conditioner_away rename to tbl_air_conditioner"));

    toasts.clear();
    navigations.clear();
    if (!form.radio.isEmpty())
        field<QtMaterialRadioButton>(form.page, form.radio)->click();
    for (const QString &input : form.inputs)
        field<QtMaterialLineEdit>(form.page, input.section('=', 0, 0))->setText(input.section('=', 1));
    saveOn(form.page);
    QCOMPARE(toasts, QStringList{"Save failed!"});
    QCOMPARE(navigations, QStringList());
    QCOMPARE(dump("tbl_air_conditioner", "id"), before);

    // The next entry reads the row again, and a save is stored.
    go(form.page, form.prm1, "1");
    toasts.clear();
    navigations.clear();
    saveOn(form.page);
    QCOMPARE(toasts, QStringList());
    QCOMPARE(navigations, QStringList{"Edit Room/1/0"});
    QCOMPARE(rows("tbl_air_conditioner", "remark='old' and device_id=8 and status=0"), 1);
    QCOMPARE(rows("tbl_air_conditioner"), 1);
}

void TestRooms::moodTabAddsAndDeletes()
{
    addRoom(1);
    addRoom(2);
    QVERIFY(gDatabase.execSql("insert into tbl_mood(mood_id,mood_name,mood_icon_name,room_id) values"
                              "(1,'a','moods_1',2),(2,'b','moods_1',1),(4,'c','photo_Mood_4',1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_mood_light_status(mood_id,room_id) values(4,1),(2,1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_mood_command(mood_id,room_id) values(4,1)"));
    const QString picture = home.path() + "/database/Home/photo_Mood_4.png";
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(picture));
    go("Edit Room", "1", "1");
    auto *moods = page("Edit Room")->findChild<PageSettingRoomManagerMoods *>("PageSettingRoomManagerMoods");
    QList<ManagerItem *> tiles = tilesOf(moods->grid());
    QCOMPARE(tiles.size(), 3);
    QCOMPARE(tiles.at(1)->id(), 4);
    QCOMPARE(tiles.at(1)->type(), int(MoodTile));
    press(tiles.last());
    QCOMPARE(navigations.last(), QString("Moods Information/3-1/1"));
    press(tiles.at(0));
    QCOMPARE(navigations.last(), QString("Moods Information/2-1/1"));
    QCOMPARE(rows("tbl_mood"), 3);

    emit tiles.at(1)->signalsDelete(MoodTile, 4);
    QCOMPARE(rows("tbl_mood"), 2);
    QCOMPARE(rows("tbl_mood_light_status"), 1);
    QCOMPARE(rows("tbl_mood_command"), 0);
    QVERIFY(!QFile::exists(picture));
    QCOMPARE(tilesOf(moods->grid()).size(), 2);
}

void TestRooms::moodTabRefusedDeleteKeepsTheMood()
{
    addRoom(1);
    QVERIFY(gDatabase.execSql("insert into tbl_mood(mood_id,mood_name,mood_icon_name,room_id) values"
                              "(2,'b','moods_1',1),(4,'c','photo_Mood_4',1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_mood_light_status(mood_id,room_id) values(4,1),(2,1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_mood_command(mood_id,room_id) values(4,1)"));
    const QString picture = home.path() + "/database/Home/photo_Mood_4.png";
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(picture));
    // The store refuses the last of the mood's deletions.
    QVERIFY(gDatabase.execSql("create trigger refuse before delete on tbl_mood_command begin select raise(abort, "
                              "'refused'); end"));
    go("Edit Room", "1", "1");
    auto *moods = page("Edit Room")->findChild<PageSettingRoomManagerMoods *>("PageSettingRoomManagerMoods");
    const QList<ManagerItem *> tiles = tilesOf(moods->grid());
    QCOMPARE(tiles.size(), 3);

    emit tiles.at(1)->signalsDelete(MoodTile, 4);
    QCOMPARE(toasts, QStringList{"Delete failed!"});
    QCOMPARE(rows("tbl_mood"), 2);
    QCOMPARE(rows("tbl_mood_light_status"), 2);
    QCOMPARE(rows("tbl_mood_command"), 1);
    QVERIFY(QFile::exists(picture));
    const QList<ManagerItem *> after = tilesOf(moods->grid());
    QCOMPARE(after.size(), 3);
    QCOMPARE(after.at(1)->id(), 4);
}

void TestRooms::failedSavesChangeNothing()
{
    // The store refuses the last step of each save.
    QVERIFY(gDatabase.execSql("create trigger refuse_panel before insert on tbl_panel begin select raise(abort, "
                              "'refused'); end"));
    QVERIFY(gDatabase.execSql("create trigger refuse_white before insert on tbl_light when new.rgb=4 begin select "
                              "raise(abort, 'refused'); end"));
    const QString folder = home.path() + "/database/Home";
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(folder + "/photo_Template_1.png"));
    addTemplate(1, "photo_Template_1");
    QCOMPARE(addRooms({"B", "3", "301", true, "2"}), 0);
    QCOMPARE(dialogToasts, QStringList{"Save failed!"});
    QCOMPARE(rows("tbl_region") + rows("tbl_floor") + rows("tbl_room") + rows("tbl_light"), 0);
    QVERIFY(!QFile::exists(folder + "/photo_Room_1.png"));

    addRoom(1);
    QVERIFY(gDatabase.execSql("insert into tbl_light(light_id,light_type,light_remark,subnet_id,device_id,channel,rgb,"
                              "room_id) values(1,0,'old',1,2,3,0,1)"));
    go("Light Information", "1", "1");
    const QString id = "Light Information";
    field<QtMaterialComboBox>(id, "comboBoxType")->setCurrentIndex(2);
    const char *names[] = {"lineEditSubnet%1", "lineEditDevice%1", "lineEditChannel%1"};
    for (int i = 3; i < 12; ++i)
        field<QtMaterialLineEdit>(id, QString(names[i % 3]).arg(i / 3 + 1))->setText("9");
    const int before = navigations.size();
    saveOn(id);
    QCOMPARE(toasts, QStringList{"Save failed!"});
    QCOMPARE(navigations.size(), before);
    QCOMPARE(rows("tbl_light", "light_id=1 and light_type=0 and light_remark='old' and rgb=0"), 1);
    QCOMPARE(rows("tbl_light"), 1);

    // An air conditioner's form: the row keeps its name, address and state.
    QVERIFY(gDatabase.execSql("insert into tbl_air_conditioner(air_conditioner_no,air_conditioner_type,remark,"
                              "subnet_id,device_id,channel,status,room_id) values(0,0,'old',1,2,3,1,1)"));
    QVERIFY(gDatabase.execSql("create trigger refuse_ac before update on tbl_air_conditioner begin select "
                              "raise(abort, 'refused'); end"));
    go("AC Information", "0", "1");
    field<QtMaterialLineEdit>("AC Information", "lineEditName")->setText("new");
    field<QtMaterialLineEdit>("AC Information", "lineEditDevice")->setText("9");
    const int acBefore = navigations.size();
    toasts.clear();
    saveOn("AC Information");
    QCOMPARE(toasts, QStringList{"Save failed!"});
    QCOMPARE(navigations.size(), acBefore);
    QCOMPARE(rows("tbl_air_conditioner", "remark='old' and subnet_id=1 and device_id=2 and channel=3 and status=1"), 1);
    QCOMPARE(rows("tbl_air_conditioner"), 1);

    // A panel's new address: its history stays with the old one when the panel row refuses the change, and
    // nothing is announced.
    QVERIFY(gDatabase.execSql("create trigger refuse_panel_update before update on tbl_panel begin select "
                              "raise(abort, 'refused'); end"));
    QVERIFY(gDatabase.execSql("drop trigger refuse_panel"));
    QVERIFY(gDatabase.execSql("insert into tbl_panel(panel_id,panel_remark,subnet_id,device_id,room_id) "
                              "values(2,'door',1,6,1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_message_log(panel_id) values(2),(2)"));
    const QStringList panels = dump("tbl_panel", "id");
    const QStringList history = dump("tbl_message_log", "id");
    toasts.clear();
    const QString panelId = "Panel Information";
    go(panelId, "2", "1");
    const int asked = boxesShown;
    const int shown = navigations.size();
    field<QtMaterialLineEdit>(panelId, "lineEditDevice")->setText("7");
    saveOn(panelId);
    QCOMPARE(boxesShown, asked + 1);
    QCOMPARE(toasts, QStringList{"Save failed!"});
    QCOMPARE(navigations.size(), shown);
    QCOMPARE(dump("tbl_panel", "id"), panels);
    QCOMPARE(dump("tbl_message_log", "id"), history);
    QVERIFY(removals.isEmpty());

    // A device tab's delete that the store refuses keeps the light and its tile, and says so.
    QVERIFY(gDatabase.execSql("create trigger refuse_light_delete before delete on tbl_light begin select "
                              "raise(abort, 'refused'); end"));
    toasts.clear();
    go("Edit Room", "1", "1");
    DeviceListTab *lights = tab("PageSettingRoomManagerLighting");
    emit tilesOf(lights->grid()).at(0)->signalsDelete(LightTile, 1);
    QCOMPARE(toasts, QStringList{"Delete failed!"});
    QCOMPARE(rows("tbl_light", "light_id=1 and light_remark='old'"), 1);
    QCOMPARE(tilesOf(lights->grid()).at(0)->id(), 1);

    // The master switch is stored on leaving the room editor: a refused store leaves no row and says so.
    QVERIFY(gDatabase.execSql("create trigger refuse_master before insert on tbl_master begin select "
                              "raise(abort, 'refused'); end"));
    auto *master = page("Edit Room")->findChild<MyDialog *>("PageSettingRoomManagerMaster");
    master->findChild<QtMaterialLineEdit *>("lineEditSubnet")->setText("1");
    master->findChild<QtMaterialLineEdit *>("lineEditDevice")->setText("30");
    master->findChild<QtMaterialLineEdit *>("lineEditChannel")->setText("2");
    go("Rooms Manager");
    QCOMPARE(toasts, (QStringList{"Delete failed!", "Save failed!"}));
    QCOMPARE(rows("tbl_master"), 0);
    QCOMPARE(gDatabase.transactionDepth(), 0);

    // The room editor's name and picture, saved when it is left: the page is left, the failure shown, the row kept.
    QVERIFY(gDatabase.execSql("create trigger refuse_room before update on tbl_room begin select raise(abort, "
                              "'refused'); end"));
    toasts.clear();
    go("Edit Room", "1", "1");
    field<QtMaterialLineEdit>("Edit Room", "lineEditName")->setText("Renamed");
    go("Rooms Manager");
    QCOMPARE(toasts, QStringList{"Save failed!"});
    QVERIFY(page("Rooms Manager")->isVisible());
    QCOMPARE(textOf("select * from tbl_room where room_id=1", "room_name"), QString("R1"));
    QCOMPARE(textOf("select * from tbl_room where room_id=1", "icon_name"), QString("room_2"));
}

QTEST_MAIN(TestRooms)
#include "tst_rooms.moc"
