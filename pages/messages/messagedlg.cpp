#include "pages/messages/messagedlg.h"

#include "materialwidgets/qtmaterialflatbutton.h"
#include "pages/messages/messagedealing.h"
#include "pages/messages/messageform.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include <cstring>

namespace {

MessageDlg::ExecHook &execHook()
{
    static MessageDlg::ExecHook hook;
    return hook;
}

} // namespace

MessageDlg::MessageDlg(QWidget *parent) : MyDialog(parent)
{
    std::memset(&record, 0, sizeof record);
    messageForm = new MessageForm("MessageDlg", 96, this);
    messageForm->grid()->setRowStretch(7, 1);

    auto *ok = new QtMaterialFlatButton(tr("Ok"), 7, nullptr);
    ok->setObjectName("pushButtonOk");
    connect(ok, &QtMaterialFlatButton::clicked, this, &MessageDlg::pushButtonOk_clicked);
    auto *cancel = new QtMaterialFlatButton(tr("Cancel"), 7, nullptr);
    cancel->setObjectName("pushButtonCancel");
    connect(cancel, &QtMaterialFlatButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    messageForm->installIn(this, "MessageDlg", tr("Edit Message"), buttons);
}

MessageDlg::~MessageDlg() = default;

void MessageDlg::setExecHook(const ExecHook &hook)
{
    execHook() = hook;
}

int MessageDlg::exec()
{
    if (execHook())
        return execHook()(*this);
    return MyDialog::exec();
}

void MessageDlg::showRecord()
{
    messageForm->show(record);
}

void MessageDlg::pushButtonOk_clicked()
{
    messageForm->collect(record);
    switch (MessageDealing::deal(record)) {
    case MessageDealing::Outcome::Dealt:
        accept();
        break;
    case MessageDealing::Outcome::Gone:
        emit signalsInformation(tr("The message no longer exists!"));
        break;
    case MessageDealing::Outcome::NotSaved:
    case MessageDealing::Outcome::Unsaved:
        emit signalsInformation(tr("The message could not be saved!"));
        break;
    }
}

void MessageDlg::paintEvent(QPaintEvent *event)
{
    paintPanel();
    MyDialog::paintEvent(event);
}
