// Renders the inputs, busy wheel, check buttons, sliders and tab strip side by side into toolkit2.png beside the
// test binary, for a look by eye; checks that each of them put something on the picture.

#include "materialwidgets/qprogressindicator.h"
#include "materialwidgets/qtmaterialcheckbox.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmaterialdatetimeedit.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialradiobutton.h"
#include "materialwidgets/qtmaterialslider.h"
#include "materialwidgets/qtmaterialsliderthumb.h"
#include "materialwidgets/qtmaterialtabs.h"

#include <QDir>
#include <QGridLayout>
#include <QTest>

class TestToolkit2Gallery : public QObject
{
    Q_OBJECT

private slots:
    void renderSideBySide()
    {
        QWidget window;
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor("#263440"));
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        auto *grid = new QGridLayout(&window);
        grid->setSpacing(16);
        grid->setContentsMargins(20, 20, 20, 20);

        auto *tabs = new QtMaterialTabs(&window);
        tabs->addTab(":/myImages/icons/qtmaterial/content/svg/production/ic_add_24px.svg", "Lighting");
        tabs->addTab(":/myImages/icons/qtmaterial/content/svg/production/ic_save_24px.svg", "Air Conditioner");
        tabs->addTab(":/myImages/icons/qtmaterial/file/svg/production/ic_cloud_download_24px.svg", "Floor Heating");
        tabs->addTab("", "Mood");
        tabs->setCurrentTab(1);
        grid->addWidget(tabs, 0, 0, 1, 3);

        auto *edit = new QtMaterialLineEdit("Room 101", &window);
        grid->addWidget(edit, 1, 0);
        auto *combo = new QtMaterialComboBox(&window);
        combo->addItems({"Service message", "Alarm message"});
        combo->setEditable(false);
        grid->addWidget(combo, 1, 1);
        auto *date = new QtMaterialDateTimeEdit(&window);
        date->setDisplayFormat("yyyy-MM-dd HH:mm:ss");
        date->setDateTime(QDateTime(QDate(2026, 12, 10), QTime(14, 5)));
        grid->addWidget(date, 1, 2);

        auto *checked = new QtMaterialCheckBox("Hide Room Temperature", &window);
        checked->setChecked(true);
        grid->addWidget(checked, 2, 0);
        auto *unchecked = new QtMaterialCheckBox("Add In Bulk", &window);
        grid->addWidget(unchecked, 2, 1);
        auto *disabled = new QtMaterialCheckBox("Disabled, checked", &window);
        disabled->setChecked(true);
        disabled->setEnabled(false);
        grid->addWidget(disabled, 2, 2);

        auto *radioBox = new QWidget(&window);
        auto *radioRow = new QHBoxLayout(radioBox);
        auto *panel = new QtMaterialRadioButton("Panel", radioBox);
        auto *ir = new QtMaterialRadioButton("IR", radioBox);
        panel->setChecked(true);
        radioRow->addWidget(panel);
        radioRow->addWidget(ir);
        grid->addWidget(radioBox, 3, 0);
        auto *left = new QtMaterialCheckBox("Label on the left", &window);
        left->setLabelPosition(QtMaterialCheckable::LabelOnLeft);
        left->setChecked(true);
        grid->addWidget(left, 3, 1);

        auto *busy = new QProgressIndicator(&window);
        busy->setColor(Qt::white);
        busy->setDisplayedWhenStopped(true);
        grid->addWidget(busy, 3, 2, Qt::AlignCenter);

        auto *atMinimum = new QtMaterialSlider(&window);
        grid->addWidget(atMinimum, 4, 0);
        auto *middle = new QtMaterialSlider(&window);
        middle->setValue(60);
        grid->addWidget(middle, 4, 1);
        auto *off = new QtMaterialSlider(&window);
        off->setValue(30);
        off->setEnabled(false);
        grid->addWidget(off, 4, 2);
        auto *focused = new QtMaterialSlider(&window);
        focused->setValue(80);
        grid->addWidget(focused, 5, 0, 1, 3);

        window.resize(900, 420);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        focused->setFocus();
        QTRY_COMPARE(checked->findChildren<QWidget *>().size() >= 2, true);
        // Let the sliders' value animations and the focused halo settle before taking the picture.
        QtMaterialSliderThumb *thumb = nullptr;
        for (auto *t : window.findChildren<QtMaterialSliderThumb *>(QString(), Qt::FindDirectChildrenOnly))
            thumb = t;
        QVERIFY(thumb);
        QTRY_VERIFY(thumb->haloSize() > 30);

        const QImage image = window.grab().toImage();
        const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("toolkit2.png");
        QVERIFY(image.save(path));

        for (QWidget *w : QList<QWidget *>{tabs, edit, combo, date, checked, unchecked, radioBox, busy}) {
            const QRect area(w->mapTo(&window, QPoint(0, 0)), w->size());
            const QColor first(image.pixel(area.topLeft()));
            bool varied = false;
            for (int y = area.top(); y <= area.bottom() && !varied; y += 2)
                for (int x = area.left(); x <= area.right() && !varied; x += 2)
                    varied = QColor(image.pixel(x, y)) != first;
            QVERIFY2(varied, qPrintable(w->metaObject()->className()));
        }
    }
};

QTEST_MAIN(TestToolkit2Gallery)
#include "tst_toolkit2gallery.moc"
