#include "materialwidgets/qtmaterialappbar.h"

#include "materialwidgets/qtmaterialappbarlayout.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QActionEvent>
#include <QPainter>
#include <QWidgetAction>

class QtMaterialAppBarPrivate
{
    Q_DISABLE_COPY(QtMaterialAppBarPrivate)
    Q_DECLARE_PUBLIC(QtMaterialAppBar)

public:
    explicit QtMaterialAppBarPrivate(QtMaterialAppBar *q) : q_ptr(q) {}

    void init();
    void refreshColors();

    QtMaterialAppBar *const q_ptr;
    QtMaterialAppBarLayout *layout = nullptr;
    QtMaterialIconButton *navButton = nullptr;
    QtMaterialLabel *titleLabel = nullptr;
    int navIconType = Material::NavButtonHidden;
    QString title;
    QSize iconSize = QSize(48, 48);
    bool useThemeColors = true;
    QColor foregroundColor;
    QColor backgroundColor;
};

void QtMaterialAppBarPrivate::init()
{
    Q_Q(QtMaterialAppBar);

    navIconType = Material::NavButtonHidden;
    navButton = nullptr;

    titleLabel = new QtMaterialLabel(q);
    titleLabel->setFontIndex(2);
    titleLabel->setContentsMargins(6, 0, 0, 0);

    iconSize = QSize(48, 48);
    useThemeColors = true;

    layout = new QtMaterialAppBarLayout(q);
    layout->setTitleLabel(titleLabel);
    q->setLayout(layout);

    refreshColors();
}

void QtMaterialAppBarPrivate::refreshColors()
{
    Q_Q(QtMaterialAppBar);
    titleLabel->setTextColor(q->foregroundColor());
    layout->refreshButtons();
}

QtMaterialAppBar::QtMaterialAppBar(QWidget *parent) : QWidget(parent), d_ptr(new QtMaterialAppBarPrivate(this))
{
    d_func()->init();
}

QtMaterialAppBar::QtMaterialAppBar(const QString &title, QWidget *parent) : QtMaterialAppBar(parent)
{
    setTitle(title);
}

QtMaterialAppBar::~QtMaterialAppBar() = default;

void QtMaterialAppBar::setTitle(const QString &title)
{
    Q_D(QtMaterialAppBar);
    d->title = title;
    d->titleLabel->setText(title);
    updateGeometry();
}

QString QtMaterialAppBar::title() const
{
    return d_func()->title;
}

void QtMaterialAppBar::setNavIconType(Material::NavIconType type)
{
    Q_D(QtMaterialAppBar);

    if (type == Material::NavButtonHidden) {
        if (d->navButton) {
            d->layout->setNavButton(nullptr);
            d->navButton->hide();
            delete d->navButton;
            d->navButton = nullptr;
        }
    } else {
        if (!d->navButton) {
            d->navButton = new QtMaterialIconButton(QIcon(), this);
            d->navButton->setIconSize(d->iconSize);
            d->navButton->setColor(foregroundColor());
            d->layout->setNavButton(d->navButton);
            connect(d->navButton, &QAbstractButton::clicked, this, &QtMaterialAppBar::navIconClicked);
        }
        switch (type) {
        case Material::NavButtonMenu:
            d->navButton->setIcon(QtMaterialTheme::icon(QStringLiteral("navigation"), QStringLiteral("menu")));
            break;
        case Material::NavButtonBack:
            d->navButton->setIcon(QtMaterialTheme::icon(QStringLiteral("navigation"), QStringLiteral("arrow_back")));
            break;
        case Material::NavButtonCollapse:
            d->navButton->setIcon(QtMaterialTheme::icon(QStringLiteral("navigation"), QStringLiteral("expand_less")));
            break;
        default:
            break;
        }
    }
    d->navIconType = type;
    updateGeometry();
}

Material::NavIconType QtMaterialAppBar::navIconType() const
{
    return Material::NavIconType(d_func()->navIconType);
}

void QtMaterialAppBar::setIconSize(const QSize &size)
{
    Q_D(QtMaterialAppBar);
    d->iconSize = size;
    d->layout->refreshButtons();
    d->layout->invalidate();
    updateGeometry();
}

void QtMaterialAppBar::setIconSize(int width, int height)
{
    setIconSize(QSize(width, height));
}

QSize QtMaterialAppBar::iconSize() const
{
    return d_func()->iconSize;
}

void QtMaterialAppBar::setForegroundColor(const QColor &color)
{
    Q_D(QtMaterialAppBar);
    d->foregroundColor = color;
    d->useThemeColors = false;
    d->refreshColors();
    update();
}

QColor QtMaterialAppBar::foregroundColor() const
{
    Q_D(const QtMaterialAppBar);
    if (!d->useThemeColors && d->foregroundColor.isValid()) {
        return d->foregroundColor;
    }
    return QtMaterialStyle::instance().themeColor(3);
}

void QtMaterialAppBar::setBackgroundColor(const QColor &color)
{
    Q_D(QtMaterialAppBar);
    d->backgroundColor = color;
    d->useThemeColors = false;
    d->refreshColors();
    update();
}

QColor QtMaterialAppBar::backgroundColor() const
{
    Q_D(const QtMaterialAppBar);
    if (!d->useThemeColors && d->backgroundColor.isValid()) {
        return d->backgroundColor;
    }
    return QtMaterialStyle::instance().themeColor(0);
}

void QtMaterialAppBar::setUseThemeColors(bool value)
{
    Q_D(QtMaterialAppBar);
    if (d->useThemeColors == value) {
        return;
    }
    d->useThemeColors = value;
    d->refreshColors();
    update();
}

bool QtMaterialAppBar::useThemeColors() const
{
    return d_func()->useThemeColors;
}

bool QtMaterialAppBar::event(QEvent *event)
{
    Q_D(QtMaterialAppBar);
    switch (event->type()) {
    case QEvent::FontChange:
        d->titleLabel->setFont(font());
        updateGeometry();
        break;
    case QEvent::StyleChange:
        d->refreshColors();
        update();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void QtMaterialAppBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColor());
}

void QtMaterialAppBar::actionEvent(QActionEvent *event)
{
    Q_D(QtMaterialAppBar);
    switch (event->type()) {
    case QEvent::ActionAdded:
        if (auto *widgetAction = qobject_cast<QWidgetAction *>(event->action())) {
            widgetAction->setParent(this);
        }
        d->layout->addAction(event->action());
        break;
    case QEvent::ActionChanged:
        d->layout->refreshActions();
        break;
    default:
        break;
    }
}
