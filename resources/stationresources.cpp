#include "resources/stationresources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be expanded outside any namespace, hence the plain function.
void initStationResources()
{
    Q_INIT_RESOURCE(stationframe);
    Q_INIT_RESOURCE(stationpictures);
}
