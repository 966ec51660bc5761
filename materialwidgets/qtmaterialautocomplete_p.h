#pragma once
// Private state of the auto-complete field.

#include "materialwidgets/qtmaterialtextfield_p.h"

#include <QPointer>
#include <QStringList>

class QVBoxLayout;
class QWidget;
class QtMaterialAutoComplete;
class QtMaterialAutoCompleteStateMachine;

class QtMaterialAutoCompletePrivate : public QtMaterialTextFieldPrivate
{
    Q_DISABLE_COPY(QtMaterialAutoCompletePrivate)
    Q_DECLARE_PUBLIC(QtMaterialAutoComplete)

public:
    explicit QtMaterialAutoCompletePrivate(QtMaterialAutoComplete *q);
    ~QtMaterialAutoCompletePrivate() override;

    void init();

    // Menu and frame live in the field's parent, so the parent may already have deleted them.
    QPointer<QWidget> menu;
    QPointer<QWidget> frame;
    QtMaterialAutoCompleteStateMachine *stateMachine = nullptr;
    QVBoxLayout *menuLayout = nullptr;
    QStringList dataSource;
    int maxWidth = 0;
};
