// Overlay widgets, ripples and the kind-matching state transition.

#include "materialwidgets/qtmaterialoverlaywidget.h"
#include "materialwidgets/qtmaterialripple.h"
#include "materialwidgets/qtmaterialrippleoverlay.h"
#include "materialwidgets/qtmaterialstatetransition.h"
#include "materialwidgets/qtmaterialstatetransitionevent.h"

#include <QPainter>
#include <QPropertyAnimation>
#include <QStateMachine>
#include <QtTest>

namespace {

class PaintCountingOverlay : public QtMaterialRippleOverlay
{
public:
    using QtMaterialRippleOverlay::QtMaterialRippleOverlay;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        QtMaterialRippleOverlay::paintEvent(event);
    }
};

// Exposes the transition's test so it can be asked directly.
class ProbeTransition : public QtMaterialStateTransition
{
public:
    using QtMaterialStateTransition::QtMaterialStateTransition;
    bool test(QEvent *event) { return eventTest(event); }
};

} // namespace

class TestOverlay : public QObject
{
    Q_OBJECT

private slots:
    void overlayWithoutParent();
    void overlayFollowsParent();
    void reparentingMovesFilter();
    void rippleDefaults();
    void rippleRunsAndIsRemoved();
    void zeroRadiusRippleIsRemoved();
    void removeUnknownRippleDoesNothing();
    void rippleWritersRepaintOnlyOnChange();
    void ripplesPaintInOrderInsideClip();
    void overlayDeathStopsRipples();
    void overlayIsTransparentForMouse();
    void transitionMatchesKind_data();
    void transitionMatchesKind();
    void transitionDrivesMachine();
};

void TestOverlay::overlayWithoutParent()
{
    QWidget parent;
    parent.resize(300, 200);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    auto *overlay = new QtMaterialOverlayWidget;
    QCOMPARE(overlay->geometry().size(), overlay->size());
    QVERIFY(overlay->size() != QSize(300, 200));
    // Without a parent nothing drives its geometry.
    parent.resize(310, 210);
    QVERIFY(overlay->size() != QSize(310, 210));
    overlay->setParent(&parent);
    QCOMPARE(overlay->geometry(), QRect(0, 0, 310, 210));
    parent.resize(320, 240);
    QTRY_COMPARE(overlay->geometry(), QRect(0, 0, 320, 240));
}

void TestOverlay::overlayFollowsParent()
{
    QWidget parent;
    parent.resize(200, 100);
    QtMaterialOverlayWidget overlay(&parent);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    parent.resize(250, 150);
    QTRY_COMPARE(overlay.geometry(), QRect(0, 0, 250, 150));
}

void TestOverlay::reparentingMovesFilter()
{
    QWidget first;
    QWidget second;
    first.resize(100, 100);
    second.resize(400, 300);
    first.show();
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    QtMaterialOverlayWidget overlay(&first);
    overlay.setParent(&second);
    QCOMPARE(overlay.geometry(), QRect(0, 0, 400, 300));
    // The old parent no longer drives the overlay.
    first.resize(50, 50);
    QCoreApplication::processEvents();
    QCOMPARE(overlay.geometry(), QRect(0, 0, 400, 300));
    second.resize(410, 310);
    QCOMPARE(overlay.geometry(), QRect(0, 0, 410, 310));
}

void TestOverlay::rippleDefaults()
{
    QtMaterialRipple ripple(QPoint(5, 6));
    QCOMPARE(ripple.center(), QPoint(5, 6));
    QCOMPARE(ripple.radius(), 0.0);
    QCOMPARE(ripple.opacity(), 0.0);
    QCOMPARE(ripple.brush().color(), QColor(Qt::black));
    QCOMPARE(ripple.brush().style(), Qt::SolidPattern);
    QCOMPARE(ripple.radiusAnimation()->startValue().toDouble(), 0.0);
    QCOMPARE(ripple.radiusAnimation()->endValue().toDouble(), 300.0);
    QCOMPARE(ripple.radiusAnimation()->duration(), 800);
    QCOMPARE(ripple.radiusAnimation()->easingCurve().type(), QEasingCurve::OutQuad);
    QCOMPARE(ripple.opacityAnimation()->startValue().toDouble(), 0.5);
    QCOMPARE(ripple.opacityAnimation()->endValue().toDouble(), 0.0);
    QCOMPARE(ripple.opacityAnimation()->duration(), 800);
    QCOMPARE(ripple.duration(), 800);
    QVERIFY(!ripple.overlay());
}

void TestOverlay::rippleRunsAndIsRemoved()
{
    QWidget parent;
    parent.resize(100, 100);
    QtMaterialRippleOverlay overlay(&parent);
    overlay.setGeometry(0, 0, 100, 100);
    auto *ripple = new QtMaterialRipple(QPoint(50, 50));
    ripple->radiusAnimation()->setDuration(50);
    ripple->opacityAnimation()->setDuration(80);
    QPointer<QtMaterialRipple> guard(ripple);
    QSignalSpy finished(ripple, &QAbstractAnimation::finished);
    overlay.addRipple(ripple);
    QCOMPARE(ripple->overlay(), &overlay);
    QCOMPARE(ripple->state(), QAbstractAnimation::Running);
    QCOMPARE(overlay.ripples().size(), 1);
    QVERIFY(finished.wait(2000));
    QCOMPARE(overlay.ripples().size(), 0);
    QTRY_VERIFY(guard.isNull());
}

void TestOverlay::zeroRadiusRippleIsRemoved()
{
    QWidget parent;
    parent.resize(100, 100);
    QtMaterialRippleOverlay overlay(&parent);
    overlay.addRipple(QPoint(10, 10), 0);
    QCOMPARE(overlay.ripples().size(), 1);
    QtMaterialRipple *ripple = overlay.ripples().first();
    QCOMPARE(ripple->radiusAnimation()->endValue().toDouble(), 0.0);
    QPointer<QtMaterialRipple> guard(ripple);
    ripple->setCurrentTime(ripple->duration());
    QCOMPARE(overlay.ripples().size(), 0);
    QTRY_VERIFY(guard.isNull());
}

void TestOverlay::removeUnknownRippleDoesNothing()
{
    QWidget parent;
    parent.resize(60, 60);
    PaintCountingOverlay overlay(&parent);
    overlay.setGeometry(0, 0, 60, 60);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QTRY_VERIFY(overlay.paints > 0);
    const int before = overlay.paints;
    QtMaterialRipple stranger(QPoint(1, 1));
    overlay.removeRipple(&stranger);
    QTest::qWait(50);
    QCOMPARE(overlay.paints, before);
    QCOMPARE(stranger.state(), QAbstractAnimation::Stopped);
}

void TestOverlay::rippleWritersRepaintOnlyOnChange()
{
    QWidget parent;
    parent.resize(60, 60);
    PaintCountingOverlay overlay(&parent);
    overlay.setGeometry(0, 0, 60, 60);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QtMaterialRipple ripple(QPoint(30, 30), &overlay);
    QTRY_VERIFY(overlay.paints > 0);
    QTest::qWait(20);
    int before = overlay.paints;
    ripple.setRadius(0);
    ripple.setOpacity(0);
    ripple.setColor(Qt::black);
    QTest::qWait(50);
    QCOMPARE(overlay.paints, before);
    ripple.setRadius(12);
    QTRY_VERIFY(overlay.paints > before);
    QCOMPARE(ripple.radius(), 12.0);
    before = overlay.paints;
    ripple.setColor(Qt::red);
    QTRY_VERIFY(overlay.paints > before);
    QCOMPARE(ripple.brush().color(), QColor(Qt::red));
}

void TestOverlay::ripplesPaintInOrderInsideClip()
{
    QWidget parent;
    parent.resize(40, 40);
    QtMaterialRippleOverlay overlay(&parent);
    overlay.setGeometry(0, 0, 40, 40);
    QPainterPath clip;
    clip.addRect(0, 0, 20, 40);
    overlay.setClipPath(clip);
    overlay.setClipping(true);
    QVERIFY(overlay.hasClipping());
    QCOMPARE(overlay.clipPath(), clip);

    auto *first = new QtMaterialRipple(QPoint(20, 20));
    auto *second = new QtMaterialRipple(QPoint(20, 20));
    overlay.addRipple(first);
    overlay.addRipple(second);
    first->pause();
    second->pause();
    first->setColor(Qt::red);
    second->setColor(Qt::blue);
    for (QtMaterialRipple *ripple : {first, second}) {
        ripple->setRadius(30);
        ripple->setOpacity(1);
    }
    QImage image(40, 40, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    overlay.render(&image);
    QCOMPARE(QColor(image.pixel(10, 20)), QColor(Qt::blue));
    QCOMPARE(qAlpha(image.pixel(30, 20)), 0);
}

void TestOverlay::overlayDeathStopsRipples()
{
    auto *parent = new QWidget;
    auto *overlay = new QtMaterialRippleOverlay(parent);
    auto *ripple = new QtMaterialRipple(QPoint(1, 1));
    QPointer<QtMaterialRipple> guard(ripple);
    overlay->addRipple(ripple);
    delete parent;
    QCOMPARE(ripple->state(), QAbstractAnimation::Stopped);
    QTRY_VERIFY(guard.isNull());
}

void TestOverlay::overlayIsTransparentForMouse()
{
    QtMaterialRippleOverlay overlay;
    QVERIFY(overlay.testAttribute(Qt::WA_TransparentForMouseEvents));
    QVERIFY(overlay.testAttribute(Qt::WA_NoSystemBackground));
}

void TestOverlay::transitionMatchesKind_data()
{
    QTest::addColumn<int>("eventKind");
    QTest::addColumn<bool>("matches");
    QTest::newRow("same kind") << int(KindButtonPress) << true;
    QTest::newRow("other kind") << int(KindButtonCheck) << false;
    QTest::newRow("not a transition event") << -1 << false;
}

void TestOverlay::transitionMatchesKind()
{
    QFETCH(int, eventKind);
    QFETCH(bool, matches);
    ProbeTransition transition(KindButtonPress);
    QCOMPARE(transition.kind(), int(KindButtonPress));
    if (eventKind < 0) {
        QEvent other(QEvent::User);
        QCOMPARE(transition.test(&other), matches);
        QEvent plain(QEvent::MouseButtonPress);
        QCOMPARE(transition.test(&plain), matches);
    } else {
        QtMaterialStateTransitionEvent event(eventKind);
        QCOMPARE(int(event.type()), 1001);
        QCOMPARE(transition.test(&event), matches);
    }
}

void TestOverlay::transitionDrivesMachine()
{
    QStateMachine machine;
    auto *a = new QState(&machine);
    auto *b = new QState(&machine);
    auto *toB = new QtMaterialStateTransition(KindScrollBarActivity);
    toB->setTargetState(b);
    a->addTransition(toB);
    machine.setInitialState(a);
    machine.start();
    QTRY_VERIFY(machine.configuration().contains(a));
    machine.postEvent(new QtMaterialStateTransitionEvent(KindDialogReveal));
    QTest::qWait(20);
    QVERIFY(machine.configuration().contains(a));
    QSignalSpy entered(b, &QState::entered);
    machine.postEvent(new QtMaterialStateTransitionEvent(KindScrollBarActivity));
    QVERIFY(entered.wait(1000));
    QVERIFY(machine.configuration().contains(b));
}

QTEST_MAIN(TestOverlay)
#include "tst_overlay.moc"
