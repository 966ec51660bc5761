// The program's page table: every id of the shell's ordered table has the page class that must show it.

#include "app/pagetable.h"
#include "shell/mydialog.h"
#include "shell/pagefactory.h"

#include "core/globals.h"
#include "tests/app/stationpages.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QTest>

class TestPageTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPageIdHasItsPage_data();
    void everyPageIdHasItsPage();
    void tableOrderIsTheShells();

private:
    QTemporaryDir home;
};

void TestPageTable::initTestCase()
{
    testenv::useFreshHome(home);
    gAppDirPath = home.path();
    QDir(home.path()).mkpath("database");
    registerStationPages();
}

void TestPageTable::everyPageIdHasItsPage_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("className");
    for (const stationpages::PageRequest &page : stationpages::table())
        QTest::newRow(qPrintable(page.id)) << page.id << QString(page.className);
}

void TestPageTable::everyPageIdHasItsPage()
{
    QFETCH(QString, id);
    QFETCH(QString, className);
    QVERIFY2(!PageFactory::missingPageIds().contains(id), "no page registered for this id");
    QScopedPointer<MyDialog> page(PageFactory::create(id, "A name"));
    QVERIFY(page);
    QCOMPARE(QString(page->metaObject()->className()), className);
    QCOMPARE(page->pageId(), id);
    QCOMPARE(page->pageName(), QString("A name"));
    QVERIFY(!page->parent());
}

void TestPageTable::tableOrderIsTheShells()
{
    QStringList ids;
    for (const stationpages::PageRequest &page : stationpages::table())
        ids << page.id;
    QCOMPARE(PageFactory::pageIds(), ids);
    QCOMPARE(PageFactory::missingPageIds(), QStringList());
}

QTEST_MAIN(TestPageTable)
#include "tst_pagetable.moc"
