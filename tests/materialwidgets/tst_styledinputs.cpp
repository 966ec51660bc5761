// Line edit, combo box and date-time edit: their look, fonts and the combo box's editability.

#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmaterialdatetimeedit.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtheme.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QListView>
#include <QTest>

namespace {

bool containsColor(const QImage &image, const QColor &color)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)).rgb() == color.rgb())
                return true;
    return false;
}

// Widgets resolve a font against the application's, so compare what a reader sees rather than QFont identity.
bool sameFont(const QFont &a, const QFont &b)
{
    return a.family() == b.family() && a.pointSizeF() == b.pointSizeF() && a.weight() == b.weight() &&
           a.letterSpacing() == b.letterSpacing() && a.letterSpacingType() == b.letterSpacingType() &&
           a.capitalization() == b.capitalization();
}

QColor centre(QWidget &w)
{
    const QImage image = w.grab().toImage();
    return QColor(image.pixel(image.width() / 2, image.height() / 2));
}

// The brightest grey level inside the field, its border left out.
int brightestInside(QWidget &w)
{
    const QImage image = w.grab().toImage();
    int brightest = 0;
    for (int y = 4; y < image.height() - 4; ++y)
        for (int x = 4; x < image.width() - 4; ++x)
            brightest = qMax(brightest, qGray(image.pixel(x, y)));
    return brightest;
}

} // namespace

class TestStyledInputs : public QObject
{
    Q_OBJECT

private slots:
    void lineEditSetUp()
    {
        QtMaterialLineEdit edit(nullptr);
        QCOMPARE(edit.fontIndex(), 8);
        QVERIFY(sameFont(edit.font(), QtMaterialStyle::instance().themeFont(8)));
        QVERIFY(edit.styleSheet().startsWith("QLineEdit{background-color: #263440;"));
        QVERIFY(edit.styleSheet().contains("QLineEdit:hover{background-color: #557FA3;}"));
        QVERIFY(edit.text().isEmpty());

        QtMaterialLineEdit withText("Room 101", nullptr);
        QCOMPARE(withText.text(), QString("Room 101"));
        QCOMPARE(withText.fontIndex(), 8);
        QCOMPARE(withText.styleSheet(), edit.styleSheet());
    }

    void fontIndex_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("expectedFont");
        QTest::newRow("caption") << 12 << 12;
        QTest::newRow("button") << 10 << 10;
        QTest::newRow("past the end") << 13 << 8;
    }

    void fontIndex()
    {
        QFETCH(int, index);
        QFETCH(int, expectedFont);
        const QFont expected = QtMaterialStyle::instance().themeFont(expectedFont);

        QtMaterialLineEdit edit(nullptr);
        edit.setFontIndex(index);
        QCOMPARE(edit.fontIndex(), index);
        QVERIFY(sameFont(edit.font(), expected));

        QtMaterialComboBox combo(nullptr);
        combo.setFontIndex(index);
        QCOMPARE(combo.fontIndex(), index);
        QVERIFY(sameFont(combo.font(), expected));

        QtMaterialDateTimeEdit date(nullptr);
        date.setFontIndex(index);
        QCOMPARE(date.fontIndex(), index);
        QVERIFY(sameFont(date.font(), expected));
    }

    void lineEditHoverAndFocusColours()
    {
        QWidget window;
        auto *edit = new QtMaterialLineEdit(&window);
        edit->setGeometry(10, 10, 200, 40);
        auto *other = new QLineEdit(&window);
        other->setGeometry(10, 60, 200, 40);
        window.resize(220, 110);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());

        QCOMPARE(centre(*edit), QColor("#263440"));
        edit->setAttribute(Qt::WA_UnderMouse, true);
        QCOMPARE(centre(*edit), QColor("#557FA3"));

        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        QCOMPARE(centre(*edit), QColor("#263440"));
    }

    void placeholderIsDimmed()
    {
        QtMaterialLineEdit edit(nullptr);
        edit.setPlaceholderText("Unlock password");
        edit.resize(300, 40);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        // The palette's dimmed white survives the style sheet's polish; typed text stays white.
        QCOMPARE(edit.palette().color(QPalette::PlaceholderText),
                 QtMaterialTheme::paletteColor(QtMaterialLineEdit::DimmedTextPaletteIndex));
        QCOMPARE(edit.palette().color(QPalette::Text), QColor(Qt::white));
        const int placeholder = brightestInside(edit);
        edit.setText("Unlock password");
        const int typed = brightestInside(edit);
        QCOMPARE(typed, 255);
        QVERIFY2(placeholder < 200, qPrintable(QString::number(placeholder)));
    }

    void comboBoxIsEditableWithItsOwnViews()
    {
        QWidget window;
        auto *combo = new QtMaterialComboBox(&window);
        QCOMPARE(combo->fontIndex(), 8);
        const QFont body = QtMaterialStyle::instance().themeFont(8);
        QVERIFY(sameFont(combo->font(), body));
        QVERIFY(combo->isEditable());
        QVERIFY(combo->lineEdit());
        QVERIFY(sameFont(combo->lineEdit()->font(), body));
        QVERIFY(qobject_cast<QListView *>(combo->view()));
        QVERIFY(sameFont(combo->view()->font(), body));
        QVERIFY(combo->styleSheet().startsWith("QComboBox{background-color: #263440;border: 1px solid #ffffff;"));
        QVERIFY(combo->styleSheet().endsWith(
            "QComboBox QAbstractItemView::item:hover{background-color: #557FA3;color:#ffffff;}"));

        combo->addItems({"Service", "Alarm"});
        QCOMPARE(combo->currentText(), QString("Service"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), "Laundry");
        QCOMPARE(combo->currentText(), QString("Laundry"));

        // Pages that only offer a fixed list switch the editing off again.
        combo->setEditable(false);
        QCOMPARE(combo->currentText(), QString("Service"));
    }

    void dateTimeEditHasStyledCalendarPopup()
    {
        QtMaterialDateTimeEdit edit(nullptr);
        QVERIFY(edit.calendarPopup());
        QCOMPARE(edit.fontIndex(), 8);
        QVERIFY(sameFont(edit.font(), QtMaterialStyle::instance().themeFont(8)));
        QVERIFY(edit.styleSheet().startsWith("QDateTimeEdit{background-color: #263440;"));

        QCalendarWidget *calendar = edit.calendarWidget();
        QVERIFY(calendar);
        QVERIFY(calendar->styleSheet().contains("QAbstractItemView:enabled{color:#ABD265;"));
        calendar->resize(400, 300);
        calendar->setSelectedDate(QDate(2026, 12, 10));
        QVERIFY(containsColor(calendar->grab().toImage(), QColor("#ABD265")));
    }
};

QTEST_MAIN(TestStyledInputs)
#include "tst_styledinputs.moc"
