#include "pages/settings/pagesetting.h"

#include "core/globals.h"
#include "shell/settingitem.h"
#include "shell/tilegrid.h"

namespace {

struct Card
{
    const char *pageId;
    const char *picture;
};

const Card cards[] = {
    {QT_TRANSLATE_NOOP("PageSetting", "Project Setting"),
     QT_TRANSLATE_NOOP("PageSetting", ":/myImages/png/settings/icon-settings-projectsettings.png")},
    {QT_TRANSLATE_NOOP("PageSetting", "Room Template"),
     QT_TRANSLATE_NOOP("PageSetting", ":/myImages/png/settings/icon-settings-roomtemplate.png")},
    {QT_TRANSLATE_NOOP("PageSetting", "Rooms Manager"),
     QT_TRANSLATE_NOOP("PageSetting", ":/myImages/png/settings/icon-settings-roomsmanager.png")},
    {QT_TRANSLATE_NOOP("PageSetting", "Message Manager"),
     QT_TRANSLATE_NOOP("PageSetting", ":/myImages/png/settings/icon-settings-messagemanager.png")},
    {QT_TRANSLATE_NOOP("PageSetting", "Change Device Address"),
     QT_TRANSLATE_NOOP("PageSetting", ":/myImages/png/settings/icon-settings-deviceaddress.png")},
    {QT_TRANSLATE_NOOP("PageSetting", "Network Setting"),
     QT_TRANSLATE_NOOP("PageSetting", ":/myImages/png/settings/icon-settings-networksetting.png")},
    {QT_TRANSLATE_NOOP("PageSetting", "3D View Manager"),
     QT_TRANSLATE_NOOP("PageSetting", ":/myImages/png/settings/icon-settings-3dview.png")},
    {QT_TRANSLATE_NOOP("PageSetting", "About"),
     QT_TRANSLATE_NOOP("PageSetting", ":/myImages/png/settings/icon-settings-about.png")},
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
        const QString pageId = tr(card.pageId);
        const int pictureSize = pageId == tr("3D View Manager") ? 160 : 128;
        m_grid->addTile(
            new SettingItem(pageId, tr(card.picture), pictureSize, pictureSize, cardSize, cardSize, nullptr));
    }
    m_grid->finish();
}
