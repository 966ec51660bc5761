#include "app/pagetable.h"

#include "pages/messages/messagebar.h"
#include "shell/mainwindow.h"
#include "shell/pagefactory.h"

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
    // One line per page: PageFactory::registerPage("Id", PageFactory::creatorOf<PageClass>()).
    // The app tests fail when an id of the table has no line here.
    PageFactory::registerPage("Change Device Address", PageFactory::creatorOf<PageSettingChangeDeviceAddress>());
    PageFactory::registerPage("Network Setting", PageFactory::creatorOf<PageSettingNetwork>());
    PageFactory::registerPage("About", PageFactory::creatorOf<PageSettingAbout>());
    PageFactory::registerPage("Project Setting", PageFactory::creatorOf<PageSettingProject>());
    PageFactory::registerPage("Project Information", PageFactory::creatorOf<PageSettingProjectInformation>());
    PageFactory::registerPage("Setting", PageFactory::creatorOf<PageSetting>());
    PageFactory::registerPage("Rooms Manager", PageFactory::creatorOf<PageSettingRoomManager>());
    PageFactory::registerPage("Edit Room", PageFactory::creatorOf<PageSettingRoomManagerEdit>());
    PageFactory::registerPage("Light Information", PageFactory::creatorOf<PageSettingRoomManagerLightingInformation>());
    PageFactory::registerPage("AC Information", PageFactory::creatorOf<PageSettingRoomManagerACInformation>());
    PageFactory::registerPage("Floor Heat Information",
                              PageFactory::creatorOf<PageSettingRoomManagerFloorHeatInformation>());
    PageFactory::registerPage("Panel Information", PageFactory::creatorOf<PageSettingRoomManagerPanelInformation>());
    PageFactory::registerPage("Room Template", PageFactory::creatorOf<PageSettingRoomTemplate>());
    PageFactory::registerPage("Edit Template", PageFactory::creatorOf<PageSettingRoomTemplateEdit>());
    PageFactory::registerPage("Template Light Information",
                              PageFactory::creatorOf<PageSettingRoomTemplateLightingInformation>());
    PageFactory::registerPage("Template Panel Information",
                              PageFactory::creatorOf<PageSettingRoomTemplatePanelInformation>());
    PageFactory::registerPage("3D View", PageFactory::creatorOf<Page3DView>());
    PageFactory::registerPage("Operate Room 3D View", PageFactory::creatorOf<PageRoomOperate3DView>());
    PageFactory::registerPage("3D View Manager", PageFactory::creatorOf<PageSetting3DViewManager>());
    PageFactory::registerPage("3D View Setting", PageFactory::creatorOf<PageSetting3DViewManagerEdit>());
    PageFactory::registerPage("Operate Room", PageFactory::creatorOf<PageRoomOperate>());

    PageFactory::registerPage("Home", PageFactory::creatorOf<PageHome>());
    PageFactory::registerPage("Rooms", PageFactory::creatorOf<PageRooms>());
    PageFactory::registerPage("Lighting", PageFactory::creatorOf<PageDeviceOperateLighting>());
    PageFactory::registerPage("AC", PageFactory::creatorOf<PageDeviceOperateAC>());
    PageFactory::registerPage("Floor Heat", PageFactory::creatorOf<PageDeviceOperateFloorHeat>());
    PageFactory::registerPage("Moods", PageFactory::creatorOf<PageDeviceOperateMoods>());
    PageFactory::registerPage("Log", PageFactory::creatorOf<PageLog>());
    PageFactory::registerPage("Message", PageFactory::creatorOf<PageMessage>());
    PageFactory::registerPage("Message Manager", PageFactory::creatorOf<PageSettingMessageManager>());
    PageFactory::registerPage("Message Information",
                              PageFactory::creatorOf<PageSettingMessageManagerMessageInformation>());
    PageFactory::registerPage("Moods Information", PageFactory::creatorOf<PageSettingRoomManagerMoodsInformation>());
    PageFactory::registerPage("Diy Command", PageFactory::creatorOf<PageSettingRoomManagerMoodsDiyCommand>());

    MainWindow::setMessageBarMaker([] { return new MessageBar(nullptr); });
}
