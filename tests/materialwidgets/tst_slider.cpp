// The material slider: keyboard and mouse, page steps, thumb and halo states, colours, painting, and the life of
// its thumb and track in the parent.

#include "materialwidgets/qtmaterialslider.h"
#include "materialwidgets/qtmaterialsliderthumb.h"
#include "materialwidgets/qtmaterialslidertrack.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtheme.h"

#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {

QtMaterialSliderThumb *thumbOf(QWidget *parent)
{
    return parent->findChild<QtMaterialSliderThumb *>(QString(), Qt::FindDirectChildrenOnly);
}

QtMaterialSliderTrack *trackOf(QWidget *parent)
{
    return parent->findChild<QtMaterialSliderTrack *>(QString(), Qt::FindDirectChildrenOnly);
}

void hoverTo(QWidget *w, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

void dragTo(QWidget *w, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

void leave(QWidget *w)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(w, &event);
}

// A 260 x 40 slider over 0..100 at (20, 20): a 200 px track, 2 px per value, thumb centre at x = 30 + 2 * value
// in slider coordinates.
struct Fixture
{
    QWidget window;
    QtMaterialSlider *slider;
    QLineEdit *other;

    Fixture()
    {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor("#263440"));
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        slider = new QtMaterialSlider(&window);
        slider->setRange(0, 100);
        slider->setGeometry(20, 20, 260, 40);
        other = new QLineEdit(&window);
        other->setGeometry(20, 70, 100, 24);
        window.resize(300, 100);
    }

    bool show()
    {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        other->setFocus();
        return other->hasFocus();
    }
};

QPoint at(int value)
{
    return QPoint(30 + 2 * value, 20);
}

} // namespace

class TestSlider : public QObject
{
    Q_OBJECT

private slots:
    void defaults()
    {
        QWidget parent;
        QtMaterialSlider slider(&parent);
        QCOMPARE(slider.orientation(), Qt::Horizontal);
        QCOMPARE(slider.minimum(), 0);
        QCOMPARE(slider.maximum(), 99);
        QCOMPARE(slider.pageStep(), 1);
        QCOMPARE(slider.focusPolicy(), Qt::StrongFocus);
        QVERIFY(slider.hasMouseTracking());
        QCOMPARE(slider.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(slider.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        QVERIFY(!slider.testAttribute(Qt::WA_WState_OwnSizePolicy));
        QCOMPARE(slider.minimumSizeHint(), QSize(130, 34));
        QVERIFY(slider.pageStepMode());
        QVERIFY(slider.useThemeColors());
        QCOMPARE(slider.thumbColor(), QColor("#2196F3"));
        QCOMPARE(slider.trackColor(), QtMaterialStyle::instance().themeColor(6));
        QCOMPARE(slider.disabledColor(), QtMaterialStyle::instance().themeColor(12));

        QtMaterialSliderThumb *thumb = thumbOf(&parent);
        QtMaterialSliderTrack *track = trackOf(&parent);
        QVERIFY(thumb && track);
        QVERIFY(thumb->testAttribute(Qt::WA_TransparentForMouseEvents));
        QVERIFY(track->testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(thumb->diameter(), 11.0);
        QCOMPARE(thumb->borderWidth(), 2.0);
        QCOMPARE(thumb->haloSize(), 0.0);
        QCOMPARE(track->trackWidth(), 2);
        QCOMPARE(track->fillColor(), slider.trackColor().lighter(130));

        slider.setOrientation(Qt::Vertical);
        QCOMPARE(slider.minimumSizeHint(), QSize(34, 130));
        QCOMPARE(slider.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(slider.sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    }

    void keyboardDrivesTheValue()
    {
        Fixture f;
        QVERIFY(f.show());
        f.slider->setFocus();
        QTRY_VERIFY(f.slider->hasFocus());
        QSignalSpy changed(f.slider, &QAbstractSlider::valueChanged);
        QTest::keyClick(f.slider, Qt::Key_Right);
        QCOMPARE(f.slider->value(), 1);
        QTest::keyClick(f.slider, Qt::Key_PageUp);
        QCOMPARE(f.slider->value(), 2);
        QTest::keyClick(f.slider, Qt::Key_End);
        QCOMPARE(f.slider->value(), 100);
        QTest::keyClick(f.slider, Qt::Key_Left);
        QCOMPARE(f.slider->value(), 99);
        QTest::keyClick(f.slider, Qt::Key_Home);
        QCOMPARE(f.slider->value(), 0);
        QCOMPARE(changed.count(), 5);
        QCOMPARE(thumbOf(&f.window)->offset(), 0);
    }

    void pressBesideTheThumbStepsTowardThePointer_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("firstStep");
        QTest::newRow("right of the thumb") << 80 << 51;
        QTest::newRow("left of the thumb") << 5 << 49;
    }

    void pressBesideTheThumbStepsTowardThePointer()
    {
        QFETCH(int, target);
        QFETCH(int, firstStep);
        Fixture f;
        QVERIFY(f.show());
        f.slider->setValue(50);
        QSignalSpy pressed(f.slider, &QAbstractSlider::sliderPressed);

        QTest::mousePress(f.slider, Qt::LeftButton, Qt::NoModifier, at(target));
        QCOMPARE(f.slider->value(), firstStep);
        QVERIFY(!f.slider->isSliderDown());
        QCOMPARE(pressed.count(), 0);
        // Held, it repeats (after 400 ms, every 8 ms) and stops under the pointer.
        QTRY_COMPARE(f.slider->value(), target);
        QTest::qWait(60);
        QCOMPARE(f.slider->value(), target);
        QTest::mouseRelease(f.slider, Qt::LeftButton, Qt::NoModifier, at(target));
        QCOMPARE(f.slider->value(), target);
        QCOMPARE(pressed.count(), 0);
    }

    void releaseStopsThePageStepRepeat()
    {
        Fixture f;
        QVERIFY(f.show());
        QTest::mousePress(f.slider, Qt::LeftButton, Qt::NoModifier, at(100));
        QCOMPARE(f.slider->value(), 1);
        QTRY_VERIFY(f.slider->value() > 3);
        QTest::mouseRelease(f.slider, Qt::LeftButton, Qt::NoModifier, at(100));
        const int stopped = f.slider->value();
        QVERIFY(stopped < 100);
        QTest::qWait(50);
        QCOMPARE(f.slider->value(), stopped);
    }

    void draggingTheThumb()
    {
        Fixture f;
        QVERIFY(f.show());
        f.slider->setValue(50);
        QtMaterialSliderThumb *thumb = thumbOf(&f.window);
        QSignalSpy pressed(f.slider, &QAbstractSlider::sliderPressed);
        QSignalSpy released(f.slider, &QAbstractSlider::sliderReleased);
        QSignalSpy moved(f.slider, &QAbstractSlider::sliderMoved);

        // Anywhere on the 16 x 16 square around the thumb centre grabs it.
        QTest::mousePress(f.slider, Qt::LeftButton, Qt::NoModifier, at(50) + QPoint(7, -7));
        QVERIFY(f.slider->isSliderDown());
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(f.slider->value(), 50);
        QVERIFY(f.slider->hasFocus());
        QTRY_COMPARE(thumb->diameter(), 17.0);
        QTRY_COMPARE(thumb->haloSize(), 0.0);

        dragTo(f.slider, at(70));
        QCOMPARE(f.slider->value(), 70);
        QCOMPARE(moved.count(), 1);
        QCOMPARE(thumb->offset(), 140);
        dragTo(f.slider, QPoint(400, 20));
        QCOMPARE(f.slider->value(), 100);

        QTest::mouseRelease(f.slider, Qt::LeftButton, Qt::NoModifier, QPoint(400, 20));
        QVERIFY(!f.slider->isSliderDown());
        QCOMPARE(released.count(), 1);
        QTRY_COMPARE(thumb->diameter(), 11.0);
    }

    void pressWithoutPageStepModeJumps()
    {
        Fixture f;
        QVERIFY(f.show());
        f.slider->setPageStepMode(false);
        QVERIFY(!f.slider->pageStepMode());
        QSignalSpy pressed(f.slider, &QAbstractSlider::sliderPressed);
        QTest::mousePress(f.slider, Qt::LeftButton, Qt::NoModifier, at(75));
        QCOMPARE(f.slider->value(), 75);
        QVERIFY(f.slider->isSliderDown());
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(thumbOf(&f.window)->haloSize(), 0.0);
        QTest::mouseRelease(f.slider, Qt::LeftButton, Qt::NoModifier, at(75));
        QVERIFY(!f.slider->isSliderDown());
    }

    void ringAtTheMinimum()
    {
        Fixture f;
        QtMaterialSliderThumb *thumb = thumbOf(&f.window);
        const QColor background("#263440");
        QCOMPARE(thumb->fillColor(), background);
        QCOMPARE(thumb->borderColor(), f.slider->trackColor());
        QCOMPARE(thumb->haloColor(), f.slider->trackColor());
        QCOMPARE(thumb->borderWidth(), 2.0);

        f.slider->setValue(30);
        QTRY_COMPARE(thumb->fillColor(), f.slider->thumbColor());
        QTRY_COMPARE(thumb->borderWidth(), 0.0);
        QTRY_COMPARE(thumb->haloColor(), f.slider->thumbColor());

        f.slider->setValue(0);
        QTRY_COMPARE(thumb->fillColor(), background);
        QTRY_COMPARE(thumb->borderWidth(), 2.0);
    }

    void hoverPulsesTheHaloOfAnUnfocusedSlider()
    {
        Fixture f;
        QVERIFY(f.show());
        QtMaterialSliderThumb *thumb = thumbOf(&f.window);
        hoverTo(f.slider, QPoint(150, 21));
        QTRY_VERIFY(thumb->haloSize() > 34.5);
        QTRY_VERIFY(thumb->haloSize() < 28.5);
        QCOMPARE(trackOf(&f.window)->fillColor(), f.slider->trackColor());
        leave(f.slider);
        QTRY_COMPARE(thumb->haloSize(), 0.0);
        QTRY_COMPARE(trackOf(&f.window)->fillColor(), f.slider->trackColor().lighter(130));

        // Away from the track nothing happens.
        hoverTo(f.slider, QPoint(150, 2));
        QTest::qWait(50);
        QCOMPARE(thumb->haloSize(), 0.0);
    }

    void focusKeepsThePulseWhateverTheHover()
    {
        Fixture f;
        QVERIFY(f.show());
        QtMaterialSliderThumb *thumb = thumbOf(&f.window);
        f.slider->setFocus();
        QTRY_VERIFY(thumb->haloSize() > 34.5);
        hoverTo(f.slider, QPoint(150, 21));
        leave(f.slider);
        QTest::qWait(400);
        QVERIFY(thumb->haloSize() > 20);
        f.other->setFocus();
        QTRY_COMPARE(thumb->haloSize(), 0.0);
    }

    void thumbFollowsResizeAndInversion()
    {
        Fixture f;
        QVERIFY(f.show());
        f.slider->setValue(50);
        QtMaterialSliderThumb *thumb = thumbOf(&f.window);
        QCOMPARE(thumb->offset(), 100);
        f.slider->resize(160, 40);
        QCOMPARE(thumb->offset(), 50);
        f.slider->setValue(20);
        QCOMPARE(thumb->offset(), 20);
        f.slider->setInvertedAppearance(true);
        QCOMPARE(thumb->offset(), 80);
        // Inverted, the pointer maps from the far end as well.
        f.slider->setPageStepMode(false);
        QTest::mousePress(f.slider, Qt::LeftButton, Qt::NoModifier, QPoint(40, 20));
        QCOMPARE(f.slider->value(), 90);
        QTest::mouseRelease(f.slider, Qt::LeftButton, Qt::NoModifier, QPoint(40, 20));
    }

    void colourSetters()
    {
        Fixture f;
        QtMaterialSliderTrack *track = trackOf(&f.window);
        QtMaterialSliderThumb *thumb = thumbOf(&f.window);
        f.slider->setTrackColor(Qt::red);
        QVERIFY(!f.slider->useThemeColors());
        QCOMPARE(track->fillColor(), QColor(Qt::red).lighter(130));
        QCOMPARE(f.slider->thumbColor(), QColor("#2196F3"));
        QCOMPARE(f.slider->disabledColor(), QtMaterialStyle::instance().themeColor(12));
        f.slider->setThumbColor(Qt::green);
        f.slider->setValue(10);
        QTRY_COMPARE(thumb->fillColor(), QColor(Qt::green));
        f.slider->setUseThemeColors(true);
        QCOMPARE(f.slider->trackColor(), QtMaterialStyle::instance().themeColor(6));
        QCOMPARE(track->fillColor(), f.slider->trackColor().lighter(130));
    }

    void themeReplacementRecolours()
    {
        Fixture f;
        auto *other = new QtMaterialTheme;
        other->setColor(6, QColor("#ABD265"));
        QtMaterialStyle::instance().setTheme(other);
        QCOMPARE(trackOf(&f.window)->fillColor(), QColor("#ABD265").lighter(130));
        QtMaterialStyle::instance().setTheme(new QtMaterialTheme);
        QCOMPARE(trackOf(&f.window)->fillColor(), QtMaterialStyle::instance().themeColor(6).lighter(130));
    }

    void painting_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("enabled above the minimum") << 50 << true;
        QTest::newRow("disabled above the minimum") << 50 << false;
        QTest::newRow("disabled at the minimum") << 0 << false;
    }

    void painting()
    {
        QFETCH(int, value);
        QFETCH(bool, enabled);
        Fixture f;
        f.slider->setThumbColor(Qt::blue);
        f.slider->setDisabledColor(Qt::red);
        f.slider->setTrackColor(Qt::green);
        f.slider->setValue(value);
        f.slider->setEnabled(enabled);
        QVERIFY(f.show());
        if (value > 0)
            QTRY_COMPARE(thumbOf(&f.window)->fillColor(), QColor(Qt::blue));
        QTRY_COMPARE(thumbOf(&f.window)->borderWidth(), value > 0 ? 0.0 : 2.0);

        const QImage image = f.window.grab().toImage();
        auto pixel = [&](int x, int y) { return QColor(image.pixel(x, y)); };
        // Centre of the thumb in window coordinates; the track's two rows are y = 39 and 40.
        const int cx = 20 + 30 + 2 * value;
        const int cy = 40;
        const QColor background("#263440");
        if (enabled) {
            QCOMPARE(pixel(cx, cy), QColor(Qt::blue));
            QCOMPARE(pixel(cx - 40, cy), QColor(Qt::blue));
            QCOMPARE(pixel(cx + 40, cy).rgb(), QColor(Qt::green).lighter(130).rgb());
            QCOMPARE(pixel(cx, cy - 5), QColor(Qt::blue)); // inside the 11 px thumb
            QCOMPARE(pixel(cx, cy - 8), background);
        } else if (value > 0) {
            QCOMPARE(pixel(cx, cy), QColor(Qt::red)); // the 7 px dot
            QCOMPARE(pixel(cx, cy - 5), background);
            QCOMPARE(pixel(cx - 5, cy), background); // 6 px gaps on both sides
            QCOMPARE(pixel(cx + 5, cy), background);
            QCOMPARE(pixel(cx - 40, cy), QColor(Qt::red));
            QCOMPARE(pixel(cx + 40, cy), QColor(Qt::red));
        } else {
            // A hollow 7 px ring in the track colour; the track beyond it in the disabled colour.
            QCOMPARE(pixel(cx, cy), background);
            QCOMPARE(pixel(cx + 40, cy), QColor(Qt::red));
            bool ringSeen = false;
            for (int y = cy - 5; y <= cy - 2; ++y)
                ringSeen = ringSeen || pixel(cx, y).green() > 100;
            QVERIFY(ringSeen);
        }
    }

    void thumbAndTrackFollowTheSliderToItsParent()
    {
        QWidget window;
        window.resize(300, 100);
        auto *slider = new QtMaterialSlider(nullptr);
        QtMaterialSliderThumb *thumb = nullptr;
        for (QWidget *w : QApplication::allWidgets())
            if (auto *t = qobject_cast<QtMaterialSliderThumb *>(w))
                thumb = t;
        QVERIFY(thumb);
        QVERIFY(!thumb->parentWidget());
        slider->setParent(&window);
        QCOMPARE(thumbOf(&window), thumb);
        QVERIFY(trackOf(&window));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(thumb->geometry(), window.rect());
    }

    void thumbAndTrackDieWithTheSlider()
    {
        QWidget window;
        window.resize(300, 100);
        auto *slider = new QtMaterialSlider(&window);
        slider->setGeometry(20, 20, 260, 40);
        slider->setValue(40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QPointer<QtMaterialSliderThumb> thumb = thumbOf(&window);
        QPointer<QtMaterialSliderTrack> track = trackOf(&window);
        QVERIFY(thumb && track);

        delete slider;
        QVERIFY(thumb.isNull());
        QVERIFY(track.isNull());
        // The parent keeps living, resizing and painting without them.
        window.resize(400, 120);
        QVERIFY(!window.grab().isNull());

        // A slider that never had a parent takes them along as well.
        int before = 0;
        for (QWidget *w : QApplication::allWidgets())
            before += qobject_cast<QtMaterialOverlayWidget *>(w) ? 1 : 0;
        delete new QtMaterialSlider(nullptr);
        int after = 0;
        for (QWidget *w : QApplication::allWidgets())
            after += qobject_cast<QtMaterialOverlayWidget *>(w) ? 1 : 0;
        QCOMPARE(after, before);
    }

    void deletingTheParentTakesEverything()
    {
        auto *window = new QWidget;
        auto *slider = new QtMaterialSlider(window);
        slider->setValue(10);
        QPointer<QtMaterialSlider> guard = slider;
        QPointer<QtMaterialSliderThumb> thumb = thumbOf(window);
        QPointer<QtMaterialSliderTrack> track = trackOf(window);
        delete window;
        QVERIFY(guard.isNull() && thumb.isNull() && track.isNull());
    }
};

QTEST_MAIN(TestSlider)
#include "tst_slider.moc"
