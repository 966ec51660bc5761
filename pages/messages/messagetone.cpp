#include "pages/messages/messagetone.h"

#include <QAudioDeviceInfo>
#include <QSoundEffect>
#include <QUrl>

namespace {

MessageTone::Hook &toneHook()
{
    static MessageTone::Hook hook;
    return hook;
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
    if (QAudioDeviceInfo::availableDevices(QAudio::AudioOutput).isEmpty())
        return;
    // One effect per tone, loaded once; a tone asked for again while it sounds starts over.
    QSoundEffect *&effect = effects[tone];
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl(QStringLiteral("qrc") + tone));
    }
    effect->play();
}
