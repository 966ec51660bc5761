#include "pages/roomconfig/formgrid.h"

#include "materialwidgets/qtmateriallineedit.h"

#include <QGridLayout>
#include <QIntValidator>

#include <limits>

QGridLayout *formGrid()
{
    auto *grid = new QGridLayout;
    grid->setSizeConstraint(QLayout::SetNoConstraint);
    grid->setSpacing(20);
    return grid;
}

QtMaterialLineEdit *addressField(const QString &objectName)
{
    auto *field = new QtMaterialLineEdit(nullptr);
    field->setObjectName(objectName);
    // Bottom 0: a bus address is never negative.
    field->setValidator(new QIntValidator(0, std::numeric_limits<int>::max(), field));
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString &text) {
        if (text.toInt() > 255)
            field->setText("255");
    });
    return field;
}

int fieldNumber(const QLineEdit *field)
{
    return field->text().toInt();
}
