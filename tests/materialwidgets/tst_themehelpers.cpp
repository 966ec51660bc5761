// Theme building, colour contrast measures and adjustment, and the materializer of plain labels.

#include "materialwidgets/qtmaterializerlabel.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "materialwidgets/qtmaterialthemehelpers.h"

#include <QLabel>
#include <QtTest>
#include <cstdlib>

class TestThemeHelpers : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void luminance();
    void contrast();
    void adjustClampsTheTarget_data();
    void adjustClampsTheTarget();
    void adjustStepsPastTheTarget();
    void adjustStopsAfterThirtyOneSteps();
    void makeThemeColours_data();
    void makeThemeColours();
    void makeRandomThemeDrawsFiveNumbers();
    void materializedLabelFollowsTheTheme();
};

void TestThemeHelpers::cleanup()
{
    QtMaterialStyle::instance().setTheme(new QtMaterialTheme);
}

void TestThemeHelpers::luminance()
{
    QCOMPARE(relativeLuminance(Qt::white), 1.0f);
    QCOMPARE(relativeLuminance(Qt::black), 0.0f);
    // A channel value of 0.03928 still takes the linear branch.
    QColor c;
    c.setRgbF(0.03928, 0, 0);
    QVERIFY(qAbs(relativeLuminance(c) - 0.2126f * float(c.redF()) / 12.92f) < 1e-6f);
}

void TestThemeHelpers::contrast()
{
    QVERIFY(qAbs(contrastRatio(Qt::black, Qt::white) - 21.0f) < 1e-4f);
    QVERIFY(qAbs(contrastRatio(Qt::white, Qt::black) - 21.0f) < 1e-4f);
    QCOMPARE(contrastRatio(QColor("#2196F3"), QColor("#2196F3")), 1.0f);
}

void TestThemeHelpers::adjustClampsTheTarget_data()
{
    QTest::addColumn<float>("ratio");
    QTest::addColumn<float>("target");
    QTest::newRow("above seven") << 10.0f << 7.0f;
    QTest::newRow("below one") << 0.5f << 1.0f;
}

void TestThemeHelpers::adjustClampsTheTarget()
{
    QFETCH(float, ratio);
    QFETCH(float, target);
    const QColor reference(Qt::white);
    const QColor start("#888888");
    const QColor adjusted = adjustForContrast(start, reference, ratio);
    const QColor same = adjustForContrast(start, reference, target);
    QCOMPARE(adjusted, same);
    if (target == 1.0f) {
        // Any colour meets a ratio of 1, and is still stepped once.
        QCOMPARE(adjusted, start.darker(105));
    }
}

void TestThemeHelpers::adjustStepsPastTheTarget()
{
    const QColor reference(Qt::white);
    const QColor start("#999999");
    const QColor result = adjustForContrast(start, reference, 4.5f);
    // One step past the first colour that reached the target.
    QColor walk = start;
    while (contrastRatio(walk, reference) < 4.5f) {
        walk = walk.darker(105);
    }
    QCOMPARE(result, walk.darker(105));

    // A colour lighter than its reference is lightened.
    const QColor lighter = adjustForContrast(QColor("#666666"), QColor(Qt::black), 1.0f);
    QCOMPARE(lighter, QColor("#666666").darker(95));
    QVERIFY(lighter.lightness() > 0x66);
}

void TestThemeHelpers::adjustStopsAfterThirtyOneSteps()
{
    // A mid grey against itself never reaches 7 by lightening a little each time.
    const QColor grey("#808080");
    QColor expected = grey;
    for (int i = 0; i < 31; ++i) {
        expected = expected.darker(95);
    }
    const QColor reference("#7F7F7F");
    QVERIFY(contrastRatio(expected, reference) < 7.0f);
    QCOMPARE(adjustForContrast(grey, reference, 7.0f), expected);
}

void TestThemeHelpers::makeThemeColours_data()
{
    QTest::addColumn<QColor>("primary");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QColor>("onPrimary");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("canvas");
    QTest::addColumn<QColor>("track");
    QTest::newRow("dark primary, light") << QColor("#1A237E") << false << QColor(Qt::white) << QColor("#323232")
                                         << QColor("#E1E1E1") << QColor("#C8C8C8");
    QTest::newRow("light primary, dark") << QColor("#FFF59D") << true << QColor(Qt::black) << QColor("#E1E1E1")
                                         << QColor("#323232") << QColor("#4B4B4B");
}

void TestThemeHelpers::makeThemeColours()
{
    QFETCH(QColor, primary);
    QFETCH(bool, dark);
    QFETCH(QColor, onPrimary);
    QFETCH(QColor, text);
    QFETCH(QColor, canvas);
    QFETCH(QColor, track);

    const QColor accent("#FF5722");
    QScopedPointer<QtMaterialTheme> theme(makeTheme(primary, accent, dark));
    QCOMPARE(theme->parent(), nullptr);
    QCOMPARE(theme->color(0), primary);
    QCOMPARE(theme->color(1), primary.lighter(150));
    QCOMPARE(theme->color(2), primary.darker(200));
    QCOMPARE(theme->color(3), onPrimary);
    QCOMPARE(theme->color(4), accent);
    QCOMPARE(theme->color(5), accent.lighter(150));
    QCOMPARE(theme->color(6), accent.darker(200));
    QCOMPARE(theme->color(7), accent.black() > 128 ? QColor(Qt::white) : QColor(Qt::black));
    QCOMPARE(theme->color(8), text);
    QCOMPARE(theme->color(10), canvas);
    QCOMPARE(theme->color(11), track);
    // Untouched entries keep the defaults.
    QCOMPARE(theme->color(9), QColor("#FFFFFF"));
    QCOMPARE(theme->color(12), QtMaterialTheme().color(12));
    // Not installed.
    QVERIFY(QtMaterialStyle::instance().theme() != theme.data());
}

void TestThemeHelpers::makeRandomThemeDrawsFiveNumbers()
{
    std::srand(7);
    const int r1 = std::rand(), r2 = std::rand(), r3 = std::rand(), r4 = std::rand(), r5 = std::rand();
    const QColor primary = QColor::fromHsv(r1 % 360, r2 % 175 + 80, r3 % 175 + 80, 255);
    const QColor accent = QColor::fromHsv((primary.hsvHue() + r4 % 260 + 50) % 360, 250, 250, 255);

    std::srand(7);
    QScopedPointer<QtMaterialTheme> theme(makeRandomTheme());
    QCOMPARE(theme->color(0), primary);
    QCOMPARE(theme->color(4), accent);
    QCOMPARE(theme->color(10), r5 % 2 == 0 ? QColor("#323232") : QColor("#E1E1E1"));
}

void TestThemeHelpers::materializedLabelFollowsTheTheme()
{
    QLabel label(QStringLiteral("Room 101"));
    QCOMPARE(materializeLabel(&label), &label);
    QCOMPARE(label.palette().color(QPalette::WindowText), QtMaterialStyle::instance().themeColor(8));
    QCOMPARE(label.font().pointSizeF(), QtMaterialStyle::instance().themeFont(8).pointSizeF());
    QVERIFY(label.findChild<QtMaterializerLabel *>());

    auto *theme = new QtMaterialTheme;
    theme->setColor(8, QColor("#123456"));
    QFont font = theme->font(8);
    font.setPointSize(21);
    theme->setFont(8, font);
    QtMaterialStyle::instance().setTheme(theme);
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor("#123456"));
    QCOMPARE(label.font().pointSize(), 21);
}

QTEST_MAIN(TestThemeHelpers)
#include "tst_themehelpers.moc"
