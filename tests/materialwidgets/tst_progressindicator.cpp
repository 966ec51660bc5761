// The busy wheel: start/stop, one timer at a time, delay changes, placement and painting.

#include "materialwidgets/qprogressindicator.h"

#include <QSet>
#include <QTest>

namespace {

// Records the ids of the timer events a widget receives.
class TimerWatch : public QObject
{
public:
    QList<int> ids;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Timer)
            ids.append(static_cast<QTimerEvent *>(event)->timerId());
        return false;
    }
};

bool isBlank(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

QImage render(QWidget &w)
{
    QImage image(w.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    w.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace

class TestProgressIndicator : public QObject
{
    Q_OBJECT

private slots:
    void defaults()
    {
        QProgressIndicator p(nullptr);
        QCOMPARE(p.size(), QSize(64, 64));
        QCOMPARE(p.sizeHint(), QSize(20, 20));
        QCOMPARE(p.heightForWidth(33), 33);
        QCOMPARE(p.focusPolicy(), Qt::NoFocus);
        QCOMPARE(p.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(p.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(p.animationDelay(), 40);
        QCOMPARE(p.property("delay").toInt(), 40);
        QVERIFY(!p.isAnimated());
        QVERIFY(!p.isDisplayedWhenStopped());
        QCOMPARE(p.color(), QColor(Qt::darkGray));
    }

    void stoppedPaintsNothingUnlessDisplayed()
    {
        QProgressIndicator p(nullptr);
        QVERIFY(isBlank(render(p)));
        p.setDisplayedWhenStopped(true);
        const QImage shown = render(p);
        QVERIFY(!isBlank(shown));
        // The topmost capsule (i = 0, full colour) points straight up at angle 0.
        QCOMPARE(QColor(shown.pixel(31, 5)).rgb(), QColor(Qt::darkGray).rgb());
    }

    void wheelTurnsWhileAnimatedAndKeepsItsAngleWhenStopped()
    {
        QProgressIndicator p(nullptr);
        p.setDisplayedWhenStopped(true);
        p.setColor(Qt::red);
        const QImage atZero = render(p);
        p.setAnimationDelay(1);
        p.startAnimation();
        QVERIFY(p.isAnimated());
        QTRY_VERIFY(render(p) != atZero);
        p.stopAnimation();
        QVERIFY(!p.isAnimated());
        const QImage stopped = render(p);
        QTest::qWait(20);
        QCOMPARE(render(p), stopped);
        // A new start begins again at angle 0.
        p.setAnimationDelay(100000);
        p.startAnimation();
        QCOMPARE(render(p), atZero);
    }

    void startingTwiceLeavesOneTimer()
    {
        QProgressIndicator p(nullptr);
        TimerWatch watch;
        p.installEventFilter(&watch);
        p.setAnimationDelay(1);
        p.startAnimation();
        p.startAnimation();
        QTRY_VERIFY(watch.ids.size() >= 10);
        QCOMPARE(QSet<int>(watch.ids.begin(), watch.ids.end()).size(), 1);
        p.stopAnimation();
        watch.ids.clear();
        QTest::qWait(30);
        QVERIFY(watch.ids.isEmpty());
    }

    void delayChangeWhileStoppedOnlyStores()
    {
        QProgressIndicator p(nullptr);
        TimerWatch watch;
        p.installEventFilter(&watch);
        p.setAnimationDelay(1);
        QVERIFY(!p.isAnimated());
        QTest::qWait(10);
        QVERIFY(watch.ids.isEmpty());
        p.startAnimation();
        QTRY_VERIFY(watch.ids.size() >= 5);
    }

    void delayChangeWhileRunningRestartsTheTimer()
    {
        QProgressIndicator p(nullptr);
        TimerWatch watch;
        p.installEventFilter(&watch);
        p.setAnimationDelay(100000);
        p.startAnimation();
        p.setAnimationDelay(1);
        QVERIFY(p.isAnimated());
        QTRY_VERIFY(watch.ids.size() >= 5);
        QCOMPARE(QSet<int>(watch.ids.begin(), watch.ids.end()).size(), 1);
    }

    void startPlacesItAtTopCentreOfItsParent()
    {
        QWidget host;
        host.resize(301, 200);
        auto *p = new QProgressIndicator(&host);
        p->move(7, 9);
        p->startAnimation();
        QCOMPARE(p->pos(), QPoint(150, 0));

        QProgressIndicator orphan(nullptr);
        orphan.move(7, 9);
        orphan.startAnimation();
        QCOMPARE(orphan.pos(), QPoint(7, 9));
    }
};

QTEST_MAIN(TestProgressIndicator)
#include "tst_progressindicator.moc"
