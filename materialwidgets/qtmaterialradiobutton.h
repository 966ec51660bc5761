#pragma once
// Material radio button: exclusive among its siblings, the dot grows in as the ring shrinks away.

#include "materialwidgets/qtmaterialcheckable.h"

class QtMaterialRadioButtonPrivate;

class QtMaterialRadioButton : public QtMaterialCheckable
{
    Q_OBJECT

public:
    explicit QtMaterialRadioButton(QWidget *parent = nullptr);
    QtMaterialRadioButton(const QString &text, QWidget *parent = nullptr);
    ~QtMaterialRadioButton() override;

protected:
    void assignStateColors() override;

private:
    Q_DISABLE_COPY(QtMaterialRadioButton)
    Q_DECLARE_PRIVATE(QtMaterialRadioButton)
};
