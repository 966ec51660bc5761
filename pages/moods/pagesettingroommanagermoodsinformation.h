#pragma once
// The page "Moods Information": one mood of a room, its name, picture, which of the room's device groups it
// restores and how many free commands it carries. Saving takes a snapshot of the chosen devices as they stand
// in the project (the mood card replays those rows) and writes the mood, its snapshots and its commands as one.

#include "devicelink/devicerecords.h"
#include "shell/mydialog.h"

#include <QList>
#include <QVector>

class ManagerItem;
class QtMaterialCheckBox;
class QtMaterialLabel;
class QtMaterialLineEdit;

class PageSettingRoomManagerMoodsInformation : public MyDialog
{
    Q_OBJECT

public:
    PageSettingRoomManagerMoodsInformation(const QString &id, const QString &name, QWidget *parent);

    int moodId() const { return m_moodId; }
    int roomId() const { return m_roomId; }
    bool isStored() const { return stored; }
    const QList<moodCommandRecord> &commands() const { return commandList; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void slotsPageEnter(QString mood_room_Id, QString resetPage);
    void slotsPageRemoveMoodsInformation();
    void slotsIconEdit(QString iconName);
    void checkBoxAddDevicesInCurrentState_toggled(bool checked);
    void pushButtonExtraDiyCommand_clicked();
    void pushButtonSave_clicked();

private:
    // Writes the mood row, replaces its snapshots and its commands; false, with nothing changed, when a step fails.
    bool saveMood();

    int m_moodId = 0;
    int m_roomId = 0;
    bool stored = false;
    QList<moodCommandRecord> commandList;

    QtMaterialLineEdit *lineEditName = nullptr;
    ManagerItem *pictureTile = nullptr;
    QVector<QtMaterialLabel *> icons;         // light, AC 1, AC 2, floor heat 1, floor heat 2
    QVector<QtMaterialCheckBox *> checkBoxes; // in the same order
};
