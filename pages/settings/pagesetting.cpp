#include "pages/settings/pagesetting.h"

#include "core/globals.h"
#include "shell/pageids.h"
#include "shell/settingitem.h"
#include "shell/tilegrid.h"

namespace {

struct Card
{
    const char *pageId;
    const char *picture;
};

const Card cards[] = {
    {PageId::ProjectSetting,
     QT_TRANSLATE_NOOP("PageSetting", ":/myImages/png/settings/icon-settings-projectsettings.png")},
    {PageId::RoomTemplate, QT_TRANSLATE_NOOP("PageSetting", ":/myImages/png/settings/icon-settings-roomtemplate.png")},
    {PageId::RoomsManager, QT_TRANSLATE_NOOP("PageSetting", ":/myImages/png/settings/icon-settings-roomsmanager.png")},
    {PageId::MessageManager,
     QT_TRANSLATE_NOOP("PageSetting", ":/myImages/png/settings/icon-settings-messagemanager.png")},
    {PageId::ChangeDeviceAddress,
     QT_TRANSLATE_NOOP("PageSetting", ":/myImages/png/settings/icon-settings-deviceaddress.png")},
    {PageId::NetworkSetting,
     QT_TRANSLATE_NOOP("PageSetting", ":/myImages/png/settings/icon-settings-networksetting.png")},
    {PageId::View3DManager, QT_TRANSLATE_NOOP("PageSetting", ":/myImages/png/settings/icon-settings-3dview.png")},
    {PageId::About, QT_TRANSLATE_NOOP("PageSetting", ":/myImages/png/settings/icon-settings-about.png")},
};

const int cardSize = 256;

} // namespace

PageSetting::PageSetting(const QString &id, const QString &name, QWidget *parent) : MyDialog(id, name, parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSetting");
    groupBox = addTileCanvas(this);
    m_grid = new TileGrid(groupBox, cardSize, cardSize, this);
    loadItems();
}

void PageSetting::loadItems()
{
    m_grid->begin(gScreenWidth);
    for (const Card &card : cards) {
        const QString pageId = trPageId(card.pageId);
        const int pictureSize = pageId == trPageId(PageId::View3DManager) ? 160 : 128;
        m_grid->addTile(
            new SettingItem(pageId, tr(card.picture), pictureSize, pictureSize, cardSize, cardSize, nullptr));
    }
    m_grid->finish();
}
