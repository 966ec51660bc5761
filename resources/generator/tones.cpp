#include "tones.h"

#include <QDataStream>
#include <QVector>
#include <QtMath>

namespace tones {

namespace {

QByteArray wave(const QVector<float> &samples)
{
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    const quint32 dataBytes = quint32(samples.size()) * 2;
    s.writeRawData("RIFF", 4);
    s << quint32(36 + dataBytes);
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << quint32(kSampleRate) << quint32(kSampleRate * 2) << quint16(2)
      << quint16(16);
    s.writeRawData("data", 4);
    s << dataBytes;
    for (float v : samples)
        s << qint16(qBound(-32767, int(v * 32767.0f), 32767));
    return out;
}

// Short linear ramps at both ends keep every note free of clicks.
float edge(int i, int length, int ramp)
{
    if (i < ramp)
        return float(i) / ramp;
    if (i > length - ramp)
        return float(length - i) / ramp;
    return 1.0f;
}

} // namespace

QByteArray alarm()
{
    const int beep = kSampleRate * 12 / 100;
    const int gap = kSampleRate * 5 / 100;
    const int count = 8;
    QVector<float> samples(count * (beep + gap) + kSampleRate / 10, 0.0f);
    for (int n = 0; n < count; ++n) {
        const double f = (n % 2 == 0) ? 1318.5 : 987.8; // E6 / B5: a piercing falling fourth
        const int start = n * (beep + gap);
        for (int i = 0; i < beep; ++i) {
            const double t = double(i) / kSampleRate;
            // A few odd harmonics give the beep a brassy, hard-to-miss edge.
            const double v =
                qSin(2 * M_PI * f * t) + 0.30 * qSin(2 * M_PI * 3 * f * t) + 0.12 * qSin(2 * M_PI * 5 * f * t);
            samples[start + i] = float(0.42 * v) * edge(i, beep, kSampleRate / 200);
        }
    }
    return wave(samples);
}

QByteArray service()
{
    const int length = kSampleRate * 13 / 10;
    QVector<float> samples(length, 0.0f);
    struct Note
    {
        double start;
        double frequency;
    };
    const Note notes[] = {{0.0, 783.99}, {0.38, 659.25}}; // G5 then E5, a doorbell-like "ding-dong"
    for (const Note &note : notes) {
        const int first = int(note.start * kSampleRate);
        for (int i = first; i < length; ++i) {
            const double t = double(i - first) / kSampleRate;
            const double decay = qExp(-t / 0.32);
            // Bell-like partials, the upper ones dying faster.
            const double v = qSin(2 * M_PI * note.frequency * t) +
                             0.35 * qExp(-t / 0.12) * qSin(2 * M_PI * 2.0 * note.frequency * t) +
                             0.15 * qExp(-t / 0.06) * qSin(2 * M_PI * 3.0 * note.frequency * t);
            samples[i] += float(0.34 * decay * v) * edge(i - first, length - first, kSampleRate / 400);
        }
    }
    return wave(samples);
}

} // namespace tones
