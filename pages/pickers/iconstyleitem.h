#pragma once
// One row of the picture source chooser: "Select Image" (style 0) or "Add From Gallery" (style 1).

#include "shell/dynamicwidget.h"

class IconStyleItem : public DynamicWidget
{
    Q_OBJECT

public:
    IconStyleItem(int style, QWidget *parent);

    int style() const { return m_style; }
    QString text() const;

signals:
    // The row was clicked.
    void signalsIconStyleChanged(int style);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void slotsPressed();

private:
    int m_style;
};
