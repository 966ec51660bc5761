#include "app/pagetable.h"

#include "shell/pagefactory.h"

// Page headers, one per page class registered below.

void registerStationPages()
{
    // One line per page: PageFactory::registerPage("Id", PageFactory::creatorOf<PageClass>());
    // The ids still without a line are listed by PageFactory::missingPageIds().
}
