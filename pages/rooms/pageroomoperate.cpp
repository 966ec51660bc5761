#include "pages/rooms/pageroomoperate.h"

#include "core/climatestore.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "core/moodstore.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialtabs.h"
#include "pages/rooms/pageroomoperateac.h"
#include "pages/rooms/pageroomoperatefloorheat.h"
#include "pages/rooms/pageroomoperatelighting.h"
#include "pages/rooms/pageroomoperatemoods.h"

#include <QGridLayout>

#include <functional>

namespace {

// A device kind of the room: its tab and the statement that tells whether the room has one.
struct Kind
{
    QString text;
    QString icon;
    MyWidget *page;
    std::function<void(int roomId)> load;
    // Whether the room has a device of the kind, and so the tab.
    std::function<bool(int roomId)> has;
};

} // namespace

PageRoomOperate::PageRoomOperate(const QString &id, const QString &name, QWidget *parent) : MyDialog(id, name, parent)
{
    tabStrip = new QtMaterialTabs(this);
    tabStrip->setObjectName("tabs");
    pageLighting = new PageRoomOperateLighting(nullptr);
    pageLighting->setObjectName("pageLighting");
    pageAC = new PageRoomOperateAC(nullptr);
    pageAC->setObjectName("pageAC");
    pageFloorHeat = new PageRoomOperateFloorHeat(nullptr);
    pageFloorHeat->setObjectName("pageFloorHeat");
    pageMoods = new PageRoomOperateMoods(nullptr);
    pageMoods->setObjectName("pageMoods");

    auto *layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setSpacing(20);
    for (MyWidget *page : {static_cast<MyWidget *>(pageLighting), static_cast<MyWidget *>(pageAC),
                           static_cast<MyWidget *>(pageFloorHeat), static_cast<MyWidget *>(pageMoods)}) {
        layout->addWidget(page, 0, 0);
        page->hide();
    }
    layout->setRowStretch(0, 1);
    layout->addWidget(tabStrip, 1, 0);

    connect(tabStrip, &QtMaterialTabs::currentChanged, this, &PageRoomOperate::currentChanged);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &PageRoomOperate::slotsPageEnter);
}

void PageRoomOperate::slotsPageEnter(QString roomId, QString resetTabs)
{
    if (!isVisible())
        return;
    m_roomId = roomId.toInt();

    if (resetTabs.toInt() > 0) {
        tabStrip->clearTabs();
        const QList<Kind> kinds = {
            {tr("Lighting"), tr(":/myImages/png/edit_room/icon-room-lighting.png"), pageLighting,
             [this](int room) { pageLighting->loadRoom(room); }, [](int room) { return roomHasAddressedLights(room); }},
            {tr("AC"), tr(":/myImages/png/edit_room/icon-room-ac.png"), pageAC,
             [this](int room) { pageAC->loadRoom(room); },
             [](int room) { return hasClimateDevices(room, ClimateKind::AirConditioners); }},
            {tr("Floor Heat"), tr(":/myImages/png/edit_room/icon-room-floorheat.png"), pageFloorHeat,
             [this](int room) { pageFloorHeat->loadRoom(room); },
             [](int room) { return hasClimateDevices(room, ClimateKind::FloorHeatings); }},
            {tr("Moods"), tr(":/myImages/png/edit_room/icon-room-moods.png"), pageMoods,
             [this](int room) { pageMoods->loadRoom(room); }, [](int room) { return roomHasMoods(room); }},
        };
        for (const Kind &kind : kinds) {
            if (!kind.has(m_roomId)) {
                kind.page->hide();
                continue;
            }
            tabStrip->addTab(kind.icon, kind.text);
            kind.load(m_roomId);
        }
        if (tabStrip->count() > 0)
            tabStrip->setCurrentTab(0);
    }

    tabStrip->setVisible(tabStrip->count() > 0);
}

void PageRoomOperate::currentChanged(int index)
{
    emit gBroadcastSocket.signalsStopRefresh(false);
    const QString text = tabStrip->tabText(index);
    const QList<QPair<QString, MyWidget *>> pages = {{tr("Lighting"), pageLighting},
                                                     {tr("AC"), pageAC},
                                                     {tr("Floor Heat"), pageFloorHeat},
                                                     {tr("Moods"), pageMoods}};
    for (const auto &entry : pages) {
        if (entry.first == text) {
            entry.second->show();
            entry.second->refresh();
        } else {
            entry.second->hide();
        }
    }
}
