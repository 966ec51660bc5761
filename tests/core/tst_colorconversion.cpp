// RGB to hue, saturation and lightness and back, on the natural scales and on the 0 to 240 scale.

#include "core/colorconversion.h"

#include <QtTest>

namespace {

bool near(float actual, float expected)
{
    return qAbs(actual - expected) < 0.01f;
}

} // namespace

class TestColorConversion : public QObject
{
    Q_OBJECT

private slots:
    void rgbToHsl_data();
    void rgbToHsl();
    void hslToRgb_data();
    void hslToRgb();
    void roundTripLosesAtMostOneStep();
    void scaledInputsCountByLowByte();
};

void TestColorConversion::rgbToHsl_data()
{
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::addColumn<float>("hue");
    QTest::addColumn<float>("saturation");
    QTest::addColumn<float>("lightness");
    QTest::newRow("black") << 0 << 0 << 0 << 240.0f << 0.0f << 0.0f;
    QTest::newRow("white") << 255 << 255 << 255 << 240.0f << 0.0f << 100.0f;
    QTest::newRow("grey") << 128 << 128 << 128 << 240.0f << 0.0f << 50.196f;
    QTest::newRow("red") << 255 << 0 << 0 << 0.0f << 100.0f << 50.0f;
    QTest::newRow("green") << 0 << 255 << 0 << 120.0f << 100.0f << 50.0f;
    QTest::newRow("blue") << 0 << 0 << 255 << 240.0f << 100.0f << 50.0f;
    QTest::newRow("red above blue") << 255 << 0 << 128 << 329.88f << 100.0f << 50.0f;
    QTest::newRow("red and green tie") << 255 << 255 << 0 << 60.0f << 100.0f << 50.0f;
    QTest::newRow("green and blue tie") << 0 << 255 << 255 << 180.0f << 100.0f << 50.0f;
    QTest::newRow("light tint") << 255 << 204 << 204 << 0.0f << 100.0f << 90.0f;
    QTest::newRow("dark shade") << 51 << 0 << 0 << 0.0f << 100.0f << 10.0f;
}

void TestColorConversion::rgbToHsl()
{
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(float, hue);
    QFETCH(float, saturation);
    QFETCH(float, lightness);

    float h = -1, s = -1, l = -1;
    ::rgbToHsl(quint8(r), quint8(g), quint8(b), h, s, l);
    QVERIFY2(near(h, hue), qPrintable(QString::number(h)));
    QVERIFY2(near(s, saturation), qPrintable(QString::number(s)));
    QVERIFY2(near(l, lightness), qPrintable(QString::number(l)));

    // The 0 to 240 scale is the same result scaled, not rounded.
    ::rgbToHsl240(r, g, b, &h, &s, &l);
    QVERIFY2(near(h, hue * 240 / 360), qPrintable(QString::number(h)));
    QVERIFY2(near(s, saturation * 240 / 100), qPrintable(QString::number(s)));
    QVERIFY2(near(l, lightness * 240 / 100), qPrintable(QString::number(l)));
}

void TestColorConversion::hslToRgb_data()
{
    QTest::addColumn<float>("hue");
    QTest::addColumn<float>("saturation");
    QTest::addColumn<float>("lightness");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::newRow("red") << 0.0f << 100.0f << 50.0f << 255 << 0 << 0;
    QTest::newRow("green") << 120.0f << 100.0f << 50.0f << 0 << 255 << 0;
    QTest::newRow("blue") << 240.0f << 100.0f << 50.0f << 0 << 0 << 255;
    QTest::newRow("grey truncated") << 77.0f << 0.0f << 50.0f << 127 << 127 << 127;
    QTest::newRow("black") << 0.0f << 100.0f << 0.0f << 0 << 0 << 0;
    QTest::newRow("white") << 200.0f << 100.0f << 100.0f << 255 << 255 << 255;
    QTest::newRow("yellow") << 60.0f << 100.0f << 50.0f << 255 << 255 << 0;
    QTest::newRow("full circle") << 360.0f << 100.0f << 50.0f << 255 << 0 << 0;
    QTest::newRow("out of range is clamped") << 0.0f << 0.0f << 150.0f << 255 << 255 << 255;
}

void TestColorConversion::hslToRgb()
{
    QFETCH(float, hue);
    QFETCH(float, saturation);
    QFETCH(float, lightness);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);

    quint8 red = 1, green = 1, blue = 1;
    ::hslToRgb(hue, saturation, lightness, red, green, blue);
    QCOMPARE(int(red), r);
    QCOMPARE(int(green), g);
    QCOMPARE(int(blue), b);

    red = green = blue = 1;
    ::hsl240ToRgb(hue * 240 / 360, saturation * 240 / 100, lightness * 240 / 100, &red, &green, &blue);
    QCOMPARE(int(red), r);
    QCOMPARE(int(green), g);
    QCOMPARE(int(blue), b);
}

void TestColorConversion::roundTripLosesAtMostOneStep()
{
    bool someChannelDropped = false;
    for (int r = 0; r < 256; r += 15) {
        for (int g = 0; g < 256; g += 15) {
            for (int b = 0; b < 256; b += 15) {
                float h, s, l;
                quint8 r2, g2, b2;
                ::rgbToHsl240(r, g, b, &h, &s, &l);
                ::hsl240ToRgb(h, s, l, &r2, &g2, &b2);
                const int dr = r - r2, dg = g - g2, db = b - b2;
                QVERIFY2(dr >= 0 && dr <= 1 && dg >= 0 && dg <= 1 && db >= 0 && db <= 1,
                         qPrintable(QString("%1,%2,%3 -> %4,%5,%6").arg(r).arg(g).arg(b).arg(r2).arg(g2).arg(b2)));
                someChannelDropped = someChannelDropped || dr || dg || db;
            }
        }
    }
    // The way back truncates, so some colours do come back a step lower.
    QVERIFY(someChannelDropped);
}

void TestColorConversion::scaledInputsCountByLowByte()
{
    float h1, s1, l1, h2, s2, l2;
    ::rgbToHsl240(255 + 256, 256, 128 + 512, &h1, &s1, &l1);
    ::rgbToHsl240(255, 0, 128, &h2, &s2, &l2);
    QCOMPARE(h1, h2);
    QCOMPARE(s1, s2);
    QCOMPARE(l1, l2);
}

QTEST_GUILESS_MAIN(TestColorConversion)
#include "tst_colorconversion.moc"
