#pragma once
// The strip of a room's occupancy sensor and master switch: a picture and a text for each, read from the bus once
// per refresh in one chain (the sensor first, the master switch after the sensor's reply), with the master switch
// switched by a press on its picture and resent every tick until the switch acknowledges it.
//
// A part is configured, and shown, when its subnet, device and channel are all non-zero. A part that stays silent
// for ten ticks is set to "Unknown" (status 0) in the strip, in its rows and in the device log, and reported once.
// The statuses are stored by bus address, so every room that shares the sensor or the switch channel follows.

#include "devicelink/devicerecords.h"
#include "panels/framedispatcher.h"

#include <QTimer>
#include <QWidget>

class BusFrame;
class QtMaterialLabel;

class OccupationMasterItem : public QWidget, public FrameReceiver
{
    Q_OBJECT

public:
    // The pictures are shown at iconWidth x iconHeight. Nothing is sent until restartRefresh or a press.
    OccupationMasterItem(int iconWidth, int iconHeight, QWidget *parent);

    // Takes a copy of the room's sensor and switch; shows only the configured parts.
    void setDevices(occupationMasterRecord devices);
    occupationMasterRecord devices() const { return record; }
    // Reads the configured parts anew, from cleared flags.
    void restartRefresh();
    // The read or the switching ended: every part answered, or the tenth frame went unanswered.
    bool isRefreshFinished() const { return finished || retries > 9; }
    // Whether a tick is still due; false once the cycle finished, lost its device or stopped.
    bool hasPendingTick() const { return pollTimer.isActive() || setTimer.isActive(); }

    bool isOccupationConfigured() const;
    bool isMasterConfigured() const;

    bool isListening() const override { return isVisible(); }
    void frameReceived(const BusFrame &frame) override;

public slots:
    // The poll tick and the set tick (the master switch only).
    void slotsGetStatus();
    void slotsSetStatus();
    void stopRefresh();

private slots:
    void labelMaster_pressed();

private:
    enum Part { OccupationPart = 0, MasterPart = 1 };

    void updateIcons();
    void restartSetStatus();
    void writeStatusLog(int part);
    // The part's status into every row of its table with the part's bus address; false when it could not be
    // stored, and then no status log entry is written for it.
    [[nodiscard]] bool storeOccupationStatus(int type);
    [[nodiscard]] bool storeMasterStatus();
    // A part that never answered: status 0 in the strip, its rows and the log, and one toast.
    void reportLost(int part);
    void sendMasterRead();
    // Registers the addresses of both parts with the dispatcher (and forgets the previous ones).
    void listenToDevices();

    occupationMasterRecord record;
    quint8 stepFlags = 0;
    bool finished = false;
    quint8 retries = 0;
    // A read runs (from restartRefresh to the next stopRefresh): only then does a reply send the next request.
    bool reading = false;
    QTimer pollTimer;
    QTimer setTimer;

    QtMaterialLabel *occupationIcon;
    QtMaterialLabel *occupationText;
    QtMaterialLabel *masterIcon;
    QtMaterialLabel *masterText;
};
