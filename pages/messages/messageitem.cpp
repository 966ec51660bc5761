#include "pages/messages/messageitem.h"

#include "core/globals.h"
#include "core/queryhelpers.h"
#include "core/roomname.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "pages/messages/logpageframe.h"
#include "pages/messages/messagedlg.h"

#include <QPainter>
#include <QPixmap>
#include <QPointer>

namespace {

const QColor rowColor(61, 83, 102);
const QColor dealtColor(255, 165, 0);
const QColor alarmColor(227, 81, 81);
const QColor serviceColor(171, 210, 101);

QString messageSql(int messageId)
{
    return QString::asprintf("select * from tbl_message where message_id=%d", messageId);
}

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
    update();
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
    QString icon;
    if (!queryStringValue(messageSql(record.message_id), "icon_name", icon))
        return QString();
    if (!icon.contains(".png"))
        icon += ".png";
    return ":/myImages/png/message/" + icon;
}

QList<MessageItem::TextCell> MessageItem::textCells() const
{
    const QString definition = messageSql(record.message_id);
    if (!queryHasRecord(definition))
        return {};
    QString messageName;
    queryStringValue(definition, "message_remark", messageName);
    QString panelName;
    queryStringValue(QString::asprintf("select panel_remark from tbl_panel where panel_id=%d", record.panel_id),
                     "panel_remark", panelName);
    QString typeName;
    queryStringValue(
        QString::asprintf("select message_type_name from tbl_message_type where message_type=%d", record.message_type),
        "message_type_name", typeName);
    QString statusName;
    queryStringValue(QString::asprintf("select message_status_name from tbl_message_status where message_status=%d",
                                       record.message_status),
                     "message_status_name", statusName);

    const int w = width();
    const int h = height();
    return {{QRect(80, 0, 250, h), QString::fromUtf8(record.recv_time)},
            {QRect(340, 0, 150, h), roomFullName(record.room_id)},
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
    const QString picture = picturePath();
    if (!picture.isEmpty()) {
        painter.drawPixmap(QRect(50, (h - 24) / 2, 24, 24), QPixmap(picture));
        for (const TextCell &cell : textCells()) {
            const QString text = painter.fontMetrics().elidedText(cell.text, Qt::ElideRight, cell.rect.width());
            painter.drawText(cell.rect, Qt::AlignCenter, text);
        }
    }

    painter.setPen(Qt::lightGray);
    painter.drawLine(0, h - 1, w - 1, h - 1);
}
