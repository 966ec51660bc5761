// What moving a large project costs: a project whose pictures make a 50 MB archive is packed, sent to the
// project-exchange server and fetched back by its token, sent from one station to another's receiver, and
// imported; the server download is measured once more with a receiver slow to take each piece. The exchange
// server is the tests' stub, in a process of its own that keeps archives in files; the two stations share this
// process. For each step the time and the growth of this process's peak resident memory are printed. Run inside
// scripts/netns-run on a Release build; prints "name value" lines.
//
//     scripts/netns-run build-release/bench/bench_transfer

#include "core/appsettings.h"
#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/globals.h"
#include "core/projectfolders.h"
#include "core/projectlist.h"
#include "devicelink/httpclient.h"
#include "devicelink/httpserver.h"
#include "pages/settings/projecttransfer.h"
#include "tests/support/exchangeserver.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/processmemory.h"
#include "tests/support/testarchive.h"
#include "tests/support/testenv.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

namespace {

const char stationHost[] = "127.0.0.2";
const char projectName[] = "Grand";
// How long the slow receiver dwells on each piece of a download.
const int SlowReceiverPauseUs = 2000;

void print(const char *name, double value, int decimals = 0)
{
    std::printf("%s %.*f\n", name, decimals, value);
    std::fflush(stdout);
}

// Lets the peak resident memory start again from what the process holds now.
void resetPeak()
{
    if (!resetPeakMemory())
        std::fprintf(stderr, "cannot reset the peak memory; growth figures are upper bounds\n");
}

// Runs step, then prints <name>_ms and <name>_peak_rss_growth_mb.
template <typename Step> void measure(const char *name, Step step)
{
    resetPeak();
    const qint64 before = residentKb();
    QElapsedTimer timer;
    timer.start();
    step();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const double growth = double(peakResidentKb() - before) / 1024.0;
    print(QByteArray(name).append("_ms").constData(), ms);
    print(QByteArray(name).append("_peak_rss_growth_mb").constData(), growth, 1);
}

// As the download dialog keeps a piece: appended to the archive file, which is open only meanwhile.
void appendPiece(const QString &path, const QByteArray &piece)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(piece) != piece.size())
        std::fprintf(stderr, "cannot write %s\n", qUtf8Printable(path));
}

// The project: its database and 25 photos of noise, 2 MB each, which no packer can shrink.
void makeProject()
{
    QDir().mkpath(projectFolderPath(projectName));
    if (!addProject(projectName))
        qFatal("the project list could not be written");
    createDatabaseTables(projectFolderPath(projectName) + "/" + projectName + ".db3");
    gDatabase.close();
    QRandomGenerator random(1211);
    QImage image(1024, 683, QImage::Format_RGB888);
    for (int i = 1; i <= 25; ++i) {
        for (int y = 0; y < image.height(); ++y)
            random.fillRange(reinterpret_cast<quint32 *>(image.scanLine(y)), image.bytesPerLine() / 4);
        image.save(QString("%1/photo_Room_%2.png").arg(projectFolderPath(projectName)).arg(i), "PNG", 100);
    }
}

// The exchange server's stub: serves on 127.0.0.1:6001, keeps archives in folder, ends when its input closes.
int runExchangeStub(int argc, char **argv, const QString &folder)
{
    QCoreApplication app(argc, argv);
    ExchangeServer server;
    server.setStorageFolder(folder);
    if (!server.start(ExchangeServerPort))
        return 1;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&app] {
        char byte;
        if (::read(STDIN_FILENO, &byte, 1) <= 0)
            app.quit();
    });
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

QString tokenOf(const QByteArray &reply)
{
    return QJsonDocument::fromJson(reply).object().value("data").toObject().value("token").toString();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && QByteArray(argv[1]) == "--exchange-stub")
        return runExchangeStub(argc, argv, QString::fromLocal8Bit(argv[2]));

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    testenv::useFreshHome(home);
    QApplication app(argc, argv);
    if (!privatenetwork::inside()) {
        std::fprintf(stderr, "bench_transfer opens the station's ports: run it through scripts/netns-run\n");
        return 2;
    }

    gAppDirPath = home.path() + "/app";
    QDir().mkpath(databaseFolderPath());
    if (!createProjectXml())
        qFatal("the project list could not be written");
    makeProject();
    writeIniSetting("project", "exchange_server", "127.0.0.1");

    QTemporaryDir store;
    QProcess stub;
    stub.start(QCoreApplication::applicationFilePath(), {"--exchange-stub", store.path()});
    if (!stub.waitForReadyRead(10000) || !stub.readAllStandardOutput().startsWith("ready")) {
        std::fprintf(stderr, "the exchange server's stub did not start\n");
        return 1;
    }

    // Pack, as the upload dialog does.
    std::unique_ptr<QTemporaryFile> archive = makeTransferArchive();
    bool packed = false;
    measure("pack", [&] { packed = compressProjects({projectName}, archive->fileName()); });
    const qint64 archiveSize = QFileInfo(archive->fileName()).size();
    print("archive_mb", double(archiveSize) / (1024 * 1024), 1);
    const QByteArray archiveHash = testarchive::sha1Of(archive->fileName());
    if (!packed)
        std::fprintf(stderr, "packing failed\n");

    // Up to the exchange server.
    QString token;
    measure("upload_server", [&] {
        HttpClient client;
        QObject::connect(&client, &HttpClient::signalsReplyFinished,
                         [&token](QByteArray reply) { token = tokenOf(reply); });
        QObject::connect(&client, &HttpClient::signalsReplyErrorString,
                         [](QString error) { std::fprintf(stderr, "upload: %s\n", qUtf8Printable(error)); });
        client.uploadFile(exchangeServerUrl("/v1/dbUpload"), archive->fileName(), 0);
    });
    if (token.isEmpty() || testarchive::sha1Of(QDir(store.path()).filePath(token + ".zip")) != archiveHash)
        std::fprintf(stderr, "the server did not keep the archive whole\n");

    // Back down by the token, into a file of its own, piece by piece as the download dialog takes it.
    std::unique_ptr<QTemporaryFile> fetched = makeTransferArchive();
    measure("download_server", [&] {
        HttpClient client;
        client.setReplyInPieces(true);
        const QString path = fetched->fileName();
        QObject::connect(&client, &HttpClient::signalsReplyData,
                         [&path](QByteArray piece) { appendPiece(path, piece); });
        QObject::connect(&client, &HttpClient::signalsReplyErrorString,
                         [](QString error) { std::fprintf(stderr, "download: %s\n", qUtf8Printable(error)); });
        client.postJson(exchangeServerUrl("/v1/dbDownload"), token);
    });
    if (testarchive::sha1Of(fetched->fileName()) != archiveHash)
        std::fprintf(stderr, "the archive fetched from the server differs\n");

    // The same with a receiver that is slow to take each piece, as a user interface busy painting is: the server
    // is then far ahead of it, and what it sent must wait in the connection, not in this process.
    std::unique_ptr<QTemporaryFile> fetchedSlowly = makeTransferArchive();
    measure("download_server_slow_receiver", [&] {
        HttpClient client;
        client.setReplyInPieces(true);
        const QString path = fetchedSlowly->fileName();
        QObject::connect(&client, &HttpClient::signalsReplyData, [&path](QByteArray piece) {
            appendPiece(path, piece);
            ::usleep(SlowReceiverPauseUs);
        });
        QObject::connect(&client, &HttpClient::signalsReplyErrorString,
                         [](QString error) { std::fprintf(stderr, "slow download: %s\n", qUtf8Printable(error)); });
        client.postJson(exchangeServerUrl("/v1/dbDownload"), token);
    });
    if (testarchive::sha1Of(fetchedSlowly->fileName()) != archiveHash)
        std::fprintf(stderr, "the archive fetched slowly from the server differs\n");

    // Station to station: the sender posts to the receiver's server on its host address, port 8080.
    gHostIp = stationHost;
    std::unique_ptr<QTemporaryFile> received = makeTransferArchive();
    measure("station_to_station", [&] {
        HttpServer server;
        if (!server.listenOnHost(HttpServer::DefaultPort))
            std::fprintf(stderr, "the receiver cannot listen on %s:8080\n", stationHost);
        const QString path = received->fileName();
        bool whole = false;
        QObject::connect(&server, &HttpServer::signalsDownloadData,
                         [&path](QByteArray piece) { appendPiece(path, piece); });
        QObject::connect(&server, &HttpServer::signalsReplyFinished, [&whole] { whole = true; });
        HttpClient sender;
        QObject::connect(&sender, &HttpClient::signalsReplyErrorString,
                         [](QString error) { std::fprintf(stderr, "station: %s\n", qUtf8Printable(error)); });
        sender.uploadFile(QString("http://%1:%2").arg(stationHost).arg(HttpServer::DefaultPort), archive->fileName(),
                          0);
        while (!whole)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    });
    if (testarchive::sha1Of(received->fileName()) != archiveHash)
        std::fprintf(stderr, "the archive received from the station differs\n");

    // The import of what arrived.
    QStringList added;
    ImportResult result = ImportResult::InvalidArchive;
    measure("import", [&] { result = importProjectArchive(received->fileName(), &added); });
    if (result != ImportResult::Imported || added != QStringList{QString(projectName) + "_1"} ||
        testarchive::sha1Of(projectFolderPath(added.value(0)) + "/photo_Room_25.png") !=
            testarchive::sha1Of(projectFolderPath(projectName) + "/photo_Room_25.png"))
        std::fprintf(stderr, "the import went wrong\n");

    stub.closeWriteChannel();
    if (!stub.waitForFinished(5000))
        stub.kill();
    return 0;
}
