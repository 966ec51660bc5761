// The about page: the vendor's contact in the user's settings and the two versions.

#include "core/appsettings.h"
#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/globals.h"
#include "core/projectlist.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "pages/settings/pagesettingabout.h"
#include "resources/stationresources.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QtTest>

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void showsBothVersions();
    void versionIsKeptAfterAProjectSwitch();
    void noVersionRowGivesV();
    void finishingEitherFieldStoresBoth_data();
    void finishingEitherFieldStoresBoth();
    void paintsItsDecoration();

private:
    QString labelText(const PageSettingAbout &page, const char *name)
    {
        return page.findChild<QtMaterialLabel *>(name)->text();
    }
    QString databasePath(const QString &project) const
    {
        return home.path() + "/database/" + project + "/" + project + ".db3";
    }

    QTemporaryDir home;
};

void TestAbout::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
    gAppDirPath = home.path();
}

void TestAbout::init()
{
    QVERIFY(QDir(home.path()).mkpath("database/Home"));
    QVERIFY(createProjectXml());
    gDatabase.close();
    createDatabaseTables(databasePath("Home"));
}

void TestAbout::cleanupTestCase()
{
    gDatabase.close();
}

void TestAbout::showsBothVersions()
{
    QVERIFY(gDatabase.execSql("update tbl_version set version='1.23'"));
    PageSettingAbout page("About", "About", nullptr);
    QCOMPARE(labelText(page, "labelSoftwareVersion"), QString("V3.08"));
    QCOMPARE(labelText(page, "labelDatabaseVersion"), QString("V1.23"));
    QVERIFY(labelText(page, "labelLink").contains(".invalid"));
}

void TestAbout::versionIsKeptAfterAProjectSwitch()
{
    QVERIFY(gDatabase.execSql("update tbl_version set version='1.23'"));
    PageSettingAbout page("About", "About", nullptr);
    QVERIFY(QDir(home.path()).mkpath("database/B"));
    gDatabase.close();
    createDatabaseTables(databasePath("B"));
    QVERIFY(gDatabase.execSql("update tbl_version set version='9.99'"));
    page.show();
    QCOMPARE(labelText(page, "labelDatabaseVersion"), QString("V1.23"));
}

void TestAbout::noVersionRowGivesV()
{
    QVERIFY(gDatabase.execSql("delete from tbl_version"));
    PageSettingAbout page("About", "About", nullptr);
    QCOMPARE(labelText(page, "labelDatabaseVersion"), QString("V"));
}

void TestAbout::finishingEitherFieldStoresBoth_data()
{
    QTest::addColumn<QString>("finished");
    QTest::newRow("name by Enter") << "lineEditName";
    QTest::newRow("phone by Enter") << "lineEditPhone";
}

void TestAbout::finishingEitherFieldStoresBoth()
{
    QFETCH(QString, finished);
    writeIniSetting("about", "about_name", "Old Agent");
    writeIniSetting("about", "about_phone", "000");
    PageSettingAbout page("About", "About", nullptr);
    page.show();
    auto *name = page.findChild<QtMaterialLineEdit *>("lineEditName");
    auto *phone = page.findChild<QtMaterialLineEdit *>("lineEditPhone");
    QCOMPARE(name->text(), QString("Old Agent"));
    QCOMPARE(phone->text(), QString("000"));
    name->setText("Lakeside Agent");
    phone->setText("+1 555 0100");
    QTest::keyClick(page.findChild<QtMaterialLineEdit *>(finished), Qt::Key_Return);
    QString stored;
    readIniSetting("about", "about_name", stored);
    QCOMPARE(stored, QString("Lakeside Agent"));
    readIniSetting("about", "about_phone", stored);
    QCOMPARE(stored, QString("+1 555 0100"));
}

void TestAbout::paintsItsDecoration()
{
    PageSettingAbout page("About", "About", nullptr);
    page.resize(1000, 600);
    const QImage image = page.grab().toImage();
    const int w = image.width();
    const int h = image.height();
    // The vertical divider near its lower end, and the circle left of the company picture it frames.
    QVERIFY(image.pixelColor(w / 2, h - 25).lightness() > MyDialog::backgroundColor.lightness() + 60);
    const int size = qMin(w / 8, h / 4);
    const QPoint circle(w / 2 + (w / 4 - size) / 2 + size / 5, (h / 2 - size) / 2 + size / 2);
    QCOMPARE(image.pixelColor(circle), QColor(0x1F, 0x29, 0x33));
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
