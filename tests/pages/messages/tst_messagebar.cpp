// The message strip: rows for announced entries, refreshed in place, removed by entry, room, panel or message,
// the tone of every announcement, alarms handed to the alarm dialog, and a project switch that clears it all.

#include "core/projectlist.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmateriallabel.h"
#include "pages/messages/messagebar.h"
#include "pages/messages/messageitem.h"
#include "tests/pages/messages/messagefixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

using namespace messagefixture;

namespace {
const QString alarmTone = ":/myFiles/audio/alarm.wav";
const QString serviceTone = ":/myFiles/audio/service.wav";
} // namespace

class TestMessageBar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void tonesExist();
    void serviceRequestAddsARowWithItsTone();
    void reannouncedEntryRefreshesItsRow();
    void ignored_data();
    void ignored();
    void alarmOpensTheDialog();
    void callsNotStoredGetRowsOfTheirOwn();
    void newRowGoesBelowTheLastAfterAMiddleRemoval();
    void removal_data();
    void removal();
    void projectSwitchClearsRowsAndQueue();
    void withoutAudioOutputStillShows();
    void costPerAlarmDoesNotGrowWithTheRows();
    void onlyRowsAroundTheViewAreShown();

private:
    void announce(int id, int type, int status)
    {
        emit gBroadcastSocket.signalsAppendMessage(announcement(id, type, status));
    }
    QList<int> rowIds() const;

    QTemporaryDir home;
    QStringList tones;
    QScopedPointer<MessageBar> bar;
};

void TestMessageBar::initTestCase()
{
    prepareTestProgram(home);
}

void TestMessageBar::init()
{
    openFreshProject(home);
    tones.clear();
    MessageTone::setHook([this](const QString &tone) { tones << tone; });
    bar.reset(new MessageBar(nullptr));
    bar->resize(1500, 200);
    bar->show();
}

void TestMessageBar::cleanup()
{
    bar.reset();
    MessageTone::setHook({});
}

void TestMessageBar::cleanupTestCase()
{
    gDatabase.close();
}

QList<int> TestMessageBar::rowIds() const
{
    QList<int> ids;
    for (MessageItem *row : bar->rows())
        ids << row->messageInfo().id;
    return ids;
}

void TestMessageBar::tonesExist()
{
    for (const QString &tone : {alarmTone, serviceTone}) {
        QFile file(tone);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(tone));
        QCOMPARE(file.read(4), QByteArray("RIFF"));
    }
    QCOMPARE(MessageTone::toneFor(1), alarmTone);
    QCOMPARE(MessageTone::toneFor(0), serviceTone);
    QCOMPARE(MessageTone::toneFor(7), serviceTone);
}

void TestMessageBar::serviceRequestAddsARowWithItsTone()
{
    QCOMPARE(bar->height(), 200);
    const int id = addRow(serviceMessage, 0, panelA, roomA);
    announce(id, 0, 0);
    QCOMPARE(rowIds(), QList<int>({id}));
    QCOMPARE(bar->rows().at(0)->textColor(), QColor(171, 210, 101));
    QCOMPARE(tones, QStringList({serviceTone}));
    QVERIFY(bar->alarmDialog().isHidden());
}

void TestMessageBar::reannouncedEntryRefreshesItsRow()
{
    const int id = addRow(serviceMessage, 0, panelA, roomA);
    announce(id, 0, 0);
    // Withdrawn at the panel: the same row turns, and the tone sounds again.
    QVERIFY(gDatabase.execSql("update tbl_message_log set message_status=1 where id=?", {id}));
    announce(id, 0, 1);
    QCOMPARE(rowIds(), QList<int>({id}));
    QCOMPARE(bar->rows().at(0)->messageInfo().message_status, 1);
    QCOMPARE(bar->rows().at(0)->textColor(), QColor(255, 165, 0));
    // Re-opened: still the one row.
    QVERIFY(gDatabase.execSql("update tbl_message_log set message_status=0 where id=?", {id}));
    announce(id, 0, 0);
    QCOMPARE(rowIds(), QList<int>({id}));
    QCOMPARE(bar->rows().at(0)->messageInfo().message_status, 0);
    QCOMPARE(tones, QStringList({serviceTone, serviceTone, serviceTone}));
}

void TestMessageBar::ignored_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("status");
    QTest::newRow("status 2") << 1 << 2;
    QTest::newRow("status -1, read unsigned") << 1 << -1;
    QTest::newRow("row gone") << 42 << 0;
}

void TestMessageBar::ignored()
{
    QFETCH(int, id);
    QFETCH(int, status);
    QCOMPARE(addRow(alarmMessage, 1, panelA, roomA), 1);
    announce(id, 1, status);
    QVERIFY(bar->rows().isEmpty());
    QVERIFY(tones.isEmpty());
    QVERIFY(bar->alarmDialog().isHidden());
}

void TestMessageBar::callsNotStoredGetRowsOfTheirOwn()
{
    // Two alarms the project could not store: both brought before staff from the announcement itself.
    universalSwitchMessage msg = announcement(0, 1, 0);
    msg.message_id = alarmMessage;
    msg.panel_id = panelA;
    msg.room_id = roomA;
    msg.recv_seconds = qint32(QDateTime(QDate(2026, 12, 10), QTime(12, 0, 5), Qt::LocalTime).toSecsSinceEpoch());
    emit gBroadcastSocket.signalsAppendMessage(msg);
    emit gBroadcastSocket.signalsAppendMessage(msg);
    QCOMPARE(rowIds(), QList<int>({0, 0}));
    QCOMPARE(tones, QStringList({alarmTone, alarmTone}));
    for (MessageItem *row : bar->rows()) {
        QCOMPARE(row->messageInfo().message_id, alarmMessage);
        QCOMPARE(QString(row->messageInfo().recv_time), QString("2026-12-10 12:00:05"));
        QCOMPARE(row->textCells().at(5).text, QString("not saved"));
    }
    AlarmDlg &dialog = bar->alarmDialog();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.findChild<QLabel *>("labelMessagePos")->text(), QString("1/2"));
    QVERIFY(dialog.findChild<QLabel *>("labelNotSaved")->isVisible());

    // A stored entry announced afterwards is still found by its id, not taken for one of them.
    const int id = addRow(alarmMessage, 1, panelA, roomA);
    announce(id, 1, 0);
    QCOMPARE(rowIds(), QList<int>({0, 0, id}));
    QCOMPARE(bar->rows().at(2)->textCells().at(5).text, QString("suspend"));
}

void TestMessageBar::alarmOpensTheDialog()
{
    const int first = addRow(alarmMessage, 1, panelA, roomA);
    announce(first, 1, 0);
    AlarmDlg &dialog = bar->alarmDialog();
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.testAttribute(Qt::WA_QuitOnClose));
    QCOMPARE(dialog.findChild<QLabel *>("labelMessagePos")->text(), QString("1/1"));
    QCOMPARE(bar->rows().at(0)->textColor(), QColor(227, 81, 81));
    QCOMPARE(tones, QStringList({alarmTone}));

    const int second = addRow(alarmMessage, 1, panelB, roomB);
    announce(second, 1, 0);
    QCOMPARE(dialog.findChild<QLabel *>("labelMessagePos")->text(), QString("1/2"));
    // An alarm announced again (its row refreshed) is not queued twice.
    announce(first, 1, 0);
    QCOMPARE(dialog.queuedRecords().size(), 2);
    QCOMPARE(rowIds(), QList<int>({first, second}));
    QCOMPARE(tones, QStringList({alarmTone, alarmTone, alarmTone}));
}

void TestMessageBar::newRowGoesBelowTheLastAfterAMiddleRemoval()
{
    QList<int> ids;
    for (int i = 0; i < 3; ++i) {
        ids << addRow(serviceMessage, 0, panelA, roomA);
        announce(ids.last(), 0, 0);
    }
    emit gBroadcastSocket.signalsRemoveMessage(ids.at(1), 0);
    QCOMPARE(rowIds(), QList<int>({ids.at(0), ids.at(2)}));
    ids << addRow(serviceMessage, 0, panelA, roomA);
    announce(ids.last(), 0, 0);
    const QList<MessageItem *> rows = bar->rows();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(bar->gridRowOf(rows.at(0)), 0);
    QCOMPARE(bar->gridRowOf(rows.at(1)), 2);
    QCOMPARE(bar->gridRowOf(rows.at(2)), 3);
    QCOMPARE(rows.at(2)->messageInfo().id, ids.last());
}

void TestMessageBar::removal_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<int>>("kept");
    // Rows 1 and 3 are room A's (panel 7, service); 2 and 4 room B's (panel 8, alarm); 5 repeats id 1's room.
    QTest::newRow("by id, first match only") << 0 << 1 << QList<int>({2, 3, 4, 5});
    QTest::newRow("unknown type works by id") << 9 << 2 << QList<int>({1, 3, 4, 5});
    QTest::newRow("by room") << 1 << roomA << QList<int>({2, 4});
    QTest::newRow("by panel") << 2 << panelB << QList<int>({1, 3, 5});
    QTest::newRow("by message") << 3 << alarmMessage << QList<int>({1, 3, 5});
    QTest::newRow("nothing matches") << 1 << 77 << QList<int>({1, 2, 3, 4, 5});
}

void TestMessageBar::removal()
{
    QFETCH(int, type);
    QFETCH(int, value);
    QFETCH(QList<int>, kept);
    for (int i = 0; i < 5; ++i) {
        const bool a = i % 2 == 0;
        const int id = addRow(a ? serviceMessage : alarmMessage, a ? 0 : 1, a ? panelA : panelB, a ? roomA : roomB);
        announce(id, a ? 0 : 1, 0);
    }
    QCOMPARE(rowIds(), QList<int>({1, 2, 3, 4, 5}));
    emit gBroadcastSocket.signalsRemoveMessage(value, type);
    QCOMPARE(rowIds(), kept);
    // The alarm queue is the dialog's own business.
    QCOMPARE(bar->alarmDialog().queuedRecords().size(), 2);
}

void TestMessageBar::projectSwitchClearsRowsAndQueue()
{
    announce(addRow(alarmMessage, 1, panelA, roomA), 1, 0);
    announce(addRow(serviceMessage, 0, panelA, roomA), 0, 0);
    QCOMPARE(bar->rows().size(), 2);
    QVERIFY(bar->alarmDialog().isVisible());

    emit gBroadcastSocket.signalsProjectStateChanged("Other");
    QVERIFY(bar->rows().isEmpty());
    QVERIFY(bar->alarmDialog().queuedRecords().isEmpty());
    QVERIFY(bar->alarmDialog().isHidden());

    // The next entry starts the strip and the queue afresh.
    const int next = addRow(alarmMessage, 1, panelB, roomB);
    announce(next, 1, 0);
    QCOMPARE(rowIds(), QList<int>({next}));
    QCOMPARE(bar->gridRowOf(bar->rows().at(0)), 0);
    QCOMPARE(bar->alarmDialog().findChild<QLabel *>("labelMessagePos")->text(), QString("1/1"));
}

void TestMessageBar::withoutAudioOutputStillShows()
{
    MessageTone::setHook({});
    announce(addRow(alarmMessage, 1, panelA, roomA), 1, 0);
    announce(addRow(serviceMessage, 0, panelA, roomA), 0, 0);
    QCOMPARE(bar->rows().size(), 2);
    QVERIFY(bar->alarmDialog().isVisible());
}

void TestMessageBar::costPerAlarmDoesNotGrowWithTheRows()
{
    // Announces count new alarms in one pass; the rows placed for them once the pass is over.
    const auto burst = [this](int count) {
        QList<int> ids;
        if (!gDatabase.beginTransaction())
            return -1;
        for (int i = 0; i < count; ++i)
            ids << addRow(alarmMessage, 1, panelB, roomB);
        if (!gDatabase.commitTransaction())
            return -1;
        const int placementsBefore = bar->rowPlacements();
        const int passesBefore = bar->layoutPasses();
        for (int id : ids)
            announce(id, 1, 0);
        // However many rows the pass added, the container is sized once.
        if (!QTest::qWaitFor([&] { return bar->layoutPasses() != passesBefore; }))
            return -1;
        QCoreApplication::processEvents();
        return bar->layoutPasses() == passesBefore + 1 ? bar->rowPlacements() - placementsBefore : -1;
    };

    // Enough rows for the scroll bar, which narrows the rows once.
    QVERIFY(burst(10) >= 10);
    // Each new row is put in place once; the rows already there are not touched, with ten rows as with 2000.
    QCOMPARE(burst(10), 10);
    QCOMPARE(burst(2000), 2000);
    QCOMPARE(burst(10), 10);
    const QList<MessageItem *> rows = bar->rows();
    QCOMPARE(rows.size(), 2030);
    QCOMPARE(rows.last()->y() - rows.at(rows.size() - 2)->y(), 60);
    QCOMPARE(rows.last()->y() - rows.first()->y(), 2029 * 60);
    QVERIFY(rows.last()->parentWidget()->height() >= rows.last()->geometry().bottom());

    // An entry announced again is found by its id: no row is placed, nothing is laid out.
    const int placementsBefore = bar->rowPlacements();
    announce(rows.first()->messageInfo().id, 1, 0);
    QCoreApplication::processEvents();
    QCOMPARE(bar->rowPlacements(), placementsBefore);
    QCOMPARE(bar->rows().size(), 2030);
}

void TestMessageBar::onlyRowsAroundTheViewAreShown()
{
    QVERIFY(gDatabase.beginTransaction());
    QList<int> ids;
    for (int i = 0; i < 200; ++i)
        ids << addRow(alarmMessage, 1, panelB, roomB);
    QVERIFY(gDatabase.commitTransaction());
    for (int id : ids)
        announce(id, 1, 0);
    auto *canvas = bar->findChild<QScrollArea *>();
    QVERIFY(canvas);
    QScrollBar *scroll = canvas->verticalScrollBar();
    QTRY_VERIFY(scroll->maximum() > 0);
    const auto shown = [this] {
        QList<int> positions;
        const QList<MessageItem *> rows = bar->rows();
        for (int i = 0; i < rows.size(); ++i) {
            if (rows.at(i)->isVisible())
                positions << i;
        }
        return positions;
    };

    // The rows on top are shown; far below the view they wait hidden.
    QList<int> atTop = shown();
    QVERIFY(atTop.contains(0));
    QVERIFY(!atTop.contains(199));
    QVERIFY(atTop.size() < 50);

    // Scrolled to the end, the last rows show and the first ones hide; back on top, as before.
    scroll->setValue(scroll->maximum());
    QList<int> atEnd = shown();
    QVERIFY(atEnd.contains(199));
    QVERIFY(!atEnd.contains(0));
    QVERIFY(atEnd.size() < 50);
    scroll->setValue(0);
    QCOMPARE(shown(), atTop);

    // A row is still found and refreshed in place while hidden.
    QCOMPARE(bar->rows().size(), 200);
    QVERIFY(!bar->rows().last()->isVisible());
    QCOMPARE(bar->rows().last()->messageInfo().id, ids.last());
}

QTEST_MAIN(TestMessageBar)
#include "tst_messagebar.moc"
