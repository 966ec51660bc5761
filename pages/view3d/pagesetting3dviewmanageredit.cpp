#include "pages/view3d/pagesetting3dviewmanageredit.h"

#include "core/climatestore.h"
#include "core/cppsqlite3db.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "core/placementstore.h"
#include "core/queryhelpers.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmaterialtabs.h"
#include "pages/pickers/iconselectdlg.h"
#include "pages/pickers/picturechoice.h"
#include "pages/view3d/pagesetting3dviewmanagerac.h"
#include "pages/view3d/pagesetting3dviewmanagerfloorheat.h"
#include "pages/view3d/pagesetting3dviewmanagerlighting.h"

#include <QEvent>
#include <QGridLayout>
#include <QPixmap>

PageSetting3DViewManagerEdit::PageSetting3DViewManagerEdit(const QString &id, const QString &name, QWidget *parent)
    : MyDialog(id, name, parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSetting3DViewManagerEdit");
    resize(400, 300);
    setWindowTitle(tr("Dialog"));

    tabs = new QtMaterialTabs(nullptr);
    tabs->setObjectName("tabs");
    labelChangeImage = new QtMaterialLabel(QString(), nullptr);
    labelChangeImage->setObjectName("labelChangeImage");
    labelChangeImage->setFixedSize(36, 36);
    labelChangeImage->setScaledContents(true);
    labelChangeImage->setPixmap(picturePixmap(tr(":/myImages/png/icon-system-edit.png")));
    labelChangeImage->setToolTip(tr("Change Image"));
    lightingTab = new PageSetting3DViewManagerLighting(nullptr);
    acTab = new PageSetting3DViewManagerAC(nullptr);
    floorHeatTab = new PageSetting3DViewManagerFloorHeat(nullptr);

    auto *grid = new QGridLayout;
    grid->setSizeConstraint(QLayout::SetNoConstraint);
    grid->setSpacing(20);
    grid->addWidget(labelChangeImage, 0, 0, Qt::AlignRight);
    grid->addWidget(lightingTab, 1, 0);
    grid->addWidget(acTab, 1, 0);
    grid->addWidget(floorHeatTab, 1, 0);
    grid->addWidget(tabs, 2, 0);
    grid->setRowStretch(1, 1);
    setLayout(grid);
    acTab->hide();
    floorHeatTab->hide();

    connect(tabs, &QtMaterialTabs::currentChanged, this, &PageSetting3DViewManagerEdit::currentChanged);
    labelChangeImage->installEventFilter(this);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &PageSetting3DViewManagerEdit::slotsPageEnter);
}

void PageSetting3DViewManagerEdit::slotsPageEnter(QString roomId)
{
    if (!isVisible())
        return;
    m_roomId = roomId.toInt();
    tabs->clearTabs();

    if (roomHasLights(m_roomId)) {
        tabs->addTab(tr(":/myImages/png/edit_room/icon-room-lighting.png"), tr("Lighting"));
        lightingTab->loadRoom(m_roomId);
    } else {
        lightingTab->hide();
    }
    if (hasClimateDevices(m_roomId, ClimateKind::AirConditioners)) {
        tabs->addTab(tr(":/myImages/png/edit_room/icon-room-ac.png"), tr("AC"));
        acTab->loadRoom(m_roomId);
    } else {
        acTab->hide();
    }
    if (hasClimateDevices(m_roomId, ClimateKind::FloorHeatings)) {
        tabs->addTab(tr(":/myImages/png/edit_room/icon-room-floorheat.png"), tr("Floor Heat"));
        floorHeatTab->loadRoom(m_roomId);
    } else {
        floorHeatTab->hide();
    }

    if (tabs->count() > 0)
        tabs->setCurrentTab(0);
    tabs->setVisible(tabs->count() > 0);
}

void PageSetting3DViewManagerEdit::currentChanged(int index)
{
    const QString text = tabs->tabText(index);
    lightingTab->setVisible(text == tr("Lighting"));
    acTab->setVisible(text == tr("AC"));
    floorHeatTab->setVisible(text == tr("Floor Heat"));
}

void PageSetting3DViewManagerEdit::setIconName(const QString &iconName)
{
    lightingTab->setIconName(iconName);
    acTab->setIconName(iconName);
    floorHeatTab->setIconName(iconName);
}

bool PageSetting3DViewManagerEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == labelChangeImage && event->type() == QEvent::MouseButtonPress)
        changeImage();
    return MyDialog::eventFilter(watched, event);
}

void PageSetting3DViewManagerEdit::changeImage()
{
    // A gallery picture is copied into the project folder as photo_3dView_<room>.png; either way the name is
    // shown and stored at once. A name that cannot be stored is told to the user, and the tabs show the stored
    // picture again.
    const std::optional<QString> chosen = PictureChoice::choose(this, IconSelect3DView, "3dView", m_roomId);
    if (!chosen)
        return;
    QString stored = lightingTab->iconName();
    setIconName(*chosen);
    if (!saveRoomPicture(m_roomId, *chosen)) {
        readRoomPicture(m_roomId, stored);
        setIconName(stored);
        emit gBroadcastSocket.signalsInformation(tr("Save failed!"));
    }
}
