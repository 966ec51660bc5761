#pragma once
// What the small modal dialogs share (the network style, project and picture choosers among them): the dialog's frame
// around its rows, and the painting of one row.

#include <QString>

class QDialog;
class QtMaterialGroupBox;
class QtMaterialIconButton;
class QWidget;

// The white close icon of the small dialogs, named pushButtonClose; a click closes the dialog (Rejected).
QtMaterialIconButton *makeCloseButton(QDialog *dialog);

// Lays out the chooser: a white close button at the top right and, below it, a scrolling panel holding a
// borderless group box for the rows. Returns that group box, named groupBoxName.
QtMaterialGroupBox *addChooserFrame(QDialog *dialog, const QString &groupBoxName);

// Paints a chooser row over its background: the picture at the left, the text elided to the row's width,
// the selection mark at the right when selected, and a light line along the bottom.
void paintChooserRow(QWidget *row, const QString &picture, const QString &text, bool selected);
