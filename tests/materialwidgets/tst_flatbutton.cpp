// The flat button: presets, colour rules, painting, ripples, its state machine and the shadow.

#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialflatbuttonstatemachine.h"
#include "materialwidgets/qtmaterialripple.h"
#include "materialwidgets/qtmaterialrippleoverlay.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtheme.h"

#include <QGraphicsDropShadowEffect>
#include <QPropertyAnimation>
#include <QtTest>

namespace {

QtMaterialFlatButtonStateMachine *machineOf(QtMaterialFlatButton *button)
{
    return button->findChild<QtMaterialFlatButtonStateMachine *>(QString(), Qt::FindDirectChildrenOnly);
}

QSet<QString> activeStates(QStateMachine *machine)
{
    QSet<QString> names;
    for (QAbstractState *state : machine->configuration()) {
        if (!state->objectName().isEmpty()) {
            names.insert(state->objectName());
        }
    }
    return names;
}

bool inState(QtMaterialFlatButton *button, const QString &name)
{
    return activeStates(machineOf(button)).contains(name);
}

QImage renderOf(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QColor pixel(const QImage &image, int x, int y)
{
    return QColor::fromRgba(image.pixel(x, y));
}

bool near(const QColor &a, const QColor &b, int tolerance = 3)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance && qAbs(a.alpha() - b.alpha()) <= tolerance;
}

void sendEnter(QWidget *widget)
{
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(widget, &event);
}

void sendLeave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

void sendFocus(QWidget *widget, QEvent::Type type, Qt::FocusReason reason)
{
    QFocusEvent event(type, reason);
    QCoreApplication::sendEvent(widget, &event);
}

class PaintCountingButton : public QtMaterialFlatButton
{
public:
    using QtMaterialFlatButton::QtMaterialFlatButton;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        QtMaterialFlatButton::paintEvent(event);
    }
};

} // namespace

class TestFlatButton : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void presets_data();
    void presets();
    void presetOutOfRangeChangesNothing_data();
    void presetOutOfRangeChangesNothing();
    void ownBackgroundKeepsThemeForeground();
    void ownColorsOnlyWithoutThemeColors();
    void overlayColorSwitchesOverlayStyle();
    void unknownEnumValues();
    void fontSize();
    void sizeHint();
    void shadowInstalledOnceAndRemoved();
    void shadowFollowsEnabled();
    void shadowDeepensWhilePressed();
    void paintsFillAndText();
    void disabledFillPaintsOnlyDisabledColors();
    void checkedTextButtonShowsBand();
    void outlineFollowsCornerRadius();
    void iconIsTinted();
    void rippleAtCursor();
    void rippleAtCenterAndFixedRadius();
    void rippleDisabled();
    void zeroWidthButton();
    void machineStartsNeutral();
    void hoverAndKeyboardFocus();
    void mouseFocusPresses();
    void pressWhileFocusedStaysHoveredFocused();
    void baseOpacityAppliesAtNextState();
    void checkedFollowsButton();
    void machineOnCheckedButtonStartsChecked();
    void haloPulsesWithoutRepaints();
};

void TestFlatButton::defaults()
{
    QtMaterialFlatButton button;
    QCOMPARE(button.role(), Material::NeutralRole);
    QCOMPARE(button.type(), Material::TextButton);
    QCOMPARE(button.rippleStyle(), Material::RippleAtCursor);
    QCOMPARE(button.iconPlacement(), Material::IconBeforeText);
    QCOMPARE(button.overlayStyle(), Material::OverlayHidden);
    QCOMPARE(button.textAlignment(), Qt::Alignment(Qt::AlignHCenter));
    QCOMPARE(button.cornerRadius(), 3.0);
    QCOMPARE(button.baseOpacity(), 0.13);
    QCOMPARE(button.fixedRippleRadius(), 64.0);
    QVERIFY(button.useThemeColors());
    QVERIFY(!button.hasFixedRippleRadius());
    QVERIFY(!button.haloVisible());
    QCOMPARE(button.style(), &QtMaterialStyle::instance());
    QVERIFY(button.testAttribute(Qt::WA_Hover));
    QVERIFY(button.testAttribute(Qt::WA_MouseTracking));
    QCOMPARE(button.font().family(), QStringLiteral("Roboto"));
    QCOMPARE(button.font().pointSize(), 14);
    QCOMPARE(button.font().capitalization(), QFont::AllUppercase);
    QCOMPARE(button.fontSize(), 14.0);
    QVERIFY(!button.graphicsEffect());
    QCOMPARE(button.disabledForegroundColor(), QtMaterialStyle::instance().themeColor(12));
    QCOMPARE(button.disabledBackgroundColor(), QtMaterialStyle::instance().themeColor(14));
    QCOMPARE(button.overlayColor(), button.foregroundColor());
    auto *overlay = button.findChild<QtMaterialRippleOverlay *>();
    QVERIFY(overlay);
    QVERIFY(overlay->hasClipping());
}

void TestFlatButton::presets_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("foreground");
    QTest::addColumn<QString>("background");
    QTest::newRow("0") << 0 << 0 << 0 << "#212121"
                       << "#212121";
    QTest::newRow("1") << 1 << 0 << 1 << "#2196f3"
                       << "#2196f3";
    QTest::newRow("2") << 2 << 0 << 2 << "#ff9800"
                       << "#ff9800";
    QTest::newRow("3") << 3 << 1 << 0 << "#212121"
                       << "#212121";
    QTest::newRow("4") << 4 << 1 << 1 << "#2196f3"
                       << "#2196f3";
    QTest::newRow("5") << 5 << 1 << 2 << "#ff9800"
                       << "#ff9800";
    QTest::newRow("6") << 6 << 2 << 0 << "#ffffff"
                       << "#212121";
    QTest::newRow("7") << 7 << 2 << 1 << "#ffffff"
                       << "#2196f3";
    QTest::newRow("8") << 8 << 2 << 2 << "#ffffff"
                       << "#ff9800";
    QTest::newRow("9") << 9 << 3 << 0 << "#ffffff"
                       << "#212121";
    QTest::newRow("10") << 10 << 3 << 1 << "#ffffff"
                        << "#2196f3";
    QTest::newRow("11") << 11 << 3 << 2 << "#ffffff"
                        << "#ff9800";
}

void TestFlatButton::presets()
{
    QFETCH(int, preset);
    QFETCH(int, type);
    QFETCH(int, role);
    QFETCH(QString, foreground);
    QFETCH(QString, background);
    QtMaterialFlatButton button(QStringLiteral("Confirm"), preset);
    QCOMPARE(int(button.type()), type);
    QCOMPARE(int(button.role()), role);
    QCOMPARE(button.foregroundColor().name(), foreground);
    QCOMPARE(button.backgroundColor().name(), background);
    QCOMPARE(button.graphicsEffect() != nullptr, type == Material::ShadowButton);
}

void TestFlatButton::presetOutOfRangeChangesNothing_data()
{
    QTest::addColumn<int>("preset");
    QTest::newRow("12") << 12;
    QTest::newRow("-1") << -1;
}

void TestFlatButton::presetOutOfRangeChangesNothing()
{
    QFETCH(int, preset);
    QtMaterialFlatButton button(QStringLiteral("Cancel"), preset);
    QCOMPARE(button.type(), Material::TextButton);
    QCOMPARE(button.role(), Material::NeutralRole);
    button.applyPreset(10);
    button.applyPreset(preset);
    QCOMPARE(button.type(), Material::FillButton);
    QCOMPARE(button.role(), Material::MainRole);
}

void TestFlatButton::ownBackgroundKeepsThemeForeground()
{
    QtMaterialFlatButton button(QStringLiteral("Save"), 7);
    QCOMPARE(button.foregroundColor().name(), QStringLiteral("#ffffff"));
    QCOMPARE(button.backgroundColor().name(), QStringLiteral("#2196f3"));
    button.setBackgroundColor(QColor("#263440"));
    QVERIFY(!button.useThemeColors());
    QCOMPARE(button.backgroundColor().name(), QStringLiteral("#263440"));
    QCOMPARE(button.foregroundColor().name(), QStringLiteral("#ffffff"));
}

void TestFlatButton::ownColorsOnlyWithoutThemeColors()
{
    QtMaterialFlatButton button(QStringLiteral("x"), 10);
    button.setForegroundColor(Qt::red);
    button.setDisabledForegroundColor(Qt::green);
    button.setDisabledBackgroundColor(Qt::blue);
    QCOMPARE(button.foregroundColor(), QColor(Qt::red));
    QCOMPARE(button.overlayColor(), QColor(Qt::red));
    QCOMPARE(button.disabledForegroundColor(), QColor(Qt::green));
    QCOMPARE(button.disabledBackgroundColor(), QColor(Qt::blue));
    button.setUseThemeColors(true);
    QCOMPARE(button.foregroundColor().name(), QStringLiteral("#ffffff"));
    QCOMPARE(button.disabledForegroundColor(), QtMaterialStyle::instance().themeColor(12));
    QCOMPARE(button.disabledBackgroundColor(), QtMaterialStyle::instance().themeColor(14));
}

void TestFlatButton::overlayColorSwitchesOverlayStyle()
{
    QtMaterialFlatButton button;
    button.setOverlayStyle(Material::OverlayGrayed);
    button.setOverlayColor(Qt::magenta);
    QCOMPARE(button.overlayStyle(), Material::OverlayColored);
    QCOMPARE(button.overlayColor(), QColor(Qt::magenta));
    QVERIFY(!button.useThemeColors());
}

void TestFlatButton::unknownEnumValues()
{
    QtMaterialFlatButton button;
    button.setRole(Material::Role(7));
    QCOMPARE(int(button.role()), 7);
    QCOMPARE(button.foregroundColor().name(), QStringLiteral("#212121"));
    button.setType(Material::ButtonType(9));
    QCOMPARE(int(button.type()), 9);
    QCOMPARE(button.foregroundColor().name(), QStringLiteral("#ffffff"));
    QVERIFY(!button.graphicsEffect());
}

void TestFlatButton::fontSize()
{
    QtMaterialFlatButton button;
    button.setFontSize(18.6);
    QCOMPARE(button.font().pointSizeF(), 18.6);
    QCOMPARE(button.fontSize(), 19.0);
}

void TestFlatButton::sizeHint()
{
    QtMaterialFlatButton button(QStringLiteral("Confirm"), 7);
    const QSize text = button.fontMetrics().size(Qt::TextSingleLine, QStringLiteral("Confirm"));
    QCOMPARE(button.sizeHint(), QSize(text.width() + 20, text.height() + 20));

    button.setIcon(QtMaterialTheme::icon(QStringLiteral("content"), QStringLiteral("save")));
    button.setIconSize(QSize(24, 24));
    QCOMPARE(button.sizeHint(), QSize(text.width() + 24 + 32, qMax(text.height(), 24) + 20));
    button.setIconSize(QSize(60, 60));
    QCOMPARE(button.sizeHint().height(), 80);
}

void TestFlatButton::shadowInstalledOnceAndRemoved()
{
    QtMaterialFlatButton button;
    QCOMPARE(button.findChildren<QStateMachine *>().size(), 1);
    button.setType(Material::ShadowButton);
    auto *effect = qobject_cast<QGraphicsDropShadowEffect *>(button.graphicsEffect());
    QVERIFY(effect);
    QCOMPARE(effect->blurRadius(), 7.0);
    QCOMPARE(effect->offset(), QPointF(0, 2));
    QCOMPARE(effect->color(), QColor(0, 0, 0, 75));
    QCOMPARE(button.minimumHeight(), 42);
    QCOMPARE(button.baseOpacity(), 0.3);
    QCOMPARE(button.findChildren<QStateMachine *>().size(), 2);

    button.setType(Material::ShadowButton);
    QCOMPARE(button.graphicsEffect(), effect);
    QCOMPARE(button.findChildren<QStateMachine *>().size(), 2);

    QPointer<QGraphicsDropShadowEffect> guard(effect);
    button.setType(Material::FillButton);
    QVERIFY(!button.graphicsEffect());
    QVERIFY(guard.isNull());
    QCOMPARE(button.findChildren<QStateMachine *>().size(), 1);
    QCOMPARE(button.minimumHeight(), 42);
    QCOMPARE(button.baseOpacity(), 0.3);
}

void TestFlatButton::shadowFollowsEnabled()
{
    QtMaterialFlatButton button;
    button.setEnabled(false);
    button.setType(Material::ShadowButton);
    QVERIFY(!button.graphicsEffect()->isEnabled());

    QStateMachine *shadow = nullptr;
    for (QStateMachine *machine : button.findChildren<QStateMachine *>()) {
        if (!qobject_cast<QtMaterialFlatButtonStateMachine *>(machine)) {
            shadow = machine;
        }
    }
    QVERIFY(shadow);
    button.setEnabled(true);
    QVERIFY(button.graphicsEffect()->isEnabled());
    QTRY_VERIFY(shadow->isRunning());
    button.setEnabled(false);
    QVERIFY(!button.graphicsEffect()->isEnabled());
    QTRY_VERIFY(!shadow->isRunning());
}

void TestFlatButton::shadowDeepensWhilePressed()
{
    QtMaterialFlatButton button(QStringLiteral("Save"), 7);
    button.resize(120, 42);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    auto *effect = qobject_cast<QGraphicsDropShadowEffect *>(button.graphicsEffect());
    QVERIFY(effect);
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTRY_COMPARE(effect->offset(), QPointF(0, 5));
    QTRY_COMPARE(effect->blurRadius(), 29.0);
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTRY_COMPARE(effect->offset(), QPointF(0, 2));
    QTRY_COMPARE(effect->blurRadius(), 7.0);
}

void TestFlatButton::paintsFillAndText()
{
    QtMaterialFlatButton button(QStringLiteral("H"), 10);
    button.setFont(QFont(button.font().family(), 12, QFont::Black));
    button.resize(100, 40);
    const QImage image = renderOf(&button);
    QVERIFY(near(pixel(image, 10, 20), QColor("#2196f3")));
    QVERIFY(near(pixel(image, 90, 30), QColor("#2196f3")));
    // The corner is rounded away.
    QCOMPARE(pixel(image, 0, 0).alpha() < 255, true);
    // Some text pixel in the middle is lighter than the fill.
    bool light = false;
    for (int x = 40; x < 60; ++x) {
        for (int y = 10; y < 30; ++y) {
            light = light || pixel(image, x, y).red() > 150;
        }
    }
    QVERIFY(light);
}

void TestFlatButton::disabledFillPaintsOnlyDisabledColors()
{
    QtMaterialFlatButton button(QString(), 10);
    button.setCheckable(true);
    button.setChecked(true);
    button.setHaloVisible(true);
    button.setOverlayStyle(Material::OverlayColored);
    auto *machine = machineOf(&button);
    QTRY_COMPARE(machine->checkedOverlayProgress(), 1.0);
    machine->setOverlayOpacity(0.5);
    machine->setHaloOpacity(0.5);
    machine->setHaloSize(1);
    button.setEnabled(false);
    button.resize(80, 40);
    const QImage image = renderOf(&button);
    for (const QPoint &p : {QPoint(5, 5), QPoint(40, 20), QPoint(75, 35)}) {
        QVERIFY2(near(pixel(image, p.x(), p.y()), QColor("#e0e0e0")), qPrintable(pixel(image, p.x(), p.y()).name()));
    }
}

void TestFlatButton::checkedTextButtonShowsBand()
{
    QtMaterialFlatButton button(QString(), 1);
    button.setCheckable(true);
    button.setChecked(true);
    QTRY_COMPARE(button.checkedOverlayProgress(), 1.0);
    button.resize(80, 40);
    const QImage image = renderOf(&button);
    // Blue at 0.45 over nothing: blue pixels with alpha 0.45 over the whole height.
    for (int y : {2, 20, 37}) {
        const QColor c = pixel(image, 40, y);
        QVERIFY2(qAbs(c.alpha() - 115) <= 3, qPrintable(QString::number(c.alpha())));
        QCOMPARE(c.blue() > c.red(), true);
    }
    QCOMPARE(button.checkedOverlayProgress(), 1.0);

    // The pen of a fully checked text button is white.
    button.setText(QStringLiteral("IIII"));
    button.setFont(QFont(button.font().family(), 20, QFont::Black));
    const QImage withText = renderOf(&button);
    bool white = false;
    for (int x = 0; x < 80 && !white; ++x) {
        for (int y = 0; y < 40 && !white; ++y) {
            const QColor c = pixel(withText, x, y);
            white = c.red() > 240 && c.green() > 240 && c.blue() > 240 && c.alpha() > 240;
        }
    }
    QVERIFY(white);
}

void TestFlatButton::outlineFollowsCornerRadius()
{
    QtMaterialFlatButton button(QString(), 5);
    button.resize(80, 40);
    QImage image = renderOf(&button);
    const QColor edge = pixel(image, 40, 0);
    QVERIFY2(edge.alpha() > 60 && edge.red() > edge.blue(), qPrintable(edge.name(QColor::HexArgb)));
    QCOMPARE(pixel(image, 40, 20).alpha(), 0);

    button.setCornerRadius(0);
    image = renderOf(&button);
    QCOMPARE(pixel(image, 40, 0).alpha(), 0);
}

void TestFlatButton::iconIsTinted()
{
    QtMaterialFlatButton button(QtMaterialTheme::icon(QStringLiteral("content"), QStringLiteral("remove")), QString(),
                                1);
    button.setIconSize(QSize(24, 24));
    button.resize(48, 48);
    const QImage image = renderOf(&button);
    // The bar of the "remove" icon crosses the centre; it is drawn in the foreground blue.
    bool blue = false;
    for (int y = 20; y < 28; ++y) {
        blue = blue || near(pixel(image, 24, y), QColor("#2196f3"), 10);
    }
    QVERIFY(blue);
}

void TestFlatButton::rippleAtCursor()
{
    QtMaterialFlatButton button(QStringLiteral("Ok"), 1);
    button.resize(120, 40);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    auto *overlay = button.findChild<QtMaterialRippleOverlay *>();
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(15, 12));
    QCOMPARE(overlay->ripples().size(), 1);
    QtMaterialRipple *ripple = overlay->ripples().first();
    QCOMPARE(ripple->center(), QPoint(15, 12));
    QCOMPARE(ripple->radiusAnimation()->endValue().toDouble(), 60.0);
    QCOMPARE(ripple->radiusAnimation()->duration(), 600);
    QCOMPARE(ripple->opacityAnimation()->startValue().toDouble(), 0.35);
    QCOMPARE(ripple->opacityAnimation()->duration(), 1300);
    QCOMPARE(ripple->brush().color(), button.foregroundColor());
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(15, 12));
    QTRY_COMPARE_WITH_TIMEOUT(overlay->ripples().size(), 0, 3000);
}

void TestFlatButton::rippleAtCenterAndFixedRadius()
{
    QtMaterialFlatButton button;
    button.resize(101, 40);
    button.setRippleStyle(Material::RippleAtCenter);
    button.setFixedRippleRadius(20);
    QVERIFY(button.hasFixedRippleRadius());
    auto *overlay = button.findChild<QtMaterialRippleOverlay *>();
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QCOMPARE(overlay->ripples().size(), 1);
    QCOMPARE(overlay->ripples().first()->center(), QPoint(50, 19));
    QCOMPARE(overlay->ripples().first()->radiusAnimation()->endValue().toDouble(), 20.0);
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
}

void TestFlatButton::rippleDisabled()
{
    QtMaterialFlatButton button;
    button.resize(100, 40);
    button.setRippleStyle(Material::RippleDisabled);
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(button.findChild<QtMaterialRippleOverlay *>()->ripples().size(), 0);
    QCOMPARE(clicked.count(), 1);
}

void TestFlatButton::zeroWidthButton()
{
    QtMaterialFlatButton button(QStringLiteral("x"), 10);
    button.setMinimumSize(0, 0);
    button.resize(0, 40);
    QImage image(1, 40, QImage::Format_ARGB32);
    button.render(&image);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(0, 0), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &press);
    auto *overlay = button.findChild<QtMaterialRippleOverlay *>();
    QCOMPARE(overlay->ripples().size(), 1);
    QCOMPARE(overlay->ripples().first()->radiusAnimation()->endValue().toDouble(), 0.0);
}

void TestFlatButton::machineStartsNeutral()
{
    QtMaterialFlatButton button;
    auto *machine = machineOf(&button);
    QVERIFY(machine);
    QTRY_VERIFY(machine->isRunning());
    QCOMPARE(activeStates(machine), (QSet<QString>{QStringLiteral("neutral"), QStringLiteral("unchecked")}));
    QCOMPARE(machine->overlayOpacity(), 0.0);
    QCOMPARE(machine->checkedOverlayProgress(), 0.0);
    QCOMPARE(machine->haloOpacity(), 0.0);
}

void TestFlatButton::hoverAndKeyboardFocus()
{
    QtMaterialFlatButton button;
    button.setBaseOpacity(0.2);
    auto *machine = machineOf(&button);
    QTRY_VERIFY(machine->isRunning());

    sendEnter(&button);
    QTRY_VERIFY(inState(&button, "hovered"));
    QTRY_COMPARE(machine->overlayOpacity(), 0.2);
    QCOMPARE(machine->haloOpacity(), 0.0);

    sendFocus(&button, QEvent::FocusIn, Qt::TabFocusReason);
    QTRY_VERIFY(inState(&button, "hoveredFocused"));
    QTRY_COMPARE(machine->haloOpacity(), 0.2);
    QTRY_COMPARE(machine->haloSize(), 0.7);

    sendLeave(&button);
    QTRY_VERIFY(inState(&button, "focused"));
    QTRY_COMPARE(machine->overlayOpacity(), 0.0);

    sendFocus(&button, QEvent::FocusOut, Qt::TabFocusReason);
    QTRY_VERIFY(inState(&button, "neutral"));
    QTRY_COMPARE(machine->haloOpacity(), 0.0);
}

void TestFlatButton::mouseFocusPresses()
{
    QtMaterialFlatButton button;
    auto *machine = machineOf(&button);
    QTRY_VERIFY(machine->isRunning());
    sendEnter(&button);
    QTRY_VERIFY(inState(&button, "hovered"));

    sendFocus(&button, QEvent::FocusIn, Qt::MouseFocusReason);
    QTRY_VERIFY(inState(&button, "pressed"));
    QCOMPARE(machine->haloSize(), 4.0);
    QCOMPARE(machine->overlayOpacity(), button.baseOpacity());

    // Releasing the mouse does not leave the pressed state; leaving the button does.
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(1, 1), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &release);
    QTest::qWait(20);
    QVERIFY(inState(&button, "pressed"));
    sendLeave(&button);
    QTRY_VERIFY(inState(&button, "focused"));

    // From pressed, losing focus goes back to hovered.
    sendEnter(&button);
    QTRY_VERIFY(inState(&button, "hoveredFocused"));
    sendFocus(&button, QEvent::FocusOut, Qt::TabFocusReason);
    QTRY_VERIFY(inState(&button, "hovered"));
    sendFocus(&button, QEvent::FocusIn, Qt::MouseFocusReason);
    QTRY_VERIFY(inState(&button, "pressed"));
    sendFocus(&button, QEvent::FocusOut, Qt::MouseFocusReason);
    QTRY_VERIFY(inState(&button, "hovered"));
}

void TestFlatButton::pressWhileFocusedStaysHoveredFocused()
{
    QWidget window;
    auto *button = new QtMaterialFlatButton(QStringLiteral("Ok"), 1, &window);
    button->setGeometry(10, 10, 100, 40);
    window.resize(200, 100);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    button->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(button->hasFocus());
    sendEnter(button);
    QTRY_VERIFY(inState(button, "hoveredFocused"));
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::qWait(30);
    QVERIFY(inState(button, "hoveredFocused"));
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
}

void TestFlatButton::baseOpacityAppliesAtNextState()
{
    QtMaterialFlatButton button;
    auto *machine = machineOf(&button);
    QTRY_VERIFY(machine->isRunning());
    sendEnter(&button);
    QTRY_COMPARE(machine->overlayOpacity(), 0.13);
    button.setBaseOpacity(0.5);
    QTest::qWait(30);
    QCOMPARE(machine->overlayOpacity(), 0.13);
    sendLeave(&button);
    QTRY_VERIFY(inState(&button, "neutral"));
    sendEnter(&button);
    QTRY_COMPARE(machine->overlayOpacity(), 0.5);
}

void TestFlatButton::checkedFollowsButton()
{
    QtMaterialFlatButton button;
    auto *machine = machineOf(&button);
    button.setCheckable(true);
    QTRY_VERIFY(inState(&button, "unchecked"));
    button.setChecked(true);
    QTRY_VERIFY(inState(&button, "checked"));
    QTRY_COMPARE(machine->checkedOverlayProgress(), 1.0);
    button.setChecked(false);
    QTRY_VERIFY(inState(&button, "unchecked"));
    QTRY_COMPARE(machine->checkedOverlayProgress(), 0.0);

    // A click toggles the checked status through the release handling.
    button.resize(50, 30);
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(button.isChecked());
    QTRY_VERIFY(inState(&button, "checked"));
}

void TestFlatButton::machineOnCheckedButtonStartsChecked()
{
    QtMaterialFlatButton button;
    button.setCheckable(true);
    button.setChecked(true);
    auto *machine = new QtMaterialFlatButtonStateMachine(&button);
    machine->setObjectName(QStringLiteral("second"));
    QCOMPARE(machine->checkedOverlayProgress(), 1.0);
    machine->setupProperties();
    machine->startAnimations();
    QTRY_VERIFY(activeStates(machine).contains(QStringLiteral("checked")));
    // Its first check event finds no transition out of checked.
    machine->updateCheckedStatus();
    QTest::qWait(30);
    QVERIFY(activeStates(machine).contains(QStringLiteral("checked")));
    QCOMPARE(machine->checkedOverlayProgress(), 1.0);
}

void TestFlatButton::haloPulsesWithoutRepaints()
{
    PaintCountingButton button(QStringLiteral("Ok"), 1);
    button.resize(100, 40);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    auto *machine = machineOf(&button);
    QTRY_VERIFY(machine->haloScaleFactor() >= 0.56 && machine->haloScaleFactor() <= 0.63);
    // Let the focus and hover animations of the newly shown window settle.
    QTest::qWait(500);
    const qreal before = machine->haloScaleFactor();
    const int paints = button.paints;
    QTest::qWait(200);
    QVERIFY(machine->haloScaleFactor() != before);
    QCOMPARE(button.paints, paints);
}

QTEST_MAIN(TestFlatButton)
#include "tst_flatbutton.moc"
