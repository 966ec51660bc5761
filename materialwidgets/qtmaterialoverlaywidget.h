#pragma once
// A child widget that covers (or, in subclasses, places itself over part of) its parent and follows its geometry.

#include <QWidget>

class QtMaterialOverlayWidget : public QWidget
{
    Q_OBJECT

public:
    explicit QtMaterialOverlayWidget(QWidget *parent = nullptr);
    ~QtMaterialOverlayWidget() override;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *obj, QEvent *event) override;

    // The rectangle to cover, in parent coordinates: by default the parent's whole rectangle.
    virtual QRect overlayGeometry() const;

private:
    Q_DISABLE_COPY(QtMaterialOverlayWidget)
};
