// Room templates through the hub's navigation: the templates page with its add dialog and delete, the template
// editor with its two tabs and pictures, and the template light and panel editors, observed in the database.

#include "pages/pickers/iconselectdlg.h"
#include "pages/pickers/iconstyledlg.h"
#include "pages/pickers/iconstyleitem.h"
#include "pages/pickers/picturechoice.h"
#include "pages/roomconfig/pagesettingroomtemplate.h"
#include "pages/roomconfig/pagesettingroomtemplateedit.h"
#include "pages/roomconfig/pagesettingroomtemplatelighting.h"
#include "pages/roomconfig/pagesettingroomtemplatepanel.h"
#include "pages/roomconfig/roomtemplateadddlg.h"

#include "app/pagetable.h"
#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
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

#include <QGridLayout>
#include <QImage>
#include <QtTest>

namespace {

int rows(const QString &table, const QString &where = QString())
{
    return queryIntValue("select count(*) as n from " + table + (where.isEmpty() ? "" : " where " + where), "n");
}

void addTemplate(int id, const QString &name, const QString &icon = "room_1")
{
    QVERIFY(gDatabase.execSql(
        "insert into tbl_room_template(room_template_name,room_template_icon_name,room_template_id) values(?,?,?)",
        {name, icon, id}));
}

void addTemplateLight(int id, int templateId, const QString &name, int type = 0, const QString &icon = "light_03_on")
{
    QVERIFY(gDatabase.execSql("insert into tbl_template_light(template_light_id,light_type,light_remark,icon_name,"
                              "room_template_id) values(?,?,?,?,?)",
                              {id, type, name, icon, templateId}));
}

void addTemplatePanel(int id, int templateId, const QString &name)
{
    QVERIFY(gDatabase.execSql(
        "insert into tbl_template_panel(template_panel_id,panel_remark,room_template_id) values(?,?,?)",
        {id, name, templateId}));
}

void addRoom(int roomId, int floorId, int regionId, int templateId)
{
    QVERIFY(gDatabase.execSql(
        "insert into tbl_room(room_name,icon_name,room_id,floor_id,region_id,room_template_id) values(?,?,?,?,?,?)",
        {QString("Room %1").arg(roomId), QString("room_1"), roomId, floorId, regionId, templateId}));
    QVERIFY(gDatabase.execSql("insert into tbl_light(light_id,light_remark,rgb,room_id) values(1,'l',0,?)", {roomId}));
}

// A completed click on a tile or picture button. The pages lie in scrolling canvases whose kinetic scroller holds a
// mouse press back until it knows it is no drag, so the click is given directly; clicks themselves are the tiles'
// and labels' own concern.
void press(DynamicWidget *tile)
{
    QVERIFY(tile);
    emit tile->signalsPressed();
}

void press(QtMaterialLabel *label)
{
    QVERIFY(label);
    emit label->signalsPressed();
}

QString textOf(const QString &sql, const QString &column)
{
    QString value = "<no row>";
    queryStringValue(sql, column, value);
    return value;
}

// Answers the add dialog by typing name and pressing "Add".
void answerAddDialog(const QString &name)
{
    RoomTemplateAddDlg::setExecHook([name](RoomTemplateAddDlg &dialog) {
        dialog.findChild<QtMaterialLineEdit *>("lineEditName")->setText(name);
        dialog.findChild<QtMaterialFlatButton *>("pushButtonAdd")->click();
        return dialog.result();
    });
}

} // namespace

class TestRoomTemplates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void emptyTableShowsOnlyTheAddTile();
    void tilesFollowTheTable();
    void gridFollowsTheScreen_data();
    void gridFollowsTheScreen();
    void addedTemplateIsStoredAsTyped_data();
    void addedTemplateIsStoredAsTyped();
    void emptyNameIsRefusedInTheDialog();
    void deletedIdIsGivenAgain();
    void cancelledDeleteKeepsEverything();
    void deleteTakesTheRoomsBuiltFromTheTemplate();
    void failedDeleteKeepsRoomsAndPictures();
    void hiddenPageIsNotRebuilt();

    void templateTileOpensTheEditorOnItsFirstTab();
    void returningWithZeroKeepsTheTab();
    void leavingWritesNameBeforeTheNextPageLoads();
    void emptiedNameIsStoredEmpty();
    void otherPagesLeavingWritesNothing();
    void pictureTileChoosesARoomPicture();
    void pictureButtonCopiesAGalleryPicture();
    void missingTemplateShowsDefaults();

    void lightTabOpensItsEditor();
    void panelTabOpensItsEditor();
    void tabDeletesAtOnce();

    void lightEditorInsertsANewLight();
    void lightEditorUpdatesInPlace();
    void lightEditorRefusesAnEmptyName();
    void panelEditorInsertsAndUpdates();
    void panelEditorRefusesAnEmptyName();
    void failedSavesShowItAndChangeNothing();

private:
    void go(const QString &id, const QString &prm1 = QString(), const QString &prm2 = QString(),
            const QString &name = QString());
    PageSettingRoomTemplate *templatesPage() const;
    MyDialog *page(const QString &id) const { return window->page(id); }
    QList<ManagerItem *> tilesOf(TileGrid *grid) const;
    DeviceListTab *lightTab() const;
    DeviceListTab *panelTab() const;

    QTemporaryDir home;
    QTemporaryDir files;
    QScopedPointer<MainWindow> window;
    int boxesShown = 0;
    QString lastBoxText;
    QSize lastBoxSize;
    int boxAnswer = QDialog::Accepted;
};

void TestRoomTemplates::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
    registerStationPages();
}

void TestRoomTemplates::init()
{
    REQUIRE_PRIVATE_NETWORK();
    stationfixture::prepareProject(home.path(), LocalNetwork);
    gScreenWidth = 1920;
    boxesShown = 0;
    boxAnswer = QDialog::Accepted;
    ORVMessageBox::setExecHook([this](ORVMessageBox &box) {
        ++boxesShown;
        lastBoxText = box.text();
        lastBoxSize = box.size();
        return boxAnswer;
    });
    window.reset(new MainWindow);
}

void TestRoomTemplates::cleanup()
{
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ORVMessageBox::setExecHook({});
    RoomTemplateAddDlg::setExecHook({});
    IconSelectDlg::setExecHook({});
    IconStyleDlg::setExecHook({});
    PictureChoice::setOpenFileHook({});
}

void TestRoomTemplates::go(const QString &id, const QString &prm1, const QString &prm2, const QString &name)
{
    emit gBroadcastSocket.signalsPageIdChanged(id, name.isEmpty() ? id : name, prm1, prm2);
}

PageSettingRoomTemplate *TestRoomTemplates::templatesPage() const
{
    return qobject_cast<PageSettingRoomTemplate *>(window->page("Room Template"));
}

QList<ManagerItem *> TestRoomTemplates::tilesOf(TileGrid *grid) const
{
    QList<ManagerItem *> tiles;
    for (QWidget *tile : grid->tiles())
        tiles << qobject_cast<ManagerItem *>(tile);
    return tiles;
}

DeviceListTab *TestRoomTemplates::lightTab() const
{
    return page("Edit Template")->findChild<DeviceListTab *>("PageSettingRoomTemplateLighting");
}

DeviceListTab *TestRoomTemplates::panelTab() const
{
    return page("Edit Template")->findChild<DeviceListTab *>("PageSettingRoomTemplatePanel");
}

void TestRoomTemplates::emptyTableShowsOnlyTheAddTile()
{
    go("Room Template");
    PageSettingRoomTemplate *templates = templatesPage();
    QVERIFY(templates && templates->isVisible());
    QCOMPARE(templates->objectName(), QString("PageSettingRoomTemplate"));
    const QList<ManagerItem *> tiles = tilesOf(templates->grid());
    QCOMPARE(tiles.size(), 1);
    QCOMPARE(tiles.at(0)->type(), int(AddTile));
    QCOMPARE(tiles.at(0)->size(), QSize(300, 160));
    QCOMPARE(templates->grid()->columns(), 6);
    QCOMPARE(templates->grid()->layout()->horizontalSpacing(), 17);
}

void TestRoomTemplates::tilesFollowTheTable()
{
    addTemplate(2, "Double", "photo_Template_2");
    addTemplate(1, "Single", "room_4");
    go("Room Template");
    const QList<ManagerItem *> tiles = tilesOf(templatesPage()->grid());
    QCOMPARE(tiles.size(), 3);
    QCOMPARE(tiles.at(0)->id(), 1);
    QCOMPARE(tiles.at(0)->name(), QString("Single"));
    QCOMPARE(tiles.at(0)->iconName(), QString("room_4"));
    QCOMPARE(tiles.at(0)->type(), int(RoomTemplateTile));
    QVERIFY(tiles.at(0)->deleteButton());
    QCOMPARE(tiles.at(1)->id(), 2);
    QCOMPARE(tiles.at(2)->type(), int(AddTile));
}

void TestRoomTemplates::gridFollowsTheScreen_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QPoint>("addCell");
    QTest::newRow("1920") << 1920 << 6 << 17 << QPoint(0, 1);
    QTest::newRow("1800, a multiple of the card") << 1800 << 5 << 50 << QPoint(1, 1);
    QTest::newRow("narrow: one column") << 200 << 1 << 0 << QPoint(0, 6);
}

void TestRoomTemplates::gridFollowsTheScreen()
{
    QFETCH(int, width);
    QFETCH(int, columns);
    QFETCH(int, spacing);
    QFETCH(QPoint, addCell);
    gScreenWidth = width;
    for (int id = 1; id <= 6; ++id)
        addTemplate(id, QString("T%1").arg(id));
    go("Room Template");
    TileGrid *grid = templatesPage()->grid();
    QCOMPARE(grid->columns(), columns);
    QCOMPARE(grid->layout()->horizontalSpacing(), spacing);
    int row, column, rowSpan, columnSpan;
    grid->layout()->getItemPosition(grid->layout()->indexOf(grid->tiles().last()), &row, &column, &rowSpan,
                                    &columnSpan);
    QCOMPARE(QPoint(column, row), addCell);
}

void TestRoomTemplates::addedTemplateIsStoredAsTyped_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "T1";
    QTest::newRow("quote") << "O'Hara";
    QTest::newRow("statement text") << "x');--";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("format and non-ASCII") << QString::fromUtf8("100%s Zimmer \xc3\xbc");
}

void TestRoomTemplates::addedTemplateIsStoredAsTyped()
{
    QFETCH(QString, name);
    go("Room Template");
    answerAddDialog(name);
    press(tilesOf(templatesPage()->grid()).last());

    QCOMPARE(rows("tbl_room_template"), 1);
    QCOMPARE(textOf("select * from tbl_room_template", "room_template_name"), name);
    QCOMPARE(textOf("select * from tbl_room_template", "room_template_icon_name"), QString("room_1"));
    QCOMPARE(queryIntValue("select * from tbl_room_template", "room_template_id"), 1);
    const QList<ManagerItem *> tiles = tilesOf(templatesPage()->grid());
    QCOMPARE(tiles.size(), 2);
    QCOMPARE(tiles.at(0)->name(), name);

    // Names need not be unique.
    press(tiles.last());
    QCOMPARE(rows("tbl_room_template", "room_template_id=2"), 1);
    QCOMPARE(textOf("select * from tbl_room_template where room_template_id=2", "room_template_name"), name);
}

void TestRoomTemplates::emptyNameIsRefusedInTheDialog()
{
    go("Room Template");
    QStringList dialogToasts;
    int result = -1;
    QCOMPARE(RoomTemplateAddDlg(nullptr).size(), QSize(400, 210));
    RoomTemplateAddDlg::setExecHook([&](RoomTemplateAddDlg &dialog) {
        connect(&dialog, &MyDialog::signalsInformation, [&dialogToasts](QString text) { dialogToasts << text; });
        dialog.findChild<QtMaterialFlatButton *>("pushButtonAdd")->click();
        result = dialog.result();
        return result;
    });
    QSignalSpy hubToasts(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    press(tilesOf(templatesPage()->grid()).last());
    QCOMPARE(dialogToasts, QStringList("Please input the complete content!"));
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(hubToasts.size(), 0);
    QCOMPARE(rows("tbl_room_template"), 0);
}

void TestRoomTemplates::deletedIdIsGivenAgain()
{
    addTemplate(1, "A'1");
    addTemplate(2, "B");
    go("Room Template");
    tilesOf(templatesPage()->grid()).at(0)->deleteButton()->click();
    QCOMPARE(boxesShown, 1);
    QCOMPARE(lastBoxText, QString("Are you sure to delete template A'1 and all the information associated with it?"));
    QCOMPARE(lastBoxSize, QSize(500, 160));
    QCOMPARE(rows("tbl_room_template"), 1);
    QCOMPARE(tilesOf(templatesPage()->grid()).size(), 2);

    answerAddDialog("C");
    press(tilesOf(templatesPage()->grid()).last());
    QCOMPARE(textOf("select * from tbl_room_template where room_template_id=1", "room_template_name"), QString("C"));
}

void TestRoomTemplates::cancelledDeleteKeepsEverything()
{
    addTemplate(1, "A");
    addTemplateLight(1, 1, "lamp");
    addRoom(1, 1, 1, 1);
    go("Room Template");
    boxAnswer = QDialog::Rejected;
    tilesOf(templatesPage()->grid()).at(0)->deleteButton()->click();
    QCOMPARE(boxesShown, 1);
    QCOMPARE(rows("tbl_room_template"), 1);
    QCOMPARE(rows("tbl_template_light"), 1);
    QCOMPARE(rows("tbl_room"), 1);
}

void TestRoomTemplates::deleteTakesTheRoomsBuiltFromTheTemplate()
{
    addTemplate(1, "Suite");
    addTemplate(2, "Single");
    for (int t = 1; t <= 2; ++t) {
        addTemplateLight(t, t, "lamp");
        addTemplatePanel(t, t, "door");
    }
    QVERIFY(gDatabase.execSql("insert into tbl_region(region_name,region_id) values('North',1),('South',2)"));
    QVERIFY(gDatabase.execSql("insert into tbl_floor(floor_name,floor_id,region_id) values('F1',1,1),('F2',2,2),"
                              "('F3',3,2)"));
    addRoom(1, 1, 1, 1);
    addRoom(2, 1, 1, 1);
    addRoom(3, 2, 2, 1);
    addRoom(4, 3, 2, 2);
    const QString folder = home.path() + "/database/Home/";
    for (const char *picture : {"photo_Template_1.png", "photo_Template_2.png", "photo_Room_1.png", "photo_Room_4.png"})
        QVERIFY(QImage(4, 4, QImage::Format_RGB32).save(folder + picture));

    go("Room Template");
    QSignalSpy removed(&gBroadcastSocket, &BroadcastSocket::signalsRemoveMessage);
    tilesOf(templatesPage()->grid()).at(0)->deleteButton()->click();

    QCOMPARE(rows("tbl_room"), 1);
    QCOMPARE(rows("tbl_room", "room_id=4"), 1);
    QCOMPARE(rows("tbl_light"), 1);
    // Floor 1 and region 1 held only the template's rooms; floor 2 emptied, but region 2 keeps room 4.
    QCOMPARE(rows("tbl_floor"), 1);
    QCOMPARE(rows("tbl_floor", "floor_id=3"), 1);
    QCOMPARE(rows("tbl_region"), 1);
    QCOMPARE(rows("tbl_region", "region_id=2"), 1);
    QCOMPARE(rows("tbl_template_light"), 1);
    QCOMPARE(rows("tbl_template_light", "room_template_id=2"), 1);
    QCOMPARE(rows("tbl_template_panel"), 1);
    QCOMPARE(rows("tbl_template_panel", "room_template_id=2"), 1);
    QCOMPARE(rows("tbl_room_template"), 1);
    QCOMPARE(rows("tbl_room_template", "room_template_id=2"), 1);
    QVERIFY(!QFileInfo::exists(folder + "photo_Template_1.png"));
    QVERIFY(!QFileInfo::exists(folder + "photo_Room_1.png"));
    QVERIFY(QFileInfo::exists(folder + "photo_Template_2.png"));
    QVERIFY(QFileInfo::exists(folder + "photo_Room_4.png"));
    QCOMPARE(removed.size(), 3);
    QCOMPARE(gDatabase.transactionDepth(), 0);
    QCOMPARE(tilesOf(templatesPage()->grid()).size(), 2);
}

void TestRoomTemplates::failedDeleteKeepsRoomsAndPictures()
{
    addTemplate(1, "Suite");
    addTemplateLight(1, 1, "lamp");
    QVERIFY(gDatabase.execSql("insert into tbl_region(region_name,region_id) values('North',1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_floor(floor_name,floor_id,region_id) values('F1',1,1)"));
    addRoom(1, 1, 1, 1);
    const QString folder = home.path() + "/database/Home/";
    for (const char *picture : {"photo_Template_1.png", "photo_Room_1.png"})
        QVERIFY(QImage(4, 4, QImage::Format_RGB32).save(folder + picture));
    // A damaged project: a step after the rooms' deletion fails.
    QVERIFY(gDatabase.execSql("drop table tbl_template_panel"));

    go("Room Template");
    QSignalSpy toasts(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    QSignalSpy removed(&gBroadcastSocket, &BroadcastSocket::signalsRemoveMessage);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Error: Fail to exec sql\\..*"));
    tilesOf(templatesPage()->grid()).at(0)->deleteButton()->click();

    QCOMPARE(gDatabase.transactionDepth(), 0);
    QCOMPARE(rows("tbl_room"), 1);
    QCOMPARE(rows("tbl_light"), 1);
    QCOMPARE(rows("tbl_floor"), 1);
    QCOMPARE(rows("tbl_region"), 1);
    QCOMPARE(rows("tbl_template_light"), 1);
    QCOMPARE(rows("tbl_room_template"), 1);
    QVERIFY(QFileInfo::exists(folder + "photo_Template_1.png"));
    QVERIFY(QFileInfo::exists(folder + "photo_Room_1.png"));
    QCOMPARE(removed.size(), 0);
    QCOMPARE(tilesOf(templatesPage()->grid()).size(), 2);
    QCOMPARE(toasts.size(), 1);
    QCOMPARE(toasts.at(0).at(0).toString(), QString("Delete failed!"));
}

void TestRoomTemplates::hiddenPageIsNotRebuilt()
{
    go("Room Template");
    go("Edit Template", "1", "1");
    addTemplate(1, "A");
    const int before = tilesOf(templatesPage()->grid()).size();
    emit gBroadcastSocket.signalsPageEnter("", "");
    QCOMPARE(tilesOf(templatesPage()->grid()).size(), before);
}

void TestRoomTemplates::templateTileOpensTheEditorOnItsFirstTab()
{
    addTemplate(3, "Suite", "room_7");
    go("Room Template");
    QSignalSpy requests(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged);
    press(tilesOf(templatesPage()->grid()).at(0));
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0), QVariantList({"Edit Template", "Edit Template", "3", "1"}));

    MyDialog *editor = page("Edit Template");
    QVERIFY(editor && editor->isVisible());
    QCOMPARE(editor->objectName(), QString("PageSettingRoomTemplateEdit"));
    QCOMPARE(editor->findChild<QtMaterialLineEdit *>("lineEditName")->text(), QString("Suite"));
    QCOMPARE(editor->findChild<ManagerItem *>("managerItemPicture")->iconName(), QString("room_7"));
    auto *tabs = editor->findChild<QtMaterialTabs *>("tabs");
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QString("Lighting"));
    QCOMPARE(tabs->tabText(1), QString("Panel"));
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(lightTab()->isVisible());
    QVERIFY(!panelTab()->isVisible());

    // "1" returns to the first tab whatever was shown before.
    tabs->setCurrentTab(1);
    QVERIFY(panelTab()->isVisible());
    go("Room Template");
    press(tilesOf(templatesPage()->grid()).at(0));
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(lightTab()->isVisible());
    QVERIFY(!panelTab()->isVisible());
}

void TestRoomTemplates::returningWithZeroKeepsTheTab()
{
    addTemplate(3, "Suite");
    go("Edit Template", "3", "1");
    auto *tabs = page("Edit Template")->findChild<QtMaterialTabs *>("tabs");
    tabs->setCurrentTab(1);
    go("Template Panel Information", "1", "3", "Panel Information");
    go("Edit Template", "3", "0");
    QCOMPARE(tabs->currentIndex(), 1);
    QVERIFY(panelTab()->isVisible());
    QVERIFY(!lightTab()->isVisible());
}

void TestRoomTemplates::leavingWritesNameBeforeTheNextPageLoads()
{
    addTemplate(3, "Suite");
    addTemplateLight(5, 3, "Desk");
    go("Edit Template", "3", "1");
    page("Edit Template")->findChild<QtMaterialLineEdit *>("lineEditName")->setText("O'Hara x');--");

    QString nameSeenOnEnter;
    QMetaObject::Connection seen = connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, [&] {
        nameSeenOnEnter = textOf("select * from tbl_room_template where room_template_id=3", "room_template_name");
    });
    QSignalSpy requests(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged);
    press(tilesOf(lightTab()->grid()).at(0));
    disconnect(seen);
    QCOMPARE(requests.at(0), QVariantList({"Template Light Information", "Light Information", "5", "3"}));
    QCOMPARE(nameSeenOnEnter, QString("O'Hara x');--"));
    QVERIFY(page("Template Light Information")->isVisible());
    QCOMPARE(page("Template Light Information")->findChild<QtMaterialLineEdit *>("lineEditName")->text(),
             QString("Desk"));
}

void TestRoomTemplates::emptiedNameIsStoredEmpty()
{
    addTemplate(3, "Suite", "room_9");
    go("Edit Template", "3", "1");
    page("Edit Template")->findChild<QtMaterialLineEdit *>("lineEditName")->clear();
    go("Room Template");
    QCOMPARE(textOf("select * from tbl_room_template where room_template_id=3", "room_template_name"), QString(""));
    QCOMPARE(textOf("select * from tbl_room_template where room_template_id=3", "room_template_icon_name"),
             QString("room_9"));
}

void TestRoomTemplates::otherPagesLeavingWritesNothing()
{
    addTemplate(3, "Suite");
    go("Edit Template", "3", "1");
    page("Edit Template")->findChild<QtMaterialLineEdit *>("lineEditName")->setText("Changed");
    emit gBroadcastSocket.signalsPageLeave("Room Template");
    emit gBroadcastSocket.signalsPageLeave("Edit Room");
    QCOMPARE(textOf("select * from tbl_room_template where room_template_id=3", "room_template_name"),
             QString("Suite"));
}

void TestRoomTemplates::pictureTileChoosesARoomPicture()
{
    addTemplate(3, "Suite", "room_5");
    go("Edit Template", "3", "1");
    auto *tile = page("Edit Template")->findChild<ManagerItem *>("managerItemPicture");
    int family = -1;
    int position = 9;
    IconSelectDlg::setExecHook([&](IconSelectDlg &picker) {
        family = picker.iconType;
        press(picker.tiles().at(position - 1));
        return picker.result();
    });
    press(tile);
    QCOMPARE(family, int(IconSelectRoom));
    QCOMPARE(tile->iconName(), QString("room_9"));
    // Picking the picture it already has changes nothing.
    press(tile);
    QCOMPARE(tile->iconName(), QString("room_9"));
    go("Room Template");
    QCOMPARE(textOf("select * from tbl_room_template where room_template_id=3", "room_template_icon_name"),
             QString("room_9"));
}

void TestRoomTemplates::pictureButtonCopiesAGalleryPicture()
{
    addTemplate(4, "Suite");
    const QString source = files.filePath("lobby.jpg");
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(source));
    IconStyleDlg::setExecHook([](IconStyleDlg &dialog) {
        for (IconStyleItem *row : dialog.findChildren<IconStyleItem *>()) {
            if (row->style() == 1)
                press(row);
        }
        return dialog.result();
    });
    PictureChoice::setOpenFileHook([&source](QWidget *, const QString &, const QString &) { return source; });

    go("Edit Template", "4", "1");
    press(page("Edit Template")->findChild<QtMaterialLabel *>("labelModifyRoomTemplateIcon"));
    const QString copy = home.path() + "/database/Home/photo_Template_4.png";
    // The file is there at once; the row names it once the page is left.
    QCOMPARE(QImage(copy).size(), QSize(64, 32));
    QCOMPARE(textOf("select * from tbl_room_template where room_template_id=4", "room_template_icon_name"),
             QString("room_1"));
    go("Room Template");
    QCOMPARE(textOf("select * from tbl_room_template where room_template_id=4", "room_template_icon_name"),
             QString("photo_Template_4"));
    QCOMPARE(tilesOf(templatesPage()->grid()).at(0)->picturePath(), copy);

    // Deleting the template removes its picture.
    tilesOf(templatesPage()->grid()).at(0)->deleteButton()->click();
    QVERIFY(!QFileInfo::exists(copy));
}

void TestRoomTemplates::missingTemplateShowsDefaults()
{
    addTemplate(3, "Suite", "room_7");
    go("Edit Template", "3", "1");
    go("Edit Template", "8", "1");
    QVERIFY(page("Edit Template")->findChild<QtMaterialLineEdit *>("lineEditName")->text().isEmpty());
    QCOMPARE(page("Edit Template")->findChild<ManagerItem *>("managerItemPicture")->iconName(), QString("room_1"));
    go("Room Template");
    QCOMPARE(rows("tbl_room_template"), 1);
    QCOMPARE(textOf("select * from tbl_room_template where room_template_id=3", "room_template_name"),
             QString("Suite"));
}

void TestRoomTemplates::lightTabOpensItsEditor()
{
    addTemplate(2, "Suite");
    addTemplateLight(3, 2, "Desk", 0, "light_04_on");
    addTemplateLight(1, 2, "Bed");
    addTemplateLight(2, 9, "Other template's");
    go("Edit Template", "2", "1");
    QList<ManagerItem *> tiles = tilesOf(lightTab()->grid());
    QCOMPARE(tiles.size(), 3);
    QCOMPARE(tiles.at(0)->name(), QString("Bed"));
    QCOMPARE(tiles.at(1)->id(), 3);
    QCOMPARE(tiles.at(1)->iconName(), QString("light_04_on"));
    QCOMPARE(tiles.at(1)->type(), int(LightTile));
    QCOMPARE(tiles.at(1)->size(), QSize(192, 192));
    QCOMPARE(lightTab()->grid()->columns(), 9);
    QCOMPARE(lightTab()->grid()->layout()->horizontalSpacing(), 19);

    QSignalSpy requests(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged);
    press(tiles.at(1));
    QCOMPARE(requests.at(0), QVariantList({"Template Light Information", "Light Information", "3", "2"}));
    go("Edit Template", "2", "0");
    requests.clear();
    // The add tile opens the editor on the lowest free id over all templates.
    press(tilesOf(lightTab()->grid()).last());
    QCOMPARE(requests.at(0), QVariantList({"Template Light Information", "Light Information", "4", "2"}));
}

void TestRoomTemplates::panelTabOpensItsEditor()
{
    addTemplate(2, "Suite");
    addTemplatePanel(2, 2, "Door");
    go("Edit Template", "2", "1");
    QList<ManagerItem *> tiles = tilesOf(panelTab()->grid());
    QCOMPARE(tiles.size(), 2);
    QCOMPARE(tiles.at(0)->type(), int(PanelTile));
    QCOMPARE(tiles.at(0)->name(), QString("Door"));
    QVERIFY(tiles.at(0)->iconName().isEmpty());

    QSignalSpy requests(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged);
    press(tiles.at(0));
    QCOMPARE(requests.at(0), QVariantList({"Template Panel Information", "Panel Information", "2", "2"}));
    go("Edit Template", "2", "0");
    requests.clear();
    press(tilesOf(panelTab()->grid()).last());
    QCOMPARE(requests.at(0), QVariantList({"Template Panel Information", "Panel Information", "1", "2"}));
}

void TestRoomTemplates::tabDeletesAtOnce()
{
    addTemplate(2, "Suite");
    addTemplateLight(1, 2, "Bed");
    addTemplateLight(2, 2, "Desk");
    addTemplatePanel(1, 2, "Door");
    addTemplatePanel(2, 3, "Other template's");
    go("Edit Template", "2", "1");

    tilesOf(lightTab()->grid()).at(0)->deleteButton()->click();
    QCOMPARE(rows("tbl_template_light"), 1);
    QCOMPARE(rows("tbl_template_light", "template_light_id=2"), 1);
    QCOMPARE(tilesOf(lightTab()->grid()).size(), 2);

    tilesOf(panelTab()->grid()).at(0)->deleteButton()->click();
    QCOMPARE(rows("tbl_template_panel"), 1);
    QCOMPARE(rows("tbl_template_panel", "room_template_id=3"), 1);
    QCOMPARE(tilesOf(panelTab()->grid()).size(), 1);
    QCOMPARE(boxesShown, 0);
}

void TestRoomTemplates::lightEditorInsertsANewLight()
{
    addTemplate(2, "Suite");
    go("Edit Template", "2", "1");
    press(tilesOf(lightTab()->grid()).last());
    MyDialog *editor = page("Template Light Information");
    QVERIFY(editor && editor->isVisible());
    QCOMPARE(editor->pageName(), QString("Light Information"));
    auto *name = editor->findChild<QtMaterialLineEdit *>("lineEditName");
    auto *type = editor->findChild<QtMaterialComboBox *>("comboBoxType");
    auto *picture = editor->findChild<ManagerItem *>("managerItemPicture");
    QVERIFY(name->text().isEmpty());
    QCOMPARE(picture->iconName(), QString("light_01_on"));
    QStringList texts;
    QList<int> values;
    for (int i = 0; i < type->count(); ++i) {
        texts << type->itemText(i);
        values << type->itemData(i, Qt::UserRole).toInt();
    }
    QCOMPARE(texts, QStringList({"On/Off", "Adjust", "RGB", "HSB RGB", "Scene", "Dali DT8"}));
    QCOMPARE(values, QList<int>({0, 1, 2, 6, 7, 8}));

    int family = -1;
    IconSelectDlg::setExecHook([&family](IconSelectDlg &picker) {
        family = picker.iconType;
        press(picker.tiles().at(6));
        return picker.result();
    });
    press(picture);
    QCOMPARE(family, int(IconSelectLight));
    QCOMPARE(picture->iconName(), QString("light_07_on"));
    name->setText("Lamp 'A'");
    type->setCurrentIndex(2);

    QSignalSpy requests(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged);
    editor->findChild<QtMaterialFlatButton *>("pushButtonSave")->click();
    QCOMPARE(requests.at(0), QVariantList({"Edit Template", "Edit Template", "2", "0"}));
    QCOMPARE(rows("tbl_template_light"), 1);
    const QString row = "select * from tbl_template_light where template_light_id=1 and room_template_id=2";
    QCOMPARE(textOf(row, "light_remark"), QString("Lamp 'A'"));
    QCOMPARE(queryIntValue(row, "light_type"), 2);
    QCOMPARE(textOf(row, "icon_name"), QString("light_07_on"));
    // Back in the editor, the tab lists it.
    QVERIFY(page("Edit Template")->isVisible());
    QCOMPARE(tilesOf(lightTab()->grid()).at(0)->name(), QString("Lamp 'A'"));
}

void TestRoomTemplates::lightEditorUpdatesInPlace()
{
    addTemplate(2, "Suite");
    addTemplateLight(6, 2, "Old", 4, "light_02_on");
    go("Template Light Information", "6", "2", "Light Information");
    MyDialog *editor = page("Template Light Information");
    QCOMPARE(editor->findChild<QtMaterialLineEdit *>("lineEditName")->text(), QString("Old"));
    // A stored kind without an item of its own shows, and is saved, as "On/Off".
    QCOMPARE(editor->findChild<QtMaterialComboBox *>("comboBoxType")->currentIndex(), 0);
    QCOMPARE(editor->findChild<ManagerItem *>("managerItemPicture")->iconName(), QString("light_02_on"));
    editor->findChild<QtMaterialLineEdit *>("lineEditName")->setText("x');--");
    editor->findChild<QtMaterialFlatButton *>("pushButtonSave")->click();
    QCOMPARE(rows("tbl_template_light"), 1);
    const QString row = "select * from tbl_template_light where template_light_id=6";
    QCOMPARE(textOf(row, "light_remark"), QString("x');--"));
    QCOMPARE(queryIntValue(row, "light_type"), 0);
    QCOMPARE(textOf(row, "icon_name"), QString("light_02_on"));

    // A stored kind with an item is selected.
    QVERIFY(gDatabase.execSql("update tbl_template_light set light_type=7"));
    go("Template Light Information", "6", "2", "Light Information");
    QCOMPARE(editor->findChild<QtMaterialComboBox *>("comboBoxType")->currentText(), QString("Scene"));
}

void TestRoomTemplates::lightEditorRefusesAnEmptyName()
{
    addTemplate(2, "Suite");
    go("Template Light Information", "1", "2", "Light Information");
    QSignalSpy toasts(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    QSignalSpy requests(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged);
    page("Template Light Information")->findChild<QtMaterialFlatButton *>("pushButtonSave")->click();
    QCOMPARE(toasts.size(), 1);
    QCOMPARE(toasts.at(0).at(0).toString(), QString("Please input the complete content!"));
    QCOMPARE(requests.size(), 0);
    QCOMPARE(rows("tbl_template_light"), 0);
}

void TestRoomTemplates::panelEditorInsertsAndUpdates()
{
    addTemplate(2, "Suite");
    go("Edit Template", "2", "1");
    page("Edit Template")->findChild<QtMaterialTabs *>("tabs")->setCurrentTab(1);
    press(tilesOf(panelTab()->grid()).last());
    MyDialog *editor = page("Template Panel Information");
    QVERIFY(editor && editor->isVisible());
    QCOMPARE(editor->objectName(), QString("PageSettingRoomTemplatePanelInformation"));
    auto *name = editor->findChild<QtMaterialLineEdit *>("lineEditName");
    QVERIFY(name->text().isEmpty());
    name->setText("O'Hara");
    QSignalSpy requests(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged);
    editor->findChild<QtMaterialFlatButton *>("pushButtonSave")->click();
    QCOMPARE(requests.at(0), QVariantList({"Edit Template", "Edit Template", "2", "0"}));
    QCOMPARE(
        textOf("select * from tbl_template_panel where template_panel_id=1 and room_template_id=2", "panel_remark"),
        QString("O'Hara"));
    // Back on the tab it showed.
    QVERIFY(panelTab()->isVisible());

    press(tilesOf(panelTab()->grid()).at(0));
    QCOMPARE(name->text(), QString("O'Hara"));
    name->setText("Door");
    editor->findChild<QtMaterialFlatButton *>("pushButtonSave")->click();
    QCOMPARE(rows("tbl_template_panel"), 1);
    QCOMPARE(textOf("select * from tbl_template_panel", "panel_remark"), QString("Door"));
}

void TestRoomTemplates::panelEditorRefusesAnEmptyName()
{
    go("Template Panel Information", "1", "2", "Panel Information");
    QSignalSpy toasts(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    page("Template Panel Information")->findChild<QtMaterialFlatButton *>("pushButtonSave")->click();
    QCOMPARE(toasts.size(), 1);
    QCOMPARE(toasts.at(0).at(0).toString(), QString("Please input the complete content!"));
    QCOMPARE(rows("tbl_template_panel"), 0);
}

void TestRoomTemplates::failedSavesShowItAndChangeNothing()
{
    addTemplate(2, "Suite", "room_9");
    addTemplateLight(1, 2, "Desk");
    addTemplatePanel(1, 2, "Door");
    for (const char *statement :
         {"insert on tbl_room_template", "update on tbl_room_template", "insert on tbl_template_light",
          "update on tbl_template_panel", "delete on tbl_template_light"})
        QVERIFY(gDatabase.execSql(QString("create trigger \"refuse %1\" before %1 begin select raise(abort, "
                                          "'refused'); end")
                                      .arg(statement)));
    QSignalSpy toasts(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    QSignalSpy requests(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged);
    const auto lastToast = [&toasts] { return toasts.isEmpty() ? QString() : toasts.last().at(0).toString(); };

    // The template editor's name and picture, saved when it is left: the page is left, the row kept.
    go("Edit Template", "2", "1");
    page("Edit Template")->findChild<QtMaterialLineEdit *>("lineEditName")->setText("Renamed");
    go("Room Template");
    QCOMPARE(lastToast(), QString("Save failed!"));
    QVERIFY(templatesPage()->isVisible());
    QCOMPARE(textOf("select * from tbl_room_template where room_template_id=2", "room_template_name"),
             QString("Suite"));
    QCOMPARE(textOf("select * from tbl_room_template where room_template_id=2", "room_template_icon_name"),
             QString("room_9"));

    // The add dialog stays open and tells it in its own toast.
    QStringList dialogToasts;
    int result = -1;
    RoomTemplateAddDlg::setExecHook([&](RoomTemplateAddDlg &dialog) {
        connect(&dialog, &MyDialog::signalsInformation, [&dialogToasts](QString text) { dialogToasts << text; });
        dialog.findChild<QtMaterialLineEdit *>("lineEditName")->setText("New");
        dialog.findChild<QtMaterialFlatButton *>("pushButtonAdd")->click();
        result = dialog.result();
        return result;
    });
    press(tilesOf(templatesPage()->grid()).last());
    QCOMPARE(dialogToasts, QStringList("Save failed!"));
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(rows("tbl_room_template"), 1);

    // A new template light: the editor stays.
    go("Template Light Information", "2", "2", "Light Information");
    MyDialog *lightEditor = page("Template Light Information");
    lightEditor->findChild<QtMaterialLineEdit *>("lineEditName")->setText("Lamp");
    requests.clear();
    toasts.clear();
    lightEditor->findChild<QtMaterialFlatButton *>("pushButtonSave")->click();
    QCOMPARE(lastToast(), QString("Save failed!"));
    QCOMPARE(requests.size(), 0);
    QVERIFY(lightEditor->isVisible());
    QCOMPARE(rows("tbl_template_light"), 1);

    // A template panel's new name: the editor stays, the old name is kept.
    go("Template Panel Information", "1", "2", "Panel Information");
    MyDialog *panelEditor = page("Template Panel Information");
    panelEditor->findChild<QtMaterialLineEdit *>("lineEditName")->setText("Window");
    requests.clear();
    toasts.clear();
    panelEditor->findChild<QtMaterialFlatButton *>("pushButtonSave")->click();
    QCOMPARE(lastToast(), QString("Save failed!"));
    QCOMPARE(requests.size(), 0);
    QCOMPARE(textOf("select * from tbl_template_panel where template_panel_id=1", "panel_remark"), QString("Door"));

    // A light the tab could not delete keeps its row and its tile.
    go("Edit Template", "2", "1");
    toasts.clear();
    tilesOf(lightTab()->grid()).at(0)->deleteButton()->click();
    QCOMPARE(lastToast(), QString("Delete failed!"));
    QCOMPARE(rows("tbl_template_light"), 1);
    QCOMPARE(tilesOf(lightTab()->grid()).size(), 2);
    QCOMPARE(gDatabase.transactionDepth(), 0);
}

QTEST_MAIN(TestRoomTemplates)
#include "tst_roomtemplates.moc"
