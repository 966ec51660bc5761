#pragma once
// The form the alarm dialog and the message dialog share: where and when a guest request came from, and the
// status and remark staff give it.

#include "devicelink/messagerecords.h"

#include <QObject>
#include <QString>

class MyDialog;
class QGridLayout;
class QHBoxLayout;
class QtMaterialComboBox;
class QtMaterialLabel;
class QtMaterialLineEdit;

class MessageForm : public QObject
{
    Q_OBJECT

public:
    // The remark field holds what message_log_remark holds: 255 bytes of UTF-8.
    static constexpr int remarkBytes = int(sizeof(messageRecord::message_log_remark)) - 1;

    // Builds the form grid: row 0 the message picture (pictureSize square), rows 1 to 6 the labels and fields.
    // The labels are translated in context, the owning dialog's class name.
    MessageForm(const char *context, int pictureSize, QObject *parent);

    // The grid; the owner installs it and adds its own rows below row 6.
    QGridLayout *grid() const { return layout; }

    // Makes dialog the frameless window both dialogs are (object name, title, sizes) and lays it out: the close
    // icon, the title, this form and the button row below it.
    void installIn(MyDialog *dialog, const QString &objectName, const QString &title, QHBoxLayout *buttons);

    // Fills the form from record. Where, what and by which panel are shown only while the record's message
    // definition exists; without it those fields are cleared rather than left showing another record.
    void show(const messageRecord &record);

    // Reads the form into record: the status chosen, the remark typed and the current local time as the time
    // the record was dealt with.
    void collect(messageRecord &record) const;

    QtMaterialLineEdit *remarkField() const { return remark; }
    // Shown for a record that could not be stored (id 0).
    QtMaterialLabel *notSavedMark() const { return notSaved; }
    QtMaterialComboBox *statusField() const { return status; }

    // text cut to remarkBytes of UTF-8 on a character boundary.
    static QString fitRemark(const QString &text);

private:
    void limitRemark();

    QGridLayout *layout = nullptr;
    QtMaterialLabel *picture = nullptr;
    QtMaterialLabel *notSaved = nullptr;
    QtMaterialLineEdit *recvTime = nullptr;
    QtMaterialLineEdit *roomName = nullptr;
    QtMaterialLineEdit *panelName = nullptr;
    QtMaterialLineEdit *messageName = nullptr;
    QtMaterialComboBox *status = nullptr;
    QtMaterialLineEdit *remark = nullptr;
};
