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
    void registeredPagesAreBuiltAndListed();
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

void TestPageFactory::registeredPagesAreBuiltAndListed()
{
    // The shell registers no page of its own: the program's top does.
    QCOMPARE(PageFactory::missingPageIds(), PageFactory::pageIds());
    QVERIFY(!PageFactory::create("Home", "Home"));

    QVERIFY(!PageFactory::registerPage("Nowhere", PageFactory::creatorOf<MyDialog>()));
    QVERIFY(PageFactory::registerPage("Home", PageFactory::creatorOf<MyDialog>()));
    QVERIFY(!PageFactory::missingPageIds().contains("Home"));
    QScopedPointer<MyDialog> page(PageFactory::create("Home", "Start"));
    QVERIFY(page);
    QCOMPARE(page->pageId(), QString("Home"));
    QCOMPARE(page->pageName(), QString("Start"));
    QVERIFY(!page->parent());

    // A test creator goes over the registered page and gives it back when reset.
    QVERIFY(PageFactory::setCreator("Home", [](const QString &, const QString &) { return nullptr; }));
    QVERIFY(!PageFactory::create("Home", "Home"));
    PageFactory::resetCreators();
    page.reset(PageFactory::create("Home", "Home"));
    QVERIFY(page);

    QVERIFY(PageFactory::registerPage("Home", PageFactory::Creator()));
    QVERIFY(PageFactory::missingPageIds().contains("Home"));
    QVERIFY(!PageFactory::create("Home", "Home")); // an unregistered page acts as an unknown id
}

void TestPageFactory::creatorsOnlyForTableIds()
{
    QVERIFY(!PageFactory::setCreator("Nowhere", [](const QString &, const QString &) { return nullptr; }));
    QVERIFY(!PageFactory::create("Nowhere", "Nowhere"));
    QVERIFY(PageFactory::setCreator("Rooms", PageFactory::Creator()));
    QVERIFY(!PageFactory::create("Rooms", "Rooms"));
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
