#include "pages/settings/projectuploaddlg.h"

#include "core/appsettings.h"
#include "core/globals.h"
#include "core/projectfolders.h"
#include "core/projectlist.h"
#include "devicelink/broadcastsocket.h"
#include "devicelink/httpclient.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "pages/settings/projecttransfer.h"

#include <QDateTime>
#include <QFileInfo>
#include <QGridLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>
#include <QTimer>

#include <algorithm>
#include <cstring>

namespace {
ProjectUploadDlg::ExecHook &execHook()
{
    static ProjectUploadDlg::ExecHook hook;
    return hook;
}

const quint16 beaconOpcode = 0x2025;
const quint8 beaconMark = 0x38;
// A station served this many whole seconds ago or less is not served again.
const qint64 serveAgainAfterSeconds = 9;
} // namespace

ProjectUploadDlg::ProjectUploadDlg(QWidget *parent)
    : MyDialog(parent), now([] { return QDateTime::currentSecsSinceEpoch(); })
{
    setObjectName("ProjectUploadDlg");
    makeFramelessPanel();
    resize(400, 300);
    setMinimumWidth(480);
    labelStatus = new QtMaterialLabel(QString(), 12, nullptr);
    labelHint = new QtMaterialLabel(tr("Please select upload method"), nullptr);
    labelHint->setObjectName("labelHint");

    labelCodeTitle = new QtMaterialLabel(tr("Code:"), 12, nullptr);
    labelCodeTitle->setObjectName("labelCodeTitle");
    labelCode = new QtMaterialLabel(QString(), 0, nullptr);
    labelCode->setObjectName("labelCode");
    labelCode->setTextColor(QColor("#00FF00"));
    labelCode->hide();
    labelTime = new QtMaterialLabel(QString(), 12, nullptr);
    labelTime->setObjectName("labelTime");
    auto *codeGrid = new QGridLayout;
    codeGrid->setSizeConstraint(QLayout::SetNoConstraint);
    codeGrid->setSpacing(20);
    codeGrid->addWidget(labelCodeTitle, 0, 0, Qt::AlignLeft);
    codeGrid->addWidget(labelCode, 0, 0, Qt::AlignCenter);
    codeGrid->addWidget(labelTime, 1, 0, Qt::AlignLeft);
    codeGrid->setRowStretch(2, 1);

    buttonServer = new QtMaterialFlatButton(tr("Send To Server"), 7, nullptr);
    buttonServer->setObjectName("pushButtonSendToServer");
    connect(buttonServer, &QtMaterialFlatButton::clicked, this, &ProjectUploadDlg::pushButtonSendToServer_clicked);
    buttonDevice = new QtMaterialFlatButton(tr("Send To Other Device"), 7, nullptr);
    buttonDevice->setObjectName("pushButtonSendToOtherDevice");
    connect(buttonDevice, &QtMaterialFlatButton::clicked, this, &ProjectUploadDlg::pushButtonSendToOtherDevice_clicked);
    layOutTransferDialog(this, labelStatus, ":/myImages/png/icon-projectsettings-upload.png", labelHint, buttonServer,
                         buttonDevice)
        ->addLayout(codeGrid, 3, 0);

    client = new HttpClient(this);
    connect(client, &HttpClient::signalsReplyPercent, this, &ProjectUploadDlg::slotsReplyPercent);
    connect(client, &HttpClient::signalsReplyFinished, this, &ProjectUploadDlg::slotsReplyFinished);
    connect(client, &HttpClient::signalsReplyErrorString, this, &ProjectUploadDlg::slotsReplyErrorString);
    connect(&gBroadcastSocket, &BroadcastSocket::dataIsComming, this, &ProjectUploadDlg::dataIsComming);
}

ProjectUploadDlg::~ProjectUploadDlg() = default;

int ProjectUploadDlg::exec()
{
    if (execHook())
        return execHook()(*this);
    return MyDialog::exec();
}

void ProjectUploadDlg::setExecHook(const ExecHook &hook)
{
    execHook() = hook;
}

QString ProjectUploadDlg::transferCode() const
{
    return labelCode->text();
}

void ProjectUploadDlg::showUploadCode()
{
    QString code;
    QString time;
    readIniSetting("project", "upload_code", code);
    readIniSetting("project", "upload_time", time);
    if (code.isEmpty() || time.isEmpty())
        return;
    labelCodeTitle->setText(QString("Code:%1").arg(code));
    labelTime->setText(time);
}

void ProjectUploadDlg::pushButtonSendToServer_clicked()
{
    if (transferring) {
        emit signalsInformation(tr("Uploading...,please wait a moment"));
        return;
    }
    const QString url = exchangeServerUrl("/v1/dbUpload");
    if (url.isEmpty()) {
        emit signalsInformation(tr("The project exchange server is not set!"));
        return;
    }
    sendToServer = true;
    labelStatus->clear();
    transferring = true;
    sendArchive(url);
}

void ProjectUploadDlg::pushButtonSendToOtherDevice_clicked()
{
    if (transferring) {
        emit signalsInformation(tr("Uploading...,please wait a moment"));
        return;
    }
    sendToServer = false;
    labelHint->setText(tr("Enter this code in receiving device"));
    labelStatus->clear();
    labelCode->setText(makeTransferCode());
    labelCode->show();
    labelCodeTitle->hide();
    labelTime->hide();
    buttonServer->hide();
    buttonDevice->hide();
    requesters.clear();
}

void ProjectUploadDlg::dataIsComming(quint8 *recvBuff, qlonglong recvLength)
{
    // The hub's buffer lives only during this call, and a short frame reads as zeros past its end.
    quint8 frame[BroadcastSocket::PacketBufferSize] = {};
    const qlonglong length = qBound<qlonglong>(0, recvLength, BroadcastSocket::PacketBufferSize);
    if (length > 0)
        std::memcpy(frame, recvBuff, size_t(length));

    // Until a code is on show there is nothing a beacon could match.
    if (!isVisible() || labelCode->text().isEmpty() || !gBroadcastSocket.checkPacket(frame, length))
        return;
    if (((frame[21] << 8) | frame[22]) != beaconOpcode || frame[25] != beaconMark)
        return;
    const int code = frame[26] * 256 + frame[27];
    const QString address = QString::asprintf("%d.%d.%d.%d", frame[28], frame[29], frame[30], frame[31]);
    const quint16 port = quint16(frame[32] * 256 + frame[33]);
    if (code != labelCode->text().toInt() || transferring)
        return;

    requesterRecord record;
    record.time = qint32(now());
    record.port = port;
    qstrncpy(record.ip, address.toUtf8().constData(), sizeof record.ip);
    if (!acceptRequester(record))
        return;

    transferring = true;
    const QString url = QString("http://%1:%2").arg(address).arg(port);
    // The POST waits in a nested loop; started from here it would hold up the bus handler that called us.
    QTimer::singleShot(0, this, [this, url] {
        labelStatus->clear();
        sendArchive(url);
    });
}

bool ProjectUploadDlg::acceptRequester(requesterRecord record)
{
    for (requesterRecord &listed : requesters) {
        if (std::strcmp(listed.ip, record.ip) == 0 && listed.port == record.port) {
            if (qint64(record.time) - listed.time <= serveAgainAfterSeconds)
                return false;
            listed = record;
            return true;
        }
    }
    requesters.append(record);
    return true;
}

void ProjectUploadDlg::sendArchive(const QString &url)
{
    // The packer skips projects without a folder; an archive of none of them would arrive as nothing.
    const bool anyProject = std::any_of(projectList.cbegin(), projectList.cend(), [](const QString &name) {
        return isValidProjectName(name) && QFileInfo(projectFolderPath(name)).isDir();
    });
    archive = makeTransferArchive();
    const bool packed = anyProject && archive && compressProjects(projectList, archive->fileName()) &&
                        QFileInfo(archive->fileName()).size() > 0;
    if (!packed) {
        archive.reset();
        transferring = false;
        emit signalsInformation(tr("Failed to pack the projects!"));
        return;
    }
    client->uploadFile(url, archive->fileName(), 0);
    archive.reset();
}

void ProjectUploadDlg::slotsReplyPercent(int percent)
{
    labelStatus->setText(QString::asprintf("%d%%", percent));
}

void ProjectUploadDlg::slotsReplyFinished(QByteArray reply)
{
    transferring = false;
    if (!sendToServer) {
        emit signalsInformation(tr("success."));
        return;
    }
    const QJsonDocument document = QJsonDocument::fromJson(reply);
    const QJsonObject object = document.object();
    const QJsonObject replyData = object.value("data").toObject();
    const QJsonValue token = replyData.value("token");
    // Only a reply that gives a code counts; anything else would leave the sender believing in an upload
    // nobody can fetch.
    if (!document.isObject() || !object.contains("code") || object.value("code").toInt() != 0 ||
        !object.value("data").isObject() || !token.isString() || token.toString().isEmpty()) {
        emit signalsInformation(tr("Upload failed!"));
        return;
    }
    const QString time = QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss");
    writeIniSetting("project", "upload_code", token.toString());
    writeIniSetting("project", "upload_time", time);
    labelCodeTitle->setText(QString("Code:%1").arg(token.toString()));
    labelTime->setText(time);
    emit signalsInformation(tr("success."));
}

void ProjectUploadDlg::slotsReplyErrorString(QString errorString)
{
    transferring = false;
    emit signalsInformation(errorString);
}

void ProjectUploadDlg::paintEvent(QPaintEvent *event)
{
    paintPanel();
    MyDialog::paintEvent(event);
}
