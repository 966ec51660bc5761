#include "shell/pagefactory.h"

#include "shell/mydialog.h"
#include "shell/pageids.h"

#include <QHash>

namespace {

// The order is the order in which requests are matched.
const char *const pageTable[] = {
    PageId::Home,
    PageId::Message,
    PageId::Log,
    PageId::Setting,
    PageId::Rooms,
    PageId::View3D,
    PageId::OperateRoom,
    PageId::OperateRoom3DView,
    PageId::ProjectSetting,
    PageId::ProjectInformation,
    PageId::RoomTemplate,
    PageId::EditTemplate,
    PageId::TemplateLightInformation,
    PageId::TemplatePanelInformation,
    PageId::RoomsManager,
    PageId::EditRoom,
    PageId::MessageManager,
    PageId::MessageInformation,
    PageId::ChangeDeviceAddress,
    PageId::NetworkSetting,
    PageId::View3DManager,
    PageId::View3DSetting,
    PageId::About,
    PageId::LightInformation,
    PageId::ACInformation,
    PageId::FloorHeatInformation,
    PageId::MoodsInformation,
    PageId::DiyCommand,
    PageId::PanelInformation,
    PageId::Lighting,
    PageId::AC,
    PageId::FloorHeat,
    PageId::Moods,
};

// Creators by untranslated id: what the program registered, and what a test put over it.
QHash<QString, PageFactory::Creator> &registeredCreators()
{
    static QHash<QString, PageFactory::Creator> creators;
    return creators;
}

QHash<QString, PageFactory::Creator> &replacedCreators()
{
    static QHash<QString, PageFactory::Creator> creators;
    return creators;
}

// The table entry of a translated id, or nullptr.
const char *findEntry(const QString &id)
{
    for (const char *entry : pageTable) {
        if (trPageId(entry) == id)
            return entry;
    }
    return nullptr;
}

bool putCreator(QHash<QString, PageFactory::Creator> &creators, const QString &id, const PageFactory::Creator &creator)
{
    const char *entry = findEntry(id);
    if (!entry)
        return false;
    const QString key = QString::fromLatin1(entry);
    if (creator)
        creators.insert(key, creator);
    else
        creators.remove(key);
    return true;
}

} // namespace

QStringList PageFactory::pageIds()
{
    QStringList ids;
    for (const char *entry : pageTable)
        ids << QString::fromLatin1(entry);
    return ids;
}

QStringList PageFactory::missingPageIds()
{
    QStringList ids;
    for (const char *entry : pageTable) {
        if (!registeredCreators().contains(QString::fromLatin1(entry)))
            ids << QString::fromLatin1(entry);
    }
    return ids;
}

QString PageFactory::tableId(const QString &id)
{
    const char *entry = findEntry(id);
    return entry ? trPageId(entry) : QString();
}

MyDialog *PageFactory::create(const QString &id, const QString &name)
{
    const char *entry = findEntry(id);
    if (!entry)
        return nullptr;
    const QString key = QString::fromLatin1(entry);
    const Creator creator = replacedCreators().value(key, registeredCreators().value(key));
    if (!creator)
        return nullptr;
    return creator(trPageId(entry), name);
}

bool PageFactory::registerPage(const QString &id, const Creator &creator)
{
    return putCreator(registeredCreators(), id, creator);
}

bool PageFactory::setCreator(const QString &id, const Creator &creator)
{
    return putCreator(replacedCreators(), id, creator);
}

void PageFactory::resetCreators()
{
    replacedCreators().clear();
}
