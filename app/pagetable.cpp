#include "app/pagetable.h"

#include "pages/messages/messagebar.h"
#include "shell/mainwindow.h"
#include "shell/pagefactory.h"
#include "shell/pageids.h"

// Page headers, one per page class registered below.
#include "pages/messages/pagelog.h"
#include "pages/messages/pagemessage.h"
#include "pages/messages/pagesettingmessagemanager.h"
#include "pages/messages/pagesettingmessagemanagermessageinformation.h"
#include "pages/moods/pagesettingroommanagermoodsdiycommand.h"
#include "pages/moods/pagesettingroommanagermoodsinformation.h"
#include "pages/roomconfig/climateinformation.h"
#include "pages/roomconfig/pagesettingroommanager.h"
#include "pages/roomconfig/pagesettingroommanageredit.h"
#include "pages/roomconfig/pagesettingroommanagerlightinginformation.h"
#include "pages/roomconfig/pagesettingroommanagerpanelinformation.h"
#include "pages/roomconfig/pagesettingroomtemplate.h"
#include "pages/roomconfig/pagesettingroomtemplateedit.h"
#include "pages/roomconfig/pagesettingroomtemplatelightinginformation.h"
#include "pages/roomconfig/pagesettingroomtemplatepanelinformation.h"
#include "pages/rooms/pagedeviceoperateac.h"
#include "pages/rooms/pagedeviceoperatefloorheat.h"
#include "pages/rooms/pagedeviceoperatelighting.h"
#include "pages/rooms/pagedeviceoperatemoods.h"
#include "pages/rooms/pagehome.h"
#include "pages/rooms/pageroomoperate.h"
#include "pages/rooms/pagerooms.h"
#include "pages/settings/pagesetting.h"
#include "pages/settings/pagesettingabout.h"
#include "pages/settings/pagesettingchangedeviceaddress.h"
#include "pages/settings/pagesettingnetwork.h"
#include "pages/settings/pagesettingproject.h"
#include "pages/settings/pagesettingprojectinformation.h"
#include "pages/view3d/page3dview.h"
#include "pages/view3d/pageroomoperate3dview.h"
#include "pages/view3d/pagesetting3dviewmanager.h"
#include "pages/view3d/pagesetting3dviewmanageredit.h"

void registerStationPages()
{
    // One line per page: PageFactory::registerPage(PageId::Id, PageFactory::creatorOf<PageClass>()).
    // The app tests fail when an id of the table has no line here.
    PageFactory::registerPage(PageId::ChangeDeviceAddress, PageFactory::creatorOf<PageSettingChangeDeviceAddress>());
    PageFactory::registerPage(PageId::NetworkSetting, PageFactory::creatorOf<PageSettingNetwork>());
    PageFactory::registerPage(PageId::About, PageFactory::creatorOf<PageSettingAbout>());
    PageFactory::registerPage(PageId::ProjectSetting, PageFactory::creatorOf<PageSettingProject>());
    PageFactory::registerPage(PageId::ProjectInformation, PageFactory::creatorOf<PageSettingProjectInformation>());
    PageFactory::registerPage(PageId::Setting, PageFactory::creatorOf<PageSetting>());
    PageFactory::registerPage(PageId::RoomsManager, PageFactory::creatorOf<PageSettingRoomManager>());
    PageFactory::registerPage(PageId::EditRoom, PageFactory::creatorOf<PageSettingRoomManagerEdit>());
    PageFactory::registerPage(PageId::LightInformation,
                              PageFactory::creatorOf<PageSettingRoomManagerLightingInformation>());
    PageFactory::registerPage(PageId::ACInformation, PageFactory::creatorOf<PageSettingRoomManagerACInformation>());
    PageFactory::registerPage(PageId::FloorHeatInformation,
                              PageFactory::creatorOf<PageSettingRoomManagerFloorHeatInformation>());
    PageFactory::registerPage(PageId::PanelInformation,
                              PageFactory::creatorOf<PageSettingRoomManagerPanelInformation>());
    PageFactory::registerPage(PageId::RoomTemplate, PageFactory::creatorOf<PageSettingRoomTemplate>());
    PageFactory::registerPage(PageId::EditTemplate, PageFactory::creatorOf<PageSettingRoomTemplateEdit>());
    PageFactory::registerPage(PageId::TemplateLightInformation,
                              PageFactory::creatorOf<PageSettingRoomTemplateLightingInformation>());
    PageFactory::registerPage(PageId::TemplatePanelInformation,
                              PageFactory::creatorOf<PageSettingRoomTemplatePanelInformation>());
    PageFactory::registerPage(PageId::View3D, PageFactory::creatorOf<Page3DView>());
    PageFactory::registerPage(PageId::OperateRoom3DView, PageFactory::creatorOf<PageRoomOperate3DView>());
    PageFactory::registerPage(PageId::View3DManager, PageFactory::creatorOf<PageSetting3DViewManager>());
    PageFactory::registerPage(PageId::View3DSetting, PageFactory::creatorOf<PageSetting3DViewManagerEdit>());
    PageFactory::registerPage(PageId::OperateRoom, PageFactory::creatorOf<PageRoomOperate>());

    PageFactory::registerPage(PageId::Home, PageFactory::creatorOf<PageHome>());
    PageFactory::registerPage(PageId::Rooms, PageFactory::creatorOf<PageRooms>());
    PageFactory::registerPage(PageId::Lighting, PageFactory::creatorOf<PageDeviceOperateLighting>());
    PageFactory::registerPage(PageId::AC, PageFactory::creatorOf<PageDeviceOperateAC>());
    PageFactory::registerPage(PageId::FloorHeat, PageFactory::creatorOf<PageDeviceOperateFloorHeat>());
    PageFactory::registerPage(PageId::Moods, PageFactory::creatorOf<PageDeviceOperateMoods>());
    PageFactory::registerPage(PageId::Log, PageFactory::creatorOf<PageLog>());
    PageFactory::registerPage(PageId::Message, PageFactory::creatorOf<PageMessage>());
    PageFactory::registerPage(PageId::MessageManager, PageFactory::creatorOf<PageSettingMessageManager>());
    PageFactory::registerPage(PageId::MessageInformation,
                              PageFactory::creatorOf<PageSettingMessageManagerMessageInformation>());
    PageFactory::registerPage(PageId::MoodsInformation,
                              PageFactory::creatorOf<PageSettingRoomManagerMoodsInformation>());
    PageFactory::registerPage(PageId::DiyCommand, PageFactory::creatorOf<PageSettingRoomManagerMoodsDiyCommand>());

    MainWindow::setMessageBarMaker([] { return new MessageBar(nullptr); });
}
