// The group box: theme font and text colour, passed on to its children.

#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QLabel>
#include <QPainter>
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
    void titleIsDrawnWhole_data();
    void titleIsDrawnWhole();
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

// The width of what differs from the background within the top rows: from the first to the last such column.
static int inkWidth(const QImage &image, int rows, QRgb background)
{
    int left = image.width();
    int right = -1;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
        }
    }
    return right - left + 1;
}

void TestGroupBox::titleIsDrawnWhole_data()
{
    QTest::addColumn<int>("fontIndex");
    QTest::newRow("body font, 0.5 px a letter") << 8;
    QTest::newRow("caption font, 1.5 px a letter") << 12;
    QTest::newRow("no letter spacing") << 2;
}

void TestGroupBox::titleIsDrawnWhole()
{
    QFETCH(int, fontIndex);
    const QString title = QStringLiteral("Air conditioners");
    QtMaterialGroupBox box(title, fontIndex);
    box.setTextColor(Qt::black);
    box.resize(1200, 160);
    const QColor background = box.palette().color(QPalette::Window);
    // Above the baseline of the title: the frame lies below it.
    const int rows = box.fontMetrics().ascent();

    QImage drawn(box.size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(background);
    box.render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren);

    // The same text drawn freely, with nothing to clip it.
    QImage free(box.size(), QImage::Format_ARGB32_Premultiplied);
    free.fill(background);
    {
        QPainter painter(&free);
        // In pixels, as on the screen: the image's own resolution would scale a size in points.
        QFont font = box.font();
        font.setPixelSize(QFontInfo(box.font()).pixelSize());
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(10, rows), title);
    }
    const int whole = inkWidth(free, rows, background.rgb());
    QVERIFY(whole > box.fontMetrics().boundingRect(title).width() / 2);
    // Within the last, faintly smoothed column, which the platform's style may clip.
    const int width = inkWidth(drawn, rows, background.rgb());
    QVERIFY2(qAbs(width - whole) <= 1, qPrintable(QString("title %1 px wide, text %2 px").arg(width).arg(whole)));
}

QTEST_MAIN(TestGroupBox)
#include "tst_groupbox.moc"
