// The text field: its surface and input line, the floating label and its focus animation, colours.

#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtextfield.h"
#include "materialwidgets/qtmaterialtextfieldlabel.h"
#include "materialwidgets/qtmaterialtextfieldstatemachine.h"

#include <QtTest>

namespace {

QColor theme(int index)
{
    return QtMaterialStyle::instance().themeColor(index);
}

QtMaterialTextFieldLabel *labelOf(QtMaterialTextField *field)
{
    return field->findChild<QtMaterialTextFieldLabel *>();
}

QtMaterialTextFieldStateMachine *machineOf(QtMaterialTextField *field)
{
    return field->findChild<QtMaterialTextFieldStateMachine *>();
}

QImage renderOf(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

const QColor Surface(0x3D, 0x53, 0x66);

} // namespace

class TestTextField : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void surfaceAndInputLine();
    void disabledInputLineIsDashed();
    void labelTextCreatesTheLabel();
    void focusFloatsTheLabelAndGrowsTheInk();
    void textSetWhileUnfocusedFloatsAtOnce();
    void clearedTextKeepsTheLabelUntilFocusLeaves();
    void typingResetsTheLabelColour();
    void labelVisibilityReusesTheLabel();
    void labelFontSize();
    void colourGetters();
};

void TestTextField::defaults()
{
    QtMaterialTextField field;
    QVERIFY(!labelOf(&field));
    QVERIFY(!field.labelVisible());
    QCOMPARE(field.labelFontSize(), 9.5);
    QVERIFY(field.inputLineVisible());
    QVERIFY(field.useThemeColors());
    QVERIFY(!field.hasFrame());
    QCOMPARE(field.contentsMargins().top(), 0);
    QCOMPARE(field.textMargins(), QMargins(0, 2, 0, 4));
    QCOMPARE(field.style(), &QtMaterialStyle::instance());
    QCOMPARE(field.palette().color(QPalette::Base), QColor(0, 0, 0, 0));
    QCOMPARE(field.palette().color(QPalette::Text), theme(8));
    QCOMPARE(machineOf(&field)->progress(), 0.0);
    QVERIFY(machineOf(&field)->configuration().contains(machineOf(&field)->normalState()));
}

void TestTextField::surfaceAndInputLine()
{
    QtMaterialTextField field;
    field.resize(200, 40);
    const QImage image = renderOf(&field);
    // The surface with rounded top corners.
    QCOMPARE(QColor(image.pixel(100, 20)), Surface);
    QCOMPARE(QColor(image.pixel(0, 0)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(0, 30)), Surface);
    // The 1 px input line one pixel above the bottom, from x = 2.5 to the right edge.
    QCOMPARE(QColor(image.pixel(100, 39)), theme(0));
    QCOMPARE(QColor(image.pixel(199, 39)), theme(0));
    QCOMPARE(QColor(image.pixel(100, 38)), Surface);
    QCOMPARE(QColor(image.pixel(0, 39)), Surface);

    field.setInputLineVisible(false);
    QCOMPARE(QColor(renderOf(&field).pixel(100, 39)), Surface);
}

void TestTextField::disabledInputLineIsDashed()
{
    QtMaterialTextField field;
    field.resize(200, 40);
    field.setEnabled(false);
    const QImage image = renderOf(&field);
    int line = 0;
    int gap = 0;
    for (int x = 10; x < 190; ++x) {
        (QColor(image.pixel(x, 39)) == theme(0) ? line : gap)++;
    }
    QVERIFY(line > 20);
    QVERIFY(gap > 20);
}

void TestTextField::labelTextCreatesTheLabel()
{
    QtMaterialTextField field;
    field.setLabelText(QStringLiteral("Room name"));
    QtMaterialTextFieldLabel *label = labelOf(&field);
    QVERIFY(label);
    QVERIFY(field.labelVisible());
    QCOMPARE(field.contentsMargins().top(), 23);
    QCOMPARE(label->offset(), QPointF(0, 26));
    QCOMPARE(label->scale(), 1.0);
    QCOMPARE(label->color(), theme(6));
    QCOMPARE(label->font().pointSize(), 19);
    QCOMPARE(label->font().weight(), int(QFont::Medium));
}

void TestTextField::focusFloatsTheLabelAndGrowsTheInk()
{
    QWidget window;
    auto *field = new QtMaterialTextField(&window);
    auto *other = new QLineEdit(&window);
    field->setGeometry(0, 0, 200, 60);
    other->setGeometry(0, 70, 200, 30);
    field->setLabelText(QStringLiteral("Room name"));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());

    QtMaterialTextFieldLabel *label = labelOf(field);
    QCOMPARE(label->geometry(), QRect(0, 0, 200, 60));

    field->setFocus();
    QTRY_COMPARE(machineOf(field)->progress(), 1.0);
    QTRY_COMPARE(label->offset(), QPointF(0, 10));
    QCOMPARE(label->scale(), 0.5);
    QTRY_COMPARE(label->color(), theme(4));

    // The ink bar covers the whole bottom 2 px.
    const QImage image = renderOf(field);
    QCOMPARE(QColor(image.pixel(0, 58)), theme(4));
    QCOMPARE(QColor(image.pixel(199, 59)), theme(4));

    other->setFocus();
    QTRY_COMPARE(machineOf(field)->progress(), 0.0);
    QTRY_COMPARE(label->offset(), QPointF(0, 26));
    QCOMPARE(label->scale(), 1.0);
}

void TestTextField::textSetWhileUnfocusedFloatsAtOnce()
{
    QtMaterialTextField field;
    field.setLabelText(QStringLiteral("Room name"));
    field.setText(QStringLiteral("101"));
    QCOMPARE(labelOf(&field)->offset(), QPointF(0, 10));
    QCOMPARE(labelOf(&field)->scale(), 1.0);
}

void TestTextField::clearedTextKeepsTheLabelUntilFocusLeaves()
{
    QWidget window;
    auto *field = new QtMaterialTextField(&window);
    auto *other = new QLineEdit(&window);
    other->move(0, 70);
    field->setLabelText(QStringLiteral("Room name"));
    field->setText(QStringLiteral("101"));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());

    field->clear();
    QCOMPARE(labelOf(field)->offset(), QPointF(0, 10));

    field->setFocus();
    QTRY_COMPARE(machineOf(field)->progress(), 1.0);
    other->setFocus();
    QTRY_COMPARE(labelOf(field)->offset(), QPointF(0, 26));
}

void TestTextField::typingResetsTheLabelColour()
{
    QWidget window;
    auto *field = new QtMaterialTextField(&window);
    field->setLabelText(QStringLiteral("Room name"));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    QTRY_COMPARE(labelOf(field)->color(), theme(4));

    QTest::keyClick(field, Qt::Key_A);
    QCOMPARE(field->text(), QStringLiteral("a"));
    QCOMPARE(labelOf(field)->color(), theme(6));
}

void TestTextField::labelVisibilityReusesTheLabel()
{
    QtMaterialTextField field;
    field.setLabelText(QStringLiteral("Room name"));
    QtMaterialTextFieldLabel *label = labelOf(&field);
    field.resize(200, 60);

    field.setLabelVisible(false);
    QCOMPARE(field.contentsMargins().top(), 0);
    QCOMPARE(labelOf(&field), label);
    // The label paints nothing now.
    QImage image(label->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    label->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    bool painted = false;
    for (int y = 0; y < image.height() && !painted; ++y) {
        for (int x = 0; x < image.width() && !painted; ++x) {
            painted = qAlpha(image.pixel(x, y)) != 0;
        }
    }
    QVERIFY(!painted);

    field.setLabelVisible(true);
    QCOMPARE(field.contentsMargins().top(), 23);
    QCOMPARE(field.findChildren<QtMaterialTextFieldLabel *>().size(), 1);
    QCOMPARE(labelOf(&field), label);
}

void TestTextField::labelFontSize()
{
    QtMaterialTextField existing;
    existing.setLabelText(QStringLiteral("Room name"));
    existing.setLabelFontSize(12);
    QCOMPARE(labelOf(&existing)->font().pointSizeF(), 12.0);

    QtMaterialTextField fresh;
    fresh.setLabelFontSize(12);
    fresh.setLabelText(QStringLiteral("Room name"));
    QCOMPARE(labelOf(&fresh)->font().pointSize(), 24);
}

void TestTextField::colourGetters()
{
    QtMaterialTextField field;
    QCOMPARE(field.textColor(), theme(8));
    QCOMPARE(field.labelColor(), theme(6));
    QCOMPARE(field.inkColor(), theme(4));
    QCOMPARE(field.inputLineColor(), theme(0));

    field.setTextColor(Qt::white);
    QVERIFY(!field.useThemeColors());
    QCOMPARE(field.textColor(), QColor(Qt::white));
    QCOMPARE(field.palette().color(QPalette::Text), QColor(Qt::white));
    QCOMPARE(field.labelColor(), theme(6));
    QCOMPARE(field.inkColor(), theme(4));

    field.setInputLineColor(Qt::red);
    field.resize(200, 40);
    QCOMPARE(QColor(renderOf(&field).pixel(100, 39)), QColor(Qt::red));

    field.setUseThemeColors(true);
    QCOMPARE(field.palette().color(QPalette::Text), theme(8));
    QCOMPARE(field.inputLineColor(), theme(0));
}

QTEST_MAIN(TestTextField)
#include "tst_textfield.moc"
