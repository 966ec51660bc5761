// The device log page in the station's window: the last seven days newest first, the two-step delete of exactly
// the marked entries (also entries whose rows are not built yet), and the export of the range to a workbook that
// an independent reader opens, in the list's order. Export and delete act on the whole range also while a long
// range is still being read.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialdatetimeedit.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "pages/messages/logitem.h"
#include "pages/messages/pagelog.h"
#include "tests/pages/messages/stationpages.h"
#include "tests/support/workbookreader.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSqlQuery>

namespace {

const char timeFormat[] = "yyyy-MM-dd HH:mm:ss";

int addLog(const QDateTime &when, const QString &event, int type = 0, const QString &device = "light_Desk")
{
    if (!gDatabase.execSql("insert into tbl_log(log_type,log_address,log_device,log_event,log_time) values(?,?,?,?,?)",
                           {type, QString("East-Ground-101"), device, event, when.toString(timeFormat)}))
        return 0;
    QSqlQuery q = gDatabase.querySql("select max(id) from tbl_log");
    return q.next() ? q.value(0).toInt() : 0;
}

QList<int> logIds()
{
    QList<int> ids;
    QSqlQuery q = gDatabase.querySql("select id from tbl_log order by id");
    while (q.next())
        ids << q.value(0).toInt();
    return ids;
}

} // namespace

class TestLogPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listsTheLastSevenDaysNewestFirst();
    void bothBoundsAreInclusive();
    void startAfterEndListsNothing();
    void rowPressMarksOnlyInDeleteMode();
    void deletesExactlyTheMarkedRow();
    void declinedDeleteKeepsModeAndMarks();
    void selectAllDeletesOnlyTheListedRows();
    void selectAllThenUnmarkOne();
    void emptyListDeletesNothing();
    void refusedDeleteKeepsEveryEntry();
    void marksCoverRowsNotBuiltYet();
    void rangeChangeLeavesDeleteMode();
    void exportWritesTheRange();
    void failedExportKeepsWhatWasThere();
    void longTextsAreCutAtACharacter();
    void exportFollowsTheListWithinASecond();
    void exportWhileListingTakesTheWholeRange();
    void deleteWhileListingCoversTheWholeRange();

private:
    PageLog *logPage() const { return qobject_cast<PageLog *>(pages.page("Log")); }
    QList<int> rowIds() const
    {
        QList<int> ids;
        for (LogItem *row : logPage()->rows())
            ids << row->logInfo().id;
        return ids;
    }
    void pressDelete() { StationPages::pressLabel(logPage(), "labelDelete"); }
    void pressExport() { StationPages::pressLabel(logPage(), "labelExport"); }
    QtMaterialFlatButton *button(const QString &name) const
    {
        return logPage()->findChild<QtMaterialFlatButton *>(name);
    }
    QtMaterialDateTimeEdit *edit(const QString &name) const
    {
        return logPage()->findChild<QtMaterialDateTimeEdit *>(name);
    }
    QString file(const QString &name) const { return QDir(pages.home.path()).filePath(name); }

    StationPages pages;
    QDateTime now;
};

void TestLogPage::initTestCase()
{
    pages.prepare();
}

void TestLogPage::init()
{
    OPEN_STATION_PAGES(pages);
    now = QDateTime::currentDateTime();
}

void TestLogPage::cleanup()
{
    pages.close();
    PageLog::setListingPace(5000, 40);
}

void TestLogPage::listsTheLastSevenDaysNewestFirst()
{
    addLog(now.addDays(-8), "too old");
    const int sixDays = addLog(now.addDays(-6), "six days");
    const int hour = addLog(now.addSecs(-3600), "an hour");
    const int week = addLog(now.addDays(-7).addSecs(60), "just inside");
    addLog(now.addDays(1), "tomorrow");
    pages.go("Log");
    QCOMPARE(rowIds(), QList<int>({hour, sixDays, week}));
    QCOMPARE(logPage()->listedCount(), 3);
    const QDateTime start = edit("dateTimeEditStart")->dateTime();
    const QDateTime end = edit("dateTimeEditEnd")->dateTime();
    QVERIFY(qAbs(end.secsTo(QDateTime::currentDateTime())) <= 5);
    QCOMPARE(start.secsTo(end), qint64(7 * 24 * 3600));
    QCOMPARE(logPage()->rows().at(0)->toolTip(), QString("light_Desk an hour"));
    QVERIFY(button("pushButtonCancel")->isHidden());

    // A range chosen on a visit is not kept: the next entry starts again from the last seven days.
    edit("dateTimeEditStart")->setDateTime(now.addDays(-30));
    QCOMPARE(logPage()->listedCount(), 4);
    pages.go("Home");
    pages.go("Log");
    QCOMPARE(rowIds(), QList<int>({hour, sixDays, week}));
}

void TestLogPage::bothBoundsAreInclusive()
{
    const QDateTime first(QDate(2026, 3, 1), QTime(8, 0, 0));
    const int atStart = addLog(first, "at the start");
    const int atEnd = addLog(first.addSecs(120), "at the end");
    addLog(first.addSecs(-1), "a second early");
    addLog(first.addSecs(121), "a second late");
    pages.go("Log");
    edit("dateTimeEditStart")->setDateTime(first);
    edit("dateTimeEditEnd")->setDateTime(first.addSecs(120));
    QCOMPARE(rowIds(), QList<int>({atEnd, atStart}));
}

void TestLogPage::startAfterEndListsNothing()
{
    addLog(now.addDays(-1), "yesterday");
    pages.go("Log");
    QCOMPARE(logPage()->listedCount(), 1);
    edit("dateTimeEditStart")->setDateTime(now.addDays(1));
    QCOMPARE(logPage()->listedCount(), 0);
    QVERIFY(rowIds().isEmpty());
    pressExport();
    QCOMPARE(pages.toasts, QStringList{"No logs"});
    QVERIFY(pages.saveAsked.isEmpty());
}

void TestLogPage::rowPressMarksOnlyInDeleteMode()
{
    addLog(now.addDays(-1), "one");
    pages.go("Log");
    LogItem *row = logPage()->rows().at(0);
    emit row->signalsPressed();
    QVERIFY(!row->isChecked());
    QVERIFY(!row->isCheckBoxVisible());

    pressDelete();
    QVERIFY(pages.boxTexts.isEmpty());
    QVERIFY(!button("pushButtonCancel")->isHidden());
    QVERIFY(!button("pushButtonSelectAll")->isHidden());
    QVERIFY(row->isCheckBoxVisible());
    emit row->signalsPressed();
    QVERIFY(row->isChecked());
    QCOMPARE(logPage()->markedCount(), 1);
    emit row->signalsPressed();
    QVERIFY(!row->isChecked());
    QCOMPARE(logPage()->markedCount(), 0);

    button("pushButtonCancel")->click();
    QVERIFY(button("pushButtonCancel")->isHidden());
    QVERIFY(!row->isCheckBoxVisible());
}

void TestLogPage::deletesExactlyTheMarkedRow()
{
    const int a = addLog(now.addSecs(-30), "a");
    const int b = addLog(now.addSecs(-20), "b");
    const int c = addLog(now.addSecs(-10), "c");
    pages.go("Log");
    QCOMPARE(rowIds(), QList<int>({c, b, a}));
    pressDelete();
    emit logPage()->rows().at(1)->signalsPressed();
    pressDelete();
    QCOMPARE(pages.boxTexts, QStringList{"1 logs will be deleted."});
    QCOMPARE(logIds(), QList<int>({a, c}));
    QCOMPARE(rowIds(), QList<int>({c, a}));
    QVERIFY(button("pushButtonCancel")->isHidden());
}

void TestLogPage::declinedDeleteKeepsModeAndMarks()
{
    addLog(now.addSecs(-20), "a");
    addLog(now.addSecs(-10), "b");
    pages.go("Log");
    pressDelete();
    emit logPage()->rows().at(0)->signalsPressed();
    pages.boxAnswer = QDialog::Rejected;
    pressDelete();
    QCOMPARE(pages.boxTexts, QStringList{"1 logs will be deleted."});
    QCOMPARE(logIds().size(), 2);
    QVERIFY(!button("pushButtonCancel")->isHidden());
    QVERIFY(logPage()->rows().at(0)->isChecked());
    QCOMPARE(logPage()->markedCount(), 1);
}

void TestLogPage::selectAllDeletesOnlyTheListedRows()
{
    const int old = addLog(now.addDays(-10), "outside the range");
    addLog(now.addSecs(-20), "a");
    addLog(now.addSecs(-10), "b");
    pages.go("Log");
    // Written after the list was read, inside the range: it is not on the list, so it stays.
    const int late = addLog(now.addSecs(-5), "written meanwhile");
    pressDelete();
    button("pushButtonSelectAll")->click();
    QVERIFY(logPage()->rows().at(0)->isChecked());
    pressDelete();
    QCOMPARE(pages.boxTexts, QStringList{"2 logs will be deleted."});
    QCOMPARE(logIds(), QList<int>({old, late}));
    QCOMPARE(rowIds(), QList<int>{late});
}

void TestLogPage::selectAllThenUnmarkOne()
{
    const int a = addLog(now.addSecs(-30), "a");
    addLog(now.addSecs(-20), "b");
    addLog(now.addSecs(-10), "c");
    pages.go("Log");
    pressDelete();
    button("pushButtonSelectAll")->click();
    emit logPage()->rows().at(2)->signalsPressed();
    pressDelete();
    QCOMPARE(pages.boxTexts, QStringList{"2 logs will be deleted."});
    QCOMPARE(logIds(), QList<int>{a});
}

void TestLogPage::emptyListDeletesNothing()
{
    const int old = addLog(now.addDays(-10), "outside the range");
    pages.go("Log");
    pressDelete();
    button("pushButtonSelectAll")->click();
    pressDelete();
    QCOMPARE(pages.boxTexts, QStringList{"0 logs will be deleted."});
    QCOMPARE(logIds(), QList<int>{old});
}

void TestLogPage::refusedDeleteKeepsEveryEntry()
{
    const int a = addLog(now.addSecs(-30), "a");
    const int b = addLog(now.addSecs(-20), "b");
    const int c = addLog(now.addSecs(-10), "c");
    // The newest of the marked entries cannot go, so none of them goes.
    QVERIFY(gDatabase.execSql(QString("create trigger refuse before delete on tbl_log when old.id=%1 begin "
                                      "select raise(abort,'refused'); end")
                                  .arg(c)));
    pages.go("Log");
    pressDelete();
    button("pushButtonSelectAll")->click();
    pressDelete();
    QCOMPARE(pages.boxTexts, QStringList{"3 logs will be deleted."});
    QCOMPARE(pages.toasts, QStringList{"Delete failed!"});
    QCOMPARE(logIds(), QList<int>({a, b, c}));
    QCOMPARE(rowIds(), QList<int>({c, b, a}));
}

void TestLogPage::marksCoverRowsNotBuiltYet()
{
    const int total = PageLog::batchSize * 2 + 50;
    QVERIFY(gDatabase.beginTransaction());
    for (int i = 0; i < total; ++i)
        addLog(now.addSecs(-10 * (i + 1)), QString("event %1").arg(i));
    QVERIFY(gDatabase.commitTransaction());
    pages.go("Log");
    QCOMPARE(logPage()->listedCount(), total);
    QVERIFY(logPage()->rows().size() < total);

    pressDelete();
    button("pushButtonSelectAll")->click();
    // Scrolling to the end brings in the rows still missing, marked and with their check boxes.
    QScrollBar *bar = logPage()->findChild<QtMaterialCanvas *>("canvasRows")->verticalScrollBar();
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            bar->setValue(bar->maximum());
            return logPage()->rows().size() == total;
        }(),
        20000);
    const QList<LogItem *> rows = logPage()->rows();
    QVERIFY(std::all_of(rows.cbegin(), rows.cend(), [](LogItem *row) { return row->isChecked(); }));
    QVERIFY(rows.last()->isCheckBoxVisible());
    QCOMPARE(QString::fromUtf8(rows.last()->logInfo().log_event), QString("event %1").arg(total - 1));

    // One unmarked row near the end; the rest go.
    emit rows.at(total - 3)->signalsPressed();
    const int kept = rows.at(total - 3)->logInfo().id;
    pressDelete();
    QCOMPARE(pages.boxTexts, QStringList{QString("%1 logs will be deleted.").arg(total - 1)});
    QCOMPARE(logIds(), QList<int>{kept});
}

void TestLogPage::rangeChangeLeavesDeleteMode()
{
    addLog(now.addSecs(-20), "a");
    pages.go("Log");
    pressDelete();
    emit logPage()->rows().at(0)->signalsPressed();
    edit("dateTimeEditStart")->setDateTime(now.addDays(-3));
    QVERIFY(button("pushButtonCancel")->isHidden());
    QCOMPARE(logPage()->markedCount(), 0);
    QVERIFY(!logPage()->rows().at(0)->isCheckBoxVisible());
}

void TestLogPage::exportWritesTheRange()
{
    addLog(now.addDays(-9), "outside the range");
    addLog(now.addSecs(-300), "=1+1", 1, "ac_Bed");
    addLog(now.addSecs(-100), "brightness 40%", 0, "light_Desk");
    QVERIFY(gDatabase.execSql("insert into tbl_log(log_type,log_address,log_device,log_event,log_time) "
                              "values(7,'East-Ground-101','master','unknown type',?)",
                              {now.addSecs(-200).toString(timeFormat)}));
    pages.go("Log");
    // Marks do not matter to the export.
    pressDelete();
    emit logPage()->rows().at(0)->signalsPressed();

    QDir(pages.home.path()).mkpath("exports");
    const QString path = file("exports/book.xlsx");
    pages.savePaths << path;
    pressExport();
    QCOMPARE(pages.toasts, QStringList{"Exprot successfully"});
    QCOMPARE(pages.saveAsked.size(), 1);
    const QStringList asked = pages.saveAsked.at(0).split('|');
    QCOMPARE(asked.at(0), QString("Save As"));
    QVERIFY2(QRegularExpression("^\\d{14}_log\\.xlsx$").match(asked.at(1)).hasMatch(), qPrintable(asked.at(1)));
    QCOMPARE(asked.at(2), QString("Excel Files(*.xlsx *.xls)"));

    const workbookreader::Workbook book = workbookreader::read(path);
    QVERIFY2(book.ok, qPrintable(book.error));
    QCOMPARE(book.sheets, QStringList{"log"});
    QCOMPARE(book.rows.size(), 4);
    QCOMPARE(book.values(0), QStringList({"Time", "Address", "Device", "Event", "Type"}));
    QCOMPARE(book.values(1), QStringList({now.addSecs(-100).toString(timeFormat), "East-Ground-101", "light_Desk",
                                          "brightness 40%", "device status"}));
    QCOMPARE(book.values(2),
             QStringList({now.addSecs(-200).toString(timeFormat), "East-Ground-101", "master", "unknown type", ""}));
    QCOMPARE(book.values(3), QStringList({now.addSecs(-300).toString(timeFormat), "East-Ground-101", "ac_Bed", "=1+1",
                                          "device alert"}));
    QCOMPARE(book.types(), QStringList{"s"});

    // The second export offers the folder of the first; the same file again is replaced, and each export reads the
    // edits' range afresh.
    addLog(now.addSecs(60), "after the end");
    pages.savePaths << path;
    pressExport();
    QVERIFY(pages.saveAsked.at(1).split('|').at(1).startsWith(QDir(pages.home.path()).filePath("exports") + "/"));
    QCOMPARE(workbookreader::read(path).rows.size(), 4);
    edit("dateTimeEditEnd")->setDateTime(now.addSecs(120));
    pages.savePaths << path;
    pressExport();
    QCOMPARE(workbookreader::read(path).rows.size(), 5);
    QCOMPARE(pages.toasts.size(), 3);

    // A dialog given up ends the export without a word.
    pressExport();
    QCOMPARE(pages.toasts.size(), 3);
}

void TestLogPage::failedExportKeepsWhatWasThere()
{
    addLog(now.addSecs(-100), "a");
    pages.go("Log");

    // A folder stands where the workbook would go: nothing can replace it.
    QVERIFY(QDir(pages.home.path()).mkpath("taken.xlsx/inside"));
    pages.savePaths << file("taken.xlsx") << file("no/such/folder/book.xlsx");
    pressExport();
    pressExport();
    QCOMPARE(pages.toasts, QStringList({"Export failed", "Export failed"}));
    QVERIFY(QFileInfo(file("taken.xlsx/inside")).isDir());
    QCOMPARE(QDir(pages.home.path()).entryList({"taken.xlsx*"}, QDir::AllEntries | QDir::Hidden),
             QStringList{"taken.xlsx"});
}

void TestLogPage::longTextsAreCutAtACharacter()
{
    // 200 two-byte characters: 400 bytes, so the record's 255 bytes end inside one.
    const QString event = QString(200, QChar(0x00E9));
    addLog(now.addSecs(-10), event, 0, QString(300, QChar('d')));
    pages.go("Log");
    const logRecord record = logPage()->rows().at(0)->logInfo();
    QCOMPARE(int(qstrlen(record.log_event)), 254);
    QCOMPARE(QString::fromUtf8(record.log_event), QString(127, QChar(0x00E9)));
    QCOMPARE(int(qstrlen(record.log_device)), 255);

    // The workbook has the whole text.
    pages.savePaths << file("long.xlsx");
    pressExport();
    QCOMPARE(workbookreader::read(file("long.xlsx")).values(1).value(3), event);
}

void TestLogPage::exportFollowsTheListWithinASecond()
{
    // Several entries of one second, written out of time order around entries of other seconds.
    const QDateTime second = now.addSecs(-60);
    addLog(second, "same second, first written");
    addLog(now.addSecs(-30), "later second");
    addLog(second, "same second, second written");
    addLog(now.addSecs(-90), "earlier second");
    addLog(second, "same second, third written");
    pages.go("Log");
    QStringList listed;
    for (LogItem *row : logPage()->rows())
        listed << QString::fromUtf8(row->logInfo().log_event);
    QCOMPARE(listed, QStringList({"later second", "same second, third written", "same second, second written",
                                  "same second, first written", "earlier second"}));

    pages.savePaths << file("order.xlsx");
    pressExport();
    QCOMPARE(pages.toasts, QStringList{"Exprot successfully"});
    const workbookreader::Workbook book = workbookreader::read(file("order.xlsx"));
    QVERIFY2(book.ok, qPrintable(book.error));
    QStringList exported;
    for (int r = 1; r < book.rows.size(); ++r)
        exported << book.values(r).value(3);
    QCOMPARE(exported, listed);
}

void TestLogPage::exportWhileListingTakesTheWholeRange()
{
    // One statement of ten entries per turn of the event loop: the page is still reading when the export comes.
    PageLog::setListingPace(10, 0);
    const int total = 35;
    QStringList expected;
    for (int i = 0; i < total; ++i) {
        addLog(now.addSecs(-10 * (i + 1)), QString("event %1").arg(i));
        expected << QString("event %1").arg(i);
    }
    addLog(now.addDays(-10), "outside the range");
    pages.go("Log");
    QVERIFY(!logPage()->isListed());
    QVERIFY(logPage()->listedCount() < total);

    pages.savePaths << file("whole.xlsx");
    pressExport();
    QCOMPARE(pages.toasts, QStringList{"Exprot successfully"});
    const workbookreader::Workbook book = workbookreader::read(file("whole.xlsx"));
    QVERIFY2(book.ok, qPrintable(book.error));
    QStringList exported;
    for (int r = 1; r < book.rows.size(); ++r)
        exported << book.values(r).value(3);
    QCOMPARE(exported, expected);
    // The list is the whole range too, in the workbook's order.
    QVERIFY(logPage()->isListed());
    QCOMPARE(logPage()->listedCount(), total);
    QCOMPARE(QString::fromUtf8(logPage()->rows().at(0)->logInfo().log_event), expected.at(0));
}

void TestLogPage::deleteWhileListingCoversTheWholeRange()
{
    PageLog::setListingPace(10, 0);
    const int total = 35;
    for (int i = 0; i < total; ++i)
        addLog(now.addSecs(-10 * (i + 1)), QString("event %1").arg(i));
    const int old = addLog(now.addDays(-10), "outside the range");
    pages.go("Log");
    QVERIFY(!logPage()->isListed());

    pressDelete();
    button("pushButtonSelectAll")->click();
    pressDelete();
    QCOMPARE(pages.boxTexts, QStringList{QString("%1 logs will be deleted.").arg(total)});
    QCOMPARE(logIds(), QList<int>{old});
    QTRY_VERIFY(logPage()->isListed());
    QCOMPARE(logPage()->listedCount(), 0);
}

QTEST_MAIN(TestLogPage)
#include "tst_logpage.moc"
