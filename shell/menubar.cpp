#include "shell/menubar.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "resources/stationresources.h"
#include "shell/pageids.h"
#include "shell/unlockdlg.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>

MenuBar::MenuBar(QWidget *parent) : QWidget(parent)
{
    initStationResources();

    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setBrush(QPalette::All, QPalette::Window, QBrush(Qt::black));
    setPalette(pal);
    setFixedHeight(30);

    labelProjectIcon = iconLabel(":/myImages/png/icon-navigation-home.png", tr("Project"), "labelProjectIcon");
    labelProject = new QtMaterialLabel(QString(), this, Qt::WindowFlags());
    labelProject->setObjectName("labelProject");
    labelLogo =
        iconLabel(":/myImages/png/ORV Logo.png", tr("The best display effect is 1920*1080 resolution"), "labelLogo");
    labelLogo->setFixedSize(44, 16);
    labelMessage = iconLabel(":/myImages/png/icon-navigation-bell.png", tr("Message"), "labelMessage");
    labelLog = iconLabel(":/myImages/png/icon-system-log.png", tr("Log"), "labelLog");
    labelBack = iconLabel(":/myImages/png/icon-navigation-back.png", tr("Back"), "labelBack");
    labelTitle = new QtMaterialLabel(QString(), this, Qt::WindowFlags());
    labelTitle->setObjectName("labelTitle");
    labelHome = iconLabel(":/myImages/png/icon-navigation-home.png", tr("Home"), "labelHome");
    labelRooms = iconLabel(":/myImages/png/icon-navigation-rooms.png", tr("Rooms"), "labelRooms");
    labelNetwork =
        iconLabel(":/myImages/png/network/icon-connection-localnetwork.png", tr("Local Network"), "labelNetwork");
    labelSetting = iconLabel(":/myImages/png/icon-remote-settings.png", tr("Setting"), "labelSetting");

    pushButtonMinimize = new QtMaterialIconButton(QtMaterialTheme::icon("content", "remove"), this);
    pushButtonMinimize->setObjectName("pushButtonMinimize");
    pushButtonMinimize->setIconSize(QSize(24, 24));
    pushButtonMinimize->setColor(Qt::white);
    pushButtonMinimize->setToolTip(tr("Minimize"));
    pushButtonExit = new QtMaterialIconButton(QtMaterialTheme::icon("content", "clear"), this);
    pushButtonExit->setObjectName("pushButtonExit");
    pushButtonExit->setIconSize(QSize(24, 24));
    pushButtonExit->setColor(Qt::white);
    pushButtonExit->setToolTip(tr("Exit"));

    connect(labelProjectIcon, &QtMaterialLabel::signalsPressed, this, &MenuBar::labelProject_pressed);
    connect(labelProject, &QtMaterialLabel::signalsPressed, this, &MenuBar::labelProject_pressed);
    connect(labelMessage, &QtMaterialLabel::signalsPressed, this, &MenuBar::labelMessage_pressed);
    connect(labelLog, &QtMaterialLabel::signalsPressed, this, &MenuBar::labelLog_pressed);
    connect(labelBack, &QtMaterialLabel::signalsPressed, this, &MenuBar::labelBack_pressed);
    connect(labelTitle, &QtMaterialLabel::signalsPressed, this, &MenuBar::labelBack_pressed);
    connect(labelHome, &QtMaterialLabel::signalsPressed, this, &MenuBar::labelHome_pressed);
    connect(labelRooms, &QtMaterialLabel::signalsPressed, this, &MenuBar::labelRooms_pressed);
    connect(labelNetwork, &QtMaterialLabel::signalsPressed, this, &MenuBar::labelNetwork_pressed);
    connect(labelSetting, &QtMaterialLabel::signalsPressed, this, &MenuBar::labelSetting_pressed);
    connect(pushButtonMinimize, &QtMaterialIconButton::clicked, this, &MenuBar::pushButtonMinimize_clicked);
    connect(pushButtonExit, &QtMaterialIconButton::clicked, this, &MenuBar::pushButtonExit_clicked);

    auto *left = new QGridLayout;
    left->setSpacing(20);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(labelProjectIcon, 0, 0);
    left->addWidget(labelBack, 0, 0);
    left->addWidget(labelProject, 0, 1);
    left->addWidget(labelTitle, 0, 1);
    left->setColumnStretch(2, 1);
    left->setRowStretch(1, 1);

    auto *right = new QGridLayout;
    right->setSpacing(20);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(labelMessage, 0, 0);
    right->addWidget(labelHome, 0, 0);
    right->addWidget(labelLog, 0, 1);
    right->addWidget(labelRooms, 0, 1);
    right->addWidget(labelNetwork, 0, 2);
    right->addWidget(labelSetting, 0, 3);
    right->addWidget(pushButtonMinimize, 0, 4);
    right->addWidget(pushButtonExit, 0, 5);
    right->setColumnStretch(6, 1);
    right->setRowStretch(1, 1);

    auto *outer = new QGridLayout(this);
    outer->setSpacing(0);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addLayout(left, 0, 0, Qt::AlignLeft);
    outer->addWidget(labelLogo, 0, 1, Qt::AlignHCenter | Qt::AlignVCenter);
    outer->addLayout(right, 0, 2, Qt::AlignRight);
    outer->setColumnStretch(1, 1);
    outer->setRowStretch(1, 1);

    relockTimer.setSingleShot(true);
    connect(&relockTimer, &QTimer::timeout, this, &MenuBar::slotsUnlock);

    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageCurrent, this, &MenuBar::slotsPageCurrent);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageBack, this, &MenuBar::labelBack_pressed);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsProjectStateChanged, this, &MenuBar::slotsProjectStateChanged);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsNetworkStateChanged, this, &MenuBar::slotsNetworkStateChanged);

    setHomeMode(true);
}

QtMaterialLabel *MenuBar::iconLabel(const QString &picture, const QString &tooltip, const char *objectName)
{
    auto *label = new QtMaterialLabel(QString(), this, Qt::WindowFlags());
    label->setObjectName(objectName);
    label->setFixedSize(24, 24);
    label->setScaledContents(true);
    // The label scales its picture smoothly to its size and keeps the copies it makes: given at that size
    // already, it keeps small ones. Read as an image, the file's full size stays out of the pixmap cache.
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap icon = QPixmap::fromImage(
        readPicture(picture).scaled(label->size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    icon.setDevicePixelRatio(ratio);
    label->setPixmap(icon);
    label->setToolTip(tooltip);
    return label;
}

void MenuBar::setHomeMode(bool isHome)
{
    homeMode = isHome;
    labelProjectIcon->setVisible(isHome);
    labelProject->setVisible(isHome);
    labelLogo->setVisible(isHome);
    labelMessage->setVisible(isHome);
    labelLog->setVisible(isHome);
    labelBack->setVisible(!isHome);
    labelTitle->setVisible(!isHome);
    labelHome->setVisible(!isHome);
    labelRooms->setVisible(!isHome);
}

void MenuBar::requestPage(const QString &id, const QString &name, const QString &prm1, const QString &prm2)
{
    emit gBroadcastSocket.signalsPageIdChanged(id, name, prm1, prm2);
}

void MenuBar::slotsPageCurrent(QString id, QString name, QString prm1, QString prm2)
{
    current = pageRecord{id, name, prm1, prm2};
    labelTitle->setText(name);

    static const char *const resettingIds[] = {PageId::Message, PageId::Log, PageId::Setting, PageId::Rooms};
    bool resets = false;
    for (const char *resetting : resettingIds)
        resets = resets || id == trPageId(resetting);

    if (resets) {
        QList<pageRecord> fresh;
        for (const pageRecord &entry : qAsConst(history)) {
            if (entry.id == trPageId(PageId::Home)) {
                fresh.append(entry);
                break;
            }
        }
        fresh.append(current);
        history = fresh;
    } else {
        int at = -1;
        for (int i = 0; i < history.size(); ++i) {
            if (history.at(i).id == id) {
                at = i;
                break;
            }
        }
        if (at >= 0) {
            history[at] = current;
        } else {
            history.append(current);
            at = history.size() - 1;
        }
        history.erase(history.begin() + at + 1, history.end());
    }

    bool moodsInHistory = false;
    for (const pageRecord &entry : qAsConst(history))
        moodsInHistory = moodsInHistory || entry.id == trPageId(PageId::MoodsInformation);
    if (!moodsInHistory)
        emit gBroadcastSocket.signalsPageRemoveMoodsInformation();
}

void MenuBar::slotsProjectStateChanged(QString projectName)
{
    labelProject->setText(projectName);
}

void MenuBar::slotsNetworkStateChanged(bool loginSuccess)
{
    QString picture;
    QString tooltip;
    switch (gNetworkType) {
    case CloudServer:
        picture = loginSuccess ? tr(":/myImages/png/network/icon-connection-cloudserver-active.png")
                               : tr(":/myImages/png/network/icon-connection-cloudserver.png");
        tooltip = tr("Cloud Server");
        break;
    case DnsServer:
        picture = loginSuccess ? tr(":/myImages/png/network/icon-connection-dnsserver-active.png")
                               : tr(":/myImages/png/network/icon-connection-dnsserver.png");
        tooltip = tr("DNS Server");
        break;
    default:
        picture = loginSuccess ? tr(":/myImages/png/network/icon-connection-localnetwork-active.png")
                               : tr(":/myImages/png/network/icon-connection-localnetwork.png");
        tooltip = tr("Local Network");
        break;
    }
    labelNetwork->setPixmap(picturePixmap(picture));
    labelNetwork->setToolTip(tooltip);
    labelNetwork->setProperty("picture", picture);
}

void MenuBar::slotsUnlock()
{
    relockTimer.stop();
    unlocked = false;
}

void MenuBar::labelProject_pressed()
{
    emit signalsProjectSetting(labelProject->text());
}

void MenuBar::labelMessage_pressed()
{
    requestPage(trPageId(PageId::Message), trPageId(PageId::Message), QString(), QString());
}

void MenuBar::labelLog_pressed()
{
    requestPage(trPageId(PageId::Log), trPageId(PageId::Log), QString(), QString());
}

void MenuBar::labelHome_pressed()
{
    requestPage(trPageId(PageId::Home), trPageId(PageId::Home), QString(), QString());
}

void MenuBar::labelRooms_pressed()
{
    requestPage(trPageId(PageId::Rooms), trPageId(PageId::Rooms), QString(), QString());
}

void MenuBar::labelNetwork_pressed()
{
    emit signalsNetworkSetting();
}

void MenuBar::labelSetting_pressed()
{
    if (!unlocked) {
        UnlockDlg dialog(nullptr);
        if (dialog.exec() != QDialog::Accepted)
            return;
        unlocked = true;
        relockTimer.start(relockInterval);
    }
    requestPage(trPageId(PageId::Setting), trPageId(PageId::Setting), QString(), QString());
}

void MenuBar::labelBack_pressed()
{
    int at = -1;
    for (int i = 0; i < history.size(); ++i) {
        if (history.at(i).id == current.id) {
            at = i;
            break;
        }
    }
    if (at <= 0)
        return;

    const pageRecord previous = history.at(at - 1);
    // These pages rebuild themselves from scratch unless told to keep their state.
    const bool keepsState = previous.id == trPageId(PageId::EditRoom) ||
                            previous.id == trPageId(PageId::EditTemplate) ||
                            previous.id == trPageId(PageId::OperateRoom);
    requestPage(previous.id, previous.name, previous.prm1, keepsState ? QStringLiteral("0") : previous.prm2);
}

void MenuBar::pushButtonMinimize_clicked()
{
    emit signalsMinimize();
}

void MenuBar::pushButtonExit_clicked()
{
    emit signalsClosed();
}
