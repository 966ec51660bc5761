#pragma once
// The panel of one air conditioner of a room: its name, power state, room temperature, the set point of the
// current mode on a slider and the mode and fan speed as two round tiles. A two-way unit (type 0) is read over the
// bus and controlled with whole-state frames it acknowledges; an infra-red unit (type 1) is read for its room
// temperature and controlled with key frames that are never answered, so what was sent is stored at once. Units
// of other types are shown but neither read nor controlled.
//
// A unit on channel 2 or higher is addressed with a channel byte (channel - 1) before the payload; a unit on
// channel 1 or lower without it. The replies of a unit on channel 0 are never taken.
//
// A reply whose values the project database refuses does not count: its step stays unanswered (or the control
// unacknowledged), so the next tick asks again and the store is tried anew. An infra-red control that could not be
// stored is not logged.

#include "panels/climatepanel.h"

enum class ClimateColumn;
class ModeSpeedItem;

class ACItem : public ClimatePanel
{
    Q_OBJECT

public:
    // alwaysListen: the panel hears its device also while hidden.
    ACItem(airConditionerRecord acInfo, bool alwaysListen, QWidget *parent);

    void frameReceived(const BusFrame &frame) override;

    // Pause between two key frames of an infra-red sequence; the GUI thread sleeps through it.
    enum { InfraredKeyGap = 50 };

public slots:
    // The set point slider moved.
    void valueChanged(int value);
    void updateStatus() override;
    // The hub's "all on" (1) and "all off" (0) of air conditioners; only a visible panel obeys.
    void slotsACStatus(int status);
    // The mode or fan-speed tile was pressed while showing value.
    void slotsEdit(int value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

    void sendPollRequest() override;
    void sendControlFrame() override;

private:
    // The requests of the read chains, in chain order.
    enum class Request { DeviceInfo, TemperatureUnit, SupportedModes, SetPointLimits, Status, RoomTemperature };

    bool isTwoWay() const { return record.air_conditioner_type == AirConditionerTwoWay; }
    bool isInfrared() const { return record.air_conditioner_type == AirConditionerInfrared; }
    // The unit is addressed with a channel byte (channel 2 or higher).
    bool usesChannelForm() const { return record.channel >= 2; }
    // A reply of a request that carried the channel byte: 0xF8 and channel - 1 lead its payload.
    bool hasChannelMarker(const BusFrame &frame) const;
    // A two-way reply that is taken only in the form and length of the unit's channel.
    bool acceptsForm(const BusFrame &frame, qint64 channelLength, qint64 shortLength) const;

    void sendRequest(Request request);
    // Sends the next request of the read chain while the read runs and has not ended.
    void continueRead(Request next);

    // Byte offsets of the values of a status reply or acknowledgement.
    struct StatusOffsets
    {
        int status, cool, modeSpeed, room, heat, autoMode, dry;
    };
    void acceptStatus(const BusFrame &frame, const StatusOffsets &at);
    void acceptSupportedModes(const BusFrame &frame);
    void acceptLimits(const BusFrame &frame);

    // The set point of the current mode: heat, auto, or cool for every other mode.
    int &setPoint();
    int setPointOfMode(int mode) const;
    bool modeHasSetPoint() const;
    int unitIndex() const { return record.channel - 1; }
    // The pause of an infra-red key sequence.
    static void keyGap();
    void infraredPowerSequence();

    // Stores one column of the unit's row (an infra-red control, written as it is sent); false when the
    // connection refused it.
    bool storeColumn(ClimateColumn column, int value);
    void writeStatusLog();

    ModeSpeedItem *modeTile;
    ModeSpeedItem *speedTile;
};
