#pragma once
// The slider's round thumb with its halo, painted over the slider's parent at the slider's position.

#include "materialwidgets/qtmaterialoverlaywidget.h"

#include <QColor>

class QtMaterialSlider;

class QtMaterialSliderThumb : public QtMaterialOverlayWidget
{
    Q_OBJECT

    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor)
    Q_PROPERTY(QColor haloColor READ haloColor WRITE setHaloColor)
    Q_PROPERTY(qreal diameter READ diameter WRITE setDiameter)
    Q_PROPERTY(qreal borderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(qreal haloSize READ haloSize WRITE setHaloSize)

public:
    explicit QtMaterialSliderThumb(QtMaterialSlider *slider);

    void setDiameter(qreal diameter);
    qreal diameter() const { return m_diameter; }

    void setBorderWidth(qreal width);
    qreal borderWidth() const { return m_borderWidth; }

    void setBorderColor(const QColor &color);
    QColor borderColor() const { return m_borderColor; }

    void setFillColor(const QColor &color);
    QColor fillColor() const { return m_fillColor; }

    void setHaloSize(qreal size);
    qreal haloSize() const { return m_haloSize; }

    void setHaloColor(const QColor &color);
    QColor haloColor() const { return m_haloColor; }

    // Pixel position of the thumb along the track, kept by the slider.
    void setOffset(int offset);
    int offset() const { return m_offset; }

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(QtMaterialSliderThumb)

    QtMaterialSlider *const m_slider;
    QColor m_borderColor;
    QColor m_fillColor;
    QColor m_haloColor;
    qreal m_diameter = 11;
    qreal m_borderWidth = 2;
    qreal m_haloSize = 0;
    int m_offset = 0;
};
