#include "shell/manageritem.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/messagestore.h"
#include "core/projectlist.h"
#include "core/queryhelpers.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "shell/announcedrow.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

int &rotationMs()
{
    static int ms = 3000;
    return ms;
}

const QColor alarmColor(0xE3, 0x51, 0x51);
const QColor serviceColor(0xAB, 0xD2, 0x65);
const QColor addCircleColor(0x1F, 0x29, 0x33);

// The pending requests (status 0) received today, of one room or, for roomId 0, of every room.
QList<messageRecord> pendingToday(int roomId)
{
    return pendingMessagesOfDay(QDate::currentDate().toString("yyyy-MM-dd"), roomId);
}

} // namespace

ManagerItem::ManagerItem(int type, int id, const QString &name, const QString &iconName, bool editable,
                         const QColor &background, int width, int height, QWidget *parent)
    : ManagerItem(type, id, name, iconName, editable, background, width, height, nullptr, parent)
{
}

ManagerItem::ManagerItem(int id, const QString &name, const QString &iconName,
                         const QList<messageRecord> &todaysMessages, const QColor &background, int width, int height,
                         QWidget *parent)
    : ManagerItem(RoomTile, id, name, iconName, false, background, width, height, &todaysMessages, parent)
{
}

ManagerItem::ManagerItem(int type, int id, const QString &name, const QString &iconName, bool editable,
                         const QColor &background, int width, int height, const QList<messageRecord> *todaysMessages,
                         QWidget *parent)
    : DynamicWidget(background, parent), m_type(type), m_id(id), m_name(name), m_iconName(iconName),
      m_editable(editable)
{
    if (m_editable) {
        m_deleteButton = new QtMaterialIconButton(QtMaterialTheme::icon("navigation", "close"));
        m_deleteButton->setColor(QColor(0xFF, 0x00, 0x00));
        connect(m_deleteButton, &QAbstractButton::clicked, this, &ManagerItem::pushButtonDelete_clicked);
        auto *layout = new QGridLayout;
        layout->setSizeConstraint(QLayout::SetNoConstraint);
        layout->addWidget(m_deleteButton, 0, 0, Qt::AlignRight | Qt::AlignTop);
        layout->setRowStretch(1, 1);
        setLayout(layout);
    } else if (tracksMessages()) {
        if (todaysMessages)
            m_messages = *todaysMessages;
        else
            loadMessages();
        connect(&m_rotationTimer, &QTimer::timeout, this, &ManagerItem::onPoll);
        m_rotationTimer.setInterval(rotationMs());
        keepRotating();
    }
    setFixedSize(width, height);

    connect(this, &DynamicWidget::signalsPressed, this, &ManagerItem::slotsPressed);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsUpdateMessage, this, &ManagerItem::slotsUpdateMessage);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsAppendMessage, this, &ManagerItem::slotsAppendMessage);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsRemoveMessage, this, &ManagerItem::slotsRemoveMessage);
}

ManagerItem::~ManagerItem() = default;

void ManagerItem::setRotationInterval(int milliseconds)
{
    rotationMs() = milliseconds;
}

int ManagerItem::rotationInterval()
{
    return rotationMs();
}

void ManagerItem::setIconName(const QString &iconName)
{
    m_iconName = iconName;
    update();
}

bool ManagerItem::tracksMessages() const
{
    return m_type == RoomTile && !m_editable && m_id > 0;
}

void ManagerItem::loadMessages()
{
    // Only the requests received today count; the day stays the one of the card's construction.
    m_messages = pendingToday(m_id);
}

QHash<int, QList<messageRecord>> ManagerItem::todaysMessagesByRoom()
{
    QHash<int, QList<messageRecord>> byRoom;
    for (const messageRecord &record : pendingToday(0))
        byRoom[record.room_id].append(record);
    return byRoom;
}

void ManagerItem::keepRotating()
{
    // A card without messages has nothing to rotate: thousands of room cards would otherwise each wake every
    // few seconds to repaint nothing.
    if (!m_messages.isEmpty() && !m_rotationTimer.isActive())
        m_rotationTimer.start();
}

int ManagerItem::indexOfLogId(int logId) const
{
    for (int i = 0; i < m_messages.size(); ++i) {
        if (m_messages.at(i).id == logId)
            return i;
    }
    return -1;
}

void ManagerItem::clampIndex()
{
    if (m_index >= m_messages.size())
        m_index = 0;
}

void ManagerItem::onPoll()
{
    if (!tracksMessages())
        return;
    const int n = m_messages.size();
    if (n == 0) {
        m_index = -1;
        // Nothing left to show: the next message starts the rotation again.
        m_rotationTimer.stop();
    } else if (m_index >= n)
        m_index = 0;
    else
        m_index = (m_index + 1) % n;
    showMessageLine();
}

void ManagerItem::slotsPressed()
{
    emit signalsEdit(m_type, m_id);
    emit signalsIconEdit(m_iconName);
}

void ManagerItem::pushButtonDelete_clicked()
{
    emit signalsDelete(m_type, m_id);
}

void ManagerItem::slotsAppendMessage(universalSwitchMessage msg)
{
    if (!tracksMessages() || msg.room_id != m_id)
        return;
    if (msg.message_status != 0) {
        // Withdrawn at the panel: no longer pending.
        const int at = indexOfLogId(msg.id);
        if (at >= 0)
            m_messages.removeAt(at);
        clampIndex();
        showMessageLine();
        return;
    }
    messageRecord record;
    if (AnnouncedRow::read(msg, record)) {
        // A re-opened request comes back with the id of its row: the entry is refreshed, not listed twice.
        const int at = indexOfLogId(record.id);
        if (at >= 0) {
            m_messages[at] = record;
            m_index = at;
            showMessageLine();
            return;
        }
        m_messages.append(record);
        keepRotating();
    }
    m_index = m_messages.size() - 1;
    showMessageLine();
}

void ManagerItem::slotsRemoveMessage(int value, int type)
{
    if (!tracksMessages())
        return;
    switch (type) {
    case 1:
    case 2:
    case 3:
        for (int i = m_messages.size() - 1; i >= 0; --i) {
            const messageRecord &m = m_messages.at(i);
            const int field = type == 1 ? m.room_id : type == 2 ? m.panel_id : m.message_id;
            if (field == value)
                m_messages.removeAt(i);
        }
        break;
    default: {
        const int at = indexOfLogId(value);
        if (at >= 0)
            m_messages.removeAt(at);
        break;
    }
    }
    clampIndex();
    showMessageLine();
}

void ManagerItem::slotsUpdateMessage(messageRecord _messageRecord)
{
    if (!tracksMessages() || _messageRecord.room_id != m_id)
        return;
    const int at = indexOfLogId(_messageRecord.id);
    if (at >= 0) {
        if (_messageRecord.message_status == 0) {
            m_messages[at] = _messageRecord;
            terminateRecordTexts(m_messages[at]);
        } else {
            m_messages.removeAt(at);
        }
    }
    clampIndex();
    showMessageLine();
}

QString ManagerItem::picturePathOf(int type, const QString &iconName)
{
    switch (type) {
    case AddTile:
        return tr(":/myImages/png/add_new_room.png");
    case RoomTemplateTile:
    case RoomTile:
    case View3DTile:
    case MoodTile: {
        if (iconName.contains("photo")) {
            QString file = iconName;
            if (!file.contains(".png"))
                file += ".png";
            QString project;
            getCurrentProjectName(project);
            const QString folder = gAppDirPath + "/database/" + project;
            if (!QFileInfo(folder).isDir() || !QFileInfo::exists(folder + "/" + file))
                return QString();
            return folder + "/" + file;
        }
        QString folder;
        QString extension;
        if (type == View3DTile) {
            folder = tr(":/myImages/png/3d_view/");
            extension = ".png";
        } else if (type == MoodTile) {
            folder = tr(":/myImages/jpg/moods/");
            extension = ".jpg";
        } else {
            folder = tr(":/myImages/jpg/room/");
            extension = ".jpg";
        }
        QString file = iconName;
        if (!file.contains(extension))
            file += extension;
        return folder + file;
    }
    case MessageTile:
    case LightTile: {
        QString file = iconName;
        if (!file.contains(".png"))
            file += ".png";
        return (type == MessageTile ? tr(":/myImages/png/message/") : tr(":/myImages/png/light/")) + file;
    }
    case AirConditionerTile:
        return tr(":/myImages/png/edit_room/icon-room-ac.png");
    case FloorHeatTile:
        return tr(":/myImages/png/edit_room/icon-room-floorheat.png");
    case PanelTile:
        return tr(":/myImages/png/edit_room/icon-room-panel.png");
    default:
        return QString();
    }
}

void ManagerItem::paintEvent(QPaintEvent *event)
{
    DynamicWidget::paintEvent(event);

    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect r(0, 0, w, h);
    const QRect square((w - 96) / 2, (h - 96) / 2, 96, 96);
    const QString path = picturePath();

    switch (m_type) {
    case AddTile:
        painter.setPen(addCircleColor);
        painter.setBrush(addCircleColor);
        painter.drawEllipse(square);
        painter.drawPixmap(square.adjusted(15, 15, -15, -15), picturePixmap(path));
        break;
    case RoomTemplateTile:
    case RoomTile:
    case MoodTile: {
        painter.save();
        QPainterPath clip;
        clip.addRoundedRect(r, 10, 10, Qt::AbsoluteSize);
        painter.setClipPath(clip);
        if (!path.isEmpty())
            painter.drawPixmap(r, picturePixmap(path));
        painter.restore();
        if (m_type != MoodTile && m_line.shown)
            paintMessageLine(painter);
        break;
    }
    case View3DTile:
        if (!path.isEmpty())
            painter.drawPixmap(r, picturePixmap(path));
        break;
    case MessageTile:
    case LightTile:
    case AirConditionerTile:
    case FloorHeatTile:
    case PanelTile:
        painter.drawPixmap(square, picturePixmap(path));
        break;
    default:
        break;
    }

    painter.setBrush(Qt::NoBrush);
    painter.setFont(QtMaterialStyle::instance().themeFont(8));
    painter.setPen(Qt::white);
    if (m_type == RoomTemplateTile || m_type == RoomTile || m_type == View3DTile || m_type == MoodTile) {
        const QString text = painter.fontMetrics().elidedText(m_name, Qt::ElideRight, w - 10);
        painter.drawText(QRect(10, 10, w - 10, h - 10), Qt::AlignLeft | Qt::AlignTop, text);
    } else {
        const QString text = painter.fontMetrics().elidedText(m_name, Qt::ElideRight, w);
        painter.drawText(QRect(0, h - 31, w, 30), Qt::AlignHCenter | Qt::AlignBottom | Qt::AlignVCenter, text);
    }
}

void ManagerItem::showMessageLine()
{
    m_line = MessageLine();
    MessageDefinition definition;
    if (tracksMessages() && m_index >= 0 && m_index < m_messages.size()) {
        const messageRecord &entry = m_messages.at(m_index);
        // A definition that no longer exists shows no line; the entry stays.
        if (readMessageDefinition(entry.message_id, definition)) {
            QString icon = definition.iconName;
            if (!icon.contains(".png"))
                icon += ".png";
            m_line.shown = true;
            m_line.alarm = entry.message_type == 1;
            m_line.text = definition.remark;
            m_line.picture = tr(":/myImages/png/message/") + icon;
        }
    }
    update();
}

void ManagerItem::paintMessageLine(QPainter &painter)
{
    const int h = height();
    const int w = width();
    painter.drawPixmap(QRect(10, h - 31, 30, 30), picturePixmap(m_line.picture));
    painter.setBrush(Qt::NoBrush);
    painter.setFont(QtMaterialStyle::instance().themeFont(8));
    painter.setPen(m_line.alarm ? alarmColor : serviceColor);
    const QString text = painter.fontMetrics().elidedText(m_line.text, Qt::ElideRight, w);
    painter.drawText(QRect(50, h - 31, w, 30), Qt::AlignLeft | Qt::AlignBottom, text);
}
