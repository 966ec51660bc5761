// Check box and radio button: icons per state, colours, animations, ripples, label layout and the ripple
// overlay's lifetime.

#include "materialwidgets/qtmaterialcheckable.h"
#include "materialwidgets/qtmaterialcheckableicon.h"
#include "materialwidgets/qtmaterialcheckbox.h"
#include "materialwidgets/qtmaterialradiobutton.h"
#include "materialwidgets/qtmaterialripple.h"
#include "materialwidgets/qtmaterialrippleoverlay.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtheme.h"

#include <QPointer>
#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QTest>

namespace {

QColor theme(int index)
{
    return QtMaterialStyle::instance().themeColor(index);
}

QtMaterialCheckableIcon *checkedIcon(QtMaterialCheckable *button)
{
    return button->findChildren<QtMaterialCheckableIcon *>(QString(), Qt::FindDirectChildrenOnly).value(0);
}

QtMaterialCheckableIcon *uncheckedIcon(QtMaterialCheckable *button)
{
    return button->findChildren<QtMaterialCheckableIcon *>(QString(), Qt::FindDirectChildrenOnly).value(1);
}

QtMaterialRippleOverlay *overlayOf(QWidget *parent)
{
    return parent->findChild<QtMaterialRippleOverlay *>(QString(), Qt::FindDirectChildrenOnly);
}

QtMaterialCheckable *make(const QString &kind, const QString &text, QWidget *parent)
{
    if (kind == "radio")
        return new QtMaterialRadioButton(text, parent);
    return new QtMaterialCheckBox(text, parent);
}

int countColor(const QImage &image, const QColor &color, const QRect &area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255 && QColor(image.pixel(x, y)).rgb() == color.rgb())
                ++n;
    return n;
}

int countOpaque(const QImage &image, const QRect &area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                ++n;
    return n;
}

QImage render(QWidget *w)
{
    QImage image(w->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    w->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace

class TestCheckable : public QObject
{
    Q_OBJECT

private slots:
    void kinds_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("check box") << "check";
        QTest::newRow("radio button") << "radio";
    }

    void newButtonShowsTheUncheckedIcon_data() { kinds_data(); }
    void newButtonShowsTheUncheckedIcon()
    {
        QFETCH(QString, kind);
        QWidget parent;
        QtMaterialCheckable *b = make(kind, "Hide Room Temperature", &parent);
        QVERIFY(b->isCheckable());
        QVERIFY(!b->isChecked());
        QCOMPARE(b->labelPosition(), QtMaterialCheckable::LabelOnRight);
        QVERIFY(b->useThemeColors());
        QCOMPARE(b->checkedColor(), theme(0));
        QCOMPARE(b->uncheckedColor(), theme(10));
        QCOMPARE(b->textColor(), theme(10));
        QCOMPARE(b->disabledColor(), theme(6));
        QCOMPARE(b->font().pointSizeF(), QtMaterialStyle::instance().themeFont(8).pointSizeF());
        QCOMPARE(uncheckedIcon(b)->opacity(), 1.0);
        QCOMPARE(uncheckedIcon(b)->color(), theme(10));
        QCOMPARE(checkedIcon(b)->opacity(), 0.0);
        QCOMPARE(b->autoExclusive(), kind == "radio");
        if (kind == "radio")
            QCOMPARE(checkedIcon(b)->iconSize(), 0.0);
        QCOMPARE(uncheckedIcon(b)->iconSize(), 24.0);
        QCOMPARE(uncheckedIcon(b)->sizeHint(), QSize(24, 24));
    }

    void iconsFollowTheCheckedState_data() { kinds_data(); }
    void iconsFollowTheCheckedState()
    {
        QFETCH(QString, kind);
        QWidget parent;
        QtMaterialCheckable *b = make(kind, "x", &parent);
        b->setChecked(true);
        QTRY_COMPARE(checkedIcon(b)->opacity(), 1.0);
        QTRY_COMPARE(checkedIcon(b)->iconSize(), 24.0);
        QTRY_COMPARE(uncheckedIcon(b)->opacity(), 0.0);
        QCOMPARE(checkedIcon(b)->color(), theme(0));
        // The check box's outline turns to the checked colour as it fades; the radio ring keeps its own.
        QTRY_COMPARE(uncheckedIcon(b)->color(), kind == "radio" ? theme(10) : theme(0));
        if (kind == "radio")
            QTRY_COMPARE(uncheckedIcon(b)->iconSize(), 0.0);

        b->setChecked(false);
        QTRY_COMPARE(checkedIcon(b)->opacity(), 0.0);
        QTRY_COMPARE(uncheckedIcon(b)->opacity(), 1.0);
        QTRY_COMPARE(checkedIcon(b)->iconSize(), 0.0);
        QTRY_COMPARE(uncheckedIcon(b)->color(), theme(10));
    }

    void checkBoxByMouseAndKeyboard()
    {
        QWidget window;
        auto *box = new QtMaterialCheckBox("Add In Bulk", &window);
        box->setGeometry(10, 10, 200, 40);
        window.resize(240, 80);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy toggled(box, &QAbstractButton::toggled);

        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QVERIFY(box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(150, 20));
        QVERIFY(!box->isChecked());

        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(box->isChecked());
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(!box->isChecked());
        QCOMPARE(toggled.count(), 4);
    }

    void radioButtonsByMouseAndKeyboard()
    {
        QWidget window;
        auto *panel = new QtMaterialRadioButton("Panel", &window);
        auto *ir = new QtMaterialRadioButton("IR", &window);
        panel->setGeometry(10, 10, 200, 40);
        ir->setGeometry(10, 60, 200, 40);
        window.resize(240, 120);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QTest::mouseClick(panel, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QVERIFY(panel->isChecked());
        // The checked button of an exclusive pair cannot be unchecked by clicking it again.
        QTest::mouseClick(panel, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QVERIFY(panel->isChecked());
        QTest::keyClick(panel, Qt::Key_Space);
        QVERIFY(panel->isChecked());

        QTest::keyClick(panel, Qt::Key_Down);
        QTRY_VERIFY(ir->isChecked());
        QVERIFY(!panel->isChecked());
        QVERIFY(ir->hasFocus());
    }

    void checkBoxAnimatesOnlyTheToggleTransitions()
    {
        QtMaterialCheckBox box("x", nullptr);
        box.setChecked(true);
        QTRY_COMPARE(checkedIcon(&box)->opacity(), 1.0);
        box.setChecked(false);
        QTRY_COMPARE(checkedIcon(&box)->iconSize(), 0.0);
        box.setChecked(true);
        // The mark grows over 300 ms: right after the toggle it is still small.
        QTRY_VERIFY(checkedIcon(&box)->iconSize() > 0);
        QVERIFY(checkedIcon(&box)->iconSize() < 24);
        QTRY_COMPARE(checkedIcon(&box)->iconSize(), 24.0);
        QTRY_COMPARE(uncheckedIcon(&box)->opacity(), 0.0);
    }

    void checkBoxReversesWhenToggledAgainQuickly()
    {
        QtMaterialCheckBox box("x", nullptr);
        box.setChecked(true);
        QTRY_VERIFY(checkedIcon(&box)->opacity() > 0.1);
        const qreal reached = checkedIcon(&box)->opacity();
        QVERIFY(reached < 1.0);
        box.setChecked(false);
        QCoreApplication::processEvents();
        // The fade turns round from where it was instead of finishing the way in first.
        QVERIFY(checkedIcon(&box)->opacity() <= reached + 0.05);
        QTRY_COMPARE(checkedIcon(&box)->opacity(), 0.0);
        QTRY_COMPARE(uncheckedIcon(&box)->opacity(), 1.0);
        QTRY_COMPARE(checkedIcon(&box)->iconSize(), 0.0);
    }

    void disabledCheckBoxSwitchesIconsAtOnce()
    {
        QtMaterialCheckBox box("x", nullptr);
        box.setEnabled(false);
        QCoreApplication::processEvents();
        QCOMPARE(uncheckedIcon(&box)->color(), theme(6));
        box.setChecked(true);
        QCoreApplication::processEvents();
        QCOMPARE(checkedIcon(&box)->opacity(), 1.0);
        QCOMPARE(uncheckedIcon(&box)->opacity(), 0.0);
        QCOMPARE(checkedIcon(&box)->color(), theme(6));
    }

    void disablingAndEnablingACheckedButton_data() { kinds_data(); }
    void disablingAndEnablingACheckedButton()
    {
        QFETCH(QString, kind);
        QWidget parent;
        QtMaterialCheckable *b = make(kind, "Hide Room Temperature", &parent);
        b->resize(b->sizeHint());
        b->setChecked(true);
        QTRY_COMPARE(checkedIcon(b)->opacity(), 1.0);

        b->setEnabled(false);
        QTRY_COMPARE(checkedIcon(b)->color(), theme(6));
        QCOMPARE(checkedIcon(b)->opacity(), 1.0);
        const QImage disabled = render(b);
        const QRect label(48, 0, b->width() - 48, b->height());
        QVERIFY(countColor(disabled, theme(6), label) > 0);
        QCOMPARE(countColor(disabled, theme(10), label), 0);

        b->setEnabled(true);
        QTRY_COMPARE(checkedIcon(b)->color(), theme(0));
        QVERIFY(countColor(render(b), theme(10), label) > 0);
    }

    void settingAColourSwitchesThemeColoursOff()
    {
        QtMaterialCheckBox box("x", nullptr);
        box.setChecked(true);
        QTRY_COMPARE(checkedIcon(&box)->opacity(), 1.0);
        box.setCheckedColor(QColor("#ABD265"));
        QVERIFY(!box.useThemeColors());
        QCOMPARE(box.checkedColor(), QColor("#ABD265"));
        QCOMPARE(checkedIcon(&box)->color(), QColor("#ABD265"));
        // The colours never set keep falling back to the theme.
        QCOMPARE(box.uncheckedColor(), theme(10));
        QCOMPARE(box.textColor(), theme(10));
        QCOMPARE(box.disabledColor(), theme(6));

        box.setUseThemeColors(true);
        QCOMPARE(box.checkedColor(), theme(0));
        QCOMPARE(checkedIcon(&box)->color(), theme(0));
    }

    void radioColoursSurviveTheirOverride()
    {
        QtMaterialRadioButton radio("x", nullptr);
        radio.setUncheckedColor(Qt::red);
        radio.setCheckedColor(Qt::green);
        QCOMPARE(uncheckedIcon(&radio)->color(), QColor(Qt::red));
        radio.setChecked(true);
        QTRY_COMPARE(checkedIcon(&radio)->color(), QColor(Qt::green));
        QCOMPARE(uncheckedIcon(&radio)->color(), QColor(Qt::red));
    }

    void themeReplacementRecolours()
    {
        QtMaterialCheckBox box("x", nullptr);
        auto *other = new QtMaterialTheme;
        other->setColor(10, QColor("#ABD265"));
        QtMaterialStyle::instance().setTheme(other);
        QCOMPARE(uncheckedIcon(&box)->color(), QColor("#ABD265"));
        QtMaterialStyle::instance().setTheme(new QtMaterialTheme);
        QCOMPARE(uncheckedIcon(&box)->color(), theme(10));
    }

    void radioButtonsAreExclusiveWithinTheirParent()
    {
        QWidget window;
        auto *a = new QtMaterialRadioButton("Universal Switch", &window);
        auto *b = new QtMaterialRadioButton("Relay Channel", &window);
        a->setGeometry(0, 0, 200, 40);
        b->setGeometry(0, 50, 200, 40);
        window.resize(220, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTest::mouseClick(a, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QVERIFY(a->isChecked());
        QTRY_COMPARE(checkedIcon(a)->iconSize(), 24.0);

        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QVERIFY(b->isChecked());
        QVERIFY(!a->isChecked());
        // Both run their 250 ms animations side by side.
        QTRY_VERIFY(checkedIcon(b)->iconSize() > 0 && checkedIcon(a)->iconSize() < 24);
        QTRY_COMPARE(checkedIcon(a)->iconSize(), 0.0);
        QTRY_COMPARE(uncheckedIcon(a)->iconSize(), 24.0);
        QTRY_COMPARE(checkedIcon(b)->iconSize(), 24.0);
        QTRY_COMPARE(uncheckedIcon(b)->opacity(), 0.0);
    }

    void clickSpreadsARippleFromTheIcon_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QPoint>("centre");
        QTest::newRow("label right") << int(QtMaterialCheckable::LabelOnRight) << QPoint(28, 28);
        QTest::newRow("label left") << int(QtMaterialCheckable::LabelOnLeft) << QPoint(186, 28);
    }

    void clickSpreadsARippleFromTheIcon()
    {
        QFETCH(int, position);
        QFETCH(QPoint, centre);
        QWidget window;
        auto *box = new QtMaterialCheckBox("Hide Room Temperature", &window);
        box->setLabelPosition(QtMaterialCheckable::LabelPosition(position));
        box->setCheckedColor(QColor("#ABD265"));
        box->setGeometry(20, 30, 200, 40);
        window.resize(260, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QtMaterialRippleOverlay *overlay = overlayOf(&window);
        QVERIFY(overlay);
        QCOMPARE(overlay->geometry(), QRect(12, 22, 216, 56));

        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QVERIFY(box->isChecked());
        QCOMPARE(overlay->ripples().size(), 1);
        QtMaterialRipple *ripple = overlay->ripples().first();
        QCOMPARE(ripple->center(), centre);
        QCOMPARE(ripple->radiusAnimation()->endValue().toDouble(), 22.0);
        QCOMPARE(ripple->opacityAnimation()->startValue().toDouble(), 1.0);
        QCOMPARE(ripple->brush().color(), QColor("#ABD265"));

        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QVERIFY(!box->isChecked());
        QCOMPARE(overlay->ripples().size(), 2);
        QCOMPARE(overlay->ripples().last()->brush().color(), theme(10));
        QTRY_COMPARE(overlay->ripples().size(), 0);
    }

    void releaseOutsideStartsNoRipple()
    {
        QWidget window;
        auto *box = new QtMaterialCheckBox("x", &window);
        box->setGeometry(0, 0, 100, 40);
        window.resize(300, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, QPoint(250, 20));
        QVERIFY(!box->isChecked());
        QCOMPARE(overlayOf(&window)->ripples().size(), 0);
    }

    void labelLayout_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("iconLeft");
        QTest::addColumn<int>("textLeft");
        QTest::newRow("label right") << int(QtMaterialCheckable::LabelOnRight) << 8 << 48;
        QTest::newRow("label left") << int(QtMaterialCheckable::LabelOnLeft) << 166 << 4;
    }

    void labelLayout()
    {
        QFETCH(int, position);
        QFETCH(int, iconLeft);
        QFETCH(int, textLeft);
        QtMaterialCheckBox box("Mood", nullptr);
        box.setLabelPosition(QtMaterialCheckable::LabelPosition(position));
        box.resize(200, 40);
        const QImage image = render(&box);
        // The 24 px outline glyph sits 8 px down, inside [iconLeft, iconLeft + 24).
        QVERIFY(countOpaque(image, QRect(iconLeft, 8, 24, 24)) > 0);
        const int textWidth = box.fontMetrics().horizontalAdvance("Mood");
        QVERIFY(countOpaque(image, QRect(textLeft, 0, textWidth, 40)) > 0);
        const QRect beforeText(0, 0, qMin(iconLeft, textLeft), 40);
        QCOMPARE(countOpaque(image, beforeText), 0);
        if (position == QtMaterialCheckable::LabelOnLeft)
            QCOMPARE(countOpaque(image, QRect(191, 0, 9, 40)), 0);
    }

    void sizeHints()
    {
        QtMaterialCheckBox empty(nullptr);
        QCOMPARE(empty.sizeHint(), QSize(40, 40));
        QtMaterialRadioButton text("&IR", nullptr);
        QCOMPARE(text.sizeHint(), QSize(text.fontMetrics().size(Qt::TextShowMnemonic, "&IR").width() + 52, 40));
    }

    void rippleOverlayFollowsTheButtonToANewParent()
    {
        QWidget first;
        QWidget second;
        auto *box = new QtMaterialCheckBox("x", &first);
        QPointer<QtMaterialRippleOverlay> overlay = overlayOf(&first);
        QVERIFY(overlay);
        box->setParent(&second);
        QCOMPARE(overlay->parentWidget(), &second);
        QVERIFY(overlayOf(&first) == nullptr);
        box->setGeometry(10, 10, 100, 40);
        second.resize(300, 200);
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QCOMPARE(overlay->geometry(), QRect(2, 2, 116, 56));
        // The overlay would cover its whole parent on a resize; the button keeps it on itself.
        second.resize(400, 300);
        QCOMPARE(overlay->geometry(), QRect(2, 2, 116, 56));
        box->move(50, 60);
        QCOMPARE(overlay->geometry(), QRect(42, 52, 116, 56));
    }

    void rippleOverlayDiesWithItsButton_data() { kinds_data(); }
    void rippleOverlayDiesWithItsButton()
    {
        QFETCH(QString, kind);
        QWidget parent;
        parent.resize(300, 200);
        QtMaterialCheckable *b = make(kind, "x", &parent);
        QPointer<QtMaterialRippleOverlay> overlay = overlayOf(&parent);
        QVERIFY(overlay);
        QCOMPARE(overlay->parentWidget(), &parent);
        delete b;
        QVERIFY(overlay.isNull());
        // The parent goes on living and resizing without a stray overlay.
        parent.resize(400, 300);
        QVERIFY(parent.findChildren<QtMaterialRippleOverlay *>().isEmpty());

        // A button that never had a parent takes its overlay along as well.
        QtMaterialCheckable *orphan = make(kind, "x", nullptr);
        QList<QtMaterialRippleOverlay *> before;
        for (QWidget *w : QApplication::allWidgets())
            if (auto *o = qobject_cast<QtMaterialRippleOverlay *>(w))
                before.append(o);
        QCOMPARE(before.size(), 1);
        QPointer<QtMaterialRippleOverlay> orphanOverlay = before.first();
        delete orphan;
        QVERIFY(orphanOverlay.isNull());
    }

    void deletingTheParentTakesButtonAndOverlay()
    {
        auto *parent = new QWidget;
        auto *box = new QtMaterialCheckBox("x", parent);
        box->setChecked(true);
        QPointer<QtMaterialCheckBox> boxGuard = box;
        QPointer<QtMaterialRippleOverlay> overlay = overlayOf(parent);
        delete parent;
        QVERIFY(boxGuard.isNull());
        QVERIFY(overlay.isNull());
    }
};

QTEST_MAIN(TestCheckable)
#include "tst_checkable.moc"
