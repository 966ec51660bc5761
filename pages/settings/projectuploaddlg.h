#pragma once
// Modal dialog that sends the chosen projects as one archive to the project-exchange server (which answers
// with a code to fetch them by) or straight to another station that announces itself with our transfer code.

#include "shell/mydialog.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <memory>

class HttpClient;
class QTemporaryFile;
class QtMaterialFlatButton;
class QtMaterialLabel;

// One station that asked for the projects, and when it was last served.
struct requesterRecord
{
    qint32 time = 0; // seconds since 1970
    quint16 port = 0;
    char ip[130] = {}; // "%d.%d.%d.%d", NUL-terminated
};

class ProjectUploadDlg : public MyDialog
{
    Q_OBJECT

public:
    explicit ProjectUploadDlg(QWidget *parent);
    ~ProjectUploadDlg() override;

    // The projects to send, set by the caller before exec().
    QStringList projectList;

    // Shows the last code the exchange server gave, with its time, when one is stored.
    void showUploadCode();
    // True when the station is to be served now: not served within the last 9 whole seconds.
    bool acceptRequester(requesterRecord record);

    bool isTransferring() const { return transferring; }
    HttpClient *httpClient() const { return client; }
    // The transfer code on show, empty until "Send To Other Device" was pressed.
    QString transferCode() const;

    // Test seam: seconds since 1970 as the rate limit reads them.
    using Clock = std::function<qint64()>;
    void setClock(const Clock &clock) { now = clock; }

    int exec() override;
    // Test seam: while a hook is set, exec() does not show the dialog but returns what the hook returns.
    using ExecHook = std::function<int(ProjectUploadDlg &dialog)>;
    static void setExecHook(const ExecHook &hook);

public slots:
    void pushButtonSendToServer_clicked();
    void pushButtonSendToOtherDevice_clicked();
    void dataIsComming(quint8 *recvBuff, qlonglong recvLength);
    void slotsReplyPercent(int percent);
    void slotsReplyFinished(QByteArray reply);
    void slotsReplyErrorString(QString errorString);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void sendArchive(const QString &url);

    QtMaterialLabel *labelStatus = nullptr;
    QtMaterialLabel *labelHint = nullptr;
    QtMaterialLabel *labelCodeTitle = nullptr;
    QtMaterialLabel *labelCode = nullptr;
    QtMaterialLabel *labelTime = nullptr;
    QtMaterialFlatButton *buttonServer = nullptr;
    QtMaterialFlatButton *buttonDevice = nullptr;
    HttpClient *client = nullptr;
    std::unique_ptr<QTemporaryFile> archive;
    QList<requesterRecord> requesters;
    Clock now;
    bool transferring = false;
    bool sendToServer = false;
};
