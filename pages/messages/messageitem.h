#pragma once
// One message-log entry as a row of the message strip and of the message log page: when and where the request
// came from, what it asks for, its type and status, coloured by what staff still have to do. Pressing it opens
// the message dialog for the entry; in the log page's delete mode it marks the row instead.

#include "devicelink/messagerecords.h"
#include "pages/messages/logrow.h"

class MessageItem : public LogRow
{
    Q_OBJECT

public:
    MessageItem(messageRecord record, QWidget *parent);

    messageRecord messageInfo() const { return record; }
    void setMessageInfo(messageRecord record);

    // What the row paints, in the order it paints it.
    QColor textColor() const override;
    // The message picture; empty when the entry's message definition is gone.
    QString picturePath() const;
    // The six text columns at the row's current width; none when the message definition is gone.
    QList<TextCell> textCells() const override;

public slots:
    // A dialog dealt with an entry: the row of that entry takes the record.
    void slotsUpdateMessage(messageRecord _messageRecord);
    void slotsPressed() override;

protected:
    void paintBeforeTexts(QPainter &painter) override;

private:
    // Reads the names the row shows for the current record; painting only draws what this kept.
    void readTexts();

    messageRecord record;
    // False when the record's message definition is gone: the row then shows no picture and no text.
    bool hasDefinition = false;
    QString picture;
    QString roomName;
    QString panelName;
    QString messageName;
    QString typeName;
    QString statusName;
};
