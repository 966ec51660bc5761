#include "app/pagetable.h"

#include "pages/messages/messagebar.h"
#include "shell/mainwindow.h"
#include "shell/pagefactory.h"

// Page headers, one per page class registered below.
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
#include "pages/settings/pagesetting.h"
#include "pages/settings/pagesettingabout.h"
#include "pages/settings/pagesettingchangedeviceaddress.h"
#include "pages/settings/pagesettingnetwork.h"
#include "pages/settings/pagesettingproject.h"
#include "pages/settings/pagesettingprojectinformation.h"

void registerStationPages()
{
    // One line per page: PageFactory::registerPage("Id", PageFactory::creatorOf<PageClass>());
    // The ids still without a line are listed by PageFactory::missingPageIds().
    PageFactory::registerPage("Change Device Address", PageFactory::creatorOf<PageSettingChangeDeviceAddress>());
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
    PageFactory::registerPage("Moods Information", PageFactory::creatorOf<PageSettingRoomManagerMoodsInformation>());
    PageFactory::registerPage("Diy Command", PageFactory::creatorOf<PageSettingRoomManagerMoodsDiyCommand>());

    MainWindow::setMessageBarMaker([] { return new MessageBar(nullptr); });
}
