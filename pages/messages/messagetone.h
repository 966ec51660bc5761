#pragma once
// The alarm and service tones that announce guest requests.

#include <QObject>
#include <QString>

#include <functional>

class MessageTone : public QObject
{
    Q_OBJECT

public:
    explicit MessageTone(QObject *parent = nullptr);
    ~MessageTone() override;

    // ":/myFiles/audio/alarm.wav" for an alarm (type 1), ":/myFiles/audio/service.wav" for any other type.
    static QString toneFor(int messageType);

    // Plays the tone of messageType once, without waiting for it. A station without an audio output plays
    // nothing and says nothing: the strip and the alarm dialog are the announcement that counts.
    void play(int messageType);

    // Test seam: while a hook is set, it is handed the tone chosen in place of the audio output, which is then
    // neither asked for nor used.
    using Hook = std::function<void(const QString &tone)>;
    static void setHook(const Hook &hook);
};
