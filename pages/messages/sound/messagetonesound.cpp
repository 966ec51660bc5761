// The sound output of the message tones. It is the station's only use of the multimedia library, which brings a
// score of audio libraries with it; built as a module of its own and loaded by MessageTone when the first tone
// plays, it keeps them out of the station's start and its memory until a guest request is announced.

#include <QAudioDeviceInfo>
#include <QObject>
#include <QSoundEffect>
#include <QString>
#include <QUrl>

// Plays tone (a resource path) once, without waiting for it. The effect of each tone is made on its first play,
// kept as a child of owner and started over when the tone is asked for again while it sounds. A station without an
// audio output plays nothing.
extern "C" Q_DECL_EXPORT void stationPlayTone(QObject *owner, const QString &tone)
{
    if (QAudioDeviceInfo::availableDevices(QAudio::AudioOutput).isEmpty())
        return;
    auto *effect = owner->findChild<QSoundEffect *>(tone, Qt::FindDirectChildrenOnly);
    if (!effect) {
        effect = new QSoundEffect(owner);
        effect->setObjectName(tone);
        effect->setSource(QUrl(QStringLiteral("qrc") + tone));
    }
    effect->play();
}
