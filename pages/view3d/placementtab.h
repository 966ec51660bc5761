#pragma once
// A placement tab of the "3D View Setting" page: the room's 3D picture with its name and one marker per device of
// the tab's kind, each dragged with the mouse and stored the moment it is dropped; a drop that cannot be stored
// is told to the user and the marker goes back to its stored place. The three kinds (lights, air conditioners,
// floor heatings) differ only in their statements, their records and what a marker shows.
//
// Positions are pixels of this widget (the top-left corner of the 80 x 80 marker), never scaled with the
// picture: the marker views of the operation side show a marker at the same pixel offsets of their own widget.

#include "shell/mydialog.h"

#include <QList>
#include <QPoint>
#include <QString>

class QSqlQuery;

class PlacementTab : public MyDialog
{
    Q_OBJECT

public:
    // Where one kind's devices and their positions are kept (core/placementstore.h and the kind's device store).
    struct Statements
    {
        // The stored position of a device, a row at (0, 0) added for a device without one.
        bool (*loadPosition)(int key, int roomId, QPoint &position, QString *error);
        // Stores the dropped position of a device.
        bool (*savePosition)(int key, int roomId, const QPoint &position, QString *error);
        // The room's devices of this kind from their store; empty when appendDevices is replaced.
        QSqlQuery (*deviceRows)(int roomId) = nullptr;
    };

    // Stores the picture name and repaints.
    void setIconName(const QString &iconName);
    // Reloads the picture name, the room name and the devices with their positions; a device without a position
    // row gets one at (0, 0). A position that cannot be read or added is told to the user and shows at (0, 0).
    void loadRoom(int roomId);

    QString iconName() const { return m_iconName; }
    QString roomName() const { return m_roomName; }
    int markerCount() const { return count(); }
    QPoint markerPosition(int index) const { return positionAt(index); }
    int markerKey(int index) const { return keyAt(index); }
    QString markerText(int index) const { return textAt(index); }
    QString markerIconPath(int index) const { return iconPathAt(index); }

protected:
    PlacementTab(const Statements &statements, QWidget *parent);

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    // The record list of the kind.
    virtual void clearRecords() = 0;
    // Appends a zeroed record filled from the device row; its position is set afterwards.
    virtual void appendRecord(const QSqlQuery &row) = 0;
    // Appends the room's devices of the kind, each with appendRecord on a row of the devices statement; a kind
    // that reads its devices through a store module appends them itself.
    virtual void appendDevices(int roomId);
    virtual int count() const = 0;
    virtual int keyAt(int index) const = 0;
    virtual int roomAt(int index) const = 0;
    virtual QPoint positionAt(int index) const = 0;
    virtual void setPositionAt(int index, const QPoint &position) = 0;
    virtual bool draggingAt(int index) const = 0;
    virtual void setDraggingAt(int index, bool dragging) = 0;
    virtual QString textAt(int index) const = 0;
    virtual QString iconPathAt(int index) const = 0;

private:
    int draggingIndex() const;
    // The marker's corner for a cursor: centred on it, kept inside the widget.
    QPoint cornerFor(const QPoint &cursor) const;

    Statements m_statements;
    // The stored position of the marker being dragged.
    QPoint m_dragStart;
    QString m_iconName;
    QString m_roomName;
};

// The record list every kind keeps: records zeroed before they are filled, in load order.
template <typename Record> class PlacementTabOf : public PlacementTab
{
public:
    QList<Record> records() const { return m_records; }

protected:
    PlacementTabOf(const Statements &statements, QWidget *parent) : PlacementTab(statements, parent) {}

    void clearRecords() override { m_records.clear(); }
    int count() const override { return m_records.size(); }
    int roomAt(int index) const override { return m_records.at(index).room_id; }
    QPoint positionAt(int index) const override { return {m_records.at(index).xp1, m_records.at(index).yp1}; }
    void setPositionAt(int index, const QPoint &position) override
    {
        m_records[index].xp1 = position.x();
        m_records[index].yp1 = position.y();
    }
    bool draggingAt(int index) const override { return m_records.at(index).dragging; }
    void setDraggingAt(int index, bool dragging) override { m_records[index].dragging = dragging; }

    QList<Record> m_records;
};
