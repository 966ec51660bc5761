#pragma once
// Horizontally scrolling strip of tabs that marks one as current; the pages that use it switch their own content.

#include "materialwidgets/qtmaterialtheme.h"

#include <QIcon>
#include <QScopedPointer>
#include <QWidget>

class QtMaterialTabsPrivate;

class QtMaterialTabs : public QWidget
{
    Q_OBJECT

    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentTab)
    Q_PROPERTY(int count READ count)
    Q_PROPERTY(QSize iconSize READ iconSize WRITE setIconSize)
    Q_PROPERTY(QColor inkColor READ inkColor WRITE setInkColor)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)

public:
    explicit QtMaterialTabs(QWidget *parent = nullptr);
    ~QtMaterialTabs() override;

    void setUseThemeColors(bool value);
    bool useThemeColors() const;

    void setHaloVisible(bool value);
    bool haloVisible() const;

    void setRippleStyle(int style);
    Material::RippleStyle rippleStyle() const;

    void setInkColor(const QColor &color);
    QColor inkColor() const;

    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;

    void setTextColor(const QColor &color);
    QColor textColor() const;

    void setIconSize(const QSize &size);
    void setIconSize(int width, int height);
    QSize iconSize() const;

    // An empty path gives a tab without icon.
    void addTab(const QString &iconPath, const QString &text);
    void addTab(const QString &text);

    // Removes every tab at once and deletes them later; the current index is kept.
    void clearTabs();

    QString tabText(int index) const;
    void setTabText(int index, const QString &text);
    QIcon tabIcon(int index) const;
    void setTabIcon(int index, const QIcon &icon);

    // Marks the tab at index; also stores and reports an index without a tab.
    void setCurrentTab(int index);
    int currentIndex() const;
    int count() const;

signals:
    // Emitted by every setCurrentTab and every click on a tab, also when the index was already current.
    void currentChanged(int index);

private:
    void addTab(const QIcon &icon, const QString &iconPath, const QString &text);
    void updateTabs();

    Q_DISABLE_COPY(QtMaterialTabs)
    Q_DECLARE_PRIVATE(QtMaterialTabs)
    friend class QtMaterialTabsInkBar;

    const QScopedPointer<QtMaterialTabsPrivate> d_ptr;
};
