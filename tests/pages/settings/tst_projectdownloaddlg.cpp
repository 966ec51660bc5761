// The download dialog's wait for another station: stray and slow peers on the receiver's port must not end it.
// The beacons are heard by a simulated device; senders are raw sockets and trickling peers on loopback.

#include "core/globals.h"
#include "core/projectfolders.h"
#include "core/projectlist.h"
#include "devicelink/broadcastsocket.h"
#include "devicelink/httpclient.h"
#include "devicelink/httpserver.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "pages/settings/projectdownloaddlg.h"
#include "pages/settings/projecttransfer.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/simulateddevice.h"
#include "tests/support/testenv.h"
#include "tests/support/tricklingpeer.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QtTest>

namespace {

const quint16 udpPort = 16400;
const quint16 tcpPort = 16410;
const char hostIp[] = "127.0.0.2";

QString lastToast(const QSignalSpy &spy)
{
    return spy.isEmpty() ? QString() : spy.last().at(0).toString();
}

} // namespace

class TestProjectDownloadDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void strayConnectionLeavesTheWait_data();
    void strayConnectionLeavesTheWait();
    void slowSenderLosesTheSlot();

private:
    // Starts the wait with beacons heard by listener; the beacon interval is shortened.
    void startWaiting(ProjectDownloadDlg &download);
    QString archive();

    QTemporaryDir home;
};

void TestProjectDownloadDlg::initTestCase()
{
    QVERIFY(home.isValid());
    testenv::useFreshHome(home);
}

void TestProjectDownloadDlg::init()
{
    gAppDirPath = home.path() + "/app";
    QDir(gAppDirPath).removeRecursively();
    QVERIFY(QDir().mkpath(databaseFolderPath()));
    QVERIFY(createProjectXml());
    gNetworkType = LocalNetwork;
    gHostIp = hostIp;
    gBroadcastSocket.setPorts(udpPort, tcpPort);
    gBroadcastSocket.setKeepAliveInterval(3600 * 1000);
    gBroadcastSocket.setLocalAddress(1, 254);
}

void TestProjectDownloadDlg::cleanup()
{
    gBroadcastSocket.shutDown();
    gHostIp.clear();
}

void TestProjectDownloadDlg::startWaiting(ProjectDownloadDlg &download)
{
    QVERIFY(gBroadcastSocket.connectNetwork());
    download.codeField()->setText("0042");
    download.pushButtonDownloadDevice_clicked();
    QVERIFY(download.isTransferring());
    QVERIFY(download.httpServer());
    download.beaconTimer()->setInterval(20);
}

// A project archive as the sending station packs it.
QString TestProjectDownloadDlg::archive()
{
    const QString saved = gAppDirPath;
    gAppDirPath = home.path() + "/sender";
    QDir(gAppDirPath).removeRecursively();
    QDir().mkpath(projectFolderPath("Harbour"));
    QFile db(projectFolderPath("Harbour") + "/Harbour.db3");
    db.open(QIODevice::WriteOnly);
    db.write("harbour database");
    db.close();
    const QString zip = gAppDirPath + "/sent.zip";
    const bool packed = compressProjects({"Harbour"}, zip);
    gAppDirPath = saved;
    return packed ? zip : QString();
}

void TestProjectDownloadDlg::strayConnectionLeavesTheWait_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("GET") << QByteArray("GET / HTTP/1.0\r\n\r\n");
    QTest::newRow("binary") << QByteArray("\x16\x03\x01\x02\x00\x01", 6);
    QTest::newRow("POST without length") << QByteArray("POST / HTTP/1.1\r\nHost: x\r\n\r\nPK");
}

void TestProjectDownloadDlg::strayConnectionLeavesTheWait()
{
    REQUIRE_PRIVATE_NETWORK();
    QFETCH(QByteArray, request);
    SimulatedDevice listener(3, 9, udpPort);
    QVERIFY(listener.isBound());
    ProjectDownloadDlg download(nullptr);
    QSignalSpy toasts(&download, &MyDialog::signalsInformation);
    startWaiting(download);

    QTcpSocket stray;
    stray.connectToHost(QHostAddress(hostIp), HttpServer::DefaultPort);
    QVERIFY(stray.waitForConnected(5000));
    stray.write(request);
    QTRY_COMPARE(stray.state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(stray.readAll(), QByteArray());

    // Still waiting, still announcing itself, and not a word about the stray.
    QVERIFY(download.isTransferring());
    QVERIFY(download.beaconTimer()->isActive());
    QVERIFY(toasts.isEmpty());
    const int beacons = listener.framesFromStation.size();
    QTRY_VERIFY(listener.framesFromStation.size() > beacons + 2);

    // The real sender comes through.
    const QString zip = archive();
    QVERIFY(!zip.isEmpty());
    HttpClient sender;
    QSignalSpy sent(&sender, &HttpClient::signalsReplyFinished);
    sender.uploadFile(QString("http://%1:%2").arg(hostIp).arg(HttpServer::DefaultPort), zip, 0);
    QCOMPARE(sent.count(), 1);
    QTRY_COMPARE(lastToast(toasts), QString("success."));
    QVERIFY(download.projectImported);
    QVERIFY(QFile::exists(projectFolderPath("Harbour") + "/Harbour.db3"));
}

void TestProjectDownloadDlg::slowSenderLosesTheSlot()
{
    REQUIRE_PRIVATE_NETWORK();
    SimulatedDevice listener(3, 9, udpPort);
    QVERIFY(listener.isBound());
    ProjectDownloadDlg download(nullptr);
    QSignalSpy toasts(&download, &MyDialog::signalsInformation);
    startWaiting(download);
    download.httpServer()->setBodyDeadline(300, 1000 * 1000 * 1000);

    // A valid header, then a body byte now and then: the bytes are stored, then the sender is dropped.
    TricklingPeer slow("POST / HTTP/1.1\r\nContent-Type: application/zip\r\ndeviceType: 0\r\n"
                       "Content-Length: 1000000\r\n\r\nPK");
    QVERIFY(slow.connectTo(HttpServer::DefaultPort, QHostAddress(hostIp)));
    QTRY_VERIFY_WITH_TIMEOUT(slow.closed(), 10000);
    QCOMPARE(lastToast(toasts), QString("Invalid data."));
    QVERIFY(download.isTransferring());
    QVERIFY(download.beaconTimer()->isActive());

    // The slot is free and nothing of the slow sender's bytes is left in the archive of the real one.
    const QString zip = archive();
    QVERIFY(!zip.isEmpty());
    HttpClient sender;
    QSignalSpy sent(&sender, &HttpClient::signalsReplyFinished);
    sender.uploadFile(QString("http://%1:%2").arg(hostIp).arg(HttpServer::DefaultPort), zip, 0);
    QCOMPARE(sent.count(), 1);
    QTRY_COMPARE(lastToast(toasts), QString("success."));
    QVERIFY(download.projectImported);
    QVERIFY(QFile::exists(projectFolderPath("Harbour") + "/Harbour.db3"));
}

QTEST_MAIN(TestProjectDownloadDlg)
#include "tst_projectdownloaddlg.moc"
