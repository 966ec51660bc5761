#include "panels/refreshingctrl.h"

#include "core/cppsqlite3db.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmateriallabel.h"
#include "panels/progressindicator.h"

#include <QDateTime>
#include <QGridLayout>

namespace {
int gStepInterval = 100;
constexpr int bannerHeight = 80;
constexpr int growSteps = 4; // 20, 40, 60 and 80 px
} // namespace

void RefreshingCtrl::setStepInterval(int milliseconds)
{
    gStepInterval = milliseconds;
}

int RefreshingCtrl::stepInterval()
{
    return gStepInterval;
}

QString RefreshingCtrl::timeText(const QDateTime &moment)
{
    return moment.toString(Qt::TextDate);
}

RefreshingCtrl::RefreshingCtrl(QWidget *parent) : QWidget(parent)
{
    labelStatus = new QtMaterialLabel(tr("Is Refreshing..."), this);
    labelStatus->setObjectName("labelStatus");
    labelLastUpdate = new QtMaterialLabel(QString("Last Update:%1").arg(timeText(QDateTime::currentDateTime())), this);
    labelLastUpdate->setObjectName("labelLastUpdate");
    spinner = new ProgressIndicator(this);
    spinner->setObjectName("spinner");
    spinner->setColor(QColor(0x00, 0xFF, 0x00));

    auto *layout = new QGridLayout(this);
    layout->addWidget(labelStatus, 0, 0, Qt::AlignCenter);
    layout->addWidget(labelLastUpdate, 1, 0, Qt::AlignCenter);
    layout->setRowStretch(2, 1);
    setFixedHeight(bannerHeight);

    connect(&gBroadcastSocket, &BroadcastSocket::signalsStopRefresh, this,
            qOverload<bool>(&RefreshingCtrl::stopRefresh));
    connect(&growTimer, &QTimer::timeout, this, &RefreshingCtrl::loading);
    connect(&hideTimer, &QTimer::timeout, this, &RefreshingCtrl::delay);
}

void RefreshingCtrl::startRefresh(const QString &lastUpdateId)
{
    tickCount = 0;
    growTimer.stop();
    hideTimer.stop();
    // A restart while the banner is still up grows it again from 20 px; the wheel comes back at the end.
    spinner->stopAnimation();

    QString shown = timeText(QDateTime::currentDateTime());
    readLastUpdateTime(lastUpdateId, shown);
    labelLastUpdate->setText(QString("Last Update:%1").arg(shown));
    labelStatus->setText(tr("Start Refreshing..."));

    loading();

    // A time that cannot be stored (the connection has said why) leaves the view's last stored one in place, and
    // the next refresh shows that one.
    if (!storeLastUpdateTime(lastUpdateId, timeText(QDateTime::currentDateTime())))
        return;
}

void RefreshingCtrl::stopRefresh()
{
    stopRefresh(false);
}

void RefreshingCtrl::stopRefresh(bool delay)
{
    tickCount = 0;
    growTimer.stop();
    hideTimer.stop();
    spinner->stopAnimation();
    if (!delay) {
        hide();
        return;
    }
    if (height() < bannerHeight)
        setFixedHeight(bannerHeight);
    labelStatus->setText(tr("Refresh Successfully"));
    hideTimer.start(gStepInterval);
}

void RefreshingCtrl::loading()
{
    if (tickCount >= growSteps) {
        growTimer.stop();
        tickCount = 0;
        labelStatus->setText(tr("Is Refreshing..."));
        spinner->startAnimation();
        return;
    }
    ++tickCount;
    setFixedHeight(20 * tickCount);
    if (isHidden())
        show();
    if (!growTimer.isActive())
        growTimer.start(gStepInterval);
}

void RefreshingCtrl::delay()
{
    if (tickCount > 2) {
        hideTimer.stop();
        tickCount = 0;
        hide();
        return;
    }
    ++tickCount;
}
