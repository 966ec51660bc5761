#pragma once
// Private state of the text field; the auto-complete field extends it.

#include <QColor>
#include <QString>

class QtMaterialTextField;
class QtMaterialTextFieldLabel;
class QtMaterialTextFieldStateMachine;

class QtMaterialTextFieldPrivate
{
    Q_DISABLE_COPY(QtMaterialTextFieldPrivate)
    Q_DECLARE_PUBLIC(QtMaterialTextField)

public:
    explicit QtMaterialTextFieldPrivate(QtMaterialTextField *q);
    virtual ~QtMaterialTextFieldPrivate();

    void init();

    QtMaterialTextField *const q_ptr;
    QtMaterialTextFieldStateMachine *stateMachine = nullptr;
    QtMaterialTextFieldLabel *label = nullptr;
    QString labelText;
    qreal labelFontSize = 9.5;
    bool labelVisible = false;
    bool inputLineVisible = true;
    bool useThemeColors = true;
    QColor textColor;
    QColor labelColor;
    QColor inkColor;
    QColor inputLineColor;
};
