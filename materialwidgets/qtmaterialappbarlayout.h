#pragma once
// Places an app bar's navigation button, title and action buttons in square cells along one row.

#include <QAction>
#include <QLayout>
#include <QList>
#include <QPointer>
#include <QWidgetItem>

class QtMaterialAppBar;
class QtMaterialIconButton;

// The layout's record of one action button and the action it triggers.
class QtMaterialAppBarLayoutItem : public QWidgetItem
{
public:
    QtMaterialAppBarLayoutItem(QAction *action, QtMaterialIconButton *button);

    bool isEmpty() const override;
    QAction *action() const { return m_action; }

private:
    // Actions may be deleted while their button stays on the bar.
    QPointer<QAction> m_action;
};

class QtMaterialAppBarLayout : public QLayout
{
    Q_OBJECT

public:
    // At most this many actions get a button.
    static constexpr int MaxActions = 3;

    explicit QtMaterialAppBarLayout(QtMaterialAppBar *parent);
    ~QtMaterialAppBarLayout() override;

    void addItem(QLayoutItem *item) override;
    Qt::Orientations expandingDirections() const override;
    QSize minimumSize() const override;
    QSize maximumSize() const override;
    void setGeometry(const QRect &rect) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;

    void setNavButton(QWidget *button);
    QWidget *navButton() const { return m_navButton; }

    void setTitleLabel(QWidget *label);
    QWidget *titleLabel() const { return m_titleLabel; }

    QList<QtMaterialAppBarLayoutItem *> items() const { return m_items; }
    QList<QtMaterialIconButton *> actionButtons() const { return m_buttons; }

    void addAction(QAction *action);
    void refreshButtons();
    void refreshActions();

private:
    Q_DISABLE_COPY(QtMaterialAppBarLayout)

    int cellSize() const;

    QtMaterialAppBar *m_bar;
    QWidget *m_navButton = nullptr;
    QWidget *m_titleLabel = nullptr;
    QList<QtMaterialAppBarLayoutItem *> m_items;
    QList<QtMaterialIconButton *> m_buttons;
};
