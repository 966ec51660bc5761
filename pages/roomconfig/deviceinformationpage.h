#pragma once
// The editor pages of one light or wall panel of a room or of a room template, and of one air conditioner or floor
// heating of a room: a name and a Save button over what the kind adds. Every page enter reads the device id and the
// owner's id (prm1, prm2), clears the name and loads the form; a save that is stored goes back to the owner's
// editor page.
//
// A page is a subclass that passes its object name and its owner's editor page (a PageId constant), lays out its
// form with lineEditName and saveButton, and overrides load and save.

#include "shell/mydialog.h"

class QtMaterialFlatButton;
class QtMaterialLineEdit;

class DeviceInformationPage : public MyDialog
{
    Q_OBJECT

public:
    DeviceInformationPage(const QString &id, const QString &name, const char *objectName, const char *ownerPageId,
                          QWidget *parent);

protected:
    // Fills the form for deviceId of ownerId; the name is already cleared.
    virtual void load() = 0;
    // Checks the form and stores it, or tells the user what keeps it from being stored. Called only with a name.
    virtual void save() = 0;

    // Tells the user that the form is incomplete.
    void askForCompleteContent();
    // Tells the user of a failed save, or returns to the owner's editor page on the tab it was left on.
    void finishSave(bool saved);

    int deviceId = 0;
    int ownerId = 0;
    QtMaterialLineEdit *lineEditName = nullptr;
    QtMaterialFlatButton *saveButton = nullptr;

private slots:
    void slotsPageEnter(QString device, QString owner);
    void pushButtonSave_clicked();

private:
    const char *m_ownerPageId;
};
