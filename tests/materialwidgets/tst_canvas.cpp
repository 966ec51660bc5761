// The canvas and its scroll bar: background, one scroll direction, scroller settings, fading and handle drawing.

#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialscrollbar.h"
#include "materialwidgets/qtmaterialscrollbarstatemachine.h"

#include <QScroller>
#include <QState>
#include <QVBoxLayout>
#include <QtTest>

namespace {

QtMaterialScrollBarStateMachine *machineOf(QtMaterialScrollBar *bar)
{
    return bar->findChild<QtMaterialScrollBarStateMachine *>();
}

bool inState(QtMaterialScrollBar *bar, const char *name)
{
    QtMaterialScrollBarStateMachine *machine = machineOf(bar);
    return machine->configuration().contains(machine->findChild<QState *>(QLatin1String(name)));
}

QImage renderOf(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QColor at(const QImage &image, int x, int y)
{
    return QColor::fromRgba(image.pixel(x, y));
}

QWidget *tallContent(int width, int height)
{
    auto *content = new QWidget;
    content->setMinimumSize(width, height);
    content->resize(width, height);
    return content;
}

} // namespace

class TestCanvas : public QObject
{
    Q_OBJECT

private slots:
    void canvasDefaults();
    void canvasBackground();
    void verticalCanvasHasNoHorizontalBar();
    void horizontalCanvas();
    void overshootOnlyAlongOrientation();
    void dragScrollsWithLeftButton();
    void scrollBarDefaults();
    void scrollBarColors();
    void fadesInOnScrollAndOutAfterASecond();
    void hoverShowsAndLeaveHides();
    void paintsTrackAndHandle();
    void hiddenBarShowsOnlyCanvasColor();
    void degenerateRangeDrawsNoHandle_data();
    void degenerateRangeDrawsNoHandle();
    void handleStartsAtMinimum();
};

void TestCanvas::canvasDefaults()
{
    QtMaterialCanvas canvas;
    QCOMPARE(canvas.orientation(), Qt::Vertical);
    QVERIFY(canvas.useThemeColors());
    QCOMPARE(canvas.frameShape(), QFrame::NoFrame);
    QVERIFY(qobject_cast<QtMaterialScrollBar *>(canvas.verticalScrollBar()));
    QCOMPARE(canvas.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(QScroller::hasScroller(canvas.viewport()));
    QVERIFY(QScroller::grabbedGesture(canvas.viewport()) != Qt::GestureType(0));
}

void TestCanvas::canvasBackground()
{
    QtMaterialCanvas canvas;
    canvas.resize(200, 150);
    QCOMPARE(canvas.backgroundColor().name(), QStringLiteral("#263440"));
    QCOMPARE(at(renderOf(&canvas), 100, 75).name(), QStringLiteral("#263440"));

    canvas.setBackgroundColor(QColor("#1F2933"));
    QVERIFY(!canvas.useThemeColors());
    QCOMPARE(canvas.backgroundColor().name(), QStringLiteral("#1f2933"));
    QCOMPARE(at(renderOf(&canvas), 100, 75).name(), QStringLiteral("#1f2933"));

    canvas.setUseThemeColors(true);
    QCOMPARE(at(renderOf(&canvas), 100, 75).name(), QStringLiteral("#263440"));

    // No own colour set: an invalid own colour falls back to the page colour.
    QtMaterialCanvas other;
    other.setUseThemeColors(false);
    QCOMPARE(other.backgroundColor().name(), QStringLiteral("#263440"));
}

void TestCanvas::verticalCanvasHasNoHorizontalBar()
{
    QtMaterialCanvas canvas;
    canvas.setWidget(tallContent(800, 800));
    canvas.resize(200, 200);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    QVERIFY(!canvas.horizontalScrollBar()->isVisible());
    QVERIFY(canvas.verticalScrollBar()->maximum() > 0);
}

void TestCanvas::horizontalCanvas()
{
    QtMaterialCanvas canvas(Qt::Horizontal);
    QCOMPARE(canvas.orientation(), Qt::Horizontal);
    auto *bar = qobject_cast<QtMaterialScrollBar *>(canvas.horizontalScrollBar());
    QVERIFY(bar);
    QCOMPARE(bar->orientation(), Qt::Horizontal);
    QCOMPARE(canvas.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    QPointer<QScrollBar> old = canvas.horizontalScrollBar();
    canvas.setOrientation(Qt::Horizontal);
    QVERIFY(old.isNull());
    QVERIFY(qobject_cast<QtMaterialScrollBar *>(canvas.horizontalScrollBar()));

    canvas.setOrientation(Qt::Vertical);
    QVERIFY(qobject_cast<QtMaterialScrollBar *>(canvas.verticalScrollBar()));
    QCOMPARE(canvas.verticalScrollBar()->orientation(), Qt::Vertical);
    QCOMPARE(canvas.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

void TestCanvas::overshootOnlyAlongOrientation()
{
    QtMaterialCanvas vertical;
    QScrollerProperties properties = QScroller::scroller(vertical.viewport())->scrollerProperties();
    QCOMPARE(properties.scrollMetric(QScrollerProperties::VerticalOvershootPolicy)
                 .value<QScrollerProperties::OvershootPolicy>(),
             QScrollerProperties::OvershootAlwaysOn);
    QCOMPARE(properties.scrollMetric(QScrollerProperties::HorizontalOvershootPolicy)
                 .value<QScrollerProperties::OvershootPolicy>(),
             QScrollerProperties::OvershootAlwaysOff);
    for (auto metric :
         {QScrollerProperties::OvershootDragResistanceFactor, QScrollerProperties::OvershootDragDistanceFactor,
          QScrollerProperties::OvershootScrollDistanceFactor}) {
        QCOMPARE(properties.scrollMetric(metric).toDouble(), 0.1);
    }

    QtMaterialCanvas horizontal(Qt::Horizontal);
    properties = QScroller::scroller(horizontal.viewport())->scrollerProperties();
    QCOMPARE(properties.scrollMetric(QScrollerProperties::HorizontalOvershootPolicy)
                 .value<QScrollerProperties::OvershootPolicy>(),
             QScrollerProperties::OvershootAlwaysOn);
    QCOMPARE(properties.scrollMetric(QScrollerProperties::VerticalOvershootPolicy)
                 .value<QScrollerProperties::OvershootPolicy>(),
             QScrollerProperties::OvershootAlwaysOff);
}

void TestCanvas::dragScrollsWithLeftButton()
{
    QtMaterialCanvas canvas;
    canvas.setWidget(tallContent(200, 2000));
    canvas.resize(200, 300);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    // Through the window, as the platform delivers them, so the gesture recognizer sees every event.
    QWindow *window = canvas.windowHandle();
    QPoint pos = canvas.viewport()->mapTo(&canvas, QPoint(100, 250));
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, pos);
    for (int i = 0; i < 20; ++i) {
        pos.ry() -= 10;
        QMouseEvent move(QEvent::MouseMove, pos, canvas.mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QSpontaneKeyEvent::setSpontaneous(&move);
        QCoreApplication::sendEvent(window, &move);
        QTest::qWait(10);
    }
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, pos, 10);
    QTRY_VERIFY(canvas.verticalScrollBar()->value() > 50);
}

void TestCanvas::scrollBarDefaults()
{
    QtMaterialScrollBar vertical;
    QCOMPARE(vertical.orientation(), Qt::Vertical);
    QCOMPARE(vertical.sizeHint(), QSize(10, 1));
    QVERIFY(vertical.hideOnMouseOut());
    QVERIFY(vertical.useThemeColors());
    QVERIFY(vertical.hasMouseTracking());
    QtMaterialScrollBar horizontal(Qt::Horizontal);
    QCOMPARE(horizontal.sizeHint(), QSize(1, 10));
    QTRY_VERIFY(machineOf(&vertical)->isRunning());
    QVERIFY(inState(&vertical, "hidden"));
    QCOMPARE(machineOf(&vertical)->opacity(), 0.0);
}

void TestCanvas::scrollBarColors()
{
    QtMaterialScrollBar bar;
    QCOMPARE(bar.canvasColor().name(), QStringLiteral("#263440"));
    QCOMPARE(bar.backgroundColor().name(), QStringLiteral("#3d5366"));
    QCOMPARE(bar.sliderColor().name(), QStringLiteral("#263440"));
    bar.setSliderColor(Qt::red);
    QVERIFY(!bar.useThemeColors());
    QCOMPARE(bar.sliderColor(), QColor(Qt::red));
    QCOMPARE(bar.backgroundColor().name(), QStringLiteral("#3d5366"));
    bar.setCanvasColor(Qt::green);
    bar.setBackgroundColor(Qt::blue);
    QCOMPARE(bar.canvasColor(), QColor(Qt::green));
    QCOMPARE(bar.backgroundColor(), QColor(Qt::blue));
    bar.setUseThemeColors(true);
    QCOMPARE(bar.sliderColor().name(), QStringLiteral("#263440"));
    QCOMPARE(bar.canvasColor().name(), QStringLiteral("#263440"));
}

void TestCanvas::fadesInOnScrollAndOutAfterASecond()
{
    QtMaterialScrollBar bar;
    bar.setRange(0, 100);
    QtMaterialScrollBarStateMachine *machine = machineOf(&bar);
    QTRY_VERIFY(machine->isRunning());
    QState *hidden = machine->findChild<QState *>(QStringLiteral("hidden"));
    QSignalSpy hiddenAgain(hidden, &QState::entered);

    QElapsedTimer clock;
    clock.start();
    bar.setValue(10);
    QTRY_VERIFY(inState(&bar, "scrolled"));
    QTRY_COMPARE(machine->opacity(), 1.0);
    // Further scrolling does not restart the timer.
    QTest::qWait(300);
    bar.setValue(20);
    QVERIFY(hiddenAgain.wait(3000));
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= 950 && elapsed < 1250, qPrintable(QString::number(elapsed)));
    QTRY_COMPARE(machine->opacity(), 0.0);
}

void TestCanvas::hoverShowsAndLeaveHides()
{
    QtMaterialScrollBar bar;
    bar.setRange(0, 100);
    QtMaterialScrollBarStateMachine *machine = machineOf(&bar);
    QTRY_VERIFY(machine->isRunning());

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&bar, &enter);
    QTRY_VERIFY(inState(&bar, "shown"));
    QTRY_COMPARE(machine->opacity(), 1.0);
    bar.setValue(30);
    QTest::qWait(50);
    QVERIFY(inState(&bar, "shown"));

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&bar, &leave);
    QTRY_VERIFY(inState(&bar, "hidden"));
    QTRY_COMPARE(machine->opacity(), 0.0);

    // Entering while fading out after a scroll shows the bar for as long as the pointer stays.
    bar.setValue(40);
    QTRY_VERIFY(inState(&bar, "scrolled"));
    QCoreApplication::sendEvent(&bar, &enter);
    QTRY_VERIFY(inState(&bar, "shown"));
    QTest::qWait(1200);
    QVERIFY(inState(&bar, "shown"));
}

void TestCanvas::paintsTrackAndHandle()
{
    QtMaterialScrollBar bar;
    bar.setHideOnMouseOut(false);
    bar.resize(10, 100);
    bar.setRange(0, 100);
    bar.setPageStep(100);
    bar.setValue(0);
    // q = 100 / 199: the handle is 50 px long at the top.
    QImage image = renderOf(&bar);
    QCOMPARE(at(image, 5, 20).name(), QStringLiteral("#263440"));
    QCOMPARE(at(image, 5, 80).name(), QStringLiteral("#3d5366"));
    // Outside the track only the canvas colour.
    QCOMPARE(at(image, 0, 80).name(), QStringLiteral("#263440"));

    bar.setValue(100);
    image = renderOf(&bar);
    QCOMPARE(at(image, 5, 20).name(), QStringLiteral("#3d5366"));
    QCOMPARE(at(image, 5, 75).name(), QStringLiteral("#263440"));

    QtMaterialScrollBar horizontal(Qt::Horizontal);
    horizontal.setHideOnMouseOut(false);
    horizontal.setSliderColor(Qt::red);
    horizontal.resize(200, 10);
    horizontal.setRange(0, 300);
    horizontal.setPageStep(100);
    horizontal.setValue(150);
    // q = 200 / 399: handle from 75 to 124.
    image = renderOf(&horizontal);
    QCOMPARE(at(image, 100, 5), QColor(Qt::red));
    QCOMPARE(at(image, 60, 5).name(), QStringLiteral("#3d5366"));
    QCOMPARE(at(image, 140, 5).name(), QStringLiteral("#3d5366"));
}

void TestCanvas::hiddenBarShowsOnlyCanvasColor()
{
    QtMaterialScrollBar bar;
    bar.resize(10, 100);
    bar.setRange(0, 100);
    bar.setPageStep(100);
    QTRY_VERIFY(machineOf(&bar)->isRunning());
    QCOMPARE(machineOf(&bar)->opacity(), 0.0);
    const QImage image = renderOf(&bar);
    for (int y = 0; y < 100; y += 7) {
        QCOMPARE(at(image, 5, y).name(), QStringLiteral("#263440"));
    }
}

void TestCanvas::degenerateRangeDrawsNoHandle_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("pageStep");
    QTest::newRow("one value, page step 1") << 0 << 0 << 1;
    QTest::newRow("one value, page step 0") << 0 << 0 << 0;
    QTest::newRow("one value away from zero") << 7 << 7 << 1;
}

void TestCanvas::degenerateRangeDrawsNoHandle()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, pageStep);
    QtMaterialScrollBar bar;
    bar.setHideOnMouseOut(false);
    bar.setSliderColor(Qt::red);
    bar.resize(10, 60);
    bar.setRange(minimum, maximum);
    bar.setPageStep(pageStep);
    const QImage image = renderOf(&bar);
    for (int y = 3; y < 57; ++y) {
        QCOMPARE(at(image, 5, y).name(), QStringLiteral("#3d5366"));
    }
}

void TestCanvas::handleStartsAtMinimum()
{
    QtMaterialScrollBar bar;
    bar.setHideOnMouseOut(false);
    bar.setSliderColor(Qt::red);
    bar.resize(10, 100);
    bar.setRange(100, 200);
    bar.setPageStep(100);
    bar.setValue(100);
    const QImage image = renderOf(&bar);
    QCOMPARE(at(image, 5, 20), QColor(Qt::red));
    QCOMPARE(at(image, 5, 80).name(), QStringLiteral("#3d5366"));
}

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
