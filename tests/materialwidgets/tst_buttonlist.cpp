// The button list: its buttons, their places after a resize, and indices outside the list.

#include "materialwidgets/qtmaterialbuttonlist.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtheme.h"

#include <QtTest>

class TestButtonList : public QObject
{
    Q_OBJECT

private slots:
    void sizeHintCountsButtons();
    void newButtonLook();
    void resizePlacesButtons();
    void insertAtZeroComesFirstAfterResize();
    void indicesOutsideTheList_data();
    void indicesOutsideTheList();
    void insertionClamps();
    void coloursAreOnlyAnswered();
};

void TestButtonList::sizeHintCountsButtons()
{
    QtMaterialButtonList list;
    QCOMPARE(list.sizeHint(), QSize(-1, 0));
    list.addButton(QStringLiteral("Lighting"));
    list.addButton(QStringLiteral("Air Conditioner"));
    list.addButton(QStringLiteral("Floor Heating"));
    QCOMPARE(list.count(), 3);
    QCOMPARE(list.sizeHint(), QSize(-1, 150));
}

void TestButtonList::newButtonLook()
{
    QtMaterialButtonList list;
    const QIcon icon = QtMaterialTheme::icon(QStringLiteral("content"), QStringLiteral("add"));
    list.addButton(icon, QStringLiteral("Add room"));
    QtMaterialFlatButton *button = list.button(0);
    QVERIFY(button);
    QCOMPARE(button->parentWidget(), &list);
    QCOMPARE(button->type(), Material::TextButton);
    QCOMPARE(button->role(), Material::NeutralRole);
    QCOMPARE(button->textAlignment(), Qt::AlignLeft);
    QCOMPARE(button->cornerRadius(), 0.0);
    QVERIFY(!button->haloVisible());
    QCOMPARE(button->height(), 50);
    QCOMPARE(button->minimumHeight(), 50);
    QCOMPARE(button->overlayStyle(), Material::OverlayColored);
    QCOMPARE(list.text(0), QStringLiteral("Add room"));
    QVERIFY(!list.icon(0).isNull());
}

void TestButtonList::resizePlacesButtons()
{
    QtMaterialButtonList list;
    for (const char *text : {"One", "Two", "Three"}) {
        list.addButton(QString::fromLatin1(text));
    }
    list.resize(300, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(list.button(k)->geometry(), QRect(0, 50 * k, 300, 50));
    }
}

void TestButtonList::insertAtZeroComesFirstAfterResize()
{
    QtMaterialButtonList list;
    list.addButton(QStringLiteral("Second"));
    list.resize(300, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.insertButton(0, QStringLiteral("First"));
    QCOMPARE(list.text(0), QStringLiteral("First"));
    QCOMPARE(list.button(1)->y(), 0);

    list.resize(320, 200);
    QTRY_COMPARE(list.button(0)->geometry(), QRect(0, 0, 320, 50));
    QCOMPARE(list.button(1)->geometry(), QRect(0, 50, 320, 50));
}

void TestButtonList::indicesOutsideTheList_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("negative") << -1;
    QTest::newRow("count") << 2;
    QTest::newRow("far") << 1000;
}

void TestButtonList::indicesOutsideTheList()
{
    QFETCH(int, index);
    QtMaterialButtonList list;
    list.addButton(QStringLiteral("One"));
    list.addButton(QStringLiteral("Two"));

    QCOMPARE(list.text(index), QString());
    QVERIFY(list.icon(index).isNull());
    QCOMPARE(list.button(index), nullptr);
    list.setText(index, QStringLiteral("Changed"));
    list.setIcon(index, QtMaterialTheme::icon(QStringLiteral("content"), QStringLiteral("add")));
    QCOMPARE(list.text(0), QStringLiteral("One"));
    QCOMPARE(list.text(1), QStringLiteral("Two"));
    QVERIFY(list.icon(0).isNull());
    QVERIFY(list.icon(1).isNull());
}

void TestButtonList::insertionClamps()
{
    QtMaterialButtonList list;
    list.addButton(QStringLiteral("Middle"));
    list.insertButton(-5, QStringLiteral("Front"));
    list.insertButton(99, QStringLiteral("Back"));
    QCOMPARE(list.count(), 3);
    QCOMPARE(list.text(0), QStringLiteral("Front"));
    QCOMPARE(list.text(1), QStringLiteral("Middle"));
    QCOMPARE(list.text(2), QStringLiteral("Back"));
}

void TestButtonList::coloursAreOnlyAnswered()
{
    QtMaterialButtonList list;
    list.addButton(QStringLiteral("One"));
    QCOMPARE(list.foregroundColor(), QtMaterialStyle::instance().themeColor(9));
    QCOMPARE(list.backgroundColor(), QtMaterialStyle::instance().themeColor(0));
    const QColor buttonText = list.button(0)->foregroundColor();

    list.setForegroundColor(Qt::red);
    list.setBackgroundColor(Qt::blue);
    QVERIFY(!list.useThemeColors());
    QCOMPARE(list.foregroundColor(), QColor(Qt::red));
    QCOMPARE(list.backgroundColor(), QColor(Qt::blue));
    QCOMPARE(list.button(0)->foregroundColor(), buttonText);
}

QTEST_MAIN(TestButtonList)
#include "tst_buttonlist.moc"
