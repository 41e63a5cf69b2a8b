// Short sounds of the lessons, played asynchronously; silent where the
// machine has no audio output.
#pragma once

#include <QString>
#include <cstdint>

namespace lk {

enum class Sound { Ding, Notify, Recycle };

// The out-of-range sound of most lessons ("ding"); a lesson may make it the
// softer "notify" chime instead.
void SoundDing();
void SoundRecycle();
void SetDingSound(Sound s);
void PlaySound(Sound s);
// The host's default beep, for a key the number box refuses.
void Beep();

// For tests: how many sounds were asked for since the start.
int SoundCount(Sound s);
int BeepCount();

// The wave file of a sound (16-bit mono PCM), synthesised by the program.
QByteArray SoundWave(Sound s);

}  // namespace lk
