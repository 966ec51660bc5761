#pragma once
// The alarm dialog: every alarm logged joins its queue; staff page through the queued alarms, give each a status
// and a remark, and deal with all of them at once. Not modal, so alarms keep arriving while it is open.

#include "devicelink/messagerecords.h"
#include "shell/mydialog.h"

#include <QList>

class MessageForm;
class QtMaterialLabel;

class AlarmDlg : public MyDialog
{
    Q_OBJECT

public:
    explicit AlarmDlg(QWidget *parent);
    ~AlarmDlg() override;

    // Queues record. The first record of an empty queue is put on show; a later one only moves the position
    // text, so that what staff are typing for the record on show stays.
    void appendRecord(messageRecord record);
    // Fills the form from the record on show.
    void showRecord();
    // Reads the form into the record on show.
    void collectRecord();
    // Empties the queue; nothing is on show afterwards.
    void clearRecords();

    const QList<messageRecord> &queuedRecords() const { return records; }
    int currentPosition() const { return currentIndex; }
    const messageRecord &recordOnShow() const { return currentRecord; }
    MessageForm *form() const { return messageForm; }

public slots:
    void pushButtonPrev_clicked();
    void pushButtonNext_clicked();
    // Deals with every queued record in queue order. Records written or gone leave the queue; records whose
    // update failed stay in it and the dialog stays open to say so.
    void pushButtonOk_clicked();

protected:
    // The close icon drops the queue and writes nothing.
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void writeBack();
    void step(int delta);
    void showPosition();

    QList<messageRecord> records;
    int currentIndex = -1;
    messageRecord currentRecord;
    MessageForm *messageForm = nullptr;
    QtMaterialLabel *position = nullptr;
};
