#include "shell/unlockdlg.h"

#include "ui_unlockdlg.h"

#include "core/globals.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialtheme.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace {
UnlockDlg::ExecHook &execHook()
{
    static UnlockDlg::ExecHook hook;
    return hook;
}
} // namespace

UnlockDlg::UnlockDlg(QWidget *parent) : MyDialog(parent), ui(new Ui::UnlockDlg)
{
    ui->setupUi(this);
    makeFramelessPanel();

    auto *label = new QtMaterialLabel(tr("Please input the unlock password"), nullptr, Qt::WindowFlags());
    label->setObjectName("labelPrompt");

    passwordEdit = new QtMaterialLineEdit(nullptr);
    passwordEdit->setObjectName("passwordEdit");
    passwordEdit->setEchoMode(QLineEdit::Password);
    passwordEdit->setPlaceholderText(tr("Unlock password"));

    auto *closeButton = new QtMaterialIconButton(QtMaterialTheme::icon("navigation", "close"), nullptr);
    closeButton->setObjectName("pushButtonClose");
    closeButton->setColor(Qt::white);
    connect(closeButton, &QtMaterialIconButton::clicked, this, &UnlockDlg::close);

    auto *confirm = new QtMaterialFlatButton(tr("Confirm"), 7, nullptr);
    confirm->setObjectName("pushButtonOk");
    connect(confirm, &QtMaterialFlatButton::clicked, this, &UnlockDlg::pushButtonOk_clicked);
    auto *cancel = new QtMaterialFlatButton(tr("Cancel"), 7, nullptr);
    cancel->setObjectName("pushButtonCancel");
    connect(cancel, &QtMaterialFlatButton::clicked, this, &UnlockDlg::close);

    auto *buttons = new QHBoxLayout;
    buttons->setSizeConstraint(QLayout::SetNoConstraint);
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);

    auto *mainLayout = new QGridLayout;
    mainLayout->setSizeConstraint(QLayout::SetNoConstraint);
    mainLayout->setSpacing(20);
    mainLayout->addWidget(closeButton, 0, 0, Qt::AlignRight | Qt::AlignTop);
    mainLayout->addWidget(label, 1, 0, Qt::AlignHCenter | Qt::AlignVCenter);
    mainLayout->addWidget(passwordEdit, 2, 0);
    mainLayout->addLayout(buttons, 3, 0);
    mainLayout->setRowStretch(4, 1);
    setLayout(mainLayout);

    setFixedHeight(210);
}

UnlockDlg::~UnlockDlg()
{
    delete ui;
}

int UnlockDlg::exec()
{
    if (execHook())
        return execHook()(*this);
    return MyDialog::exec();
}

void UnlockDlg::setExecHook(const ExecHook &hook)
{
    execHook() = hook;
}

void UnlockDlg::pushButtonOk_clicked()
{
    const QString typed = passwordEdit->text();
    // An empty entry is refused before the comparison, so an empty lock password never unlocks.
    if (typed.isEmpty()) {
        emit signalsInformation(tr("Please input the unlock password!"));
        return;
    }
    if (typed == gLockPassword)
        accept();
    else
        emit signalsInformation(tr("Password error!"));
}

void UnlockDlg::paintEvent(QPaintEvent *event)
{
    paintPanel();
    MyDialog::paintEvent(event);
}
