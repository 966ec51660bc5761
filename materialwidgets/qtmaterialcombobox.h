#pragma once
// Drop-down list in the station's dark look; editable from the start, callers switch that off where needed.

#include <QComboBox>

class QtMaterialComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit QtMaterialComboBox(QWidget *parent = nullptr);

    void setFontIndex(int index);
    int fontIndex() const { return m_fontIndex; }

private:
    int m_fontIndex = 8;
};
