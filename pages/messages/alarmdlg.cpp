#include "pages/messages/alarmdlg.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "pages/messages/messagedealing.h"
#include "pages/messages/messageform.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>

#include <cstring>

AlarmDlg::AlarmDlg(QWidget *parent) : MyDialog(parent)
{
    std::memset(&currentRecord, 0, sizeof currentRecord);
    messageForm = new MessageForm("AlarmDlg", 48, this);

    position = new QtMaterialLabel(QStringLiteral("0/0"), nullptr, Qt::WindowFlags());
    position->setObjectName("labelMessagePos");
    messageForm->grid()->addWidget(new QtMaterialLabel(tr("Message Pos:"), nullptr, Qt::WindowFlags()), 7, 0);
    messageForm->grid()->addWidget(position, 7, 1);
    messageForm->grid()->setRowStretch(8, 1);

    auto *buttons = new QHBoxLayout;
    const QList<QPair<QString, void (AlarmDlg::*)()>> actions = {{tr("Prev"), &AlarmDlg::pushButtonPrev_clicked},
                                                                 {tr("Ok"), &AlarmDlg::pushButtonOk_clicked},
                                                                 {tr("Next"), &AlarmDlg::pushButtonNext_clicked}};
    const char *names[] = {"pushButtonPrev", "pushButtonOk", "pushButtonNext"};
    for (int i = 0; i < actions.size(); ++i) {
        auto *button = new QtMaterialFlatButton(actions.at(i).first, 7, nullptr);
        button->setObjectName(names[i]);
        connect(button, &QtMaterialFlatButton::clicked, this, actions.at(i).second);
        buttons->addWidget(button);
    }
    messageForm->installIn(this, "AlarmDlg", tr("Alarm Message"), buttons);
}

AlarmDlg::~AlarmDlg() = default;

void AlarmDlg::appendRecord(messageRecord record)
{
    records.append(record);
    if (currentIndex < 0) {
        currentIndex = 0;
        currentRecord = records.first();
        showRecord();
    } else {
        showPosition();
    }
}

void AlarmDlg::showRecord()
{
    messageForm->show(currentRecord);
    showPosition();
}

void AlarmDlg::showPosition()
{
    position->setText(QString::asprintf("%d/%d", currentIndex + 1, int(records.size())));
}

void AlarmDlg::collectRecord()
{
    messageForm->collect(currentRecord);
}

void AlarmDlg::clearRecords()
{
    records.clear();
    currentIndex = -1;
}

void AlarmDlg::writeBack()
{
    // Alarms that could not be stored all have id 0: the record on show is found by its place first.
    if (currentIndex >= 0 && currentIndex < records.size() && records.at(currentIndex).id == currentRecord.id) {
        records[currentIndex] = currentRecord;
        return;
    }
    for (messageRecord &queued : records) {
        if (queued.id == currentRecord.id) {
            queued = currentRecord;
            return;
        }
    }
}

void AlarmDlg::step(int delta)
{
    const int target = currentIndex + delta;
    if (target < 0 || target >= records.size()) {
        emit signalsInformation(tr("End!"));
        return;
    }
    collectRecord();
    writeBack();
    currentIndex = target;
    currentRecord = records.at(currentIndex);
    showRecord();
}

void AlarmDlg::pushButtonPrev_clicked()
{
    step(-1);
}

void AlarmDlg::pushButtonNext_clicked()
{
    step(1);
}

void AlarmDlg::pushButtonOk_clicked()
{
    collectRecord();
    if (!records.isEmpty())
        writeBack();

    QList<messageRecord> notSaved;
    bool gone = false;
    bool unsaved = false;
    for (const messageRecord &record : qAsConst(records)) {
        switch (MessageDealing::deal(record)) {
        case MessageDealing::Outcome::Dealt:
            break;
        case MessageDealing::Outcome::Gone:
            gone = true;
            break;
        case MessageDealing::Outcome::NotSaved:
            notSaved.append(record);
            break;
        case MessageDealing::Outcome::Unsaved:
            // An alarm that never reached the log has no row a later Ok could write: it leaves the queue, and
            // its strip row keeps saying that it was not saved.
            unsaved = true;
            break;
        }
    }
    const QString goneText = tr("The message no longer exists!");
    const QString notSavedText = tr("The message could not be saved!");

    if (notSaved.isEmpty()) {
        clearRecords();
        accept();
        // The dialog's own toast goes with it; the station's toast stays in sight.
        if (unsaved)
            emit gBroadcastSocket.signalsInformation(notSavedText);
        if (gone)
            emit gBroadcastSocket.signalsInformation(goneText);
        return;
    }
    records = notSaved;
    currentIndex = 0;
    currentRecord = records.first();
    showRecord();
    emit signalsInformation(notSavedText);
    if (gone)
        emit signalsInformation(goneText);
}

void AlarmDlg::closeEvent(QCloseEvent *event)
{
    clearRecords();
    MyDialog::closeEvent(event);
}

void AlarmDlg::paintEvent(QPaintEvent *event)
{
    paintPanel();
    MyDialog::paintEvent(event);
}
