#pragma once
// The slider's track, filled up to the thumb, painted over the slider's parent at the slider's position.

#include "materialwidgets/qtmaterialoverlaywidget.h"

#include <QColor>

class QtMaterialSlider;
class QtMaterialSliderThumb;

class QtMaterialSliderTrack : public QtMaterialOverlayWidget
{
    Q_OBJECT

    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor)

public:
    QtMaterialSliderTrack(QtMaterialSliderThumb *thumb, QtMaterialSlider *slider);

    void setFillColor(const QColor &color);
    QColor fillColor() const { return m_fillColor; }

    void setTrackWidth(int width);
    int trackWidth() const { return m_trackWidth; }

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(QtMaterialSliderTrack)

    QtMaterialSlider *const m_slider;
    QtMaterialSliderThumb *const m_thumb;
    QColor m_fillColor;
    int m_trackWidth = 2;
};
