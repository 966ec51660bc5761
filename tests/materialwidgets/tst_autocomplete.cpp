// The auto-complete field: matching, the suggestion buttons, the menu's size and place, selection, and the life
// of the menu and its frame in the field's parent.

#include "materialwidgets/qtmaterialautocomplete.h"
#include "materialwidgets/qtmaterialautocompletestatemachine.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QLayout>
#include <QPointer>
#include <QtTest>

namespace {

QStringList buttonTexts(QtMaterialAutoComplete *field)
{
    QStringList texts;
    QLayout *layout = field->menu()->layout();
    for (int i = 0; i < layout->count(); ++i) {
        texts << static_cast<QtMaterialFlatButton *>(layout->itemAt(i)->widget())->text();
    }
    return texts;
}

QList<QWidget *> buttonsOf(QtMaterialAutoComplete *field)
{
    QList<QWidget *> buttons;
    QLayout *layout = field->menu()->layout();
    for (int i = 0; i < layout->count(); ++i) {
        buttons << layout->itemAt(i)->widget();
    }
    return buttons;
}

QtMaterialAutoCompleteStateMachine *machineOf(QtMaterialAutoComplete *field)
{
    return field->menu()->findChild<QtMaterialAutoCompleteStateMachine *>();
}

} // namespace

class TestAutoComplete : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menuAndFrameLiveInTheParent();
    void matching_data();
    void matching();
    void onlySpacesClosesTheMenu();
    void setTextNeverOpensTheMenu();
    void menuWidth();
    void fewerResultsDropTheFirstButtons();
    void pressingASuggestion();
    void dataSourceWaitsForTheNextEdit();
    void menuFollowsTheField();
    void menuAndFrameDieWithTheField();

private:
    QWidget *m_window = nullptr;
    QtMaterialAutoComplete *m_field = nullptr;
};

void TestAutoComplete::init()
{
    m_window = new QWidget;
    m_window->resize(400, 400);
    m_field = new QtMaterialAutoComplete(m_window);
    m_field->setGeometry(20, 10, 200, 40);
    m_field->setDataSource({QStringLiteral("Alpha"), QStringLiteral("beta"), QStringLiteral("Gamma")});
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_field->setFocus();
    QTRY_VERIFY(m_field->hasFocus());
}

void TestAutoComplete::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestAutoComplete::menuAndFrameLiveInTheParent()
{
    QCOMPARE(m_field->menu()->parentWidget(), m_window);
    QCOMPARE(m_field->frame()->parentWidget(), m_window);
    QVERIFY(!m_field->menu()->isVisible());
    QVERIFY(!m_field->frame()->isVisible());
    QVERIFY(machineOf(m_field));
    QCOMPARE(m_field->menu()->layout()->spacing(), 0);
}

void TestAutoComplete::matching_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("a") << "a" << QStringList{"Alpha", "beta", "Gamma"};
    QTest::newRow("AL") << "AL" << QStringList{"Alpha"};
    QTest::newRow("padded") << "  mm " << QStringList{"Gamma"};
    QTest::newRow("none") << "z" << QStringList{};
}

void TestAutoComplete::matching()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);

    QTest::keyClicks(m_field, typed);
    QCOMPARE(buttonTexts(m_field), expected);
    QCOMPARE(m_field->menu()->height(), expected.size() * 50);
    QTRY_COMPARE(m_field->menu()->isVisible(), !expected.isEmpty());
    QCOMPARE(m_field->frame()->isVisible(), !expected.isEmpty());
}

void TestAutoComplete::onlySpacesClosesTheMenu()
{
    QTest::keyClicks(m_field, QStringLiteral("a"));
    QTRY_VERIFY(m_field->menu()->isVisible());
    QTest::keyClick(m_field, Qt::Key_Backspace);
    QTest::keyClicks(m_field, QStringLiteral("   "));
    QTRY_VERIFY(!m_field->menu()->isVisible());
    QCOMPARE(m_field->menu()->height(), 0);
    QVERIFY(!m_field->frame()->isVisible());
}

void TestAutoComplete::setTextNeverOpensTheMenu()
{
    m_field->setText(QStringLiteral("a"));
    QTest::qWait(50);
    QVERIFY(!m_field->menu()->isVisible());
    QCOMPARE(m_field->menu()->layout()->count(), 0);
}

void TestAutoComplete::menuWidth()
{
    QTest::keyClicks(m_field, QStringLiteral("a"));
    QCOMPARE(m_field->menu()->width(), 200);

    const QString wide(60, QLatin1Char('w'));
    m_field->setDataSource({wide});
    QTest::keyClicks(m_field, QStringLiteral("w"));
    m_field->clear();
    QTest::keyClicks(m_field, QStringLiteral("w"));
    const int expected = QFontMetrics(QtMaterialStyle::instance().themeFont(8)).boundingRect(wide).width() + 24;
    QVERIFY(expected > 200);
    QCOMPARE(m_field->menu()->width(), expected);
}

void TestAutoComplete::fewerResultsDropTheFirstButtons()
{
    m_field->setDataSource({"one a", "two a", "three a", "four ab", "five ab"});
    QTest::keyClicks(m_field, QStringLiteral("a"));
    const QList<QWidget *> before = buttonsOf(m_field);
    QCOMPARE(before.size(), 5);
    QPointer<QWidget> first = before.at(0);

    QTest::keyClicks(m_field, QStringLiteral("b"));
    const QList<QWidget *> after = buttonsOf(m_field);
    QCOMPARE(after, (QList<QWidget *>{before.at(3), before.at(4)}));
    QVERIFY(first.isNull());
    QCOMPARE(buttonTexts(m_field), (QStringList{"four ab", "five ab"}));
}

void TestAutoComplete::pressingASuggestion()
{
    QTest::keyClicks(m_field, QStringLiteral("et"));
    QTRY_VERIFY(m_field->menu()->isVisible());
    QSignalSpy selected(m_field, &QtMaterialAutoComplete::itemSelected);

    QWidget *button = buttonsOf(m_field).first();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.first().first().toString(), QStringLiteral("beta"));
    QCOMPARE(m_field->text(), QStringLiteral("beta"));

    // Fading: still visible with its frame, then hidden together.
    QVERIFY(machineOf(m_field)->configuration().contains(machineOf(m_field)->closingState()));
    QVERIFY(m_field->frame()->isVisible());
    QTRY_VERIFY(!m_field->menu()->isVisible());
    QVERIFY(!m_field->frame()->isVisible());
}

void TestAutoComplete::dataSourceWaitsForTheNextEdit()
{
    QTest::keyClicks(m_field, QStringLiteral("a"));
    m_field->setDataSource({QStringLiteral("Delta")});
    QCOMPARE(buttonTexts(m_field), (QStringList{"Alpha", "beta", "Gamma"}));
    QTest::keyClick(m_field, Qt::Key_Backspace);
    QTest::keyClicks(m_field, QStringLiteral("l"));
    QCOMPARE(buttonTexts(m_field), QStringList{"Delta"});
}

void TestAutoComplete::menuFollowsTheField()
{
    m_field->move(30, 60);
    QCOMPARE(m_field->menu()->pos(), QPoint(30, 60 + 40 + 6));
    QTest::keyClicks(m_field, QStringLiteral("a"));
    QTRY_COMPARE(m_field->frame()->geometry(), m_field->menu()->geometry());

    QWidget other;
    m_field->setParent(&other);
    QCOMPARE(m_field->menu()->parentWidget(), &other);
    QCOMPARE(m_field->frame()->parentWidget(), &other);
    m_field->setParent(m_window);
}

void TestAutoComplete::menuAndFrameDieWithTheField()
{
    QTest::keyClicks(m_field, QStringLiteral("a"));
    QPointer<QWidget> menu = m_field->menu();
    QPointer<QWidget> frame = m_field->frame();
    QPointer<QWidget> button = buttonsOf(m_field).first();

    delete m_field;
    QVERIFY(menu.isNull());
    QVERIFY(frame.isNull());
    QVERIFY(button.isNull());
    QCOMPARE(m_window->findChildren<QWidget *>().size(), 0);

    // A parent that goes first takes field, menu and frame along without fault.
    auto *parent = new QWidget;
    new QtMaterialAutoComplete(parent);
    delete parent;
}

QTEST_MAIN(TestAutoComplete)
#include "tst_autocomplete.moc"
