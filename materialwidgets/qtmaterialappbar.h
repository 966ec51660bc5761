#pragma once
// A top bar of square cells on a filled background: optional navigation button, title and up to three actions.

#include "materialwidgets/qtmaterialtheme.h"

#include <QScopedPointer>
#include <QWidget>

class QtMaterialAppBarPrivate;

class QtMaterialAppBar : public QWidget
{
    Q_OBJECT

    Q_PROPERTY(QString title WRITE setTitle READ title)
    Q_PROPERTY(Material::NavIconType navIconType WRITE setNavIconType READ navIconType)
    Q_PROPERTY(QSize iconSize WRITE setIconSize READ iconSize)
    Q_PROPERTY(QColor foregroundColor WRITE setForegroundColor READ foregroundColor)
    Q_PROPERTY(QColor backgroundColor WRITE setBackgroundColor READ backgroundColor)

public:
    explicit QtMaterialAppBar(QWidget *parent = nullptr);
    explicit QtMaterialAppBar(const QString &title, QWidget *parent = nullptr);
    ~QtMaterialAppBar() override;

    void setTitle(const QString &title);
    QString title() const;

    void setNavIconType(Material::NavIconType type);
    Material::NavIconType navIconType() const;

    void setIconSize(const QSize &size);
    void setIconSize(int width, int height);
    QSize iconSize() const;

    void setForegroundColor(const QColor &color);
    QColor foregroundColor() const;

    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;

    void setUseThemeColors(bool value);
    bool useThemeColors() const;

signals:
    // Emitted when the navigation button is clicked.
    void navIconClicked();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void actionEvent(QActionEvent *event) override;

    const QScopedPointer<QtMaterialAppBarPrivate> d_ptr;

private:
    Q_DISABLE_COPY(QtMaterialAppBar)
    Q_DECLARE_PRIVATE(QtMaterialAppBar)
};
