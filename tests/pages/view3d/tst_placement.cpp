// Placing a room's devices on its 3D picture: the three placement tabs with their default rows, the drag and the
// stored drop, and the "3D View Setting" page with its tabs per device kind and its picture change.

#include "pages/pickers/iconselectdlg.h"
#include "pages/pickers/iconstyledlg.h"
#include "pages/pickers/iconstyleitem.h"
#include "pages/pickers/picturechoice.h"
#include "pages/view3d/pagesetting3dviewmanagerac.h"
#include "pages/view3d/pagesetting3dviewmanageredit.h"
#include "pages/view3d/pagesetting3dviewmanagerfloorheat.h"
#include "pages/view3d/pagesetting3dviewmanagerlighting.h"
#include "pages/view3d/roompicture.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmaterialtabs.h"
#include "resources/stationresources.h"
#include "shell/manageritem.h"
#include "tests/support/projectfixture.h"
#include "tests/support/stationfixture.h"
#include "tests/support/testenv.h"

#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

using namespace projectfixture;

namespace {

constexpr int tabWidth = 400;
constexpr int tabHeight = 300;

void sendMouse(QWidget *widget, QEvent::Type type, const QPoint &at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void press(QWidget *w, const QPoint &at, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonPress, at, button, button);
}

void move(QWidget *w, const QPoint &at, Qt::MouseButtons buttons = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseMove, at, Qt::NoButton, buttons);
}

void release(QWidget *w, const QPoint &at, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

// The stored position of a device, or (-1, -1) without a row.
QPoint storedLight(int lightId, int roomId)
{
    const QVariant x =
        value("select xp1 from tbl_3d_view_light where light_id=? and room_id=?", {lightId, roomId}, "xp1");
    const QVariant y =
        value("select yp1 from tbl_3d_view_light where light_id=? and room_id=?", {lightId, roomId}, "yp1");
    return x.isValid() ? QPoint(x.toInt(), y.toInt()) : QPoint(-1, -1);
}

QPoint storedClimate(int number, int roomId)
{
    const QString sql = "select xp1,yp1 from tbl_3d_air_conditioner where air_conditioner_no=? and room_id=?";
    const QVariant x = value(sql, {number, roomId}, "xp1");
    return x.isValid() ? QPoint(x.toInt(), value(sql, {number, roomId}, "yp1").toInt()) : QPoint(-1, -1);
}

LightRow light(int id, int rgb = 0, const QString &remark = "Lamp")
{
    LightRow row;
    row.lightId = id;
    row.rgb = rgb;
    row.remark = remark;
    return row;
}

AirConditionerRow climate(int number, const QString &remark = "Unit")
{
    AirConditionerRow row;
    row.number = number;
    row.remark = remark;
    return row;
}

int pressStyle(IconStyleDlg &dialog, int style)
{
    for (IconStyleItem *row : dialog.findChildren<IconStyleItem *>()) {
        if (row->style() == style)
            QTest::mouseClick(row, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    }
    return dialog.result();
}

bool refuse(const QString &event, const QString &table)
{
    return gDatabase.execSql(
        QString("create trigger refuse before %1 on %2 begin select raise(abort, 'refused'); end").arg(event, table));
}

QStringList messages(const QSignalSpy &spy)
{
    QStringList texts;
    for (const QList<QVariant> &arguments : spy)
        texts << arguments.at(0).toString();
    return texts;
}

QStringList tabTexts(QtMaterialTabs *tabs)
{
    QStringList texts;
    for (int i = 0; i < tabs->count(); ++i)
        texts << tabs->tabText(i);
    return texts;
}

} // namespace

class TestPlacement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void defaultRowsInLoadOrder();
    void storedPositionsAreRead();
    void dropStoresTheCorner_data();
    void dropStoresTheCorner();
    void refusedDropKeepsTheStoredPosition_data();
    void refusedDropKeepsTheStoredPosition();
    void refusedDefaultRowIsTold();
    void databaseChangesOnlyOnRelease();
    void rightPressStartsNoDrag();
    void firstMarkerUnderTheCursorIsTaken();
    void markersShowTheirKind();
    void longTextsAreCutAtCharacterBoundaries();
    void picturePaths();
    void pictureStretchedMarkersNotScaled();

    void editorTabsPerKind_data();
    void editorTabsPerKind();
    void editorTabChangeShowsItsWidget();
    void editorRoomWithoutDevices();
    void editorHiddenEntryDoesNothing();
    void editorBuiltInPicture_data();
    void editorBuiltInPicture();
    void editorGalleryPicture();
    void editorCancelledChoiceChangesNothing();
    void editorRefusedPictureKeepsTheStoredOne();

private:
    template <class Tab> Tab *tab();
    PageSetting3DViewManagerEdit *editor();
    void enterEditor(const QString &prm1);

    QTemporaryDir home;
    int roomId = 0;
    QScopedPointer<QWidget> widget;
};

void TestPlacement::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
}

void TestPlacement::init()
{
    stationfixture::prepareProject(home.path(), LocalNetwork);
    roomId = addPlace("North", "Ground", "101").roomId;
    QVERIFY(roomId > 0);
    QVERIFY(gDatabase.execSql("insert into tbl_3d_view_manager(icon_name,room_id) values('3d_view_02',?)", {roomId}));
}

void TestPlacement::cleanup()
{
    widget.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    IconStyleDlg::setExecHook({});
    IconSelectDlg::setExecHook({});
    PictureChoice::setOpenFileHook({});
}

template <class Tab> Tab *TestPlacement::tab()
{
    auto *t = new Tab(nullptr);
    widget.reset(t);
    t->setFixedSize(tabWidth, tabHeight);
    t->show();
    return t;
}

PageSetting3DViewManagerEdit *TestPlacement::editor()
{
    auto *page = new PageSetting3DViewManagerEdit("3D View Setting", "3D View Setting", nullptr);
    widget.reset(page);
    page->resize(800, 600);
    page->show();
    return page;
}

void TestPlacement::enterEditor(const QString &prm1)
{
    emit gBroadcastSocket.signalsPageEnter(prm1, QString());
}

void TestPlacement::defaultRowsInLoadOrder()
{
    QVERIFY(addLight(roomId, light(3)));
    QVERIFY(addLight(roomId, light(1)));
    auto *lights = tab<PageSetting3DViewManagerLighting>();
    lights->loadRoom(roomId);

    QSqlQuery rows = gDatabase.querySql("select light_id,xp1,yp1,room_id from tbl_3d_view_light order by id");
    QStringList inserted;
    while (rows.next())
        inserted << QString("%1,%2,%3,%4")
                        .arg(rows.value(0).toInt())
                        .arg(rows.value(1).toInt())
                        .arg(rows.value(2).toInt())
                        .arg(rows.value(3).toInt());
    QCOMPARE(inserted, (QStringList{QString("1,0,0,%1").arg(roomId), QString("3,0,0,%1").arg(roomId)}));
    QCOMPARE(lights->markerCount(), 2);
    QCOMPARE(lights->markerPosition(0), QPoint(0, 0));
    QCOMPARE(lights->markerPosition(1), QPoint(0, 0));
    QCOMPARE(lights->iconName(), QString("3d_view_02"));
    QCOMPARE(lights->roomName(), QString("101"));

    // Both boxes cover (0, 0)-(79, 79): the first in load order, light 1, is taken.
    press(lights, QPoint(79, 79));
    release(lights, QPoint(200, 150));
    QCOMPARE(storedLight(1, roomId), QPoint(160, 110));
    QCOMPARE(storedLight(3, roomId), QPoint(0, 0));

    // A second load reads the rows and inserts none.
    lights->loadRoom(roomId);
    QCOMPARE(rowCount("tbl_3d_view_light"), 2);
    QCOMPARE(lights->markerPosition(0), QPoint(160, 110));
}

void TestPlacement::storedPositionsAreRead()
{
    QVERIFY(addAirConditioner(roomId, climate(1)));
    QVERIFY(addAirConditioner(roomId, climate(0)));
    QVERIFY(addAirConditioner(roomId, climate(2)));
    QVERIFY(insertRow("tbl_3d_air_conditioner",
                      {{"air_conditioner_no", 1}, {"xp1", 30}, {"yp1", 40}, {"room_id", roomId}}));
    auto *acs = tab<PageSetting3DViewManagerAC>();
    acs->loadRoom(roomId);
    QCOMPARE(acs->markerCount(), 2);
    QCOMPARE(acs->markerKey(0), 0);
    QCOMPARE(acs->markerKey(1), 1);
    QCOMPARE(acs->markerPosition(1), QPoint(30, 40));
    QCOMPARE(storedClimate(0, roomId), QPoint(0, 0));
    // The floor heating belongs to the other tab and got no row here.
    QCOMPARE(storedClimate(2, roomId), QPoint(-1, -1));
}

void TestPlacement::dropStoresTheCorner_data()
{
    QTest::addColumn<int>("kind"); // 0 lights, 1 air conditioners, 2 floor heatings
    QTest::addColumn<QPoint>("drop");
    QTest::addColumn<QPoint>("stored");
    const QPoint bottomRight(tabWidth - 1, tabHeight - 1);
    const QPoint farCorner(tabWidth - 81, tabHeight - 81);
    QTest::newRow("light, centred on the cursor") << 0 << QPoint(200, 150) << QPoint(160, 110);
    QTest::newRow("light, top-left clamp") << 0 << QPoint(10, 10) << QPoint(0, 0);
    QTest::newRow("light, bottom-right pixel") << 0 << bottomRight << farCorner;
    QTest::newRow("light, outside the widget") << 0 << QPoint(-50, 900) << QPoint(0, tabHeight - 81);
    QTest::newRow("light, one short of the right clamp")
        << 0 << QPoint(tabWidth - 42, 100) << QPoint(tabWidth - 82, 60);
    QTest::newRow("air conditioner") << 1 << QPoint(200, 150) << QPoint(160, 110);
    QTest::newRow("air conditioner, bottom-right pixel") << 1 << bottomRight << farCorner;
    QTest::newRow("floor heating") << 2 << QPoint(200, 150) << QPoint(160, 110);
    QTest::newRow("floor heating, top-left clamp") << 2 << QPoint(10, 10) << QPoint(0, 0);
}

void TestPlacement::dropStoresTheCorner()
{
    QFETCH(int, kind);
    QFETCH(QPoint, drop);
    QFETCH(QPoint, stored);
    PlacementTab *placement = nullptr;
    if (kind == 0) {
        QVERIFY(addLight(roomId, light(4)));
        placement = tab<PageSetting3DViewManagerLighting>();
    } else if (kind == 1) {
        QVERIFY(addAirConditioner(roomId, climate(1)));
        placement = tab<PageSetting3DViewManagerAC>();
    } else {
        QVERIFY(addAirConditioner(roomId, climate(3)));
        placement = tab<PageSetting3DViewManagerFloorHeat>();
    }
    placement->loadRoom(roomId);
    QCOMPARE(placement->markerCount(), 1);
    press(placement, QPoint(40, 40));
    move(placement, drop);
    QCOMPARE(placement->markerPosition(0), stored);
    release(placement, drop);
    QCOMPARE(placement->markerPosition(0), stored);
    QCOMPARE(kind == 0 ? storedLight(4, roomId) : storedClimate(kind == 1 ? 1 : 3, roomId), stored);
}

void TestPlacement::refusedDropKeepsTheStoredPosition_data()
{
    QTest::addColumn<int>("kind"); // 0 lights, 1 air conditioners, 2 floor heatings
    QTest::newRow("light") << 0;
    QTest::newRow("air conditioner") << 1;
    QTest::newRow("floor heating") << 2;
}

void TestPlacement::refusedDropKeepsTheStoredPosition()
{
    QFETCH(int, kind);
    const int key = kind == 0 ? 4 : (kind == 1 ? 1 : 3);
    const QString table = kind == 0 ? "tbl_3d_view_light" : "tbl_3d_air_conditioner";
    const QString keyColumn = kind == 0 ? "light_id" : "air_conditioner_no";
    PlacementTab *placement = nullptr;
    if (kind == 0) {
        QVERIFY(addLight(roomId, light(key)));
        placement = tab<PageSetting3DViewManagerLighting>();
    } else {
        QVERIFY(addAirConditioner(roomId, climate(key)));
        placement = kind == 1 ? static_cast<PlacementTab *>(tab<PageSetting3DViewManagerAC>())
                              : static_cast<PlacementTab *>(tab<PageSetting3DViewManagerFloorHeat>());
    }
    QVERIFY(insertRow(table, {{keyColumn, key}, {"xp1", 30}, {"yp1", 40}, {"room_id", roomId}}));
    const auto stored = [&] { return kind == 0 ? storedLight(key, roomId) : storedClimate(key, roomId); };
    placement->loadRoom(roomId);
    QCOMPARE(placement->markerPosition(0), QPoint(30, 40));
    QVERIFY(refuse("update", table));

    QSignalSpy told(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    press(placement, QPoint(70, 80));
    move(placement, QPoint(200, 150));
    QCOMPARE(placement->markerPosition(0), QPoint(160, 110));
    release(placement, QPoint(200, 150));
    QCOMPARE(messages(told), QStringList{"Save failed!"});
    // The marker shows what the room still has stored.
    QCOMPARE(placement->markerPosition(0), QPoint(30, 40));
    QCOMPARE(stored(), QPoint(30, 40));
    QCOMPARE(rowCount(table), 1);

    // Once the table takes writes again, the next drop is stored.
    QVERIFY(gDatabase.execSql("drop trigger refuse"));
    press(placement, QPoint(70, 80));
    release(placement, QPoint(200, 150));
    QCOMPARE(stored(), QPoint(160, 110));
    QCOMPARE(placement->markerPosition(0), QPoint(160, 110));
    QCOMPARE(told.count(), 1);
}

void TestPlacement::refusedDefaultRowIsTold()
{
    QVERIFY(addLight(roomId, light(1)));
    QVERIFY(addLight(roomId, light(2)));
    QVERIFY(refuse("insert", "tbl_3d_view_light"));
    auto *lights = tab<PageSetting3DViewManagerLighting>();
    QSignalSpy told(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    lights->loadRoom(roomId);
    // Told once for the load, not once per light; the markers still show at the corner.
    QCOMPARE(told.count(), 1);
    QVERIFY2(messages(told).first().startsWith("The 3D positions of this room could not be read or stored: "),
             qPrintable(messages(told).first()));
    QVERIFY(messages(told).first().contains("refused"));
    QCOMPARE(lights->markerCount(), 2);
    QCOMPARE(lights->markerPosition(0), QPoint(0, 0));
    QCOMPARE(lights->markerPosition(1), QPoint(0, 0));
    QCOMPARE(rowCount("tbl_3d_view_light"), 0);
}

void TestPlacement::databaseChangesOnlyOnRelease()
{
    QVERIFY(addLight(roomId, light(1)));
    auto *lights = tab<PageSetting3DViewManagerLighting>();
    lights->loadRoom(roomId);
    press(lights, QPoint(0, 0)); // the box's top-left pixel belongs to it
    move(lights, QPoint(100, 100));
    QCOMPARE(lights->markerPosition(0), QPoint(60, 60));
    move(lights, QPoint(5000, 5000));
    QCOMPARE(lights->markerPosition(0), QPoint(tabWidth - 81, tabHeight - 81));
    QCOMPARE(storedLight(1, roomId), QPoint(0, 0));
    // Any button ends the drag.
    release(lights, QPoint(120, 130), Qt::RightButton);
    QCOMPARE(storedLight(1, roomId), QPoint(80, 90));
    // The drag is over: moving and releasing again change nothing.
    move(lights, QPoint(300, 200));
    release(lights, QPoint(300, 200));
    QCOMPARE(lights->markerPosition(0), QPoint(80, 90));
    QCOMPARE(storedLight(1, roomId), QPoint(80, 90));
}

void TestPlacement::rightPressStartsNoDrag()
{
    QVERIFY(addLight(roomId, light(1)));
    auto *lights = tab<PageSetting3DViewManagerLighting>();
    lights->loadRoom(roomId);
    press(lights, QPoint(40, 40), Qt::RightButton);
    move(lights, QPoint(200, 150), Qt::RightButton);
    release(lights, QPoint(200, 150), Qt::RightButton);
    QCOMPARE(lights->markerPosition(0), QPoint(0, 0));
    QCOMPARE(storedLight(1, roomId), QPoint(0, 0));
    // Outside every box (the box ends at 79): nothing is taken either.
    press(lights, QPoint(80, 40));
    release(lights, QPoint(200, 150));
    QCOMPARE(storedLight(1, roomId), QPoint(0, 0));
}

void TestPlacement::firstMarkerUnderTheCursorIsTaken()
{
    QVERIFY(addLight(roomId, light(1)));
    QVERIFY(addLight(roomId, light(2)));
    QVERIFY(insertRow("tbl_3d_view_light", {{"light_id", 1}, {"xp1", 100}, {"yp1", 100}, {"room_id", roomId}}));
    QVERIFY(insertRow("tbl_3d_view_light", {{"light_id", 2}, {"xp1", 150}, {"yp1", 100}, {"room_id", roomId}}));
    auto *lights = tab<PageSetting3DViewManagerLighting>();
    lights->loadRoom(roomId);
    press(lights, QPoint(200, 120)); // inside light 2 only
    release(lights, QPoint(300, 200));
    QCOMPARE(storedLight(1, roomId), QPoint(100, 100));
    QCOMPARE(storedLight(2, roomId), QPoint(260, 160));
    // Where the boxes overlap, the first in load order is taken.
    QVERIFY(gDatabase.execSql("update tbl_3d_view_light set xp1=150,yp1=100 where light_id=2"));
    lights->loadRoom(roomId);
    press(lights, QPoint(170, 120));
    release(lights, QPoint(50, 250));
    QCOMPARE(storedLight(1, roomId), QPoint(10, 210));
    QCOMPARE(storedLight(2, roomId), QPoint(150, 100));
}

void TestPlacement::markersShowTheirKind()
{
    LightRow rgb = light(1, 1, "Strip");
    rgb.type = 2;
    rgb.iconOn = "light_05_on";
    QVERIFY(addLight(roomId, rgb));
    for (int channel = 2; channel <= 4; ++channel)
        QVERIFY(addLight(roomId, light(1, channel, "Strip")));
    auto *lights = tab<PageSetting3DViewManagerLighting>();
    lights->loadRoom(roomId);
    QCOMPARE(lights->markerCount(), 1);
    QCOMPARE(lights->markerText(0), QString("Strip"));
    QCOMPARE(lights->markerIconPath(0), QString(":/myImages/png/light/light_05_on.png"));
    QVERIFY(!QImage(lights->markerIconPath(0)).isNull());

    QVERIFY(addAirConditioner(roomId, climate(0, "Bed AC")));
    QVERIFY(addAirConditioner(roomId, climate(2, "Bath")));
    PageSetting3DViewManagerAC acs(nullptr);
    acs.loadRoom(roomId);
    QCOMPARE(acs.markerText(0), QString("Bed AC"));
    QCOMPARE(acs.markerIconPath(0), QString(":/myImages/png/edit_room/icon-room-ac.png"));
    PageSetting3DViewManagerFloorHeat heatings(nullptr);
    heatings.loadRoom(roomId);
    QCOMPARE(heatings.markerText(0), QString("Bath"));
    QCOMPARE(heatings.markerIconPath(0), QString(":/myImages/png/edit_room/icon-room-floorheat.png"));
}

void TestPlacement::longTextsAreCutAtCharacterBoundaries()
{
    // 100 two-byte characters: 200 bytes for a field of 127 and an icon name of 63.
    const QString longText = QString(100, QChar(0x00E9));
    LightRow row = light(1, 0, "x" + longText);
    row.iconOn = "y" + longText;
    QVERIFY(addLight(roomId, row));
    QVERIFY(addAirConditioner(roomId, climate(0, longText)));
    auto *lights = tab<PageSetting3DViewManagerLighting>();
    lights->loadRoom(roomId);
    const lightPositionRecord record = lights->records().at(0);
    QCOMPARE(QByteArray(record.light_remark), ("x" + longText.left(63)).toUtf8());
    QCOMPARE(QByteArray(record.icon_name_of_light_on), ("y" + longText.left(31)).toUtf8());
    QCOMPARE(record.light_remark[sizeof record.light_remark - 1], '\0');

    PageSetting3DViewManagerAC acs(nullptr);
    acs.loadRoom(roomId);
    QCOMPARE(QByteArray(acs.records().at(0).remark), longText.left(63).toUtf8());
}

void TestPlacement::picturePaths()
{
    const QString folder = home.path() + "/database/Home";
    QCOMPARE(roomPicturePath("3d_view_03"), QString(":/myImages/png/3d_view/3d_view_03.png"));
    QCOMPARE(roomPicturePath("3d_view_03.png"), QString(":/myImages/png/3d_view/3d_view_03.png"));
    QCOMPARE(roomPicturePath("photo_3dView_12"), QString());
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(folder + "/photo_3dView_12.png"));
    QCOMPARE(roomPicturePath("photo_3dView_12"), folder + "/photo_3dView_12.png");
    QCOMPARE(roomPicturePath("photo_3dView_12.png"), folder + "/photo_3dView_12.png");
    QVERIFY(!QImage(roomPicturePath("3d_view_08")).isNull());
}

void TestPlacement::pictureStretchedMarkersNotScaled()
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(home.path() + "/database/Home/photo_3dView_7.png"));
    QVERIFY(addLight(roomId, light(1)));
    QVERIFY(insertRow("tbl_3d_view_light", {{"light_id", 1}, {"xp1", 200}, {"yp1", 100}, {"room_id", roomId}}));
    auto *lights = tab<PageSetting3DViewManagerLighting>();
    lights->loadRoom(roomId);
    lights->setIconName("photo_3dView_7");

    const QColor background(0x26, 0x34, 0x40);
    const QColor marker(0x1F, 0x29, 0x33);
    for (const QSize &size : {QSize(tabWidth, tabHeight), QSize(600, 500)}) {
        lights->setFixedSize(size);
        const QImage shot = lights->grab().toImage();
        QCOMPARE(shot.pixelColor(5, 5), background);
        QCOMPARE(shot.pixelColor(size.width() - 5, size.height() - 5), background);
        QCOMPARE(shot.pixelColor(size.width() - 12, size.height() - 12), QColor(Qt::red));
        // The circle's edge stays at the same widget pixels whatever the size (left of the icon, above the text).
        QCOMPARE(shot.pixelColor(200 + 8, 100 + 40), marker);
        QCOMPARE(shot.pixelColor(200 + 72, 100 + 40), marker);
        QCOMPARE(shot.pixelColor(200 + 40, 100 + 90), QColor(Qt::red));
    }
}

void TestPlacement::editorTabsPerKind_data()
{
    QTest::addColumn<bool>("lights");
    QTest::addColumn<bool>("airConditioners");
    QTest::addColumn<bool>("floorHeatings");
    QTest::addColumn<QStringList>("tabs");
    QTest::newRow("all three") << true << true << true << QStringList{"Lighting", "AC", "Floor Heat"};
    QTest::newRow("lights and floor heatings") << true << false << true << QStringList{"Lighting", "Floor Heat"};
    QTest::newRow("air conditioners only") << false << true << false << QStringList{"AC"};
    QTest::newRow("floor heatings only") << false << false << true << QStringList{"Floor Heat"};
}

void TestPlacement::editorTabsPerKind()
{
    QFETCH(bool, lights);
    QFETCH(bool, airConditioners);
    QFETCH(bool, floorHeatings);
    QFETCH(QStringList, tabs);
    // Lights without a bus address count here: placement needs none.
    LightRow unaddressed = light(1);
    unaddressed.subnet = 0;
    if (lights)
        QVERIFY(addLight(roomId, unaddressed));
    if (airConditioners)
        QVERIFY(addAirConditioner(roomId, climate(1)));
    if (floorHeatings)
        QVERIFY(addAirConditioner(roomId, climate(2)));

    PageSetting3DViewManagerEdit *page = editor();
    enterEditor(QString::number(roomId));
    auto *strip = page->findChild<QtMaterialTabs *>("tabs");
    QCOMPARE(tabTexts(strip), tabs);
    QCOMPARE(strip->currentIndex(), 0);
    QVERIFY(strip->isVisible());
    QCOMPARE(page->roomId(), roomId);

    auto *lightTab = page->findChild<PageSetting3DViewManagerLighting *>();
    auto *acTab = page->findChild<PageSetting3DViewManagerAC *>();
    auto *heatTab = page->findChild<PageSetting3DViewManagerFloorHeat *>();
    QCOMPARE(lightTab->isVisible(), tabs.first() == "Lighting");
    QCOMPARE(acTab->isVisible(), tabs.first() == "AC");
    QCOMPARE(heatTab->isVisible(), tabs.first() == "Floor Heat");
    // Only the kinds the room has are loaded.
    QCOMPARE(lightTab->markerCount(), lights ? 1 : 0);
    QCOMPARE(acTab->markerCount(), airConditioners ? 1 : 0);
    QCOMPARE(heatTab->markerCount(), floorHeatings ? 1 : 0);
    QCOMPARE(rowCount("tbl_3d_view_light"), lights ? 1 : 0);
    QCOMPARE(rowCount("tbl_3d_air_conditioner"), int(airConditioners) + int(floorHeatings));
}

void TestPlacement::editorTabChangeShowsItsWidget()
{
    QVERIFY(addLight(roomId, light(1)));
    QVERIFY(addAirConditioner(roomId, climate(3)));
    PageSetting3DViewManagerEdit *page = editor();
    enterEditor(QString::number(roomId));
    auto *strip = page->findChild<QtMaterialTabs *>("tabs");
    auto *lightTab = page->findChild<PageSetting3DViewManagerLighting *>();
    auto *heatTab = page->findChild<PageSetting3DViewManagerFloorHeat *>();
    QVERIFY(lightTab->isVisible());
    strip->setCurrentTab(1);
    QVERIFY(heatTab->isVisible());
    QVERIFY(!lightTab->isVisible());

    // Another room rebuilds the tabs from scratch and shows its first kind.
    const int other = addRoom(1, 1, "102");
    QVERIFY(addAirConditioner(other, climate(0)));
    enterEditor(QString::number(other));
    QCOMPARE(tabTexts(strip), QStringList{"AC"});
    QVERIFY(page->findChild<PageSetting3DViewManagerAC *>()->isVisible());
    QVERIFY(!heatTab->isVisible());
    QVERIFY(!lightTab->isVisible());
}

void TestPlacement::editorRoomWithoutDevices()
{
    QVERIFY(addLight(roomId, light(1)));
    PageSetting3DViewManagerEdit *page = editor();
    enterEditor("not a number");
    QCOMPARE(page->roomId(), 0);
    auto *strip = page->findChild<QtMaterialTabs *>("tabs");
    QCOMPARE(strip->count(), 0);
    QVERIFY(!strip->isVisible());
    QVERIFY(!page->findChild<PageSetting3DViewManagerLighting *>()->isVisible());
    QVERIFY(!page->findChild<PageSetting3DViewManagerAC *>()->isVisible());
    QVERIFY(!page->findChild<PageSetting3DViewManagerFloorHeat *>()->isVisible());
    QVERIFY(page->findChild<QtMaterialLabel *>("labelChangeImage")->isVisible());
}

void TestPlacement::editorHiddenEntryDoesNothing()
{
    QVERIFY(addLight(roomId, light(1)));
    auto *page = new PageSetting3DViewManagerEdit("3D View Setting", "3D View Setting", nullptr);
    widget.reset(page);
    enterEditor(QString::number(roomId));
    QCOMPARE(page->roomId(), 0);
    QCOMPARE(page->findChild<QtMaterialTabs *>("tabs")->count(), 0);
    QCOMPARE(rowCount("tbl_3d_view_light"), 0);
}

void TestPlacement::editorBuiltInPicture_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("left button") << int(Qt::LeftButton);
    QTest::newRow("right button") << int(Qt::RightButton);
}

void TestPlacement::editorBuiltInPicture()
{
    QFETCH(int, button);
    QVERIFY(addLight(roomId, light(1)));
    PageSetting3DViewManagerEdit *page = editor();
    enterEditor(QString::number(roomId));
    int family = -1;
    IconStyleDlg::setExecHook([](IconStyleDlg &dialog) { return pressStyle(dialog, 0); });
    IconSelectDlg::setExecHook([&family](IconSelectDlg &picker) {
        family = picker.iconType;
        emit picker.tiles().at(4)->signalsPressed();
        return picker.result();
    });
    QTest::mousePress(page->findChild<QtMaterialLabel *>("labelChangeImage"), Qt::MouseButton(button));
    QCOMPARE(family, int(IconSelect3DView));
    QCOMPARE(value("select icon_name from tbl_3d_view_manager where room_id=?", {roomId}, "icon_name").toString(),
             QString("3d_view_05"));
    for (PlacementTab *placement : page->findChildren<PlacementTab *>())
        QCOMPARE(placement->iconName(), QString("3d_view_05"));
}

void TestPlacement::editorGalleryPicture()
{
    QVERIFY(addAirConditioner(roomId, climate(0)));
    const QString source = home.path() + "/chosen.jpg";
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QVERIFY(image.save(source));
    PageSetting3DViewManagerEdit *page = editor();
    enterEditor(QString::number(roomId));
    IconStyleDlg::setExecHook([](IconStyleDlg &dialog) { return pressStyle(dialog, 1); });
    PictureChoice::setOpenFileHook([&](QWidget *, const QString &, const QString &) { return source; });
    QTest::mousePress(page->findChild<QtMaterialLabel *>("labelChangeImage"), Qt::LeftButton);

    const QString name = QString("photo_3dView_%1").arg(roomId);
    const QString file = home.path() + "/database/Home/" + name + ".png";
    QCOMPARE(QImage(file).size(), QSize(30, 20));
    QCOMPARE(value("select icon_name from tbl_3d_view_manager where room_id=?", {roomId}, "icon_name").toString(),
             name);
    for (PlacementTab *placement : page->findChildren<PlacementTab *>())
        QCOMPARE(placement->iconName(), name);
    QCOMPARE(roomPicturePath(name), file);
}

void TestPlacement::editorCancelledChoiceChangesNothing()
{
    QVERIFY(addLight(roomId, light(1)));
    PageSetting3DViewManagerEdit *page = editor();
    enterEditor(QString::number(roomId));
    auto *button = page->findChild<QtMaterialLabel *>("labelChangeImage");
    IconStyleDlg::setExecHook([](IconStyleDlg &) { return int(QDialog::Rejected); });
    QTest::mousePress(button, Qt::LeftButton);
    IconStyleDlg::setExecHook([](IconStyleDlg &dialog) { return pressStyle(dialog, 0); });
    IconSelectDlg::setExecHook([](IconSelectDlg &) { return int(QDialog::Rejected); });
    QTest::mousePress(button, Qt::LeftButton);
    IconStyleDlg::setExecHook([](IconStyleDlg &dialog) { return pressStyle(dialog, 1); });
    PictureChoice::setOpenFileHook([](QWidget *, const QString &, const QString &) { return QString(); });
    QTest::mousePress(button, Qt::LeftButton);
    QCOMPARE(value("select icon_name from tbl_3d_view_manager where room_id=?", {roomId}, "icon_name").toString(),
             QString("3d_view_02"));
    QCOMPARE(page->findChild<PageSetting3DViewManagerLighting *>()->iconName(), QString("3d_view_02"));
}

void TestPlacement::editorRefusedPictureKeepsTheStoredOne()
{
    QVERIFY(addLight(roomId, light(1)));
    QVERIFY(addAirConditioner(roomId, climate(0)));
    PageSetting3DViewManagerEdit *page = editor();
    enterEditor(QString::number(roomId));
    QVERIFY(refuse("update", "tbl_3d_view_manager"));
    IconStyleDlg::setExecHook([](IconStyleDlg &dialog) { return pressStyle(dialog, 0); });
    IconSelectDlg::setExecHook([](IconSelectDlg &picker) {
        emit picker.tiles().at(4)->signalsPressed();
        return picker.result();
    });
    QSignalSpy told(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    QTest::mousePress(page->findChild<QtMaterialLabel *>("labelChangeImage"), Qt::LeftButton);

    QCOMPARE(messages(told), QStringList{"Save failed!"});
    QCOMPARE(value("select icon_name from tbl_3d_view_manager where room_id=?", {roomId}, "icon_name").toString(),
             QString("3d_view_02"));
    QCOMPARE(rowCount("tbl_3d_view_manager"), 1);
    for (PlacementTab *placement : page->findChildren<PlacementTab *>())
        QCOMPARE(placement->iconName(), QString("3d_view_02"));
}

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
