// The page, tab-page and tile bases: background, page identity, own toasts and click handling.

#include "shell/dynamicwidget.h"
#include "shell/mydialog.h"
#include "shell/mywidget.h"

#include "materialwidgets/qtmaterialsnackbar.h"
#include "tests/support/testenv.h"

#include <QSignalSpy>
#include <QTest>

class TestPageBases : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void dialogPaintsTheApplicationBackground();
    void widgetPaintsTheApplicationBackground();
    void pageKeepsItsIdWhenRenamed();
    void dialogStartsWithoutIdAndNotLoading();
    void informationWhileHiddenIsDropped();
    void informationWhileVisibleBecomesAToast();
    void escapeClosesDialogsButNotPages();

    void clickInsideEmits_data();
    void clickInsideEmits();
    void pressColourHoldsWhileDragging();
    void otherButtonsChangeNothing();
    void releaseWithoutPressEmitsNothing();
    void roundTilePaintsCentredCircle();
    void squareTilePaintsRoundedRectangle();

private:
    QTemporaryDir home;
};

void TestPageBases::initTestCase()
{
    testenv::useFreshHome(home);
}

void TestPageBases::dialogPaintsTheApplicationBackground()
{
    MyDialog dialog(nullptr);
    QVERIFY(dialog.autoFillBackground());
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(dialog.palette().color(group, QPalette::Window), QColor("#263440"));
    QVERIFY(dialog.toast());
    QCOMPARE(dialog.toast()->parentWidget(), &dialog);
}

void TestPageBases::widgetPaintsTheApplicationBackground()
{
    MyWidget widget(nullptr);
    QVERIFY(widget.autoFillBackground());
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(widget.palette().color(group, QPalette::Window), QColor("#263440"));
    widget.refresh(); // the base hook does nothing
}

void TestPageBases::pageKeepsItsIdWhenRenamed()
{
    MyDialog page("Operate Room", "A-1-101", nullptr);
    QCOMPARE(page.pageId(), QString("Operate Room"));
    QCOMPARE(page.pageName(), QString("A-1-101"));
    page.setPageName("B-2-202");
    QCOMPARE(page.pageName(), QString("B-2-202"));
    QCOMPARE(page.pageId(), QString("Operate Room"));
}

void TestPageBases::dialogStartsWithoutIdAndNotLoading()
{
    MyDialog dialog(nullptr);
    QVERIFY(dialog.pageId().isEmpty());
    QVERIFY(dialog.pageName().isEmpty());
    QVERIFY(!dialog.loading);
    MyDialog page("Log", "Log", nullptr);
    QVERIFY(!page.loading);
}

void TestPageBases::informationWhileHiddenIsDropped()
{
    MyDialog dialog(nullptr);
    emit dialog.signalsInformation("nobody sees this");
    QVERIFY(dialog.toast()->messages().isEmpty());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Showing the dialog later does not bring the dropped text back.
    QVERIFY(dialog.toast()->messages().isEmpty());
}

void TestPageBases::informationWhileVisibleBecomesAToast()
{
    MyDialog dialog(nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    emit dialog.signalsInformation("first");
    emit dialog.signalsInformation("second");
    QCOMPARE(dialog.toast()->messages(), QStringList({"first", "second"}));
}

void TestPageBases::escapeClosesDialogsButNotPages()
{
    QWidget host;
    MyDialog page("Rooms", "Rooms", nullptr);
    page.setParent(&host);
    host.show();
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QTest::keyClick(&page, Qt::Key_Escape);
    QVERIFY(page.isVisible());

    MyDialog dialog(nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestPageBases::clickInsideEmits_data()
{
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<bool>("emits");
    QTest::newRow("centre") << QPoint(50, 20) << true;
    QTest::newRow("last column and row") << QPoint(99, 39) << true;
    QTest::newRow("origin") << QPoint(0, 0) << true;
    QTest::newRow("right of the tile") << QPoint(100, 20) << false;
    QTest::newRow("below the tile") << QPoint(50, 40) << false;
    QTest::newRow("left of the tile") << QPoint(-1, 20) << false;
}

void TestPageBases::clickInsideEmits()
{
    QFETCH(QPoint, release);
    QFETCH(bool, emits);
    DynamicWidget tile(QColor("#3D5366"), nullptr);
    tile.resize(100, 40);
    QSignalSpy spy(&tile, &DynamicWidget::signalsPressed);
    QTest::mousePress(&tile, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(tile.color(), QColor("#557FA3"));
    QTest::mouseRelease(&tile, Qt::LeftButton, Qt::NoModifier, release);
    QCOMPARE(spy.count(), emits ? 1 : 0);
    QCOMPARE(tile.color(), QColor("#3D5366"));
    QVERIFY(!tile.isPressed());
}

void TestPageBases::pressColourHoldsWhileDragging()
{
    DynamicWidget tile(QColor("#3D5366"), nullptr);
    tile.resize(100, 40);
    QTest::mousePress(&tile, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseMove(&tile, QPoint(300, 300));
    QCOMPARE(tile.color(), QColor("#557FA3"));
    QVERIFY(tile.isPressed());
}

void TestPageBases::otherButtonsChangeNothing()
{
    DynamicWidget tile(QColor("#3D5366"), nullptr);
    tile.resize(100, 40);
    QSignalSpy spy(&tile, &DynamicWidget::signalsPressed);
    QTest::mousePress(&tile, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(tile.color(), QColor("#3D5366"));
    QTest::mouseRelease(&tile, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(spy.count(), 0);

    // A left press ended by another button's release is still pending.
    QTest::mousePress(&tile, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseRelease(&tile, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(tile.color(), QColor("#557FA3"));
}

void TestPageBases::releaseWithoutPressEmitsNothing()
{
    DynamicWidget tile(QColor("#3D5366"), nullptr);
    tile.resize(100, 40);
    QSignalSpy spy(&tile, &DynamicWidget::signalsPressed);
    QTest::mouseRelease(&tile, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(spy.count(), 0);
}

static QImage render(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

void TestPageBases::roundTilePaintsCentredCircle()
{
    DynamicWidget tile(QColor("#3D5366"), nullptr);
    tile.resize(192, 128);
    tile.setRound(true);
    const QImage image = render(tile);
    // Diameter 128 centred horizontally: the circle spans x 32..159.
    QCOMPARE(QColor(image.pixel(96, 64)), QColor("#3D5366"));
    QCOMPARE(QColor(image.pixel(34, 64)), QColor("#3D5366"));
    QCOMPARE(QColor(image.pixel(157, 64)), QColor("#3D5366"));
    QCOMPARE(qAlpha(image.pixel(30, 64)), 0);
    QCOMPARE(qAlpha(image.pixel(161, 64)), 0);
    QCOMPARE(qAlpha(image.pixel(34, 2)), 0);
}

void TestPageBases::squareTilePaintsRoundedRectangle()
{
    DynamicWidget tile(QColor("#3D5366"), nullptr);
    tile.resize(100, 60);
    const QImage image = render(tile);
    QCOMPARE(QColor(image.pixel(50, 30)), QColor("#3D5366"));
    QCOMPARE(QColor(image.pixel(50, 0)), QColor("#3D5366"));
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0); // the corner is rounded off
}

QTEST_MAIN(TestPageBases)
#include "tst_pagebases.moc"
