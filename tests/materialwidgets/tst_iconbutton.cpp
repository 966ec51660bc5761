// The icon button: colours, size, tinted painting, its sibling ripple overlay and that overlay's lifetime.

#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmaterialripple.h"
#include "materialwidgets/qtmaterialrippleoverlay.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtheme.h"

#include <QPropertyAnimation>
#include <QtTest>

namespace {

QIcon closeIcon()
{
    return QtMaterialTheme::icon(QStringLiteral("navigation"), QStringLiteral("close"));
}

QImage renderOf(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The colours of all pixels painted at full strength (antialiased edges round differently).
QSet<QRgb> paintedColors(const QImage &image, int minimumAlpha = 255)
{
    QSet<QRgb> colors;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) >= minimumAlpha) {
                colors.insert(image.pixel(x, y) | 0xff000000);
            }
        }
    }
    return colors;
}

QRect paintedBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

QtMaterialRippleOverlay *overlayIn(QWidget *parent)
{
    return parent->findChild<QtMaterialRippleOverlay *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

class TestIconButton : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void colors();
    void sizeHintFollowsIconSize();
    void paintsTintedIcon();
    void disabledColor();
    void largerButtonCentresIcon();
    void nullIconPaintsNothingButRipples();
    void overlayIsSiblingTwiceTheSize();
    void overlayFollowsReparenting();
    void overlayDiesWithButton();
    void overlayAlreadyDeletedByParent();
};

void TestIconButton::defaults()
{
    QWidget parent;
    QtMaterialIconButton button(closeIcon(), &parent);
    QVERIFY(button.useThemeColors());
    QCOMPARE(button.style(), &QtMaterialStyle::instance());
    QCOMPARE(button.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(button.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QVERIFY(button.sizePolicy().hasWidthForHeight());
    QVERIFY(!button.icon().isNull());
}

void TestIconButton::colors()
{
    QtMaterialIconButton button(closeIcon());
    QCOMPARE(button.color().name(), QStringLiteral("#212121"));
    QCOMPARE(button.disabledColor(), QtMaterialStyle::instance().themeColor(12));
    button.setColor(Qt::white);
    QVERIFY(!button.useThemeColors());
    QCOMPARE(button.color(), QColor(Qt::white));
    QCOMPARE(button.disabledColor(), QtMaterialStyle::instance().themeColor(12));
    button.setDisabledColor(Qt::gray);
    QCOMPARE(button.disabledColor(), QColor(Qt::gray));
    button.setUseThemeColors(true);
    QCOMPARE(button.color().name(), QStringLiteral("#212121"));
}

void TestIconButton::sizeHintFollowsIconSize()
{
    QtMaterialIconButton button(closeIcon());
    button.setIconSize(QSize(24, 24));
    QCOMPARE(button.sizeHint(), QSize(24, 24));
    button.setIconSize(QSize(40, 30));
    QCOMPARE(button.sizeHint(), QSize(40, 30));
}

void TestIconButton::paintsTintedIcon()
{
    QtMaterialIconButton button(closeIcon());
    button.setIconSize(QSize(24, 24));
    button.resize(24, 24);
    button.setColor(Qt::white);
    QImage image = renderOf(&button);
    QCOMPARE(paintedColors(image), QSet<QRgb>{qRgb(255, 255, 255)});

    button.setUseThemeColors(true);
    image = renderOf(&button);
    QCOMPARE(paintedColors(image), QSet<QRgb>{qRgb(0x21, 0x21, 0x21)});
}

void TestIconButton::disabledColor()
{
    QtMaterialIconButton button(closeIcon());
    button.setIconSize(QSize(24, 24));
    button.resize(24, 24);
    button.setEnabled(false);
    const QImage image = renderOf(&button);
    QCOMPARE(paintedColors(image, 60), QSet<QRgb>{qRgb(0, 0, 0)});
    int maxAlpha = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            maxAlpha = qMax(maxAlpha, qAlpha(image.pixel(x, y)));
        }
    }
    QVERIFY2(qAbs(maxAlpha - 66) <= 2, qPrintable(QString::number(maxAlpha)));
}

void TestIconButton::largerButtonCentresIcon()
{
    QtMaterialIconButton button(QtMaterialTheme::icon(QStringLiteral("content"), QStringLiteral("remove")));
    button.setIconSize(QSize(24, 24));
    button.setColor(Qt::red);
    button.resize(24, 24);
    const QRect small = paintedBounds(renderOf(&button));
    button.resize(64, 48);
    const QRect large = paintedBounds(renderOf(&button));
    QCOMPARE(large, small.translated(20, 12));
}

void TestIconButton::nullIconPaintsNothingButRipples()
{
    QWidget parent;
    parent.resize(200, 200);
    auto *button = new QtMaterialIconButton(QIcon(), &parent);
    button->setIconSize(QSize(24, 24));
    button->setGeometry(50, 50, 24, 24);
    QVERIFY(paintedBounds(renderOf(button)).isNull());
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QtMaterialRippleOverlay *overlay = overlayIn(&parent);
    QCOMPARE(overlay->ripples().size(), 1);
    QCOMPARE(overlay->ripples().first()->radiusAnimation()->endValue().toDouble(), 24.0);
    QCOMPARE(overlay->ripples().first()->center(), QPoint(24, 24));
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
}

void TestIconButton::overlayIsSiblingTwiceTheSize()
{
    QWidget parent;
    parent.resize(200, 200);
    auto *button = new QtMaterialIconButton(closeIcon(), &parent);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    button->setGeometry(50, 60, 24, 30);
    QtMaterialRippleOverlay *overlay = overlayIn(&parent);
    QVERIFY(overlay);
    QVERIFY(overlay->isVisible());
    // Centre of (50,60)-(73,89) is (61,74); half of 47 and 59 rounded down.
    QCOMPARE(overlay->geometry(), QRect(61 - 23, 74 - 29, 48, 60));
    parent.resize(300, 250);
    QTRY_COMPARE(overlay->geometry(), QRect(38, 45, 48, 60));
}

void TestIconButton::overlayFollowsReparenting()
{
    QWidget first;
    QWidget second;
    auto *button = new QtMaterialIconButton(closeIcon());
    QtMaterialRippleOverlay *overlay = button->findChild<QtMaterialRippleOverlay *>();
    QVERIFY(!overlay);
    button->setParent(&first);
    overlay = overlayIn(&first);
    QVERIFY(overlay);
    QVERIFY(!overlay->isHidden());
    button->setParent(&second);
    QCOMPARE(overlayIn(&second), overlay);
    QVERIFY(!overlayIn(&first));
}

void TestIconButton::overlayDiesWithButton()
{
    QWidget parent;
    for (int i = 0; i < 5; ++i) {
        auto *button = new QtMaterialIconButton(closeIcon(), &parent);
        QTest::mousePress(button, Qt::LeftButton);
        delete button;
    }
    QCOMPARE(parent.findChildren<QtMaterialRippleOverlay *>().size(), 0);

    // A button made without parent has a parentless overlay; it must go too.
    const int before = QApplication::topLevelWidgets().size();
    auto *orphan = new QtMaterialIconButton(closeIcon());
    delete orphan;
    QCOMPARE(QApplication::topLevelWidgets().size(), before);
}

void TestIconButton::overlayAlreadyDeletedByParent()
{
    auto *parent = new QWidget;
    auto *button = new QtMaterialIconButton(closeIcon(), parent);
    QPointer<QtMaterialIconButton> guard(button);
    // Whatever order the parent deletes its children in, nothing is deleted twice.
    delete overlayIn(parent);
    delete parent;
    QVERIFY(guard.isNull());
}

QTEST_MAIN(TestIconButton)
#include "tst_iconbutton.moc"
