#include "panels/devicepanel.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"

#include <QPainter>
#include <QPainterPath>

namespace {
int tickMs = 1000;
}

void DevicePanel::setTickInterval(int milliseconds)
{
    tickMs = milliseconds;
}

int DevicePanel::tickInterval()
{
    return tickMs;
}

DevicePanel::DevicePanel(bool listenAlways, bool readyAtOnce, QWidget *parent)
    : QWidget(parent), ready(readyAtOnce), alwaysListen(listenAlways)
{
    // updateStatus is virtual: the connection resolves it when the timer fires, after construction finished.
    connect(&initTimer, &QTimer::timeout, this, &DevicePanel::updateStatus);
    connect(&pollTimer, &QTimer::timeout, this, &DevicePanel::slotsGetStatus);
    connect(&setTimer, &QTimer::timeout, this, &DevicePanel::slotsSetStatus);
    connect(&delayTimer, &QTimer::timeout, this, &DevicePanel::startRefresh);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsStopRefresh, this, &DevicePanel::stopRefresh);
    initTimer.start(InitInterval);
}

DevicePanel::~DevicePanel() = default;

void DevicePanel::listenTo(int subnet, int device)
{
    FrameDispatcher::instance().add(this, subnet, device);
}

void DevicePanel::showOffline(bool) {}

void DevicePanel::startRefreshDelayed(int msec)
{
    showOffline(false);
    stopRefresh();
    if (msec > 0)
        delayTimer.start(msec);
    else
        startRefresh();
}

void DevicePanel::startRefresh()
{
    delayTimer.stop();
    activity = Activity::Reading;
    slotsGetStatus();
    pollTimer.start(tickMs);
}

void DevicePanel::stopRefresh()
{
    infoFlags = 0;
    stepFlags = 0;
    finished = false;
    retries = 0;
    pollTimer.stop();
    setTimer.stop();
    delayTimer.stop();
    activity = Activity::Idle;
    deferredWaiting = false;
    deferredSource = nullptr;
}

void DevicePanel::slotsGetStatus()
{
    tick(pollTimer, &DevicePanel::sendPollRequest);
}

void DevicePanel::slotsSetStatus()
{
    deferredWaiting = false;
    tick(setTimer, &DevicePanel::sendControlFrame);
}

void DevicePanel::tick(QTimer &timer, void (DevicePanel::*send)())
{
    if (finished) {
        timer.stop();
        return;
    }
    if (retries > 9) {
        timer.stop();
        showOffline(true);
        emit gBroadcastSocket.signalsInformation(QStringLiteral("%1 lost connection").arg(deviceName()));
        return;
    }
    (this->*send)();
    ++retries;
}

void DevicePanel::beginControl(const void *source)
{
    if (!deferredWaiting || (source && source == deferredSource))
        return;
    deferredWaiting = false;
    sendControlFrame();
}

void DevicePanel::restartSetStatus()
{
    showOffline(false);
    stopRefresh();
    activity = Activity::Setting;
    slotsSetStatus();
    setTimer.start(tickMs);
}

void DevicePanel::startDeferredControl(const void *source)
{
    activity = Activity::Setting;
    deferredWaiting = true;
    deferredSource = source;
    setTimer.start(tickMs);
}

void DevicePanel::paintCard(const QColor &fill)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(rect(), 10, 10);
    painter.setClipPath(clip);
    painter.setPen(fill);
    painter.setBrush(fill);
    painter.drawRect(rect());
}
