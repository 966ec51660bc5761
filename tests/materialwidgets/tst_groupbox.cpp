// The group box: theme font and text colour, passed on to its children.

#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QLabel>
#include <QtTest>

class TestGroupBox : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void titleAndFontIndex();
    void textColorAndStyleChange();
    void useThemeColorsUnchangedDoesNothing();
    void childrenInheritTextColor();
    void frameless();
};

void TestGroupBox::defaults()
{
    QtMaterialGroupBox box;
    QCOMPARE(box.fontIndex(), 8);
    QVERIFY(box.useThemeColors());
    QCOMPARE(box.font().family(), QStringLiteral("Roboto"));
    QCOMPARE(box.font().pointSize(), 16);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        QCOMPARE(box.palette().color(group, QPalette::WindowText).name(), QStringLiteral("#ffffff"));
    }
    // The box keeps the application's style.
    QVERIFY(!box.testAttribute(Qt::WA_SetStyle));
    QVERIFY(box.style() != &QtMaterialStyle::instance());
}

void TestGroupBox::titleAndFontIndex()
{
    QtMaterialGroupBox box(QStringLiteral("Lights"), 5);
    QCOMPARE(box.title(), QStringLiteral("Lights"));
    QCOMPARE(box.fontIndex(), 5);
    QCOMPARE(box.font().pointSize(), 20);
    box.setFontIndex(-3);
    QCOMPARE(box.font().pointSize(), 16);
}

void TestGroupBox::textColorAndStyleChange()
{
    QtMaterialGroupBox box{QString()};
    box.setTextColor(Qt::green);
    QVERIFY(!box.useThemeColors());
    QCOMPARE(box.textColor(), QColor(Qt::green));
    QEvent styleChange(QEvent::StyleChange);
    QCoreApplication::sendEvent(&box, &styleChange);
    QCOMPARE(box.palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::green));
    QVERIFY(!box.useThemeColors());
    box.setUseThemeColors(true);
    QCOMPARE(box.palette().color(QPalette::Active, QPalette::WindowText).name(), QStringLiteral("#ffffff"));
}

void TestGroupBox::useThemeColorsUnchangedDoesNothing()
{
    QtMaterialGroupBox box;
    box.setFont(QFont(QStringLiteral("Serif"), 30));
    box.setUseThemeColors(true);
    QCOMPARE(box.font().pointSize(), 30);
}

void TestGroupBox::childrenInheritTextColor()
{
    QtMaterialGroupBox box;
    auto *label = new QLabel(QStringLiteral("inside"), &box);
    box.setTextColor(QColor("#ABD265"));
    QCOMPARE(label->palette().color(QPalette::WindowText).name(), QStringLiteral("#abd265"));
    QCOMPARE(label->font().pointSize(), 16);
}

void TestGroupBox::frameless()
{
    QtMaterialGroupBox box{QString()};
    box.setStyleSheet(QStringLiteral("QGroupBox{border:none;}"));
    // The style sheet's style change keeps the theme's text colour and font.
    QCOMPARE(box.palette().color(QPalette::WindowText).name(), QStringLiteral("#ffffff"));
    QCOMPARE(box.font().pointSize(), 16);
}

QTEST_MAIN(TestGroupBox)
#include "tst_groupbox.moc"
