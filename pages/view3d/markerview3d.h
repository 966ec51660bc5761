#pragma once
// A room's 3D picture with one round marker per device, operated from the picture: a press on a marker pops up
// the device's panel centred over the picture, and a refresh pass reads every device with the panels started a
// little apart, then repaints the markers once from what the panels read.
//
// The view keeps one hidden panel per device (built to hear its device while hidden) for as long as the room is
// shown; it only starts them, waits until all are finished and copies their records back. Marker positions are
// view pixels stored by the placement tabs; the picture is stretched under them and they are never scaled.

#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>

class DevicePanel;
class QPainter;

class MarkerView3D : public QWidget
{
    Q_OBJECT

public:
    // Starts a refresh pass over all panels; a running pass starts again.
    virtual void refresh();
    // The last pass completed (a pass abandoned because the view was hidden never completes).
    bool isRefreshFinished() const { return refreshFinished; }
    // A pass is under way: the check runs until all panels are done or the view is found hidden.
    bool isRefreshRunning() const { return refreshTimer.isActive(); }
    QString iconName() const { return m_iconName; }

    int markerCount() const { return entryCount(); }
    QPoint markerPosition(int index) const { return positionAt(index); }
    DevicePanel *markerPanel(int index) const { return panelAt(index); }

    // Test seams: the gap between the starts of two panels, and the period of the check whether all are done
    // (100 ms each).
    static void setStaggerInterval(int milliseconds);
    static int staggerInterval();
    static void setCheckInterval(int milliseconds);
    static int checkInterval();

    static const int markerSize = 80;

protected:
    explicit MarkerView3D(QWidget *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    virtual int entryCount() const = 0;
    virtual DevicePanel *panelAt(int index) const = 0;
    virtual QPoint positionAt(int index) const = 0;
    // Takes the panel's current record into the entry.
    virtual void copyBack(int index) = 0;
    virtual void paintMarker(QPainter &painter, int index) = 0;

    // Reads a device's stored position, adding a row at (0, 0) for a device without one (core/placementstore.h).
    using PositionLoader = bool (*)(int key, int roomId, QPoint &position, QString *error);

    // The room's picture name from tbl_3d_view_manager; kept when the room has no row.
    void loadPictureName(int roomId);
    // The stored position of a device; one that could not be read or added shows at (0, 0) and is kept for
    // reportLoadFailure.
    QPoint loadPosition(PositionLoader load, int key, int roomId);
    // Tells the user once when a position of this load could not be read or stored, then forgets it.
    void reportLoadFailure();
    // The circle every marker stands on: #1f2933 when on, #3d5366 when off.
    static void paintCircle(QPainter &painter, const QPoint &corner, bool on);

    QString m_iconName;
    QString m_loadError;
    bool refreshFinished = false;
    QTimer refreshTimer;

private slots:
    void finishRefresh();
};

// The entry list every kind keeps: position, a copy of the device record and the hidden panel (a child of the
// view) in load order.
template <typename Record, typename Panel> class MarkerView3DOf : public MarkerView3D
{
public:
    struct Entry
    {
        qint32 xp1;
        qint32 yp1;
        Record record;
        Panel *item;
    };

    QList<Entry> entries() const { return m_entries; }

protected:
    explicit MarkerView3DOf(QWidget *parent) : MarkerView3D(parent) {}

    int entryCount() const override { return m_entries.size(); }
    DevicePanel *panelAt(int index) const override { return m_entries.at(index).item; }
    QPoint positionAt(int index) const override { return {m_entries.at(index).xp1, m_entries.at(index).yp1}; }
    void copyBack(int index) override { m_entries[index].record = m_entries.at(index).item->deviceInfo(); }

    // The old panels go when the event loop deletes them.
    void clearEntries()
    {
        for (const Entry &entry : qAsConst(m_entries)) {
            if (entry.item)
                entry.item->deleteLater();
        }
        m_entries.clear();
    }

    void addEntry(const QPoint &position, const Record &record)
    {
        auto *panel = new Panel(record, true, this);
        panel->hide();
        m_entries.append({position.x(), position.y(), record, panel});
    }

    QList<Entry> m_entries;
};
