// The mode and fan-speed tile and the dialog that offers the four choices of one kind.

#include "panels/modespeeditem.h"
#include "resources/stationresources.h"

#include <QtTest>

class TestModeSpeed : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pictures_data();
    void pictures();
    void pictureSquare();
    void clickReportsValue();
    void dialogOffersFourChoices_data();
    void dialogOffersFourChoices();
    void dialogRejectedByClose();
    void cleanup();
};

void TestModeSpeed::initTestCase()
{
    initStationResources();
}

void TestModeSpeed::cleanup()
{
    ModeSpeedSelectDlg::setExecHook(nullptr);
}

void TestModeSpeed::pictures_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("picture");
    const QString dir = ":/myImages/png/airConditioner/";
    QTest::newRow("fan high") << 1 << 1 << dir + "icon-fan-high.png";
    QTest::newRow("fan medium") << 1 << 2 << dir + "icon-fan-medium.png";
    QTest::newRow("fan low") << 1 << 3 << dir + "icon-fan-low.png";
    QTest::newRow("fan 0 auto") << 1 << 0 << dir + "icon-fan-auto.png";
    QTest::newRow("fan 7 auto") << 1 << 7 << dir + "icon-fan-auto.png";
    QTest::newRow("mode cool") << 0 << 0 << dir + "icon-acmode-cool.png";
    QTest::newRow("mode heat") << 0 << 1 << dir + "icon-acmode-heat.png";
    QTest::newRow("mode fan") << 0 << 2 << dir + "icon-acmode-fan.png";
    QTest::newRow("mode auto") << 5 << 3 << dir + "icon-acmode-auto.png";
    QTest::newRow("dry shows cool") << 0 << 4 << dir + "icon-acmode-cool.png";
}

void TestModeSpeed::pictures()
{
    QFETCH(int, kind);
    QFETCH(int, value);
    QFETCH(QString, picture);
    QCOMPARE(ModeSpeedItem::picturePath(kind, value), picture);
    QVERIFY(!QPixmap(picture).isNull());
}

void TestModeSpeed::pictureSquare()
{
    QCOMPARE(ModeSpeedItem::pictureRect(QSize(80, 80), false), QRect(16, 16, 48, 48));
    QCOMPARE(ModeSpeedItem::pictureRect(QSize(80, 80), true), QRect(22, 22, 36, 36));
    ModeSpeedItem tile(0, 1, QString(), nullptr);
    QCOMPARE(tile.size(), QSize(80, 80));
    // Painting with and without a caption must not fail.
    QVERIFY(!tile.grab().isNull());
    ModeSpeedItem captioned(1, 2, "Med", nullptr);
    QVERIFY(!captioned.grab().isNull());
}

void TestModeSpeed::clickReportsValue()
{
    ModeSpeedItem tile(1, 2, QString(), nullptr);
    tile.show();
    QSignalSpy edits(&tile, &ModeSpeedItem::signalsEdit);
    tile.setValue(3);
    QTest::mouseClick(&tile, Qt::LeftButton, {}, QPoint(40, 40));
    QCOMPARE(edits.size(), 1);
    QCOMPARE(edits.first().at(0).toInt(), 3);
}

void TestModeSpeed::dialogOffersFourChoices_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int>>("values");
    QTest::newRow("speeds") << 1 << QStringList{"Auto", "Low", "Med", "High"} << QList<int>{0, 3, 2, 1};
    QTest::newRow("modes") << 0 << QStringList{"Auto", "Cool", "Heat", "Fan"} << QList<int>{3, 0, 1, 2};
}

void TestModeSpeed::dialogOffersFourChoices()
{
    QFETCH(int, kind);
    QFETCH(QStringList, captions);
    QFETCH(QList<int>, values);
    ModeSpeedSelectDlg dialog(nullptr);
    QCOMPARE(dialog.objectName(), QString("ModeSpeedSelectDlg"));
    QCOMPARE(dialog.size(), QSize(120, 400));
    dialog.kind = kind;
    dialog.initItems();
    const QList<ModeSpeedItem *> tiles = dialog.findChildren<ModeSpeedItem *>();
    QCOMPARE(tiles.size(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(tiles[i]->text(), captions[i]);
        QCOMPARE(tiles[i]->value(), values[i]);
        QCOMPARE(tiles[i]->kind(), kind);
    }
    ModeSpeedSelectDlg::setExecHook([](ModeSpeedSelectDlg &shown) {
        ModeSpeedItem *third = shown.findChildren<ModeSpeedItem *>().at(2);
        emit third->signalsPressed();
        return shown.result();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedValue, values[2]);
}

void TestModeSpeed::dialogRejectedByClose()
{
    ModeSpeedSelectDlg dialog(nullptr);
    dialog.initItems();
    ModeSpeedSelectDlg::setExecHook([](ModeSpeedSelectDlg &shown) {
        shown.close();
        return shown.result();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(dialog.selectedValue, 0);
}

QTEST_MAIN(TestModeSpeed)
#include "tst_modespeed.moc"
