#include "materialwidgets/qtmaterialappbarlayout.h"

#include "materialwidgets/qtmaterialappbar.h"
#include "materialwidgets/qtmaterialiconbutton.h"

#include <QAction>

QtMaterialAppBarLayoutItem::QtMaterialAppBarLayoutItem(QAction *action, QtMaterialIconButton *button)
    : QWidgetItem(button), m_action(action)
{
}

bool QtMaterialAppBarLayoutItem::isEmpty() const
{
    return !m_action || !m_action->isVisible();
}

QtMaterialAppBarLayout::QtMaterialAppBarLayout(QtMaterialAppBar *parent) : QLayout(parent), m_bar(parent) {}

QtMaterialAppBarLayout::~QtMaterialAppBarLayout()
{
    qDeleteAll(m_items);
}

void QtMaterialAppBarLayout::addItem(QLayoutItem *) {}

Qt::Orientations QtMaterialAppBarLayout::expandingDirections() const
{
    return Qt::Horizontal;
}

QSize QtMaterialAppBarLayout::minimumSize() const
{
    return sizeHint();
}

QSize QtMaterialAppBarLayout::maximumSize() const
{
    return QSize(-1, -1);
}

int QtMaterialAppBarLayout::cellSize() const
{
    const int fontHeight = m_titleLabel ? QFontMetrics(m_titleLabel->font()).height() : 0;
    return qMax(fontHeight, int(m_bar->iconSize().height() * 1.33));
}

void QtMaterialAppBarLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);

    const QMargins m = contentsMargins();
    const int s = cellSize();
    const int w = rect.width();
    const int n = m_buttons.size();

    int titleStart = m.left();
    if (m_navButton) {
        m_navButton->setGeometry(m.left(), m.top(), s, s);
        titleStart = m.left() + s;
    }

    for (int k = 0; k < n; ++k) {
        m_buttons.at(k)->setGeometry(w - (n - k) * s, m.top(), s, s);
    }

    if (m_titleLabel) {
        const int titleEnd = (w - m.left() - m.right() - n * s) - 1;
        m_titleLabel->setGeometry(QRect(QPoint(titleStart, m.top()), QPoint(titleEnd, m.top() + s - 1)));
    }
}

QLayoutItem *QtMaterialAppBarLayout::itemAt(int) const
{
    return nullptr;
}

QLayoutItem *QtMaterialAppBarLayout::takeAt(int)
{
    return nullptr;
}

int QtMaterialAppBarLayout::count() const
{
    return 1 + m_buttons.size() + (m_navButton ? 1 : 0);
}

QSize QtMaterialAppBarLayout::sizeHint() const
{
    const QMargins m = contentsMargins();
    return QSize(-1, m.top() + m.bottom() + cellSize());
}

void QtMaterialAppBarLayout::setNavButton(QWidget *button)
{
    m_navButton = button;
    if (button) {
        addChildWidget(button);
    }
    invalidate();
}

void QtMaterialAppBarLayout::setTitleLabel(QWidget *label)
{
    m_titleLabel = label;
    if (label) {
        addChildWidget(label);
    }
    invalidate();
}

void QtMaterialAppBarLayout::addAction(QAction *action)
{
    if (m_buttons.size() < MaxActions) {
        auto *button = new QtMaterialIconButton(action->icon(), m_bar);
        button->setIconSize(m_bar->iconSize());
        button->setColor(m_bar->foregroundColor());
        button->setToolTip(action->text());
        addChildWidget(button);
        connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
        m_buttons.append(button);
        m_items.append(new QtMaterialAppBarLayoutItem(action, button));
    }
    invalidate();
}

void QtMaterialAppBarLayout::refreshButtons()
{
    if (auto *nav = qobject_cast<QtMaterialIconButton *>(m_navButton)) {
        nav->setColor(m_bar->foregroundColor());
        nav->setIconSize(m_bar->iconSize());
    }
    for (QtMaterialIconButton *button : qAsConst(m_buttons)) {
        button->setColor(m_bar->foregroundColor());
        button->setIconSize(m_bar->iconSize());
    }
}

void QtMaterialAppBarLayout::refreshActions()
{
    for (QtMaterialAppBarLayoutItem *item : qAsConst(m_items)) {
        if (QAction *action = item->action()) {
            auto *button = static_cast<QtMaterialIconButton *>(item->widget());
            button->setIcon(action->icon());
            button->setToolTip(action->text());
        }
    }
    invalidate();
}
