// The slide layout: slides in both directions, slides asked for while one runs, resizes during a slide.

#include "materialwidgets/qtmaterialslidelayout.h"

#include <QtTest>

class TestSlideLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaults();
    void slideDirection_data();
    void slideDirection();
    void slideToCurrentOrRunningTargetDoesNothing();
    void slideDuringSlideCompletesTheRunningOne();
    void resizeDuringSlide();
    void withoutParentWidgetNothingHappens();
    void orientationDoesNotTurnSlides();
    void pageDeletedDuringSlide();

private:
    QWidget *m_host = nullptr;
    QtMaterialSlideLayout *m_layout = nullptr;
    QList<QWidget *> m_pages;
};

void TestSlideLayout::init()
{
    m_host = new QWidget;
    m_layout = new QtMaterialSlideLayout(m_host);
    m_pages.clear();
    for (int i = 0; i < 3; ++i) {
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("page%1").arg(i));
        m_layout->addWidget(page);
        m_pages << page;
    }
    m_host->resize(300, 200);
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host));
}

void TestSlideLayout::cleanup()
{
    delete m_host;
    m_host = nullptr;
}

void TestSlideLayout::defaults()
{
    QCOMPARE(m_layout->animationDuration(), 700u);
    QCOMPARE(m_layout->animationType(), QEasingCurve::OutBack);
    QCOMPARE(m_layout->orientation(), Qt::Horizontal);
    QCOMPARE(m_layout->currentIndex(), 0);
    QCOMPARE(m_pages[0]->geometry(), QRect(0, 0, 300, 200));
}

void TestSlideLayout::slideDirection_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("direction");
    QTest::newRow("forward") << 0 << 2 << 1;
    QTest::newRow("back") << 2 << 0 << -1;
}

void TestSlideLayout::slideDirection()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, direction);

    m_layout->setCurrentIndex(from);
    m_layout->setAnimationType(QEasingCurve::Linear);
    m_layout->setAnimationDuration(600);

    m_layout->slideToIndex(to);
    QWidget *outgoing = m_pages[from];
    QWidget *incoming = m_pages[to];
    QVERIFY(incoming->isVisible());
    QCOMPARE(incoming->size(), QSize(300, 200));
    // Still the old index while the slide runs.
    QCOMPARE(m_layout->currentIndex(), from);

    QTRY_VERIFY(outgoing->x() * direction < -30);
    QVERIFY(incoming->x() * direction > 0);
    QVERIFY(incoming->x() * direction < 300);

    QTRY_COMPARE(m_layout->currentIndex(), to);
    QVERIFY(!outgoing->isVisible());
    QVERIFY(incoming->isVisible());
    QCOMPARE(incoming->pos(), QPoint(0, 0));
}

void TestSlideLayout::slideToCurrentOrRunningTargetDoesNothing()
{
    m_layout->setAnimationDuration(300);
    m_layout->slideToIndex(0);
    QVERIFY(!m_pages[1]->isVisible());
    QVERIFY(!m_pages[2]->isVisible());

    m_layout->slideToIndex(1);
    QTest::qWait(100);
    const QPoint during = m_pages[1]->pos();
    m_layout->slideToIndex(1);
    // The running slide was not restarted: the incoming page did not jump back to its start.
    QVERIFY(m_pages[1]->x() <= during.x());
    QTRY_COMPARE(m_layout->currentIndex(), 1);
}

void TestSlideLayout::slideDuringSlideCompletesTheRunningOne()
{
    m_layout->setAnimationDuration(2000);
    m_layout->slideToIndex(1);
    QCOMPARE(m_layout->currentIndex(), 0);

    m_layout->slideToIndex(2);
    // The first slide is finished at once: its target became current and is the page sliding out now.
    QVERIFY(!m_pages[0]->isVisible());
    QVERIFY(m_pages[2]->isVisible());
    QCOMPARE(m_layout->currentIndex(), 1);
    m_layout->setAnimationDuration(100);
}

void TestSlideLayout::resizeDuringSlide()
{
    m_layout->setAnimationType(QEasingCurve::Linear);
    m_layout->setAnimationDuration(800);
    m_layout->slideToIndex(1);
    m_host->resize(500, 250);
    QTRY_COMPARE(m_pages[1]->size(), QSize(500, 250));
    QTRY_COMPARE(m_layout->currentIndex(), 1);
    QCOMPARE(m_pages[1]->pos(), QPoint(0, 0));
}

void TestSlideLayout::withoutParentWidgetNothingHappens()
{
    QtMaterialSlideLayout loose;
    auto *page = new QWidget;
    auto *other = new QWidget;
    loose.addWidget(page);
    loose.addWidget(other);
    loose.slideToWidget(other);
    QCOMPARE(loose.currentIndex(), 0);
    loose.slideToWidget(nullptr);
    QCOMPARE(loose.currentIndex(), 0);
    delete page;
    delete other;
}

void TestSlideLayout::orientationDoesNotTurnSlides()
{
    m_layout->setOrientation(Qt::Vertical);
    QCOMPARE(m_layout->orientation(), Qt::Vertical);
    m_layout->setAnimationType(QEasingCurve::Linear);
    m_layout->setAnimationDuration(600);
    m_layout->slideToIndex(1);
    QTRY_VERIFY(m_pages[0]->x() < -30);
    QCOMPARE(m_pages[0]->y(), 0);
    QCOMPARE(m_pages[1]->y(), 0);
    QTRY_COMPARE(m_layout->currentIndex(), 1);
}

void TestSlideLayout::pageDeletedDuringSlide()
{
    m_layout->setAnimationDuration(300);
    m_layout->slideToIndex(1);
    QTest::qWait(50);
    delete m_pages.takeAt(0);
    QTRY_COMPARE(m_layout->currentWidget(), m_pages.at(0));
    QVERIFY(m_pages.at(0)->isVisible());

    // The incoming page deleted: the slide ends without touching it.
    m_layout->slideToIndex(1);
    QTest::qWait(50);
    delete m_pages.takeAt(1);
    QTest::qWait(400);
    QCOMPARE(m_layout->currentWidget(), m_pages.at(0));
    m_layout->slideToIndex(0);
    QCOMPARE(m_layout->currentWidget(), m_pages.at(0));
}

QTEST_MAIN(TestSlideLayout)
#include "tst_slidelayout.moc"
