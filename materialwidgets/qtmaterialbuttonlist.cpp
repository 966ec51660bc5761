#include "materialwidgets/qtmaterialbuttonlist.h"

#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QResizeEvent>

class QtMaterialButtonListPrivate
{
    Q_DISABLE_COPY(QtMaterialButtonListPrivate)
    Q_DECLARE_PUBLIC(QtMaterialButtonList)

public:
    explicit QtMaterialButtonListPrivate(QtMaterialButtonList *q) : q_ptr(q) {}

    QtMaterialFlatButton *createButton(const QIcon &icon, const QString &text);
    bool valid(int index) const { return index >= 0 && index < buttons.size(); }

    QtMaterialButtonList *const q_ptr;
    QList<QtMaterialFlatButton *> buttons;
    bool useThemeColors = true;
    QColor foregroundColor;
    QColor backgroundColor;
};

QtMaterialFlatButton *QtMaterialButtonListPrivate::createButton(const QIcon &icon, const QString &text)
{
    Q_Q(QtMaterialButtonList);

    auto *button = new QtMaterialFlatButton(text, 0, q);
    button->setFont(q->font());
    button->setTextAlignment(Qt::AlignLeft);
    button->setIcon(icon);
    button->setCornerRadius(0);
    button->setHaloVisible(false);
    button->setFixedHeight(QtMaterialButtonList::ButtonHeight);
    button->setOverlayStyle(Material::OverlayColored);
    button->raise();
    button->show();
    return button;
}

QtMaterialButtonList::QtMaterialButtonList(QWidget *parent)
    : QWidget(parent), d_ptr(new QtMaterialButtonListPrivate(this))
{
}

QtMaterialButtonList::~QtMaterialButtonList() = default;

void QtMaterialButtonList::setUseThemeColors(bool value)
{
    Q_D(QtMaterialButtonList);
    if (d->useThemeColors == value) {
        return;
    }
    d->useThemeColors = value;
    update();
}

bool QtMaterialButtonList::useThemeColors() const
{
    return d_func()->useThemeColors;
}

void QtMaterialButtonList::setForegroundColor(const QColor &color)
{
    Q_D(QtMaterialButtonList);
    d->foregroundColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialButtonList::foregroundColor() const
{
    Q_D(const QtMaterialButtonList);
    if (!d->useThemeColors && d->foregroundColor.isValid()) {
        return d->foregroundColor;
    }
    return QtMaterialStyle::instance().themeColor(9);
}

void QtMaterialButtonList::setBackgroundColor(const QColor &color)
{
    Q_D(QtMaterialButtonList);
    d->backgroundColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialButtonList::backgroundColor() const
{
    Q_D(const QtMaterialButtonList);
    if (!d->useThemeColors && d->backgroundColor.isValid()) {
        return d->backgroundColor;
    }
    return QtMaterialStyle::instance().themeColor(0);
}

void QtMaterialButtonList::addButton(const QIcon &icon, const QString &text)
{
    Q_D(QtMaterialButtonList);
    d->buttons.append(d->createButton(icon, text));
    updateGeometry();
}

void QtMaterialButtonList::addButton(const QString &text)
{
    addButton(QIcon(), text);
}

void QtMaterialButtonList::insertButton(int index, const QIcon &icon, const QString &text)
{
    Q_D(QtMaterialButtonList);
    d->buttons.insert(qBound(0, index, d->buttons.size()), d->createButton(icon, text));
    updateGeometry();
}

void QtMaterialButtonList::insertButton(int index, const QString &text)
{
    insertButton(index, QIcon(), text);
}

int QtMaterialButtonList::count() const
{
    return d_func()->buttons.size();
}

QtMaterialFlatButton *QtMaterialButtonList::button(int index) const
{
    Q_D(const QtMaterialButtonList);
    return d->valid(index) ? d->buttons.at(index) : nullptr;
}

QString QtMaterialButtonList::text(int index) const
{
    Q_D(const QtMaterialButtonList);
    return d->valid(index) ? d->buttons.at(index)->text() : QString();
}

void QtMaterialButtonList::setText(int index, const QString &text)
{
    Q_D(QtMaterialButtonList);
    if (d->valid(index)) {
        d->buttons.at(index)->setText(text);
    }
}

QIcon QtMaterialButtonList::icon(int index) const
{
    Q_D(const QtMaterialButtonList);
    return d->valid(index) ? d->buttons.at(index)->icon() : QIcon();
}

void QtMaterialButtonList::setIcon(int index, const QIcon &icon)
{
    Q_D(QtMaterialButtonList);
    if (d->valid(index)) {
        d->buttons.at(index)->setIcon(icon);
    }
}

QSize QtMaterialButtonList::sizeHint() const
{
    return QSize(-1, count() * ButtonHeight);
}

void QtMaterialButtonList::resizeEvent(QResizeEvent *event)
{
    Q_D(QtMaterialButtonList);
    const int w = event->size().width();
    for (int k = 0; k < d->buttons.size(); ++k) {
        d->buttons.at(k)->setGeometry(0, ButtonHeight * k, w, ButtonHeight);
    }
    QWidget::resizeEvent(event);
}
