#include "pages/settings/projectdownloaddlg.h"

#include "core/globals.h"
#include "core/projectfolders.h"
#include "devicelink/buscommands.h"
#include "devicelink/httpclient.h"
#include "devicelink/httpserver.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "pages/settings/projecttransfer.h"

#include <QGridLayout>
#include <QTemporaryFile>
#include <QTimer>

namespace {
ProjectDownloadDlg::ExecHook &execHook()
{
    static ProjectDownloadDlg::ExecHook hook;
    return hook;
}

const int beaconIntervalMs = 1000;

QString diskFullText()
{
    return ProjectDownloadDlg::tr("The disk is full: the archive cannot be received!");
}
} // namespace

ProjectDownloadDlg::ProjectDownloadDlg(QWidget *parent) : MyDialog(parent)
{
    setObjectName("ProjectDownloadDlg");
    makeFramelessPanel();
    resize(400, 300);
    setMinimumWidth(480);
    labelStatus = new QtMaterialLabel(QString(), 12, nullptr);
    auto *hint = new QtMaterialLabel(tr("Enter the code from sending device"), nullptr);
    hint->setObjectName("labelHint");
    lineEditCode = new QtMaterialLineEdit(nullptr);
    lineEditCode->setObjectName("lineEditCode");
    lineEditCode->setAlignment(Qt::AlignCenter);
    auto *fromServer = new QtMaterialFlatButton(tr("Download Server"), 7, nullptr);
    fromServer->setObjectName("pushButtonDownloadServer");
    connect(fromServer, &QtMaterialFlatButton::clicked, this, &ProjectDownloadDlg::pushButtonDownloadServer_clicked);
    auto *fromDevice = new QtMaterialFlatButton(tr("Download Device"), 7, nullptr);
    fromDevice->setObjectName("pushButtonDownloadDevice");
    connect(fromDevice, &QtMaterialFlatButton::clicked, this, &ProjectDownloadDlg::pushButtonDownloadDevice_clicked);
    layOutTransferDialog(this, labelStatus, ":/myImages/png/icon-projectsettings-download.png", hint, fromServer,
                         fromDevice)
        ->addWidget(lineEditCode, 3, 0);

    client = new HttpClient(this);
    // The archive goes to its file piece by piece as it arrives, never whole through memory.
    client->setReplyInPieces(true);
    connect(client, &HttpClient::signalsReplyData, this, &ProjectDownloadDlg::slotsDownloadData);
    connect(client, &HttpClient::signalsReplyPercent, this, &ProjectDownloadDlg::slotsReplyPercent);
    connect(client, &HttpClient::signalsReplyFinished, this, &ProjectDownloadDlg::slotsDownloadServer);
    connect(client, &HttpClient::signalsReplyErrorString, this, &ProjectDownloadDlg::slotsReplyErrorString);

    timer = new QTimer(this);
    timer->setInterval(beaconIntervalMs);
    connect(timer, &QTimer::timeout, this, &ProjectDownloadDlg::slotsDownloadDB);
}

ProjectDownloadDlg::~ProjectDownloadDlg()
{
    stopReceiving();
}

int ProjectDownloadDlg::exec()
{
    if (execHook())
        return execHook()(*this);
    return MyDialog::exec();
}

void ProjectDownloadDlg::setExecHook(const ExecHook &hook)
{
    execHook() = hook;
}

bool ProjectDownloadDlg::checkCode(bool deviceWay)
{
    const QString code = lineEditCode->text();
    if (code.isEmpty()) {
        emit signalsInformation(tr("Please input the complete content!"));
        return false;
    }
    for (const QChar c : code) {
        if (c < '0' || c > '9') {
            emit signalsInformation(tr("Invalid code,please input new value!"));
            return false;
        }
    }
    // Leading zeros are fine; only the value counts, and a beacon has 16 bits for it.
    int firstDigit = 0;
    while (firstDigit < code.size() - 1 && code.at(firstDigit) == '0')
        ++firstDigit;
    if (deviceWay && code.size() - firstDigit > 4) {
        emit signalsInformation(tr("Invalid code,please input new value!"));
        return false;
    }
    return true;
}

HttpServer *ProjectDownloadDlg::httpServer() const
{
    return server;
}

void ProjectDownloadDlg::stopReceiving()
{
    timer->stop();
    if (server) {
        if (server->isListening())
            server->close();
        server->deleteLater();
        server = nullptr;
    }
}

bool ProjectDownloadDlg::startArchive()
{
    archiveWriteFailed = false;
    archive = makeTransferArchive();
    if (!archive) {
        emit signalsInformation(tr("Failed to open file!"));
        return false;
    }
    return true;
}

void ProjectDownloadDlg::pushButtonDownloadDevice_clicked()
{
    if (!checkCode(true))
        return;
    if (transferring && !server) {
        // The server download runs in a nested loop; its archive must not be swapped under it.
        emit signalsInformation(tr("Downloading...,please wait a moment"));
        return;
    }
    if (noRoomForArchives(databaseFolderPath())) {
        emit signalsInformation(diskFullText());
        return;
    }
    // A second press restarts the wait with the code now typed.
    stopReceiving();
    labelStatus->clear();

    server = new HttpServer(nullptr);
    if (!server->listenOnHost(HttpServer::DefaultPort)) {
        server->deleteLater();
        server = nullptr;
        transferring = false;
        emit signalsInformation(QString::asprintf(qUtf8Printable(tr("Failed to start server(%s:%d)!")),
                                                  qUtf8Printable(gHostIp), int(HttpServer::DefaultPort)));
        return;
    }
    connect(server, &HttpServer::signalsDownloadData, this, &ProjectDownloadDlg::slotsDownloadData);
    connect(server, &HttpServer::signalsReplyPercent, this, &ProjectDownloadDlg::slotsReplyPercent);
    connect(server, &HttpServer::signalsReplyFinished, this, &ProjectDownloadDlg::slotsReplyFinished);
    connect(server, &HttpServer::signalsReplyErrorString, this, &ProjectDownloadDlg::slotsReplyErrorString);
    connect(server, &HttpServer::signalsSenderDropped, this, &ProjectDownloadDlg::slotsSenderDropped);

    if (!startArchive()) {
        stopReceiving();
        transferring = false;
        return;
    }
    transferring = true;
    slotsDownloadDB();
    timer->start();
}

void ProjectDownloadDlg::pushButtonDownloadServer_clicked()
{
    if (!checkCode(false))
        return;
    if (transferring) {
        emit signalsInformation(tr("Downloading...,please wait a moment"));
        return;
    }
    const QString url = exchangeServerUrl("/v1/dbDownload");
    if (url.isEmpty()) {
        emit signalsInformation(tr("The project exchange server is not set!"));
        return;
    }
    if (noRoomForArchives(databaseFolderPath())) {
        emit signalsInformation(diskFullText());
        return;
    }
    stopReceiving();
    labelStatus->clear();
    if (!startArchive())
        return;
    transferring = true;
    client->postJson(url, lineEditCode->text());
}

void ProjectDownloadDlg::slotsDownloadDB()
{
    // Read at every beacon, so that a corrected code takes effect with the next one.
    sendProjectDownloadRequest(quint16(lineEditCode->text().toUInt()), gHostIp, HttpServer::DefaultPort);
}

void ProjectDownloadDlg::slotsDownloadData(QByteArray postData)
{
    if (!archive || archiveWriteFailed)
        return;
    QFile file(archive->fileName());
    const WriteResult written =
        file.open(QIODevice::WriteOnly | QIODevice::Append) ? writeToFile(file, postData) : WriteResult::Failed;
    if (written != WriteResult::Written) {
        // One message for the whole transfer, and no import of what arrived.
        archiveWriteFailed = true;
        emit signalsInformation(written == WriteResult::DiskFull ? diskFullText() : tr("Failed to open file!"));
    }
}

void ProjectDownloadDlg::slotsDownloadServer(QByteArray received)
{
    slotsDownloadData(received);
    slotsReplyFinished();
}

void ProjectDownloadDlg::slotsReplyPercent(int percent)
{
    labelStatus->setText(QString::asprintf("%d%%", percent));
}

void ProjectDownloadDlg::slotsReplyFinished()
{
    stopReceiving();
    transferring = false;
    if (!archive)
        return;
    if (archiveWriteFailed) {
        archive.reset(); // already told
        return;
    }
    QStringList added;
    QStringList skipped;
    const ImportResult result = importProjectArchive(archive->fileName(), &added, &skipped);
    archive.reset();
    if (!added.isEmpty())
        projectImported = true;
    QString text;
    switch (result) {
    case ImportResult::Imported:
        text = tr("success.");
        break;
    case ImportResult::WriteFailed:
        text = tr("Failed to import the projects!");
        break;
    case ImportResult::DiskFull:
        text = tr("The disk is full: the projects cannot be imported!");
        break;
    case ImportResult::InvalidArchive:
        text = tr("Invalid project archive!");
        break;
    }
    if (!skipped.isEmpty())
        text += ' ' + tr("Not imported, as they hold no project database: %1").arg(skipped.join(", "));
    emit signalsInformation(text);
}

void ProjectDownloadDlg::slotsReplyErrorString(QString errorString)
{
    stopReceiving();
    transferring = false;
    archive.reset();
    // The receiver turns away an archive the disk has no room for, in the same words as a malformed request.
    emit signalsInformation(noRoomForArchives(databaseFolderPath()) ? diskFullText() : errorString);
}

void ProjectDownloadDlg::slotsSenderDropped(QString reason)
{
    // The wait goes on: the sender answers a later beacon again. What it sent so far is no part of that.
    labelStatus->clear();
    emit signalsInformation(reason);
    if (!server || !startArchive()) {
        stopReceiving();
        transferring = false;
    }
}

void ProjectDownloadDlg::paintEvent(QPaintEvent *event)
{
    paintPanel();
    MyDialog::paintEvent(event);
}
