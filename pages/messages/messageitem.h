#pragma once
// One message-log entry as a row of the message strip and of the message log page: when and where the request
// came from, what it asks for, its type and status, coloured by what staff still have to do. Pressing it opens
// the message dialog for the entry; in the log page's delete mode it marks the row instead.

#include "devicelink/messagerecords.h"
#include "shell/dynamicwidget.h"

#include <QList>
#include <QRect>
#include <QString>

class MessageItem : public DynamicWidget
{
    Q_OBJECT

public:
    MessageItem(messageRecord record, QWidget *parent);

    bool isChecked() const { return checked; }
    bool isCheckBoxVisible() const { return checkBoxVisible; }
    messageRecord messageInfo() const { return record; }
    void setMessageInfo(messageRecord record);

    // What the row paints, in the order it paints it.
    QColor textColor() const;
    // The message picture; empty when the entry's message definition is gone.
    QString picturePath() const;
    struct TextCell
    {
        QRect rect;
        QString text;
    };
    // The six text columns at the row's current width; none when the message definition is gone.
    QList<TextCell> textCells() const;

public slots:
    // A dialog dealt with an entry: the row of that entry takes the record.
    void slotsUpdateMessage(messageRecord _messageRecord);
    void slotsMessageChecked(bool checked);
    void slotsMessageVisible(bool visible);
    void slotsPressed();

protected:
    void paintEvent(QPaintEvent *event) override;

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
    bool checked = false;
    bool checkBoxVisible = false;
};
