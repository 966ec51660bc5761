#include "pages/rooms/pageroomoperatemoods.h"

#include "core/globals.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "panels/devicerecordloaders.h"
#include "panels/mooditem.h"
#include "shell/tilegrid.h"

namespace {
constexpr int cardWidth = 500;
constexpr int cardHeight = 320;
} // namespace

PageRoomOperateMoods::PageRoomOperateMoods(QWidget *parent) : MyWidget(parent)
{
    groupBoxMoods = addTileCanvas(this);
    groupBoxMoods->setObjectName("groupBoxMoods");
    grid = new TileGrid(groupBoxMoods, cardWidth, cardHeight, this);
}

void PageRoomOperateMoods::loadRoom(int roomId)
{
    m_roomId = roomId;
    grid->begin(gScreenWidth);
    for (const moodRecord &record : loadMoodRecords(roomId))
        grid->addTile(new MoodItem(record, nullptr));
    grid->finish();
}

QList<QWidget *> PageRoomOperateMoods::cards() const
{
    return grid->tiles();
}
