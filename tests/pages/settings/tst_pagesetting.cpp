// The settings menu: its cards in order with their pictures, their grid on wide, exact and narrow screens, and
// the way in from the menu bar's Setting entry after unlocking.

#include "pages/settings/pagesetting.h"

#include "app/pagetable.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmateriallabel.h"
#include "resources/stationresources.h"
#include "shell/mainwindow.h"
#include "shell/settingitem.h"
#include "shell/tilegrid.h"
#include "shell/unlockdlg.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/stationfixture.h"
#include "tests/support/testenv.h"

#include <QGridLayout>
#include <QtTest>

namespace {

QPoint cellOf(QGridLayout *grid, QWidget *tile)
{
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(grid->indexOf(tile), &row, &column, &rowSpan, &columnSpan);
    return QPoint(column, row);
}

} // namespace

class TestPageSetting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void cardsComeInOrderWithTheirPictures();
    void gridFollowsTheScreen_data();
    void gridFollowsTheScreen();
    void enteringChangesNothing();
    void menuBarEntryUnlocksAndOpensTheMenu();

private:
    QTemporaryDir home;
};

void TestPageSetting::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
    registerStationPages();
}

void TestPageSetting::cleanup()
{
    UnlockDlg::setExecHook({});
    gScreenWidth = 1920;
}

void TestPageSetting::cardsComeInOrderWithTheirPictures()
{
    gScreenWidth = 1920;
    PageSetting page("Setting", "Setting", nullptr);
    QCOMPARE(page.objectName(), QString("PageSetting"));
    const QStringList ids = {"Project Setting",       "Room Template",   "Rooms Manager",   "Message Manager",
                             "Change Device Address", "Network Setting", "3D View Manager", "About"};
    const QStringList pictures = {"projectsettings", "roomtemplate",   "roomsmanager", "messagemanager",
                                  "deviceaddress",   "networksetting", "3dview",       "about"};
    const QList<QWidget *> tiles = page.grid()->tiles();
    QCOMPARE(tiles.size(), 8);
    for (int i = 0; i < 8; ++i) {
        auto *card = qobject_cast<SettingItem *>(tiles.at(i));
        QVERIFY(card);
        QCOMPARE(card->pageId(), ids.at(i));
        QCOMPARE(card->size(), QSize(256, 256));
        QCOMPARE(card->pictureSize(), i == 6 ? QSize(160, 160) : QSize(128, 128));
        QCOMPARE(card->color(), SettingItem::tileColor);
        QVERIFY(!QPixmap(":/myImages/png/settings/icon-settings-" + pictures.at(i) + ".png").isNull());
    }

    // A card asks for its page by id.
    QSignalSpy requests(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged);
    // The canvas's kinetic scroller holds a mouse press back, so the card's completed click is given directly.
    emit qobject_cast<SettingItem *>(tiles.at(1))->signalsPressed();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0), QVariantList({"Room Template", "Room Template", "", ""}));
}

void TestPageSetting::gridFollowsTheScreen_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QPoint>("seventh");
    QTest::addColumn<QPoint>("eighth");
    QTest::addColumn<int>("stretchColumn");
    QTest::addColumn<int>("stretchRow");
    QTest::newRow("1920") << 1920 << 7 << 16 << QPoint(6, 0) << QPoint(0, 1) << 7 << 2;
    QTest::newRow("1792, a multiple of the card") << 1792 << 6 << 36 << QPoint(0, 1) << QPoint(1, 1) << 6 << 2;
    QTest::newRow("wider than eight cards") << 2400 << 9 << 9 << QPoint(6, 0) << QPoint(7, 0) << 8 << 1;
    QTest::newRow("narrow: one column") << 200 << 1 << 0 << QPoint(0, 6) << QPoint(0, 7) << 1 << 8;
}

void TestPageSetting::gridFollowsTheScreen()
{
    QFETCH(int, width);
    QFETCH(int, columns);
    QFETCH(int, spacing);
    QFETCH(QPoint, seventh);
    QFETCH(QPoint, eighth);
    QFETCH(int, stretchColumn);
    QFETCH(int, stretchRow);

    gScreenWidth = width;
    PageSetting page("Setting", "Setting", nullptr);
    QGridLayout *grid = page.grid()->layout();
    QCOMPARE(page.grid()->columns(), columns);
    QCOMPARE(grid->horizontalSpacing(), spacing);
    QCOMPARE(grid->verticalSpacing(), 20);
    const QList<QWidget *> tiles = page.grid()->tiles();
    QCOMPARE(cellOf(grid, tiles.at(0)), QPoint(0, 0));
    QCOMPARE(cellOf(grid, tiles.at(6)), seventh);
    QCOMPARE(cellOf(grid, tiles.at(7)), eighth);
    QCOMPARE(grid->columnStretch(stretchColumn), 1);
    QCOMPARE(grid->rowStretch(stretchRow), 1);
    QCOMPARE(grid->columnStretch(0), stretchColumn == 0 ? 1 : 0);
}

void TestPageSetting::enteringChangesNothing()
{
    PageSetting page("Setting", "Setting", nullptr);
    page.show();
    const QList<QWidget *> before = page.grid()->tiles();
    emit gBroadcastSocket.signalsPageEnter("", "");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(page.grid()->tiles(), before);
}

void TestPageSetting::menuBarEntryUnlocksAndOpensTheMenu()
{
    REQUIRE_PRIVATE_NETWORK();
    stationfixture::prepareProject(home.path(), LocalNetwork);
    gScreenWidth = 1920;
    int unlocks = 0;
    UnlockDlg::setExecHook([&unlocks](UnlockDlg &) {
        ++unlocks;
        return int(QDialog::Accepted);
    });
    MainWindow window;
    auto *entry = window.findChild<QtMaterialLabel *>("labelSetting");
    QVERIFY(entry);
    QTest::mouseClick(entry, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(unlocks, 1);
    MyDialog *menu = window.page("Setting");
    QVERIFY(menu);
    QVERIFY(menu->isVisible());
    QVERIFY(qobject_cast<PageSetting *>(menu));

    // Its cards open the pages that exist.
    auto *templates = qobject_cast<PageSetting *>(menu)->grid()->tiles().at(1);
    emit qobject_cast<SettingItem *>(templates)->signalsPressed();
    MyDialog *templatePage = window.page("Room Template");
    QVERIFY(templatePage);
    QVERIFY(templatePage->isVisible());
    QVERIFY(!menu->isVisible());
}

QTEST_MAIN(TestPageSetting)
#include "tst_pagesetting.moc"
