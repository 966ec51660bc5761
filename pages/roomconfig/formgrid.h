#pragma once
// The grids the editor pages of room configuration are laid out with.

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

// A bus number input (subnet, device, channel, area, scene): digits only, no minus sign, and a value above 255
// becomes "255" while it is typed.
QtMaterialLineEdit *addressField(const QString &objectName);

// The input's text as a number; empty or other text reads 0.
int fieldNumber(const QLineEdit *field);
