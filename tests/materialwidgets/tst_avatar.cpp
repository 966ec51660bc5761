// The avatar: its three contents, size and font, painting places and the disabled disc.

#include "materialwidgets/qtmaterialavatar.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtheme.h"

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

// Bounds of the pixels painted exactly in colour c.
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

class TestAvatar : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void sizeSetsFont();
    void discAndIconPlaces();
    void disabledDrawsOnlyTheDisc();
    void imageIsStretchedAndClipped();
    void contentChanges();
    void colours();
};

void TestAvatar::defaults()
{
    QtMaterialAvatar avatar;
    QCOMPARE(avatar.size(), 40);
    QCOMPARE(avatar.sizeHint(), QSize(42, 42));
    QCOMPARE(avatar.kind(), int(QtMaterialAvatar::LetterAvatar));
    QCOMPARE(avatar.letter(), QChar());
    QCOMPARE(avatar.font().pointSize(), 16);
    QCOMPARE(avatar.sizePolicy().horizontalPolicy(), QSizePolicy::MinimumExpanding);
    QCOMPARE(avatar.backgroundColor(), theme(0));
    QCOMPARE(avatar.textColor(), theme(10));
    QVERIFY(avatar.useThemeColors());

    avatar.resize(42, 42);
    const QImage image = renderOf(&avatar);
    QCOMPARE(QColor(image.pixel(21, 21)), theme(0));
}

void TestAvatar::sizeSetsFont()
{
    QWidget parent;
    auto *avatar = new QtMaterialAvatar(QChar('R'), &parent);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    avatar->setSize(64);
    QCOMPARE(avatar->font().pointSize(), 25);
    QCOMPARE(avatar->sizeHint(), QSize(66, 66));
    QCOMPARE(avatar->size(), 64);
}

void TestAvatar::discAndIconPlaces()
{
    QtMaterialAvatar avatar;
    avatar.resize(100, 50);
    avatar.setBackgroundColor(QColor(255, 0, 0));
    QCOMPARE(boundsOf(renderOf(&avatar), QColor(255, 0, 0)), QRect(30, 5, 40, 40).adjusted(1, 1, -1, -1));

    avatar.setIcon(addIcon());
    avatar.setTextColor(QColor(0, 0, 255));
    const QRect iconBounds = blueBounds(renderOf(&avatar));
    QVERIFY(!iconBounds.isEmpty());
    QVERIFY2(QRect(40, 15, 20, 20).contains(iconBounds), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                        .arg(iconBounds.x())
                                                                        .arg(iconBounds.y())
                                                                        .arg(iconBounds.width())
                                                                        .arg(iconBounds.height())));
}

void TestAvatar::disabledDrawsOnlyTheDisc()
{
    QtMaterialAvatar avatar(QChar('R'));
    avatar.resize(42, 42);
    avatar.setEnabled(false);
    const QImage image = renderOf(&avatar);
    QSet<QRgb> opaque;
    for (int y = 0; y < 42; ++y) {
        for (int x = 0; x < 42; ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) {
                opaque.insert(image.pixel(x, y) & 0x00ffffff);
            }
        }
    }
    // Only the black, translucent disc of theme colour 12: no letter in another colour.
    QCOMPARE(opaque, QSet<QRgb>{0});
    QCOMPARE(qAlpha(image.pixel(21, 21)), theme(12).alpha());
}

void TestAvatar::imageIsStretchedAndClipped()
{
    QImage wide(80, 20, QImage::Format_ARGB32);
    wide.fill(QColor(0, 200, 0));
    QtMaterialAvatar avatar(wide);
    QCOMPARE(avatar.kind(), int(QtMaterialAvatar::ImageAvatar));
    QCOMPARE(avatar.scaledPixmap().size(), QSize(40, 40));
    avatar.resize(40, 40);
    const QImage image = renderOf(&avatar);
    QCOMPARE(QColor(image.pixel(20, 2)), QColor(0, 200, 0));
    QCOMPARE(qAlpha(image.pixel(1, 1)), 0);
}

void TestAvatar::contentChanges()
{
    QImage picture(10, 10, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    QtMaterialAvatar avatar;
    avatar.setImage(picture);
    avatar.setLetter(QChar('K'));
    QCOMPARE(avatar.kind(), int(QtMaterialAvatar::LetterAvatar));
    QCOMPARE(avatar.letter(), QChar('K'));
    QVERIFY(avatar.image().isNull());
    QVERIFY(!avatar.scaledPixmap().isNull());

    avatar.setIcon(addIcon());
    QCOMPARE(avatar.kind(), int(QtMaterialAvatar::IconAvatar));
    QCOMPARE(avatar.letter(), QChar());

    avatar.setImage(picture);
    QVERIFY(avatar.icon().isNull());
    avatar.setSize(20);
    QCOMPARE(avatar.scaledPixmap().size(), QSize(20, 20));
}

void TestAvatar::colours()
{
    QtMaterialAvatar avatar;
    avatar.setTextColor(Qt::black);
    QVERIFY(!avatar.useThemeColors());
    QCOMPARE(avatar.textColor(), QColor(Qt::black));
    QCOMPARE(avatar.backgroundColor(), theme(0));
    avatar.setUseThemeColors(true);
    QCOMPARE(avatar.textColor(), theme(10));
}

QTEST_MAIN(TestAvatar)
#include "tst_avatar.moc"
