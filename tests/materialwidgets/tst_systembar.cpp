// The date-time bar: its text, colours, size hint and running clock.

#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialsystembar.h"

#include <QDateTime>
#include <QtTest>

namespace {

// Counts the paint events of the widget it watches.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

} // namespace

class TestSystemBar : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void text();
    void emptyFormatShowsOnlyTheBackground();
    void fontChangesTheSizeHint();
    void clockKeepsRunning();
};

void TestSystemBar::defaults()
{
    QtMaterialSystemBar bar;
    QCOMPARE(bar.dateTimeFormat(), QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    QCOMPARE(bar.backgroundColor(), QtMaterialStyle::instance().themeColor(2));
    QCOMPARE(bar.textColor(), QtMaterialStyle::instance().themeColor(1));
    QCOMPARE(bar.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(bar.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(bar.font().pointSizeF(), QtMaterialStyle::instance().themeFont(8).pointSizeF());

    bar.setTextColor(Qt::white);
    QVERIFY(!bar.useThemeColors());
    QCOMPARE(bar.backgroundColor(), QtMaterialStyle::instance().themeColor(2));
    bar.setUseThemeColors(true);
    QCOMPARE(bar.textColor(), QtMaterialStyle::instance().themeColor(1));
}

void TestSystemBar::text()
{
    QtMaterialSystemBar bar;
    QCOMPARE(bar.textAt(QDateTime(QDate(2026, 3, 5), QTime(14, 7, 9))), QStringLiteral("05/03/2026 14:07:09"));
}

void TestSystemBar::emptyFormatShowsOnlyTheBackground()
{
    QtMaterialSystemBar bar;
    bar.setDateTimeFormat(QString());
    bar.setBackgroundColor(QColor(1, 2, 3));
    bar.resize(300, 30);
    QImage image(bar.size(), QImage::Format_ARGB32);
    bar.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 300; ++x) {
            QCOMPARE(QColor(image.pixel(x, y)), QColor(1, 2, 3));
        }
    }
}

void TestSystemBar::fontChangesTheSizeHint()
{
    QtMaterialSystemBar bar;
    QCOMPARE(bar.sizeHint(), QSize(-1, bar.fontMetrics().height() + 10));
    QFont big = bar.font();
    big.setPointSize(30);
    bar.setFont(big);
    QCOMPARE(bar.sizeHint(), QSize(-1, QFontMetrics(big).height() + 10));
}

void TestSystemBar::clockKeepsRunning()
{
    QtMaterialSystemBar bar;
    bar.resize(300, 30);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    PaintCounter counter;
    bar.installEventFilter(&counter);
    // Repaints come from the bar's own timer, about once a second.
    QTRY_VERIFY_WITH_TIMEOUT(counter.paints >= 2, 4000);
}

QTEST_MAIN(TestSystemBar)
#include "tst_systembar.moc"
