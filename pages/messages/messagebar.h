#pragma once
// The message strip below the home page: a row for every guest request announced during this run, refreshed
// when its entry is announced again and removed when it is deleted; each announcement sounds its tone, and each
// new alarm is queued in the alarm dialog, which pops up. The dialog is made with the first alarm (or the first
// ask for it): a station that sees no alarm never builds its form.

#include "devicelink/messagerecords.h"
#include "pages/messages/alarmdlg.h"
#include "pages/messages/messagetone.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QWidget>

#include <memory>

class MessageItem;
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
    // The alarm dialog, made now if no alarm has made it yet.
    AlarmDlg &alarmDialog();

    // What the rows have cost so far: rows put in place (a new row once; the rows below a removed one again) and
    // passes that sized the rows container (at most one per pass of the event loop, however many rows it added).
    int rowPlacements() const { return placements; }
    int layoutPasses() const { return passes; }

public slots:
    // An entry was logged or changed: its row is refreshed, or a new row goes below the last one.
    void slotsAppendMessage(universalSwitchMessage msg);
    // Entries disappeared: type 1 by room, 2 by panel, 3 by message definition (every match), 0 by log id.
    void slotsRemoveMessage(int value, int type);
    // Another project's entries are no business of this one's rows and alarm queue.
    void slotsProjectStateChanged(QString projectName);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row
    {
        MessageItem *item;
        int gridRow;
    };

    void addRow(const messageRecord &record);
    void popUpAlarmDialog();
    // The vertical stretch of the rows container that counts as in view.
    QPair<int, int> viewSpan() const;
    void showIfInView(MessageItem *item);
    void showRowsInView();
    // Takes the rows at the given positions out (positions ascending) and closes the gap they leave.
    void removeRows(const QList<int> &positions);
    void placeRow(int position);
    void placeRowsFrom(int position);
    // The container is sized once per pass, after the pass has added all its rows.
    void requestLayout();
    void applyLayout();

    std::unique_ptr<AlarmDlg> alarmDlg;
    MessageTone tone;
    QtMaterialCanvas *canvas = nullptr;
    QtMaterialGroupBox *rowsBox = nullptr;
    // The rows top to bottom, and the row of each entry id: an announcement finds its row without a walk.
    QList<Row> rowList;
    QHash<int, MessageItem *> rowById;
    // The grid row the next new row takes: below every row ever added, so a removed middle row never leaves a
    // cell that a new row would share.
    int nextGridRow = 0;
    int placedWidth = -1;
    bool layoutRequested = false;
    bool raiseRequested = false;
    // The rows around the view when it last moved: a jump of the view has only these to hide.
    int shownFirst = 0;
    int shownLast = -1;
    int placements = 0;
    int passes = 0;
};
