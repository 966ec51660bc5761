#include "pages/messages/messagebar.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "pages/messages/messageitem.h"
#include "shell/announcedrow.h"
#include "shell/guestrequests.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QColor stripColor(61, 83, 102);

} // namespace

MessageBar::MessageBar(QWidget *parent) : QWidget(parent)
{
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
    rowsBox->installEventFilter(this);
    canvas->viewport()->installEventFilter(this);
    connect(canvas->verticalScrollBar(), &QScrollBar::valueChanged, this, &MessageBar::showRowsInView);

    connect(&gBroadcastSocket, &BroadcastSocket::signalsAppendMessage, this, &MessageBar::slotsAppendMessage);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsRemoveMessage, this, &MessageBar::slotsRemoveMessage);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsProjectStateChanged, this,
            &MessageBar::slotsProjectStateChanged);
}

MessageBar::~MessageBar() = default;

AlarmDlg &MessageBar::alarmDialog()
{
    if (!alarmDlg) {
        alarmDlg = std::make_unique<AlarmDlg>(nullptr);
        // A top-level window of its own: left open, it would keep the station running after its main window
        // closed.
        alarmDlg->setAttribute(Qt::WA_QuitOnClose, false);
    }
    return *alarmDlg;
}

QList<MessageItem *> MessageBar::rows() const
{
    QList<MessageItem *> list;
    list.reserve(rowList.size());
    for (const Row &row : rowList)
        list << row.item;
    return list;
}

int MessageBar::gridRowOf(MessageItem *row) const
{
    for (const Row &entry : rowList) {
        if (entry.item == row)
            return entry.gridRow;
    }
    return -1;
}

void MessageBar::slotsAppendMessage(universalSwitchMessage msg)
{
    if (quint32(msg.message_status) > 1)
        return;
    messageRecord record;
    if (msg.id == 0) {
        // A call the project could not store: staff still see it, from the announcement, as a row of its own.
        record = GuestRequests::unsavedRecord(msg);
    } else if (!AnnouncedRow::read(msg, record)) {
        return;
    }

    if (MessageItem *known = msg.id == 0 ? nullptr : rowById.value(msg.id)) {
        known->setMessageInfo(record);
    } else {
        addRow(record);
        if (msg.message_type == 1) {
            alarmDialog().appendRecord(record);
            popUpAlarmDialog();
        }
    }
    tone.play(msg.message_type);
}

void MessageBar::popUpAlarmDialog()
{
    // A hidden dialog pops up with its first alarm; one already open comes to the front once per pass of the
    // event loop, however many alarms the pass brought: raising a window is costly and a burst brings thousands.
    AlarmDlg &dialog = alarmDialog();
    if (!dialog.isVisible()) {
        dialog.show();
        dialog.raise();
        dialog.activateWindow();
        return;
    }
    if (raiseRequested)
        return;
    raiseRequested = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            raiseRequested = false;
            if (!alarmDlg || !alarmDlg->isVisible())
                return;
            alarmDlg->raise();
            alarmDlg->activateWindow();
        },
        Qt::QueuedConnection);
}

namespace {

const int rowHeight = 40;
const int rowSpacing = 20;

} // namespace

void MessageBar::addRow(const messageRecord &record)
{
    auto *row = new MessageItem(record, rowsBox);
    rowList.append({row, nextGridRow});
    // Unsaved calls all carry id 0: each keeps a row of its own and none is found again by id.
    if (record.id != 0)
        rowById.insert(record.id, row);
    ++nextGridRow;
    placeRow(rowList.size() - 1);
    requestLayout();
}

void MessageBar::placeRow(int position)
{
    // As a grid of one column with spacing 20 in the style's margins would put it, the rows at the top.
    QStyle *style = rowsBox->style();
    const QRect area = rowsBox->contentsRect().adjusted(style->pixelMetric(QStyle::PM_LayoutLeftMargin),
                                                        style->pixelMetric(QStyle::PM_LayoutTopMargin),
                                                        -style->pixelMetric(QStyle::PM_LayoutRightMargin), 0);
    MessageItem *item = rowList.at(position).item;
    item->setGeometry(area.x(), area.y() + position * (rowHeight + rowSpacing), area.width(), rowHeight);
    placedWidth = rowsBox->width();
    ++placements;
    showIfInView(item);
    if (!item->isHidden()) {
        shownFirst = shownLast < shownFirst ? position : qMin(shownFirst, position);
        shownLast = qMax(shownLast, position);
    }
}

QPair<int, int> MessageBar::viewSpan() const
{
    // What the strip shows of the rows, with a screenful above and below, so that scrolling never uncovers a
    // row that is not drawn yet.
    const int h = canvas->viewport()->height();
    const int top = canvas->verticalScrollBar()->value();
    return {top - h, top + 2 * h};
}

void MessageBar::showIfInView(MessageItem *item)
{
    // Rows out of view stay hidden: every paint and layout pass walks the shown rows, and a busy run adds tens
    // of thousands of them.
    const QPair<int, int> span = viewSpan();
    const QRect at = item->geometry();
    const bool inView = at.bottom() >= span.first && at.top() <= span.second;
    if (item->isHidden() == inView)
        item->setVisible(inView);
}

void MessageBar::showRowsInView()
{
    if (rowList.isEmpty())
        return;
    const QPair<int, int> span = viewSpan();
    const int step = rowHeight + rowSpacing;
    const int last = rowList.size() - 1;
    const int first = qBound(0, span.first / step - 1, last);
    const int end = qBound(0, span.second / step + 1, last);
    // The rows shown before and the rows around the view now: the others are hidden already and stay so.
    for (int i = qMin(shownFirst, last); i <= qMin(shownLast, last); ++i)
        showIfInView(rowList.at(i).item);
    for (int i = first; i <= end; ++i)
        showIfInView(rowList.at(i).item);
    shownFirst = first;
    shownLast = end;
}

void MessageBar::placeRowsFrom(int position)
{
    for (int i = position; i < rowList.size(); ++i)
        placeRow(i);
}

void MessageBar::requestLayout()
{
    if (layoutRequested)
        return;
    layoutRequested = true;
    QMetaObject::invokeMethod(
        this, [this] { applyLayout(); }, Qt::QueuedConnection);
}

void MessageBar::applyLayout()
{
    layoutRequested = false;
    ++passes;
    QStyle *style = rowsBox->style();
    const QMargins frame = rowsBox->contentsMargins();
    const int margins = frame.top() + frame.bottom() + style->pixelMetric(QStyle::PM_LayoutTopMargin) +
                        style->pixelMetric(QStyle::PM_LayoutBottomMargin);
    const int n = rowList.size();
    rowsBox->setMinimumHeight(n == 0 ? 0 : margins + n * rowHeight + (n - 1) * rowSpacing);
}

bool MessageBar::eventFilter(QObject *watched, QEvent *event)
{
    // The rows follow the container's width; a container only growing taller leaves them where they are.
    if (watched == rowsBox && event->type() == QEvent::Resize && rowsBox->width() != placedWidth) {
        placedWidth = rowsBox->width();
        placeRowsFrom(0);
    }
    if (watched == canvas->viewport() && event->type() == QEvent::Resize)
        showRowsInView();
    return QWidget::eventFilter(watched, event);
}

void MessageBar::removeRows(const QList<int> &positions)
{
    if (positions.isEmpty())
        return;
    for (int i = positions.size() - 1; i >= 0; --i) {
        const Row row = rowList.takeAt(positions.at(i));
        if (rowById.value(row.item->messageInfo().id) == row.item)
            rowById.remove(row.item->messageInfo().id);
        // Out of the container at once, so that a later announcement of the same id makes a new row.
        row.item->hide();
        row.item->setParent(nullptr);
        row.item->deleteLater();
    }
    placeRowsFrom(positions.first());
    requestLayout();
}

void MessageBar::slotsRemoveMessage(int value, int type)
{
    QList<int> matches;
    for (int i = 0; i < rowList.size(); ++i) {
        const messageRecord record = rowList.at(i).item->messageInfo();
        if (type == 1 || type == 2 || type == 3) {
            const int field = type == 1 ? record.room_id : type == 2 ? record.panel_id : record.message_id;
            if (field == value)
                matches << i;
        } else if (record.id == value) {
            matches << i;
            break;
        }
    }
    removeRows(matches);
}

void MessageBar::slotsProjectStateChanged(QString)
{
    QList<int> all;
    for (int i = 0; i < rowList.size(); ++i)
        all << i;
    removeRows(all);
    // The next row starts at the top again.
    nextGridRow = 0;
    if (alarmDlg) {
        alarmDlg->clearRecords();
        alarmDlg->hide();
    }
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
