// The picture tile: pictures by kind, clicks, and the room cards' pending messages of the day kept from the
// hub's signals and rotated on a timer.

#include "core/projectfolders.h"
#include "core/projectlist.h"
#include "core/queryhelpers.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "resources/stationresources.h"
#include "shell/manageritem.h"
#include "tests/support/guestfixture.h"
#include "tests/support/testenv.h"

#include <QPainter>
#include <QtTest>

#include <cstring>

namespace {
const QColor tileColor(0x3D, 0x53, 0x66);
} // namespace

class TestManagerItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void roomCardRotatesTodaysMessages();
    void rotationRunsOnItsTimer();
    void rotationRunsOnlyWhileThereAreMessages();
    void messagesReadForAllRoomsAsCardsReadThem();
    void appendedMessageShowsAtOnce();
    void appendedKnownIdUpdatesItsEntry();
    void withdrawalRemovesItsEntry();
    void removeMessages_data();
    void removeMessages();
    void updateMessage();
    void otherTilesIgnoreMessages_data();
    void otherTilesIgnoreMessages();
    void picturePaths_data();
    void picturePaths();
    void paintsPictureIntoTheCentredSquare();
    void addTilePaintsItsCircle();
    void messageLineColourFollowsTheType_data();
    void messageLineColourFollowsTheType();
    void messageLineIsReadWhenShownNotWhenPainted();
    void clicksAndDelete();

private:
    int addTodaysRow(int messageId, int type, int panelId, int roomId, int status = 0);
    static universalSwitchMessage appendMsg(int id, int roomId, int status);

    QTemporaryDir home;
    QString today;
};

void TestManagerItem::initTestCase()
{
    testenv::useFreshHome(home);
    gAppDirPath = home.path();
    QDir(home.path()).mkpath("database/Home");
    QVERIFY(createProjectXml());
    initStationResources();
    ManagerItem::setRotationInterval(20);
    today = QDate::currentDate().toString("yyyy-MM-dd");
}

void TestManagerItem::init()
{
    guestfixture::openFreshDatabase(home);
    QVERIFY(guestfixture::addMessage(11, 0, "Clean the room", "message_01", 5));
    QVERIFY(guestfixture::addMessage(12, 1, "Emergency", "message_02", 6));
}

void TestManagerItem::cleanupTestCase()
{
    gDatabase.close();
}

int TestManagerItem::addTodaysRow(int messageId, int type, int panelId, int roomId, int status)
{
    guestfixture::addLogRow(messageId, type, status, panelId, roomId, today + " 08:00:00");
    return queryIntValue("select max(id) as id from tbl_message_log", "id");
}

universalSwitchMessage TestManagerItem::appendMsg(int id, int roomId, int status)
{
    universalSwitchMessage msg{};
    msg.id = id;
    msg.room_id = roomId;
    msg.message_status = status;
    return msg;
}

void TestManagerItem::roomCardRotatesTodaysMessages()
{
    const int first = addTodaysRow(11, 0, 7, 3);
    const int second = addTodaysRow(12, 1, 7, 3);
    addTodaysRow(11, 0, 7, 3, 3); // processed
    addTodaysRow(11, 0, 8, 4);    // another room
    guestfixture::addLogRow(11, 0, 0, 7, 3, "2020-01-01 08:00:00");

    ManagerItem::setRotationInterval(3600000);
    ManagerItem card(RoomTile, 3, "101", "room_3", false, tileColor, 300, 160, nullptr);
    ManagerItem::setRotationInterval(20);
    QCOMPARE(card.messages().size(), 2);
    QCOMPARE(card.messages().at(0).id, first);
    QCOMPARE(card.messages().at(1).id, second);
    QCOMPARE(card.currentMessageIndex(), -1);
    QCOMPARE(QString(card.messages().at(0).recv_time), today + " 08:00:00");

    QList<int> shown;
    for (int i = 0; i < 3; ++i) {
        QMetaObject::invokeMethod(&card, "onPoll");
        shown << card.currentMessageIndex();
    }
    QCOMPARE(shown, QList<int>({0, 1, 0}));
}

void TestManagerItem::rotationRunsOnItsTimer()
{
    addTodaysRow(11, 0, 7, 3);
    QCOMPARE(ManagerItem::rotationInterval(), 20);
    ManagerItem card(RoomTile, 3, "101", "room_3", false, tileColor, 300, 160, nullptr);
    QTRY_COMPARE(card.currentMessageIndex(), 0);
}

void TestManagerItem::rotationRunsOnlyWhileThereAreMessages()
{
    ManagerItem card(RoomTile, 3, "101", "room_3", false, tileColor, 300, 160, nullptr);
    QVERIFY(!card.isRotating());

    const int row = addTodaysRow(12, 1, 7, 3);
    emit gBroadcastSocket.signalsAppendMessage(appendMsg(row, 3, 0));
    QVERIFY(card.isRotating());
    QCOMPARE(card.currentMessageIndex(), 0);

    // Withdrawn: the next tick finds nothing to show, as a card always rotating would, and the timer rests.
    emit gBroadcastSocket.signalsAppendMessage(appendMsg(row, 3, 1));
    QVERIFY(card.messages().isEmpty());
    QTRY_COMPARE(card.currentMessageIndex(), -1);
    QVERIFY(!card.isRotating());

    // A new message brings the rotation back.
    const int next = addTodaysRow(11, 0, 7, 3);
    const int later = addTodaysRow(12, 1, 7, 3);
    emit gBroadcastSocket.signalsAppendMessage(appendMsg(next, 3, 0));
    emit gBroadcastSocket.signalsAppendMessage(appendMsg(later, 3, 0));
    QVERIFY(card.isRotating());
    QTRY_COMPARE(card.currentMessageIndex(), 0);
    QTRY_COMPARE(card.currentMessageIndex(), 1);

    // Tiles that keep no messages never rotate.
    ManagerItem manager(RoomTile, 3, "101", "room_3", true, tileColor, 300, 160, nullptr);
    QVERIFY(!manager.isRotating());
}

void TestManagerItem::messagesReadForAllRoomsAsCardsReadThem()
{
    addTodaysRow(11, 0, 7, 3);
    addTodaysRow(12, 1, 8, 4);
    addTodaysRow(12, 1, 7, 3);
    addTodaysRow(11, 0, 7, 3, 3);                                   // processed
    guestfixture::addLogRow(11, 0, 0, 7, 3, "2020-01-01 08:00:00"); // another day

    const QHash<int, QList<messageRecord>> byRoom = ManagerItem::todaysMessagesByRoom();
    QCOMPARE(byRoom.keys().size(), 2);
    for (int room : {3, 4}) {
        ManagerItem own(RoomTile, room, "r", "room_3", false, tileColor, 300, 160, nullptr);
        ManagerItem given(room, "r", "room_3", byRoom.value(room), tileColor, 300, 160, nullptr);
        QCOMPARE(given.type(), int(RoomTile));
        QVERIFY(given.tracksMessages());
        QCOMPARE(given.messages().size(), own.messages().size());
        for (int i = 0; i < own.messages().size(); ++i)
            QVERIFY(std::memcmp(&given.messages().at(i), &own.messages().at(i), sizeof(messageRecord)) == 0);
        QVERIFY(given.isRotating());
        QCOMPARE(given.currentMessageIndex(), -1);
    }
    ManagerItem empty(5, "r", "room_3", byRoom.value(5), tileColor, 300, 160, nullptr);
    QVERIFY(empty.messages().isEmpty());
    QVERIFY(!empty.isRotating());
}

void TestManagerItem::appendedMessageShowsAtOnce()
{
    ManagerItem card(RoomTile, 3, "101", "room_3", false, tileColor, 300, 160, nullptr);
    QVERIFY(card.messages().isEmpty());
    const int row = addTodaysRow(12, 1, 7, 3);
    emit gBroadcastSocket.signalsAppendMessage(appendMsg(row, 3, 0));
    QCOMPARE(card.messages().size(), 1);
    QCOMPARE(card.messages().at(0).message_type, 1);
    QCOMPARE(card.currentMessageIndex(), 0);

    emit gBroadcastSocket.signalsAppendMessage(appendMsg(row, 4, 0)); // another room
    QCOMPARE(card.messages().size(), 1);

    // A row that cannot be read adds nothing; the newest entry stays shown.
    emit gBroadcastSocket.signalsAppendMessage(appendMsg(9999, 3, 0));
    QCOMPARE(card.messages().size(), 1);
    QCOMPARE(card.currentMessageIndex(), 0);
}

void TestManagerItem::appendedKnownIdUpdatesItsEntry()
{
    const int a = addTodaysRow(11, 0, 7, 3);
    const int b = addTodaysRow(12, 1, 7, 3);
    ManagerItem card(RoomTile, 3, "101", "room_3", false, tileColor, 300, 160, nullptr);
    QCOMPARE(card.messages().size(), 2);

    // A service request re-opened later the same day comes back with its row's id.
    QVERIFY(gDatabase.execSql("update tbl_message_log set recv_time=? where id=?", {today + " 09:30:00", a}));
    emit gBroadcastSocket.signalsAppendMessage(appendMsg(a, 3, 0));
    QCOMPARE(card.messages().size(), 2);
    QCOMPARE(card.messages().at(0).id, a);
    QCOMPARE(QString(card.messages().at(0).recv_time), today + " 09:30:00");
    QCOMPARE(card.messages().at(1).id, b);
    QCOMPARE(card.currentMessageIndex(), 0);
}

void TestManagerItem::withdrawalRemovesItsEntry()
{
    const int a = addTodaysRow(11, 0, 7, 3);
    const int b = addTodaysRow(11, 0, 8, 3);
    ManagerItem card(RoomTile, 3, "101", "room_3", false, tileColor, 300, 160, nullptr);
    QMetaObject::invokeMethod(&card, "onPoll");
    QMetaObject::invokeMethod(&card, "onPoll");
    QCOMPARE(card.currentMessageIndex(), 1);

    emit gBroadcastSocket.signalsAppendMessage(appendMsg(b, 3, 1));
    QCOMPARE(card.messages().size(), 1);
    QCOMPARE(card.messages().at(0).id, a);
    QCOMPARE(card.currentMessageIndex(), 0); // pointed past the end

    emit gBroadcastSocket.signalsAppendMessage(appendMsg(12345, 3, 1)); // unknown id
    QCOMPARE(card.messages().size(), 1);
}

void TestManagerItem::removeMessages_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("valueOf"); // which field of the first entry is passed
    QTest::addColumn<int>("left");
    QTest::newRow("log id") << 0 << "id" << 3;
    QTest::newRow("room") << 1 << "room" << 0;
    QTest::newRow("panel") << 2 << "panel" << 2;
    QTest::newRow("message") << 3 << "message" << 1;
    QTest::newRow("unknown type as log id") << 7 << "id" << 3;
}

void TestManagerItem::removeMessages()
{
    QFETCH(int, type);
    QFETCH(QString, valueOf);
    QFETCH(int, left);
    const int first = addTodaysRow(11, 0, 7, 3);
    addTodaysRow(11, 0, 7, 3);
    addTodaysRow(11, 0, 8, 3);
    addTodaysRow(12, 1, 8, 3);
    ManagerItem card(RoomTile, 3, "101", "room_3", false, tileColor, 300, 160, nullptr);
    ManagerItem otherRoom(RoomTile, 4, "102", "room_3", false, tileColor, 300, 160, nullptr);
    QCOMPARE(card.messages().size(), 4);
    for (int i = 0; i < 4; ++i)
        QMetaObject::invokeMethod(&card, "onPoll");
    QCOMPARE(card.currentMessageIndex(), 3);

    const int value = valueOf == "id" ? first : valueOf == "room" ? 3 : valueOf == "panel" ? 7 : 11;
    emit gBroadcastSocket.signalsRemoveMessage(value, type);
    QCOMPARE(card.messages().size(), left);
    QVERIFY(card.currentMessageIndex() < qMax(1, left));
    QVERIFY(otherRoom.messages().isEmpty());
}

void TestManagerItem::updateMessage()
{
    const int a = addTodaysRow(11, 0, 7, 3);
    const int b = addTodaysRow(12, 1, 7, 3);
    ManagerItem card(RoomTile, 3, "101", "room_3", false, tileColor, 300, 160, nullptr);

    messageRecord record = card.messages().at(0);
    copyRecordText(record.message_log_remark, "on my way");
    record.message_status = 0;
    emit gBroadcastSocket.signalsUpdateMessage(record);
    QCOMPARE(QString(card.messages().at(0).message_log_remark), QString("on my way"));

    // A field filled to its last byte is kept terminated and whole.
    std::memset(record.message_log_remark, 'x', sizeof record.message_log_remark);
    emit gBroadcastSocket.signalsUpdateMessage(record);
    QCOMPARE(int(qstrnlen(card.messages().at(0).message_log_remark, 256)), 255);

    messageRecord unknown = record;
    unknown.id = 777;
    emit gBroadcastSocket.signalsUpdateMessage(unknown);
    QCOMPARE(card.messages().size(), 2);

    record.message_status = 3;
    emit gBroadcastSocket.signalsUpdateMessage(record);
    QCOMPARE(card.messages().size(), 1);
    QCOMPARE(card.messages().at(0).id, b);
    Q_UNUSED(a)
}

void TestManagerItem::otherTilesIgnoreMessages_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("editable");
    QTest::newRow("room manager tile") << int(RoomTile) << 3 << true;
    QTest::newRow("room preview") << int(RoomTile) << 0 << false;
    QTest::newRow("3d view card") << int(View3DTile) << 3 << false;
    QTest::newRow("template") << int(RoomTemplateTile) << 3 << false;
}

void TestManagerItem::otherTilesIgnoreMessages()
{
    QFETCH(int, type);
    QFETCH(int, id);
    QFETCH(bool, editable);
    const int row = addTodaysRow(11, 0, 7, id);
    ManagerItem tile(type, id, "101", "room_3", editable, tileColor, 300, 160, nullptr);
    QVERIFY(!tile.tracksMessages());
    QVERIFY(tile.messages().isEmpty());
    emit gBroadcastSocket.signalsAppendMessage(appendMsg(row, id, 0));
    QVERIFY(tile.messages().isEmpty());
    QMetaObject::invokeMethod(&tile, "onPoll");
    QCOMPARE(tile.currentMessageIndex(), -1);
    QCOMPARE(tile.deleteButton() != nullptr, editable);
}

void TestManagerItem::picturePaths_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("iconName");
    QTest::addColumn<QString>("path");
    const QString folder = home.path() + "/database/Home/";
    QTest::newRow("room photo") << int(RoomTile) << "photo_Room_4" << folder + "photo_Room_4.png";
    QTest::newRow("photo with extension") << int(MoodTile) << "photo_Mood_1.png" << folder + "photo_Mood_1.png";
    QTest::newRow("missing photo") << int(RoomTile) << "photo_Room_9" << QString();
    QTest::newRow("built-in room") << int(RoomTile) << "room_3"
                                   << ":/myImages/jpg/room/room_3.jpg";
    QTest::newRow("room with extension") << int(RoomTemplateTile) << "room_3.jpg"
                                         << ":/myImages/jpg/room/room_3.jpg";
    QTest::newRow("3d view") << int(View3DTile) << "view_01"
                             << ":/myImages/png/3d_view/view_01.png";
    QTest::newRow("mood") << int(MoodTile) << "moods_01"
                          << ":/myImages/jpg/moods/moods_01.jpg";
    QTest::newRow("light") << int(LightTile) << "light_05_on"
                           << ":/myImages/png/light/light_05_on.png";
    QTest::newRow("message") << int(MessageTile) << "message_02.png"
                             << ":/myImages/png/message/message_02.png";
    QTest::newRow("air conditioner") << int(AirConditionerTile) << "x"
                                     << ":/myImages/png/edit_room/icon-room-ac.png";
    QTest::newRow("floor heating") << int(FloorHeatTile) << ""
                                   << ":/myImages/png/edit_room/icon-room-floorheat.png";
    QTest::newRow("panel") << int(PanelTile) << ""
                           << ":/myImages/png/edit_room/icon-room-panel.png";
    QTest::newRow("add") << int(AddTile) << ""
                         << ":/myImages/png/add_new_room.png";
    QTest::newRow("unknown kind") << 42 << "room_3" << QString();
}

void TestManagerItem::picturePaths()
{
    QFETCH(int, type);
    QFETCH(QString, iconName);
    QFETCH(QString, path);
    for (const QString &photo : {QString("photo_Room_4.png"), QString("photo_Mood_1.png")}) {
        QFile file(home.path() + "/database/Home/" + photo);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    ManagerItem tile(type, 1, "name", iconName, false, tileColor, 192, 192, nullptr);
    QCOMPARE(tile.picturePath(), path);
    tile.setIconName("light_07_off");
    QCOMPARE(tile.iconName(), QString("light_07_off"));
}

// True when some pixel of the area differs from colour.
static bool drawnIn(const QImage &image, const QRect &area, const QColor &colour)
{
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            if (image.pixelColor(x, y) != colour)
                return true;
    return false;
}

void TestManagerItem::paintsPictureIntoTheCentredSquare()
{
    ManagerItem tile(LightTile, 1, "", "light_05_on", false, tileColor, 192, 192, nullptr);
    const QImage image = tile.grab().toImage();
    QVERIFY(drawnIn(image, QRect(48, 48, 96, 96), tileColor));
    QVERIFY(!drawnIn(image, QRect(20, 20, 20, 20), tileColor));
    QVERIFY(!drawnIn(image, QRect(150, 48, 30, 96), tileColor));
}

void TestManagerItem::addTilePaintsItsCircle()
{
    ManagerItem tile(AddTile, 0, "", "", false, tileColor, 300, 160, nullptr);
    const QImage image = tile.grab().toImage();
    // Inside the circle but outside the 66x66 picture: the circle's colour.
    QCOMPARE(image.pixelColor(150, 32 + 6), QColor(0x1F, 0x29, 0x33));
    QCOMPARE(image.pixelColor(20, 80), tileColor);
}

void TestManagerItem::messageLineColourFollowsTheType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("alarm") << 1 << QColor(0xE3, 0x51, 0x51);
    QTest::newRow("service") << 0 << QColor(0xAB, 0xD2, 0x65);
}

void TestManagerItem::messageLineColourFollowsTheType()
{
    QFETCH(int, type);
    QFETCH(QColor, colour);
    addTodaysRow(type == 1 ? 12 : 11, type, 7, 3);
    // A card without picture, so that the band shows only what the message line draws.
    ManagerItem card(RoomTile, 3, "", "photo_none", false, tileColor, 300, 160, nullptr);
    QVERIFY(!drawnIn(card.grab().toImage(), QRect(50, 129, 235, 30), tileColor)); // clear of the rounded corner
    QMetaObject::invokeMethod(&card, "onPoll");
    const QImage image = card.grab().toImage();
    bool found = false;
    for (int x = 50; x < 300 && !found; ++x)
        for (int y = 129; y < 160 && !found; ++y)
            found = image.pixelColor(x, y) == colour;
    QVERIFY(found);
    QVERIFY(drawnIn(image, QRect(10, 129, 30, 30), tileColor)); // the message's icon

    // A definition that no longer exists hides the line from the next turn of the rotation on; the entry stays.
    QVERIFY(gDatabase.execSql("delete from tbl_message"));
    QMetaObject::invokeMethod(&card, "onPoll");
    QVERIFY(!drawnIn(card.grab().toImage(), QRect(10, 129, 275, 30), tileColor));
    QCOMPARE(card.messages().size(), 1);
}

void TestManagerItem::messageLineIsReadWhenShownNotWhenPainted()
{
    addTodaysRow(11, 0, 7, 3);
    ManagerItem::setRotationInterval(3600000);
    ManagerItem card(RoomTile, 3, "", "photo_none", false, tileColor, 300, 160, nullptr);
    ManagerItem::setRotationInterval(20);
    QMetaObject::invokeMethod(&card, "onPoll");
    const QImage shown = card.grab().toImage();
    QVERIFY(drawnIn(shown, QRect(50, 129, 235, 30), tileColor));

    // Painting draws the line as it was read: a definition changed since shows from the next turn on.
    QVERIFY(gDatabase.execSql("update tbl_message set message_remark='Fresh towels',icon_name='message_02' "
                              "where message_id=11"));
    QCOMPARE(card.grab().toImage(), shown);
    QMetaObject::invokeMethod(&card, "onPoll");
    QVERIFY(card.grab().toImage() != shown);
}

void TestManagerItem::clicksAndDelete()
{
    ManagerItem tile(LightTile, 9, "Lamp", "light_05_on", true, tileColor, 192, 192, nullptr);
    QSignalSpy edit(&tile, &ManagerItem::signalsEdit);
    QSignalSpy icon(&tile, &ManagerItem::signalsIconEdit);
    QSignalSpy del(&tile, &ManagerItem::signalsDelete);
    QTest::mouseClick(&tile, Qt::LeftButton, Qt::NoModifier, QPoint(96, 150));
    QCOMPARE(edit.size(), 1);
    QCOMPARE(edit.at(0), QVariantList({int(LightTile), 9}));
    QCOMPARE(icon.size(), 1);
    QCOMPARE(icon.at(0).at(0).toString(), QString("light_05_on"));
    QVERIFY(del.isEmpty());

    QVERIFY(tile.deleteButton());
    tile.deleteButton()->click();
    QCOMPARE(del.size(), 1);
    QCOMPARE(del.at(0), QVariantList({int(LightTile), 9}));
    QCOMPARE(edit.size(), 1);
}

QTEST_MAIN(TestManagerItem)
#include "tst_manageritem.moc"
