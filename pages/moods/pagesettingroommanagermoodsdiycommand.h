#pragma once
// The page "Diy Command": steps through the free bus commands of one mood, one command at a time, lets the user
// change or add them with the type list and the parameter inputs its type asks for, and writes the whole list
// when saved. The commands are written at once, before the mood itself is saved.

#include "devicelink/devicerecords.h"
#include "pages/moods/commandparameters.h"
#include "shell/mydialog.h"

#include <QList>
#include <QVector>

class QLineEdit;
class QtMaterialComboBox;
class QtMaterialLabel;
class QtMaterialLineEdit;
class SliderCtrl;
class TimeCtrl;

class PageSettingRoomManagerMoodsDiyCommand : public MyDialog
{
    Q_OBJECT

public:
    PageSettingRoomManagerMoodsDiyCommand(const QString &id, const QString &name, QWidget *parent);

    const QList<moodCommandRecord> &commands() const { return commandList; }
    int position() const { return m_position; }
    const moodCommandRecord &command() const { return m_command; }

    // The [index] of a command type or of a list entry, found by its text; 0 when there is none.
    int typeIndexOfItem(const QString &item) const;
    int prm1IndexOfItem(int policy, const QString &item) const;
    int comp2IndexOfItem(int policy, const QString &item) const;
    int comp3IndexOfItem(int policy, const QString &item) const;

    // Rebuild one parameter for the type and the list entries chosen before it, showing the command's bytes.
    void fillPrm1();
    void fillPrm2();
    void fillPrm3();
    void fillPrm4();
    // The form into the command being edited.
    void encodeCommand();
    // The command being edited into the form.
    void showCommand();

private slots:
    void slotsPageEnter(QString moodId, QString roomId);
    void pushButtonPrev_clicked();
    void pushButtonNext_clicked();
    void pushButtonSave_clicked();
    void comboBoxChange(int index);
    void textChanged(QString text);
    void valueChanged(int value);

private:
    struct Parameter
    {
        QtMaterialLabel *label = nullptr;
        QtMaterialLineEdit *field = nullptr;
        QtMaterialComboBox *list = nullptr;
        QtMaterialLabel *unit = nullptr;
    };

    void fillPrm(int prm);
    void hideParameter(int prm);
    // The case of a parameter as the form stands: the type and the entries chosen in the lists before it.
    ParameterCase caseOf(int prm) const;
    int chosenIndex(int prm, const ParameterCase &c) const;
    int listIndexOfItem(const ParameterList &list, const QString &item) const;
    int listValueOfItem(const ParameterList &list, const QString &item) const;
    int currentType() const;
    // The Type list with the offered types only, on its first entry.
    void resetTypeList();
    // The form of a new command: Command ID as given, no address, the first type, empty parameters.
    void newCommandForm(int commandId);
    bool addressComplete();
    // Encodes the form and puts the command into the list: over the entry with its command_id, else at the end.
    void keepCommand();

    int roomId = 0;
    int moodId = 0;
    int m_position = 0;
    moodCommandRecord m_command{};
    QList<moodCommandRecord> commandList;
    int offeredTypes = 0;

    QtMaterialLabel *labelCommandId = nullptr;
    QtMaterialLineEdit *lineEditSubnet = nullptr;
    QtMaterialLineEdit *lineEditDevice = nullptr;
    QtMaterialComboBox *comboBoxType = nullptr;
    QVector<Parameter> parameters; // Prm1 to Prm4 at 0 to 3
    SliderCtrl *slider = nullptr;  // Prm2
    TimeCtrl *timeCtrl = nullptr;  // Prm3
};
