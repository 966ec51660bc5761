#include "pages/messages/messagetone.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLibrary>

namespace {

MessageTone::Hook &toneHook()
{
    static MessageTone::Hook hook;
    return hook;
}

using PlayTone = void (*)(QObject *owner, const QString &tone);

// The sound output, looked for beside the program file on the first tone (and only then); null when it is not
// there, and the station goes on without sound. The module stays loaded until the process ends.
PlayTone soundOutput()
{
    static const PlayTone play = [] {
        QLibrary module(QCoreApplication::applicationDirPath() + QLatin1String("/" MESSAGE_TONE_SOUND_MODULE));
        const auto resolved = reinterpret_cast<PlayTone>(module.resolve("stationPlayTone"));
        if (!resolved)
            qDebug() << "message tones stay silent:" << module.errorString();
        return resolved;
    }();
    return play;
}

} // namespace

MessageTone::MessageTone(QObject *parent) : QObject(parent) {}

MessageTone::~MessageTone() = default;

QString MessageTone::toneFor(int messageType)
{
    return messageType == 1 ? QStringLiteral(":/myFiles/audio/alarm.wav")
                            : QStringLiteral(":/myFiles/audio/service.wav");
}

void MessageTone::setHook(const Hook &hook)
{
    toneHook() = hook;
}

void MessageTone::play(int messageType)
{
    const QString tone = toneFor(messageType);
    if (toneHook()) {
        toneHook()(tone);
        return;
    }
    if (const PlayTone output = soundOutput())
        output(this, tone);
}
