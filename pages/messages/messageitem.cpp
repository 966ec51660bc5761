#include "pages/messages/messageitem.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/roomname.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "pages/messages/logpageframe.h"
#include "pages/messages/messagedlg.h"

#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QSqlQuery>

namespace {

const QColor rowColor(61, 83, 102);
const QColor dealtColor(255, 165, 0);
const QColor alarmColor(227, 81, 81);
const QColor serviceColor(171, 210, 101);

// The definition's name and picture with the panel, type and status names beside it, in one statement: no row
// when the definition is gone.
const char namesSql[] = "select message_remark,icon_name,"
                        "(select panel_remark from tbl_panel where panel_id=?),"
                        "(select message_type_name from tbl_message_type where message_type=?),"
                        "(select message_status_name from tbl_message_status where message_status=?)"
                        " from tbl_message where message_id=? limit 1";

} // namespace

MessageItem::MessageItem(messageRecord record, QWidget *parent) : DynamicWidget(rowColor, parent)
{
    setMessageInfo(record);
    setFixedHeight(40);
    connect(this, &DynamicWidget::signalsPressed, this, &MessageItem::slotsPressed);
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
    QSqlQuery query = gDatabase.queryPrepared(
        namesSql, {record.panel_id, record.message_type, record.message_status, record.message_id});
    hasDefinition = query.next();
    if (!hasDefinition) {
        query.finish();
        picture.clear();
        roomName.clear();
        panelName.clear();
        messageName.clear();
        typeName.clear();
        statusName.clear();
        return;
    }
    messageName = query.value(0).toString();
    QString icon = query.value(1).toString();
    panelName = query.value(2).toString();
    typeName = query.value(3).toString();
    statusName = query.value(4).toString();
    query.finish();
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

void MessageItem::slotsMessageChecked(bool value)
{
    checked = value;
    update();
}

void MessageItem::slotsMessageVisible(bool visible)
{
    checkBoxVisible = visible;
    update();
}

void MessageItem::slotsPressed()
{
    if (checkBoxVisible) {
        checked = !checked;
        update();
        return;
    }
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

QList<MessageItem::TextCell> MessageItem::textCells() const
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

void MessageItem::paintEvent(QPaintEvent *event)
{
    DynamicWidget::paintEvent(event);

    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (checkBoxVisible)
        LogPageFrame::paintRowCheckBox(painter, h, checked);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(textColor());
    painter.setFont(QtMaterialStyle::instance().themeFont(8));
    if (hasDefinition) {
        painter.drawPixmap(QRect(50, (h - 24) / 2, 24, 24), QPixmap(picture));
        for (const TextCell &cell : textCells()) {
            const QString text = painter.fontMetrics().elidedText(cell.text, Qt::ElideRight, cell.rect.width());
            painter.drawText(cell.rect, Qt::AlignCenter, text);
        }
    }

    painter.setPen(Qt::lightGray);
    painter.drawLine(0, h - 1, w - 1, h - 1);
}
