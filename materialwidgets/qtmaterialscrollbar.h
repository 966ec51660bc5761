#pragma once
// A thin scroll bar that stays invisible until hovered or scrolled, then fades in and out again.

#include <QColor>
#include <QScopedPointer>
#include <QScrollBar>

class QtMaterialScrollBarPrivate;

class QtMaterialScrollBar : public QScrollBar
{
    Q_OBJECT

    Q_PROPERTY(QColor canvasColor WRITE setCanvasColor READ canvasColor)
    Q_PROPERTY(QColor backgroundColor WRITE setBackgroundColor READ backgroundColor)
    Q_PROPERTY(QColor sliderColor WRITE setSliderColor READ sliderColor)
    Q_PROPERTY(bool hideOnMouseOut WRITE setHideOnMouseOut READ hideOnMouseOut)

public:
    explicit QtMaterialScrollBar(QWidget *parent = nullptr);
    explicit QtMaterialScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);
    ~QtMaterialScrollBar() override;

    QSize sizeHint() const override;

    void setUseThemeColors(bool value);
    bool useThemeColors() const;

    void setCanvasColor(const QColor &color);
    QColor canvasColor() const;

    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;

    void setSliderColor(const QColor &color);
    QColor sliderColor() const;

    void setHideOnMouseOut(bool value);
    bool hideOnMouseOut() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void sliderChange(SliderChange change) override;

private:
    Q_DISABLE_COPY(QtMaterialScrollBar)

    const QScopedPointer<QtMaterialScrollBarPrivate> d;
};
