// The menu bar: display modes, entries, page history and Back, the settings lock and the network icon.

#include "shell/menubar.h"
#include "shell/unlockdlg.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "resources/stationresources.h"
#include "tests/support/testenv.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>

using Request = QStringList; // id, name, prm1, prm2

Q_DECLARE_METATYPE(QList<QStringList>)

class TestMenuBar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsInHomeMode();
    void homeModeSwapsTheEntries();
    void entriesRequestTheirPages_data();
    void entriesRequestTheirPages();
    void projectAndNetworkEntriesGoToTheWindow();
    void minimiseAndExitGoToTheWindow();
    void titleShowsTheReportedName();

    void historyAndBack_data();
    void historyAndBack();
    void backOnTheFirstEntryDoesNothing();
    void revisitCutsTheHistory();
    void moodsInformationLeavingTheHistory();
    void pageBackSignalActsAsBack();

    void settingAsksForThePasswordOnce();
    void cancelledUnlockOpensNothing();
    void relockAfterTheInterval();
    void settingRunsTheRealUnlockDialog();

    void networkIcon_data();
    void networkIcon();

private:
    void report(const QStringList &page);
    QList<QStringList> requests;
    QTemporaryDir home;
    int unlockRuns = 0;
    int unlockAnswer = QDialog::Accepted;
};

void TestMenuBar::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged, this,
            [this](QString id, QString name, QString prm1, QString prm2) {
                requests << QStringList({id, name, prm1, prm2});
            });
}

void TestMenuBar::init()
{
    requests.clear();
    unlockRuns = 0;
    unlockAnswer = QDialog::Accepted;
    UnlockDlg::setExecHook([this](UnlockDlg &) {
        ++unlockRuns;
        return unlockAnswer;
    });
}

void TestMenuBar::cleanup()
{
    UnlockDlg::setExecHook(UnlockDlg::ExecHook());
}

void TestMenuBar::report(const QStringList &page)
{
    emit gBroadcastSocket.signalsPageCurrent(page.value(0), page.value(1), page.value(2), page.value(3));
}

static QtMaterialLabel *label(MenuBar &bar, const char *name)
{
    auto *found = bar.findChild<QtMaterialLabel *>(name);
    Q_ASSERT(found);
    return found;
}

static void press(QtMaterialLabel *label)
{
    QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
}

void TestMenuBar::startsInHomeMode()
{
    MenuBar bar(nullptr);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCOMPARE(bar.height(), 30);
    QCOMPARE(bar.palette().color(QPalette::Window), QColor(Qt::black));
    QVERIFY(bar.isHomeMode());
    for (const char *name : {"labelProjectIcon", "labelProject", "labelLogo", "labelMessage", "labelLog"})
        QVERIFY2(label(bar, name)->isVisible(), name);
    for (const char *name : {"labelBack", "labelTitle", "labelHome", "labelRooms"})
        QVERIFY2(!label(bar, name)->isVisible(), name);
    for (const char *name : {"labelNetwork", "labelSetting"})
        QVERIFY2(label(bar, name)->isVisible(), name);
    QCOMPARE(label(bar, "labelLogo")->size(), QSize(44, 16));
    QCOMPARE(label(bar, "labelSetting")->size(), QSize(24, 24));
    QVERIFY(!label(bar, "labelSetting")->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(label(bar, "labelNetwork")->toolTip(), QString("Local Network"));
    QVERIFY(!bar.isUnlocked());
    QVERIFY(bar.pageHistory().isEmpty());
}

void TestMenuBar::homeModeSwapsTheEntries()
{
    MenuBar bar(nullptr);
    bar.show();
    bar.setHomeMode(false);
    for (const char *name : {"labelProjectIcon", "labelProject", "labelLogo", "labelMessage", "labelLog"})
        QVERIFY2(!label(bar, name)->isVisible(), name);
    for (const char *name : {"labelBack", "labelTitle", "labelHome", "labelRooms", "labelNetwork"})
        QVERIFY2(label(bar, name)->isVisible(), name);
    bar.setHomeMode(true);
    QVERIFY(label(bar, "labelLog")->isVisible());
    QVERIFY(!label(bar, "labelRooms")->isVisible());
}

void TestMenuBar::entriesRequestTheirPages_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("id");
    QTest::newRow("message") << "labelMessage"
                             << "Message";
    QTest::newRow("log") << "labelLog"
                         << "Log";
    QTest::newRow("home") << "labelHome"
                          << "Home";
    QTest::newRow("rooms") << "labelRooms"
                           << "Rooms";
}

void TestMenuBar::entriesRequestTheirPages()
{
    QFETCH(QString, entry);
    QFETCH(QString, id);
    MenuBar bar(nullptr);
    press(label(bar, entry.toLatin1().constData()));
    QCOMPARE(requests, QList<QStringList>({{id, id, "", ""}}));
}

void TestMenuBar::projectAndNetworkEntriesGoToTheWindow()
{
    MenuBar bar(nullptr);
    QSignalSpy project(&bar, &MenuBar::signalsProjectSetting);
    QSignalSpy network(&bar, &MenuBar::signalsNetworkSetting);
    emit gBroadcastSocket.signalsProjectStateChanged("Hotel A");
    QCOMPARE(label(bar, "labelProject")->text(), QString("Hotel A"));
    press(label(bar, "labelProject"));
    press(label(bar, "labelProjectIcon"));
    QCOMPARE(project.count(), 2);
    QCOMPARE(project.at(0).at(0).toString(), QString("Hotel A"));
    press(label(bar, "labelNetwork"));
    QCOMPARE(network.count(), 1);
    QVERIFY(requests.isEmpty());
}

void TestMenuBar::minimiseAndExitGoToTheWindow()
{
    MenuBar bar(nullptr);
    QSignalSpy minimise(&bar, &MenuBar::signalsMinimize);
    QSignalSpy closed(&bar, &MenuBar::signalsClosed);
    auto *minimiseButton = bar.findChild<QtMaterialIconButton *>("pushButtonMinimize");
    auto *exitButton = bar.findChild<QtMaterialIconButton *>("pushButtonExit");
    QVERIFY(minimiseButton && exitButton);
    QCOMPARE(minimiseButton->iconSize(), QSize(24, 24));
    QCOMPARE(minimiseButton->toolTip(), QString("Minimize"));
    QCOMPARE(exitButton->toolTip(), QString("Exit"));
    minimiseButton->click();
    QCOMPARE(minimise.count(), 1);
    QCOMPARE(closed.count(), 0);
    exitButton->click();
    QCOMPARE(closed.count(), 1);
}

void TestMenuBar::titleShowsTheReportedName()
{
    MenuBar bar(nullptr);
    report({"Operate Room", "A-1-101", "3", "1"});
    QCOMPARE(label(bar, "labelTitle")->text(), QString("A-1-101"));
    QCOMPARE(bar.currentPage().prm1, QString("3"));
}

void TestMenuBar::historyAndBack_data()
{
    QTest::addColumn<QList<QStringList>>("visits");
    QTest::addColumn<QStringList>("history");
    QTest::addColumn<QStringList>("back");

    QTest::newRow("rooms, operate room") << QList<QStringList>{{"Home", "Home", "", ""},
                                                               {"Rooms", "Rooms", "", ""},
                                                               {"Operate Room", "A-1-101", "3", "1"}}
                                         << QStringList{"Home", "Rooms", "Operate Room"}
                                         << QStringList{"Rooms", "Rooms", "", ""};
    QTest::newRow("settings tree") << QList<QStringList>{{"Home", "Home", "", ""},
                                                         {"Setting", "Setting", "", ""},
                                                         {"Project Setting", "Project Setting", "", ""},
                                                         {"Project Information", "Project Information", "Hotel A", ""}}
                                   << QStringList{"Home", "Setting", "Project Setting", "Project Information"}
                                   << QStringList{"Project Setting", "Project Setting", "", ""};
    QTest::newRow("edit room keeps its state")
        << QList<QStringList>{{"Home", "Home", "", ""},
                              {"Rooms Manager", "Rooms Manager", "", ""},
                              {"Edit Room", "Edit Room", "5", "1"},
                              {"Light Information", "Light Information", "2", "5"}}
        << QStringList{"Home", "Rooms Manager", "Edit Room", "Light Information"}
        << QStringList{"Edit Room", "Edit Room", "5", "0"};
    QTest::newRow("edit template keeps its state")
        << QList<QStringList>{{"Home", "Home", "", ""},
                              {"Edit Template", "Edit Template", "7", "1"},
                              {"Template Light Information", "Light Information", "1", "7"}}
        << QStringList{"Home", "Edit Template", "Template Light Information"}
        << QStringList{"Edit Template", "Edit Template", "7", "0"};
    QTest::newRow("operate room keeps its tabs") << QList<QStringList>{{"Home", "Home", "", ""},
                                                                       {"Operate Room", "A-1-101", "3", "1"},
                                                                       {"Operate Room 3D View", "A-1-101", "3", ""}}
                                                 << QStringList{"Home", "Operate Room", "Operate Room 3D View"}
                                                 << QStringList{"Operate Room", "A-1-101", "3", "0"};
    QTest::newRow("rooms resets to home") << QList<QStringList>{{"Home", "Home", "", ""},
                                                                {"Setting", "Setting", "", ""},
                                                                {"About", "About", "", ""},
                                                                {"Rooms", "Rooms", "", ""}}
                                          << QStringList{"Home", "Rooms"} << QStringList{"Home", "Home", "", ""};
    QTest::newRow("reset without home") << QList<QStringList>{{"Lighting", "Lighting", "", ""}, {"Log", "Log", "", ""}}
                                        << QStringList{"Log"} << QStringList();
}

void TestMenuBar::historyAndBack()
{
    QFETCH(QList<QStringList>, visits);
    QFETCH(QStringList, history);
    QFETCH(QStringList, back);
    MenuBar bar(nullptr);
    for (const QStringList &visit : visits)
        report(visit);
    QStringList ids;
    for (const pageRecord &entry : bar.pageHistory())
        ids << entry.id;
    QCOMPARE(ids, history);
    QCOMPARE(bar.pageHistory().last().id, bar.currentPage().id);

    press(label(bar, "labelBack"));
    if (back.isEmpty())
        QVERIFY(requests.isEmpty());
    else
        QCOMPARE(requests, QList<QStringList>({back}));

    // The page title is the other half of Back.
    requests.clear();
    press(label(bar, "labelTitle"));
    if (back.isEmpty())
        QVERIFY(requests.isEmpty());
    else
        QCOMPARE(requests, QList<QStringList>({back}));
}

void TestMenuBar::backOnTheFirstEntryDoesNothing()
{
    MenuBar bar(nullptr);
    press(label(bar, "labelBack")); // nothing reported yet
    report({"Home", "Home", "", ""});
    press(label(bar, "labelBack"));
    QVERIFY(requests.isEmpty());
}

void TestMenuBar::revisitCutsTheHistory()
{
    MenuBar bar(nullptr);
    report({"Home", "Home", "", ""});
    report({"Rooms Manager", "Rooms Manager", "", ""});
    report({"Edit Room", "Edit Room", "5", "1"});
    report({"Light Information", "Light Information", "2", "5"});
    // The light page's Save goes back to the room editor by a fresh request.
    report({"Edit Room", "Edit Room", "5", "0"});
    QCOMPARE(bar.pageHistory().size(), 3);
    QCOMPARE(bar.pageHistory().last().prm2, QString("0"));

    // Walking Back step by step ends on the first entry.
    press(label(bar, "labelBack"));
    QCOMPARE(requests.last(), QStringList({"Rooms Manager", "Rooms Manager", "", ""}));
    report(requests.last());
    press(label(bar, "labelBack"));
    QCOMPARE(requests.last(), QStringList({"Home", "Home", "", ""}));
    report(requests.last());
    QCOMPARE(bar.pageHistory().size(), 1);
    press(label(bar, "labelBack"));
    QCOMPARE(requests.size(), 2);
}

void TestMenuBar::moodsInformationLeavingTheHistory()
{
    MenuBar bar(nullptr);
    QSignalSpy removed(&gBroadcastSocket, &BroadcastSocket::signalsPageRemoveMoodsInformation);
    report({"Home", "Home", "", ""});
    QCOMPARE(removed.count(), 1); // emitted on every report while the page is absent
    report({"Edit Room", "Edit Room", "5", "1"});
    QCOMPARE(removed.count(), 2);
    report({"Moods Information", "Moods Information", "1-5", "1"});
    QCOMPARE(removed.count(), 2);
    report({"Diy Command", "Diy Command", "1", "5"});
    QCOMPARE(removed.count(), 2);
    press(label(bar, "labelBack"));
    QCOMPARE(requests.last(), QStringList({"Moods Information", "Moods Information", "1-5", "1"}));
    report(requests.last());
    QCOMPARE(removed.count(), 2);
    press(label(bar, "labelBack"));
    QCOMPARE(requests.last(), QStringList({"Edit Room", "Edit Room", "5", "0"}));
    report(requests.last());
    QCOMPARE(removed.count(), 3);
}

void TestMenuBar::pageBackSignalActsAsBack()
{
    MenuBar bar(nullptr);
    report({"Home", "Home", "", ""});
    report({"Rooms", "Rooms", "", ""});
    emit gBroadcastSocket.signalsPageBack(12);
    QCOMPARE(requests, QList<QStringList>({{"Home", "Home", "", ""}}));
}

void TestMenuBar::settingAsksForThePasswordOnce()
{
    MenuBar bar(nullptr);
    press(label(bar, "labelSetting"));
    QCOMPARE(unlockRuns, 1);
    QVERIFY(bar.isUnlocked());
    QVERIFY(bar.isRelockTimerActive());
    QCOMPARE(bar.relockIntervalMs(), 180000);
    press(label(bar, "labelSetting"));
    QCOMPARE(unlockRuns, 1);
    const QStringList setting = {"Setting", "Setting", "", ""};
    QCOMPARE(requests, QList<QStringList>({setting, setting}));
}

void TestMenuBar::cancelledUnlockOpensNothing()
{
    MenuBar bar(nullptr);
    unlockAnswer = QDialog::Rejected;
    press(label(bar, "labelSetting"));
    QCOMPARE(unlockRuns, 1);
    QVERIFY(!bar.isUnlocked());
    QVERIFY(!bar.isRelockTimerActive());
    QVERIFY(requests.isEmpty());
}

void TestMenuBar::relockAfterTheInterval()
{
    MenuBar bar(nullptr);
    bar.setRelockInterval(100);
    press(label(bar, "labelSetting"));
    QVERIFY(bar.isUnlocked());
    // A second press inside the window does not ask again.
    press(label(bar, "labelSetting"));
    QCOMPARE(unlockRuns, 1);
    QTRY_VERIFY_WITH_TIMEOUT(!bar.isUnlocked(), 1000);
    QVERIFY(!bar.isRelockTimerActive());
    press(label(bar, "labelSetting"));
    QCOMPARE(unlockRuns, 2);
    QCOMPARE(requests.size(), 3);
}

void TestMenuBar::settingRunsTheRealUnlockDialog()
{
    // The dialog the bar builds checks the lock password itself; the hook only types and presses.
    gLockPassword = "qmv315";
    QStringList typed;
    UnlockDlg::setExecHook([&](UnlockDlg &dialog) {
        for (const QString &entry : {QString("QMV315"), QString("qmv315")}) {
            typed << entry;
            dialog.passwordField()->setText(entry);
            dialog.findChild<QAbstractButton *>("pushButtonOk")->click();
            if (dialog.result() == QDialog::Accepted)
                break;
        }
        return dialog.result();
    });
    MenuBar bar(nullptr);
    press(label(bar, "labelSetting"));
    QCOMPARE(typed, QStringList({"QMV315", "qmv315"}));
    QVERIFY(bar.isUnlocked());
    QCOMPARE(requests, QList<QStringList>({{"Setting", "Setting", "", ""}}));
}

void TestMenuBar::networkIcon_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("tooltip");
    const QString base = ":/myImages/png/network/icon-connection-";
    QTest::newRow("local down") << 0 << false << base + "localnetwork.png"
                                << "Local Network";
    QTest::newRow("local up") << 0 << true << base + "localnetwork-active.png"
                              << "Local Network";
    QTest::newRow("cloud down") << 1 << false << base + "cloudserver.png"
                                << "Cloud Server";
    QTest::newRow("cloud up") << 1 << true << base + "cloudserver-active.png"
                              << "Cloud Server";
    QTest::newRow("dns down") << 2 << false << base + "dnsserver.png"
                              << "DNS Server";
    QTest::newRow("dns up") << 2 << true << base + "dnsserver-active.png"
                            << "DNS Server";
    QTest::newRow("other style") << 9 << true << base + "localnetwork-active.png"
                                 << "Local Network";
}

void TestMenuBar::networkIcon()
{
    QFETCH(int, style);
    QFETCH(bool, up);
    QFETCH(QString, picture);
    QFETCH(QString, tooltip);
    MenuBar bar(nullptr);
    gNetworkType = style;
    emit gBroadcastSocket.signalsNetworkStateChanged(up);
    gNetworkType = 0;
    QtMaterialLabel *network = label(bar, "labelNetwork");
    QCOMPARE(network->toolTip(), tooltip);
    QCOMPARE(network->property("picture").toString(), picture);
    QVERIFY2(!network->pixmap(Qt::ReturnByValue).isNull(), qPrintable(picture));
    QCOMPARE(network->pixmap(Qt::ReturnByValue).toImage(), QPixmap(picture).toImage());
}

QTEST_MAIN(TestMenuBar)
#include "tst_menubar.moc"
