#pragma once
// The scroll area that holds pages and lists: dark background, one scroll direction, kinetic drag scrolling.

#include <QScopedPointer>
#include <QScrollArea>

class QtMaterialCanvasPrivate;

class QtMaterialCanvas : public QScrollArea
{
    Q_OBJECT

    Q_PROPERTY(Qt::Orientation orientation WRITE setOrientation READ orientation)

public:
    explicit QtMaterialCanvas(QWidget *parent = nullptr);
    explicit QtMaterialCanvas(Qt::Orientation orientation, QWidget *parent = nullptr);
    ~QtMaterialCanvas() override;

    // Rebuilds the scroller settings and installs a new scroll bar for the orientation.
    void setOrientation(Qt::Orientation orientation);
    Qt::Orientation orientation() const;

    void setUseThemeColors(bool value);
    bool useThemeColors() const;

    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(QtMaterialCanvas)

    void setUpScroller();

    const QScopedPointer<QtMaterialCanvasPrivate> d;
};
