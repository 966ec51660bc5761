#pragma once
// The refresh and control cycle that every device panel runs, written once.
//
// Reading: startRefresh sends the first unanswered request of the panel's chain and repeats a request every tick
// (1000 ms) while it is not answered; a reply that answers a step sends the next request at once. Setting: a
// control sends the panel's control frame at once (immediate path) or one tick after the last change (deferred
// path, the sliders) and repeats it every tick until the device acknowledges it. Either way the tenth unanswered
// tick is the last frame; the tick after it shows the panel offline and raises one toast "<name> lost
// connection" through the hub. Every signalsStopRefresh of the hub stops whatever runs.
//
// A panel derives from DevicePanelOf<Record> and supplies its steps: the request of the poll tick, the control
// frame of the set tick, its reply handling (frameReceived, reached through FrameDispatcher once the panel has
// named its device addresses with listenTo) and its repaint (updateStatus). Its reply handlers set `finished`,
// `retries`, `infoFlags` and `stepFlags` as its own chain says, and send the next request of a read chain only
// while readRuns() and the next frame of a control chain only while controlRuns(): a reply that a panel running no
// cycle overhears is stored, but starts no traffic. A late reply after the lost-connection toast still continues
// its chain once, without a tick to repeat it.
//
// Controls: every entry point of a control calls beginControl(source) before it changes the record. A slider's
// frame that still waits for its first send then goes out once at once, unless the new control is a further
// move of the same slider; the new control then takes its own path.

#include "panels/framedispatcher.h"

#include <QTimer>
#include <QWidget>

class DevicePanel : public QWidget, public FrameReceiver
{
    Q_OBJECT

public:
    ~DevicePanel() override;

    // Stops what runs and hides the offline hint; starts the read after msec, at once for 0 or less.
    void startRefreshDelayed(int msec);
    // The read or control ended: its closing reply came, or the tenth frame went unanswered.
    bool isRefreshFinished() const { return finished || retries > 9; }

    bool alwaysListens() const { return alwaysListen; }
    // Whether a read (startRefresh) or a control runs, including after it finished or lost its device, until the
    // next stopRefresh.
    bool readRuns() const { return activity == Activity::Reading; }
    bool controlRuns() const { return activity == Activity::Setting; }
    // Whether a tick or a delayed start is still due; false once the cycle finished, lost its device or stopped.
    bool hasPendingTick() const { return pollTimer.isActive() || setTimer.isActive() || delayTimer.isActive(); }

    // Test seam: the interval of the poll and set ticks and of the deferred control's wait (1000 ms).
    static void setTickInterval(int milliseconds);
    static int tickInterval();
    // Delay of the first repaint after construction.
    enum { InitInterval = 100 };

    bool isListening() const override { return alwaysListen || isVisible(); }

public slots:
    // Sends the request of the first unanswered step at once and then every tick; answered steps stay answered.
    void startRefresh();
    // Clears the flags and the counter and stops every timer but the first repaint's; a waiting slider frame is
    // dropped.
    void stopRefresh();
    // The poll tick and the set tick.
    void slotsGetStatus();
    void slotsSetStatus();
    // Repaints the panel from its record; stops initTimer and holds `ready` false while it runs.
    virtual void updateStatus() = 0;

protected:
    DevicePanel(bool listenAlways, bool readyAtOnce, QWidget *parent);

    // The panel's card: its rectangle with rounded corners, filled with one colour.
    void paintCard(const QColor &fill);

    // The request of the poll tick's step 3: the first step the flags do not mark as answered, or nothing.
    virtual void sendPollRequest() = 0;
    // The control frame of the set tick's step 3, built from the current record.
    virtual void sendControlFrame() = 0;
    // The %s of "%s lost connection".
    virtual QString deviceName() const = 0;
    // Shows or hides the panel's offline hint; panels without one keep the default.
    virtual void showOffline(bool offline);

    // Frames whose source is subnet/device reach frameReceived (while the panel listens).
    void listenTo(int subnet, int device);

    // Called first by every control entry point (press, broadcast, dialog, slider), before the record changes.
    void beginControl(const void *source = nullptr);
    // The immediate control path: hides the offline hint, stops what runs, sends the control frame at once and
    // repeats it every tick.
    void restartSetStatus();
    // The deferred control path, after the caller's stopRefresh() and flag changes: the first frame leaves one
    // tick from now unless source changes the value again before.
    void startDeferredControl(const void *source);

    bool ready;
    quint8 infoFlags = 0;
    quint8 stepFlags = 0;
    bool finished = false;
    quint8 retries = 0;

    QTimer initTimer;
    QTimer pollTimer;
    QTimer setTimer;
    QTimer delayTimer;

private:
    enum class Activity { Idle, Reading, Setting };
    void tick(QTimer &timer, void (DevicePanel::*send)());

    const bool alwaysListen;
    Activity activity = Activity::Idle;
    // A deferred control frame waits for its first send, started by this source.
    bool deferredWaiting = false;
    const void *deferredSource = nullptr;
};

// A panel that keeps a copy of one device record, taken at construction and changed only by the panel.
template <typename Record> class DevicePanelOf : public DevicePanel
{
public:
    // The values last read from the device or set by the user.
    Record deviceInfo() const { return record; }

protected:
    DevicePanelOf(const Record &initialRecord, bool listenAlways, bool readyAtOnce, QWidget *parent)
        : DevicePanel(listenAlways, readyAtOnce, parent), record(initialRecord)
    {
    }

    Record record;
};
