#pragma once
// Gives any widget (usually a plain label) the theme's text colour and body font and keeps them current.

#include <QObject>

class QWidget;

class QtMaterializerLabel : public QObject
{
    Q_OBJECT

public:
    // parent is the widget to style; the materializer is its child and goes with it.
    explicit QtMaterializerLabel(QObject *parent);
    ~QtMaterializerLabel() override;

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    Q_DISABLE_COPY(QtMaterializerLabel)

    void applyPalette();
    void applyFont();

    QWidget *const m_widget;
};

// Attaches a new materializer to widget and answers widget.
QWidget *materializeLabel(QWidget *widget);
