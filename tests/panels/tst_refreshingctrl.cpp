// The refresh banner and its busy wheel: the pull-down steps, the success text and hiding, the hub's stop, and the
// refresh times kept per view in tbl_last_update. Steps are driven by hand (the step interval is an hour) unless a
// test says otherwise.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmateriallabel.h"
#include "panels/progressindicator.h"
#include "panels/refreshingctrl.h"
#include "tests/support/projectfixture.h"
#include "tests/support/testenv.h"

#include <QDateTime>
#include <QDir>
#include <QtTest>

using namespace projectfixture;

namespace {
constexpr int manualStep = 3600 * 1000;
} // namespace

class TestRefreshingCtrl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void spinnerSizeAndPlacement();
    void growsInFourStepsThenSpins();
    void growsWithRealSteps();
    void finishesEarlyAtFullHeight();
    void hubStopHidesAtOnce();
    void successOnAHiddenBannerKeepsItHidden();
    void restartWhileShownGrowsAgain();
    void lastUpdateShowsThePreviousRefresh();
    void keysAreIndependentRows();
    void keyWithQuotesIsStoredAsGiven();

private:
    QString status() const { return banner->findChild<QtMaterialLabel *>("labelStatus")->text(); }
    QString lastUpdate() const { return banner->findChild<QtMaterialLabel *>("labelLastUpdate")->text(); }
    ProgressIndicator *spinner() const { return banner->findChild<ProgressIndicator *>("spinner"); }
    QString storedTime(const QString &key) const
    {
        return value("select last_update_time from tbl_last_update where last_update_id=?", {key}, "last_update_time")
            .toString();
    }

    QTemporaryDir home;
    QScopedPointer<QWidget> host;
    RefreshingCtrl *banner = nullptr;
};

void TestRefreshingCtrl::initTestCase()
{
    testenv::useFreshHome(home);
}

void TestRefreshingCtrl::init()
{
    openFreshDatabase(QDir(home.path()).filePath("banner.db3"));
    RefreshingCtrl::setStepInterval(manualStep);
    host.reset(new QWidget);
    host->resize(600, 400);
    banner = new RefreshingCtrl(host.data());
    banner->setFixedWidth(600);
    banner->hide();
    host->show();
    QVERIFY(QTest::qWaitForWindowExposed(host.data()));
}

void TestRefreshingCtrl::cleanup()
{
    host.reset();
    RefreshingCtrl::setStepInterval(100);
}

void TestRefreshingCtrl::spinnerSizeAndPlacement()
{
    ProgressIndicator alone;
    QCOMPARE(alone.size(), QSize(32, 32));
    QCOMPARE(alone.color(), QColor(0x80, 0x80, 0x80));
    QCOMPARE(alone.animationDelay(), 40);
    alone.startAnimation(); // no host: stays where it is
    QCOMPARE(alone.pos(), QPoint(0, 0));
    alone.stopAnimation();

    QCOMPARE(spinner()->color(), QColor(0x00, 0xFF, 0x00));
    QVERIFY(!spinner()->isAnimated());
    QWidget wide;
    wide.resize(301, 100);
    ProgressIndicator *centred = new ProgressIndicator(&wide);
    centred->move(7, 9);
    centred->startAnimation();
    QCOMPARE(centred->pos(), QPoint((301 - 32) / 2, 0));
    QVERIFY(centred->isAnimated());
}

void TestRefreshingCtrl::growsInFourStepsThenSpins()
{
    banner->startRefresh("1_lighting");
    QVERIFY(banner->isVisible());
    QCOMPARE(banner->height(), 20);
    QCOMPARE(status(), QString("Start Refreshing..."));
    for (int height : {40, 60, 80}) {
        banner->loading();
        QCOMPARE(banner->height(), height);
        QCOMPARE(status(), QString("Start Refreshing..."));
        QVERIFY(!spinner()->isAnimated());
    }
    banner->loading();
    QCOMPARE(banner->height(), 80);
    QCOMPARE(status(), QString("Is Refreshing..."));
    QVERIFY(spinner()->isAnimated());
    QCOMPARE(spinner()->pos(), QPoint((600 - 32) / 2, 0));
    // The growing is over: a further step (none comes, its timer stopped) would start a new growth.
}

void TestRefreshingCtrl::growsWithRealSteps()
{
    RefreshingCtrl::setStepInterval(100);
    QList<int> heights;
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, this, [&] {
        if (heights.isEmpty() || heights.last() != banner->height())
            heights << banner->height();
    });
    banner->startRefresh("1_lighting");
    heights << banner->height();
    sampler.start(5);
    QTRY_VERIFY(spinner()->isAnimated());
    QCOMPARE(heights, QList<int>({20, 40, 60, 80}));
    QCOMPARE(status(), QString("Is Refreshing..."));

    banner->stopRefresh(true);
    QCOMPARE(status(), QString("Refresh Successfully"));
    QVERIFY(!spinner()->isAnimated());
    QTRY_VERIFY(banner->isHidden());
}

void TestRefreshingCtrl::finishesEarlyAtFullHeight()
{
    banner->startRefresh("all_lightings");
    banner->loading();
    QCOMPARE(banner->height(), 40);
    banner->stopRefresh(true);
    QCOMPARE(banner->height(), 80);
    QCOMPARE(status(), QString("Refresh Successfully"));
    QVERIFY(!spinner()->isAnimated());
    // Hidden on the fourth hiding step.
    for (int i = 0; i < 3; ++i) {
        banner->delay();
        QVERIFY(banner->isVisible());
    }
    banner->delay();
    QVERIFY(banner->isHidden());
    QVERIFY(!spinner()->isAnimated());
}

void TestRefreshingCtrl::hubStopHidesAtOnce()
{
    banner->startRefresh("all_lightings");
    banner->loading();
    const int rows = rowCount("tbl_last_update");
    emit gBroadcastSocket.signalsStopRefresh(false);
    QVERIFY(banner->isHidden());
    QVERIFY(!spinner()->isAnimated());
    QVERIFY(!banner->isStepping());
    QCOMPARE(rowCount("tbl_last_update"), rows);

    // The spinning state stops the same way.
    RefreshingCtrl::setStepInterval(10);
    banner->startRefresh("all_lightings");
    QTRY_VERIFY(spinner()->isAnimated());
    emit gBroadcastSocket.signalsStopRefresh(false);
    QVERIFY(banner->isHidden());
    QVERIFY(!spinner()->isAnimated());
}

void TestRefreshingCtrl::successOnAHiddenBannerKeepsItHidden()
{
    QVERIFY(banner->isHidden());
    banner->stopRefresh(true);
    QCOMPARE(status(), QString("Refresh Successfully"));
    QVERIFY(banner->isHidden());
    for (int i = 0; i < 4; ++i) {
        QVERIFY(banner->isStepping());
        banner->delay();
        QVERIFY(banner->isHidden());
    }
    QVERIFY(!banner->isStepping());
}

void TestRefreshingCtrl::restartWhileShownGrowsAgain()
{
    banner->startRefresh("2_airConditioner");
    for (int i = 0; i < 4; ++i)
        banner->loading();
    QVERIFY(spinner()->isAnimated());

    banner->startRefresh("2_airConditioner");
    QCOMPARE(banner->height(), 20);
    QCOMPARE(status(), QString("Start Refreshing..."));
    QVERIFY(!spinner()->isAnimated());

    RefreshingCtrl::setStepInterval(20);
    banner->startRefresh("2_airConditioner");
    QTRY_VERIFY(spinner()->isAnimated());
    QCOMPARE(banner->height(), 80);
    QCOMPARE(status(), QString("Is Refreshing..."));

    // A restart during the success text grows again instead of hiding.
    banner->stopRefresh(true);
    RefreshingCtrl::setStepInterval(manualStep);
    banner->startRefresh("2_airConditioner");
    QCOMPARE(status(), QString("Start Refreshing..."));
    QCOMPARE(banner->height(), 20);
    QVERIFY(banner->isVisible());
}

void TestRefreshingCtrl::lastUpdateShowsThePreviousRefresh()
{
    const QString before = RefreshingCtrl::timeText(QDateTime::currentDateTime());
    banner->startRefresh("all_lightings");
    const QString after = RefreshingCtrl::timeText(QDateTime::currentDateTime());
    const QString shown = lastUpdate().mid(QString("Last Update:").size());
    QVERIFY(lastUpdate().startsWith("Last Update:"));
    QVERIFY2(shown == before || shown == after, qPrintable(shown));
    QCOMPARE(rowCount("tbl_last_update", "last_update_id='all_lightings'"), 1);
    QVERIFY(QDateTime::fromString(storedTime("all_lightings"), Qt::TextDate).isValid());

    // The second refresh shows the first one's time, which the test sets apart from any real one.
    const QString first = "Mon Jan 5 08:30:00 2026";
    QVERIFY(gDatabase.execSql("update tbl_last_update set last_update_time=? where last_update_id='all_lightings'",
                              {first}));
    banner->startRefresh("all_lightings");
    QCOMPARE(lastUpdate(), "Last Update:" + first);
    QCOMPARE(rowCount("tbl_last_update", "last_update_id='all_lightings'"), 1);
    QCOMPARE(rowCount("tbl_last_update"), 1);
    QVERIFY(storedTime("all_lightings") != first);
}

void TestRefreshingCtrl::keysAreIndependentRows()
{
    QVERIFY(gDatabase.execSql("insert into tbl_last_update(last_update_id,last_update_time) values('3_lighting','A')"));
    banner->startRefresh("12_lighting");
    QVERIFY(lastUpdate() != "Last Update:A");
    QCOMPARE(storedTime("3_lighting"), QString("A"));
    banner->startRefresh("3_lighting");
    QCOMPARE(lastUpdate(), QString("Last Update:A"));
    QCOMPARE(rowCount("tbl_last_update"), 2);
    QVERIFY(storedTime("3_lighting") != "A");
}

void TestRefreshingCtrl::keyWithQuotesIsStoredAsGiven()
{
    QVERIFY(
        gDatabase.execSql("insert into tbl_last_update(last_update_id,last_update_time) values('all_lightings','A')"));
    const QString key = "x' or last_update_id like '%";
    banner->startRefresh(key);
    QVERIFY(lastUpdate() != "Last Update:A");
    QCOMPARE(storedTime("all_lightings"), QString("A"));
    QCOMPARE(rowCount("tbl_last_update", "last_update_id=?", {key}), 1);
    banner->startRefresh(key);
    QCOMPARE(rowCount("tbl_last_update"), 2);
    QCOMPARE(storedTime("all_lightings"), QString("A"));
}

QTEST_MAIN(TestRefreshingCtrl)
#include "tst_refreshingctrl.moc"
