// The tab strip: adding, clearing and selecting tabs by code, mouse and keyboard; tab painting; the ink bar.

#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtab.h"
#include "materialwidgets/qtmaterialtabs.h"
#include "materialwidgets/qtmaterialtabsinkbar.h"

#include <QGridLayout>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QList<QtMaterialTab *> tabsIn(QtMaterialTabs &strip)
{
    QList<QtMaterialTab *> tabs;
    auto *grid = strip.findChild<QGridLayout *>();
    for (int i = 0; grid && i < grid->count(); ++i)
        tabs.append(qobject_cast<QtMaterialTab *>(grid->itemAt(i)->widget()));
    return tabs;
}

int countColor(const QImage &image, const QColor &color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)).rgb() == color.rgb())
                ++n;
    return n;
}

} // namespace

class TestTabs : public QObject
{
    Q_OBJECT

private slots:
    void newStrip()
    {
        QtMaterialTabs strip(nullptr);
        QCOMPARE(strip.count(), 0);
        QCOMPARE(strip.currentIndex(), -1);
        QCOMPARE(strip.height(), 100);
        QCOMPARE(strip.minimumHeight(), 100);
        QCOMPARE(strip.maximumHeight(), 100);
        QCOMPARE(strip.font().pointSizeF(), QtMaterialStyle::instance().themeFont(10).pointSizeF());
        QCOMPARE(strip.font().capitalization(), QFont::AllUppercase);
        QCOMPARE(strip.palette().color(QPalette::Disabled, QPalette::Window), QColor("#1F2933"));
        QVERIFY(strip.autoFillBackground());
        QCOMPARE(strip.backgroundColor(), QColor("#1F2933"));
        QCOMPARE(strip.textColor(), QtMaterialStyle::instance().themeColor(10));
        QCOMPARE(strip.inkColor(), QtMaterialStyle::instance().themeColor(4));
        QCOMPARE(strip.iconSize(), QSize(48, 48));
        QCOMPARE(strip.rippleStyle(), Material::RippleAtCenter);
        QVERIFY(!strip.haloVisible());
        QVERIFY(strip.useThemeColors());
        QCOMPARE(strip.tabText(0), QString());
        auto *canvas = strip.findChild<QtMaterialCanvas *>();
        QVERIFY(canvas);
        QCOMPARE(canvas->orientation(), Qt::Horizontal);
        QVERIFY(canvas->widgetResizable());
        // No ink bar: the tabs mark themselves.
        QVERIFY(!strip.findChild<QtMaterialTabsInkBar *>());
    }

    void firstTabBecomesCurrentSilently()
    {
        QtMaterialTabs strip(nullptr);
        QSignalSpy changed(&strip, &QtMaterialTabs::currentChanged);
        strip.addTab("", "Lighting");
        QCOMPARE(strip.count(), 1);
        QCOMPARE(strip.currentIndex(), 0);
        QVERIFY(tabsIn(strip).at(0)->isActive());
        strip.addTab("Air Conditioner");
        QCOMPARE(strip.count(), 2);
        QCOMPARE(strip.currentIndex(), 0);
        QVERIFY(!tabsIn(strip).at(1)->isActive());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(strip.tabText(1), QString("Air Conditioner"));

        QtMaterialTab *tab = tabsIn(strip).at(0);
        QCOMPARE(tab->minimumHeight(), 50);
        QCOMPARE(tab->cornerRadius(), 0.0);
        QCOMPARE(tab->role(), Material::MainRole);
        QCOMPARE(tab->type(), Material::FillButton);
        QCOMPARE(tab->baseOpacity(), 0.25);
        QCOMPARE(tab->backgroundColor(), QColor("#1F2933"));
        QCOMPARE(tab->foregroundColor(), QtMaterialStyle::instance().themeColor(10));
        QCOMPARE(tab->rippleStyle(), Material::RippleAtCenter);
        QVERIFY(tab->icon().isNull());
        QVERIFY(!tab->hasIconPath());
        QCOMPARE(tab->tabs(), &strip);
    }

    void clickAndKeyboardSelectTabs()
    {
        QtMaterialTabs strip(nullptr);
        for (const char *text : {"Lighting", "Air Conditioner", "Floor Heating", "Mood"})
            strip.addTab(text);
        strip.resize(800, 100);
        strip.show();
        strip.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&strip));
        QSignalSpy changed(&strip, &QtMaterialTabs::currentChanged);
        const QList<QtMaterialTab *> tabs = tabsIn(strip);

        QTest::mouseClick(tabs.at(2), Qt::LeftButton);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.last().at(0).toInt(), 2);
        QCOMPARE(strip.currentIndex(), 2);
        QVERIFY(tabs.at(2)->isActive());
        QVERIFY(!tabs.at(0)->isActive());

        // Clicking the current tab reports it again.
        QTest::mouseClick(tabs.at(2), Qt::LeftButton);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.last().at(0).toInt(), 2);

        tabs.at(3)->setFocus();
        QTest::keyClick(tabs.at(3), Qt::Key_Space);
        QCOMPARE(changed.count(), 3);
        QCOMPARE(changed.last().at(0).toInt(), 3);
        QVERIFY(tabs.at(3)->isActive());
        QVERIFY(!tabs.at(2)->isActive());
    }

    void setCurrentTabAlwaysReports()
    {
        QtMaterialTabs strip(nullptr);
        strip.addTab("Lighting");
        strip.addTab("Panel");
        QSignalSpy changed(&strip, &QtMaterialTabs::currentChanged);
        strip.setCurrentTab(0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.last().at(0).toInt(), 0);
        QVERIFY(tabsIn(strip).at(0)->isActive());

        // An index without a tab is stored and reported; no tab is marked.
        strip.setCurrentTab(7);
        QCOMPARE(strip.currentIndex(), 7);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.last().at(0).toInt(), 7);
        QVERIFY(!tabsIn(strip).at(0)->isActive());
        QVERIFY(!tabsIn(strip).at(1)->isActive());
        strip.setCurrentTab(1);
        QVERIFY(tabsIn(strip).at(1)->isActive());
        strip.setProperty("currentIndex", 0);
        QVERIFY(tabsIn(strip).at(0)->isActive());
        QCOMPARE(strip.property("count").toInt(), 2);
    }

    void tabLookupsOutsideTheRange_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("negative") << -1;
        QTest::newRow("far negative") << -100;
        QTest::newRow("one past") << 2;
        QTest::newRow("far past") << 100;
    }

    void tabLookupsOutsideTheRange()
    {
        QFETCH(int, index);
        QtMaterialTabs strip(nullptr);
        QCOMPARE(strip.tabText(index), QString());
        strip.addTab("Lighting");
        strip.addTab("Panel");
        QCOMPARE(strip.tabText(index), QString());
        QVERIFY(strip.tabIcon(index).isNull());
        strip.setTabText(index, "x");
        strip.setTabIcon(index, QtMaterialTheme::icon("content", "add"));
        QCOMPARE(strip.tabText(0), QString("Lighting"));
        QCOMPARE(strip.tabText(1), QString("Panel"));
    }

    void setTabTextAndIcon()
    {
        QtMaterialTabs strip(nullptr);
        strip.addTab("Lighting");
        strip.setTabText(0, "Lights");
        QCOMPARE(strip.tabText(0), QString("Lights"));
        QVERIFY(strip.tabIcon(0).isNull());
        strip.setTabIcon(0, QtMaterialTheme::icon("content", "add"));
        QVERIFY(!strip.tabIcon(0).isNull());
    }

    void clearTabsThenRebuild()
    {
        QtMaterialTabs strip(nullptr);
        strip.addTab("a");
        strip.addTab("b");
        strip.addTab("c");
        strip.setCurrentTab(2);
        QList<QPointer<QtMaterialTab>> old;
        for (QtMaterialTab *tab : tabsIn(strip))
            old.append(tab);

        QSignalSpy changed(&strip, &QtMaterialTabs::currentChanged);
        strip.clearTabs();
        QCOMPARE(strip.count(), 0);
        QCOMPARE(strip.tabText(0), QString());
        QCOMPARE(strip.currentIndex(), 2);
        QCOMPARE(changed.count(), 0);

        strip.addTab("Lighting");
        strip.addTab("Panel");
        strip.addTab("Mood");
        QCOMPARE(strip.count(), 3);
        auto *grid = strip.findChild<QGridLayout *>();
        const QList<QtMaterialTab *> tabs = tabsIn(strip);
        for (int i = 0; i < 3; ++i) {
            int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(grid->indexOf(tabs.at(i)), &row, &column, &rowSpan, &columnSpan);
            QCOMPARE(row, 0);
            QCOMPARE(column, i);
            QVERIFY(!tabs.at(i)->isActive());
        }
        QCOMPARE(grid->columnStretch(0), 0);
        QCOMPARE(grid->columnStretch(3), 1);
        QCOMPARE(strip.currentIndex(), 2);
        QCOMPARE(changed.count(), 0);

        strip.setCurrentTab(0);
        QVERIFY(tabs.at(0)->isActive());
        QCOMPARE(strip.tabText(2), QString("Mood"));

        // The old tabs go when control returns to the event loop.
        for (const QPointer<QtMaterialTab> &tab : old)
            QTRY_VERIFY(tab.isNull());
        QCOMPARE(strip.findChildren<QtMaterialTab *>().size(), 3);
    }

    void clearTabsOnANewStripDoesNothing()
    {
        QtMaterialTabs strip(nullptr);
        strip.clearTabs();
        QCOMPARE(strip.count(), 0);
        strip.addTab("a");
        QCOMPARE(strip.currentIndex(), 0);
    }

    void tabWithAPicture()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("icon-room-lighting.png");
        QImage picture(20, 20, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(path));

        QtMaterialTabs strip(nullptr);
        strip.addTab(path, "Lighting");
        QtMaterialTab *tab = tabsIn(strip).at(0);
        QVERIFY(tab->hasIconPath());
        QCOMPARE(tab->iconPath(), path);
        QCOMPARE(tab->iconSize(), QSize(48, 48));
        QCOMPARE(tab->sizeHint(), QSize(tab->fontMetrics().size(Qt::TextSingleLine, "Lighting").width() + 20, 94));

        tab->setFixedSize(200, 100);
        const QImage image = tab->grab().toImage();
        const int th = tab->fontMetrics().height();
        // The picture fills the 48 x 48 icon rectangle, centred above the text, untinted.
        const QRect iconRect(76, (100 - th - 48) / 2, 48, 48);
        QCOMPARE(QColor(image.pixel(iconRect.center())), QColor(Qt::red));
        QCOMPARE(QColor(image.pixel(iconRect.left() + 1, iconRect.top() + 1)), QColor(Qt::red));
        QVERIFY(QColor(image.pixel(iconRect.left() - 2, iconRect.center().y())) != QColor(Qt::red));
        // The current tab has its line along the bottom edge and its text in green.
        QCOMPARE(QColor(image.pixel(100, 99)), QtMaterialStyle::instance().themeColor(4));
        QVERIFY(countColor(image, QColor("#ABD265")) > 0);
        int lowestText = -1;
        for (int y = 0; y < 99; ++y)
            for (int x = 0; x < 200; ++x)
                if (QColor(image.pixel(x, y)).rgb() == QColor("#ABD265").rgb())
                    lowestText = y;
        QVERIFY(lowestText > 100 - th);
    }

    void inactiveTabsAreVeiled()
    {
        QtMaterialTabs strip(nullptr);
        strip.addTab("Lighting");
        strip.addTab("Panel");
        const QList<QtMaterialTab *> tabs = tabsIn(strip);
        tabs.at(0)->setFixedSize(200, 100);
        tabs.at(1)->setFixedSize(200, 100);
        const QImage active = tabs.at(0)->grab().toImage();
        const QImage inactive = tabs.at(1)->grab().toImage();
        QVERIFY(countColor(active, QColor("#ABD265")) > 0);
        QCOMPARE(QColor(active.pixel(100, 99)), QtMaterialStyle::instance().themeColor(4));
        QCOMPARE(countColor(inactive, QColor("#ABD265")), 0);
        QCOMPARE(countColor(inactive, Qt::white), 0);
        QCOMPARE(QColor(inactive.pixel(100, 99)), QColor("#1F2933"));
        // Full white glyph pixels under the 36 % veil of #1F2933.
        const QColor veiled(qRound(255 * 0.64 + 0x1F * 0.36), qRound(255 * 0.64 + 0x29 * 0.36),
                            qRound(255 * 0.64 + 0x33 * 0.36));
        int close = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x) {
                const QColor c(inactive.pixel(x, y));
                close += qAbs(c.red() - veiled.red()) <= 2 && qAbs(c.blue() - veiled.blue()) <= 2 ? 1 : 0;
            }
        QVERIFY(close > 0);
    }

    void manyTabsScrollSideways()
    {
        QtMaterialTabs strip(nullptr);
        for (int i = 0; i < 30; ++i)
            strip.addTab(QString("Room tab %1").arg(i));
        strip.resize(400, 100);
        strip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&strip));
        auto *canvas = strip.findChild<QtMaterialCanvas *>();
        QTRY_VERIFY(canvas->horizontalScrollBar()->maximum() > 0);
        QCOMPARE(strip.height(), 100);
        QCOMPARE(canvas->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void restylingTheTabs()
    {
        QtMaterialTabs strip(nullptr);
        strip.addTab("", "Lighting");
        strip.addTab("", "Panel");
        strip.setBackgroundColor(QColor("#263440"));
        strip.setTextColor(Qt::yellow);
        for (QtMaterialTab *tab : tabsIn(strip)) {
            QCOMPARE(tab->backgroundColor(), QColor("#263440"));
            QCOMPARE(tab->foregroundColor(), QColor(Qt::yellow));
        }
        QVERIFY(!strip.useThemeColors());
        strip.addTab("Mood");
        QCOMPARE(tabsIn(strip).at(2)->backgroundColor(), QColor("#263440"));

        strip.setIconSize(32, 24);
        strip.setRippleStyle(Material::RippleDisabled);
        strip.setHaloVisible(true);
        for (QtMaterialTab *tab : tabsIn(strip)) {
            QCOMPARE(tab->iconSize(), QSize(32, 24));
            QCOMPARE(tab->rippleStyle(), Material::RippleDisabled);
            QVERIFY(tab->haloVisible());
        }

        strip.setInkColor(Qt::cyan);
        QCOMPARE(strip.inkColor(), QColor(Qt::cyan));
        strip.setUseThemeColors(true);
        QCOMPARE(strip.backgroundColor(), QColor("#1F2933"));
        for (QtMaterialTab *tab : tabsIn(strip))
            QVERIFY(tab->useThemeColors());
    }

    void inkBarFollowsTheCurrentTab()
    {
        QtMaterialTabs strip(nullptr);
        strip.addTab("Lighting");
        strip.addTab("Panel");
        strip.addTab("Mood");
        // The bar takes its first geometry from the strip's first move or resize.
        auto *bar = new QtMaterialTabsInkBar(&strip);
        strip.resize(600, 100);
        strip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&strip));
        const QList<QtMaterialTab *> tabs = tabsIn(strip);

        bar->refreshGeometry();
        const QRect first(tabs.at(0)->mapTo(&strip, QPoint(0, 0)), tabs.at(0)->size());
        QCOMPARE(bar->barGeometry(), QRect(first.left(), first.bottom() - 3, first.width(), 4));

        strip.setCurrentTab(2);
        bar->animate();
        const QRect third(tabs.at(2)->mapTo(&strip, QPoint(0, 0)), tabs.at(2)->size());
        QTRY_VERIFY(bar->barGeometry().left() > first.left());
        QTRY_COMPARE(bar->barGeometry(), QRect(third.left(), third.bottom() - 3, third.width(), 4));
        QCOMPARE(bar->geometry(), strip.rect());
    }
};

QTEST_MAIN(TestTabs)
#include "tst_tabs.moc"
