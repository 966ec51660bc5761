// The floating action button: its place at a corner of the parent, the mini form, shadow values and painting.

#include "materialwidgets/qtmaterialfloatingactionbutton.h"
#include "materialwidgets/qtmaterialrippleoverlay.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtheme.h"

#include <QGraphicsDropShadowEffect>
#include <QtTest>

namespace {

QIcon addIcon()
{
    return QtMaterialTheme::icon(QStringLiteral("content"), QStringLiteral("add"));
}

} // namespace

class TestFloatingActionButton : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void corners_data();
    void corners();
    void followsTheParent();
    void mini();
    void withoutParent();
    void painting();
    void disabledColours();
};

void TestFloatingActionButton::defaults()
{
    QWidget parent;
    parent.resize(400, 300);
    QtMaterialFloatingActionButton fab(addIcon(), &parent);
    QCOMPARE(fab.type(), Material::ShadowButton);
    QCOMPARE(fab.role(), Material::MainRole);
    QCOMPARE(fab.corner(), Qt::BottomRightCorner);
    QVERIFY(!fab.mini());
    QCOMPARE(fab.offset(), QPoint(34, 36));
    QCOMPARE(fab.sizeHint(), QSize(56, 56));
    QCOMPARE(fab.geometry(), QRect(310, 208, 56, 56));
    QCOMPARE(fab.fixedRippleRadius(), 50.0);
    QVERIFY(fab.hasFixedRippleRadius());
    auto *effect = qobject_cast<QGraphicsDropShadowEffect *>(fab.graphicsEffect());
    QVERIFY(effect);
    QCOMPARE(effect->color(), QColor(0, 0, 0, 105));
    QTRY_COMPARE(effect->blurRadius(), 16.0);
    QCOMPARE(effect->offset(), QPointF(0, 6));
    QVERIFY(!fab.icon().isNull());
}

void TestFloatingActionButton::corners_data()
{
    QTest::addColumn<int>("corner");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("top left") << int(Qt::TopLeftCorner) << QPoint(34, 36);
    QTest::newRow("top right") << int(Qt::TopRightCorner) << QPoint(310, 36);
    QTest::newRow("bottom left") << int(Qt::BottomLeftCorner) << QPoint(34, 208);
    QTest::newRow("bottom right") << int(Qt::BottomRightCorner) << QPoint(310, 208);
}

void TestFloatingActionButton::corners()
{
    QFETCH(int, corner);
    QFETCH(QPoint, position);
    QWidget parent;
    parent.resize(400, 300);
    QtMaterialFloatingActionButton fab(addIcon(), &parent);
    if (corner == Qt::BottomRightCorner) {
        fab.setCorner(Qt::TopLeftCorner);
    }
    fab.setCorner(Qt::Corner(corner));
    QCOMPARE(fab.pos(), position);

    fab.setOffset(10, 12);
    QCOMPARE(fab.offset(), QPoint(10, 12));
}

void TestFloatingActionButton::followsTheParent()
{
    QWidget parent;
    parent.resize(400, 300);
    QWidget other;
    other.resize(200, 200);
    auto *fab = new QtMaterialFloatingActionButton(addIcon(), &parent);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    parent.resize(500, 300);
    QTRY_COMPARE(fab->pos(), QPoint(410, 208));

    fab->setParent(&other);
    QCOMPARE(fab->pos(), QPoint(110, 108));
    other.resize(300, 300);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    QTRY_COMPARE(fab->pos(), QPoint(210, 208));
    // The old parent no longer moves it.
    parent.resize(450, 300);
    QTest::qWait(20);
    QCOMPARE(fab->pos(), QPoint(210, 208));
}

void TestFloatingActionButton::mini()
{
    QWidget parent;
    parent.resize(400, 300);
    QtMaterialFloatingActionButton fab(addIcon(), &parent);
    fab.setMini(true);
    QVERIFY(fab.mini());
    QCOMPARE(fab.geometry(), QRect(326, 224, 40, 40));
    QCOMPARE(fab.sizeHint(), QSize(40, 40));
    QCOMPARE(fab.fixedRippleRadius(), 30.0);
    auto *effect = qobject_cast<QGraphicsDropShadowEffect *>(fab.graphicsEffect());
    QCOMPARE(effect->color(), QColor(0, 0, 0, 80));
    auto *overlay = fab.findChild<QtMaterialRippleOverlay *>();
    QVERIFY(overlay);
    QCOMPARE(overlay->clipPath().boundingRect(), QRectF(0, 0, 40, 40));

    fab.setMini(false);
    QCOMPARE(fab.size(), QSize(56, 56));
    QCOMPARE(overlay->clipPath().boundingRect(), QRectF(0, 0, 56, 56));
}

void TestFloatingActionButton::withoutParent()
{
    QtMaterialFloatingActionButton fab(addIcon());
    QCOMPARE(fab.pos(), QPoint(0, 0));
    QWidget parent;
    parent.resize(400, 300);
    fab.setParent(&parent);
    QCOMPARE(fab.geometry(), QRect(310, 208, 56, 56));
    fab.setParent(nullptr);
}

void TestFloatingActionButton::painting()
{
    QWidget parent;
    parent.resize(200, 200);
    auto *fab = new QtMaterialFloatingActionButton(addIcon(), &parent);
    fab->setForegroundColor(QColor(0, 0, 255));
    fab->setBackgroundColor(QColor(255, 0, 0));
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    // The shadow effect draws the button only in a shown window.
    const QImage image = parent.grab().toImage();
    const QPoint c = fab->geometry().center();
    QCOMPARE(QColor(image.pixel(c.x(), c.y() - 18)), QColor(255, 0, 0));
    QVERIFY(QColor(image.pixel(fab->x() + 1, fab->y() + 1)).red() < 250);
    // The icon's plus crosses the centre.
    const QColor centre(image.pixel(c));
    QVERIFY2(centre.blue() > 200 && centre.red() < 60, qPrintable(centre.name()));
}

void TestFloatingActionButton::disabledColours()
{
    QWidget parent;
    parent.resize(200, 200);
    auto *fab = new QtMaterialFloatingActionButton(addIcon(), &parent);
    fab->setDisabledBackgroundColor(QColor(0, 255, 0));
    fab->setDisabledForegroundColor(QColor(0, 0, 0));
    fab->setEnabled(false);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    const QImage image = parent.grab().toImage();
    const QPoint c = fab->geometry().center();
    QCOMPARE(QColor(image.pixel(c.x(), c.y() - 18)), QColor(0, 255, 0));
    const QColor centre(image.pixel(c));
    QVERIFY2(centre.green() < 60, qPrintable(centre.name()));
}

QTEST_MAIN(TestFloatingActionButton)
#include "tst_floatingactionbutton.moc"
