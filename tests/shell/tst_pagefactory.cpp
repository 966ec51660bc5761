// The page table: the 33 page ids in the order they are matched, and the page of each id.

#include "shell/mydialog.h"
#include "shell/pagefactory.h"

#include "core/globals.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QTest>

class TestPageFactory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void tableHoldsTheThirtyThreeIdsInOrder();
    void everyPageIdHasItsPage();
    void creatorsOnlyForTableIds();
    void replacedCreatorBuildsWithTheTableId();

private:
    QTemporaryDir home;
};

void TestPageFactory::initTestCase()
{
    testenv::useFreshHome(home);
    gAppDirPath = home.path();
    QDir(home.path()).mkpath("database");
}

void TestPageFactory::cleanup()
{
    PageFactory::resetCreators();
}

void TestPageFactory::tableHoldsTheThirtyThreeIdsInOrder()
{
    const QStringList expected = {"Home",
                                  "Message",
                                  "Log",
                                  "Setting",
                                  "Rooms",
                                  "3D View",
                                  "Operate Room",
                                  "Operate Room 3D View",
                                  "Project Setting",
                                  "Project Information",
                                  "Room Template",
                                  "Edit Template",
                                  "Template Light Information",
                                  "Template Panel Information",
                                  "Rooms Manager",
                                  "Edit Room",
                                  "Message Manager",
                                  "Message Information",
                                  "Change Device Address",
                                  "Network Setting",
                                  "3D View Manager",
                                  "3D View Setting",
                                  "About",
                                  "Light Information",
                                  "AC Information",
                                  "Floor Heat Information",
                                  "Moods Information",
                                  "Diy Command",
                                  "Panel Information",
                                  "Lighting",
                                  "AC",
                                  "Floor Heat",
                                  "Moods"};
    QCOMPARE(PageFactory::pageIds(), expected);
    QCOMPARE(PageFactory::tableId("Edit Room"), QString("Edit Room"));
    QVERIFY(PageFactory::tableId("edit room").isEmpty()); // ids are case-sensitive
}

void TestPageFactory::everyPageIdHasItsPage()
{
    PageFactory::resetCreators();
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

void TestPageFactory::creatorsOnlyForTableIds()
{
    QVERIFY(!PageFactory::setCreator("Nowhere", [](const QString &, const QString &) { return nullptr; }));
    QVERIFY(!PageFactory::create("Nowhere", "Nowhere"));
    QVERIFY(PageFactory::setCreator("Rooms", PageFactory::Creator()));
    if (PageFactory::missingPageIds().contains("Rooms"))
        QVERIFY(!PageFactory::create("Rooms", "Rooms")); // a page not built yet acts as an unknown id
}

void TestPageFactory::replacedCreatorBuildsWithTheTableId()
{
    QStringList built;
    QVERIFY(PageFactory::setCreator("Edit Room", [&](const QString &id, const QString &name) {
        built << id << name;
        return new MyDialog(id, name, nullptr);
    }));
    QScopedPointer<MyDialog> page(PageFactory::create("Edit Room", "My room"));
    QVERIFY(page);
    QCOMPARE(built, QStringList({"Edit Room", "My room"}));
    PageFactory::resetCreators();
    QVERIFY(!PageFactory::create("Nowhere", "x"));
}

QTEST_MAIN(TestPageFactory)
#include "tst_pagefactory.moc"
