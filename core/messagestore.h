#pragma once
// What the station does with its guest messages: the message definitions behind the wall panels' universal
// switches (tbl_message), the names of message types and statuses (tbl_message_type, tbl_message_status), and
// the message log (tbl_message_log) that guest calls open and staff deal with.
//
// Reads that a caller must tell from "no rows" take `error`, set to the reason when the statement failed. Writes
// answer whether they were stored; the steps of one write run in one transaction.

#include "core/messagerecord.h"

#include <QList>
#include <QString>
#include <QStringList>

class QSqlQuery;

// One row of tbl_message.
struct MessageDefinition
{
    int messageId = 0;
    int type = 0; // 0 service, 1 alarm
    QString remark;
    QString iconName;
    int switchNo = 0;
};

// All definitions by ascending message_id.
QList<MessageDefinition> messageDefinitions(QString *error = nullptr);
// The definition messageId (its first row); false when there is none.
bool readMessageDefinition(int messageId, MessageDefinition &out, QString *error = nullptr);
// Id and type of the definition a universal switch number raises (the first row); false when none. Runs for every
// guest call.
bool messageForSwitch(int switchNo, int &messageId, int &messageType, QString *error = nullptr);
// True when a definition is raised by switchNo.
bool isSwitchNumberUsed(int switchNo, QString *error = nullptr);
// Stores a new definition.
[[nodiscard]] bool addMessageDefinition(const MessageDefinition &definition, QString *error = nullptr);
// Stores the definition's type, name, picture and number; with dropOccurrences its log rows are deleted too, all
// in one transaction.
[[nodiscard]] bool updateMessageDefinition(const MessageDefinition &definition, bool dropOccurrences,
                                           QString *error = nullptr);
// Deletes the definition and its log rows, in one transaction.
[[nodiscard]] bool deleteMessageDefinition(int messageId, QString *error = nullptr);

// The names of tbl_message_type and tbl_message_status in ascending code order, so that an index is the code.
QStringList messageTypeNames();
QStringList messageStatusNames();
// The name of one code; empty when the code has none.
QString messageTypeName(int type);
QString messageStatusName(int status);
// The code of a status name; 0 when no status has that name.
int messageStatusByName(const QString &name);

// The current row of a query on tbl_message_log as a record; texts are cut to fit their fields.
messageRecord messageRecordFromRow(const QSqlQuery &query);

// Inserts an open row of a guest call (status 0, empty remark and deal time) received at recvTime, and answers
// its id; 0 when it could not be written, error then saying what the database answered. Runs for every alarm.
int insertOpenMessageLog(int messageId, int type, int panelId, int roomId, const QString &recvTime,
                         QString *error = nullptr);
// The first row (lowest id) of the message, panel and room received on day ("yyyy-MM-dd"): its id and status.
// False when there is none.
bool firstMessageLogOfDay(int messageId, int type, int panelId, int roomId, const QString &day, int &id, int &status,
                          QString *error = nullptr);
// A guest call re-opens or cancels row id: its status and time of reception. error as above.
[[nodiscard]] bool setMessageLogState(int id, int status, const QString &recvTime, QString *error = nullptr);
// The row id; false when it does not exist. Kept prepared: the strip and the room tiles read every announced row.
bool readMessageLog(int id, messageRecord &out, QString *error = nullptr);
// The pending rows (status 0) received on day, of one room or, for roomId 0, of every room.
QList<messageRecord> pendingMessagesOfDay(const QString &day, int roomId, QString *error = nullptr);

// What the message log page lists: a negative type, status or room takes every value; from and to bound the
// time of reception, both included.
struct MessageLogFilter
{
    int type = -1;
    int status = -1;
    int roomId = -1;
    QString from;
    QString to;
};
// The rows the filter lets through, newest first.
QList<messageRecord> messageLogEntries(const MessageLogFilter &filter, QString *error = nullptr);

// The whole texts of a row, as the export writes them (the record cuts them to its fields).
struct MessageLogTexts
{
    QString recvTime;
    QString remark;
    QString dealTime;
};
// False, and out left as passed, when the row does not exist.
bool readMessageLogTexts(int id, MessageLogTexts &out, QString *error = nullptr);

// Staff dealt with the row record.id: its status, remark and time of dealing are stored.
[[nodiscard]] bool dealMessageLog(const messageRecord &record, QString *error = nullptr);
// Deletes the rows ids, together or not at all.
[[nodiscard]] bool deleteMessageLogEntries(const QList<int> &ids, QString *error = nullptr);
// Deletes the rows a panel raised (its address changed or it is deleted).
[[nodiscard]] bool deleteMessageLogOfPanel(int panelId, QString *error = nullptr);
// Deletes the rows received at cutoff ("yyyy-MM-dd HH:mm:ss") or before.
[[nodiscard]] bool purgeMessageLogBefore(const QString &cutoff, QString *error = nullptr);

// The texts a row of the message strip or the message log page shows beside the record's own.
struct MessageRowNames
{
    QString messageName;
    QString iconName;
    QString panelName;
    QString typeName;
    QString statusName;
};
// Read in one statement kept prepared, as a row is made for every announced call. False when the record's
// message definition is gone; a name without its row is empty.
bool readMessageRowNames(const messageRecord &record, MessageRowNames &out);
