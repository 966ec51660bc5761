// Renders the toolkit's buttons, labels, group box, canvas and snackbar side by side into toolkit1.png
// in the test's build folder, for a person to look at. GALLERY_SHOW_MS keeps the page on screen that long.

#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmaterialscrollbar.h"
#include "materialwidgets/qtmaterialsnackbar.h"
#include "materialwidgets/qtmaterialsnackbarstatemachine.h"
#include "materialwidgets/qtmaterialtheme.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>
#include <QtTest>

namespace {

class Page : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor("#263440"));
    }
};

} // namespace

class TestGallery : public QObject
{
    Q_OBJECT

private slots:
    void renderAll();
};

void TestGallery::renderAll()
{
    Page page;
    page.resize(1000, 640);
    auto *layout = new QVBoxLayout(&page);

    auto *buttons = new QGridLayout;
    for (int preset = 0; preset < 12; ++preset) {
        auto *button = new QtMaterialFlatButton(QStringLiteral("Preset %1").arg(preset), preset, &page);
        buttons->addWidget(button, preset / 3, preset % 3);
    }
    auto *save = new QtMaterialFlatButton(QtMaterialTheme::icon("content", "save"), QStringLiteral("Save"), 7, &page);
    save->setIconSize(QSize(24, 24));
    buttons->addWidget(save, 0, 3);
    auto *disabled = new QtMaterialFlatButton(QStringLiteral("Disabled"), 10, &page);
    disabled->setEnabled(false);
    buttons->addWidget(disabled, 1, 3);
    auto *checked = new QtMaterialFlatButton(QStringLiteral("Checked"), 1, &page);
    checked->setCheckable(true);
    checked->setChecked(true);
    buttons->addWidget(checked, 2, 3);
    auto *own = new QtMaterialFlatButton(QStringLiteral("Own colour"), 7, &page);
    own->setBackgroundColor(QColor("#557FA3"));
    buttons->addWidget(own, 3, 3);
    layout->addLayout(buttons);

    auto *row = new QHBoxLayout;
    const QList<QPair<QString, QString>> icons = {
        {"navigation", "close"},  {"navigation", "menu"},  {"navigation", "arrow_back"},
        {"content", "add"},       {"content", "remove"},   {"content", "clear"},
        {"file", "cloud_upload"}, {"toggle", "check_box"}, {"toggle", "radio_button_checked"}};
    for (const auto &icon : icons) {
        auto *button = new QtMaterialIconButton(QtMaterialTheme::icon(icon.first, icon.second), &page);
        button->setIconSize(QSize(24, 24));
        button->setColor(icon.first == "navigation" && icon.second == "close" ? QColor(Qt::red) : QColor(Qt::white));
        row->addWidget(button);
    }
    row->addWidget(new QtMaterialLabel(QStringLiteral("Label, body font"), &page));
    row->addWidget(new QtMaterialLabel(QStringLiteral("Caption font"), 12, &page));
    auto *colored = new QtMaterialLabel(QStringLiteral("Own colour"), &page);
    colored->setTextColor(QColor("#ABD265"));
    row->addWidget(colored);
    row->addStretch();
    layout->addLayout(row);

    auto *bottom = new QHBoxLayout;
    auto *box = new QtMaterialGroupBox(QStringLiteral("Group box"), &page);
    auto *boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(new QLabel(QStringLiteral("A plain label inherits the text colour"), box));
    bottom->addWidget(box);

    auto *canvas = new QtMaterialCanvas(&page);
    auto *content = new QtMaterialGroupBox(QString());
    content->setStyleSheet(QStringLiteral("QGroupBox{border:none;}"));
    auto *contentLayout = new QVBoxLayout(content);
    for (int i = 1; i <= 12; ++i) {
        contentLayout->addWidget(new QtMaterialLabel(QStringLiteral("Room %1").arg(100 + i), content));
    }
    canvas->setWidget(content);
    canvas->setWidgetResizable(true);
    // The scroll area switches background filling on for its widget; the canvas paints the background.
    content->setAutoFillBackground(false);
    canvas->setMinimumSize(260, 180);
    static_cast<QtMaterialScrollBar *>(canvas->verticalScrollBar())->setHideOnMouseOut(false);
    bottom->addWidget(canvas);
    layout->addLayout(bottom);

    auto *snackbar = new QtMaterialSnackbar(&page);
    snackbar->setAutoHideDuration(60000);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    snackbar->addMessage(QStringLiteral("Snackbar: the settings were saved"));
    QTRY_COMPARE(snackbar->findChild<QtMaterialSnackbarStateMachine *>()->offset(), 0.0);
    QTRY_COMPARE(checked->checkedOverlayProgress(), 1.0);

    const QImage image = page.grab().toImage();
    QVERIFY(!image.isNull());
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/toolkit1.png");
    QVERIFY(image.save(path));
    qInfo("gallery written to %s", qPrintable(path));

    // A filled main-role button shows the theme's blue somewhere.
    bool blue = false;
    for (int y = 0; y < image.height() && !blue; ++y) {
        for (int x = 0; x < image.width() && !blue; ++x) {
            blue = QColor(image.pixel(x, y)) == QColor("#2196f3");
        }
    }
    QVERIFY(blue);

    const int showFor = qEnvironmentVariableIntValue("GALLERY_SHOW_MS");
    if (showFor > 0) {
        QTest::qWait(showFor);
    }
}

QTEST_MAIN(TestGallery)
#include "tst_gallery.moc"
