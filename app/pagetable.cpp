#include "app/pagetable.h"

#include "shell/pagefactory.h"

// Page headers, one per page class registered below.
#include "pages/settings/pagesettingabout.h"
#include "pages/settings/pagesettingchangedeviceaddress.h"
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
}
