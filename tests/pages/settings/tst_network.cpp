// The network settings page: loading, locking and storing the project's network record and MAC history, the
// project switch from its combo box, and the gateway's search, read and write with a simulated gateway on
// loopback, frame for frame.

#include "core/databaseinit.h"
#include "core/hostaddress.h"
#include "core/projectfolders.h"
#include "core/queryhelpers.h"
#include "devicelink/buscommands.h"
#include "materialwidgets/qprogressindicator.h"
#include "materialwidgets/qtmaterialcheckbox.h"
#include "pages/settings/pagesettingnetwork.h"
#include "resources/stationresources.h"
#include "shell/orvmessagebox.h"
#include "shell/unlockdlg.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/simulateddevice.h"
#include "tests/support/simulatedgateway.h"
#include "tests/support/stationfixture.h"
#include "tests/support/testenv.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QNetworkInterface>
#include <QSqlQuery>
#include <QtTest>

namespace {

constexpr quint8 gatewaySubnet = SimulatedGateway::subnet;
constexpr quint8 gatewayDevice = SimulatedGateway::device;

QByteArray searchFrame(quint8 mark = 0xFB, int payloadLength = 33, const char *macHex = "a1b2c3d4e5f60718")
{
    return gatewaySearchFrame(mark, payloadLength, macHex);
}

QString networkValue(const QString &column)
{
    QString value;
    queryStringValue("select * from tbl_network", column, value);
    return value;
}

int macHistoryRows()
{
    return queryIntValue("select count(*) as n from tbl_ip_port_mac", "n");
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestNetworkPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    // Page entry, loading and the lock.
    void entryLoadsTheRecordAndLocks();
    void serverShownAsItsAlias_data();
    void serverShownAsItsAlias();
    void projectComboIsRefilledWithoutSwitching();
    void pressOnALockedField_data();
    void pressOnALockedField();
    void radioRuleWhileLocked();
    void busIdsStayAsTyped();
    void storedMacBringsItsPassword();
    void hostAddressesAreShownOnly();

    // Saving without the gateway.
    void saveStoresTheForm_data();
    void saveStoresTheForm();
    void macHistory_data();
    void macHistory();
    void cancelledSaveDoesNothing();
    void refusedSaveKeepsTheRecord_data();
    void refusedSaveKeepsTheRecord();
    void checksBeforeASynchronisedSave_data();
    void checksBeforeASynchronisedSave();
    void busIdAbove255StoresNothing_data();
    void busIdAbove255StoresNothing();

    // Project switch from the combo box.
    void projectSwitch_data();
    void projectSwitch();
    void refusedSwitchStaysOnTheProject();

    // Search, Get and Set with the simulated gateway.
    void searchFillsTheFormAndReads();
    void searchFramesLeftAlone_data();
    void searchFramesLeftAlone();
    void getFillsTheFormAndStoresNothing();
    void domainReply_data();
    void domainReply();
    void getTimesOutAfterThreeSends();
    void repliesLeftAlone_data();
    void repliesLeftAlone();
    void framesAreExact();
    void setCompletes_data();
    void setCompletes();
    void setTimesOutAfterTenSends();
    void failedStatus_data();
    void failedStatus();
    void passwordReadBackAfterASet();

private:
    QWidget *field(const char *name) const;
    QComboBox *combo(const char *name) const { return page->findChild<QComboBox *>(name); }
    QLineEdit *edit(const char *name) const { return page->findChild<QLineEdit *>(name); }
    QAbstractButton *button(const char *name) const { return page->findChild<QAbstractButton *>(name); }
    void enterPage();
    void openStationNetwork();
    void unlock();
    // Runs Save with the box answered: Ok with the check box as given, or cancelled.
    void save(bool ok, bool synchronise);
    // A press that unlocked a list box goes on to open its list; the next press must not land in it.
    static void closePopup();
    void fillForSet(int type);

    QTemporaryDir home;
    QScopedPointer<PageSettingNetwork> page;
    QScopedPointer<SimulatedGateway> gateway;
    QScopedPointer<QSignalSpy> toasts;
    QScopedPointer<QSignalSpy> pageRequests;
    QList<QByteArray> handled;
    QObject *context = nullptr;

    int unlockAnswer = QDialog::Rejected;
    int unlockRuns = 0;
    QStringList boxes;
    QList<QSize> boxSizes;
    int boxAnswer = QDialog::Accepted;
    bool boxTicks = false;
};

void TestNetworkPage::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
    UnlockDlg::setExecHook([this](UnlockDlg &) {
        ++unlockRuns;
        return unlockAnswer;
    });
    ORVMessageBox::setExecHook([this](ORVMessageBox &box) {
        boxes << box.text();
        boxSizes << box.minimumSize();
        if (boxAnswer != QDialog::Accepted)
            return int(QDialog::Rejected);
        box.findChild<QtMaterialCheckBox *>("checkBox")->setChecked(boxTicks);
        box.findChild<QAbstractButton *>("pushButtonOk")->click();
        return box.result();
    });
}

void TestNetworkPage::init()
{
    QDir(home.path() + "/database").removeRecursively();
    stationfixture::prepareProject(home.path(), LocalNetwork);
    gNetworkType = LocalNetwork;
    QVERIFY(addProject("Second"));
    QVERIFY(gDatabase.execSql("update tbl_network set subnet_id=0,device_id=0,ip_port_mac='',password='',"
                              "server_type=0,static_server_ip='',static_domain='',domain_name='',server_ip=''"));
    unlockAnswer = QDialog::Rejected;
    unlockRuns = 0;
    boxes.clear();
    boxSizes.clear();
    boxAnswer = QDialog::Accepted;
    boxTicks = false;
    handled.clear();

    page.reset(new PageSettingNetwork("Network Setting", "Network Setting", nullptr));
    // Long enough that only the sends a step makes at once go out, unless a test shortens it.
    page->setRetryInterval(60000);
    context = new QObject;
    connect(&gBroadcastSocket, &BroadcastSocket::dataIsComming, context, [this](quint8 *buf, qlonglong length) {
        handled << QByteArray(reinterpret_cast<char *>(buf), int(length));
    });
    toasts.reset(new QSignalSpy(&gBroadcastSocket, &BroadcastSocket::signalsInformation));
    pageRequests.reset(new QSignalSpy(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged));
    page->show();
}

void TestNetworkPage::cleanup()
{
    delete context;
    context = nullptr;
    toasts.reset();
    pageRequests.reset();
    page.reset();
    gateway.reset();
    gBroadcastSocket.shutDown();
}

void TestNetworkPage::cleanupTestCase()
{
    UnlockDlg::setExecHook({});
    ORVMessageBox::setExecHook({});
    gDatabase.close();
}

QWidget *TestNetworkPage::field(const char *name) const
{
    QWidget *found = page->findChild<QWidget *>(name);
    Q_ASSERT(found);
    return found;
}

void TestNetworkPage::enterPage()
{
    emit gBroadcastSocket.signalsPageEnter(QString(), QString());
}

void TestNetworkPage::openStationNetwork()
{
    gateway.reset(new SimulatedGateway(stationfixture::stationSubnet, stationfixture::stationDevice));
    QVERIFY(gateway->isBound());
    QVERIFY(gBroadcastSocket.connectNetwork());
}

void TestNetworkPage::unlock()
{
    unlockAnswer = QDialog::Accepted;
    QTest::mousePress(field("lineEditSubnetId"), Qt::LeftButton);
    QVERIFY(page->isUnlocked());
}

void TestNetworkPage::save(bool ok, bool synchronise)
{
    boxAnswer = ok ? QDialog::Accepted : QDialog::Rejected;
    boxTicks = synchronise;
    button("pushButtonSave")->click();
}

void TestNetworkPage::closePopup()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
}

static QStringList items(QComboBox *combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

// ---- page entry, loading and the lock ----

void TestNetworkPage::entryLoadsTheRecordAndLocks()
{
    QVERIFY(gDatabase.execSql("insert into tbl_ip_port_mac(ip_port_mac,password,update_time) values"
                              "('01-01-01-01-01-01-01-01','old1','20260101000000'),"
                              "('03-03-03-03-03-03-03-03','new3','20261201000000'),"
                              "('02-02-02-02-02-02-02-02','mid2','20260601000000')"));
    QVERIFY(gDatabase.execSql("update tbl_network set subnet_id=3,device_id=0,ip_port_mac='02-02-02-02-02-02-02-02',"
                              "password='pw99',server_type=2,static_domain='mine.zoduv.invalid',"
                              "domain_name='router.zoduv.invalid'"));
    enterPage();

    QCOMPARE(page->gatewayPort(), quint16(6000));
    QVERIFY(!page->isSearchArmed());
    QVERIFY(!page->getTimer().isActive() && !page->setTimer().isActive());
    QCOMPARE(items(combo("comboBoxProject")), QStringList({"Home", "Second"}));
    QCOMPARE(combo("comboBoxProject")->currentText(), QString("Home"));
    QCOMPARE(edit("lineEditSubnetId")->text(), QString("3"));
    QCOMPARE(edit("lineEditDeviceId")->text(), QString());
    QCOMPARE(items(combo("comboBoxMac")),
             QStringList({"03-03-03-03-03-03-03-03", "02-02-02-02-02-02-02-02", "01-01-01-01-01-01-01-01"}));
    QCOMPARE(combo("comboBoxMac")->currentText(), QString("02-02-02-02-02-02-02-02"));
    // The record's password, not the history's.
    QCOMPARE(edit("lineEditPassword")->text(), QString("pw99"));
    QVERIFY(button("radioButtonDomain")->isChecked());
    QVERIFY(field("comboBoxDomain")->isVisibleTo(page.data()));
    QVERIFY(!field("comboBoxServer")->isVisibleTo(page.data()));
    QCOMPARE(items(combo("comboBoxServer")),
             QStringList({"ORV Server AUS", "ORV Server ASIA", "ORV Server USA", "ORV Server Europe"}));
    QCOMPARE(combo("comboBoxServer")->currentIndex(), -1);
    QCOMPARE(combo("comboBoxDomain")->currentText(), QString("mine.zoduv.invalid"));
    QCOMPARE(combo("comboBoxDomain")->count(), 4);
    QCOMPARE(edit("lineEditRouterDomain")->text(), QString("router.zoduv.invalid"));

    QVERIFY(!page->isUnlocked());
    QCOMPARE(page->lockableFields().size(), 9);
    for (QWidget *w : page->lockableFields())
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    for (const char *never :
         {"radioButtonDisable", "radioButtonServerIp", "radioButtonDomain", "pushButtonSave", "labelSearch"})
        QVERIFY2(field(never)->isEnabled(), never);
}

void TestNetworkPage::serverShownAsItsAlias_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("count");
    QTest::newRow("known address") << "203.0.113.10"
                                   << "ORV Server USA" << 4;
    QTest::newRow("unknown address appended") << "192.0.2.77"
                                              << "192.0.2.77" << 5;
    QTest::newRow("none") << ""
                          << "" << 4;
}

void TestNetworkPage::serverShownAsItsAlias()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(int, count);
    QVERIFY(gDatabase.execSql("update tbl_network set server_type=1,static_server_ip=?", {stored}));
    enterPage();
    QCOMPARE(combo("comboBoxServer")->currentText(), shown);
    QCOMPARE(combo("comboBoxServer")->count(), count);
    QVERIFY(button("radioButtonServerIp")->isChecked());
    QVERIFY(field("comboBoxServer")->isVisibleTo(page.data()));
}

void TestNetworkPage::projectComboIsRefilledWithoutSwitching()
{
    QSignalSpy project(&gBroadcastSocket, &BroadcastSocket::signalsProjectStateChanged);
    QVERIFY(setCurrentProjectName("Second"));
    // The combo's first item is "Home"; selecting "Second" while refilling must not switch anything.
    const QString before = gDatabase.databaseName();
    enterPage();
    QCOMPARE(combo("comboBoxProject")->currentText(), QString("Second"));
    enterPage();
    QCOMPARE(project.size(), 0);
    QVERIFY(boxes.isEmpty());
    QCOMPARE(gDatabase.databaseName(), before);
    QVERIFY(!QFileInfo::exists(ProjectSwitch::databasePath("Second")));
}

void TestNetworkPage::pressOnALockedField_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    for (const char *name :
         {"comboBoxProject", "lineEditSubnetId", "lineEditDeviceId", "comboBoxMac", "lineEditPassword",
          "comboBoxServer", "comboBoxDomain", "lineEditRouterDomain", "comboBoxHost"}) {
        QTest::newRow(qPrintable(QString("%1 accepted").arg(name))) << name << true;
    }
    QTest::newRow("cancelled") << "lineEditPassword" << false;
}

void TestNetworkPage::pressOnALockedField()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    enterPage();
    unlockAnswer = accepted ? QDialog::Accepted : QDialog::Rejected;
    QTest::mousePress(field(qPrintable(name)), Qt::LeftButton);
    closePopup();
    QCOMPARE(unlockRuns, 1);
    QCOMPARE(page->isUnlocked(), accepted);
    for (QWidget *w : page->lockableFields())
        QCOMPARE(w->isEnabled(), accepted);
    // Unlocked, a press asks nothing; the next load locks again.
    QTest::mousePress(field(qPrintable(name)), Qt::LeftButton);
    closePopup();
    QCOMPARE(unlockRuns, accepted ? 1 : 2);
    enterPage();
    for (QWidget *w : page->lockableFields())
        QVERIFY(!w->isEnabled());
}

void TestNetworkPage::radioRuleWhileLocked()
{
    enterPage();
    QVERIFY(button("radioButtonDisable")->isChecked());
    QVERIFY(field("comboBoxServer")->isVisibleTo(page.data()));
    button("radioButtonServerIp")->click();
    QVERIFY(field("comboBoxServer")->isEnabled());
    QVERIFY(!field("comboBoxDomain")->isEnabled());
    button("radioButtonDomain")->click();
    QVERIFY(!field("comboBoxServer")->isVisibleTo(page.data()));
    QVERIFY(field("comboBoxDomain")->isVisibleTo(page.data()));
    QVERIFY(field("comboBoxDomain")->isEnabled());
    // "Disable" keeps the visible one and disables both.
    button("radioButtonDisable")->click();
    QVERIFY(field("comboBoxDomain")->isVisibleTo(page.data()));
    QVERIFY(!field("comboBoxDomain")->isEnabled() && !field("comboBoxServer")->isEnabled());
    QVERIFY(!page->isUnlocked());
}

void TestNetworkPage::busIdsStayAsTyped()
{
    // Nothing is capped while typing: a value above 255 is refused when saving.
    enterPage();
    unlock();
    QTest::keyClicks(edit("lineEditSubnetId"), "300");
    QCOMPARE(edit("lineEditSubnetId")->text(), QString("300"));
    QTest::keyClicks(edit("lineEditDeviceId"), "255");
    QCOMPARE(edit("lineEditDeviceId")->text(), QString("255"));
}

void TestNetworkPage::storedMacBringsItsPassword()
{
    QVERIFY(gDatabase.execSql("insert into tbl_ip_port_mac(ip_port_mac,password,update_time) values"
                              "('0A-0B-0C-0D-0E-0F-10-11','st0r','20260101000000')"));
    enterPage();
    unlock();
    QCOMPARE(edit("lineEditPassword")->text(), QString());
    combo("comboBoxMac")->setCurrentIndex(0);
    QCOMPARE(edit("lineEditPassword")->text(), QString("st0r"));
    edit("lineEditPassword")->clear();
    // A typed MAC is no choice from the list.
    combo("comboBoxMac")->lineEdit()->selectAll();
    QTest::keyClicks(combo("comboBoxMac")->lineEdit(), "0a0b0c0d0e0f1011");
    QCOMPARE(edit("lineEditPassword")->text(), QString());
}

void TestNetworkPage::hostAddressesAreShownOnly()
{
    const QStringList expected = hostAddressTexts(QNetworkInterface::allAddresses());
    enterPage();
    QCOMPARE(items(combo("comboBoxHost")), expected);
    QVERIFY(!expected.contains("127.0.0.1"));
    if (expected.contains(gHostIp))
        QCOMPARE(combo("comboBoxHost")->currentText(), gHostIp);
    if (privatenetwork::inside())
        QCOMPARE(combo("comboBoxHost")->currentText(), QString("127.0.0.2"));
    const QString stored = networkValue("host_ip");
    unlock();
    save(true, false);
    QCOMPARE(networkValue("host_ip"), stored);
}

// ---- saving without the gateway ----

void TestNetworkPage::saveStoresTheForm_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("server");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("serverIp");
    QTest::addColumn<QString>("staticServer");
    QTest::newRow("disable") << "radioButtonDisable"
                             << "192.0.2.5" << 0 << ""
                             << "192.0.2.5";
    QTest::newRow("server ip") << "radioButtonServerIp"
                               << "192.0.2.5" << 1 << "192.0.2.5"
                               << "192.0.2.5";
    QTest::newRow("alias stored as its address") << "radioButtonServerIp"
                                                 << "ORV Server ASIA" << 1 << "198.51.100.10"
                                                 << "198.51.100.10";
    QTest::newRow("domain") << "radioButtonDomain"
                            << "192.0.2.5" << 2 << "it's%s.zoduv.invalid"
                            << "192.0.2.5";
}

void TestNetworkPage::saveStoresTheForm()
{
    QFETCH(QString, radio);
    QFETCH(QString, server);
    QFETCH(int, type);
    QFETCH(QString, serverIp);
    QFETCH(QString, staticServer);
    enterPage();
    unlock();
    edit("lineEditSubnetId")->setText("7");
    edit("lineEditDeviceId")->setText("101");
    edit("lineEditPassword")->setText("a'b%");
    button(qPrintable(radio))->click();
    combo("comboBoxServer")->setEditText(server);
    combo("comboBoxDomain")->setEditText("it's%s.zoduv.invalid");
    edit("lineEditRouterDomain")->setText("o'router.zoduv.invalid");

    save(true, false);
    QCOMPARE(boxes, QStringList({"This save will also synchronize the modification of information in the device"}));
    QCOMPARE(boxSizes.value(0), QSize(500, 160));
    QCOMPARE(networkValue("subnet_id"), QString("7"));
    QCOMPARE(networkValue("device_id"), QString("101"));
    QCOMPARE(networkValue("password"), QString("a'b%"));
    QCOMPARE(networkValue("server_type"), QString::number(type));
    QCOMPARE(networkValue("server_ip"), serverIp);
    QCOMPARE(networkValue("static_server_ip"), staticServer);
    QCOMPARE(networkValue("static_domain"), QString("it's%s.zoduv.invalid"));
    QCOMPARE(networkValue("domain_name"), QString("o'router.zoduv.invalid"));
    QCOMPARE(queryIntValue("select count(*) as n from tbl_network", "n"), 1);
    // The process-wide values follow the row.
    QCOMPARE(gPassword, QString("a'b%"));
    QCOMPARE(gServerIp, serverIp);
    QCOMPARE(toasts->size(), 1);
    QCOMPARE(toasts->at(0).at(0).toString(), QString("Save successfully"));
    QCOMPARE(pageRequests->size(), 1);
    QCOMPARE(pageRequests->at(0).at(0).toString(), QString("Setting"));
    QCOMPARE(pageRequests->at(0).at(1).toString(), QString("Setting"));
    // Loading the row shows an alias again.
    enterPage();
    QCOMPARE(combo("comboBoxServer")->currentText(), server);
}

void TestNetworkPage::macHistory_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("complete") << "0a0b0c0d0e0f1011"
                              << "0A-0B-0C-0D-0E-0F-10-11";
    QTest::newRow("seven groups") << "0a0b0c0d0e0f10"
                                  << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestNetworkPage::macHistory()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    enterPage();
    unlock();
    edit("lineEditPassword")->setText("p'1");
    QLineEdit *mac = combo("comboBoxMac")->lineEdit();
    mac->clear();
    QTest::keyClicks(mac, typed);
    const QString before = QDateTime::currentDateTime().toString("yyyyMMddhhmmss");
    save(true, false);
    QCOMPARE(networkValue("ip_port_mac").toUpper(), stored);
    QCOMPARE(macHistoryRows(), stored.isEmpty() ? 0 : 1);
    if (stored.isEmpty())
        return;
    QString password, time;
    QVERIFY(queryStringValue("select * from tbl_ip_port_mac", "password", password));
    QVERIFY(queryStringValue("select * from tbl_ip_port_mac", "update_time", time));
    QCOMPARE(password, QString("p'1"));
    QVERIFY(QDateTime::fromString(time, "yyyyMMddhhmmss").isValid());
    QVERIFY(time >= before);

    // Saved again under the same MAC: the history row is updated, not doubled.
    QVERIFY(gDatabase.execSql("update tbl_ip_port_mac set update_time='20000101000000'"));
    enterPage();
    unlock();
    edit("lineEditPassword")->setText("p2");
    save(true, false);
    QCOMPARE(macHistoryRows(), 1);
    QVERIFY(queryStringValue("select * from tbl_ip_port_mac", "password", password));
    QCOMPARE(password, QString("p2"));
    QVERIFY(queryStringValue("select * from tbl_ip_port_mac", "update_time", time));
    QVERIFY(time >= before);
}

void TestNetworkPage::cancelledSaveDoesNothing()
{
    enterPage();
    unlock();
    edit("lineEditSubnetId")->setText("9");
    save(false, true);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(networkValue("subnet_id"), QString("0"));
    QCOMPARE(toasts->size(), 0);
    QCOMPARE(pageRequests->size(), 0);
}

void TestNetworkPage::refusedSaveKeepsTheRecord_data()
{
    QTest::addColumn<bool>("synchronise");
    QTest::newRow("database only") << false;
    QTest::newRow("after the gateway confirmed") << true;
}

void TestNetworkPage::refusedSaveKeepsTheRecord()
{
    QFETCH(bool, synchronise);
    if (synchronise) {
        REQUIRE_PRIVATE_NETWORK();
        openStationNetwork();
    }
    QVERIFY(gDatabase.execSql("update tbl_network set subnet_id=4,device_id=5,password='old'"));
    QVERIFY(gDatabase.execSql(
        "create trigger refuse before update on tbl_network begin select raise(abort, 'refused'); end"));
    const QString passwordBefore = gPassword;
    fillForSet(1);
    save(true, synchronise);
    QTRY_COMPARE(toasts->size(), 1);
    QCOMPARE(toasts->at(0).at(0).toString(), QString("Save failed!"));
    QCOMPARE(pageRequests->size(), 0);
    // Neither the record nor the MAC history took anything of the form.
    QCOMPARE(networkValue("subnet_id"), QString("4"));
    QCOMPARE(networkValue("device_id"), QString("5"));
    QCOMPARE(networkValue("password"), QString("old"));
    QCOMPARE(networkValue("ip_port_mac"), QString());
    QCOMPARE(macHistoryRows(), 0);
    QCOMPARE(gPassword, passwordBefore);
    QCOMPARE(gDatabase.transactionDepth(), 0);
    if (synchronise)
        QCOMPARE(gateway->payloads().size(), 1);
}

void TestNetworkPage::checksBeforeASynchronisedSave_data()
{
    QTest::addColumn<QString>("subnet");
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("domain");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("no subnet") << ""
                               << "radioButtonServerIp"
                               << ""
                               << ""
                               << "ab"
                               << "Please input subnet id and device id!";
    QTest::newRow("no server") << "1"
                               << "radioButtonServerIp"
                               << ""
                               << ""
                               << "ab"
                               << "Please input server ip address!";
    QTest::newRow("no domain") << "1"
                               << "radioButtonDomain"
                               << "192.0.2.1"
                               << ""
                               << "ab"
                               << "Please input domain name!";
    QTest::newRow("short password") << "1"
                                    << "radioButtonDisable"
                                    << ""
                                    << ""
                                    << "ab"
                                    << "The length of password is 4 characters,please input again!";
}

void TestNetworkPage::checksBeforeASynchronisedSave()
{
    QFETCH(QString, subnet);
    QFETCH(QString, radio);
    QFETCH(QString, server);
    QFETCH(QString, domain);
    QFETCH(QString, password);
    QFETCH(QString, complaint);
    enterPage();
    unlock();
    edit("lineEditSubnetId")->setText(subnet);
    edit("lineEditDeviceId")->setText("100");
    button(qPrintable(radio))->click();
    combo("comboBoxServer")->setEditText(server);
    combo("comboBoxDomain")->setEditText(domain);
    edit("lineEditPassword")->setText(password);
    save(true, true);
    QCOMPARE(toasts->size(), 1);
    QCOMPARE(toasts->at(0).at(0).toString(), complaint);
    QVERIFY(!page->setTimer().isActive());
    QVERIFY(!page->progressIndicator()->isAnimated());
    QCOMPARE(networkValue("device_id"), QString("0"));
}

void TestNetworkPage::busIdAbove255StoresNothing_data()
{
    QTest::addColumn<QString>("subnet");
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("synchronise");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("subnet, database only") << "256"
                                           << "100" << false << "Subnet ID cannot be greater than 255!";
    QTest::newRow("device, database only") << "1"
                                           << "300" << false << "Device ID cannot be greater than 255!";
    QTest::newRow("device, with the gateway") << "1"
                                              << "999" << true << "Device ID cannot be greater than 255!";
}

void TestNetworkPage::busIdAbove255StoresNothing()
{
    QFETCH(QString, subnet);
    QFETCH(QString, device);
    QFETCH(bool, synchronise);
    QFETCH(QString, complaint);
    enterPage();
    unlock();
    edit("lineEditSubnetId")->setText(subnet);
    edit("lineEditDeviceId")->setText(device);
    edit("lineEditPassword")->setText("abcd");
    save(true, synchronise);
    // Refused before anything is asked, sent or stored.
    QCOMPARE(boxes.size(), 0);
    QCOMPARE(toasts->size(), 1);
    QCOMPARE(toasts->at(0).at(0).toString(), complaint);
    QVERIFY(!page->setTimer().isActive());
    QVERIFY(!page->progressIndicator()->isAnimated());
    QCOMPARE(pageRequests->size(), 0);
    QCOMPARE(networkValue("subnet_id"), QString("0"));
    QCOMPARE(networkValue("device_id"), QString("0"));
    QCOMPARE(networkValue("password"), QString());

    // The largest byte is stored as it stands.
    edit("lineEditSubnetId")->setText("255");
    edit("lineEditDeviceId")->setText("255");
    save(true, false);
    QCOMPARE(networkValue("subnet_id"), QString("255"));
    QCOMPARE(networkValue("device_id"), QString("255"));
}

// ---- project switch ----

void TestNetworkPage::projectSwitch_data()
{
    QTest::addColumn<QString>("file"); // "valid", "missing" or "invalid"
    QTest::newRow("valid database") << "valid";
    QTest::newRow("missing database") << "missing";
    QTest::newRow("invalid database kept aside") << "invalid";
}

void TestNetworkPage::projectSwitch()
{
    QFETCH(QString, file);
    const QString secondPath = ProjectSwitch::databasePath("Second");
    const QString homePath = ProjectSwitch::databasePath("Home");
    const QByteArray notes("the caretaker's notes");
    QVERIFY(QDir().mkpath(projectFolderPath("Second")));
    if (file == "valid") {
        createDatabaseTables(secondPath);
        QVERIFY(gDatabase.execSql("update tbl_network set subnet_id=42,device_id=43"));
        createDatabaseTables(homePath);
    } else if (file == "invalid") {
        QVERIFY(writeFile(secondPath, notes));
    }
    QVERIFY(gDatabase.execSql("update tbl_network set subnet_id=5,device_id=6"));
    QVERIFY(setProjectProperty("Second", "network_type", "2"));

    // What the hub announces, and what the form shows by then.
    QStringList log;
    QObject hubContext;
    connect(&gBroadcastSocket, &BroadcastSocket::signalsProjectStateChanged, &hubContext, [&](QString name) {
        log << "project:" + name;
        log << QString("form:%1/%2 locked:%3")
                   .arg(edit("lineEditSubnetId")->text(), edit("lineEditDeviceId")->text())
                   .arg(page->isUnlocked() ? "no" : "yes");
    });
    connect(&gBroadcastSocket, &BroadcastSocket::signalsNetworkStateChanged, &hubContext,
            [&](bool up) { log << QString("network:%1").arg(up); });
    connect(&gBroadcastSocket, &BroadcastSocket::signalsNetworkOpen, &hubContext, [&] { log << "open"; });

    enterPage();
    QCOMPARE(edit("lineEditSubnetId")->text(), QString("5"));
    unlock();
    combo("comboBoxProject")->setCurrentIndex(1);

    const QString form = file == "valid" ? "form:42/43 locked:yes" : "form:/ locked:yes";
    QCOMPARE(log, QStringList({"project:Second", form, "network:0", "open"}));
    QCOMPARE(boxes, file == "valid" ? QStringList()
                                    : QStringList({"Illegally formatted databases,the database will be formatted!"}));
    if (file != "valid")
        QCOMPARE(boxSizes.value(0), QSize(450, 160));
    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("Second"));
    QCOMPARE(gNetworkType, 2);
    QCOMPARE(gDatabase.databaseName(), secondPath);
    QVERIFY(isProjectDatabase(secondPath));
    if (file == "invalid")
        QCOMPARE(readFile(secondPath + ".invalid"), notes);
    else
        QVERIFY(!QFileInfo::exists(secondPath + ".invalid"));
    for (QWidget *w : page->lockableFields())
        QVERIFY(!w->isEnabled());
}

void TestNetworkPage::refusedSwitchStaysOnTheProject()
{
    const QString homePath = ProjectSwitch::databasePath("Home");
    const QString secondPath = ProjectSwitch::databasePath("Second");
    QVERIFY(QDir().mkpath(projectFolderPath("Second")));
    const QByteArray notes("not a database either");
    QVERIFY(writeFile(secondPath, notes));
    QVERIFY(gDatabase.execSql("update tbl_network set subnet_id=5"));
    enterPage();
    unlock();
    // Without the current project's database there is nothing to make the new one from.
    gDatabase.close();
    QVERIFY(QFile::rename(homePath, homePath + ".away"));
    QSignalSpy project(&gBroadcastSocket, &BroadcastSocket::signalsProjectStateChanged);
    QSignalSpy open(&gBroadcastSocket, &BroadcastSocket::signalsNetworkOpen);

    combo("comboBoxProject")->setCurrentIndex(1);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(toasts->size(), 1);
    QCOMPARE(toasts->at(0).at(0).toString(), QString("The database of the project could not be formatted!"));
    QCOMPARE(project.size(), 0);
    QCOMPARE(open.size(), 0);
    QCOMPARE(readFile(secondPath), notes);
    QCOMPARE(gDatabase.databaseName(), homePath);
    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("Home"));
    QCOMPARE(combo("comboBoxProject")->currentText(), QString("Home"));
    QCOMPARE(edit("lineEditSubnetId")->text(), QString("5"));
    QCOMPARE(boxes.size(), 1);
    gDatabase.close();
    QFile::remove(homePath);
    QVERIFY(QFile::rename(homePath + ".away", homePath));
}

// ---- search, Get and Set ----

void TestNetworkPage::searchFillsTheFormAndReads()
{
    REQUIRE_PRIVATE_NETWORK();
    openStationNetwork();
    QVERIFY(gDatabase.execSql("insert into tbl_ip_port_mac(ip_port_mac,password,update_time) values"
                              "('A1-B2-C3-D4-E5-F6-07-18','st0r','20260101000000')"));
    enterPage();
    QTest::mouseClick(field("labelSearch"), Qt::LeftButton);
    QVERIFY(page->isSearchArmed());
    const QString hint = "Enable device join,you need to press the PRG button on the module for 7 seconds to allow "
                         "the new network setting to be saved by the software!";
    QCOMPARE(toasts->size(), 1);
    QCOMPARE(toasts->at(0).at(0).toString(), hint);
    QCOMPARE(field("labelSearch")->toolTip(), hint);
    QVERIFY(gateway->requests().isEmpty());

    gateway->silentFor << 0x08;
    gateway->send(searchFrame(0xFC));
    QTRY_VERIFY(!page->isSearchArmed());
    QCOMPARE(edit("lineEditSubnetId")->text(), QString("1"));
    QCOMPARE(edit("lineEditDeviceId")->text(), QString("100"));
    QCOMPARE(combo("comboBoxMac")->currentText(), QString("A1-B2-C3-D4-E5-F6-07-18"));
    QCOMPARE(combo("comboBoxMac")->count(), 1);
    // Found by the search, the MAC brings no stored password along.
    QCOMPARE(edit("lineEditPassword")->text(), QString());
    QVERIFY(page->progressIndicator()->isAnimated());
    QVERIFY(page->getTimer().isActive());
    QTRY_COMPARE(gateway->payloads(), QList<QByteArray>({QByteArray("\x08", 1)}));

    // A new MAC is appended.
    page->stopWaiting();
    QTest::mouseClick(field("labelSearch"), Qt::LeftButton);
    gateway->send(searchFrame(0xFB, 33, "0fb2c3d4e5f60718"));
    QTRY_VERIFY(!page->isSearchArmed());
    QCOMPARE(combo("comboBoxMac")->currentText(), QString("0F-B2-C3-D4-E5-F6-07-18"));
    QCOMPARE(combo("comboBoxMac")->count(), 2);
}

void TestNetworkPage::searchFramesLeftAlone_data()
{
    QTest::addColumn<QString>("why");
    QTest::newRow("not armed") << "not armed";
    QTest::newRow("length below 32") << "short";
    QTest::newRow("other mark") << "mark";
    QTest::newRow("page hidden") << "hidden";
}

void TestNetworkPage::searchFramesLeftAlone()
{
    REQUIRE_PRIVATE_NETWORK();
    QFETCH(QString, why);
    openStationNetwork();
    enterPage();
    if (why != "not armed")
        QTest::mouseClick(field("labelSearch"), Qt::LeftButton);
    QByteArray frame = searchFrame();
    if (why == "short")
        frame = searchFrame(0xFB, 20);
    else if (why == "mark")
        frame = searchFrame(0xFA);
    else if (why == "hidden")
        page->hide();
    gateway->send(frame);
    // The page is connected before the test's own recorder, so a recorded frame has been handled.
    QTRY_VERIFY(handled.contains(frame));
    QCOMPARE(page->isSearchArmed(), why != "not armed");
    QCOMPARE(edit("lineEditSubnetId")->text(), QString());
    QVERIFY(!page->getTimer().isActive());
    // Entering the page disarms it.
    page->show();
    enterPage();
    QVERIFY(!page->isSearchArmed());
}

void TestNetworkPage::getFillsTheFormAndStoresNothing()
{
    REQUIRE_PRIVATE_NETWORK();
    openStationNetwork();
    gateway->address = QByteArray::fromHex("C633640A"); // 198.51.100.10, "ORV Server ASIA"
    gateway->password = "ab";
    gateway->serverType = 2;
    enterPage();
    QTest::mouseClick(field("labelSearch"), Qt::LeftButton);
    const QString before = networkValue("server_ip") + networkValue("password") + networkValue("static_domain");
    gateway->send(searchFrame());

    QTRY_COMPARE(combo("comboBoxDomain")->currentText(), QString("gw.zoduv.invalid"));
    // Read at once, and the domain read at once after the reply.
    QCOMPARE(gateway->payloads(), QList<QByteArray>({QByteArray("\x08", 1), QByteArray("\xBC\x01", 2)}));
    QCOMPARE(combo("comboBoxServer")->currentText(), QString("ORV Server ASIA"));
    QCOMPARE(page->gatewayPort(), quint16(6100));
    QCOMPARE(edit("lineEditPassword")->text(), QString("ab"));
    QVERIFY(button("radioButtonDomain")->isChecked());
    QVERIFY(field("comboBoxDomain")->isVisibleTo(page.data()));
    QCOMPARE(combo("comboBoxDomain")->count(), 4);
    // The next tick ends the wait.
    page->setRetryInterval(10);
    QTRY_VERIFY(!page->getTimer().isActive());
    QVERIFY(!page->progressIndicator()->isAnimated());
    QCOMPARE(gateway->requests().size(), 2);
    QCOMPARE(networkValue("server_ip") + networkValue("password") + networkValue("static_domain"), before);
    QCOMPARE(macHistoryRows(), 0);
    QCOMPARE(pageRequests->size(), 0);
}

void TestNetworkPage::domainReply_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("count");
    const QByteArray name = "site.zoduv.invalid";
    const QByteArray padded = name + QByteArray(48 - name.size(), '\0');
    QTest::newRow("after the status byte") << QByteArray("\xBC\x01\xF8", 3) + padded << QString(name) << 4;
    QTest::newRow("without a status byte") << QByteArray("\xBC\x01", 2) + padded << QString(name) << 4;
    // Cut short: what follows the payload (the frame's CRC) is no part of the name.
    QTest::newRow("short reply, known domain")
        << QByteArray("\xBC\x01\xF8", 3) + QByteArray("us.cloud.zoduv.invalid") << "us.cloud.zoduv.invalid" << 3;
    QTest::newRow("48 x FF reads as empty") << QByteArray("\xBC\x01\xF8", 3) + QByteArray(48, '\xFF') << "" << 4;
}

void TestNetworkPage::domainReply()
{
    REQUIRE_PRIVATE_NETWORK();
    QFETCH(QByteArray, payload);
    QFETCH(QString, shown);
    QFETCH(int, count);
    openStationNetwork();
    gateway->silentFor << 0xBC;
    enterPage();
    QTest::mouseClick(field("labelSearch"), Qt::LeftButton);
    gateway->send(searchFrame());
    QTRY_COMPARE(gateway->requests().size(), 2);
    const QByteArray frame = makeDeviceFrame(gatewaySubnet, gatewayDevice, 0x2025, stationfixture::stationSubnet,
                                             stationfixture::stationDevice, payload);
    gateway->send(frame);
    QTRY_VERIFY(handled.contains(frame));
    QCOMPARE(combo("comboBoxDomain")->count(), count);
    QCOMPARE(combo("comboBoxDomain")->currentText(), shown);
    QCOMPARE(combo("comboBoxDomain")->currentIndex(), combo("comboBoxDomain")->findText(shown));
}

void TestNetworkPage::getTimesOutAfterThreeSends()
{
    REQUIRE_PRIVATE_NETWORK();
    openStationNetwork();
    gateway->silentFor << 0x08;
    enterPage();
    page->setRetryInterval(20);
    QTest::mouseClick(field("labelSearch"), Qt::LeftButton);
    gateway->send(searchFrame());
    QTRY_VERIFY(toasts->size() == 2);
    QCOMPARE(toasts->at(1).at(0).toString(), QString("Get Server Information (Time Out)!"));
    QVERIFY(!page->getTimer().isActive());
    QVERIFY(!page->progressIndicator()->isAnimated());
    QTRY_COMPARE(gateway->requests().size(), 3);
    QCOMPARE(gateway->payloads(),
             QList<QByteArray>({QByteArray("\x08", 1), QByteArray("\x08", 1), QByteArray("\x08", 1)}));

    // The domain step counts its own sends: once at the reply, then three more ticks.
    gateway->silentFor = {0xBC};
    toasts->clear();
    page->setRetryInterval(60000);
    QTest::mouseClick(field("labelSearch"), Qt::LeftButton);
    gateway->send(searchFrame());
    QTRY_COMPARE(gateway->payloads().count(QByteArray("\xBC\x01", 2)), 1);
    page->setRetryInterval(20);
    QTRY_VERIFY(toasts->size() == 2);
    QCOMPARE(toasts->at(1).at(0).toString(), QString("Get Server Information (Time Out)!"));
    QTRY_COMPARE(gateway->payloads().count(QByteArray("\xBC\x01", 2)), 4);
}

void TestNetworkPage::repliesLeftAlone_data()
{
    QTest::addColumn<QString>("why");
    QTest::newRow("from another device") << "other device";
    QTest::newRow("short server information") << "short";
    QTest::newRow("transfer beacon") << "beacon";
    QTest::newRow("page hidden") << "hidden";
}

void TestNetworkPage::repliesLeftAlone()
{
    REQUIRE_PRIVATE_NETWORK();
    QFETCH(QString, why);
    openStationNetwork();
    gateway->silentFor << 0x08;
    enterPage();
    QTest::mouseClick(field("labelSearch"), Qt::LeftButton);
    gateway->send(searchFrame());
    QTRY_COMPARE(gateway->requests().size(), 1);

    QByteArray reply = QByteArray::fromHex("08F8C0000209177061623132") + char(1);
    quint8 device = gatewayDevice;
    if (why == "other device")
        device = 101;
    else if (why == "short")
        reply.chop(1);
    else if (why == "beacon")
        reply = QByteArray::fromHex("38123CC0000209");
    else if (why == "hidden")
        page->hide();
    const QByteArray frame = makeDeviceFrame(gatewaySubnet, device, 0x2025, stationfixture::stationSubnet,
                                             stationfixture::stationDevice, reply);
    gateway->send(frame);
    // The page is connected before the test's own recorder, so a recorded frame has been handled.
    QTRY_VERIFY(handled.contains(frame));
    QCOMPARE(gateway->requests().size(), 1);
    QCOMPARE(combo("comboBoxServer")->currentText(), QString());
    QCOMPARE(edit("lineEditPassword")->text(), QString());
    QCOMPARE(page->gatewayPort(), quint16(6000));
    QCOMPARE(toasts->size(), 1);
}

void TestNetworkPage::framesAreExact()
{
    REQUIRE_PRIVATE_NETWORK();
    openStationNetwork();
    gateway->silentFor << 0x08 << 0x09;
    enterPage();
    QTest::mouseClick(field("labelSearch"), Qt::LeftButton);
    gateway->send(searchFrame());
    QTRY_COMPARE(gateway->requests().size(), 1);
    const QByteArray read = gateway->requests().at(0);
    QCOMPARE(read.size(), 28);
    QCOMPARE(read.left(4), QByteArray::fromHex("7F000002"));
    QCOMPARE(read.mid(14), QByteArray::fromHex("AAAA0C01FECCC22024016408 4A12"));

    page->stopWaiting();
    unlock();
    button("radioButtonServerIp")->click();
    combo("comboBoxServer")->setEditText("192.0.2.9");
    edit("lineEditPassword")->setText("ab12");
    save(true, true);
    QTRY_COMPARE(gateway->requests().size(), 2);
    const QByteArray set = gateway->requests().at(1);
    QCOMPARE(set.size(), 39);
    QCOMPARE(set.mid(14), QByteArray::fromHex("AAAA1701FECCC220240164 09C0000209 1770 61623132 01 9FC7"));
}

void TestNetworkPage::fillForSet(int type)
{
    enterPage();
    unlock();
    edit("lineEditSubnetId")->setText("1");
    edit("lineEditDeviceId")->setText("100");
    combo("comboBoxMac")->lineEdit()->setText("0A-0B-0C-0D-0E-0F-10-11");
    edit("lineEditPassword")->setText("ab12");
    button(type == 2 ? "radioButtonDomain" : type == 1 ? "radioButtonServerIp" : "radioButtonDisable")->click();
    combo("comboBoxServer")->setEditText("ORV Server USA");
    combo("comboBoxDomain")->setEditText("new.zoduv.invalid");
}

void TestNetworkPage::setCompletes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<QByteArray>>("sent");
    const QByteArray info = QByteArray::fromHex("09CB00710A177061623132");
    const QByteArray domain = QByteArray("\xBD\x01", 2) + "new.zoduv.invalid" + QByteArray(48 - 17, '\0');
    QTest::newRow("disable") << 0 << QList<QByteArray>({info + char(0)});
    QTest::newRow("server ip") << 1 << QList<QByteArray>({info + char(1)});
    QTest::newRow("domain") << 2 << QList<QByteArray>({info + char(2), domain});
}

void TestNetworkPage::setCompletes()
{
    REQUIRE_PRIVATE_NETWORK();
    QFETCH(int, type);
    QFETCH(QList<QByteArray>, sent);
    openStationNetwork();
    fillForSet(type);
    save(true, true);
    QVERIFY(page->progressIndicator()->isAnimated());
    QTRY_COMPARE(pageRequests->size(), 1);
    QCOMPARE(pageRequests->at(0).at(0).toString(), QString("Setting"));
    QCOMPARE(toasts->size(), 1);
    QCOMPARE(toasts->at(0).at(0).toString(), QString("Synchronize successfully"));
    QCOMPARE(gateway->payloads(), sent);
    // Stored only now that the gateway has confirmed.
    QCOMPARE(networkValue("device_id"), QString("100"));
    QCOMPARE(networkValue("server_type"), QString::number(type));
    QCOMPARE(networkValue("static_server_ip"), QString("203.0.113.10"));
    QCOMPARE(networkValue("ip_port_mac"), QString("0A-0B-0C-0D-0E-0F-10-11"));
    QCOMPARE(macHistoryRows(), 1);
    page->setRetryInterval(10);
    QTRY_VERIFY(!page->setTimer().isActive());
    QVERIFY(!page->progressIndicator()->isAnimated());
    QCOMPARE(gateway->requests().size(), sent.size());
}

void TestNetworkPage::setTimesOutAfterTenSends()
{
    REQUIRE_PRIVATE_NETWORK();
    openStationNetwork();
    gateway->silentFor << 0x09;
    fillForSet(1);
    page->setRetryInterval(20);
    save(true, true);
    QTRY_COMPARE(toasts->size(), 1);
    QCOMPARE(toasts->at(0).at(0).toString(), QString("Save Server Information (Time Out)!"));
    QVERIFY(!page->setTimer().isActive());
    QVERIFY(!page->progressIndicator()->isAnimated());
    QTRY_COMPARE(gateway->requests().size(), 10);
    for (const QByteArray &p : gateway->payloads())
        QCOMPARE(quint8(p.at(0)), quint8(0x09));
    QCOMPARE(networkValue("device_id"), QString("0"));
    QCOMPARE(macHistoryRows(), 0);
    QCOMPARE(pageRequests->size(), 0);
}

void TestNetworkPage::failedStatus_data()
{
    QTest::addColumn<bool>("set");
    QTest::addColumn<int>("subCommand");
    QTest::addColumn<QString>("message");
    QTest::newRow("read") << false << 0x08 << "Failed To Get Server Information!";
    QTest::newRow("write") << true << 0x09 << "Failed To Save Server Information!";
    QTest::newRow("domain write") << true << 0xBD << "Failed To Save Domain Name!";
}

void TestNetworkPage::failedStatus()
{
    REQUIRE_PRIVATE_NETWORK();
    QFETCH(bool, set);
    QFETCH(int, subCommand);
    QFETCH(QString, message);
    openStationNetwork();
    gateway->status[quint8(subCommand)] = 0xF5;
    if (set) {
        fillForSet(2);
        save(true, true);
    } else {
        enterPage();
        QTest::mouseClick(field("labelSearch"), Qt::LeftButton);
        toasts->clear();
        gateway->send(searchFrame());
    }
    QTRY_COMPARE(toasts->size(), 1);
    QCOMPARE(toasts->at(0).at(0).toString(), message);
    QVERIFY(!page->getTimer().isActive() && !page->setTimer().isActive());
    QVERIFY(!page->progressIndicator()->isAnimated());
    QCOMPARE(networkValue("device_id"), QString("0"));
    QCOMPARE(pageRequests->size(), 0);
    if (!set)
        QCOMPARE(edit("lineEditPassword")->text(), QString());
}

void TestNetworkPage::passwordReadBackAfterASet()
{
    REQUIRE_PRIVATE_NETWORK();
    openStationNetwork();
    fillForSet(1);
    // An empty password passes the check and goes out as four zero bytes.
    edit("lineEditPassword")->clear();
    save(true, true);
    QTRY_COMPARE(pageRequests->size(), 1);
    QCOMPARE(gateway->password, QByteArray(4, '\0'));

    enterPage();
    edit("lineEditPassword")->setText("old!");
    QTest::mouseClick(field("labelSearch"), Qt::LeftButton);
    gateway->send(searchFrame());
    QTRY_COMPARE(combo("comboBoxDomain")->currentText(), QString("gw.zoduv.invalid"));
    QCOMPARE(edit("lineEditPassword")->text(), QString(""));
    QCOMPARE(edit("lineEditPassword")->text().size(), 0);
    QCOMPARE(combo("comboBoxServer")->currentText(), QString("ORV Server USA"));
}

QTEST_MAIN(TestNetworkPage)
#include "tst_network.moc"
