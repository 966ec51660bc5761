#pragma once
// The picture tile of every grid: room and template cards, 3D-view cards, the device, mood, panel and message
// tiles of the managers, the add tile and the icon picker's tiles. Room cards of the home and rooms pages also
// show the room's pending guest messages of the day, one at a time. The message line a card shows is read from the
// project whenever the message on show is set (a new or changed message, a removal, each turn of the rotation);
// painting only draws what was read.

#include "devicelink/messagerecords.h"
#include "shell/dynamicwidget.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QTimer>

class QPainter;
class QtMaterialIconButton;

// What a tile stands for, and so what it paints.
enum ManagerItemKind {
    AddTile = 0,
    RoomTemplateTile = 1,
    RoomTile = 2,
    View3DTile = 3,
    MessageTile = 4,
    LightTile = 5,
    AirConditionerTile = 6,
    FloorHeatTile = 7,
    MoodTile = 8,
    PanelTile = 9
};

class ManagerItem : public DynamicWidget
{
    Q_OBJECT

public:
    ManagerItem(int type, int id, const QString &name, const QString &iconName, bool editable, const QColor &background,
                int width, int height, QWidget *parent);
    // A room card (kind RoomTile, not editable) given its room's pending messages of today, which a grid of room
    // cards reads for all its cards with one statement instead of one per card.
    ManagerItem(int id, const QString &name, const QString &iconName, const QList<messageRecord> &todaysMessages,
                const QColor &background, int width, int height, QWidget *parent);
    ~ManagerItem() override;

    int id() const { return m_id; }
    int type() const { return m_type; }
    QString name() const { return m_name; }
    QString iconName() const { return m_iconName; }
    void setIconName(const QString &iconName);

    // A room card of the home or rooms page: the only tiles that keep and show guest messages.
    bool tracksMessages() const;
    QList<messageRecord> messages() const { return m_messages; }
    // Index of the message shown, -1 for none.
    int currentMessageIndex() const { return m_index; }
    QtMaterialIconButton *deleteButton() const { return m_deleteButton; }

    // The path the tile draws its picture from; empty when the kind has no picture or a user photo is missing.
    QString picturePath() const { return picturePathOf(m_type, m_iconName); }
    // The same for any tile kind and picture name. A name containing "photo" is the user's picture in the current
    // project's folder (".png" added when missing), drawn only when the folder and the file exist; other names are
    // the built-in pictures of the kind. Mood cards draw their pictures by the same rule (kind MoodTile).
    static QString picturePathOf(int type, const QString &iconName);

    // Test seam: the rotation period of room cards built afterwards (3000 ms normally).
    static void setRotationInterval(int milliseconds);
    static int rotationInterval();
    // Whether the rotation timer runs: only while the card has messages to show, and until the tick that finds
    // none left.
    bool isRotating() const { return m_rotationTimer.isActive(); }

    // Pending messages of today (status 0, received today), by room, read with one statement and in the order
    // a card would read its own.
    static QHash<int, QList<messageRecord>> todaysMessagesByRoom();

signals:
    // The tile was clicked (then signalsIconEdit follows).
    void signalsEdit(int type, int id);
    // The tile was clicked, with the name of its picture.
    void signalsIconEdit(QString iconName);
    // The delete button of an editable tile was clicked.
    void signalsDelete(int type, int id);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void onPoll();
    void slotsPressed();
    void slotsUpdateMessage(messageRecord _messageRecord);
    void slotsAppendMessage(universalSwitchMessage msg);
    void slotsRemoveMessage(int value, int type);
    void pushButtonDelete_clicked();

private:
    ManagerItem(int type, int id, const QString &name, const QString &iconName, bool editable, const QColor &background,
                int width, int height, const QList<messageRecord> *todaysMessages, QWidget *parent);
    void loadMessages();
    void keepRotating();
    void clampIndex();
    int indexOfLogId(int logId) const;
    // Reads the line of the message on show (its definition's text and picture), or clears it, then repaints.
    void showMessageLine();
    void paintMessageLine(QPainter &painter);

    int m_type;
    int m_id;
    QString m_name;
    QString m_iconName;
    bool m_editable;
    int m_index = -1;
    QList<messageRecord> m_messages;
    // What the message line draws: nothing while no message is on show or its definition is gone.
    struct MessageLine
    {
        bool shown = false;
        bool alarm = false;
        QString text;
        QString picture;
    };
    MessageLine m_line;
    QTimer m_rotationTimer;
    QtMaterialIconButton *m_deleteButton = nullptr;
};
