// The style singleton: one instance, theme installation and its notifications.

#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtheme.h"

#include <QPointer>
#include <QWidget>
#include <QtTest>

namespace {

class StyleChangeCounter : public QWidget
{
public:
    int styleChanges = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::StyleChange) {
            ++styleChanges;
        }
        return QWidget::event(event);
    }
};

} // namespace

class TestStyle : public QObject
{
    Q_OBJECT

private slots:
    void firstUseWhileWidgetsReactToStyleChanges();
    void singleInstance();
    void answersThemeColorsAndFonts();
    void nullThemeIsIgnored();
    void newThemeReplacesAndDeletesOld();
    void sameThemeAgainNotifiesButDeletesNothing();
    void styleChangeSkipsWidgetsWithOwnStyle();
    void missingFontStillRenders();
};

void TestStyle::firstUseWhileWidgetsReactToStyleChanges()
{
    // A widget that reads theme values on every style change exists before the style does.
    class ThemeReader : public QWidget
    {
    public:
        QColor seen;

    protected:
        bool event(QEvent *event) override
        {
            if (event->type() == QEvent::StyleChange) {
                seen = QtMaterialStyle::instance().themeColor(10);
            }
            return QWidget::event(event);
        }
    };
    ThemeReader reader;
    QCOMPARE(QtMaterialStyle::instance().themeColor(10).name(), QStringLiteral("#ffffff"));
    QtMaterialStyle::instance().setTheme(QtMaterialStyle::instance().theme());
    QCOMPARE(reader.seen.name(), QStringLiteral("#ffffff"));
}

void TestStyle::singleInstance()
{
    QtMaterialStyle &a = QtMaterialStyle::instance();
    QtMaterialStyle &b = QtMaterialStyle::instance();
    QCOMPARE(&a, &b);
    QVERIFY(a.theme());
    QCOMPARE(a.theme()->parent(), &a);
    QCOMPARE(a.findChildren<QtMaterialTheme *>().size(), 1);
}

void TestStyle::answersThemeColorsAndFonts()
{
    QtMaterialStyle &style = QtMaterialStyle::instance();
    QCOMPARE(style.themeColor(0).name(), QStringLiteral("#2196f3"));
    QCOMPARE(style.themeColor(10).name(), QStringLiteral("#ffffff"));
    QVERIFY(!style.themeColor(15).isValid());
    QCOMPARE(style.themeFont(8).pointSize(), 16);
    QCOMPARE(style.themeFont(13), style.themeFont(8));
}

void TestStyle::nullThemeIsIgnored()
{
    QtMaterialStyle &style = QtMaterialStyle::instance();
    QtMaterialTheme *before = style.theme();
    QSignalSpy spy(&style, &QtMaterialStyle::themeChanged);
    style.setTheme(nullptr);
    QCOMPARE(style.theme(), before);
    QCOMPARE(spy.count(), 0);
}

void TestStyle::newThemeReplacesAndDeletesOld()
{
    QtMaterialStyle &style = QtMaterialStyle::instance();
    QPointer<QtMaterialTheme> old = style.theme();
    auto *theme = new QtMaterialTheme;
    theme->setColor(0, Qt::red);
    QSignalSpy spy(&style, &QtMaterialStyle::themeChanged);
    style.setTheme(theme);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(style.theme(), theme);
    QCOMPARE(theme->parent(), &style);
    QCOMPARE(style.themeColor(0), QColor(Qt::red));
    QTRY_VERIFY(old.isNull());
}

void TestStyle::sameThemeAgainNotifiesButDeletesNothing()
{
    QtMaterialStyle &style = QtMaterialStyle::instance();
    QPointer<QtMaterialTheme> current = style.theme();
    StyleChangeCounter plain;
    QSignalSpy spy(&style, &QtMaterialStyle::themeChanged);
    style.setTheme(current);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(plain.styleChanges, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!current.isNull());
    QCOMPARE(style.theme(), current.data());
}

void TestStyle::styleChangeSkipsWidgetsWithOwnStyle()
{
    QtMaterialStyle &style = QtMaterialStyle::instance();
    StyleChangeCounter plain;
    StyleChangeCounter styled;
    styled.setStyle(&style);
    QVERIFY(styled.testAttribute(Qt::WA_SetStyle));
    const int styledBefore = styled.styleChanges;
    style.setTheme(style.theme());
    QCOMPARE(plain.styleChanges, 1);
    QCOMPARE(styled.styleChanges, styledBefore);
}

void TestStyle::missingFontStillRenders()
{
    // Whether or not Roboto is installed, the theme font must resolve to something that draws text
    // at the theme's size and keeps its capitalisation.
    const QFont font = QtMaterialStyle::instance().themeFont(10);
    const QFontInfo info(font);
    QVERIFY(!info.family().isEmpty());
    QCOMPARE(info.pointSize(), 14);
    QFontMetrics metrics(font);
    QVERIFY(metrics.horizontalAdvance(QStringLiteral("Save")) > 0);
    QCOMPARE(font.capitalization(), QFont::AllUppercase);
}

QTEST_MAIN(TestStyle)
#include "tst_style.moc"
