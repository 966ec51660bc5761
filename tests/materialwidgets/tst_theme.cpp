// Theme colours and fonts, the palette and the icon path rule.

#include "materialwidgets/qtmaterialtheme.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QtTest>

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void defaultColors_data();
    void defaultColors();
    void colorOutsideTableIsInvalid_data();
    void colorOutsideTableIsInvalid();
    void setColorOutsideTableIsIgnored();
    void setPaletteColor();
    void defaultFonts_data();
    void defaultFonts();
    void fontOutsideTableIsBodyFont_data();
    void fontOutsideTableIsBodyFont();
    void setFontOutsideTableIsIgnored();
    void paletteEntries_data();
    void paletteEntries();
    void paletteOutsideTableIsInvalid_data();
    void paletteOutsideTableIsInvalid();
    void opaquePaletteIsOpaque();
    void rgba();
    void iconPath();
    void iconsUsedBySystemAreCompiledIn_data();
    void iconsUsedBySystemAreCompiledIn();
    void unknownIconDrawsNothing();
};

void TestTheme::defaultColors_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("rgb");
    QTest::addColumn<double>("alpha");
    QTest::newRow("0") << 0 << "#2196f3" << 1.0;
    QTest::newRow("1") << 1 << "#bbdefb" << 1.0;
    QTest::newRow("2") << 2 << "#1976d2" << 1.0;
    QTest::newRow("3") << 3 << "#ffffff" << 1.0;
    QTest::newRow("4") << 4 << "#ff9800" << 1.0;
    QTest::newRow("5") << 5 << "#ffac33" << 1.0;
    QTest::newRow("6") << 6 << "#b26a00" << 1.0;
    QTest::newRow("7") << 7 << "#000000" << 1.0;
    QTest::newRow("8") << 8 << "#212121" << 1.0;
    QTest::newRow("9") << 9 << "#ffffff" << 1.0;
    QTest::newRow("10") << 10 << "#ffffff" << 1.0;
    QTest::newRow("11") << 11 << "#e0e0e0" << 1.0;
    QTest::newRow("12") << 12 << "#000000" << 0.26;
    QTest::newRow("13") << 13 << "#000000" << 0.12;
    QTest::newRow("14") << 14 << "#e0e0e0" << 1.0;
}

void TestTheme::defaultColors()
{
    QFETCH(int, index);
    QFETCH(QString, rgb);
    QFETCH(double, alpha);
    QtMaterialTheme theme;
    const QColor color = theme.color(index);
    QVERIFY(color.isValid());
    QCOMPARE(color.name(), rgb);
    QVERIFY(qAbs(color.alphaF() - alpha) < 1.0 / 255);
}

void TestTheme::colorOutsideTableIsInvalid_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("15") << 15;
    QTest::newRow("100") << 100;
    QTest::newRow("-1") << -1;
}

void TestTheme::colorOutsideTableIsInvalid()
{
    QFETCH(int, index);
    QtMaterialTheme theme;
    QVERIFY(!theme.color(index).isValid());
}

void TestTheme::setColorOutsideTableIsIgnored()
{
    QtMaterialTheme theme;
    theme.setColor(15, Qt::red);
    theme.setColor(-1, Qt::red);
    QVERIFY(!theme.color(15).isValid());
    for (int i = 0; i < QtMaterialTheme::ColorCount; ++i) {
        QVERIFY(theme.color(i) != QColor(Qt::red));
    }
    theme.setColor(5, Qt::red);
    QCOMPARE(theme.color(5), QColor(Qt::red));
}

void TestTheme::setPaletteColor()
{
    QtMaterialTheme theme;
    theme.setPaletteColor(0, 201);
    QCOMPARE(theme.color(0).name(), QStringLiteral("#ff9800"));
    theme.setPaletteColor(1, 262);
    QCOMPARE(theme.color(1), QtMaterialTheme::paletteColor(262));
    // A palette index outside the palette leaves the colour as it was.
    theme.setPaletteColor(2, 265);
    theme.setPaletteColor(2, -1);
    QCOMPARE(theme.color(2).name(), QStringLiteral("#1976d2"));
}

void TestTheme::defaultFonts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<int>("weight");
    QTest::addColumn<double>("spacing");
    QTest::addColumn<bool>("allCaps");
    QTest::newRow("0") << 0 << 96 << 25 << -1.5 << false;
    QTest::newRow("1") << 1 << 60 << 25 << -0.5 << false;
    QTest::newRow("2") << 2 << 48 << 50 << 0.0 << false;
    QTest::newRow("3") << 3 << 34 << 50 << 0.25 << false;
    QTest::newRow("4") << 4 << 24 << 50 << 0.0 << false;
    QTest::newRow("5") << 5 << 20 << 57 << 0.15 << false;
    QTest::newRow("6") << 6 << 16 << 50 << 0.15 << false;
    QTest::newRow("7") << 7 << 14 << 57 << 0.1 << false;
    QTest::newRow("8") << 8 << 16 << 50 << 0.5 << false;
    QTest::newRow("9") << 9 << 14 << 50 << 0.25 << false;
    QTest::newRow("10") << 10 << 14 << 57 << 1.25 << true;
    QTest::newRow("11") << 11 << 12 << 50 << 0.4 << false;
    QTest::newRow("12") << 12 << 10 << 50 << 1.5 << false;
}

void TestTheme::defaultFonts()
{
    QFETCH(int, index);
    QFETCH(int, pointSize);
    QFETCH(int, weight);
    QFETCH(double, spacing);
    QFETCH(bool, allCaps);
    QtMaterialTheme theme;
    const QFont font = theme.font(index);
    QCOMPARE(font.family(), QStringLiteral("Roboto"));
    QCOMPARE(font.pointSize(), pointSize);
    QCOMPARE(font.weight(), weight);
    QCOMPARE(font.letterSpacingType(), QFont::AbsoluteSpacing);
    QVERIFY(qAbs(font.letterSpacing() - spacing) < 0.01);
    QCOMPARE(font.capitalization(), allCaps ? QFont::AllUppercase : QFont::MixedCase);
}

void TestTheme::fontOutsideTableIsBodyFont_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("13") << 13;
    QTest::newRow("100") << 100;
    QTest::newRow("-1") << -1;
}

void TestTheme::fontOutsideTableIsBodyFont()
{
    QFETCH(int, index);
    QtMaterialTheme theme;
    QCOMPARE(theme.font(index), theme.font(8));
}

void TestTheme::setFontOutsideTableIsIgnored()
{
    QtMaterialTheme theme;
    QFont font(QStringLiteral("Serif"), 40);
    theme.setFont(13, font);
    theme.setFont(-1, font);
    for (int i = 0; i < QtMaterialTheme::FontCount; ++i) {
        QVERIFY(theme.font(i) != font);
    }
    theme.setFont(12, font);
    QCOMPARE(theme.font(12), font);
}

void TestTheme::paletteEntries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("rgb");
    QTest::addColumn<double>("alpha");
    QTest::newRow("red 50") << 0 << "#ffebee" << 1.0;
    QTest::newRow("pink 500") << 19 << "#e91e63" << 1.0;
    QTest::newRow("blue 100") << 71 << "#bbdefb" << 1.0;
    QTest::newRow("blue 500") << 75 << "#2196f3" << 1.0;
    QTest::newRow("blue 700") << 77 << "#1976d2" << 1.0;
    QTest::newRow("orange 500") << 201 << "#ff9800" << 1.0;
    QTest::newRow("deep orange A700") << 223 << "#dd2c00" << 1.0;
    QTest::newRow("brown 50") << 224 << "#efebe9" << 1.0;
    QTest::newRow("blue grey 500") << 239 << "#607d8b" << 1.0;
    QTest::newRow("grey 300") << 247 << "#e0e0e0" << 1.0;
    QTest::newRow("grey 900") << 253 << "#212121" << 1.0;
    QTest::newRow("black") << 254 << "#000000" << 1.0;
    QTest::newRow("white") << 255 << "#ffffff" << 1.0;
    QTest::newRow("transparent") << 256 << "#000000" << 0.0;
    QTest::newRow("black 1.0") << 257 << "#000000" << 1.0;
    QTest::newRow("black 0.87") << 258 << "#000000" << 0.87;
    QTest::newRow("black 0.54") << 259 << "#000000" << 0.54;
    QTest::newRow("black 0.26") << 260 << "#000000" << 0.26;
    QTest::newRow("black 0.12") << 261 << "#000000" << 0.12;
    QTest::newRow("white 1.0") << 262 << "#ffffff" << 1.0;
    QTest::newRow("white 0.87") << 263 << "#ffffff" << 0.87;
    QTest::newRow("white 0.54") << 264 << "#ffffff" << 0.54;
}

void TestTheme::paletteEntries()
{
    QFETCH(int, index);
    QFETCH(QString, rgb);
    QFETCH(double, alpha);
    const QColor color = QtMaterialTheme::paletteColor(index);
    QVERIFY(color.isValid());
    QCOMPARE(color.name(), rgb);
    QVERIFY(qAbs(color.alphaF() - alpha) < 1.0 / 255);
}

void TestTheme::paletteOutsideTableIsInvalid_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("265") << 265;
    QTest::newRow("1000") << 1000;
    QTest::newRow("-1") << -1;
}

void TestTheme::paletteOutsideTableIsInvalid()
{
    QFETCH(int, index);
    QVERIFY(!QtMaterialTheme::paletteColor(index).isValid());
}

void TestTheme::opaquePaletteIsOpaque()
{
    QSet<QRgb> distinct;
    for (int i = 0; i < 256; ++i) {
        const QColor color = QtMaterialTheme::paletteColor(i);
        QVERIFY2(color.isValid() && color.alpha() == 255, qPrintable(QString::number(i)));
        distinct.insert(color.rgb());
    }
    // A shifted row would show up as duplicated neighbours; the published palette has only a few repeats.
    QVERIFY(distinct.size() > 240);
}

void TestTheme::rgba()
{
    const QColor color = QtMaterialTheme::rgba(10, 20, 30, 0.5);
    QVERIFY(color.isValid());
    QCOMPARE(color.red(), 10);
    QCOMPARE(color.green(), 20);
    QCOMPARE(color.blue(), 30);
    QVERIFY(qAbs(color.alphaF() - 0.5) < 1.0 / 255);

    const QColor tooRed = QtMaterialTheme::rgba(256, 0, 0, 0.5);
    QVERIFY(!tooRed.isValid());
    QVERIFY(!QtMaterialTheme::rgba(0, 0, 300, 1.0).isValid());
}

void TestTheme::iconPath()
{
    QCOMPARE(QtMaterialTheme::iconPath(QStringLiteral("content"), QStringLiteral("add")),
             QStringLiteral(":/myImages/icons/qtmaterial/content/svg/production/ic_add_24px.svg"));
    QCOMPARE(QtMaterialTheme::iconPath(QStringLiteral("navigation"), QStringLiteral("close")),
             QStringLiteral(":/myImages/icons/qtmaterial/navigation/svg/production/ic_close_24px.svg"));
}

void TestTheme::iconsUsedBySystemAreCompiledIn_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("name");
    const QList<QPair<QString, QString>> icons = {{"navigation", "close"},
                                                  {"navigation", "menu"},
                                                  {"navigation", "arrow_back"},
                                                  {"navigation", "expand_less"},
                                                  {"content", "add"},
                                                  {"content", "remove"},
                                                  {"content", "clear"},
                                                  {"content", "save"},
                                                  {"file", "cloud_upload"},
                                                  {"file", "cloud_download"},
                                                  {"toggle", "check_box"},
                                                  {"toggle", "check_box_outline_blank"},
                                                  {"toggle", "radio_button_checked"},
                                                  {"toggle", "radio_button_unchecked"}};
    for (const auto &icon : icons) {
        QTest::newRow(qPrintable(icon.first + "/" + icon.second)) << icon.first << icon.second;
    }
}

void TestTheme::iconsUsedBySystemAreCompiledIn()
{
    QFETCH(QString, category);
    QFETCH(QString, name);
    const QIcon icon = QtMaterialTheme::icon(category, name);
    QVERIFY(QFile::exists(QtMaterialTheme::iconPath(category, name)));
    const QImage image = icon.pixmap(24, 24).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(24, 24));
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            opaque += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
        }
    }
    QVERIFY2(opaque > 10, qPrintable(QString::number(opaque)));
}

void TestTheme::unknownIconDrawsNothing()
{
    const QIcon icon = QtMaterialTheme::icon(QStringLiteral("action"), QStringLiteral("no_such_icon"));
    const QPixmap pixmap = icon.pixmap(24, 24);
    if (!pixmap.isNull()) {
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                QCOMPARE(qAlpha(image.pixel(x, y)), 0);
            }
        }
    }
}

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
