#pragma once
// The sliding panel of a drawer, with a soft shadow strip along its right edge.

#include "materialwidgets/qtmaterialoverlaywidget.h"

class QtMaterialDrawerWidget : public QtMaterialOverlayWidget
{
    Q_OBJECT

    Q_PROPERTY(int offset WRITE setOffset READ offset)

public:
    explicit QtMaterialDrawerWidget(QWidget *parent = nullptr);
    ~QtMaterialDrawerWidget() override;

    // Displacement from the parent's left edge: 0 is fully open, negative is moved out to the left.
    void setOffset(int offset);
    int offset() const { return m_offset; }

protected:
    void paintEvent(QPaintEvent *event) override;
    QRect overlayGeometry() const override;

private:
    Q_DISABLE_COPY(QtMaterialDrawerWidget)

    int m_offset = 0;
};
