#include "sound_synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "art.h"
#include "speech/sound_names.h"

namespace resgen {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRate = kSampleRate;

// Every sound peaks at half of full scale: loud enough next to the voice, far from clipping.
constexpr double kPeak = 0.5;

using Samples = std::vector<double>;

Samples Silence(double seconds) {
  return Samples(static_cast<std::size_t>(seconds * kRate), 0.0);
}

// A second-order filter (the classic "cookbook" biquads).
class Biquad {
 public:
  static Biquad LowPass(double frequency, double q) { return Make(frequency, q, Kind::kLow); }
  static Biquad HighPass(double frequency, double q) { return Make(frequency, q, Kind::kHigh); }
  static Biquad BandPass(double frequency, double q) { return Make(frequency, q, Kind::kBand); }

  double Step(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }
  void Run(Samples& s) {
    for (double& x : s) x = Step(x);
  }
  // A sweeping filter re-tunes without losing its state.
  void Retune(double frequency, double q) {
    const Biquad fresh = Make(frequency, q, kind_);
    b0_ = fresh.b0_;
    b1_ = fresh.b1_;
    b2_ = fresh.b2_;
    a1_ = fresh.a1_;
    a2_ = fresh.a2_;
  }

 private:
  enum class Kind { kLow, kHigh, kBand };
  static Biquad Make(double frequency, double q, Kind kind) {
    const double w = 2 * kPi * frequency / kRate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    const double a0 = 1 + alpha;
    Biquad f;
    f.kind_ = kind;
    switch (kind) {
      case Kind::kLow:
        f.b0_ = (1 - c) / 2 / a0;
        f.b1_ = (1 - c) / a0;
        f.b2_ = f.b0_;
        break;
      case Kind::kHigh:
        f.b0_ = (1 + c) / 2 / a0;
        f.b1_ = -(1 + c) / a0;
        f.b2_ = f.b0_;
        break;
      case Kind::kBand:
        f.b0_ = alpha / a0;
        f.b1_ = 0;
        f.b2_ = -alpha / a0;
        break;
    }
    f.a1_ = -2 * c / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
  }

  Kind kind_ = Kind::kLow;
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

double Noise(Random& random) {
  return random.Between(-1, 1);
}

void Add(Samples& into, const Samples& sound, double at, double gain = 1.0) {
  const auto start = static_cast<std::size_t>(at * kRate);
  for (std::size_t i = 0; i < sound.size() && start + i < into.size(); ++i) {
    into[start + i] += sound[i] * gain;
  }
}

// A burst of noise that dies away: the click of paper, a clap, a pop.
Samples Burst(Random& random, double seconds, double decay) {
  Samples s = Silence(seconds);
  for (std::size_t i = 0; i < s.size(); ++i) {
    s[i] = Noise(random) * std::exp(-static_cast<double>(i) / kRate / decay);
  }
  return s;
}

// A struck resonance: a sine that rings and dies away.
Samples Ring(double frequency, double seconds, double decay, double glideTo = 0) {
  Samples s = Silence(seconds);
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double f = glideTo > 0
                         ? frequency + (glideTo - frequency) * std::min(1.0, t / seconds * 2)
                         : frequency;
    phase += 2 * kPi * f / kRate;
    s[i] = std::sin(phase) * std::exp(-t / decay);
  }
  return s;
}

// Short fades at both ends, so that no sound starts or stops with a click.
void FadeEnds(Samples& s, double in, double out) {
  const auto n = static_cast<double>(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double left = (n - static_cast<double>(i)) / kRate;
    double g = 1;
    if (in > 0 && t < in) g *= t / in;
    if (left < out) g *= left / out;
    s[i] *= g;
  }
}

// Rounds off the loudest clicks of a crackling sound so that the rest of it is not lost far
// below them once the whole is brought to its peak level.
void Soften(Samples& s, double drive) {
  double peak = 0;
  for (double x : s) peak = std::max(peak, std::abs(x));
  if (peak == 0) return;
  for (double& x : s) x = std::tanh(drive * x / peak);
}

QByteArray Wave(Samples s) {
  double peak = 0;
  for (double x : s) peak = std::max(peak, std::abs(x));
  const double gain = peak > 0 ? kPeak / peak : 0;
  QByteArray pcm;
  pcm.reserve(static_cast<qsizetype>(s.size() * 2));
  for (double x : s) {
    const auto v = static_cast<std::int16_t>(std::lround(std::clamp(x * gain, -1.0, 1.0) * 32767));
    pcm.append(static_cast<char>(v & 0xFF));
    pcm.append(static_cast<char>((v >> 8) & 0xFF));
  }
  QByteArray wav;
  const auto u32 = [&wav](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) wav.append(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  const auto u16 = [&wav](std::uint16_t v) {
    wav.append(static_cast<char>(v & 0xFF));
    wav.append(static_cast<char>(v >> 8));
  };
  wav.append("RIFF", 4);
  u32(static_cast<std::uint32_t>(36 + pcm.size()));
  wav.append("WAVEfmt ", 8);
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(kSampleRate);
  u32(kSampleRate * 2);
  u16(2);
  u16(16);
  wav.append("data", 4);
  u32(static_cast<std::uint32_t>(pcm.size()));
  wav.append(pcm);
  return wav;
}

// A ball of paper crushed in the hand in three squeezes, then dropped in the bin.
Samples CrumpledPaper() {
  Random random(101);
  Samples s = Silence(1.15);
  const double squeezes[][2] = {{0.00, 0.26}, {0.30, 0.55}, {0.60, 0.80}};
  for (const auto& squeeze : squeezes) {
    double t = squeeze[0];
    while (t < squeeze[1]) {
      const double u = (t - squeeze[0]) / (squeeze[1] - squeeze[0]);
      const double density = std::sin(kPi * u);
      const double amplitude = std::pow(random.Unit(), 2.0) * (0.3 + 0.7 * density);
      Add(s, Burst(random, 0.006, random.Between(0.0006, 0.0025)), t, amplitude);
      t += random.Between(0.002, 0.012) / (0.2 + density);
    }
  }
  Biquad::HighPass(900, 0.7).Run(s);
  Samples thump = Ring(95, 0.25, 0.05, 60);
  Samples rustle = Burst(random, 0.12, 0.03);
  Biquad::LowPass(900, 0.7).Run(rustle);
  Add(s, thump, 0.9, 0.5);
  Add(s, rustle, 0.9, 0.6);
  Soften(s, 2.0);
  FadeEnds(s, 0.003, 0.05);
  return s;
}

// A small audience clapping: each pair of hands keeps its own pace and its own pitch.
Samples Applause() {
  Random random(202);
  const double length = 2.6;
  Samples s = Silence(length);
  for (int person = 0; person < 26; ++person) {
    Samples hands = Silence(length);
    const double period = random.Between(0.2, 0.3);
    double t = random.Between(0.0, period);
    while (t < length - 0.05) {
      Add(hands, Burst(random, 0.04, random.Between(0.006, 0.012)), t, random.Between(0.6, 1.0));
      t += period * random.Between(0.85, 1.15);
    }
    Biquad::BandPass(random.Between(900, 2600), 1.4).Run(hands);
    Add(s, hands, 0);
  }
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    s[i] *= std::min(1.0, t / 0.15) * std::min(1.0, (length - t) / 0.9);
  }
  FadeEnds(s, 0.002, 0.05);
  return s;
}

// A crack, then the pieces clattering and scattering on the table.
Samples Breaking() {
  Random random(303);
  Samples s = Silence(1.3);
  Samples crack = Burst(random, 0.08, 0.012);
  Biquad::HighPass(500, 0.7).Run(crack);
  Add(s, crack, 0);
  Add(s, Ring(110, 0.2, 0.04, 70), 0, 0.6);
  double t = 0.03;
  double gain = 0.8;
  while (t < 1.1) {
    // A piece of cardboard hitting the table: a knock of noise with a woody, untuned ring.
    Samples knock = Burst(random, 0.05, random.Between(0.004, 0.01));
    Biquad::BandPass(random.Between(700, 2500), random.Between(2, 5)).Run(knock);
    const double f = random.Between(500, 1200);
    Samples ring = Ring(f, 0.06, 0.012);
    Add(ring, Ring(f * 2.76, 0.04, 0.006), 0, 0.5);
    Add(s, knock, t, gain * random.Between(2.0, 3.5));
    Add(s, ring, t, gain * random.Between(0.1, 0.25));
    t += random.Between(0.012, 0.05) * (1 + t * 2.5);
    gain *= 0.94;
  }
  Soften(s, 2.0);
  FadeEnds(s, 0.001, 0.08);
  return s;
}

// One key pressed and let go.
Samples KeyClick() {
  Random random(404);
  Samples s = Silence(0.3);
  for (const auto& [at, gain] : {std::pair{0.005, 1.0}, std::pair{0.075, 0.45}}) {
    Samples tick = Burst(random, 0.01, 0.0008);
    Biquad::HighPass(2000, 0.7).Run(tick);
    Add(s, tick, at, gain);
    Add(s, Ring(3300, 0.03, 0.004), at, gain * 0.5);
    Add(s, Ring(190, 0.06, 0.012), at, gain * 0.35);
  }
  FadeEnds(s, 0.0, 0.02);
  return s;
}

double Midi(int note) {
  return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// A xylophone-like bar: a bright strike and a warm fundamental.
Samples Bar(double frequency, double seconds) {
  Samples s = Silence(seconds);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double w = 2 * kPi * frequency * t;
    s[i] = std::sin(w) * std::exp(-t / 0.35) + 0.35 * std::sin(4 * w) * std::exp(-t / 0.05) +
           0.15 * std::sin(10 * w) * std::exp(-t / 0.012);
    s[i] *= std::min(1.0, t / 0.002);
  }
  return s;
}

// A soft, round bass note.
Samples Bass(double frequency, double seconds) {
  Samples s = Silence(seconds);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double w = 2 * kPi * frequency * t;
    s[i] = (std::sin(w) + 0.25 * std::sin(2 * w)) * std::exp(-t / 0.3) * std::min(1.0, t / 0.01);
  }
  return s;
}

// A bouncy little tune in C major that ends on a bright chord.
Samples Tune() {
  const double beat = 0.17;
  const int melody[] = {72, 76, 79, 84, 81, 79, 76, 79, 77, 81, 79, 76, 74, 71};
  Samples s = Silence(2.9);
  for (std::size_t i = 0; i < std::size(melody); ++i) {
    Add(s, Bar(Midi(melody[i]), 0.6), beat * static_cast<double>(i), 0.55);
  }
  const double end = beat * static_cast<double>(std::size(melody));
  for (int note : {72, 76, 79, 84}) Add(s, Bar(Midi(note), 0.9), end, 0.4);
  Add(s, Bar(Midi(96), 0.6), end + 0.12, 0.15);
  const int bass[] = {48, 53, 55, 43};
  for (int i = 0; i < 4; ++i) Add(s, Bass(Midi(bass[i]), 0.7), beat * 4 * i, 0.45);
  Add(s, Bass(Midi(48), 0.9), end, 0.5);
  FadeEnds(s, 0.0, 0.25);
  return s;
}

// Logs burning: a low roar with crackles and a few loud pops.
Samples Fire() {
  Random random(505);
  const double length = 2.6;
  Samples roar = Silence(length);
  Biquad low = Biquad::LowPass(350, 0.7);
  double flicker = 0;
  for (std::size_t i = 0; i < roar.size(); ++i) {
    flicker += (random.Between(-1, 1) - flicker) * 0.0008;
    roar[i] = low.Step(Noise(random)) * (0.6 + 4 * std::abs(flicker));
  }
  Samples crackles = Silence(length);
  double t = 0.02;
  while (t < length - 0.05) {
    const double size = std::pow(random.Unit(), 3.0);
    Add(crackles, Burst(random, 0.008, 0.0004 + 0.0016 * size), t, 0.15 + 0.85 * size);
    if (size > 0.5) Add(crackles, Ring(random.Between(700, 1500), 0.04, 0.006), t, 0.4 * size);
    t += random.Between(0.005, 0.07);
  }
  Biquad::HighPass(1200, 0.7).Run(crackles);
  Samples s = Silence(length);
  Add(s, roar, 0, 0.35);
  Add(s, crackles, 0, 1.0);
  Soften(s, 3.0);
  FadeEnds(s, 0.15, 0.35);
  return s;
}

// A pebble dropped into a pond: splash, the "plop" of the air bubble, drops falling back.
Samples Pebble() {
  Random random(606);
  Samples s = Silence(1.1);
  Samples splash = Burst(random, 0.06, 0.012);
  Biquad::BandPass(1800, 0.9).Run(splash);
  Add(s, splash, 0, 0.8);
  Add(s, Ring(520, 0.12, 0.045, 1500), 0.012, 1.0);
  Add(s, Ring(900, 0.07, 0.025, 1900), 0.16, 0.35);
  Add(s, Ring(1200, 0.05, 0.018, 2300), 0.27, 0.2);
  for (int i = 0; i < 6; ++i) {
    const double at = 0.3 + i * random.Between(0.06, 0.11);
    Add(s, Ring(random.Between(1600, 2800), 0.04, 0.01, random.Between(2600, 3600)), at,
        random.Between(0.08, 0.2) * (1 - i * 0.12));
  }
  Samples ripple = Burst(random, 0.8, 0.25);
  Biquad::LowPass(600, 0.7).Run(ripple);
  Add(s, ripple, 0.05, 0.15);
  FadeEnds(s, 0.0, 0.2);
  return s;
}

// A gust of wind that rises, whistles a little and dies away.
Samples Wind() {
  Random random(707);
  const double length = 2.4;
  Samples s = Silence(length);
  Biquad band = Biquad::BandPass(400, 2.5);
  Biquad body = Biquad::LowPass(260, 0.7);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double u = t / length;
    const double swell = std::pow(std::sin(kPi * u), 2.0);
    if (i % 64 == 0)
      band.Retune(350 + 650 * swell + 80 * std::sin(2 * kPi * 1.3 * t), 2.5 + swell * 3);
    const double n = Noise(random);
    s[i] = (band.Step(n) * 1.6 + body.Step(n) * 0.8) * (0.08 + swell);
  }
  FadeEnds(s, 0.05, 0.2);
  return s;
}

}  // namespace

std::vector<Sound> SynthesiseSounds() {
  using speech::kSoundEffectFiles;
  static_assert(kSoundEffectFiles.size() == 5, "a sound to synthesise for every kind");
  return {
      {kSoundEffectFiles[0], Wave(CrumpledPaper())},  // the grid cleared
      {kSoundEffectFiles[1], Wave(Applause())},       // the puzzle finished
      {kSoundEffectFiles[2], Wave(Breaking())},       // the puzzle scattered
      {kSoundEffectFiles[3], Wave(KeyClick())},       // a key click
      {kSoundEffectFiles[4], Wave(Tune())},           // the puzzle opened
      {speech::kFireSound, Wave(Fire())},
      {speech::kRipplesSound, Wave(Pebble())},
      {speech::kMistSound, Wave(Wind())},
  };
}

}  // namespace resgen
