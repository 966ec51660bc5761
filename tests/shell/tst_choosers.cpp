// The two choosers of the menu bar: network style and project.

#include "core/globals.h"
#include "core/projectlist.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "resources/stationresources.h"
#include "shell/networkstyledlg.h"
#include "shell/networkstyleitem.h"
#include "shell/projectselectdlg.h"
#include "shell/projectselectitem.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QTimer>
#include <QtTest>

class TestChoosers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void styleDialogFrame();
    void styleRowsMarkThePreset_data();
    void styleRowsMarkThePreset();
    void styleRowClickAccepts();
    void styleCloseRejects();
    void styleRowPaints();

    void projectRowsFollowTheList();
    void projectRowClickAccepts();
    void projectCloseRejectsAndKeepsPreset();
    void projectListMissingGivesNoRows();
    void projectRowPaintsAndElides();

private:
    QTemporaryDir home;
};

void TestChoosers::initTestCase()
{
    testenv::useFreshHome(home);
    gAppDirPath = home.path();
    initStationResources();
}

void TestChoosers::init()
{
    QDir(home.path()).mkpath("database");
    QVERIFY(createProjectXml());
}

// True when some pixel of the area differs from the rows' colour.
static bool drawnIn(const QImage &image, const QRect &area)
{
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            if (image.pixelColor(x, y) != QColor(0x1F, 0x29, 0x33))
                return true;
    return false;
}

static void click(QWidget *w, const QPoint &at)
{
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, at);
}

void TestChoosers::styleDialogFrame()
{
    NetworkStyleDlg dialog(nullptr);
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(dialog.height(), 240);
    QCOMPARE(dialog.width(), 400);
    QCOMPARE(dialog.netStyle, LocalNetwork);
}

void TestChoosers::styleRowsMarkThePreset_data()
{
    QTest::addColumn<int>("preset");
    QTest::newRow("local") << 0;
    QTest::newRow("cloud") << 1;
    QTest::newRow("dns") << 2;
}

void TestChoosers::styleRowsMarkThePreset()
{
    QFETCH(int, preset);
    NetworkStyleDlg dialog(nullptr);
    dialog.netStyle = NetStyle(preset);
    dialog.initItems();
    const QList<NetworkStyleItem *> rows = dialog.findChildren<NetworkStyleItem *>();
    QCOMPARE(rows.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(int(rows.at(i)->netStyle()), i);
        QCOMPARE(rows.at(i)->isSelected(), i == preset);
        QCOMPARE(rows.at(i)->height(), 40);
    }
    QCOMPARE(NetworkStyleItem::styleText(0), QString("Local Network"));
    QCOMPARE(NetworkStyleItem::styleText(1), QString("Cloud Server"));
    QCOMPARE(NetworkStyleItem::styleText(2), QString("DNS Server"));
}

void TestChoosers::styleRowClickAccepts()
{
    NetworkStyleDlg dialog(nullptr);
    dialog.netStyle = CloudServer;
    dialog.initItems();
    QTimer::singleShot(0, &dialog, [&dialog] {
        QTRY_VERIFY(dialog.isVisible());
        NetworkStyleItem *dns = dialog.findChildren<NetworkStyleItem *>().at(2);
        click(dns, QPoint(5, 5));
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.netStyle, DnsServer);
}

void TestChoosers::styleCloseRejects()
{
    NetworkStyleDlg dialog(nullptr);
    dialog.netStyle = CloudServer;
    dialog.initItems();
    QTimer::singleShot(0, &dialog, [&dialog] {
        QTRY_VERIFY(dialog.isVisible());
        dialog.findChild<QtMaterialIconButton *>("pushButtonClose")->click();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(dialog.netStyle, CloudServer);
}

void TestChoosers::styleRowPaints()
{
    NetworkStyleItem row(CloudServer, true, nullptr);
    row.resize(300, 40);
    const QImage image = row.grab().toImage();
    // The picture at (20, 8), the selection mark at (w - 41, 8), the grey line along the bottom.
    QVERIFY(drawnIn(image, QRect(20, 8, 24, 24)));
    QVERIFY(drawnIn(image, QRect(259, 8, 24, 24)));
    // The antialiased one-pixel line on the last row blends the light grey into the row's colour.
    QVERIFY(image.pixelColor(150, 39).lightness() > QColor(0x1F, 0x29, 0x33).lightness() + 40);
    QCOMPARE(image.pixelColor(150, 37), QColor(0x1F, 0x29, 0x33));

    NetworkStyleItem unmarked(CloudServer, false, nullptr);
    unmarked.resize(300, 40);
    QVERIFY(!drawnIn(unmarked.grab().toImage(), QRect(259, 8, 24, 24)));
}

void TestChoosers::projectRowsFollowTheList()
{
    QVERIFY(addProject("Second"));
    ProjectSelectDlg dialog(nullptr);
    dialog.projectName = "Second"; // the mark follows the list's current project, not the preset
    dialog.initProjects();
    const QList<ProjectSelectItem *> rows = dialog.findChildren<ProjectSelectItem *>();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0)->projectName(), QString("Home"));
    QVERIFY(rows.at(0)->isSelected());
    QCOMPARE(rows.at(1)->projectName(), QString("Second"));
    QVERIFY(!rows.at(1)->isSelected());
    QCOMPARE(rows.at(1)->height(), 40);
}

void TestChoosers::projectRowClickAccepts()
{
    QVERIFY(addProject("Second"));
    ProjectSelectDlg dialog(nullptr);
    dialog.projectName = "Home";
    dialog.initProjects();
    QTimer::singleShot(0, &dialog, [&dialog] {
        QTRY_VERIFY(dialog.isVisible());
        click(dialog.findChildren<ProjectSelectItem *>().at(1), QPoint(5, 5));
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.projectName, QString("Second"));
}

void TestChoosers::projectCloseRejectsAndKeepsPreset()
{
    ProjectSelectDlg dialog(nullptr);
    dialog.projectName = "Home";
    dialog.initProjects();
    QTimer::singleShot(0, &dialog, [&dialog] {
        QTRY_VERIFY(dialog.isVisible());
        dialog.findChild<QtMaterialIconButton *>("pushButtonClose")->click();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(dialog.projectName, QString("Home"));
}

void TestChoosers::projectListMissingGivesNoRows()
{
    QVERIFY(QFile::remove(projectXmlPath()));
    ProjectSelectDlg dialog(nullptr);
    dialog.initProjects();
    QVERIFY(dialog.findChildren<ProjectSelectItem *>().isEmpty());
}

void TestChoosers::projectRowPaintsAndElides()
{
    ProjectSelectItem row(QString(200, 'W'), true, nullptr);
    row.resize(300, 40);
    const QImage image = row.grab().toImage();
    QVERIFY(drawnIn(image, QRect(20, 8, 24, 24)));
    QVERIFY(drawnIn(image, QRect(259, 8, 24, 24)));
    // The antialiased one-pixel line on the last row blends the light grey into the row's colour.
    QVERIFY(image.pixelColor(150, 39).lightness() > QColor(0x1F, 0x29, 0x33).lightness() + 40);
    QCOMPARE(image.pixelColor(150, 37), QColor(0x1F, 0x29, 0x33));

    ProjectSelectItem unmarked("Home", false, nullptr);
    unmarked.resize(300, 40);
    QVERIFY(!drawnIn(unmarked.grab().toImage(), QRect(259, 8, 24, 24)));
}

QTEST_MAIN(TestChoosers)
#include "tst_choosers.moc"
