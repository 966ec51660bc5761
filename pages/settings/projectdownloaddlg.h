#pragma once
// Modal dialog that fetches a project archive by code, from the project-exchange server or straight from
// another station that posts it here after our beacons, and adds its projects under free names.

#include "shell/mydialog.h"

#include <QPointer>

#include <functional>
#include <memory>

class HttpClient;
class HttpServer;
class QTemporaryFile;
class QTimer;
class QtMaterialLabel;
class QtMaterialLineEdit;

class ProjectDownloadDlg : public MyDialog
{
    Q_OBJECT

public:
    explicit ProjectDownloadDlg(QWidget *parent);
    ~ProjectDownloadDlg() override;

    // Set once an archive has added projects; the caller then rebuilds its list.
    bool projectImported = false;
    bool isTransferring() const { return transferring; }

    QtMaterialLineEdit *codeField() const { return lineEditCode; }
    HttpClient *httpClient() const { return client; }
    QTimer *beaconTimer() const { return timer; }
    // The receiver while a station download waits or runs; tests shorten its limits.
    HttpServer *httpServer() const;

    int exec() override;
    // Test seam: while a hook is set, exec() does not show the dialog but returns what the hook returns.
    using ExecHook = std::function<int(ProjectDownloadDlg &dialog)>;
    static void setExecHook(const ExecHook &hook);

public slots:
    void pushButtonDownloadDevice_clicked();
    void pushButtonDownloadServer_clicked();
    void slotsDownloadDB();
    void slotsDownloadData(QByteArray postData);
    void slotsDownloadServer(QByteArray received);
    void slotsReplyPercent(int percent);
    void slotsReplyFinished();
    void slotsReplyErrorString(QString errorString);
    void slotsSenderDropped(QString reason);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool checkCode(bool deviceWay);
    bool startArchive();
    void stopReceiving();

    QtMaterialLabel *labelStatus = nullptr;
    QtMaterialLineEdit *lineEditCode = nullptr;
    HttpClient *client = nullptr;
    QTimer *timer = nullptr;
    QPointer<HttpServer> server;
    std::unique_ptr<QTemporaryFile> archive;
    bool archiveWriteFailed = false;
    bool transferring = false;
};
