#include "resources/stationresources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be expanded outside any namespace, hence the plain function.
void initStationResources()
{
    Q_INIT_RESOURCE(rooms);
    Q_INIT_RESOURCE(moods);
    Q_INIT_RESOURCE(lights);
    Q_INIT_RESOURCE(messages);
    Q_INIT_RESOURCE(views3d);
    Q_INIT_RESOURCE(icons);
    Q_INIT_RESOURCE(airconditioner);
    Q_INIT_RESOURCE(roomedit);
    Q_INIT_RESOURCE(network);
    Q_INIT_RESOURCE(settings);
    Q_INIT_RESOURCE(branding);
    Q_INIT_RESOURCE(audio);
}
