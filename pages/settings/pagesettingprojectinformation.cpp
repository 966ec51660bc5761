#include "pages/settings/pagesettingprojectinformation.h"

#include "core/globals.h"
#include "core/projectlist.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "shell/pageids.h"

#include <QGridLayout>
#include <QIntValidator>

PageSettingProjectInformation::PageSettingProjectInformation(const QString &id, const QString &name, QWidget *parent)
    : MyDialog(id, name, parent)
{
    auto *save = new QtMaterialFlatButton(QtMaterialTheme::icon("content", "save"), tr("Save"), 7, nullptr);
    save->setObjectName("pushButtonSave");
    connect(save, &QtMaterialFlatButton::clicked, this, &PageSettingProjectInformation::pushButtonSave_clicked);

    lineEditName = new QtMaterialLineEdit(nullptr);
    lineEditName->setObjectName("lineEditName");
    lineEditName->setEnabled(false);
    // Temperatures below zero are real bounds, so the fields take a minus sign.
    lineEditLow = new QtMaterialLineEdit("20", nullptr);
    lineEditLow->setObjectName("lineEditLow");
    lineEditLow->setValidator(new QIntValidator(lineEditLow));
    lineEditHigh = new QtMaterialLineEdit("35", nullptr);
    lineEditHigh->setObjectName("lineEditHigh");
    lineEditHigh->setValidator(new QIntValidator(lineEditHigh));

    auto *range = new QGridLayout;
    range->setSizeConstraint(QLayout::SetNoConstraint);
    range->setSpacing(20);
    range->addWidget(lineEditLow, 0, 0);
    range->addWidget(new QtMaterialLabel(tr("To"), nullptr, Qt::WindowFlags()), 0, 1);
    range->addWidget(lineEditHigh, 0, 2);
    range->setRowStretch(1, 1);

    auto *mainLayout = new QGridLayout;
    mainLayout->setSizeConstraint(QLayout::SetNoConstraint);
    mainLayout->setSpacing(20);
    mainLayout->addWidget(save, 0, 0, Qt::AlignRight);
    mainLayout->addWidget(new QtMaterialLabel(tr("Project Name"), nullptr, Qt::WindowFlags()), 1, 0);
    mainLayout->addWidget(lineEditName, 2, 0);
    mainLayout->addWidget(new QtMaterialLabel(tr("Valid Indoor Temperature Range"), nullptr, Qt::WindowFlags()), 3, 0);
    mainLayout->addLayout(range, 4, 0);
    mainLayout->setRowStretch(5, 1);
    setLayout(mainLayout);

    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this,
            &PageSettingProjectInformation::slotsPageEnter);
}

void PageSettingProjectInformation::slotsPageEnter(QString projectName)
{
    if (!isVisible())
        return;
    lineEditName->setText(projectName);
    QString low;
    getProjectProperty(projectName, "indoor_temperature_low", low);
    lineEditLow->setText(low);
    QString high;
    getProjectProperty(projectName, "indoor_temperature_high", high);
    lineEditHigh->setText(high);
}

void PageSettingProjectInformation::pushButtonSave_clicked()
{
    const QString lowText = lineEditLow->text();
    const QString highText = lineEditHigh->text();
    bool lowOk = false;
    bool highOk = false;
    const int low = lowText.toInt(&lowOk, 10);
    const int high = highText.toInt(&highOk, 10);
    // A lone minus sign passes the validator while typing but is no bound.
    if (!lowOk || !highOk) {
        emit gBroadcastSocket.signalsInformation(tr("Please input the complete content!"));
        return;
    }
    if (high < low) {
        emit gBroadcastSocket.signalsInformation(tr("Invalid indoor temperature range!"));
        return;
    }
    const QString project = lineEditName->text();
    if (!setProjectProperty(project, "indoor_temperature_low", lowText) ||
        !setProjectProperty(project, "indoor_temperature_high", highText)) {
        emit gBroadcastSocket.signalsInformation(tr("Save failed!"));
        return;
    }
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::ProjectSetting), trPageId(PageId::ProjectSetting), "",
                                               "");
}
