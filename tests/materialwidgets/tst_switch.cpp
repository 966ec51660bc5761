// The switch: colours, size, thumb and track geometry, the toggle animation, its ripple overlay and that
// overlay's lifetime.

#include "materialwidgets/qtmaterialripple.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialswitch.h"
#include "materialwidgets/qtmaterialswitchrippleoverlay.h"
#include "materialwidgets/qtmaterialswitchthumb.h"
#include "materialwidgets/qtmaterialswitchtrack.h"

#include <QPointer>
#include <QtTest>

namespace {

QColor theme(int index)
{
    return QtMaterialStyle::instance().themeColor(index);
}

QtMaterialSwitchThumb *thumbOf(QtMaterialSwitch *s)
{
    return s->findChild<QtMaterialSwitchThumb *>();
}

QtMaterialSwitchTrack *trackOf(QtMaterialSwitch *s)
{
    return s->findChild<QtMaterialSwitchTrack *>();
}

QtMaterialSwitchRippleOverlay *overlayIn(QWidget *parent)
{
    return parent->findChild<QtMaterialSwitchRippleOverlay *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

class TestSwitch : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void colourGetters();
    void sizeHint_data();
    void sizeHint();
    void partsTakeTheirGeometry();
    void toggleSlidesThumbAndRipples();
    void disabledToggleHasNoRipple();
    void disabledPainting();
    void activeColourWhileOnRepaintsAtOnce();
    void overlayFollowsTheThumb();
    void overlayMovesWithTheParent();
    void overlayDiesWithTheSwitch();
};

void TestSwitch::defaults()
{
    QWidget parent;
    QtMaterialSwitch s(&parent);
    QVERIFY(s.isCheckable());
    QVERIFY(!s.isChecked());
    QCOMPARE(s.orientation(), Qt::Horizontal);
    QVERIFY(s.useThemeColors());
    QCOMPARE(s.font().pointSizeF(), QtMaterialStyle::instance().themeFont(8).pointSizeF());
    QCOMPARE(s.font().family(), QtMaterialStyle::instance().themeFont(8).family());
    QCOMPARE(s.sizePolicy().horizontalPolicy(), QSizePolicy::Maximum);
    QCOMPARE(s.sizePolicy().verticalPolicy(), QSizePolicy::Maximum);
    // The off state's values hold before the constructor returns.
    QCOMPARE(thumbOf(&s)->shift(), 0.0);
    QCOMPARE(thumbOf(&s)->thumbColor(), theme(10));
    // Entering the off state applies its own, lightened track colour.
    QCOMPARE(trackOf(&s)->trackColor(), theme(6).lighter(110));
    QVERIFY(overlayIn(&parent));

    QtMaterialSwitch vertical(Qt::Vertical);
    QCOMPARE(vertical.orientation(), Qt::Vertical);
}

void TestSwitch::colourGetters()
{
    QtMaterialSwitch s;
    QCOMPARE(s.disabledColor(), theme(12));
    QCOMPARE(s.activeColor(), theme(0));
    QCOMPARE(s.inactiveColor(), theme(10));
    QCOMPARE(s.trackColor(), theme(6));
    QCOMPARE(s.textColor(), theme(8));

    s.setTextColor(Qt::red);
    QVERIFY(!s.useThemeColors());
    QCOMPARE(s.textColor(), QColor(Qt::red));
    // Colours never set keep answering the theme.
    QCOMPARE(s.activeColor(), theme(0));

    s.setUseThemeColors(true);
    QCOMPARE(s.textColor(), theme(8));
}

void TestSwitch::sizeHint_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("extra");
    QTest::newRow("horizontal") << int(Qt::Horizontal) << QSize(64, 48);
    QTest::newRow("vertical") << int(Qt::Vertical) << QSize(48, 64);
}

void TestSwitch::sizeHint()
{
    QFETCH(int, orientation);
    QFETCH(QSize, extra);
    QtMaterialSwitch s{Qt::Orientation(orientation)};
    s.setText(QStringLiteral("Night mode"));
    const int w = s.fontMetrics().size(Qt::TextShowMnemonic, s.text()).width();
    QCOMPARE(s.sizeHint(), QSize(w + extra.width(), extra.height()));
}

void TestSwitch::partsTakeTheirGeometry()
{
    QtMaterialSwitch s;
    s.resize(200, 48);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    QCOMPARE(trackOf(&s)->geometry(), QRect(0, 0, 64, 48));
    QCOMPARE(thumbOf(&s)->geometry(), QRect(8, 8, 48, 32));

    s.setOrientation(Qt::Vertical);
    s.resize(200, 64);
    QCOMPARE(trackOf(&s)->geometry(), QRect(0, 0, 48, 64));
    QCOMPARE(thumbOf(&s)->geometry(), QRect(8, 8, 32, 48));
}

void TestSwitch::toggleSlidesThumbAndRipples()
{
    QWidget parent;
    parent.resize(300, 200);
    auto *s = new QtMaterialSwitch(&parent);
    s->setGeometry(20, 40, 150, 48);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    QtMaterialSwitchRippleOverlay *overlay = overlayIn(&parent);
    QVERIFY(overlay);
    QCOMPARE(overlay->ripples().size(), 0);

    s->toggle();
    QCOMPARE(overlay->ripples().size(), 1);
    QtMaterialRipple *ripple = overlay->ripples().first();
    // r = track height / 2 + 10; the ripple sits on the thumb circle's centre.
    QCOMPARE(ripple->center(), QPoint(34, 44));
    QCOMPARE(ripple->radiusAnimation()->endValue().toReal(), 34.0);
    QCOMPARE(ripple->opacityAnimation()->startValue().toReal(), 0.8);

    QTRY_COMPARE(thumbOf(s)->shift(), 1.0);
    QCOMPARE(thumbOf(s)->offset(), 16.0);
    QTRY_COMPARE(thumbOf(s)->thumbColor(), theme(0));
    QCOMPARE(trackOf(s)->trackColor(), theme(0).lighter(110));

    s->toggle();
    QTRY_COMPARE(thumbOf(s)->shift(), 0.0);
    QTRY_COMPARE(thumbOf(s)->thumbColor(), theme(10));
    QCOMPARE(trackOf(s)->trackColor(), theme(6).lighter(110));
}

void TestSwitch::disabledToggleHasNoRipple()
{
    QWidget parent;
    auto *s = new QtMaterialSwitch(&parent);
    s->setEnabled(false);
    s->setChecked(true);
    QCOMPARE(overlayIn(&parent)->ripples().size(), 0);
    QTRY_COMPARE(thumbOf(s)->shift(), 1.0);
}

void TestSwitch::disabledPainting()
{
    QtMaterialSwitch s;
    s.resize(64, 48);
    s.setDisabledColor(QColor(255, 0, 0));
    s.setEnabled(false);

    QImage image(s.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    s.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    // The thumb circle's centre: white veiled by the opaque disabled colour.
    const QColor centre(image.pixel(8 + 5 + 11, 8 + 16));
    QCOMPARE(centre, QColor(255, 0, 0));
    // The track at 60 % over white, beside the thumb.
    const QColor bar(image.pixel(48, 24));
    QVERIFY2(qAbs(bar.green() - 102) <= 3, qPrintable(bar.name()));
    QCOMPARE(bar.red(), 255);
}

void TestSwitch::activeColourWhileOnRepaintsAtOnce()
{
    QtMaterialSwitch s;
    s.setChecked(true);
    QTRY_COMPARE(thumbOf(&s)->shift(), 1.0);
    QTRY_COMPARE(thumbOf(&s)->thumbColor(), theme(0));

    s.setActiveColor(QColor(Qt::green));
    QCOMPARE(thumbOf(&s)->thumbColor(), QColor(Qt::green));
    QCOMPARE(trackOf(&s)->trackColor(), QColor(Qt::green).lighter(110));
}

void TestSwitch::overlayFollowsTheThumb()
{
    QWidget parent;
    parent.resize(300, 200);
    auto *s = new QtMaterialSwitch(&parent);
    s->setGeometry(20, 40, 150, 48);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QtMaterialSwitchRippleOverlay *overlay = overlayIn(&parent);

    QTRY_COMPARE(overlay->geometry(), overlay->overlayGeometry());
    QRect expected;
    expected.setCoords(20 - 10, 40 - 20, 169 + 10, 87 + 20);
    QCOMPARE(overlay->geometry(), expected);

    s->setChecked(true);
    QTRY_COMPARE(thumbOf(s)->shift(), 1.0);
    expected.setCoords(20 + 6, 40 - 20, 169 + 26, 87 + 20);
    QTRY_COMPARE(overlay->geometry(), expected);
}

void TestSwitch::overlayMovesWithTheParent()
{
    QWidget first;
    QWidget second;
    auto *s = new QtMaterialSwitch(&first);
    QPointer<QtMaterialSwitchRippleOverlay> overlay = overlayIn(&first);
    QVERIFY(overlay);

    s->setParent(&second);
    QCOMPARE(overlay->parentWidget(), &second);
    QVERIFY(!overlayIn(&first));

    delete s;
    QVERIFY(overlay.isNull());
}

void TestSwitch::overlayDiesWithTheSwitch()
{
    QWidget parent;
    auto *s = new QtMaterialSwitch(&parent);
    QPointer<QtMaterialSwitchRippleOverlay> overlay = overlayIn(&parent);
    QVERIFY(overlay);
    s->toggle();
    QCOMPARE(overlay->ripples().size(), 1);

    delete s;
    QVERIFY(overlay.isNull());
    QVERIFY(!overlayIn(&parent));

    // A parent that goes first takes switch and overlay along without fault.
    auto *other = new QWidget;
    new QtMaterialSwitch(other);
    delete other;
}

QTEST_MAIN(TestSwitch)
#include "tst_switch.moc"
