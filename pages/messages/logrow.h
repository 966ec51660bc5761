#pragma once
// Base of the rows of the device log and the message log: a 40-pixel row that paints its text cells elided to
// their width over a line at its foot, and in its page's delete mode a check box that a press marks or unmarks.

#include "shell/dynamicwidget.h"

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>

class QPainter;

class LogRow : public DynamicWidget
{
    Q_OBJECT

public:
    explicit LogRow(QWidget *parent);

    bool isChecked() const { return checked; }
    bool isCheckBoxVisible() const { return checkBoxVisible; }

    // One text column as painted at the row's current size, before eliding.
    struct TextCell
    {
        QRect rect;
        QString text;
        int flags = Qt::AlignCenter;
    };
    // The text columns, in the order they are painted.
    virtual QList<TextCell> textCells() const = 0;
    // The colour the texts are painted in.
    virtual QColor textColor() const = 0;

public slots:
    // In delete mode a press marks or unmarks the row; a row that does more when pressed overrides this.
    virtual void slotsPressed();
    void slotsLogsChecked(bool checked);
    void slotsLogsVisible(bool visible);

protected:
    // Marks or unmarks the row when its check box is shown; false, and nothing changed, otherwise.
    bool toggleMark();
    // Paints what goes before the texts (a picture); nothing by default.
    virtual void paintBeforeTexts(QPainter &painter);
    void paintEvent(QPaintEvent *event) override;

private:
    bool checked = false;
    bool checkBoxVisible = false;
};
