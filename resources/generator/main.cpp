// resourcegen: draws the station's compiled-in pictures and tones into a folder, with one .qrc file per topic.
//
// Usage: resourcegen OUTPUT_DIR

#include "icons.h"
#include "lamps.h"
#include "messagepictures.h"
#include "moodpictures.h"
#include "resourcewriter.h"
#include "roompictures.h"
#include "tones.h"
#include "viewpictures.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Text is drawn into some pictures, which needs a platform, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: resourcegen OUTPUT_DIR\n");
        return 2;
    }

    ResourceWriter out(args.at(1));
    roompictures::drawRooms(out);
    moodpictures::drawMoods(out);
    lamps::drawLights(out);
    messagepictures::drawMessages(out);
    viewpictures::drawViews(out);
    icons::drawInterfaceIcons(out);
    icons::drawAirConditionerIcons(out);
    icons::drawRoomEditIcons(out);
    icons::drawNetworkIcons(out);
    icons::drawSettingsIcons(out);
    icons::drawBranding(out);
    out.addData(QStringLiteral("audio"), QStringLiteral("myFiles/audio/alarm.wav"), tones::alarm());
    out.addData(QStringLiteral("audio"), QStringLiteral("myFiles/audio/service.wav"), tones::service());
    return out.finish() ? 0 : 1;
}
