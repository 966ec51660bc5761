#include "pages/messages/pagemessage.h"

#include "core/devicestore.h"
#include "core/messagestore.h"
#include "core/queryhelpers.h"
#include "core/roomname.h"
#include "core/roomstore.h"
#include "core/xlsxwriter.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "pages/messages/messageitem.h"

namespace {

constexpr int allTypes = 255;
constexpr int allStatuses = 255;
constexpr int allRooms = 0;

const LogListPage::Texts pageTexts = {"PageMessage", QT_TRANSLATE_NOOP("PageMessage", "No messages"),
                                      QT_TRANSLATE_NOOP("PageMessage", "%d msgs will be deleted."), "message"};

QtMaterialComboBox *filterBox(const QString &name)
{
    auto *box = new QtMaterialComboBox(nullptr);
    box->setObjectName(name);
    box->setEditable(false);
    return box;
}

} // namespace

PageMessage::PageMessage(const QString &id, const QString &name, QWidget *parent)
    : LogListPage(id, name, pageTexts, parent)
{
    setObjectName("PageMessage");

    comboBoxType = filterBox("comboBoxType");
    comboBoxType->addItem(tr("All Types"), allTypes);
    QStringList names = messageTypeNames();
    // The codes go by position, whatever the table holds.
    const QList<int> typeCodes = {0, 1};
    for (int i = 0; i < names.size() && i < typeCodes.size(); ++i)
        comboBoxType->addItem(names.at(i), typeCodes.at(i));

    comboBoxStatus = filterBox("comboBoxStatus");
    comboBoxStatus->addItem(tr("All Status"), allStatuses);
    names = messageStatusNames();
    for (int i = 0; i < names.size() && i < 5; ++i)
        comboBoxStatus->addItem(names.at(i), i);

    comboBoxRoom = filterBox("comboBoxRoom");
    fillRoomFilter();

    buildPage({{tr("Type:"), comboBoxType}, {tr("Status:"), comboBoxStatus}, {tr("Room:"), comboBoxRoom}});

    for (QtMaterialComboBox *box : {comboBoxType, comboBoxStatus, comboBoxRoom})
        connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &PageMessage::comboBoxChange);
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

void PageMessage::resetFilters()
{
    comboBoxType->setCurrentIndex(0);
    comboBoxStatus->setCurrentIndex(0);
    // Rooms may have been added, renamed or removed, or another project opened, since the last visit.
    fillRoomFilter();
    comboBoxRoom->setCurrentIndex(0);
}

void PageMessage::comboBoxChange(int index)
{
    QObject *box = sender();
    if ((box == comboBoxType || box == comboBoxStatus || box == comboBoxRoom) && index >= 0 && !loading)
        reload();
}

void PageMessage::reload()
{
    frame.showDeleteButtons(false);
    frame.clearRows(built);

    const int type = comboBoxType->currentData().toInt();
    const int status = comboBoxStatus->currentData().toInt();
    const int room = comboBoxRoom->currentData().toInt();
    MessageLogFilter filter;
    filter.type = type == allTypes ? -1 : type;
    filter.status = status == allStatuses ? -1 : status;
    filter.roomId = room == allRooms ? -1 : room;
    const QVariantList range = storedRange();
    filter.from = range.at(0).toString();
    filter.to = range.at(1).toString();

    for (const messageRecord &record : messageLogEntries(filter)) {
        auto *row = new MessageItem(record, nullptr);
        connect(this, &PageMessage::signalsLogsChecked, row, &MessageItem::slotsLogsChecked);
        connect(this, &PageMessage::signalsLogsVisible, row, &MessageItem::slotsLogsVisible);
        frame.appendRow(row);
        built << row;
    }
}

QList<int> PageMessage::markedIds() const
{
    QList<int> marked;
    for (MessageItem *row : rows()) {
        if (row->isChecked())
            marked << row->messageInfo().id;
    }
    return marked;
}

int PageMessage::markedCount() const
{
    return markedIds().size();
}

bool PageMessage::isListEmpty() const
{
    return rows().isEmpty();
}

bool PageMessage::deleteMarked()
{
    const QList<int> marked = markedIds();
    if (!deleteMessageLogEntries(marked))
        return false;
    // The strip and the room tiles let go of the entries only once they are gone for good.
    for (int id : marked)
        emit gBroadcastSocket.signalsRemoveMessage(id, 0);
    return true;
}

bool PageMessage::writeExport(XlsxWriter &book)
{
    bool ok = book.begin("message") && book.addRow({"Receiving Time", "Room Name", "Panel Name", "Message Name",
                                                    "Message Type", "Message Status", "Message Remark", "Deal Time"});
    for (MessageItem *row : rows()) {
        if (!ok)
            break;
        const messageRecord record = row->messageInfo();
        // Times and the remark are read again: the entry may have been dealt with since the list was built.
        MessageLogTexts logTexts;
        readMessageLogTexts(record.id, logTexts);
        const QString panelName = readPanelRemark(record.panel_id);
        MessageDefinition definition;
        readMessageDefinition(record.message_id, definition);
        ok = book.addRow({logTexts.recvTime, roomFullName(record.room_id), panelName, definition.remark,
                          messageTypeName(record.message_type), messageStatusName(record.message_status),
                          logTexts.remark, logTexts.dealTime});
    }
    return ok;
}
