#pragma once
// The panel of one floor-heating zone of a room: its name, power state, room temperature and set point on a
// slider. Every zone is a two-way device: it is read over the bus and acknowledges its power and set-point
// controls, which are repeated until it does.
//
// Reads of a zone on channel 2 or higher carry the channel byte (channel - 1); its controls use the second-channel
// function 0x23, which names no channel, so such zones are all controlled as the second channel. The replies of a
// zone on channel 0 are never taken.
//
// A reply whose values the project database refuses does not count: its step stays unanswered (or the control
// unacknowledged), so the next tick asks again and the store is tried anew.

#include "panels/climatepanel.h"

class FloorHeatItem : public ClimatePanel
{
    Q_OBJECT

public:
    // alwaysListen: the panel hears its device also while hidden.
    FloorHeatItem(airConditionerRecord floorHeatInfo, bool alwaysListen, QWidget *parent);

    void frameReceived(const BusFrame &frame) override;

public slots:
    // The set point slider moved: the set point is sent one tick after the last move.
    void valueChanged(int value);
    void updateStatus() override;
    // The hub's "all on" (1) and "all off" (0), shared with the air conditioners; only a visible panel obeys.
    void slotsACStatus(int status);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

    void sendPollRequest() override;
    void sendControlFrame() override;

private:
    enum class Request { DeviceInfo, Limits, Status };

    int channelIndex() const { return record.channel - 1; }
    void sendRequest(Request request);
    // Sends the next request of the read chain while the read runs and has not ended.
    void continueRead(Request next);

    void acceptStatus(const BusFrame &frame, int first);
    void acceptAcknowledgement(int function, int value);
    // Ends a read or control with the record's values: repaints and logs.
    void finish();
    void writeStatusLog();
};
