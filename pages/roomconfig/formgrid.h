#pragma once
// The grids the editor pages of room configuration are laid out with.

#include <QList>
#include <QString>

class QGridLayout;
class QLayout;
class QWidget;

// A grid without a size constraint and with spacing 20.
QGridLayout *formGrid();

// The form a light is edited with: the Save button at the top right, over the name and type on the left and
// the icon on the right, then below (when given). The rest of the height stays empty at the bottom.
QGridLayout *lightForm(QWidget *save, QWidget *name, QWidget *type, QWidget *icon, QLayout *below = nullptr);

class QtMaterialLineEdit;
class QLineEdit;

// A bus number input (subnet, device, channel, area, scene): digits only, no minus sign. A value above 255 stays
// as typed; the editor refuses it on saving (addressesFit).
QtMaterialLineEdit *addressField(const QString &objectName);
// As addressField, but a value above 255 becomes "255" while it is typed: for the forms that are stored when
// their page is left, with no save of their own to refuse.
QtMaterialLineEdit *cappedAddressField(const QString &objectName);

// A number input with the name the form gives it.
struct NamedField
{
    QString name;
    const QLineEdit *field;
};
// True when every field reads 255 or less. Otherwise the user is told, through the hub, the name of the first
// field above it.
bool addressesFit(const QList<NamedField> &fields);

// The input's text as a number; empty or other text reads 0.
int fieldNumber(const QLineEdit *field);
