#include "pages/messages/messageitem.h"

#include "core/messagestore.h"
#include "core/roomname.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/picturefile.h"
#include "pages/messages/messagedlg.h"

#include <QPainter>
#include <QPixmap>
#include <QPointer>

namespace {

const QColor dealtColor(255, 165, 0);
const QColor alarmColor(227, 81, 81);
const QColor serviceColor(171, 210, 101);

} // namespace

MessageItem::MessageItem(messageRecord initial, QWidget *parent) : LogRow(parent)
{
    setMessageInfo(initial);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsUpdateMessage, this, &MessageItem::slotsUpdateMessage);
}

void MessageItem::setMessageInfo(messageRecord value)
{
    record = value;
    terminateRecordTexts(record);
    readTexts();
    update();
}

void MessageItem::readTexts()
{
    MessageRowNames names;
    hasDefinition = readMessageRowNames(record, names);
    if (!hasDefinition) {
        picture.clear();
        roomName.clear();
        panelName.clear();
        messageName.clear();
        typeName.clear();
        statusName.clear();
        return;
    }
    messageName = names.messageName;
    QString icon = names.iconName;
    panelName = names.panelName;
    typeName = names.typeName;
    statusName = names.statusName;
    if (!icon.contains(".png"))
        icon += ".png";
    picture = ":/myImages/png/message/" + icon;
    roomName = roomFullName(record.room_id);
}

void MessageItem::slotsUpdateMessage(messageRecord _messageRecord)
{
    if (_messageRecord.id == record.id)
        setMessageInfo(_messageRecord);
}

void MessageItem::slotsPressed()
{
    if (toggleMark())
        return;
    MessageDlg dialog(nullptr);
    dialog.record = record;
    dialog.showRecord();
    // The row may be removed while the dialog runs (its entry deleted elsewhere).
    QPointer<MessageItem> self(this);
    const int result = dialog.exec();
    if (self && result == QDialog::Accepted)
        setMessageInfo(dialog.record);
}

QColor MessageItem::textColor() const
{
    if (record.message_status != 0)
        return dealtColor;
    if (record.message_type == 1)
        return alarmColor;
    return serviceColor;
}

QString MessageItem::picturePath() const
{
    return picture;
}

QList<LogRow::TextCell> MessageItem::textCells() const
{
    if (!hasDefinition)
        return {};
    const int w = width();
    const int h = height();
    return {{QRect(80, 0, 250, h), QString::fromUtf8(record.recv_time)},
            {QRect(340, 0, 150, h), roomName},
            {QRect(500, 0, 150, h), panelName},
            {QRect(660, 0, w - 1080, h), messageName},
            {QRect(w - 421, 0, 250, h), typeName},
            {QRect(w - 161, 0, 150, h), record.id == 0 ? tr("not saved") : statusName}};
}

void MessageItem::paintBeforeTexts(QPainter &painter)
{
    if (hasDefinition)
        painter.drawPixmap(QRect(50, (height() - 24) / 2, 24, 24), picturePixmap(picture));
}
