#include "panels/climatepanellayout.h"

#include "materialwidgets/qtmateriallabel.h"
#include "panels/sliderctrl.h"

#include <QGridLayout>
#include <QPixmap>

QGridLayout *layOutClimatePanel(QWidget *panel, const ClimateControls &controls, const QString &remark,
                                const char *powerOffPicture)
{
    controls.remarkLabel->setObjectName("remarkLabel");
    controls.remarkLabel->setText(controls.remarkLabel->fontMetrics().elidedText(remark, Qt::ElideRight, 200));
    controls.powerIcon->setObjectName("powerIcon");
    controls.powerIcon->setFixedSize(36, 36);
    controls.powerIcon->setScaledContents(true);
    controls.powerIcon->setPixmap(QPixmap(QString::fromLatin1(powerOffPicture)));
    controls.powerIcon->installEventFilter(panel);
    controls.roomTemperatureIcon->setObjectName("roomTemperatureIcon");
    controls.roomTemperatureIcon->setFixedSize(24, 24);
    controls.roomTemperatureIcon->setScaledContents(true);
    controls.roomTemperatureIcon->setPixmap(QPixmap(QStringLiteral(":/myImages/png/airConditioner/icon-ac-temp.png")));
    controls.roomTemperatureText->setObjectName("roomTemperatureText");
    controls.setPointText->setObjectName("setPointText");
    controls.setPointSlider->setObjectName("setPointSlider");

    auto *roomGrid = new QGridLayout;
    roomGrid->setSpacing(20);
    roomGrid->addWidget(controls.roomTemperatureIcon, 0, 0);
    roomGrid->addWidget(controls.roomTemperatureText, 0, 1);
    roomGrid->setRowStretch(1, 1);

    auto *headerGrid = new QGridLayout;
    headerGrid->setSpacing(20);
    headerGrid->addWidget(controls.remarkLabel, 0, 0);
    headerGrid->addLayout(roomGrid, 0, 1, Qt::AlignCenter);
    headerGrid->addWidget(controls.powerIcon, 0, 2, Qt::AlignRight);
    headerGrid->setRowStretch(1, 1);

    auto *setPointGrid = new QGridLayout;
    setPointGrid->setSpacing(20);
    setPointGrid->addWidget(controls.setPointText, 0, 0, Qt::AlignCenter);
    setPointGrid->addWidget(controls.setPointSlider, 1, 0);
    setPointGrid->setRowStretch(2, 1);

    auto *panelGrid = new QGridLayout(panel);
    panelGrid->setSpacing(20);
    panelGrid->addLayout(headerGrid, 0, 0);
    panelGrid->addLayout(setPointGrid, 1, 0);
    panelGrid->setRowStretch(1, 1);

    panel->setFixedSize(500, 320);
    return panelGrid;
}
