#pragma once
// A material slider with a plain integer interface, for the set points of the panels and the colour dialog.

#include <QWidget>

class QtMaterialSlider;

class SliderCtrl : public QWidget
{
    Q_OBJECT

public:
    explicit SliderCtrl(QWidget *parent = nullptr);

    // Bounded to the range (0 to 99 until setRange); reported through valueChanged when it changes.
    void setValue(int value);
    int value() const;
    // A current value outside the new range moves into it and is reported.
    void setRange(int min, int max);
    void setOrientation(Qt::Orientation orientation);

signals:
    // The slider's value changed, by the user, by setValue or by setRange; users that set the value themselves
    // ignore the report of their own change.
    void valueChanged(int value);

private slots:
    void slotsValueChanged(int value);

private:
    QtMaterialSlider *slider;
};
