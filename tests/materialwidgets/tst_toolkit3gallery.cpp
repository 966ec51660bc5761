// Renders the switches, app bar, text fields, auto-complete, avatars, badge, button list, surfaces, date-time bar,
// progress indicators, dialog, drawer, floating action button and slide layout side by side into toolkit3.png
// beside the test binary, for a look by eye; checks that each of them put something on the picture.

#include "materialwidgets/qtmaterialappbar.h"
#include "materialwidgets/qtmaterialautocomplete.h"
#include "materialwidgets/qtmaterialavatar.h"
#include "materialwidgets/qtmaterialbadge.h"
#include "materialwidgets/qtmaterialbuttonlist.h"
#include "materialwidgets/qtmaterialcircularprogress.h"
#include "materialwidgets/qtmaterialdialog.h"
#include "materialwidgets/qtmaterialdialogproxy.h"
#include "materialwidgets/qtmaterialdrawer.h"
#include "materialwidgets/qtmaterialdrawerstatemachine.h"
#include "materialwidgets/qtmaterialfloatingactionbutton.h"
#include "materialwidgets/qtmaterializerlabel.h"
#include "materialwidgets/qtmaterialpaper.h"
#include "materialwidgets/qtmaterialprogress.h"
#include "materialwidgets/qtmaterialprogressdelegate.h"
#include "materialwidgets/qtmaterialslidelayout.h"
#include "materialwidgets/qtmaterialswitch.h"
#include "materialwidgets/qtmaterialswitchthumb.h"
#include "materialwidgets/qtmaterialsystembar.h"
#include "materialwidgets/qtmaterialtextfield.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "materialwidgets/qtmaterialwidget.h"

#include <QAction>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>

namespace {

QIcon icon(const char *category, const char *name)
{
    return QtMaterialTheme::icon(QString::fromLatin1(category), QString::fromLatin1(name));
}

QImage picture()
{
    QImage image(64, 48, QImage::Format_ARGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 64, 48);
    gradient.setColorAt(0, QColor("#FF9800"));
    gradient.setColorAt(1, QColor("#2196F3"));
    painter.fillRect(image.rect(), gradient);
    return image;
}

// A titled cell of the gallery.
QWidget *cell(QWidget *parent, const QString &title, QWidget **body)
{
    auto *box = new QWidget(parent);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    auto *caption = new QLabel(title, box);
    QPalette p = caption->palette();
    p.setColor(QPalette::WindowText, QColor("#B0BEC5"));
    caption->setPalette(p);
    column->addWidget(caption);
    *body = new QWidget(box);
    column->addWidget(*body, 1);
    return box;
}

} // namespace

class TestToolkit3Gallery : public QObject
{
    Q_OBJECT

private slots:
    void renderSideBySide();
};

void TestToolkit3Gallery::renderSideBySide()
{
    QWidget window;
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor("#263440"));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    auto *grid = new QGridLayout(&window);
    grid->setSpacing(16);
    grid->setContentsMargins(20, 20, 20, 20);
    QList<QWidget *> checked;
    QWidget *body = nullptr;

    // Row 0: app bar and date-time bar across the width.
    auto *bar = new QtMaterialAppBar(QStringLiteral("Rooms"), &window);
    bar->setFont(QFont(QStringLiteral("Roboto"), 18));
    bar->setNavIconType(Material::NavButtonMenu);
    bar->addAction(new QAction(icon("content", "add"), QStringLiteral("Add"), bar));
    bar->addAction(new QAction(icon("content", "save"), QStringLiteral("Save"), bar));
    grid->addWidget(bar, 0, 0, 1, 4);
    checked << bar;
    auto *clock = new QtMaterialSystemBar(&window);
    grid->addWidget(clock, 1, 0, 1, 4);
    checked << clock;

    // Row 2: switches on a paper sheet.
    auto *paper = new QtMaterialPaper(&window);
    auto *switches = new QGridLayout(paper);
    auto *off = new QtMaterialSwitch(paper);
    off->setText(QStringLiteral("Off"));
    auto *on = new QtMaterialSwitch(paper);
    on->setText(QStringLiteral("On"));
    on->setChecked(true);
    auto *disabled = new QtMaterialSwitch(paper);
    disabled->setText(QStringLiteral("Disabled"));
    disabled->setChecked(true);
    disabled->setEnabled(false);
    auto *vertical = new QtMaterialSwitch(Qt::Vertical, paper);
    vertical->setText(QStringLiteral("Vertical"));
    switches->addWidget(off, 0, 0);
    switches->addWidget(on, 1, 0);
    switches->addWidget(disabled, 2, 0);
    switches->addWidget(vertical, 0, 1, 3, 1);
    grid->addWidget(paper, 2, 0);
    checked << paper;

    // Text fields.
    grid->addWidget(cell(&window, QStringLiteral("Text fields"), &body), 2, 1);
    auto *fields = new QVBoxLayout(body);
    auto *labelled = new QtMaterialTextField(body);
    labelled->setLabelText(QStringLiteral("Room name"));
    labelled->setTextColor(Qt::white);
    labelled->setMinimumHeight(60);
    auto *filled = new QtMaterialTextField(body);
    filled->setLabelText(QStringLiteral("Floor"));
    filled->setTextColor(Qt::white);
    filled->setText(QStringLiteral("Third floor"));
    filled->setMinimumHeight(60);
    fields->addWidget(labelled);
    fields->addWidget(filled);
    checked << labelled << filled;

    // Auto-complete with its menu open: menu and frame live in the cell.
    QWidget *completeBody = nullptr;
    grid->addWidget(cell(&window, QStringLiteral("Auto-complete"), &completeBody), 2, 2, 2, 1);
    completeBody->setMinimumSize(220, 260);
    auto *complete = new QtMaterialAutoComplete(completeBody);
    complete->setTextColor(Qt::white);
    complete->setGeometry(0, 0, 220, 40);
    complete->setDataSource(
        {QStringLiteral("Lobby"), QStringLiteral("Lounge"), QStringLiteral("Laundry"), QStringLiteral("Gym")});
    checked << complete;

    // Avatars and a badge.
    grid->addWidget(cell(&window, QStringLiteral("Avatars, badge"), &body), 2, 3);
    auto *avatars = new QHBoxLayout(body);
    auto *letter = new QtMaterialAvatar(QChar('R'), body);
    auto *iconAvatar = new QtMaterialAvatar(icon("navigation", "menu"), body);
    auto *image = new QtMaterialAvatar(picture(), body);
    image->setSize(48);
    auto *badged = new QPushButton(QStringLiteral("Alarms"), body);
    badged->setMinimumSize(90, 48);
    new QtMaterialBadge(QStringLiteral("3"), badged);
    auto *moved = new QtMaterialBadge(icon("content", "add"), badged);
    moved->setRelativePosition(35, -10);
    moved->setBackgroundColor(QColor("#2196F3"));
    avatars->addWidget(letter);
    avatars->addWidget(iconAvatar);
    avatars->addWidget(image);
    avatars->addWidget(badged);
    checked << letter << iconAvatar << image << badged;

    // Row 3: button list, progress, plain widget and a materialised label.
    auto *list = new QtMaterialButtonList(&window);
    list->addButton(icon("content", "add"), QStringLiteral("Add room"));
    list->addButton(icon("content", "save"), QStringLiteral("Save project"));
    list->addButton(QStringLiteral("About"));
    auto *listBack = new QtMaterialWidget(&window);
    auto *listLayout = new QVBoxLayout(listBack);
    listLayout->addWidget(list);
    list->setMinimumHeight(150);
    grid->addWidget(listBack, 3, 0);
    checked << listBack;

    grid->addWidget(cell(&window, QStringLiteral("Progress"), &body), 3, 1);
    auto *progressGrid = new QGridLayout(body);
    auto *endless = new QtMaterialCircularProgress(body);
    auto *byValue = new QtMaterialCircularProgress(body);
    byValue->setProgressType(Material::ProgressByValue);
    byValue->setValue(65);
    auto *crossed = new QtMaterialCircularProgress(body);
    crossed->setEnabled(false);
    auto *linearEndless = new QtMaterialProgress(body);
    auto *linearValue = new QtMaterialProgress(body);
    linearValue->setProgressType(Material::ProgressByValue);
    linearValue->setValue(40);
    auto *linearEmpty = new QtMaterialProgress(body);
    linearEmpty->setProgressType(Material::ProgressByValue);
    linearEmpty->setRange(0, 0);
    auto *linearOff = new QtMaterialProgress(body);
    linearOff->setEnabled(false);
    progressGrid->addWidget(endless, 0, 0);
    progressGrid->addWidget(byValue, 0, 1);
    progressGrid->addWidget(crossed, 0, 2);
    progressGrid->addWidget(linearEndless, 1, 0, 1, 3);
    progressGrid->addWidget(linearValue, 2, 0, 1, 3);
    progressGrid->addWidget(linearEmpty, 3, 0, 1, 3);
    progressGrid->addWidget(linearOff, 4, 0, 1, 3);
    checked << endless << byValue << crossed << linearValue;

    auto *materialized = new QLabel(QStringLiteral("A plain label, materialised"), &window);
    materializeLabel(materialized);
    materialized->setAutoFillBackground(true);
    grid->addWidget(materialized, 5, 3, Qt::AlignTop);
    checked << materialized;

    // Row 4: dialog, drawer, floating action button and slide layout, each over a host of its own.
    QWidget *dialogHost = nullptr;
    grid->addWidget(cell(&window, QStringLiteral("Dialog"), &dialogHost), 4, 0, 1, 2);
    dialogHost->setMinimumSize(480, 200);
    dialogHost->setAutoFillBackground(true);
    QPalette light = dialogHost->palette();
    light.setColor(QPalette::Window, QColor("#ECEFF1"));
    dialogHost->setPalette(light);
    auto *dialog = new QtMaterialDialog(dialogHost);
    auto *dialogLayout = new QVBoxLayout;
    dialogLayout->addWidget(new QLabel(QStringLiteral("Delete the room?")));
    dialogLayout->addWidget(new QPushButton(QStringLiteral("Confirm")));
    dialog->setSurfaceLayout(dialogLayout);
    checked << dialogHost;

    QWidget *drawerHost = nullptr;
    grid->addWidget(cell(&window, QStringLiteral("Drawer (overlay)"), &drawerHost), 4, 2);
    drawerHost->setMinimumSize(260, 200);
    drawerHost->setAutoFillBackground(true);
    drawerHost->setPalette(light);
    new QPushButton(QStringLiteral("Under the dimming"), drawerHost);
    auto *drawer = new QtMaterialDrawer(drawerHost);
    drawer->setOverlayMode(true);
    drawer->setPanelWidth(150);
    auto *drawerLayout = new QVBoxLayout;
    drawerLayout->addWidget(new QLabel(QStringLiteral("Settings")));
    drawerLayout->addWidget(new QLabel(QStringLiteral("About")));
    drawerLayout->addStretch();
    drawer->setContentLayout(drawerLayout);
    checked << drawerHost;

    QWidget *fabHost = nullptr;
    grid->addWidget(cell(&window, QStringLiteral("Floating action buttons"), &fabHost), 4, 3);
    fabHost->setMinimumSize(220, 200);
    fabHost->setAutoFillBackground(true);
    fabHost->setPalette(light);
    auto *fab = new QtMaterialFloatingActionButton(icon("content", "add"), fabHost);
    auto *mini = new QtMaterialFloatingActionButton(icon("content", "save"), fabHost);
    mini->setMini(true);
    mini->setCorner(Qt::TopLeftCorner);
    mini->setOffset(20, 20);
    checked << fabHost;

    QWidget *slideHost = nullptr;
    grid->addWidget(cell(&window, QStringLiteral("Slide layout (mid-slide)"), &slideHost), 5, 0, 1, 2);
    slideHost->setMaximumHeight(120);
    slideHost->setMinimumSize(220, 200);
    auto *slides = new QtMaterialSlideLayout(slideHost);
    for (const char *colour : {"#FF9800", "#2196F3"}) {
        auto *page = new QtMaterialWidget;
        page->setBackgroundColor(QColor(colour));
        slides->addWidget(page);
    }
    checked << slideHost;

    window.resize(1180, 1040);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // Bring the animated members to a state worth a look.
    complete->setFocus();
    QTest::keyClicks(complete, QStringLiteral("l"));
    QTRY_VERIFY(complete->menu()->isVisible());
    labelled->setFocus();
    dialog->showDialog();
    drawer->openDrawer();
    QTRY_VERIFY(drawer->stateMachine()->openedStateActive());
    QtMaterialDialogProxy *proxy = dialog->findChild<QtMaterialDialogProxy *>();
    QTRY_COMPARE(proxy->mode(), int(QtMaterialDialogProxy::Opaque));
    QTRY_COMPARE(on->findChild<QtMaterialSwitchThumb *>()->shift(), 1.0);
    linearEndless->delegate()->setOffset(0.6);
    QTest::qWait(400);
    slides->setAnimationType(QEasingCurve::Linear);
    slides->setAnimationDuration(3000);
    slides->slideToIndex(1);
    QTRY_VERIFY(slides->widget(0)->x() < -slideHost->width() / 3);

    const QImage shot = window.grab().toImage();
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("toolkit3.png"));
    QVERIFY(shot.save(path));
    slides->setAnimationDuration(1);

    for (QWidget *w : qAsConst(checked)) {
        const QRect area(w->mapTo(&window, QPoint(0, 0)), w->size());
        QVERIFY2(!area.isEmpty(), w->metaObject()->className());
        const QColor first(shot.pixel(area.topLeft()));
        bool varied = false;
        for (int y = area.top(); y <= area.bottom() && !varied; y += 2) {
            for (int x = area.left(); x <= area.right() && !varied; x += 2) {
                varied = QColor(shot.pixel(x, y)) != first;
            }
        }
        QVERIFY2(varied, w->metaObject()->className());
    }
    Q_UNUSED(fab);
}

QTEST_MAIN(TestToolkit3Gallery)
#include "tst_toolkit3gallery.moc"
