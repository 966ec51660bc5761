#pragma once
// The ripple overlay of a switch: lives in the switch's parent and keeps itself centred on the sliding thumb.

#include "materialwidgets/qtmaterialrippleoverlay.h"

class QtMaterialSwitch;
class QtMaterialSwitchThumb;
class QtMaterialSwitchTrack;

class QtMaterialSwitchRippleOverlay : public QtMaterialRippleOverlay
{
    Q_OBJECT

public:
    QtMaterialSwitchRippleOverlay(QtMaterialSwitchThumb *thumb, QtMaterialSwitchTrack *track, QtMaterialSwitch *parent);
    ~QtMaterialSwitchRippleOverlay() override;

    QRect overlayGeometry() const override;

protected slots:
    void addSwitchRipple();

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    Q_DISABLE_COPY(QtMaterialSwitchRippleOverlay)

    QtMaterialSwitch *const m_switch;
    QtMaterialSwitchThumb *const m_thumb;
    QtMaterialSwitchTrack *const m_track;
};
