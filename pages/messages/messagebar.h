#pragma once
// The message strip below the home page: a row for every guest request announced during this run, refreshed
// when its entry is announced again and removed when it is deleted; each announcement sounds its tone, and each
// new alarm is queued in the alarm dialog, which pops up.

#include "devicelink/messagerecords.h"
#include "pages/messages/alarmdlg.h"
#include "pages/messages/messagetone.h"

#include <QList>
#include <QWidget>

class MessageItem;
class QGridLayout;
class QtMaterialCanvas;
class QtMaterialGroupBox;

class MessageBar : public QWidget
{
    Q_OBJECT

public:
    explicit MessageBar(QWidget *parent);
    ~MessageBar() override;

    // The rows, top to bottom.
    QList<MessageItem *> rows() const;
    // The grid cell of a row; -1 when it is not in the grid.
    int gridRowOf(MessageItem *row) const;
    AlarmDlg &alarmDialog() { return alarmDlg; }

public slots:
    // An entry was logged or changed: its row is refreshed, or a new row goes below the last one.
    void slotsAppendMessage(universalSwitchMessage msg);
    // Entries disappeared: type 1 by room, 2 by panel, 3 by message definition (every match), 0 by log id.
    void slotsRemoveMessage(int value, int type);
    // Another project's entries are no business of this one's rows and alarm queue.
    void slotsProjectStateChanged(QString projectName);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void addRow(const messageRecord &record);
    void removeRow(MessageItem *row);

    AlarmDlg alarmDlg;
    MessageTone tone;
    QtMaterialCanvas *canvas = nullptr;
    QtMaterialGroupBox *rowsBox = nullptr;
    QGridLayout *grid = nullptr;
    // The grid row the next new row takes: below every row ever added, so a removed middle row leaves a gap
    // rather than a cell that a new row would share.
    int nextGridRow = 0;
};
