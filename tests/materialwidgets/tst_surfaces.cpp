// The paper sheet and the plain themed widget: their theme-derived and explicit colours and their painting.

#include "materialwidgets/qtmaterialpaper.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "materialwidgets/qtmaterialwidget.h"

#include <QtTest>

namespace {

QImage renderOf(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// Installs a copy of the default theme with canvas colour c for the life of the object.
class CanvasTheme
{
public:
    explicit CanvasTheme(const QColor &c)
    {
        auto *theme = new QtMaterialTheme;
        theme->setColor(10, c);
        QtMaterialStyle::instance().setTheme(theme);
    }
    ~CanvasTheme() { QtMaterialStyle::instance().setTheme(new QtMaterialTheme); }
};

} // namespace

class TestSurfaces : public QObject
{
    Q_OBJECT

private slots:
    void paperDerivesItsColour_data();
    void paperDerivesItsColour();
    void explicitColourIsPaintedUnchanged();
    void themeColoursComeBack();
    void plainWidgetFillsItsRectangle();
};

void TestSurfaces::paperDerivesItsColour_data()
{
    QTest::addColumn<QColor>("canvas");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("white") << QColor(Qt::white) << QColor(Qt::white).darker(120);
    QTest::newRow("black") << QColor(Qt::black) << QColor(Qt::black).lighter(130);
}

void TestSurfaces::paperDerivesItsColour()
{
    QFETCH(QColor, canvas);
    QFETCH(QColor, expected);
    CanvasTheme theme(canvas);
    QtMaterialPaper paper;
    QCOMPARE(paper.backgroundColor(), expected);
    paper.resize(40, 30);
    const QImage image = renderOf(&paper);
    QCOMPARE(QColor(image.pixel(20, 15)).rgb(), expected.rgb());
    // Rounded corners (radius 5): the very corner stays unpainted.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
}

void TestSurfaces::explicitColourIsPaintedUnchanged()
{
    QtMaterialPaper paper;
    paper.setBackgroundColor(QColor("#263440"));
    QVERIFY(!paper.useThemeColors());
    QCOMPARE(paper.backgroundColor(), QColor("#263440"));
    paper.resize(40, 30);
    QCOMPARE(QColor(renderOf(&paper).pixel(20, 15)), QColor("#263440"));
}

void TestSurfaces::themeColoursComeBack()
{
    QtMaterialPaper paper;
    const QColor derived = paper.backgroundColor();
    paper.setBackgroundColor(Qt::red);
    paper.setUseThemeColors(true);
    QCOMPARE(paper.backgroundColor(), derived);
    paper.setUseThemeColors(false);
    QCOMPARE(paper.backgroundColor(), QColor(Qt::red));

    QtMaterialWidget plain;
    plain.setBackgroundColor(Qt::red);
    plain.setUseThemeColors(true);
    QCOMPARE(plain.backgroundColor(), QtMaterialStyle::instance().themeColor(10));
    plain.setUseThemeColors(false);
    QCOMPARE(plain.backgroundColor(), QColor(Qt::red));
}

void TestSurfaces::plainWidgetFillsItsRectangle()
{
    QtMaterialWidget plain;
    QCOMPARE(plain.backgroundColor(), QtMaterialStyle::instance().themeColor(10));
    plain.setBackgroundColor(QColor(10, 20, 30));
    plain.resize(30, 20);
    const QImage image = renderOf(&plain);
    QCOMPARE(QColor(image.pixel(0, 0)), QColor(10, 20, 30));
    QCOMPARE(QColor(image.pixel(29, 19)), QColor(10, 20, 30));
}

QTEST_MAIN(TestSurfaces)
#include "tst_surfaces.moc"
