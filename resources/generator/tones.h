#pragma once
// Synthesised notification tones as complete RIFF/WAVE files (16-bit PCM, mono).

#include <QByteArray>

namespace tones {

const int kSampleRate = 22050;

// Urgent: quick alternating high and low beeps, about 1.4 s.
QByteArray alarm();

// Calm: a soft two-note chime, about 1.3 s.
QByteArray service();

} // namespace tones
