#include "sounds.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDir>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <array>
#include <cmath>
#include <map>
#include <memory>

namespace lk {

namespace {

Sound g_ding = Sound::Ding;
std::array<int, 3> g_counts{};
int g_beeps = 0;

struct Tone {
  double freq;     // Hz
  double seconds;  // length
  double decay;    // 1/s
};

void AppendLe(QByteArray& b, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b.append(char((v >> (8 * i)) & 0xFF));
}

}  // namespace

QByteArray SoundWave(Sound s) {
  constexpr int rate = 22050;
  // A bell for the ding, a two-note chime for notify, a falling rustle for recycle.
  std::vector<Tone> tones;
  switch (s) {
    case Sound::Ding: tones = {{1318.5, 0.45, 7.0}, {2637.0, 0.45, 12.0}}; break;
    case Sound::Notify: tones = {{880.0, 0.18, 10.0}, {1174.7, 0.30, 9.0}}; break;
    case Sound::Recycle: tones = {{600.0, 0.35, 9.0}}; break;
  }
  double total = 0;
  for (const Tone& t : tones) total = std::max(total, t.seconds);
  if (s == Sound::Notify) total = 0.48;
  const int n = int(total * rate);
  std::vector<double> mix(std::size_t(n), 0.0);
  const double pi = 3.14159265358979323846;
  for (std::size_t k = 0; k < tones.size(); ++k) {
    const Tone& t = tones[k];
    // The notify chime plays its notes one after the other.
    int start = (s == Sound::Notify) ? int(k * 0.18 * rate) : 0;
    for (int i = 0; i < int(t.seconds * rate) && start + i < n; ++i) {
      double time = double(i) / rate;
      double f = t.freq;
      if (s == Sound::Recycle) f = t.freq * (1.0 - 0.6 * time / t.seconds);
      double attack = std::min(1.0, time / 0.005);
      mix[std::size_t(start + i)] += attack * std::exp(-t.decay * time) * std::sin(2 * pi * f * time);
    }
  }
  QByteArray data;
  for (double v : mix) {
    auto sample = std::int16_t(std::lround(std::clamp(v * 0.35, -1.0, 1.0) * 32767));
    AppendLe(data, std::uint16_t(sample), 2);
  }
  QByteArray wav("RIFF");
  AppendLe(wav, std::uint32_t(36 + data.size()), 4);
  wav.append("WAVEfmt ");
  AppendLe(wav, 16, 4);
  AppendLe(wav, 1, 2);  // PCM
  AppendLe(wav, 1, 2);  // mono
  AppendLe(wav, rate, 4);
  AppendLe(wav, rate * 2, 4);
  AppendLe(wav, 2, 2);
  AppendLe(wav, 16, 2);
  wav.append("data");
  AppendLe(wav, std::uint32_t(data.size()), 4);
  wav.append(data);
  return wav;
}

namespace {

bool HaveAudio() {
  static const bool have = !QMediaDevices::audioOutputs().isEmpty();
  return have;
}

QSoundEffect* Effect(Sound s) {
  static QTemporaryDir dir;
  static std::map<Sound, std::unique_ptr<QSoundEffect>> effects;
  auto it = effects.find(s);
  if (it != effects.end()) return it->second.get();
  if (!dir.isValid()) return nullptr;
  static const char* names[] = {"ding.wav", "notify.wav", "recycle.wav"};
  QString path = dir.filePath(QString::fromLatin1(names[int(s)]));
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return nullptr;
  f.write(SoundWave(s));
  f.close();
  auto effect = std::make_unique<QSoundEffect>();
  effect->setSource(QUrl::fromLocalFile(path));
  effect->setVolume(0.6f);
  return effects.emplace(s, std::move(effect)).first->second.get();
}

}  // namespace

void PlaySound(Sound s) {
  ++g_counts[std::size_t(s)];
  if (qEnvironmentVariableIsSet("LESSONS_SILENT") || !HaveAudio()) return;
  if (QSoundEffect* e = Effect(s)) e->play();
}

void SoundDing() { PlaySound(g_ding); }
void SoundRecycle() { PlaySound(Sound::Recycle); }
void SetDingSound(Sound s) { g_ding = s; }

void Beep() {
  ++g_beeps;
  if (qEnvironmentVariableIsSet("LESSONS_SILENT")) return;
  QApplication::beep();
}

int SoundCount(Sound s) { return g_counts[std::size_t(s)]; }
int BeepCount() { return g_beeps; }

}  // namespace lk
