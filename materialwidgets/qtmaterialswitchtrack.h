#pragma once
// The rounded bar a switch's thumb slides along.

#include <QColor>
#include <QWidget>

class QtMaterialSwitch;

class QtMaterialSwitchTrack : public QWidget
{
    Q_OBJECT

    Q_PROPERTY(QColor trackColor WRITE setTrackColor READ trackColor)

public:
    explicit QtMaterialSwitchTrack(QtMaterialSwitch *parent);
    ~QtMaterialSwitchTrack() override;

    void setTrackColor(const QColor &color);
    QColor trackColor() const { return m_trackColor; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(QtMaterialSwitchTrack)

    QtMaterialSwitch *const m_switch;
    QColor m_trackColor;
};
