#include "shell/pagefactory.h"

#include "shell/mydialog.h"

#include <QCoreApplication>
#include <QHash>

// Page headers, one per page class of the table below.

namespace {

template <class Page> MyDialog *makePage(const QString &id, const QString &name)
{
    return new Page(id, name, nullptr);
}

struct PageEntry
{
    const char *id;
    PageFactory::Creator creator;
};

#define PAGE(id, Class)                                                                                                \
    {                                                                                                                  \
        QT_TRANSLATE_NOOP("MainWindow", id), &makePage<Class>                                                          \
    }
#define PAGE_NOT_BUILT(id)                                                                                             \
    {                                                                                                                  \
        QT_TRANSLATE_NOOP("MainWindow", id), nullptr                                                                   \
    }

// The order is the order in which requests are matched. To add a page, include its header above and turn
// its PAGE_NOT_BUILT line into PAGE("id", ClassName).
const PageEntry pageTable[] = {
    PAGE_NOT_BUILT("Home"),                       // PageHome
    PAGE_NOT_BUILT("Message"),                    // PageMessage
    PAGE_NOT_BUILT("Log"),                        // PageLog
    PAGE_NOT_BUILT("Setting"),                    // PageSetting
    PAGE_NOT_BUILT("Rooms"),                      // PageRooms
    PAGE_NOT_BUILT("3D View"),                    // Page3DView
    PAGE_NOT_BUILT("Operate Room"),               // PageRoomOperate
    PAGE_NOT_BUILT("Operate Room 3D View"),       // PageRoomOperate3DView
    PAGE_NOT_BUILT("Project Setting"),            // PageSettingProject
    PAGE_NOT_BUILT("Project Information"),        // PageSettingProjectInformation
    PAGE_NOT_BUILT("Room Template"),              // PageSettingRoomTemplate
    PAGE_NOT_BUILT("Edit Template"),              // PageSettingRoomTemplateEdit
    PAGE_NOT_BUILT("Template Light Information"), // PageSettingRoomTemplateLightingInformation
    PAGE_NOT_BUILT("Template Panel Information"), // PageSettingRoomTemplatePanelInformation
    PAGE_NOT_BUILT("Rooms Manager"),              // PageSettingRoomManager
    PAGE_NOT_BUILT("Edit Room"),                  // PageSettingRoomManagerEdit
    PAGE_NOT_BUILT("Message Manager"),            // PageSettingMessageManager
    PAGE_NOT_BUILT("Message Information"),        // PageSettingMessageManagerMessageInformation
    PAGE_NOT_BUILT("Change Device Address"),      // PageSettingChangeDeviceAddress
    PAGE_NOT_BUILT("Network Setting"),            // PageSettingNetwork
    PAGE_NOT_BUILT("3D View Manager"),            // PageSetting3DViewManager
    PAGE_NOT_BUILT("3D View Setting"),            // PageSetting3DViewManagerEdit
    PAGE_NOT_BUILT("About"),                      // PageSettingAbout
    PAGE_NOT_BUILT("Light Information"),          // PageSettingRoomManagerLightingInformation
    PAGE_NOT_BUILT("AC Information"),             // PageSettingRoomManagerACInformation
    PAGE_NOT_BUILT("Floor Heat Information"),     // PageSettingRoomManagerFloorHeatInformation
    PAGE_NOT_BUILT("Moods Information"),          // PageSettingRoomManagerMoodsInformation
    PAGE_NOT_BUILT("Diy Command"),                // PageSettingRoomManagerMoodsDiyCommand
    PAGE_NOT_BUILT("Panel Information"),          // PageSettingRoomManagerPanelInformation
    PAGE_NOT_BUILT("Lighting"),                   // PageDeviceOperateLighting
    PAGE_NOT_BUILT("AC"),                         // PageDeviceOperateAC
    PAGE_NOT_BUILT("Floor Heat"),                 // PageDeviceOperateFloorHeat
    PAGE_NOT_BUILT("Moods"),                      // PageDeviceOperateMoods
};

#undef PAGE
#undef PAGE_NOT_BUILT

QHash<QString, PageFactory::Creator> &replacedCreators()
{
    static QHash<QString, PageFactory::Creator> creators;
    return creators;
}

// Ids are translatable texts and compared in their translated form.
QString translated(const char *id)
{
    return QCoreApplication::translate("MainWindow", id);
}

const PageEntry *findEntry(const QString &id)
{
    for (const PageEntry &entry : pageTable) {
        if (translated(entry.id) == id)
            return &entry;
    }
    return nullptr;
}

} // namespace

QStringList PageFactory::pageIds()
{
    QStringList ids;
    for (const PageEntry &entry : pageTable)
        ids << QString::fromLatin1(entry.id);
    return ids;
}

QStringList PageFactory::missingPageIds()
{
    QStringList ids;
    for (const PageEntry &entry : pageTable) {
        if (!entry.creator)
            ids << QString::fromLatin1(entry.id);
    }
    return ids;
}

QString PageFactory::tableId(const QString &id)
{
    const PageEntry *entry = findEntry(id);
    return entry ? translated(entry->id) : QString();
}

MyDialog *PageFactory::create(const QString &id, const QString &name)
{
    const PageEntry *entry = findEntry(id);
    if (!entry)
        return nullptr;
    const QString key = QString::fromLatin1(entry->id);
    const Creator creator = replacedCreators().value(key, entry->creator);
    if (!creator)
        return nullptr;
    return creator(translated(entry->id), name);
}

bool PageFactory::setCreator(const QString &id, const Creator &creator)
{
    const PageEntry *entry = findEntry(id);
    if (!entry)
        return false;
    const QString key = QString::fromLatin1(entry->id);
    if (creator)
        replacedCreators().insert(key, creator);
    else
        replacedCreators().remove(key);
    return true;
}

void PageFactory::resetCreators()
{
    replacedCreators().clear();
}
