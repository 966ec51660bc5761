#include "pages/messages/messagebar.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "pages/messages/messageitem.h"
#include "shell/guestrequests.h"

#include <QGridLayout>
#include <QPainter>
#include <QPainterPath>
#include <QSqlQuery>
#include <QVBoxLayout>

namespace {

const QColor stripColor(61, 83, 102);

} // namespace

MessageBar::MessageBar(QWidget *parent) : QWidget(parent), alarmDlg(nullptr)
{
    // A top-level window of its own: left open, it would keep the station running after its main window closed.
    alarmDlg.setAttribute(Qt::WA_QuitOnClose, false);

    rowsBox = new QtMaterialGroupBox(QString(), nullptr);
    rowsBox->setStyleSheet("QGroupBox{border:none;}");
    canvas = new QtMaterialCanvas(nullptr);
    canvas->setWidget(rowsBox);
    canvas->setWidgetResizable(true);
    auto *layout = new QVBoxLayout;
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(canvas);
    setLayout(layout);
    setFixedHeight(200);

    connect(&gBroadcastSocket, &BroadcastSocket::signalsAppendMessage, this, &MessageBar::slotsAppendMessage);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsRemoveMessage, this, &MessageBar::slotsRemoveMessage);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsProjectStateChanged, this,
            &MessageBar::slotsProjectStateChanged);
}

MessageBar::~MessageBar() = default;

QList<MessageItem *> MessageBar::rows() const
{
    return rowsBox->findChildren<MessageItem *>();
}

int MessageBar::gridRowOf(MessageItem *row) const
{
    if (!grid)
        return -1;
    const int index = grid->indexOf(row);
    if (index < 0)
        return -1;
    int gridRow = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    grid->getItemPosition(index, &gridRow, &column, &rowSpan, &columnSpan);
    return gridRow;
}

void MessageBar::slotsAppendMessage(universalSwitchMessage msg)
{
    if (quint32(msg.message_status) > 1)
        return;
    messageRecord record;
    if (msg.id == 0) {
        // A call the project could not store: staff still see it, from the announcement, as a row of its own.
        record = GuestRequests::unsavedRecord(msg);
    } else {
        QSqlQuery query = gDatabase.querySql("select * from tbl_message_log where id=?", {msg.id});
        if (!query.next())
            return;
        record = GuestRequests::recordFromRow(query);
        query.finish();
    }

    MessageItem *known = nullptr;
    for (MessageItem *row : msg.id == 0 ? QList<MessageItem *>() : rows()) {
        if (row->messageInfo().id == msg.id) {
            known = row;
            break;
        }
    }
    if (known) {
        known->setMessageInfo(record);
    } else {
        addRow(record);
        if (msg.message_type == 1) {
            alarmDlg.appendRecord(record);
            alarmDlg.show();
            alarmDlg.raise();
            alarmDlg.activateWindow();
        }
    }
    tone.play(msg.message_type);
}

void MessageBar::addRow(const messageRecord &record)
{
    if (!grid) {
        grid = new QGridLayout;
        grid->setSizeConstraint(QLayout::SetNoConstraint);
        grid->setSpacing(20);
        rowsBox->setLayout(grid);
    }
    auto *row = new MessageItem(record, nullptr);
    grid->addWidget(row, nextGridRow, 0);
    grid->setRowStretch(nextGridRow + 1, 1);
    ++nextGridRow;
}

void MessageBar::removeRow(MessageItem *row)
{
    grid->removeWidget(row);
    // Out of the container at once, so that a later announcement of the same id makes a new row.
    row->hide();
    row->setParent(nullptr);
    row->deleteLater();
}

void MessageBar::slotsRemoveMessage(int value, int type)
{
    if (!grid)
        return;
    for (MessageItem *row : rows()) {
        const messageRecord record = row->messageInfo();
        switch (type) {
        case 1:
        case 2:
        case 3: {
            const int field = type == 1 ? record.room_id : type == 2 ? record.panel_id : record.message_id;
            if (field == value)
                removeRow(row);
            break;
        }
        default:
            if (record.id == value) {
                removeRow(row);
                return;
            }
            break;
        }
    }
}

void MessageBar::slotsProjectStateChanged(QString)
{
    for (MessageItem *row : rows())
        removeRow(row);
    // A fresh grid: the next row starts at the top again.
    delete grid;
    grid = nullptr;
    nextGridRow = 0;
    alarmDlg.clearRecords();
    alarmDlg.hide();
}

void MessageBar::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(rect()), 10, 10);
    painter.setClipPath(clip);
    painter.setPen(stripColor);
    painter.setBrush(stripColor);
    painter.drawRect(rect());
    painter.end();
    QWidget::paintEvent(event);
}
