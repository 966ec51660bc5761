#include "materialwidgets/qtmaterialtabs.h"

#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtab.h"
#include "materialwidgets/qtmaterialtabs_p.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace {

const QColor kSurface(0x1F, 0x29, 0x33);

} // namespace

void QtMaterialTabsPrivate::init()
{
    Q_Q(QtMaterialTabs);

    q->setStyle(&QtMaterialStyle::instance());
    q->setFont(QtMaterialStyle::instance().themeFont(10));
    q->setAutoFillBackground(true);
    QPalette palette = q->palette();
    palette.setColor(QPalette::All, QPalette::Window, kSurface);
    q->setPalette(palette);

    tabHost = new QtMaterialGroupBox(QString(), nullptr);
    tabHost->setStyleSheet("QGroupBox{border:none;}");

    canvas = new QtMaterialCanvas(Qt::Horizontal, q);
    canvas->setBackgroundColor(kSurface);
    canvas->setWidget(tabHost);
    canvas->setWidgetResizable(true);

    auto *layout = new QVBoxLayout;
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(canvas);
    q->setLayout(layout);

    q->setFixedHeight(100);
}

QGridLayout *QtMaterialTabsPrivate::grid() const
{
    return qobject_cast<QGridLayout *>(tabHost->layout());
}

QtMaterialTab *QtMaterialTabsPrivate::tabAt(int index) const
{
    QGridLayout *layout = grid();
    // A grid answers only indices from 0 up; a negative one must not reach it.
    if (!layout || index < 0 || index >= layout->count())
        return nullptr;
    return qobject_cast<QtMaterialTab *>(layout->itemAt(index)->widget());
}

QColor QtMaterialTabsPrivate::tabBackground() const
{
    return !useThemeColors && backgroundColor.isValid() ? backgroundColor : kSurface;
}

QtMaterialTabs::QtMaterialTabs(QWidget *parent) : QWidget(parent), d_ptr(new QtMaterialTabsPrivate(this))
{
    d_func()->init();
}

QtMaterialTabs::~QtMaterialTabs() = default;

void QtMaterialTabs::setUseThemeColors(bool value)
{
    Q_D(QtMaterialTabs);
    d->useThemeColors = value;
    updateTabs();
    update();
}

bool QtMaterialTabs::useThemeColors() const
{
    Q_D(const QtMaterialTabs);
    return d->useThemeColors;
}

void QtMaterialTabs::setHaloVisible(bool value)
{
    Q_D(QtMaterialTabs);
    d->haloVisible = value;
    updateTabs();
}

bool QtMaterialTabs::haloVisible() const
{
    Q_D(const QtMaterialTabs);
    return d->haloVisible;
}

void QtMaterialTabs::setRippleStyle(int style)
{
    Q_D(QtMaterialTabs);
    d->rippleStyle = Material::RippleStyle(style);
    updateTabs();
}

Material::RippleStyle QtMaterialTabs::rippleStyle() const
{
    Q_D(const QtMaterialTabs);
    return d->rippleStyle;
}

void QtMaterialTabs::setInkColor(const QColor &color)
{
    Q_D(QtMaterialTabs);
    d->inkColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialTabs::inkColor() const
{
    Q_D(const QtMaterialTabs);
    if (!d->useThemeColors && d->inkColor.isValid())
        return d->inkColor;
    return QtMaterialStyle::instance().themeColor(4);
}

void QtMaterialTabs::setBackgroundColor(const QColor &color)
{
    Q_D(QtMaterialTabs);
    d->backgroundColor = color;
    d->useThemeColors = false;
    updateTabs();
    update();
}

QColor QtMaterialTabs::backgroundColor() const
{
    Q_D(const QtMaterialTabs);
    return d->tabBackground();
}

void QtMaterialTabs::setTextColor(const QColor &color)
{
    Q_D(QtMaterialTabs);
    d->textColor = color;
    d->useThemeColors = false;
    updateTabs();
    update();
}

QColor QtMaterialTabs::textColor() const
{
    Q_D(const QtMaterialTabs);
    if (!d->useThemeColors && d->textColor.isValid())
        return d->textColor;
    return QtMaterialStyle::instance().themeColor(10);
}

void QtMaterialTabs::setIconSize(const QSize &size)
{
    Q_D(QtMaterialTabs);
    d->iconSize = size;
    updateTabs();
}

void QtMaterialTabs::setIconSize(int width, int height)
{
    setIconSize(QSize(width, height));
}

QSize QtMaterialTabs::iconSize() const
{
    Q_D(const QtMaterialTabs);
    return d->iconSize;
}

void QtMaterialTabs::addTab(const QString &iconPath, const QString &text)
{
    addTab(iconPath.isEmpty() ? QIcon() : QIcon(iconPath), iconPath, text);
}

void QtMaterialTabs::addTab(const QString &text)
{
    addTab(QIcon(), QString(), text);
}

void QtMaterialTabs::addTab(const QIcon &icon, const QString &iconPath, const QString &text)
{
    Q_D(QtMaterialTabs);

    auto *tab = new QtMaterialTab(this);
    tab->setText(text);
    tab->setHaloVisible(d->haloVisible);
    tab->setRippleStyle(d->rippleStyle);
    tab->setBackgroundColor(d->tabBackground());

    if (!icon.isNull()) {
        tab->setIcon(icon);
        tab->setIconSize(d->iconSize);
        if (!iconPath.isEmpty())
            tab->setIconPath(iconPath);
    }

    QGridLayout *layout = d->grid();
    if (!layout) {
        layout = new QGridLayout;
        layout->setSizeConstraint(QLayout::SetNoConstraint);
        layout->setSpacing(0);
        layout->setContentsMargins(0, 0, 0, 0);
        d->tabHost->setLayout(layout);
    }
    layout->addWidget(tab, 0, d->count);
    ++d->count;
    layout->setColumnStretch(d->count, 1);

    // The index is read at click time: tabs cleared before a click are no longer in the grid.
    connect(tab, &QAbstractButton::clicked, this, [this, tab]() {
        Q_D(QtMaterialTabs);
        QGridLayout *grid = d->grid();
        const int index = grid ? grid->indexOf(tab) : -1;
        if (index >= 0)
            setCurrentTab(index);
    });

    if (d->currentIndex == -1) {
        d->currentIndex = 0;
        tab->setActive(true);
    }
}

void QtMaterialTabs::clearTabs()
{
    Q_D(QtMaterialTabs);
    d->count = 0;
    QGridLayout *layout = d->grid();
    if (!layout)
        return;
    const QList<QtMaterialTab *> tabs = d->tabHost->findChildren<QtMaterialTab *>();
    for (QtMaterialTab *tab : tabs) {
        layout->removeWidget(tab);
        tab->deleteLater();
    }
}

QString QtMaterialTabs::tabText(int index) const
{
    Q_D(const QtMaterialTabs);
    QtMaterialTab *tab = d->tabAt(index);
    return tab ? tab->text() : QString();
}

void QtMaterialTabs::setTabText(int index, const QString &text)
{
    Q_D(QtMaterialTabs);
    if (QtMaterialTab *tab = d->tabAt(index))
        tab->setText(text);
}

QIcon QtMaterialTabs::tabIcon(int index) const
{
    Q_D(const QtMaterialTabs);
    QtMaterialTab *tab = d->tabAt(index);
    return tab ? tab->icon() : QIcon();
}

void QtMaterialTabs::setTabIcon(int index, const QIcon &icon)
{
    Q_D(QtMaterialTabs);
    if (QtMaterialTab *tab = d->tabAt(index))
        tab->setIcon(icon);
}

void QtMaterialTabs::setCurrentTab(int index)
{
    Q_D(QtMaterialTabs);
    if (QtMaterialTab *old = d->tabAt(d->currentIndex))
        old->setActive(false);
    d->currentIndex = index;
    if (QtMaterialTab *tab = d->tabAt(index))
        tab->setActive(true);
    emit currentChanged(index);
}

int QtMaterialTabs::currentIndex() const
{
    Q_D(const QtMaterialTabs);
    return d->currentIndex;
}

int QtMaterialTabs::count() const
{
    Q_D(const QtMaterialTabs);
    QGridLayout *layout = d->grid();
    return layout ? layout->count() : 0;
}

void QtMaterialTabs::updateTabs()
{
    Q_D(QtMaterialTabs);
    QGridLayout *layout = d->grid();
    if (!layout)
        return;
    for (int i = 0; i < layout->count(); ++i) {
        auto *button = qobject_cast<QtMaterialFlatButton *>(layout->itemAt(i)->widget());
        if (!button)
            continue;
        button->setRippleStyle(d->rippleStyle);
        button->setHaloVisible(d->haloVisible);
        if (d->useThemeColors) {
            button->setUseThemeColors(true);
        } else {
            button->setBackgroundColor(d->tabBackground());
            button->setForegroundColor(textColor());
        }
        button->setIconSize(d->iconSize);
    }
}
