#pragma once
// Date and time input with a calendar pop-up, both in the station's dark look.

#include <QDateTimeEdit>

class QtMaterialDateTimeEdit : public QDateTimeEdit
{
    Q_OBJECT

public:
    explicit QtMaterialDateTimeEdit(QWidget *parent = nullptr);

    void setFontIndex(int index);
    int fontIndex() const { return m_fontIndex; }

private:
    int m_fontIndex = 8;
};
