// The drawer: its slide in and out, panel width, dimming in overlay mode, click-outside closing and which
// presses reach the parent's widgets, open or closed, in either mode.

#include "materialwidgets/qtmaterialdrawer.h"
#include "materialwidgets/qtmaterialdrawerstatemachine.h"
#include "materialwidgets/qtmaterialdrawerwidget.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

class TestDrawer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newDrawerIsHiddenAndClosed();
    void openSlidesThePanelIn();
    void panelWidth();
    void contentLayoutAndShadowMargin();
    void withoutOverlayNothingDimsAndBesideThePanelIsClickable();
    void overlayDimsAndClickOutsideCloses_data();
    void overlayDimsAndClickOutsideCloses();
    void openDuringSlideOutEndsClosed();
    void switchingToOverlayModeDimsTheWholeParent();
    void closedDrawerLetsPressesThrough_data();
    void closedDrawerLetsPressesThrough();

private:
    void openFully();
    void click(const QPoint &pos) { QTest::mouseClick(m_page->windowHandle(), Qt::LeftButton, {}, pos); }

    QWidget *m_page = nullptr;
    QPushButton *m_under = nullptr;
    QPushButton *m_beside = nullptr;
    QtMaterialDrawer *m_drawer = nullptr;
};

void TestDrawer::init()
{
    m_page = new QWidget;
    m_page->resize(800, 600);
    // Under the panel's strip, and far beside it.
    m_under = new QPushButton(QStringLiteral("Under"), m_page);
    m_under->setGeometry(20, 100, 100, 40);
    m_beside = new QPushButton(QStringLiteral("Beside"), m_page);
    m_beside->setGeometry(600, 100, 100, 40);
    m_drawer = new QtMaterialDrawer(m_page);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
}

void TestDrawer::cleanup()
{
    delete m_page;
    m_page = nullptr;
}

void TestDrawer::openFully()
{
    m_drawer->openDrawer();
    QTRY_VERIFY(m_drawer->stateMachine()->openedStateActive());
}

void TestDrawer::newDrawerIsHiddenAndClosed()
{
    QVERIFY(!m_drawer->isVisible());
    QVERIFY(m_drawer->stateMachine()->closedStateActive());
    QCOMPARE(m_drawer->panelWidth(), 250);
    QVERIFY(!m_drawer->clickOutsideToClose());
    QVERIFY(m_drawer->autoRaise());
    QVERIFY(!m_drawer->overlayMode());
    QCOMPARE(m_drawer->panel()->width(), 266);
    // The closed offset was computed before the width was fixed: a fresh widget is 640 px wide.
    QCOMPARE(m_drawer->panel()->offset(), -672);
}

void TestDrawer::openSlidesThePanelIn()
{
    m_drawer->openDrawer();
    QVERIFY(m_drawer->isVisible());
    QTRY_VERIFY(m_drawer->panel()->offset() > -672);
    QVERIFY(!m_drawer->stateMachine()->openedStateActive());
    QTRY_VERIFY(m_drawer->stateMachine()->openedStateActive());
    QCOMPARE(m_drawer->panel()->offset(), 0);
    QCOMPARE(m_drawer->panel()->geometry(), QRect(0, 0, 266, 600));
    QCOMPARE(m_drawer->stateMachine()->opacity(), 0.4);

    m_drawer->closeDrawer();
    QTRY_VERIFY(m_drawer->stateMachine()->closedStateActive());
    QCOMPARE(m_drawer->panel()->offset(), -672);
    // Never hidden by itself.
    QVERIFY(m_drawer->isVisible());
}

void TestDrawer::panelWidth()
{
    m_drawer->setPanelWidth(300);
    QCOMPARE(m_drawer->panelWidth(), 300);
    QCOMPARE(m_drawer->panel()->width(), 316);
    openFully();
    m_drawer->closeDrawer();
    QTRY_VERIFY(m_drawer->stateMachine()->closedStateActive());
    QCOMPARE(m_drawer->panel()->offset(), -348);
}

void TestDrawer::contentLayoutAndShadowMargin()
{
    auto *layout = new QVBoxLayout;
    auto *label = new QLabel(QStringLiteral("Settings"));
    layout->addWidget(label);
    m_drawer->setContentLayout(layout);
    QCOMPARE(m_drawer->contentLayout(), layout);
    m_page->resize(820, 600);
    QTRY_COMPARE(m_drawer->panel()->layout()->contentsMargins(), QMargins(0, 0, 16, 0));
    openFully();
    QVERIFY(label->isVisible());
    QVERIFY(label->mapTo(m_page, QPoint(label->width(), 0)).x() <= 250);
}

void TestDrawer::withoutOverlayNothingDimsAndBesideThePanelIsClickable()
{
    openFully();
    QSignalSpy beside(m_beside, &QPushButton::clicked);
    QSignalSpy under(m_under, &QPushButton::clicked);
    click(QPoint(650, 120));
    QCOMPARE(beside.count(), 1);
    // The open panel covers the button under it.
    click(QPoint(70, 120));
    QCOMPARE(under.count(), 0);

    const QImage image = m_page->grab().toImage();
    QCOMPARE(QColor(image.pixel(500, 300)), m_page->palette().color(QPalette::Window));
}

void TestDrawer::overlayDimsAndClickOutsideCloses_data()
{
    QTest::addColumn<bool>("clickToClose");
    QTest::newRow("closes") << true;
    QTest::newRow("stays") << false;
}

void TestDrawer::overlayDimsAndClickOutsideCloses()
{
    QFETCH(bool, clickToClose);
    m_drawer->setOverlayMode(true);
    m_drawer->setClickOutsideToClose(clickToClose);
    openFully();

    const QColor dimmed(m_page->grab().toImage().pixel(500, 300));
    const QColor plain = m_page->palette().color(QPalette::Window);
    QVERIFY(qAbs(dimmed.red() - int(plain.red() * 0.6)) <= 2);

    QSignalSpy beside(m_beside, &QPushButton::clicked);
    click(QPoint(650, 120));
    // In overlay mode the open drawer takes the press: the button beside does not get it.
    QCOMPARE(beside.count(), 0);
    QTest::qWait(20);
    if (clickToClose) {
        QTRY_VERIFY(m_drawer->stateMachine()->closedStateActive());
    } else {
        QTest::qWait(300);
        QVERIFY(m_drawer->stateMachine()->openedStateActive());
    }
}

void TestDrawer::openDuringSlideOutEndsClosed()
{
    openFully();
    m_drawer->closeDrawer();
    QTRY_VERIFY(m_drawer->panel()->offset() < 0);
    m_drawer->openDrawer();
    QTRY_VERIFY(m_drawer->stateMachine()->closedStateActive());
    QCOMPARE(m_drawer->panel()->offset(), -672);
}

void TestDrawer::switchingToOverlayModeDimsTheWholeParent()
{
    openFully();
    QVERIFY(!m_drawer->mask().isEmpty());
    m_drawer->setOverlayMode(true);
    QVERIFY(m_drawer->mask().isEmpty());
    const QColor dimmed(m_page->grab().toImage().pixel(500, 300));
    QVERIFY(dimmed != m_page->palette().color(QPalette::Window));
    QSignalSpy beside(m_beside, &QPushButton::clicked);
    click(QPoint(650, 120));
    QCOMPARE(beside.count(), 0);

    m_drawer->setOverlayMode(false);
    QCOMPARE(m_drawer->mask().boundingRect(), QRect(0, 0, 266, 600));
    click(QPoint(650, 120));
    QCOMPARE(beside.count(), 1);
}

void TestDrawer::closedDrawerLetsPressesThrough_data()
{
    QTest::addColumn<bool>("overlay");
    QTest::newRow("overlay mode") << true;
    QTest::newRow("beside mode") << false;
}

void TestDrawer::closedDrawerLetsPressesThrough()
{
    QFETCH(bool, overlay);
    m_drawer->setOverlayMode(overlay);
    openFully();
    m_drawer->closeDrawer();
    QTRY_VERIFY(m_drawer->stateMachine()->closedStateActive());
    QVERIFY(m_drawer->isVisible());

    QSignalSpy under(m_under, &QPushButton::clicked);
    QSignalSpy beside(m_beside, &QPushButton::clicked);
    click(QPoint(70, 120));
    click(QPoint(650, 120));
    QCOMPARE(under.count(), 1);
    QCOMPARE(beside.count(), 1);

    // Opened again, the drawer takes its strip once more.
    openFully();
    click(QPoint(70, 120));
    QCOMPARE(under.count(), 1);
}

QTEST_MAIN(TestDrawer)
#include "tst_drawer.moc"
