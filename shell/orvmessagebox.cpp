#include "shell/orvmessagebox.h"

#include "ui_orvmessagebox.h"

#include "materialwidgets/qtmaterialcheckbox.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmaterialtheme.h"

#include <QGridLayout>

namespace {
ORVMessageBox::ExecHook &execHook()
{
    static ORVMessageBox::ExecHook hook;
    return hook;
}
} // namespace

ORVMessageBox::ORVMessageBox(const QString &text, int width, int height, bool showCheckBox, int type, QWidget *parent)
    : MyDialog(parent), ui(new Ui::ORVMessageBox)
{
    ui->setupUi(this);
    makeFramelessPanel();

    checkBox = new QtMaterialCheckBox(nullptr);
    checkBox->setObjectName("checkBox");
    label = new QtMaterialLabel(text, nullptr, Qt::WindowFlags());
    label->setObjectName("labelText");
    label->setWordWrap(true);
    // The text takes the whole width beside the check box (the fewest lines, so that it fits the fixed height)
    // and is centred in it, with or without the check box. The label's own fixed size policy would leave the
    // space to the check box's column and push the text to the far right.
    label->setAlignment(Qt::AlignCenter);
    QSizePolicy fill(QSizePolicy::Preferred, QSizePolicy::Preferred);
    fill.setHeightForWidth(true);
    label->setSizePolicy(fill);

    auto *closeButton = new QtMaterialIconButton(QtMaterialTheme::icon("navigation", "close"), nullptr);
    closeButton->setObjectName("pushButtonClose");
    closeButton->setColor(Qt::white);
    connect(closeButton, &QtMaterialIconButton::clicked, this, &ORVMessageBox::close);

    auto *buttons = new QGridLayout;
    buttons->setSizeConstraint(QLayout::SetNoConstraint);
    auto *ok = new QtMaterialFlatButton(tr("Ok"), 7, nullptr);
    ok->setObjectName("pushButtonOk");
    connect(ok, &QtMaterialFlatButton::clicked, this, &ORVMessageBox::okPressed);
    if (type == 1 || type == 2) {
        auto *cancel = new QtMaterialFlatButton(tr("Cancel"), 5, nullptr);
        cancel->setObjectName("pushButtonCancel");
        connect(cancel, &QtMaterialFlatButton::clicked, this, &ORVMessageBox::close);
        buttons->addWidget(type == 1 ? ok : cancel, 0, 0);
        buttons->addWidget(type == 1 ? cancel : ok, 0, 1);
    } else {
        ok->setFixedWidth(100);
        buttons->addWidget(ok, 0, 0, Qt::AlignRight);
    }
    buttons->setRowStretch(1, 1);

    auto *content = new QGridLayout;
    content->setSizeConstraint(QLayout::SetNoConstraint);
    // The check box keeps its own size at the left edge.
    content->addWidget(checkBox, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);
    content->addWidget(label, 0, 1);
    content->setColumnStretch(1, 1);

    auto *mainLayout = new QGridLayout;
    mainLayout->setSizeConstraint(QLayout::SetNoConstraint);
    mainLayout->addWidget(closeButton, 0, 0, Qt::AlignRight | Qt::AlignTop);
    // The content fills the space between the close icon and the buttons; the label centres the text in it.
    // Centred as a whole instead, the layout would give the label the width and height of its own size hint
    // and cut a wrapped text short.
    mainLayout->addLayout(content, 1, 0);
    mainLayout->addLayout(buttons, 2, 0);
    mainLayout->setRowStretch(1, 1);
    setLayout(mainLayout);

    setFixedSize(width, height);
    setWindowTitle(tr("Info"));
    checkBox->setVisible(showCheckBox);
}

ORVMessageBox::~ORVMessageBox()
{
    delete ui;
}

int ORVMessageBox::exec()
{
    if (execHook())
        return execHook()(*this);
    return MyDialog::exec();
}

QString ORVMessageBox::text() const
{
    return label->text();
}

void ORVMessageBox::setExecHook(const ExecHook &hook)
{
    execHook() = hook;
}

void ORVMessageBox::okPressed()
{
    checked = checkBox->isChecked();
    accept();
}

void ORVMessageBox::paintEvent(QPaintEvent *event)
{
    paintPanel();
    MyDialog::paintEvent(event);
}
