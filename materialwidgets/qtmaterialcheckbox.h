#pragma once
// Material check box: the check mark grows in and the outline fades out when checked.

#include "materialwidgets/qtmaterialcheckable.h"

class QtMaterialCheckBoxPrivate;

class QtMaterialCheckBox : public QtMaterialCheckable
{
    Q_OBJECT

public:
    explicit QtMaterialCheckBox(QWidget *parent = nullptr);
    QtMaterialCheckBox(const QString &text, QWidget *parent = nullptr);
    ~QtMaterialCheckBox() override;

private:
    Q_DISABLE_COPY(QtMaterialCheckBox)
    Q_DECLARE_PRIVATE(QtMaterialCheckBox)
};
