#include "materialwidgets/qtmaterialstyle.h"

#include "materialwidgets/qtmaterialtheme.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QPointer>
#include <QWidget>

class QtMaterialStylePrivate
{
public:
    explicit QtMaterialStylePrivate(QtMaterialStyle *owner) : q(owner) {}

    QtMaterialStyle *const q;
    QPointer<QtMaterialTheme> theme;
};

QtMaterialStyle &QtMaterialStyle::instance()
{
    static QtMaterialStyle style;
    return style;
}

QtMaterialStyle::QtMaterialStyle() : d(new QtMaterialStylePrivate(this))
{
    // The font files are not shipped; the platform's matching then supplies Roboto or its substitute.
    QFontDatabase::addApplicationFont(QStringLiteral(":/myFiles/fonts/roboto_regular"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/myFiles/fonts/roboto_medium"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/myFiles/fonts/roboto_bold"));
    // Widgets are not told about the first theme: a widget that reacts to the style change would ask
    // for this very singleton while it is still being constructed. No widget can have used a theme yet.
    auto *theme = new QtMaterialTheme;
    d->theme = theme;
    theme->setParent(this);
    emit themeChanged();
}

QtMaterialStyle::~QtMaterialStyle() = default;

const QColor &QtMaterialStyle::themeColor(int index) const
{
    return d->theme->color(index);
}

const QFont &QtMaterialStyle::themeFont(int index) const
{
    return d->theme->font(index);
}

QtMaterialTheme *QtMaterialStyle::theme() const
{
    return d->theme;
}

void QtMaterialStyle::setTheme(QtMaterialTheme *theme)
{
    if (!theme) {
        return;
    }
    QtMaterialTheme *previous = d->theme;
    d->theme = theme;
    theme->setParent(this);

    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        if (widget->windowType() == Qt::Desktop || widget->testAttribute(Qt::WA_SetStyle)) {
            continue;
        }
        QEvent event(QEvent::StyleChange);
        QCoreApplication::sendEvent(widget, &event);
    }

    emit themeChanged();

    if (previous && previous != theme) {
        previous->deleteLater();
    }
}
