#pragma once
// The application's only top-level window: menu bar, page host and message strip, the application's toast,
// the page factory and navigation, and the receiver of the hub's navigation and network signals.

#include "devicelink/messagerecords.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

class MenuBar;
class MyDialog;
class QtMaterialCanvas;
class QtMaterialGroupBox;
class QtMaterialSnackbar;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // beforeHomePage, when given, runs once the window's frame is on screen and before the home page is built:
    // the program's start opens the current project's database there, so that its window shows without waiting
    // for the database to be made or checked.
    explicit MainWindow(QWidget *parent = nullptr, const std::function<void()> &beforeHomePage = {});
    ~MainWindow() override;

    // Makes sure that the page of id exists and carries name; an id outside the page table makes nothing.
    void createPage(const QString &id, const QString &name);

    // Read-only views for the tests and for the message handling that shares this window.
    const QList<QPointer<MyDialog>> &createdPages() const { return pages; }
    MyDialog *page(const QString &id) const;
    MenuBar *menu() const { return menuBar; }
    QtMaterialGroupBox *pageArea() const { return pageHost; }
    QtMaterialSnackbar *toast() const { return snackbar; }
    const QTimer &universalSwitchTimer() const { return switchTimer; }
    const QTimer &networkConnectTimer() const { return connectTimer; }
    const QList<universalSwitchMessage> &pendingGuestRequests() const { return pendingSwitches; }

    // The main window's toast keeps at most this many texts waiting behind the one on show.
    static constexpr int toastQueueLimit = 5;

    // Test seam: the periods of the login attempts and of the guest-request check (1000 ms each) for windows
    // built or logins started afterwards.
    static void setTimerIntervals(int connectMilliseconds, int switchMilliseconds);

    // The guest-message strip lives above the shell, so the program's top hands the shell a maker for it before
    // the first window is built, as it registers the pages. Each window then makes its one strip; without a
    // maker the strip's row stays empty. An empty maker takes it back.
    using MessageBarMaker = std::function<QWidget *()>;
    static void setMessageBarMaker(const MessageBarMaker &maker);
    QWidget *messageStrip() const { return messageBar; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void dataIsComming(quint8 *recvBuff, qlonglong recvLength);
    void slotsInformation(QString info);
    void slotsConnectNetwork();
    void slotsUniversalSwitch();
    void slotsPageIdChanged(QString id, QString name, QString prm1, QString prm2);
    void slotsNetworkSetting();
    void slotsProjectSetting(QString projectName);
    void slotsNetworkOpen();
    void slotsNetworkConnectState(bool loginSuccess, QString msg);

private:
    void initHomePage();
    // A wall panel's universal switch changed: log an alarm at once, queue a service request for its debounce.
    void handleUniversalSwitch(quint8 subnet, quint8 device, int switchNo, int state);
    // Writes a debounced service request to the message log and announces it.
    void saveSwitchMessage(universalSwitchMessage msg);
    // Writes the given service requests and announces those stored; none is lost without a word.
    void saveSwitchMessages(const QList<universalSwitchMessage> &due);
    // A project switch is about to leave the current project: the requests still waiting belong to it.
    void storePendingBeforeLeaving();

    QtMaterialSnackbar *snackbar = nullptr;
    // Pages in creation order; they are children of the page host and live as long as the window.
    QList<QPointer<MyDialog>> pages;
    // Service requests waiting for their debounce.
    QList<universalSwitchMessage> pendingSwitches;
    MenuBar *menuBar = nullptr;
    QtMaterialGroupBox *pageHost = nullptr;
    QtMaterialCanvas *canvas = nullptr;
    // The guest-message strip below the page host, shown on the Home page only.
    QWidget *messageBar = nullptr;
    QTimer connectTimer;
    QTimer switchTimer;
    int connectTries = 0;
    // Counts navigation requests, so that a request can tell when a newer one has taken over.
    quint64 navigationRequest = 0;
    Ui::MainWindow *ui = nullptr;
};
