#include "shell/mainwindow.h"

#include "ui_mainwindow.h"

#include "core/globals.h"
#include "core/projectlist.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmaterialsnackbar.h"
#include "shell/menubar.h"
#include "shell/mydialog.h"
#include "shell/pagefactory.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , snackbar(new QtMaterialSnackbar(nullptr))
    , ui(new Ui::MainWindow)
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

    // The guest-message strip is created here once it exists; until then row 2 stays empty.

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

    initHomePage();
}

MainWindow::~MainWindow()
{
    delete ui;
}

MyDialog *MainWindow::page(const QString &id) const
{
    for (const QPointer<MyDialog> &p : pages)
    {
        if (p && p->pageId() == id)
            return p;
    }
    return nullptr;
}

void MainWindow::createPage(const QString &id, const QString &name)
{
    if (MyDialog *cached = page(id))
    {
        cached->setPageName(name);
        return;
    }

    MyDialog *created = PageFactory::create(id, name);
    if (!created)
        return;
    pages.append(created);

    auto *layout = qobject_cast<QVBoxLayout *>(pageHost->layout());
    if (!layout)
    {
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

    const bool home = id == tr("Home");
    menuBar->setHomeMode(home);
    if (messageBar)
        messageBar->setVisible(home);

    // Walk the pages as they were when this request began; the list only ever grows.
    const QList<QPointer<MyDialog>> snapshot = pages;
    for (const QPointer<MyDialog> &p : snapshot)
    {
        if (!p)
            continue;
        if (!p->isHidden() && p->pageId() != id)
        {
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
    const QString home = tr("Home");
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

    switchTimer.start(1000);
}

void MainWindow::slotsInformation(QString info)
{
    if (isVisible())
        snackbar->addMessage(info);
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

// The network login, the received-frame dispatch, the guest-request debounce and the network-style and
// project choosers are handled by the slots below once they are filled in; until then they leave the
// window as it is.

void MainWindow::dataIsComming(quint8 *recvBuff, qlonglong recvLength)
{
    Q_UNUSED(recvBuff)
    Q_UNUSED(recvLength)
}

void MainWindow::slotsConnectNetwork()
{
    connectTimer.stop();
}

void MainWindow::slotsUniversalSwitch()
{
}

void MainWindow::slotsNetworkSetting()
{
}

void MainWindow::slotsProjectSetting(QString projectName)
{
    Q_UNUSED(projectName)
}

void MainWindow::slotsNetworkOpen()
{
}

void MainWindow::slotsNetworkConnectState(bool loginSuccess, QString msg)
{
    Q_UNUSED(loginSuccess)
    Q_UNUSED(msg)
}
