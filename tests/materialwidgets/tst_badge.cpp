// The badge: text and icon, its diameter, placement over the parent's centre and mouse transparency.

#include "materialwidgets/qtmaterialbadge.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtheme.h"

#include <QPushButton>
#include <QtTest>

namespace {

QColor theme(int index)
{
    return QtMaterialStyle::instance().themeColor(index);
}

QImage renderOf(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

QRect boundsOf(const QImage &image, const QColor &c)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == c.rgba()) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

QIcon addIcon()
{
    return QtMaterialTheme::icon(QStringLiteral("content"), QStringLiteral("add"));
}

// Bounds of the pixels where the blue tint dominates (icon strokes blend into the disc at their edges).
QRect blueBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = QColor::fromRgba(image.pixel(x, y));
            if (c.alpha() == 255 && c.blue() > 160 && c.red() < 96) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

} // namespace

class TestBadge : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void iconBadge();
    void textDropsIconAndIconKeepsText();
    void coversTheParentAndCentresTheDisc();
    void relativePosition();
    void disabledDisc();
    void pressesReachTheWidgetBelow();
};

void TestBadge::defaults()
{
    QWidget parent;
    QtMaterialBadge badge(&parent);
    QCOMPARE(badge.text(), QStringLiteral("+1"));
    QVERIFY(badge.icon().isNull());
    QCOMPARE(badge.textColor(), theme(10));
    QCOMPARE(badge.backgroundColor(), theme(4));
    QCOMPARE(badge.relativePosition(), QPointF(0, 0));
    QVERIFY(badge.testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(badge.font().pointSizeF(), 10.0);
    const QSize text = badge.fontMetrics().size(Qt::TextShowMnemonic, QStringLiteral("+1"));
    const int d = qMax(text.width(), text.height()) + 10;
    QCOMPARE(badge.sizeHint(), QSize(d + 4, d + 4));
}

void TestBadge::iconBadge()
{
    QtMaterialBadge badge(addIcon());
    QCOMPARE(badge.sizeHint(), QSize(28, 28));
    QCOMPARE(badge.text(), QStringLiteral("+1"));
}

void TestBadge::textDropsIconAndIconKeepsText()
{
    QtMaterialBadge badge(addIcon());
    badge.setText(QStringLiteral("7"));
    QVERIFY(badge.icon().isNull());
    QVERIFY(badge.sizeHint().width() != 28);

    badge.setIcon(addIcon());
    QCOMPARE(badge.text(), QStringLiteral("7"));
    QCOMPARE(badge.sizeHint(), QSize(28, 28));
}

void TestBadge::coversTheParentAndCentresTheDisc()
{
    QWidget parent;
    auto *badge = new QtMaterialBadge(addIcon(), &parent);
    parent.resize(100, 60);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QCOMPARE(badge->geometry(), QRect(0, 0, 100, 60));

    badge->setBackgroundColor(QColor(255, 0, 0));
    badge->setTextColor(QColor(0, 0, 255));
    const QImage image = renderOf(badge);
    // The 24 px disc at the centre, its edges antialiased.
    const QRect disc = boundsOf(image, QColor(255, 0, 0));
    QVERIFY(QRect(38, 18, 24, 24).contains(disc));
    QVERIFY(disc.width() >= 20);
    const QRect icon = blueBounds(image);
    QVERIFY2(QRect(42, 22, 16, 16).contains(icon), qPrintable(QStringLiteral("%1,%2 %3x%4 disc %5,%6 %7x%8")
                                                                  .arg(icon.x())
                                                                  .arg(icon.y())
                                                                  .arg(icon.width())
                                                                  .arg(icon.height())
                                                                  .arg(disc.x())
                                                                  .arg(disc.y())
                                                                  .arg(disc.width())
                                                                  .arg(disc.height())));
    QVERIFY(!icon.isEmpty());
}

void TestBadge::relativePosition()
{
    QWidget parent;
    auto *badge = new QtMaterialBadge(addIcon(), &parent);
    parent.resize(100, 60);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    badge->setBackgroundColor(QColor(255, 0, 0));
    const QRect before = boundsOf(renderOf(badge), QColor(255, 0, 0));
    badge->setRelativePosition(10, -10);
    QCOMPARE(badge->relativePosition(), QPointF(10, -10));
    QCOMPARE(boundsOf(renderOf(badge), QColor(255, 0, 0)), before.translated(10, -10));
}

void TestBadge::disabledDisc()
{
    QWidget parent;
    auto *badge = new QtMaterialBadge(QStringLiteral("3"), &parent);
    parent.resize(60, 60);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    badge->setEnabled(false);
    const QImage image = renderOf(badge);
    // The centre column holds the disc's colour around the text.
    const QColor edge = QColor::fromRgba(image.pixel(30, 30 - badge->sizeHint().height() / 2 + 3));
    QCOMPARE(edge.rgb() & 0xffffff, theme(12).rgb() & 0xffffff);
    QCOMPARE(edge.alpha(), theme(12).alpha());
}

void TestBadge::pressesReachTheWidgetBelow()
{
    QWidget window;
    auto *button = new QPushButton(QStringLiteral("Rooms"), &window);
    button->setGeometry(0, 0, 120, 40);
    new QtMaterialBadge(QStringLiteral("9"), button);
    window.resize(200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicked(button, &QPushButton::clicked);
    // Through the window, so the press goes to whatever widget lies under the point.
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 20));
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(TestBadge)
#include "tst_badge.moc"
