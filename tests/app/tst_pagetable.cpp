// The program's page table: every page id gets its page once all page areas have landed.

#include "app/pagetable.h"
#include "shell/mydialog.h"
#include "shell/pagefactory.h"

#include "core/globals.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QTest>

class TestPageTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPageIdHasItsPage();

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

void TestPageTable::everyPageIdHasItsPage()
{
    QStringList missing;
    for (const QString &id : PageFactory::pageIds()) {
        MyDialog *page = PageFactory::create(id, id);
        if (!page) {
            missing << id;
            continue;
        }
        QCOMPARE(page->pageId(), id);
        QCOMPARE(page->pageName(), id);
        QVERIFY(!page->parent());
        delete page;
    }
    QCOMPARE(missing, PageFactory::missingPageIds());
    // Pages land one area at a time; until the last has landed this names the ones still to come.
    const QByteArray comment = "pages not built yet: " + missing.join(", ").toUtf8();
    if (!missing.isEmpty())
        QEXPECT_FAIL("", comment.constData(), Continue);
    QVERIFY2(missing.isEmpty(), comment.constData());
}

QTEST_MAIN(TestPageTable)
#include "tst_pagetable.moc"
