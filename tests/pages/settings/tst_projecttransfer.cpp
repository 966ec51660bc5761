// Project transfer: the import of received archives, the exchange-server ways of both dialogs and the
// station-to-station way with its beacons. The project list, the database folder and the ini file are
// observed directly; the exchange server and the other station are simulated on loopback.

#include "core/appsettings.h"
#include "core/globals.h"
#include "core/projectfolders.h"
#include "core/projectlist.h"
#include "devicelink/broadcastsocket.h"
#include "devicelink/httpclient.h"
#include "devicelink/httpserver.h"
#include "materialwidgets/qtmaterialcheckbox.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "pages/settings/pagesettingproject.h"
#include "pages/settings/projectdownloaddlg.h"
#include "pages/settings/projectsettingitem.h"
#include "pages/settings/projecttransfer.h"
#include "pages/settings/projectuploaddlg.h"
#include "tests/support/exchangeserver.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/simulateddevice.h"
#include "tests/support/testenv.h"

#include <QDirIterator>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>

#include <quazip/JlCompress.h>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <memory>

namespace {

const quint16 udpPort = 16100;
const quint16 tcpPort = 16110;
const char hostIp[] = "127.0.0.2";
const QHostAddress broadcastAll(QStringLiteral("127.255.255.255"));

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// Every path below root with its size, hidden entries included, so that any leftover shows.
QMap<QString, qint64> snapshot(const QString &root)
{
    QMap<QString, qint64> files;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        files.insert(it.filePath().mid(root.size()), it.fileInfo().isDir() ? -1 : it.fileInfo().size());
    }
    return files;
}

QStringList listedProjects()
{
    QStringList names;
    getProjectNames(names);
    return names;
}

// Archive entries written as they stand, so a test can write what no honest packer would.
void writeZip(const QString &path, const QList<QPair<QString, QByteArray>> &entries)
{
    QuaZip zip(path);
    QVERIFY(zip.open(QuaZip::mdCreate));
    for (const auto &entry : entries) {
        QuaZipFile file(&zip);
        QVERIFY(file.open(QIODevice::WriteOnly, QuaZipNewInfo(entry.first)));
        file.write(entry.second);
        file.close();
    }
    zip.close();
}

// The last toast of a dialog.
QString lastToast(const QSignalSpy &spy)
{
    return spy.isEmpty() ? QString() : spy.last().at(0).toString();
}

// An HTTP receiver that answers every POST with a canned body, once told to (a slow peer holds the answer).
class CannedReceiver : public QTcpServer
{
public:
    QByteArray answerBody = "POST data received!";
    bool holdAnswer = false;
    QList<QByteArray> requests; // whole requests, header and body
    QList<QTcpSocket *> waiting;
    // Runs when a whole request has arrived: the sender is then inside its nested loop.
    std::function<void()> onRequest;

    bool start() { return listen(QHostAddress::LocalHost, 0); }

    void release()
    {
        holdAnswer = false;
        for (QTcpSocket *socket : waiting)
            answer(socket);
        waiting.clear();
    }

protected:
    void incomingConnection(qintptr handle) override
    {
        auto *socket = new QTcpSocket(this);
        socket->setSocketDescriptor(handle);
        auto *buffer = new QByteArray;
        connect(socket, &QTcpSocket::disconnected, socket, [buffer] { delete buffer; });
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
            buffer->append(socket->readAll());
            const int end = buffer->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QByteArray header = buffer->left(end).toLower();
            const int at = header.indexOf("content-length:");
            const int length = at < 0 ? 0 : header.mid(at + 15, header.indexOf("\r\n", at) - at - 15).trimmed().toInt();
            if (buffer->size() < end + 4 + length)
                return;
            requests.append(*buffer);
            buffer->clear();
            if (holdAnswer)
                waiting.append(socket);
            else
                answer(socket);
            if (onRequest)
                onRequest();
        });
    }

private:
    void answer(QTcpSocket *socket)
    {
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: " +
                      QByteArray::number(answerBody.size()) + "\r\nConnection: close\r\n\r\n" + answerBody);
        socket->disconnectFromHost();
    }
};

QByteArray bodyOf(const QByteArray &request)
{
    return request.mid(request.indexOf("\r\n\r\n") + 4);
}

QByteArray beaconPayload(quint16 code, const QByteArray &address, quint16 port)
{
    QByteArray payload;
    payload.append(char(0x38)).append(char(code >> 8)).append(char(code & 0xFF));
    payload.append(address);
    payload.append(char(port >> 8)).append(char(port & 0xFF));
    return payload;
}

} // namespace

class TestProjectTransfer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void findsVisibleFoldersIgnoringCase();
    void importChoosesFreeNames();
    void importTakesTheNextFreeNumber();
    void importKeepsFoldersWhoseNewNamesCollide();
    void importCountsAFolderOnDiskAsTaken();
    void brokenArchivesChangeNothing_data();
    void brokenArchivesChangeNothing();
    void foldersNotImportedAreNamed();
    void importOnAFullDiskChangesNothing_data();
    void importOnAFullDiskChangesNothing();
    void interruptedImportIsWholeAfterTheNextStart();
    void receiveOnAFullDiskSaysSo_data();
    void receiveOnAFullDiskSaysSo();

    void codeChecks_data();
    void codeChecks();
    void noExchangeServerSendsNothing();
    void serverRoundTrip();
    void largeProjectStreamsBothWays();
    void uploadRefusedByServer_data();
    void uploadRefusedByServer();
    void serverDownloadErrors_data();
    void serverDownloadErrors();
    void packFailureClearsTheTransfer();

    void deviceDownloadBeaconsAndImport();
    void deviceDownloadServerCannotStart();
    void stationUploadAnswersBeacons();
    void stationUploadLeavesTheBusFree();

    void pageButtonsOpenTheDialogs();

private:
    QString appDir() const { return home.path() + "/app"; }
    QString archiveOf(const QMap<QString, QByteArray> &projects);
    void startLink();

    QTemporaryDir home;
    std::unique_ptr<ExchangeServer> exchange;
};

void TestProjectTransfer::initTestCase()
{
    QVERIFY(home.isValid());
    testenv::useFreshHome(home);
}

void TestProjectTransfer::init()
{
    QDir(appDir()).removeRecursively();
    gAppDirPath = appDir();
    QVERIFY(QDir().mkpath(databaseFolderPath()));
    QVERIFY(createProjectXml());
    // A project named like a time of day must survive every temporary file of a transfer.
    QVERIFY(addProject("143005"));
    writeFile(projectFolderPath("Home") + "/Home.db3", "home database");
    writeFile(projectFolderPath("143005") + "/143005.db3", "timed database");
    writeIniSetting("project", "exchange_server", "127.0.0.1");
    writeIniSetting("project", "upload_code", QString());
    writeIniSetting("project", "upload_time", QString());
    ProjectDownloadDlg::setExecHook(nullptr);
    ProjectUploadDlg::setExecHook(nullptr);
}

void TestProjectTransfer::cleanup()
{
    exchange.reset();
    gBroadcastSocket.shutDown();
    gHostIp.clear();
}

void TestProjectTransfer::startLink()
{
    gNetworkType = LocalNetwork;
    gHostIp = hostIp;
    gBroadcastSocket.setPorts(udpPort, tcpPort);
    gBroadcastSocket.setKeepAliveInterval(3600 * 1000);
    gBroadcastSocket.setLocalAddress(1, 254);
    QVERIFY(gBroadcastSocket.connectNetwork());
}

// Packs the given projects (name to database content) as a sending station would.
QString TestProjectTransfer::archiveOf(const QMap<QString, QByteArray> &projects)
{
    static int count = 0;
    const QString senderDir = home.path() + QString("/sender%1").arg(++count);
    gAppDirPath = senderDir;
    for (auto it = projects.cbegin(); it != projects.cend(); ++it) {
        writeFile(projectFolderPath(it.key()) + "/" + it.key() + ".db3", it.value());
        writeFile(projectFolderPath(it.key()) + "/photo_Room_1.png", "picture of " + it.value());
    }
    const QString zip = senderDir + "/sent.zip";
    const bool packed = compressProjects(projects.keys(), zip);
    gAppDirPath = appDir();
    return packed ? zip : QString();
}

void TestProjectTransfer::findsVisibleFoldersIgnoringCase()
{
    const QString dir = home.path() + "/find";
    for (const char *name : {"beta", "Alpha", "gamma", ".hidden"})
        QVERIFY(QDir().mkpath(dir + "/" + name));
    writeFile(dir + "/afile", "x");
    QCOMPARE(findProjectDirs(dir), QStringList({"Alpha", "beta", "gamma"}));
}

void TestProjectTransfer::importChoosesFreeNames()
{
    const QString zip = archiveOf({{"Home", "their home"}, {"B", "their b"}});
    const QByteArray homeBefore = readAll(projectFolderPath("Home") + "/Home.db3");
    QStringList added;
    QCOMPARE(importProjectArchive(zip, &added), ImportResult::Imported);
    QCOMPARE(added, QStringList({"B", "Home_1"}));
    QCOMPARE(listedProjects(), QStringList({"Home", "143005", "B", "Home_1"}));
    QCOMPARE(readAll(projectFolderPath("Home_1") + "/Home_1.db3"), QByteArray("their home"));
    QVERIFY(!QFile::exists(projectFolderPath("Home_1") + "/Home.db3"));
    QCOMPARE(readAll(projectFolderPath("Home_1") + "/photo_Room_1.png"), QByteArray("picture of their home"));
    QCOMPARE(readAll(projectFolderPath("B") + "/B.db3"), QByteArray("their b"));
    QCOMPARE(readAll(projectFolderPath("Home") + "/Home.db3"), homeBefore);
    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("Home"));
    QString low;
    QVERIFY(getProjectProperty("Home_1", "indoor_temperature_low", low));
    QCOMPARE(low, QString("20"));
    // Nothing of the unpacking stays behind.
    QCOMPARE(QDir(databaseFolderPath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"143005", "B", "Home", "Home_1", "project.xml"}));
}

void TestProjectTransfer::importTakesTheNextFreeNumber()
{
    QVERIFY(addProject("Home_1"));
    QStringList added;
    QCOMPARE(importProjectArchive(archiveOf({{"Home", "theirs"}}), &added), ImportResult::Imported);
    QCOMPARE(added, QStringList({"Home_2"}));
    QCOMPARE(readAll(projectFolderPath("Home_2") + "/Home_2.db3"), QByteArray("theirs"));
}

void TestProjectTransfer::importKeepsFoldersWhoseNewNamesCollide()
{
    QVERIFY(addProject("A"));
    QStringList added;
    QCOMPARE(importProjectArchive(archiveOf({{"A", "first"}, {"A_1", "second"}}), &added), ImportResult::Imported);
    QCOMPARE(added, QStringList({"A_1", "A_1_1"}));
    QCOMPARE(readAll(projectFolderPath("A_1") + "/A_1.db3"), QByteArray("first"));
    QCOMPARE(readAll(projectFolderPath("A_1_1") + "/A_1_1.db3"), QByteArray("second"));
}

void TestProjectTransfer::importCountsAFolderOnDiskAsTaken()
{
    writeFile(projectFolderPath("C") + "/C.db3", "left over");
    QStringList added;
    QCOMPARE(importProjectArchive(archiveOf({{"C", "new"}}), &added), ImportResult::Imported);
    QCOMPARE(added, QStringList({"C_1"}));
    QCOMPARE(readAll(projectFolderPath("C") + "/C.db3"), QByteArray("left over"));
}

void TestProjectTransfer::brokenArchivesChangeNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("entry above the folder") << "escape";
    QTest::newRow("absolute entry") << "absolute";
    QTest::newRow("no zip") << "nozip";
    QTest::newRow("no project folder") << "noproject";
    QTest::newRow("folder without its database") << "nodatabase";
    QTest::newRow("missing file") << "missing";
}

void TestProjectTransfer::brokenArchivesChangeNothing()
{
    QFETCH(QString, kind);
    const QString zip = home.path() + "/broken.zip";
    QFile::remove(zip);
    const QString outside = home.path() + "/escape.txt";
    QFile::remove(outside);
    if (kind == "escape")
        writeZip(zip, {{"P/P.db3", "db"}, {"../escape.txt", "out"}, {"../../escape.txt", "out"}});
    else if (kind == "absolute")
        writeZip(zip, {{"P/P.db3", "db"}, {outside, "out"}});
    else if (kind == "nozip")
        writeFile(zip, "<html>not found</html>");
    else if (kind == "noproject")
        writeZip(zip, {{"loose.txt", "x"}, {".hidden/.hidden.db3", "x"}});
    else if (kind == "nodatabase")
        writeZip(zip, {{"P/photo_Room_1.png", "x"}});

    const QMap<QString, qint64> before = snapshot(appDir());
    const QByteArray listBefore = readAll(projectXmlPath());
    QCOMPARE(importProjectArchive(zip), ImportResult::InvalidArchive);
    QCOMPARE(snapshot(appDir()), before);
    QCOMPARE(readAll(projectXmlPath()), listBefore);
    QVERIFY(!QFile::exists(outside));

    // The dialog says so and lists nothing new.
    if (kind == "missing" || !privatenetwork::inside())
        return;
    exchange.reset(new ExchangeServer);
    QVERIFY(exchange->start(ExchangeServerPort));
    exchange->storeArchive("1", readAll(zip));
    ProjectDownloadDlg dialog(nullptr);
    QSignalSpy toasts(&dialog, &MyDialog::signalsInformation);
    dialog.codeField()->setText("1");
    dialog.pushButtonDownloadServer_clicked();
    // Folders that hold no project are named.
    const QString notImported = kind == "nodatabase"  ? " Not imported, as they hold no project database: P"
                                : kind == "noproject" ? " Not imported, as they hold no project database: .hidden"
                                                      : "";
    QCOMPARE(lastToast(toasts), "Invalid project archive!" + notImported);
    QVERIFY(!dialog.projectImported);
    QCOMPARE(snapshot(appDir()), before);
    QCOMPARE(readAll(projectXmlPath()), listBefore);
}

void TestProjectTransfer::foldersNotImportedAreNamed()
{
    const QString zip = home.path() + "/mixed.zip";
    writeZip(zip, {{"P/P.db3", "p"},
                   {"Q/photo_Room_1.png", "no database"},
                   {"R/other.db3", "not named after its folder"},
                   {".S/.S.db3", "hidden"},
                   {"loose.txt", "not a folder"}});
    QStringList added;
    QStringList skipped;
    QCOMPARE(importProjectArchive(zip, &added, &skipped), ImportResult::Imported);
    QCOMPARE(added, QStringList({"P"}));
    QCOMPARE(skipped, QStringList({".S", "Q", "R"}));
    QCOMPARE(listedProjects(), QStringList({"Home", "143005", "P"}));

    // The dialog says so in the same toast as the success.
    REQUIRE_PRIVATE_NETWORK();
    QVERIFY(removeProject("P"));
    QVERIFY(QDir(projectFolderPath("P")).removeRecursively());
    exchange.reset(new ExchangeServer);
    QVERIFY(exchange->start(ExchangeServerPort));
    exchange->storeArchive("1", readAll(zip));
    ProjectDownloadDlg dialog(nullptr);
    QSignalSpy toasts(&dialog, &MyDialog::signalsInformation);
    dialog.codeField()->setText("1");
    dialog.pushButtonDownloadServer_clicked();
    QCOMPARE(toasts.count(), 1);
    QCOMPARE(lastToast(toasts), QString("success. Not imported, as they hold no project database: .S, Q, R"));
    QVERIFY(dialog.projectImported);
}

void TestProjectTransfer::importOnAFullDiskChangesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("no room for the archive's projects") << "room";
    QTest::newRow("disk fills up while unpacking") << "writes";
}

void TestProjectTransfer::importOnAFullDiskChangesNothing()
{
    QFETCH(QString, how);
    const QString zip = archiveOf({{"A", QByteArray(40000, 'a')}, {"B", QByteArray(40000, 'b')}});
    const QMap<QString, qint64> before = snapshot(appDir());
    const QByteArray listBefore = readAll(projectXmlPath());
    if (how == "room")
        setRoomForTests(1000);
    else
        setWritesFailAfterForTests(50000);
    QStringList added;
    const ImportResult result = importProjectArchive(zip, &added);
    setRoomForTests(-1);
    setWritesFailAfterForTests(-1);
    QCOMPARE(result, ImportResult::DiskFull);
    QVERIFY(added.isEmpty());
    QCOMPARE(snapshot(appDir()), before);
    QCOMPARE(readAll(projectXmlPath()), listBefore);
}

void TestProjectTransfer::interruptedImportIsWholeAfterTheNextStart()
{
    const QByteArray homeContent(70000, 'h');
    const QString zip = archiveOf({{"Home", homeContent}, {"B", "their b"}});
    QVERIFY(!zip.isEmpty());
    const QMap<QString, QByteArray> expected = {{"B", "their b"}, {"Home_1", homeContent}};
    const QStringList listed = listedProjects();
    const QString initial = home.path() + "/initial";
    QVERIFY(QDir(initial).removeRecursively());
    QVERIFY(QDir().rename(appDir(), initial));

    bool finished = false;
    for (int stopAt = 1; !finished && stopAt < 100; ++stopAt) {
        // The station as it was before the import.
        QDir(appDir()).removeRecursively();
        QProcess copy;
        copy.start("cp", {"-a", initial, appDir()});
        QVERIFY(copy.waitForFinished(10000) && copy.exitCode() == 0);

        QProcess import;
        import.start(IMPORT_INTERRUPTED, {appDir(), zip, QString::number(stopAt)});
        QVERIFY(import.waitForFinished(30000));
        QCOMPARE(import.exitStatus(), QProcess::NormalExit);
        finished = import.exitCode() == 0;
        if (!finished)
            QCOMPARE(import.exitCode(), 9);

        // The next start.
        finishInterruptedImports();
        const QString at = QString("stopped at step %1").arg(stopAt);
        // Nothing hidden stays, no folder is there unlisted or in part, and each project came whole or not at all.
        QStringList entries =
            QDir(databaseFolderPath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        entries.removeOne("project.xml");
        QStringList now = listedProjects();
        QCOMPARE(now.mid(0, listed.size()), listed);
        QStringList sortedNow = now;
        sortedNow.sort();
        QVERIFY2(entries == sortedNow, qPrintable(at + ": " + entries.join(",") + " listed " + now.join(",")));
        for (const QString &name : now.mid(listed.size())) {
            QVERIFY2(expected.contains(name), qPrintable(at + ": " + name));
            const QString folder = projectFolderPath(name);
            QVERIFY2(readAll(folder + "/" + name + ".db3") == expected.value(name), qPrintable(at + ": " + name));
            QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList({name + ".db3", "photo_Room_1.png"}));
        }
        if (finished)
            QCOMPARE(now.mid(listed.size()), QStringList({"B", "Home_1"}));
    }
    QVERIFY(finished);
}

void TestProjectTransfer::receiveOnAFullDiskSaysSo_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("toast");
    const QString receive = "The disk is full: the archive cannot be received!";
    QTest::newRow("server way, no room at the start") << "server room" << receive;
    QTest::newRow("station way, no room at the start") << "device room" << receive;
    QTest::newRow("disk fills up while receiving") << "receiving" << receive;
    QTest::newRow("disk fills up while importing") << "importing"
                                                   << "The disk is full: the projects cannot be imported!";
}

void TestProjectTransfer::receiveOnAFullDiskSaysSo()
{
    REQUIRE_PRIVATE_NETWORK();
    QFETCH(QString, how);
    QFETCH(QString, toast);
    const QString zip = archiveOf({{"A", QByteArray(200000, 'a')}});
    const qint64 archiveSize = QFileInfo(zip).size();
    exchange.reset(new ExchangeServer);
    QVERIFY(exchange->start(ExchangeServerPort));
    exchange->storeArchive("1", readAll(zip));
    if (how == "device room")
        startLink();
    const QMap<QString, qint64> before = snapshot(appDir());
    const QByteArray listBefore = readAll(projectXmlPath());

    ProjectDownloadDlg download(nullptr);
    QSignalSpy toasts(&download, &MyDialog::signalsInformation);
    download.codeField()->setText("1");
    if (how.endsWith("room"))
        setRoomForTests(0);
    else if (how == "receiving")
        setWritesFailAfterForTests(archiveSize / 2);
    else
        setWritesFailAfterForTests(archiveSize + 1000);
    if (how == "device room")
        download.pushButtonDownloadDevice_clicked();
    else
        download.pushButtonDownloadServer_clicked();
    setRoomForTests(-1);
    setWritesFailAfterForTests(-1);

    QCOMPARE(toasts.count(), 1);
    QCOMPARE(lastToast(toasts), toast);
    QVERIFY(!download.isTransferring());
    QVERIFY(!download.projectImported);
    QVERIFY(!download.beaconTimer()->isActive());
    QCOMPARE(exchange->requests().size(), how.endsWith("room") ? 0 : 1);
    QCOMPARE(snapshot(appDir()), before);
    QCOMPARE(readAll(projectXmlPath()), listBefore);
}

void TestProjectTransfer::codeChecks_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("deviceWay");
    QTest::addColumn<QString>("toast");
    QTest::newRow("empty, server") << "" << false << "Please input the complete content!";
    QTest::newRow("empty, device") << "" << true << "Please input the complete content!";
    QTest::newRow("letter, server") << "12a4" << false << "Invalid code,please input new value!";
    QTest::newRow("sign, device") << "-12" << true << "Invalid code,please input new value!";
    QTest::newRow("above 9999, device") << "12345" << true << "Invalid code,please input new value!";
    QTest::newRow("zeros and above, device") << "0012345" << true << "Invalid code,please input new value!";
}

void TestProjectTransfer::codeChecks()
{
    QFETCH(QString, code);
    QFETCH(bool, deviceWay);
    QFETCH(QString, toast);
    exchange.reset(new ExchangeServer);
    QVERIFY(exchange->start(ExchangeServerPort));
    ProjectDownloadDlg dialog(nullptr);
    QSignalSpy toasts(&dialog, &MyDialog::signalsInformation);
    dialog.codeField()->setText(code);
    if (deviceWay)
        dialog.pushButtonDownloadDevice_clicked();
    else
        dialog.pushButtonDownloadServer_clicked();
    QCOMPARE(toasts.count(), 1);
    QCOMPARE(lastToast(toasts), toast);
    QVERIFY(!dialog.isTransferring());
    QVERIFY(exchange->requests().isEmpty());
}

void TestProjectTransfer::noExchangeServerSendsNothing()
{
    REQUIRE_PRIVATE_NETWORK();
    writeIniSetting("project", "exchange_server", QString());
    exchange.reset(new ExchangeServer);
    QVERIFY(exchange->start(ExchangeServerPort));

    ProjectUploadDlg upload(nullptr);
    upload.projectList = QStringList({"Home"});
    QSignalSpy uploadToasts(&upload, &MyDialog::signalsInformation);
    upload.pushButtonSendToServer_clicked();
    QCOMPARE(lastToast(uploadToasts), QString("The project exchange server is not set!"));

    ProjectDownloadDlg download(nullptr);
    QSignalSpy downloadToasts(&download, &MyDialog::signalsInformation);
    download.codeField()->setText("12345");
    download.pushButtonDownloadServer_clicked();
    QCOMPARE(lastToast(downloadToasts), QString("The project exchange server is not set!"));
    QVERIFY(!upload.isTransferring());
    QVERIFY(!download.isTransferring());
    QTest::qWait(50);
    QVERIFY(exchange->requests().isEmpty());
}

void TestProjectTransfer::serverRoundTrip()
{
    REQUIRE_PRIVATE_NETWORK();
    exchange.reset(new ExchangeServer);
    QVERIFY(exchange->start(ExchangeServerPort));
    const QMap<QString, qint64> before = snapshot(appDir());

    ProjectUploadDlg upload(nullptr);
    upload.projectList = QStringList({"Home"});
    upload.showUploadCode();
    QSignalSpy uploadToasts(&upload, &MyDialog::signalsInformation);
    upload.pushButtonSendToServer_clicked();
    QCOMPARE(lastToast(uploadToasts), QString("success."));
    QCOMPARE(exchange->requests().size(), 1);
    const ExchangeRequest sent = exchange->requests().at(0);
    QCOMPARE(sent.path, QByteArray("/v1/dbUpload"));
    QCOMPARE(sent.header("Content-Type"), QByteArray("application/zip"));
    QCOMPARE(sent.header("deviceType"), QByteArray("0"));
    QString code;
    QString time;
    readIniSetting("project", "upload_code", code);
    readIniSetting("project", "upload_time", time);
    QCOMPARE(code, QString("4711"));
    QVERIFY(QDateTime::fromString(time, "yyyy-MM-dd hh:mm:ss").isValid());
    QCOMPARE(upload.findChild<QtMaterialLabel *>("labelCodeTitle")->text(), QString("Code:4711"));
    QCOMPARE(upload.findChild<QtMaterialLabel *>("labelTime")->text(), time);
    QCOMPARE(snapshot(appDir()), before);

    // A later dialog shows the stored code at once.
    ProjectUploadDlg again(nullptr);
    again.showUploadCode();
    QCOMPARE(again.findChild<QtMaterialLabel *>("labelCodeTitle")->text(), QString("Code:4711"));

    ProjectDownloadDlg download(nullptr);
    QSignalSpy downloadToasts(&download, &MyDialog::signalsInformation);
    download.codeField()->setText("4711");
    download.pushButtonDownloadServer_clicked();
    QCOMPARE(lastToast(downloadToasts), QString("success."));
    QVERIFY(download.projectImported);
    QVERIFY(!download.isTransferring());
    const ExchangeRequest asked = exchange->requests().at(1);
    QCOMPARE(asked.path, QByteArray("/v1/dbDownload"));
    QCOMPARE(asked.header("Content-Type"), QByteArray("application/json"));
    QCOMPARE(QJsonDocument::fromJson(asked.body).object(), QJsonObject({{"token", "4711"}}));
    QCOMPARE(listedProjects(), QStringList({"Home", "143005", "Home_1"}));
    QCOMPARE(readAll(projectFolderPath("Home_1") + "/Home_1.db3"), readAll(projectFolderPath("Home") + "/Home.db3"));
    QCOMPARE(QDir(databaseFolderPath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"143005", "Home", "Home_1", "project.xml"}));
}

void TestProjectTransfer::largeProjectStreamsBothWays()
{
    REQUIRE_PRIVATE_NETWORK();
    // A picture of incompressible bytes makes an archive of some 20 MB, kept by the server in its own file.
    QByteArray picture(20 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(picture.data()), picture.size() / 4);
    writeFile(projectFolderPath("Home") + "/photo_Room_1.png", picture);
    QTemporaryDir store;
    exchange.reset(new ExchangeServer);
    exchange->setStorageFolder(store.path());
    QVERIFY(exchange->start(ExchangeServerPort));

    ProjectUploadDlg upload(nullptr);
    upload.projectList = QStringList({"Home"});
    QSignalSpy uploadToasts(&upload, &MyDialog::signalsInformation);
    upload.pushButtonSendToServer_clicked();
    QCOMPARE(lastToast(uploadToasts), QString("success."));
    QVERIFY(QFileInfo(exchange->archivePath("4711")).size() > picture.size());

    ProjectDownloadDlg download(nullptr);
    QSignalSpy downloadToasts(&download, &MyDialog::signalsInformation);
    QSignalSpy pieces(download.httpClient(), &HttpClient::signalsReplyData);
    download.codeField()->setText("4711");
    download.pushButtonDownloadServer_clicked();
    QCOMPARE(lastToast(downloadToasts), QString("success."));
    QVERIFY2(pieces.count() > 1, qPrintable(QString::number(pieces.count())));
    QVERIFY(readAll(projectFolderPath("Home_1") + "/photo_Room_1.png") == picture);
    QCOMPARE(readAll(projectFolderPath("Home_1") + "/Home_1.db3"), QByteArray("home database"));
    QCOMPARE(QDir(databaseFolderPath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"143005", "Home", "Home_1", "project.xml"}));
}

void TestProjectTransfer::uploadRefusedByServer_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("code 1") << QByteArray(R"({"code":1,"data":{"token":"9"}})");
    QTest::newRow("no token") << QByteArray(R"({"code":0,"data":{}})");
    QTest::newRow("no data") << QByteArray(R"({"code":0})");
    QTest::newRow("no JSON") << QByteArray("<html>busy</html>");
    QTest::newRow("array") << QByteArray("[0]");
}

void TestProjectTransfer::uploadRefusedByServer()
{
    REQUIRE_PRIVATE_NETWORK();
    QFETCH(QByteArray, answer);
    CannedReceiver server;
    QVERIFY(server.listen(QHostAddress::LocalHost, ExchangeServerPort));
    server.answerBody = answer;
    ProjectUploadDlg upload(nullptr);
    upload.projectList = QStringList({"Home"});
    QSignalSpy toasts(&upload, &MyDialog::signalsInformation);
    upload.pushButtonSendToServer_clicked();
    QCOMPARE(lastToast(toasts), QString("Upload failed!"));
    QVERIFY(!upload.isTransferring());
    QString code;
    readIniSetting("project", "upload_code", code);
    QVERIFY(code.isEmpty());
    QCOMPARE(upload.findChild<QtMaterialLabel *>("labelCodeTitle")->text(), QString("Code:"));
}

void TestProjectTransfer::serverDownloadErrors_data()
{
    QTest::addColumn<QString>("server");
    QTest::newRow("refused") << "refuses";
    QTest::newRow("silent") << "silent";
    QTest::newRow("archive cut short") << "cuts short";
}

void TestProjectTransfer::serverDownloadErrors()
{
    REQUIRE_PRIVATE_NETWORK();
    QFETCH(QString, server);
    exchange.reset(new ExchangeServer);
    QVERIFY(exchange->start(ExchangeServerPort));
    if (server == "refuses") {
        exchange->setMode(ExchangeServer::Mode::FixedStatus);
        exchange->setFixedStatus(404);
    } else if (server == "silent") {
        exchange->setMode(ExchangeServer::Mode::Silent);
    } else {
        // The start of a real archive, then the connection ends long before the announced length.
        QByteArray database(64 * 1024, Qt::Uninitialized);
        QRandomGenerator(11).fillRange(reinterpret_cast<quint32 *>(database.data()), database.size() / 4);
        const QString archive = archiveOf({{"Home", database}});
        QVERIFY(!archive.isEmpty());
        const QByteArray start = readAll(archive).left(32 * 1024);
        exchange->setMode(ExchangeServer::Mode::Raw);
        exchange->setRawReply("HTTP/1.1 200 OK\r\nContent-Type: application/zip\r\nContent-Length: " +
                              QByteArray::number(QFileInfo(archive).size()) + "\r\n\r\n" + start);
    }
    const QMap<QString, qint64> before = snapshot(appDir());
    ProjectDownloadDlg download(nullptr);
    download.httpClient()->setTransferTimeout(300);
    QSignalSpy toasts(&download, &MyDialog::signalsInformation);
    download.codeField()->setText("4711");
    download.pushButtonDownloadServer_clicked();
    QCOMPARE(toasts.count(), 1);
    QVERIFY(!lastToast(toasts).isEmpty());
    QVERIFY(lastToast(toasts) != "success.");
    // What went wrong is the transfer's error, told before anything was unpacked.
    QVERIFY(lastToast(toasts) != "Invalid project archive!");
    QVERIFY(!download.isTransferring());
    QVERIFY(!download.projectImported);
    QCOMPARE(snapshot(appDir()), before);
}

void TestProjectTransfer::packFailureClearsTheTransfer()
{
    REQUIRE_PRIVATE_NETWORK();
    exchange.reset(new ExchangeServer);
    QVERIFY(exchange->start(ExchangeServerPort));
    const QMap<QString, qint64> before = snapshot(appDir());
    ProjectUploadDlg upload(nullptr);
    upload.projectList = QStringList({"Gone"});
    QSignalSpy toasts(&upload, &MyDialog::signalsInformation);
    upload.pushButtonSendToServer_clicked();
    QCOMPARE(lastToast(toasts), QString("Failed to pack the projects!"));
    QVERIFY(!upload.isTransferring());
    QCOMPARE(snapshot(appDir()), before);
    QTest::qWait(50);
    QVERIFY(exchange->requests().isEmpty());
}

void TestProjectTransfer::deviceDownloadBeaconsAndImport()
{
    REQUIRE_PRIVATE_NETWORK();
    startLink();
    SimulatedDevice listener(3, 9, udpPort);
    QVERIFY(listener.isBound());
    ProjectDownloadDlg download(nullptr);
    QSignalSpy toasts(&download, &MyDialog::signalsInformation);
    download.codeField()->setText("0042");
    download.pushButtonDownloadDevice_clicked();
    QVERIFY(download.isTransferring());
    QTRY_COMPARE(listener.framesFromStation.size(), 1);
    const QByteArray beacon = listener.framesFromStation.at(0);
    QCOMPARE(beacon.size(), 36);
    QCOMPARE(quint8(beacon[16]), quint8(20));
    QCOMPARE(beacon.mid(21, 2), QByteArray("\x20\x25", 2));
    QCOMPARE(beacon.mid(23, 2), QByteArray("\xFF\xFF", 2));
    QCOMPARE(beacon.mid(25, 9), beaconPayload(42, QByteArray("\x7F\x00\x00\x02", 4), 8080));

    // The field is read at every beacon.
    download.beaconTimer()->setInterval(20);
    download.codeField()->setText("7");
    QTRY_VERIFY(listener.framesFromStation.size() >= 2);
    QCOMPARE(listener.framesFromStation.last().mid(26, 2), QByteArray("\x00\x07", 2));

    download.pushButtonDownloadServer_clicked();
    QCOMPARE(lastToast(toasts), QString("Downloading...,please wait a moment"));

    const QString zip = archiveOf({{"Home", "sent home"}});
    HttpClient sender;
    QSignalSpy sent(&sender, &HttpClient::signalsReplyFinished);
    sender.uploadFile(QString("http://%1:8080").arg(hostIp), zip, 0);
    QCOMPARE(sent.count(), 1);
    QTRY_COMPARE(lastToast(toasts), QString("success."));
    QVERIFY(download.projectImported);
    QVERIFY(!download.isTransferring());
    QVERIFY(!download.beaconTimer()->isActive());
    QCOMPARE(readAll(projectFolderPath("Home_1") + "/Home_1.db3"), QByteArray("sent home"));
    QCOMPARE(QDir(databaseFolderPath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"143005", "Home", "Home_1", "project.xml"}));
    const int beacons = listener.framesFromStation.size();
    QTest::qWait(100);
    QCOMPARE(listener.framesFromStation.size(), beacons);
}

void TestProjectTransfer::deviceDownloadServerCannotStart()
{
    REQUIRE_PRIVATE_NETWORK();
    startLink();
    QTcpServer occupant;
    QVERIFY(occupant.listen(QHostAddress(hostIp), 8080));
    SimulatedDevice listener(3, 9, udpPort);
    ProjectDownloadDlg download(nullptr);
    QSignalSpy toasts(&download, &MyDialog::signalsInformation);
    download.codeField()->setText("42");
    download.pushButtonDownloadDevice_clicked();
    QCOMPARE(lastToast(toasts), QString("Failed to start server(127.0.0.2:8080)!"));
    QVERIFY(!download.isTransferring());
    QTest::qWait(50);
    QVERIFY(listener.framesFromStation.isEmpty());
}

void TestProjectTransfer::stationUploadAnswersBeacons()
{
    REQUIRE_PRIVATE_NETWORK();
    startLink();
    CannedReceiver receiver;
    QVERIFY(receiver.start());
    CannedReceiver other;
    QVERIFY(other.start());
    QUdpSocket station;
    QVERIFY(station.bind(QHostAddress(QHostAddress::LocalHost), 0));
    ProjectUploadDlg upload(nullptr);
    upload.projectList = QStringList({"Home"});
    qint64 now = 1000000;
    upload.setClock([&now] { return now; });
    upload.show();
    QSignalSpy toasts(&upload, &MyDialog::signalsInformation);
    int frames = 0;
    connect(&gBroadcastSocket, &BroadcastSocket::dataIsComming, &upload, [&frames] { ++frames; });
    const auto beacon = [&](quint16 code, quint16 port) {
        station.writeDatagram(
            makeDeviceFrame(3, 9, 0x2025, 255, 255, beaconPayload(code, QByteArray("\x7F\x00\x00\x01", 4), port)),
            broadcastAll, udpPort);
    };

    // Before a code is shown, even a beacon carrying 0 is not answered.
    beacon(0, receiver.serverPort());
    QTRY_COMPARE(frames, 1);
    QCoreApplication::processEvents();

    upload.pushButtonSendToOtherDevice_clicked();
    const QString code = upload.transferCode();
    QCOMPARE(code.size(), 4);
    QVERIFY(!upload.findChild<QWidget *>("pushButtonSendToServer")->isVisible());
    QVERIFY(!upload.findChild<QWidget *>("pushButtonSendToOtherDevice")->isVisible());

    beacon(quint16((code.toInt() + 1) % 10000), receiver.serverPort());
    beacon(quint16(code.toInt()), receiver.serverPort());
    QTRY_COMPARE(lastToast(toasts), QString("success."));
    QCOMPARE(receiver.requests.size(), 1);
    const QByteArray request = receiver.requests.at(0);
    QVERIFY(request.startsWith("POST / HTTP/1.1\r\n"));
    QVERIFY(request.toLower().contains("content-type: application/zip\r\n"));
    QVERIFY(request.toLower().contains("devicetype: 0\r\n"));
    const QString got = home.path() + "/got.zip";
    writeFile(got, bodyOf(request));
    QStringList added;
    QCOMPARE(importProjectArchive(got, &added), ImportResult::Imported);
    QCOMPARE(readAll(projectFolderPath(added.value(0)) + "/" + added.value(0) + ".db3"),
             readAll(projectFolderPath("Home") + "/Home.db3"));

    // The same station within 9 seconds is ignored; another port is another station; after 10 s it is served.
    const int count = frames;
    now += 5;
    beacon(quint16(code.toInt()), receiver.serverPort());
    QTRY_COMPARE(frames, count + 1);
    QCoreApplication::processEvents();
    QVERIFY(!upload.isTransferring());
    beacon(quint16(code.toInt()), other.serverPort());
    QTRY_COMPARE(other.requests.size(), 1);
    QTRY_VERIFY(!upload.isTransferring());
    now += 5;
    beacon(quint16(code.toInt()), receiver.serverPort());
    QTRY_COMPARE(receiver.requests.size(), 2);
    QTRY_VERIFY(!upload.isTransferring());
    QCOMPARE(QDir(databaseFolderPath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 4);
}

void TestProjectTransfer::stationUploadLeavesTheBusFree()
{
    REQUIRE_PRIVATE_NETWORK();
    startLink();
    CannedReceiver slow;
    QVERIFY(slow.start());
    slow.holdAnswer = true;
    QUdpSocket station;
    QVERIFY(station.bind(QHostAddress(QHostAddress::LocalHost), 0));
    ProjectUploadDlg upload(nullptr);
    upload.projectList = QStringList({"Home"});
    upload.show();
    QSignalSpy toasts(&upload, &MyDialog::signalsInformation);
    upload.pushButtonSendToOtherDevice_clicked();
    int answered = 0;
    bool transferringWhileHeld = false;
    const QByteArray panelCall = makeDeviceFrame(3, 9, 0xE3D8, 1, 254, QByteArray("\x01\x02", 2));
    // While the receiver holds its answer, a wall panel's call still reaches the bus handlers.
    slow.onRequest = [&] {
        transferringWhileHeld = upload.isTransferring();
        upload.pushButtonSendToOtherDevice_clicked();
        station.writeDatagram(panelCall, broadcastAll, udpPort);
    };
    connect(&gBroadcastSocket, &BroadcastSocket::dataIsComming, &upload, [&](quint8 *, qlonglong length) {
        if (++answered == 2 && length == panelCall.size())
            slow.release();
    });

    station.writeDatagram(makeDeviceFrame(3, 9, 0x2025, 255, 255,
                                          beaconPayload(quint16(upload.transferCode().toInt()),
                                                        QByteArray("\x7F\x00\x00\x01", 4), slow.serverPort())),
                          broadcastAll, udpPort);
    QTRY_COMPARE(lastToast(toasts), QString("success."));
    QVERIFY(transferringWhileHeld);
    QCOMPARE(answered, 2);
    QCOMPARE(slow.requests.size(), 1);
    QCOMPARE(toasts.count(), 2);
    QCOMPARE(toasts.at(0).at(0).toString(), QString("Uploading...,please wait a moment"));
    QVERIFY(!upload.isTransferring());
}

void TestProjectTransfer::pageButtonsOpenTheDialogs()
{
    QVERIFY(addProject("B"));
    PageSettingProject page("Project Setting", "Project Setting", nullptr);
    page.refreshProjectList();
    for (ProjectSettingItem *row : page.findChildren<ProjectSettingItem *>()) {
        if (row->projectName() == "B")
            row->findChild<QtMaterialCheckBox *>()->click();
    }
    QStringList sentList;
    ProjectUploadDlg::setExecHook([&sentList](ProjectUploadDlg &dialog) {
        sentList = dialog.projectList;
        return int(QDialog::Rejected);
    });
    QMetaObject::invokeMethod(&page, "pushButtonUpload_clicked");
    QCOMPARE(sentList, QStringList({"B"}));

    // A download that imported nothing leaves the rows; one that did rebuilds them.
    const auto rowsBefore = page.findChildren<ProjectSettingItem *>();
    ProjectDownloadDlg::setExecHook([](ProjectDownloadDlg &) { return int(QDialog::Rejected); });
    QMetaObject::invokeMethod(&page, "pushButtonDownload_clicked");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(page.findChildren<ProjectSettingItem *>(), rowsBefore);
    ProjectDownloadDlg::setExecHook([](ProjectDownloadDlg &dialog) {
        if (!addProject("C"))
            QTest::qFail("the project list takes the imported project", __FILE__, __LINE__);
        dialog.projectImported = true;
        return int(QDialog::Rejected);
    });
    QMetaObject::invokeMethod(&page, "pushButtonDownload_clicked");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(page.findChildren<ProjectSettingItem *>().size(), 4);
}

QTEST_MAIN(TestProjectTransfer)
#include "tst_projecttransfer.moc"
