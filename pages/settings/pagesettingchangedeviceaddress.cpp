#include "pages/settings/pagesettingchangedeviceaddress.h"

#include "core/appsettings.h"
#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "shell/pageids.h"
#include "shell/unlockdlg.h"

#include <QEvent>
#include <QGridLayout>
#include <QIntValidator>
#include <climits>

namespace {

QtMaterialLineEdit *numberField(const QString &objectName, QWidget *owner)
{
    auto *field = new QtMaterialLineEdit(nullptr);
    field->setObjectName(objectName);
    // No minus sign: a negative retention would put the purge's cutoff in the future.
    field->setValidator(new QIntValidator(0, INT_MAX, field));
    field->installEventFilter(owner);
    return field;
}

QtMaterialLabel *label(const QString &text)
{
    return new QtMaterialLabel(text, nullptr, Qt::WindowFlags());
}

} // namespace

PageSettingChangeDeviceAddress::PageSettingChangeDeviceAddress(const QString &id, const QString &name, QWidget *parent)
    : MyDialog(id, name, parent)
{
    auto *save = new QtMaterialFlatButton(QtMaterialTheme::icon("content", "save"), tr("Save"), 7, nullptr);
    save->setObjectName("pushButtonSave");
    connect(save, &QtMaterialFlatButton::clicked, this, &PageSettingChangeDeviceAddress::pushButtonSave_clicked);

    lineEditSubnetId = numberField("lineEditSubnetId", this);
    lineEditDeviceId = numberField("lineEditDeviceId", this);
    lineEditRetainDays = numberField("lineEditRetainDays", this);
    lineEditLockPassword = new QtMaterialLineEdit(nullptr);
    lineEditLockPassword->setObjectName("lineEditLockPassword");
    lineEditLockPassword->setEchoMode(QLineEdit::Password);
    lineEditLockPassword->installEventFilter(this);
    lockable = {lineEditSubnetId, lineEditDeviceId, lineEditLockPassword, lineEditRetainDays};

    auto *mainLayout = new QGridLayout;
    mainLayout->setSpacing(20);
    mainLayout->addWidget(save, 0, 4, Qt::AlignRight);
    mainLayout->addWidget(label(tr("Subnet ID:")), 1, 0);
    mainLayout->addWidget(lineEditSubnetId, 1, 1);
    mainLayout->addWidget(label(tr("Device ID:")), 1, 2);
    mainLayout->addWidget(lineEditDeviceId, 1, 3);
    mainLayout->addWidget(label(tr("Lock Password:")), 2, 0);
    mainLayout->addWidget(lineEditLockPassword, 2, 1, 1, 3);
    mainLayout->addWidget(label(tr("Record Retain Days:")), 3, 0);
    mainLayout->addWidget(lineEditRetainDays, 3, 1, 1, 3);
    mainLayout->setRowStretch(4, 1);
    setLayout(mainLayout);

    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this,
            &PageSettingChangeDeviceAddress::slotsPageEnter);
    for (QtMaterialLineEdit *field : {lineEditSubnetId, lineEditDeviceId, lineEditRetainDays})
        connect(field, &QLineEdit::textChanged, this, &PageSettingChangeDeviceAddress::textChanged);
}

void PageSettingChangeDeviceAddress::slotsPageEnter()
{
    if (!isVisible())
        return;
    lineEditSubnetId->setText(gSubId);
    lineEditDeviceId->setText(gDevId);
    lineEditLockPassword->setText(gLockPassword);
    lineEditRetainDays->setText(gRetainDays);
    unlocked = false;
    setFieldsEnabled(false);
}

void PageSettingChangeDeviceAddress::setFieldsEnabled(bool enabled)
{
    for (QtMaterialLineEdit *field : lockable)
        field->setEnabled(enabled);
}

bool PageSettingChangeDeviceAddress::eventFilter(QObject *watched, QEvent *event)
{
    if (!unlocked && event->type() == QEvent::MouseButtonPress &&
        lockable.contains(qobject_cast<QtMaterialLineEdit *>(watched))) {
        UnlockDlg dialog(nullptr);
        if (dialog.exec() == QDialog::Accepted) {
            unlocked = true;
            setFieldsEnabled(true);
        }
    }
    return MyDialog::eventFilter(watched, event);
}

void PageSettingChangeDeviceAddress::textChanged(const QString &text)
{
    auto *field = qobject_cast<QtMaterialLineEdit *>(sender());
    if (!field)
        return;
    // Only the retention is capped while typing. A bus address above one byte is refused on saving instead: capped,
    // it would become 255, the address of every device.
    if (field == lineEditRetainDays && text.toInt() > 365)
        field->setText("365");
}

void PageSettingChangeDeviceAddress::pushButtonSave_clicked()
{
    for (QtMaterialLineEdit *field : lockable) {
        if (field->text().isEmpty()) {
            emit gBroadcastSocket.signalsInformation(tr("Please input the complete content"));
            return;
        }
    }
    const QList<QPair<QString, QtMaterialLineEdit *>> addresses = {{tr("Subnet ID"), lineEditSubnetId},
                                                                   {tr("Device ID"), lineEditDeviceId}};
    for (const auto &address : addresses) {
        if (address.second->text().toInt() > 255) {
            emit gBroadcastSocket.signalsInformation(tr("%1 cannot be greater than 255!").arg(address.first));
            return;
        }
    }
    if (lineEditRetainDays->text().toInt() == 0)
        lineEditRetainDays->setText("7");

    gSubId = lineEditSubnetId->text();
    writeIniSetting("address", "subId", gSubId);
    gDevId = lineEditDeviceId->text();
    writeIniSetting("address", "devId", gDevId);
    gBroadcastSocket.setLocalAddress(quint8(gSubId.toInt()), quint8(gDevId.toInt()));
    gLockPassword = lineEditLockPassword->text();
    writeIniSetting("address", "lock_password", gLockPassword);
    gRetainDays = lineEditRetainDays->text();
    writeIniSetting("address", "retain_days", gRetainDays);

    // A retention that is no non-negative number gives no cutoff, and then nothing is purged.
    const QString logCutoff = retentionCutoff(gRetainDays);
    if (!logCutoff.isEmpty())
        gDatabase.execSql("delete from tbl_log where log_time <=?", {logCutoff});
    const QString messageCutoff = retentionCutoff(gRetainDays);
    if (!messageCutoff.isEmpty())
        gDatabase.execSql("delete from tbl_message_log where recv_time <=?", {messageCutoff});

    emit gBroadcastSocket.signalsInformation(tr("Change successfully"));
    emit gBroadcastSocket.signalsNetworkStateChanged(false);
    emit gBroadcastSocket.signalsNetworkOpen();
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::Setting), trPageId(PageId::Setting), "", "");
}
