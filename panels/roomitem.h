#pragma once
// The card of one room on the pages that show one kind of device across every room: the room's name and its
// occupancy and master strip over a sideways scrolling row of the room's panels of that kind (lights,
// air conditioners, floor heatings or mood cards), on the room's picture. The card is built once from the
// database; the page starts its refresh, and the card starts its strip and then its panels 100 ms apart.

#include "devicelink/devicerecords.h"

#include <QList>
#include <QTimer>
#include <QWidget>

class DevicePanel;
class OccupationMasterItem;
class QGridLayout;
class QtMaterialGroupBox;
class QtMaterialLabel;

class RoomItem : public QWidget
{
    Q_OBJECT

public:
    RoomItem(int roomId, int mode, QWidget *parent);

    // Runs startRefresh once after msec (at once for 0 or less); a second call before then starts the wait over.
    void startRefreshDelayed(int msec);
    // The panels in order, then the strip, have all ended their read (answered, or given up after ten frames).
    bool isRefreshFinished() const;

    int roomId() const { return m_roomId; }
    int mode() const { return m_mode; }
    QString title() const;
    QString pictureName() const { return m_pictureName; }
    OccupationMasterItem *strip() const { return m_strip; }
    // The panels of the card's kind in their order (none for mood cards, which are not refreshed).
    QList<DevicePanel *> panels() const { return m_panels; }
    // Every panel or mood card of the card, in its order.
    QList<QWidget *> items() const { return m_items; }
    QGridLayout *panelGrid() const { return m_grid; }
    bool isRefreshPending() const { return delayTimer.isActive(); }

    static constexpr int cardHeight = 400;
    static constexpr int panelWidth = 500;

    // The picture file the card paints for a picture name: a user photo of the current project, or a built-in
    // room picture; empty when a photo is missing.
    static QString picturePath(const QString &pictureName);

private slots:
    void startRefresh();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void loadDevices();
    void place(QWidget *item);

    int m_roomId;
    int m_mode;
    QString m_pictureName;
    QTimer delayTimer;
    QtMaterialLabel *labelTitle;
    OccupationMasterItem *m_strip;
    QtMaterialGroupBox *groupBoxPanels;
    QGridLayout *m_grid = nullptr;
    QList<DevicePanel *> m_panels;
    QList<QWidget *> m_items;
};
