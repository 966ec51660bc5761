#pragma once
// A plain rectangle in a themed background colour, a starting point for themed custom widgets.

#include <QScopedPointer>
#include <QWidget>

class QtMaterialWidgetPrivate;

class QtMaterialWidget : public QWidget
{
    Q_OBJECT

public:
    explicit QtMaterialWidget(QWidget *parent = nullptr);
    ~QtMaterialWidget() override;

    void setUseThemeColors(bool value);
    bool useThemeColors() const;

    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;

    const QScopedPointer<QtMaterialWidgetPrivate> d_ptr;

private:
    Q_DISABLE_COPY(QtMaterialWidget)
    Q_DECLARE_PRIVATE(QtMaterialWidget)
};
