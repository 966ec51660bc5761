// The setting tile: picture above the caption band, the caption elided, and the page request of a click.

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "resources/stationresources.h"
#include "shell/settingitem.h"

#include <QtTest>

class TestSettingItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void paintsPictureAboveTheCaption();
    void missingPictureLeavesBackgroundAndCaption();
    void longCaptionIsElided();
    void clickRequestsItsPage();
};

void TestSettingItem::initTestCase()
{
    initStationResources();
}

static bool drawnIn(const QImage &image, const QRect &area)
{
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            if (image.pixelColor(x, y) != SettingItem::tileColor)
                return true;
    return false;
}

void TestSettingItem::paintsPictureAboveTheCaption()
{
    SettingItem card("Lighting", ":/myImages/png/edit_room/icon-room-lighting.png", 128, 128, 192, 192, nullptr);
    QCOMPARE(card.size(), QSize(192, 192));
    const QImage image = card.grab().toImage();
    // The picture fills (32, 17) to (159, 144); the caption lies in the band from y 161 to 181.
    QVERIFY(drawnIn(image, QRect(32, 17, 128, 128)));
    QVERIFY(!drawnIn(image, QRect(10, 17, 20, 128)));
    QVERIFY(!drawnIn(image, QRect(162, 17, 20, 128)));
    QVERIFY(!drawnIn(image, QRect(32, 146, 128, 14)));
    QVERIFY(drawnIn(image, QRect(0, 161, 192, 20)));
    QVERIFY(!drawnIn(image, QRect(10, 182, 170, 8)));
}

void TestSettingItem::missingPictureLeavesBackgroundAndCaption()
{
    SettingItem card("About", ":/myImages/png/no-such-picture.png", 128, 128, 192, 192, nullptr);
    const QImage image = card.grab().toImage();
    QVERIFY(!drawnIn(image, QRect(32, 17, 128, 128)));
    QVERIFY(drawnIn(image, QRect(0, 161, 192, 20)));
}

void TestSettingItem::longCaptionIsElided()
{
    // Elided text ends in an ellipsis within the card; nothing is painted beyond it.
    SettingItem card(QString(80, 'W'), "", 128, 128, 192, 192, nullptr);
    const QImage image = card.grab().toImage();
    QVERIFY(drawnIn(image, QRect(0, 161, 20, 20)));
    QVERIFY(drawnIn(image, QRect(172, 161, 20, 20)));
}

void TestSettingItem::clickRequestsItsPage()
{
    SettingItem card("Network Setting", "", 64, 64, 256, 256, nullptr);
    QSignalSpy requests(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged);
    QTest::mouseClick(&card, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0), QVariantList({"Network Setting", "Network Setting", "", ""}));
    QVERIFY(requests.at(0).at(2).toString().isEmpty() && !requests.at(0).at(2).toString().isNull());

    QTest::mousePress(&card, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseRelease(&card, Qt::LeftButton, Qt::NoModifier, QPoint(300, 100));
    QCOMPARE(requests.size(), 1);
}

QTEST_MAIN(TestSettingItem)
#include "tst_settingitem.moc"
