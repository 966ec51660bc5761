// Circular and linear progress: defaults, by-value drawing (an empty range included), the endless animation,
// the disabled look and colours.

#include "materialwidgets/qtmaterialcircularprogress.h"
#include "materialwidgets/qtmaterialcircularprogressdelegate.h"
#include "materialwidgets/qtmaterialprogress.h"
#include "materialwidgets/qtmaterialprogressdelegate.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QtTest>

namespace {

QColor theme(int index)
{
    return QtMaterialStyle::instance().themeColor(index);
}

QImage renderOf(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    widget->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

int countOf(const QImage &image, const QColor &c)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += QColor(image.pixel(x, y)) == c ? 1 : 0;
        }
    }
    return n;
}

} // namespace

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void circularDefaults();
    void circularSpan_data();
    void circularSpan();
    void circularHalfRingIsClockwiseFromTheTop();
    void circularEmptyRangeDrawsNothing();
    void circularDisabledCross();
    void circularInvalidColourFallsBack();
    void circularEndlessTurns();

    void linearDefaults();
    void linearByValue();
    void linearEmptyRangeShowsTheTrackOnly();
    void linearEndlessOffsets();
    void linearDisabledTrack();
    void linearBackgroundProperty();
};

void TestProgress::circularDefaults()
{
    QtMaterialCircularProgress progress;
    QCOMPARE(progress.progressType(), Material::ProgressEndless);
    QCOMPARE(progress.size(), 64);
    QCOMPARE(progress.lineWidth(), 6.25);
    QCOMPARE(progress.sizeHint(), QSize(78, 78));
    QCOMPARE(progress.color(), theme(0));
    QCOMPARE(progress.sizePolicy().horizontalPolicy(), QSizePolicy::MinimumExpanding);
    progress.setSize(100);
    progress.setLineWidth(4);
    QCOMPARE(progress.sizeHint(), QSize(112, 112));
}

void TestProgress::circularSpan_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("span");
    QTest::newRow("half") << 0 << 100 << 50 << -2880;
    QTest::newRow("full") << 0 << 100 << 100 << -5760;
    QTest::newRow("third") << 0 << 3 << 1 << -1920;
    QTest::newRow("offset range") << 10 << 20 << 15 << -2880;
    QTest::newRow("empty range") << 5 << 5 << 5 << 0;
}

void TestProgress::circularSpan()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(int, span);
    QtMaterialCircularProgress progress;
    progress.setRange(minimum, maximum);
    progress.setValue(value);
    QCOMPARE(progress.valueSpan(), span);
}

void TestProgress::circularHalfRingIsClockwiseFromTheTop()
{
    QtMaterialCircularProgress progress;
    progress.setProgressType(Material::ProgressByValue);
    progress.setColor(QColor(255, 0, 0));
    progress.setValue(50);
    progress.resize(80, 80);
    const QImage image = renderOf(&progress);
    // Ring of size 64 at (8, 8): right half painted, left half not.
    QCOMPARE(QColor(image.pixel(40 + 31, 40)), QColor(255, 0, 0));
    QCOMPARE(QColor(image.pixel(40 - 31, 40)), QColor(Qt::white));
}

void TestProgress::circularEmptyRangeDrawsNothing()
{
    QtMaterialCircularProgress progress;
    progress.setProgressType(Material::ProgressByValue);
    progress.setRange(3, 3);
    progress.setValue(3);
    progress.resize(80, 80);
    QCOMPARE(countOf(renderOf(&progress), QColor(Qt::white)), 80 * 80);
}

void TestProgress::circularDisabledCross()
{
    for (int type : {int(Material::ProgressByValue), int(Material::ProgressEndless)}) {
        QtMaterialCircularProgress progress;
        progress.setProgressType(Material::ProgressType(type));
        progress.setValue(50);
        progress.resize(100, 100);
        progress.setEnabled(false);
        const QImage image = renderOf(&progress);
        const QPoint c = progress.rect().center();
        QCOMPARE(QColor(image.pixel(c)), theme(11));
        QCOMPARE(QColor(image.pixel(c.x() - 15, c.y() - 15)), theme(11));
        QCOMPARE(QColor(image.pixel(c.x() + 15, c.y() - 15)), theme(11));
        // Nothing of the ring.
        QCOMPARE(QColor(image.pixel(c.x() + 31, c.y())), QColor(Qt::white));
    }
}

void TestProgress::circularInvalidColourFallsBack()
{
    QtMaterialCircularProgress progress;
    progress.setColor(Qt::red);
    progress.setColor(QColor());
    QVERIFY(!progress.useThemeColors());
    QCOMPARE(progress.color(), theme(0));
}

void TestProgress::circularEndlessTurns()
{
    QtMaterialCircularProgress progress;
    QtMaterialCircularProgressDelegate *delegate = progress.delegate();
    QVERIFY(delegate);
    QTRY_VERIFY(delegate->angle() > 30);
    QVERIFY(delegate->dashLength() >= 0.1);
    QVERIFY(delegate->dashLength() <= 20);

    // An odd size draws the ring one pixel narrower than the size.
    progress.setSize(65);
    progress.resize(100, 100);
    delegate->setAngle(0);
    progress.setColor(QColor(255, 0, 0));
    QImage image = renderOf(&progress);
    int left = 100, right = -1;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            if (QColor(image.pixel(x, y)).green() < 128) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
        }
    }
    // Square from -32 to 31 plus half the pen on each side.
    QVERIFY(right > left);
    QVERIFY2(right - left + 1 <= 64 + 7, qPrintable(QString::number(right - left + 1)));
}

void TestProgress::linearDefaults()
{
    QtMaterialProgress progress;
    QCOMPARE(progress.progressType(), Material::ProgressEndless);
    QCOMPARE(progress.progressColor(), theme(0));
    QCOMPARE(progress.backgroundColor(), theme(11));
    QVERIFY(progress.useThemeColors());
    progress.resize(200, 20);
    progress.delegate()->setOffset(0.5);
    const QImage image = renderOf(&progress);
    QCOMPARE(QColor(image.pixel(100, 10)), theme(0));
    QCOMPARE(QColor(image.pixel(100, 2)), QColor(Qt::white));
}

void TestProgress::linearByValue()
{
    QtMaterialProgress progress;
    progress.setProgressType(Material::ProgressByValue);
    progress.setValue(25);
    QCOMPARE(progress.filledWidth(200), 50);
    progress.resize(200, 20);
    const QImage image = renderOf(&progress);
    QCOMPARE(QColor(image.pixel(30, 10)), theme(0));
    QCOMPARE(QColor(image.pixel(49, 10)), theme(0));
    QCOMPARE(QColor(image.pixel(51, 10)), theme(11));
}

void TestProgress::linearEmptyRangeShowsTheTrackOnly()
{
    QtMaterialProgress progress;
    progress.setProgressType(Material::ProgressByValue);
    progress.setRange(7, 7);
    progress.setValue(7);
    QCOMPARE(progress.filledWidth(200), 0);
    progress.resize(200, 20);
    const QImage image = renderOf(&progress);
    QCOMPARE(countOf(image, theme(0)), 0);
    QCOMPARE(QColor(image.pixel(100, 10)), theme(11));
}

void TestProgress::linearEndlessOffsets()
{
    QtMaterialProgress progress;
    progress.resize(200, 20);
    QTRY_VERIFY(progress.delegate()->offset() > 0.05);

    progress.delegate()->setOffset(0);
    QCOMPARE(countOf(renderOf(&progress), theme(0)), 0);
    progress.delegate()->setOffset(0.75);
    const QImage image = renderOf(&progress);
    QCOMPARE(QColor(image.pixel(60, 10)), theme(11));
    QCOMPARE(QColor(image.pixel(150, 10)), theme(0));
}

void TestProgress::linearDisabledTrack()
{
    for (int type : {int(Material::ProgressByValue), int(Material::ProgressEndless)}) {
        QtMaterialProgress progress;
        progress.setProgressType(Material::ProgressType(type));
        progress.setValue(80);
        progress.delegate()->setOffset(0.5);
        progress.resize(200, 20);
        progress.setEnabled(false);
        const QImage image = renderOf(&progress);
        QCOMPARE(countOf(image, theme(0)), 0);
        const QColor track(image.pixel(100, 10));
        // Theme colour 12 (black at 0.26) over white.
        QVERIFY2(qAbs(track.red() - 189) <= 2, qPrintable(track.name()));
    }
}

void TestProgress::linearBackgroundProperty()
{
    QtMaterialProgress progress;
    QVERIFY(progress.setProperty("backgroundColor", QColor(Qt::blue)));
    QCOMPARE(progress.backgroundColor(), QColor(Qt::blue));
    QCOMPARE(progress.progressColor(), theme(0));
    QVERIFY(!progress.useThemeColors());
}

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
