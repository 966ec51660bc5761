// The app bar: its layout's cells, the navigation button's life, action buttons and colours.

#include "materialwidgets/qtmaterialappbar.h"
#include "materialwidgets/qtmaterialappbarlayout.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QAction>
#include <QPointer>
#include <QtTest>

namespace {

QtMaterialAppBarLayout *layoutOf(QtMaterialAppBar *bar)
{
    return qobject_cast<QtMaterialAppBarLayout *>(bar->layout());
}

QtMaterialLabel *titleOf(QtMaterialAppBar *bar)
{
    return qobject_cast<QtMaterialLabel *>(layoutOf(bar)->titleLabel());
}

int cellSize(QtMaterialAppBar *bar)
{
    return qMax(QFontMetrics(titleOf(bar)->font()).height(), int(bar->iconSize().height() * 1.33));
}

} // namespace

class TestAppBar : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void titleGoesToTheLabel();
    void navigationButtonLife();
    void navigationClickIsReported();
    void atMostThreeActionButtons();
    void actionButtonsFollowTheirActions();
    void placementWithMargins();
    void colours();
    void iconSizeChangesCells();
};

void TestAppBar::defaults()
{
    QtMaterialAppBar bar;
    QtMaterialAppBarLayout *layout = layoutOf(&bar);
    QVERIFY(layout);
    QCOMPARE(layout->count(), 1);
    QCOMPARE(layout->itemAt(0), nullptr);
    QCOMPARE(layout->takeAt(0), nullptr);
    QCOMPARE(bar.navIconType(), Material::NavButtonHidden);
    QCOMPARE(layout->navButton(), nullptr);
    QCOMPARE(bar.iconSize(), QSize(48, 48));
    QVERIFY(bar.useThemeColors());
    QCOMPARE(bar.title(), QString());
    QCOMPARE(titleOf(&bar)->fontIndex(), 2);
    QCOMPARE(titleOf(&bar)->contentsMargins(), QMargins(6, 0, 0, 0));

    const QMargins m = layout->contentsMargins();
    QCOMPARE(cellSize(&bar), qMax(63, QFontMetrics(titleOf(&bar)->font()).height()));
    QCOMPARE(layout->sizeHint(), QSize(-1, m.top() + m.bottom() + cellSize(&bar)));
    QCOMPARE(layout->minimumSize(), layout->sizeHint());
    QCOMPARE(layout->maximumSize(), QSize(-1, -1));
    QCOMPARE(layout->expandingDirections(), Qt::Horizontal);
}

void TestAppBar::titleGoesToTheLabel()
{
    QtMaterialAppBar bar(QStringLiteral("Rooms"));
    QCOMPARE(bar.title(), QStringLiteral("Rooms"));
    QCOMPARE(titleOf(&bar)->text(), QStringLiteral("Rooms"));
}

void TestAppBar::navigationButtonLife()
{
    // Inside a window, as bars are used: a bar of its own would be a window whose minimum size its layout sets.
    QWidget host;
    host.resize(400, 120);
    QtMaterialAppBar bar(&host);
    bar.layout()->setContentsMargins(9, 9, 9, 9);
    bar.resize(400, 81);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const int s = cellSize(&bar);

    bar.setNavIconType(Material::NavButtonBack);
    QPointer<QWidget> nav = layoutOf(&bar)->navButton();
    QVERIFY(nav);
    QCOMPARE(layoutOf(&bar)->count(), 2);
    QTRY_COMPARE(nav->geometry(), QRect(9, 9, s, s));
    QTRY_COMPARE(titleOf(&bar)->x(), 9 + s);

    bar.setNavIconType(Material::NavButtonCollapse);
    QCOMPARE(layoutOf(&bar)->navButton(), nav.data());
    QCOMPARE(bar.navIconType(), Material::NavButtonCollapse);

    // Outside the table: stored, the button stays.
    bar.setNavIconType(Material::NavIconType(7));
    QCOMPARE(int(bar.navIconType()), 7);
    QCOMPARE(layoutOf(&bar)->navButton(), nav.data());

    bar.setNavIconType(Material::NavButtonHidden);
    QVERIFY(nav.isNull());
    QCOMPARE(layoutOf(&bar)->navButton(), nullptr);
    QCOMPARE(layoutOf(&bar)->count(), 1);
    QTRY_COMPARE(titleOf(&bar)->x(), 9);
}

void TestAppBar::navigationClickIsReported()
{
    QtMaterialAppBar bar;
    bar.setNavIconType(Material::NavButtonMenu);
    QSignalSpy spy(&bar, &QtMaterialAppBar::navIconClicked);
    auto *nav = qobject_cast<QtMaterialIconButton *>(layoutOf(&bar)->navButton());
    QVERIFY(nav);
    QCOMPARE(nav->iconSize(), QSize(48, 48));
    QCOMPARE(nav->color(), bar.foregroundColor());
    nav->click();
    QCOMPARE(spy.count(), 1);
}

void TestAppBar::atMostThreeActionButtons()
{
    QtMaterialAppBar bar;
    QList<QAction *> actions;
    for (int i = 0; i < 4; ++i) {
        actions << new QAction(QStringLiteral("Action %1").arg(i), &bar);
        bar.addAction(actions.last());
    }
    QCOMPARE(layoutOf(&bar)->actionButtons().size(), 3);
    QCOMPARE(layoutOf(&bar)->items().size(), 3);
    QCOMPARE(layoutOf(&bar)->count(), 4);
    QCOMPARE(layoutOf(&bar)->items().at(2)->action(), actions.at(2));
}

void TestAppBar::actionButtonsFollowTheirActions()
{
    QtMaterialAppBar bar;
    auto *save = new QAction(QStringLiteral("Save"), &bar);
    auto *other = new QAction(QStringLiteral("Other"), &bar);
    bar.addAction(save);
    bar.addAction(other);
    QtMaterialIconButton *button = layoutOf(&bar)->actionButtons().first();
    QCOMPARE(button->toolTip(), QStringLiteral("Save"));

    QSignalSpy triggered(save, &QAction::triggered);
    button->click();
    QCOMPARE(triggered.count(), 1);

    save->setText(QStringLiteral("Save all"));
    QCOMPARE(button->toolTip(), QStringLiteral("Save all"));

    // A hidden action keeps its place: the layout never hands its items out.
    save->setVisible(false);
    QVERIFY(layoutOf(&bar)->items().first()->isEmpty());
    QCOMPARE(layoutOf(&bar)->actionButtons().size(), 2);

    bar.removeAction(save);
    QCOMPARE(layoutOf(&bar)->actionButtons().size(), 2);
    QCOMPARE(layoutOf(&bar)->actionButtons().first(), button);

    // A deleted action leaves its button; later action changes must not reach for it.
    delete save;
    other->setText(QStringLiteral("Changed"));
    QCOMPARE(layoutOf(&bar)->actionButtons().at(1)->toolTip(), QStringLiteral("Changed"));
    QCOMPARE(button->toolTip(), QStringLiteral("Save all"));
}

void TestAppBar::placementWithMargins()
{
    QtMaterialAppBar bar;
    // A small title font, so the icon height decides the cell size.
    bar.setFont(QFont(QStringLiteral("Roboto"), 10));
    bar.layout()->setContentsMargins(9, 9, 9, 9);
    bar.addAction(new QAction(QStringLiteral("One"), &bar));
    bar.addAction(new QAction(QStringLiteral("Two"), &bar));
    layoutOf(&bar)->setGeometry(QRect(0, 0, 400, 81));

    const int s = cellSize(&bar);
    QCOMPARE(s, 63);
    const QList<QtMaterialIconButton *> buttons = layoutOf(&bar)->actionButtons();
    QCOMPARE(buttons.at(0)->geometry(), QRect(274, 9, 63, 63));
    QCOMPARE(buttons.at(1)->geometry(), QRect(337, 9, 63, 63));
    QCOMPARE(titleOf(&bar)->geometry(), QRect(QPoint(9, 9), QPoint(255, 71)));
}

void TestAppBar::colours()
{
    QWidget host;
    QtMaterialAppBar bar(&host);
    bar.setNavIconType(Material::NavButtonMenu);
    bar.addAction(new QAction(QStringLiteral("One"), &bar));
    QCOMPARE(bar.foregroundColor(), QtMaterialStyle::instance().themeColor(3));
    QCOMPARE(bar.backgroundColor(), QtMaterialStyle::instance().themeColor(0));
    QCOMPARE(titleOf(&bar)->textColor(), bar.foregroundColor());

    bar.setForegroundColor(Qt::yellow);
    QVERIFY(!bar.useThemeColors());
    QCOMPARE(titleOf(&bar)->textColor(), QColor(Qt::yellow));
    QCOMPARE(qobject_cast<QtMaterialIconButton *>(layoutOf(&bar)->navButton())->color(), QColor(Qt::yellow));
    QCOMPARE(layoutOf(&bar)->actionButtons().first()->color(), QColor(Qt::yellow));

    bar.setBackgroundColor(QColor("#263440"));
    QCOMPARE(titleOf(&bar)->textColor(), QColor(Qt::yellow));
    bar.resize(200, 70);
    QImage image(bar.size(), QImage::Format_ARGB32);
    bar.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    QCOMPARE(QColor(image.pixel(199, 69)), QColor("#263440"));

    bar.setUseThemeColors(true);
    QCOMPARE(titleOf(&bar)->textColor(), QtMaterialStyle::instance().themeColor(3));
}

void TestAppBar::iconSizeChangesCells()
{
    QtMaterialAppBar bar;
    bar.setNavIconType(Material::NavButtonMenu);
    bar.setIconSize(30, 30);
    QCOMPARE(bar.iconSize(), QSize(30, 30));
    QCOMPARE(qobject_cast<QtMaterialIconButton *>(layoutOf(&bar)->navButton())->iconSize(), QSize(30, 30));
    const int fontHeight = QFontMetrics(titleOf(&bar)->font()).height();
    const QMargins m = bar.layout()->contentsMargins();
    QCOMPARE(bar.layout()->sizeHint().height(), m.top() + m.bottom() + qMax(fontHeight, 39));
}

QTEST_MAIN(TestAppBar)
#include "tst_appbar.moc"
