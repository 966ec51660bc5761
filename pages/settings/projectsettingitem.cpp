#include "pages/settings/projectsettingitem.h"

#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialcheckbox.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmaterialtheme.h"

#include <QGridLayout>
#include <QPixmap>

ProjectSettingItem::ProjectSettingItem(const QString &projectName, bool isCurrent, QWidget *parent)
    : DynamicWidget(QColor(0x3D, 0x53, 0x66), parent)
{
    setFixedHeight(60);

    checkBox = new QtMaterialCheckBox(QString(), nullptr);
    checkBox->setObjectName("checkBoxUpload");
    auto *picture = new QtMaterialLabel(nullptr, Qt::WindowFlags());
    picture->setObjectName("labelPicture");
    picture->setFixedSize(24, 24);
    picture->setScaledContents(true);
    picture->setPixmap(picturePixmap(":/myImages/png/icon-navigation-home.png"));
    labelName = new QtMaterialLabel(projectName, 5, nullptr);
    labelName->setObjectName("labelName");

    auto *inner = new QGridLayout;
    inner->setSpacing(20);
    inner->addWidget(checkBox, 0, 0);
    inner->addWidget(picture, 0, 1);
    inner->addWidget(labelName, 0, 2);
    inner->setColumnStretch(3, 1);
    inner->setRowStretch(1, 1);

    auto *outer = new QGridLayout;
    outer->setSpacing(20);
    outer->addLayout(inner, 0, 0);
    if (!isCurrent) {
        pushButtonDelete = new QtMaterialIconButton(QtMaterialTheme::icon("navigation", "close"), nullptr);
        pushButtonDelete->setObjectName("pushButtonDelete");
        pushButtonDelete->setColor(Qt::red);
        connect(pushButtonDelete, &QtMaterialIconButton::clicked, this, &ProjectSettingItem::pushButtonDelete_clicked);
        outer->addWidget(pushButtonDelete, 0, 1, Qt::AlignRight);
    }
    outer->setRowStretch(1, 1);
    setLayout(outer);

    connect(this, &DynamicWidget::signalsPressed, this, &ProjectSettingItem::slotsPressed);
}

QString ProjectSettingItem::projectName() const
{
    return labelName->text();
}

bool ProjectSettingItem::isChecked() const
{
    return checkBox->isChecked();
}

void ProjectSettingItem::slotsPressed()
{
    emit signalsProjectEdit(projectName());
}

void ProjectSettingItem::pushButtonDelete_clicked()
{
    emit signalsProjectDelete(projectName());
}
