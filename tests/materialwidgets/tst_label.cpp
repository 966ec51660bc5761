// The label: theme font and colour, clicks, the sibling ripple overlay and its lifetime.

#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmaterialripple.h"
#include "materialwidgets/qtmaterialrippleoverlay.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QPropertyAnimation>
#include <QtTest>

namespace {

QtMaterialRippleOverlay *overlayIn(QWidget *parent)
{
    return parent->findChild<QtMaterialRippleOverlay *>(QString(), Qt::FindDirectChildrenOnly);
}

void sendMouse(QWidget *widget, QEvent::Type type, Qt::MouseButton button, const QPoint &pos)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class TestLabel : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void fontIndexConstructor();
    void textColor();
    void styleChangeKeepsOwnColor();
    void useThemeColorsUnchangedDoesNothing();
    void backgroundColor();
    void clicks_data();
    void clicks();
    void rightClickRipplesOnly();
    void rippleCoversTwiceTheLabel();
    void overlayWithoutParentIsHidden();
    void overlayDiesWithLabel();
};

void TestLabel::defaults()
{
    QWidget parent;
    QtMaterialLabel label(QStringLiteral("Room"), &parent);
    QCOMPARE(label.fontIndex(), 8);
    QVERIFY(label.useThemeColors());
    QCOMPARE(label.textColor().name(), QStringLiteral("#ffffff"));
    QCOMPARE(label.palette().color(QPalette::Active, QPalette::WindowText).name(), QStringLiteral("#ffffff"));
    QCOMPARE(label.palette().color(QPalette::Disabled, QPalette::WindowText).name(), QStringLiteral("#ffffff"));
    QCOMPARE(label.font().pointSize(), 16);
    QCOMPARE(label.font().family(), QStringLiteral("Roboto"));
    QCOMPARE(label.style(), &QtMaterialStyle::instance());
    QCOMPARE(label.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QVERIFY(label.sizePolicy().hasWidthForHeight());
}

void TestLabel::fontIndexConstructor()
{
    QtMaterialLabel label(QStringLiteral("Caption"), 12);
    QCOMPARE(label.fontIndex(), 12);
    QCOMPARE(label.font().pointSize(), 10);
    label.setFontIndex(40);
    QCOMPARE(label.font().pointSize(), 16);
}

void TestLabel::textColor()
{
    QtMaterialLabel label(QStringLiteral("x"));
    label.setTextColor(QColor("#ABD265"));
    QVERIFY(!label.useThemeColors());
    QCOMPARE(label.textColor().name(), QStringLiteral("#abd265"));
    QCOMPARE(label.palette().color(QPalette::Inactive, QPalette::WindowText).name(), QStringLiteral("#abd265"));
    label.setUseThemeColors(true);
    QCOMPARE(label.palette().color(QPalette::Active, QPalette::WindowText).name(), QStringLiteral("#ffffff"));
}

void TestLabel::styleChangeKeepsOwnColor()
{
    QtMaterialLabel label(QStringLiteral("x"));
    label.setTextColor(Qt::red);
    label.setFont(QFont(QStringLiteral("Serif"), 30));
    QEvent styleChange(QEvent::StyleChange);
    QCoreApplication::sendEvent(&label, &styleChange);
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(Qt::red));
    // The theme font comes back.
    QCOMPARE(label.font().pointSize(), 16);
}

void TestLabel::useThemeColorsUnchangedDoesNothing()
{
    QtMaterialLabel label(QStringLiteral("x"));
    label.setFont(QFont(QStringLiteral("Serif"), 30));
    label.setUseThemeColors(true);
    QCOMPARE(label.font().pointSize(), 30);
}

void TestLabel::backgroundColor()
{
    QtMaterialLabel label(QStringLiteral("x"));
    label.setBackgroundColor(Qt::blue);
    QCOMPARE(label.palette().color(QPalette::Active, QPalette::Window), QColor(Qt::blue));
    QCOMPARE(label.palette().color(QPalette::Disabled, QPalette::Window), QColor(Qt::blue));
}

void TestLabel::clicks_data()
{
    QTest::addColumn<QList<QPoint>>("moves");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<int>("emitted");
    QTest::newRow("press and release inside") << QList<QPoint>{} << QPoint(20, 10) << 1;
    QTest::newRow("move inside") << QList<QPoint>{QPoint(30, 5)} << QPoint(20, 10) << 1;
    QTest::newRow("release outside") << QList<QPoint>{} << QPoint(200, 10) << 0;
    QTest::newRow("out and back in") << QList<QPoint>{QPoint(200, 10), QPoint(20, 10)} << QPoint(20, 10) << 0;
}

void TestLabel::clicks()
{
    QFETCH(QList<QPoint>, moves);
    QFETCH(QPoint, release);
    QFETCH(int, emitted);
    QWidget parent;
    auto *label = new QtMaterialLabel(QStringLiteral("Refresh"), &parent);
    label->setGeometry(10, 10, 100, 30);
    QSignalSpy pressed(label, &QtMaterialLabel::signalsPressed);
    sendMouse(label, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(10, 10));
    for (const QPoint &move : moves) {
        sendMouse(label, QEvent::MouseMove, Qt::LeftButton, move);
    }
    sendMouse(label, QEvent::MouseButtonRelease, Qt::LeftButton, release);
    QCOMPARE(pressed.count(), emitted);
    // A second release without a press emits nothing.
    sendMouse(label, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(20, 10));
    QCOMPARE(pressed.count(), emitted);
}

void TestLabel::rightClickRipplesOnly()
{
    QWidget parent;
    auto *label = new QtMaterialLabel(QStringLiteral("Refresh"), &parent);
    label->setGeometry(10, 10, 100, 30);
    QSignalSpy pressed(label, &QtMaterialLabel::signalsPressed);
    sendMouse(label, QEvent::MouseButtonPress, Qt::RightButton, QPoint(10, 10));
    sendMouse(label, QEvent::MouseButtonRelease, Qt::RightButton, QPoint(10, 10));
    QCOMPARE(pressed.count(), 0);
    QCOMPARE(overlayIn(&parent)->ripples().size(), 1);
}

void TestLabel::rippleCoversTwiceTheLabel()
{
    QWidget parent;
    parent.resize(400, 300);
    auto *label = new QtMaterialLabel(QStringLiteral("Refresh"), &parent);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    label->setGeometry(100, 100, 100, 30);
    QtMaterialRippleOverlay *overlay = overlayIn(&parent);
    QVERIFY(overlay->isVisible());
    QVERIFY(!overlay->hasClipping());
    // (100,100)-(199,129): centre (149,114); the overlay is 200 x 60 around it.
    QCOMPARE(overlay->geometry(), QRect(149 - 99, 114 - 29, 200, 60));

    sendMouse(label, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5));
    QCOMPARE(overlay->ripples().size(), 1);
    QtMaterialRipple *ripple = overlay->ripples().first();
    QCOMPARE(ripple->center(), QPoint(100, 30));
    QCOMPARE(ripple->radiusAnimation()->endValue().toDouble(), 100.0);
    QCOMPARE(ripple->brush().color(), QColor(Qt::black));
    QCOMPARE(ripple->opacityAnimation()->startValue().toDouble(), 0.5);
    QCOMPARE(ripple->duration(), 800);
    // In parent coordinates the full-grown disc is 200 px wide, centred on the label.
    QCOMPARE(overlay->mapToParent(ripple->center()), QPoint(150, 115));
    sendMouse(label, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(5, 5));
}

void TestLabel::overlayWithoutParentIsHidden()
{
    auto *label = new QtMaterialLabel(QStringLiteral("x"));
    QtMaterialRippleOverlay *loose = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *overlay = qobject_cast<QtMaterialRippleOverlay *>(widget)) {
            loose = overlay;
        }
    }
    QVERIFY(loose);
    QVERIFY(loose->isHidden());
    QWidget parent;
    parent.resize(100, 100);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    label->setParent(&parent);
    QtMaterialRippleOverlay *overlay = overlayIn(&parent);
    QCOMPARE(overlay, loose);
    QVERIFY(overlay->isVisible());
    label->show();
    label->setGeometry(0, 0, 10, 10);
    QCOMPARE(overlay->geometry(), QRect(-5, -5, 20, 20));
}

void TestLabel::overlayDiesWithLabel()
{
    QWidget parent;
    for (int i = 0; i < 5; ++i) {
        auto *label = new QtMaterialLabel(QStringLiteral("row"), &parent);
        sendMouse(label, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(1, 1));
        delete label;
    }
    QCOMPARE(parent.findChildren<QtMaterialRippleOverlay *>().size(), 0);

    auto *other = new QWidget;
    auto *label = new QtMaterialLabel(QStringLiteral("x"), other);
    QPointer<QtMaterialLabel> guard(label);
    delete overlayIn(other);
    delete other;
    QVERIFY(guard.isNull());
}

QTEST_MAIN(TestLabel)
#include "tst_label.moc"
