#include "pages/roomconfig/formgrid.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"

#include <QCoreApplication>

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

QGridLayout *lightForm(QWidget *save, QWidget *name, QWidget *type, QWidget *icon, QLayout *below)
{
    auto *left = formGrid();
    left->addWidget(new QtMaterialLabel(QCoreApplication::translate("LightForm", "Name"), nullptr), 0, 0);
    left->addWidget(name, 1, 0);
    left->addWidget(new QtMaterialLabel(QCoreApplication::translate("LightForm", "Type"), nullptr), 2, 0);
    left->addWidget(type, 3, 0);
    left->setRowStretch(4, 1);
    auto *right = formGrid();
    right->addWidget(new QtMaterialLabel(QCoreApplication::translate("LightForm", "Icon"), nullptr), 0, 0);
    right->addWidget(icon, 1, 0);
    right->setRowStretch(2, 1);
    auto *upper = formGrid();
    upper->addLayout(left, 0, 0);
    upper->addLayout(right, 0, 1);
    upper->setRowStretch(1, 1);
    auto *page = formGrid();
    page->addWidget(save, 0, 0, Qt::AlignRight);
    page->addLayout(upper, 1, 0);
    int next = 2;
    if (below)
        page->addLayout(below, next++, 0);
    page->setRowStretch(next, 1);
    return page;
}

QtMaterialLineEdit *addressField(const QString &objectName)
{
    auto *field = new QtMaterialLineEdit(nullptr);
    field->setObjectName(objectName);
    // Bottom 0: a bus address is never negative.
    field->setValidator(new QIntValidator(0, std::numeric_limits<int>::max(), field));
    return field;
}

QtMaterialLineEdit *cappedAddressField(const QString &objectName)
{
    QtMaterialLineEdit *field = addressField(objectName);
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString &text) {
        if (text.toInt() > 255)
            field->setText("255");
    });
    return field;
}

bool addressesFit(const QList<NamedField> &fields)
{
    for (const NamedField &named : fields) {
        // Capping a typo to 255 would address every device of the subnet; the user gets to correct it instead.
        if (fieldNumber(named.field) > 255) {
            emit gBroadcastSocket.signalsInformation(
                QCoreApplication::translate("AddressField", "%1 cannot be greater than 255!").arg(named.name));
            return false;
        }
    }
    return true;
}

int fieldNumber(const QLineEdit *field)
{
    return field->text().toInt();
}
