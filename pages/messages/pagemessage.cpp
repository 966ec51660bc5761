#include "pages/messages/pagemessage.h"

#include "core/cppsqlite3db.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "core/roomname.h"
#include "core/roomstore.h"
#include "core/xlsxwriter.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmaterialdatetimeedit.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmateriallabel.h"
#include "pages/messages/messageitem.h"
#include "shell/guestrequests.h"
#include "shell/orvmessagebox.h"

#include <QGridLayout>
#include <QSqlQuery>

namespace {

constexpr int allTypes = 255;
constexpr int allStatuses = 255;
constexpr int allRooms = 0;

QtMaterialComboBox *filterBox(const QString &name)
{
    auto *box = new QtMaterialComboBox(nullptr);
    box->setObjectName(name);
    box->setEditable(false);
    return box;
}

} // namespace

PageMessage::PageMessage(const QString &id, const QString &name, QWidget *parent) : MyDialog(id, name, parent)
{
    setObjectName("PageMessage");

    comboBoxType = filterBox("comboBoxType");
    comboBoxType->addItem(tr("All Types"), allTypes);
    QStringList names;
    queryStringList("select message_type_name from tbl_message_type order by message_type asc", "message_type_name",
                    names);
    // The codes go by position, whatever the table holds.
    const QList<int> typeCodes = {0, 1};
    for (int i = 0; i < names.size() && i < typeCodes.size(); ++i)
        comboBoxType->addItem(names.at(i), typeCodes.at(i));

    comboBoxStatus = filterBox("comboBoxStatus");
    comboBoxStatus->addItem(tr("All Status"), allStatuses);
    queryStringList("select message_status_name from tbl_message_status order by message_status asc",
                    "message_status_name", names);
    for (int i = 0; i < names.size() && i < 5; ++i)
        comboBoxStatus->addItem(names.at(i), i);

    comboBoxRoom = filterBox("comboBoxRoom");
    fillRoomFilter();

    dateTimeEditStart = LogPageFrame::rangeEdit("dateTimeEditStart");
    dateTimeEditEnd = LogPageFrame::rangeEdit("dateTimeEditEnd");

    auto *filters = new QGridLayout;
    filters->setSizeConstraint(QLayout::SetNoConstraint);
    filters->setSpacing(20);
    filters->addWidget(new QtMaterialLabel(tr("Type:"), nullptr), 0, 0);
    filters->addWidget(comboBoxType, 0, 1);
    filters->addWidget(new QtMaterialLabel(tr("Start Time:"), nullptr), 0, 2);
    filters->addWidget(dateTimeEditStart, 0, 3);
    filters->addWidget(new QtMaterialLabel(tr("Status:"), nullptr), 1, 0);
    filters->addWidget(comboBoxStatus, 1, 1);
    filters->addWidget(new QtMaterialLabel(tr("End Time:"), nullptr), 1, 2);
    filters->addWidget(dateTimeEditEnd, 1, 3);
    filters->addWidget(new QtMaterialLabel(tr("Room:"), nullptr), 2, 0);
    filters->addWidget(comboBoxRoom, 2, 1);
    filters->setColumnStretch(4, 1);
    filters->setRowStretch(3, 1);
    frame.build(this, filters, "PageMessage");

    LogPageFrame::showLastWeek(dateTimeEditStart, dateTimeEditEnd);

    for (QtMaterialComboBox *box : {comboBoxType, comboBoxStatus, comboBoxRoom})
        connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &PageMessage::comboBoxChange);
    connect(dateTimeEditStart, &QDateTimeEdit::dateTimeChanged, this, &PageMessage::dateTimeChanged);
    connect(dateTimeEditEnd, &QDateTimeEdit::dateTimeChanged, this, &PageMessage::dateTimeChanged);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &PageMessage::slotsPageEnter);
    connect(frame.labelExport, &QtMaterialLabel::signalsPressed, this, &PageMessage::labelExport_pressed);
    connect(frame.labelDelete, &QtMaterialLabel::signalsPressed, this, &PageMessage::labelDelete_pressed);
    connect(frame.pushButtonCancel, &QAbstractButton::clicked, this, &PageMessage::pushButtonCancel_clicked);
    connect(frame.pushButtonSelectAll, &QAbstractButton::clicked, this, &PageMessage::pushButtonSelectAll_clicked);
}

void PageMessage::fillRoomFilter()
{
    comboBoxRoom->clear();
    comboBoxRoom->addItem(tr("All Rooms"), allRooms);
    for (int roomId : roomIdsInOrder()) {
        const RoomNameParts parts = roomNameParts(roomId);
        if (parts.hasRoom)
            comboBoxRoom->addItem(parts.joined(), roomId);
    }
}

QList<MessageItem *> PageMessage::rows() const
{
    return LogPageFrame::liveRows(built);
}

void PageMessage::slotsPageEnter()
{
    if (!isVisible())
        return;
    loading = true;
    comboBoxType->setCurrentIndex(0);
    comboBoxStatus->setCurrentIndex(0);
    // Rooms may have been added, renamed or removed, or another project opened, since the last visit.
    fillRoomFilter();
    comboBoxRoom->setCurrentIndex(0);
    LogPageFrame::showLastWeek(dateTimeEditStart, dateTimeEditEnd);
    loadMessages();
    loading = false;
}

void PageMessage::comboBoxChange(int index)
{
    QObject *box = sender();
    if ((box == comboBoxType || box == comboBoxStatus || box == comboBoxRoom) && index >= 0 && !loading)
        loadMessages();
}

void PageMessage::dateTimeChanged()
{
    // During a page entry the entry itself reloads once the edits are set.
    if (!loading)
        loadMessages();
}

void PageMessage::loadMessages()
{
    frame.showDeleteButtons(false);
    frame.clearRows(built);

    const int type = comboBoxType->currentData().toInt();
    const int status = comboBoxStatus->currentData().toInt();
    const int room = comboBoxRoom->currentData().toInt();
    // Each filter that is not on its all-code adds its condition, in the order type, status, room.
    QString sql = "select * from tbl_message_log where ";
    QVariantList values;
    if (type != allTypes) {
        sql += "message_type=? and ";
        values << type;
    }
    if (status != allStatuses) {
        sql += "message_status=? and ";
        values << status;
    }
    if (room != allRooms) {
        sql += "room_id=? and ";
        values << room;
    }
    sql += "recv_time>=? and recv_time<=? order by recv_time desc";
    values << LogPageFrame::storedRange(dateTimeEditStart, dateTimeEditEnd);

    QSqlQuery query = gDatabase.querySql(sql, values);
    while (query.next()) {
        auto *row = new MessageItem(GuestRequests::recordFromRow(query), nullptr);
        connect(this, &PageMessage::signalsLogsChecked, row, &MessageItem::slotsMessageChecked);
        connect(this, &PageMessage::signalsLogsVisible, row, &MessageItem::slotsMessageVisible);
        frame.appendRow(row);
        built << row;
    }
    query.finish();
}

void PageMessage::labelDelete_pressed()
{
    if (!frame.inDeleteMode()) {
        frame.showDeleteButtons(true);
        emit signalsLogsVisible(true);
        return;
    }
    frame.showDeleteButtons(true);
    emit signalsLogsVisible(true);

    QList<int> marked;
    for (MessageItem *row : rows()) {
        if (row->isChecked())
            marked << row->messageInfo().id;
    }
    ORVMessageBox box(QString::asprintf(tr("%d msgs will be deleted.").toUtf8().constData(), marked.size()), 450, 160,
                      false, 2, nullptr);
    if (box.exec() != QDialog::Accepted)
        return;

    if (!marked.isEmpty() && gDatabase.beginTransaction()) {
        bool ok = true;
        for (int id : qAsConst(marked)) {
            ok = gDatabase.execSql("delete from tbl_message_log where id=?", {id});
            if (!ok)
                break;
            // The strip and the room tiles let go of the entry only once it is gone for good.
            gDatabase.afterCommit([id] { emit gBroadcastSocket.signalsRemoveMessage(id, 0); });
        }
        // A failed commit rolls back by itself.
        if (ok)
            gDatabase.commitTransaction();
        else
            gDatabase.rollbackTransaction();
    }
    loadMessages();
}

void PageMessage::pushButtonSelectAll_clicked()
{
    emit signalsLogsChecked(true);
}

void PageMessage::pushButtonCancel_clicked()
{
    emit signalsLogsChecked(false);
    emit signalsLogsVisible(false);
    frame.showDeleteButtons(false);
}

void PageMessage::labelExport_pressed()
{
    const QList<MessageItem *> shown = rows();
    if (shown.isEmpty()) {
        emit gBroadcastSocket.signalsInformation(tr("No messages"));
        return;
    }
    const QString path = LogPageFrame::chooseExportFile(this, "message");
    if (path.isEmpty())
        return;

    XlsxWriter book(path);
    bool ok = book.begin("message") && book.addRow({"Receiving Time", "Room Name", "Panel Name", "Message Name",
                                                    "Message Type", "Message Status", "Message Remark", "Deal Time"});
    for (MessageItem *row : shown) {
        if (!ok)
            break;
        const messageRecord record = row->messageInfo();
        // Times and the remark are read again: the entry may have been dealt with since the list was built.
        const QString entrySql = QString::asprintf("select * from tbl_message_log where id=%d", record.id);
        QString recvTime;
        QString remark;
        QString dealTime;
        queryStringValue(entrySql, "recv_time", recvTime);
        queryStringValue(entrySql, "message_log_remark", remark);
        queryStringValue(entrySql, "deal_time", dealTime);
        const QString panelName = readPanelRemark(record.panel_id);
        QString messageName;
        queryStringValue(QString::asprintf("select * from tbl_message where message_id=%d", record.message_id),
                         "message_remark", messageName);
        QString typeName;
        queryStringValue(QString::asprintf("select * from tbl_message_type where message_type=%d", record.message_type),
                         "message_type_name", typeName);
        QString statusName;
        queryStringValue(
            QString::asprintf("select * from tbl_message_status where message_status=%d", record.message_status),
            "message_status_name", statusName);
        ok = book.addRow(
            {recvTime, roomFullName(record.room_id), panelName, messageName, typeName, statusName, remark, dealTime});
    }
    if (ok)
        ok = book.commit();
    else
        book.cancel();
    emit gBroadcastSocket.signalsInformation(ok ? tr("Exprot successfully") : tr("Export failed"));
}
