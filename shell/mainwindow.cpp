#include "shell/mainwindow.h"

#include "shell/pageids.h"
#include "ui_mainwindow.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/hostaddress.h"
#include "core/projectlist.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmaterialsnackbar.h"
#include "shell/guestrequests.h"
#include "shell/menubar.h"
#include "shell/mydialog.h"
#include "shell/networkstyledlg.h"
#include "shell/pagefactory.h"
#include "shell/projectselectdlg.h"
#include "shell/projectswitch.h"
#include "shell/serverlogin.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QGridLayout>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include <cstring>

namespace {

int connectIntervalMs = 1000;
int switchIntervalMs = 1000;

MainWindow::MessageBarMaker &messageBarMaker()
{
    static MainWindow::MessageBarMaker maker;
    return maker;
}

} // namespace

void MainWindow::setTimerIntervals(int connectMilliseconds, int switchMilliseconds)
{
    connectIntervalMs = connectMilliseconds;
    switchIntervalMs = switchMilliseconds;
}

void MainWindow::setMessageBarMaker(const MessageBarMaker &maker)
{
    messageBarMaker() = maker;
}

MainWindow::MainWindow(QWidget *parent, const std::function<void()> &beforeHomePage)
    : QMainWindow(parent), snackbar(new QtMaterialSnackbar(nullptr)), ui(new Ui::MainWindow)
{
    ui->setupUi(this);

    // Frameless and translucent; paintEvent makes every pixel opaque again in the application colour.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    snackbar->setParent(this);

    QPalette pal = palette();
    pal.setBrush(QPalette::All, QPalette::Window, QBrush(MyDialog::backgroundColor));
    setAutoFillBackground(true);
    setPalette(pal);
    ui->centralwidget->setAutoFillBackground(true);
    ui->centralwidget->setPalette(pal);

    menuBar = new MenuBar(nullptr);
    connect(menuBar, &MenuBar::signalsProjectSetting, this, &MainWindow::slotsProjectSetting);
    connect(menuBar, &MenuBar::signalsNetworkSetting, this, &MainWindow::slotsNetworkSetting);
    connect(menuBar, &MenuBar::signalsMinimize, this, &MainWindow::showMinimized);
    connect(menuBar, &MenuBar::signalsClosed, this, &MainWindow::close);

    pageHost = new QtMaterialGroupBox(QString(), nullptr);
    pageHost->setStyleSheet("QGroupBox{border:none;}");
    canvas = new QtMaterialCanvas(this);
    canvas->setWidget(pageHost);
    canvas->setWidgetResizable(true);

    if (messageBarMaker())
        messageBar = messageBarMaker()();

    auto *grid = new QGridLayout;
    grid->setSizeConstraint(QLayout::SetNoConstraint);
    grid->setSpacing(0);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(menuBar, 0, 0);
    grid->addWidget(canvas, 1, 0);
    if (messageBar)
        grid->addWidget(messageBar, 2, 0);
    grid->setRowStretch(1, 1);
    ui->centralwidget->setLayout(grid);

    connect(&connectTimer, &QTimer::timeout, this, &MainWindow::slotsConnectNetwork);
    connect(&switchTimer, &QTimer::timeout, this, &MainWindow::slotsUniversalSwitch);

    connect(&gBroadcastSocket, &BroadcastSocket::signalsInformation, this, &MainWindow::slotsInformation);
    connect(&gBroadcastSocket, &BroadcastSocket::dataIsComming, this, &MainWindow::dataIsComming);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged, this, &MainWindow::slotsPageIdChanged);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsNetworkOpen, this, &MainWindow::slotsNetworkOpen);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsNetworkConnectState, this,
            &MainWindow::slotsNetworkConnectState);

    // Maximising is the window manager's business; where there is none (a kiosk session, a bare X server) the
    // window would stay at its form size, so it starts out covering the screen's available area already.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
    setWindowTitle(tr("Zoduv"));

    ProjectSwitch::setBeforeLeaving([this] { storePendingBeforeLeaving(); });

    // The frame is painted now, before the project is opened and the home page is built: the window is on screen
    // at once, and the page fills it with the next paint.
    QCoreApplication::processEvents();

    if (beforeHomePage)
        beforeHomePage();
    initHomePage();
}

MainWindow::~MainWindow()
{
    ProjectSwitch::setBeforeLeaving({});
    delete ui;
}

MyDialog *MainWindow::page(const QString &id) const
{
    for (const QPointer<MyDialog> &p : pages) {
        if (p && p->pageId() == id)
            return p;
    }
    return nullptr;
}

void MainWindow::createPage(const QString &id, const QString &name)
{
    if (MyDialog *cached = page(id)) {
        cached->setPageName(name);
        return;
    }

    MyDialog *created = PageFactory::create(id, name);
    if (!created)
        return;
    pages.append(created);

    auto *layout = qobject_cast<QVBoxLayout *>(pageHost->layout());
    if (!layout) {
        layout = new QVBoxLayout;
        layout->setSizeConstraint(QLayout::SetNoConstraint);
        layout->setSpacing(0);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    layout->addWidget(created);
    pageHost->setLayout(layout);
}

void MainWindow::slotsPageIdChanged(QString id, QString name, QString prm1, QString prm2)
{
    // The hub calls its receivers directly, so a receiver of the signals below may ask for another page
    // while this request is still under way. The newer request then does the whole change itself, and this
    // one stops where it is: carrying on would show a second page and enter it with stale parameters.
    const quint64 request = ++navigationRequest;
    auto superseded = [this, request] { return request != navigationRequest; };

    createPage(id, name);
    emit gBroadcastSocket.signalsPageCurrent(id, name, prm1, prm2);
    if (superseded())
        return;

    const bool home = id == trPageId(PageId::Home);
    menuBar->setHomeMode(home);
    if (messageBar)
        messageBar->setVisible(home);

    // Walk the pages as they were when this request began; the list only ever grows.
    const QList<QPointer<MyDialog>> snapshot = pages;
    for (const QPointer<MyDialog> &p : snapshot) {
        if (!p)
            continue;
        if (!p->isHidden() && p->pageId() != id) {
            emit gBroadcastSocket.signalsPageLeave(p->pageId());
            if (superseded())
                return;
            if (!p)
                continue;
        }
        p->setVisible(p->pageId() == id);
    }

    emit gBroadcastSocket.signalsStopRefresh(false);
    if (superseded())
        return;
    emit gBroadcastSocket.signalsPageEnter(prm1, prm2);
}

void MainWindow::initHomePage()
{
    const QString home = trPageId(PageId::Home);
    createPage(home, home);
    if (MyDialog *homePage = page(home))
        homePage->show();
    emit gBroadcastSocket.signalsPageCurrent(home, home, QString(), QString());

    QString projectName;
    if (!getCurrentProjectName(projectName))
        projectName.clear();
    QString networkType;
    if (!projectName.isEmpty())
        getProjectProperty(projectName, "network_type", networkType);
    bool ok = false;
    gNetworkType = networkType.toInt(&ok);
    if (!ok)
        gNetworkType = 0;

    emit gBroadcastSocket.signalsProjectStateChanged(projectName);
    emit gBroadcastSocket.signalsNetworkStateChanged(false);
    emit gBroadcastSocket.signalsNetworkOpen();

    switchTimer.start(switchIntervalMs);
}

void MainWindow::slotsInformation(QString info)
{
    if (!isVisible())
        return;
    // Any host can send texts here (a login reply is taken also while no login runs): a text already waiting
    // is not queued twice, and the queue stays short, its oldest waiting text giving way.
    if (snackbar->messages().mid(1).contains(info))
        return;
    snackbar->addMessage(info);
    snackbar->trimWaiting(toastQueueLimit);
}

void MainWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(rect(), MyDialog::backgroundColor);
    painter.end();
    QMainWindow::paintEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    connectTimer.stop();
    switchTimer.stop();
    QMainWindow::closeEvent(event);
}

void MainWindow::dataIsComming(quint8 *recvBuff, qlonglong recvLength)
{
    // The device link reuses its buffer for the next packet, and every check below must see only the bytes
    // that arrived: the length received, never the size of the buffer.
    quint8 buffer[BroadcastSocket::PacketBufferSize];
    std::memset(buffer, 0, sizeof buffer);
    const qint64 length = recvBuff ? qBound<qint64>(0, recvLength, BroadcastSocket::PacketBufferSize) : 0;
    if (length > 0)
        std::memcpy(buffer, recvBuff, size_t(length));

    if (gBroadcastSocket.checkPacket(buffer, length)) {
        GuestRequests::SwitchFrame frame;
        if (GuestRequests::readSwitchFrame(buffer, length, frame)) {
            // Answered at once and to all devices, before the panel is even looked up.
            const char payload[2] = {char(frame.switchNo), char(frame.state)};
            gBroadcastSocket.sendCommand(13, GuestRequests::answerOpcode, 255, 255, payload, 2);
            handleUniversalSwitch(frame.subnet, frame.device, frame.switchNo, frame.state);
        }
        return;
    }

    if (gBroadcastSocket.checkShortPacket(buffer, length)) {
        bool loginSuccess = false;
        QString msg;
        if (ServerLogin::readLoginReply(buffer, length, loginSuccess, msg)) {
            emit gBroadcastSocket.signalsNetworkConnectState(loginSuccess, msg);
            // Any answer ends the login; a refused one is not retried until the network is opened again.
            connectTimer.stop();
        }
    }
}

void MainWindow::handleUniversalSwitch(quint8 subnet, quint8 device, int switchNo, int state)
{
    universalSwitchMessage msg;
    if (!GuestRequests::identify(subnet, device, switchNo, state, msg))
        return;
    if (GuestRequests::isAlarm(msg)) {
        GuestRequests::logAlarm(msg);
        return;
    }
    GuestRequests::queue(pendingSwitches, msg);
}

void MainWindow::slotsUniversalSwitch()
{
    saveSwitchMessages(GuestRequests::takeDue(pendingSwitches, GuestRequests::now()));
}

void MainWindow::saveSwitchMessages(const QList<universalSwitchMessage> &due)
{
    GuestRequests::storeDue(due);
}

void MainWindow::storePendingBeforeLeaving()
{
    // Stored now, before their debounce has run out, rather than into the project that comes next.
    const QList<universalSwitchMessage> pending = pendingSwitches;
    pendingSwitches.clear();
    saveSwitchMessages(pending);
}

void MainWindow::saveSwitchMessage(universalSwitchMessage msg)
{
    GuestRequests::storeDue({msg});
}

void MainWindow::slotsNetworkOpen()
{
    connectTimer.stop();
    if (!updateHostIp())
        emit gBroadcastSocket.signalsInformation(
            tr("The station's address %1 could not be stored in the project: it serves until the station ends.")
                .arg(gHostIp));
    // A failed open has already reported its own text through signalsNetworkConnectState.
    if (!gBroadcastSocket.connectNetwork())
        return;
    connectTries = 0;
    connectTimer.start(connectIntervalMs);
}

void MainWindow::slotsConnectNetwork()
{
    if (connectTries > 9) {
        if (gNetworkType == CloudServer)
            emit gBroadcastSocket.signalsNetworkConnectState(false, tr("Failed to connect cloud server"));
        else if (gNetworkType == DnsServer)
            emit gBroadcastSocket.signalsNetworkConnectState(false, tr("Failed To connect dns server"));
        connectTimer.stop();
        return;
    }

    switch (gNetworkType) {
    case LocalNetwork:
        emit gBroadcastSocket.signalsNetworkConnectState(true, tr("Success"));
        connectTimer.stop();
        break;
    case CloudServer: {
        const QByteArray packet =
            ServerLogin::cloudLoginPacket(gPassword, gIpPortMac, gSubId, gDevId, ServerLogin::stationMachineId());
        gBroadcastSocket.sendRawData(packet.constData(), packet.size());
        break;
    }
    case DnsServer: {
        const QByteArray packet = ServerLogin::dnsLoginPacket(gPassword, gIpPortMac);
        gBroadcastSocket.sendRawData(packet.constData(), packet.size());
        break;
    }
    default:
        break;
    }
    ++connectTries;
}

void MainWindow::slotsNetworkConnectState(bool loginSuccess, QString msg)
{
    emit gBroadcastSocket.signalsNetworkStateChanged(loginSuccess);
    if (!loginSuccess)
        emit gBroadcastSocket.signalsInformation(msg);
}

void MainWindow::slotsNetworkSetting()
{
    NetworkStyleDlg dialog(nullptr);
    dialog.netStyle = NetStyle(gNetworkType);
    dialog.initItems();
    if (dialog.exec() != QDialog::Accepted || int(dialog.netStyle) == gNetworkType)
        return;

    gNetworkType = dialog.netStyle;
    QString projectName;
    getCurrentProjectName(projectName);
    if (!setProjectProperty(projectName, "network_type", QString::number(gNetworkType)))
        emit gBroadcastSocket.signalsInformation(
            tr("The network style could not be stored in the project list: it serves until the station ends."));
    emit gBroadcastSocket.signalsNetworkStateChanged(false);
    emit gBroadcastSocket.signalsNetworkOpen();
}

void MainWindow::slotsProjectSetting(QString projectName)
{
    ProjectSelectDlg dialog(nullptr);
    dialog.projectName = projectName;
    dialog.initProjects();
    if (dialog.exec() != QDialog::Accepted || dialog.projectName == projectName)
        return;
    // A refused switch has said why on the hub, and the station stays on the project it had.
    ProjectSwitch::switchProject(dialog.projectName);
}
