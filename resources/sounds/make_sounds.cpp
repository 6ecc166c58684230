// Writes the reminder sounds of the calendar as small wave files. They are synthesised here from
// plain tones, so every sound the program plays is its own.
//
//   make_sounds <folder>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;

// One tone: a start time and length in seconds, a pitch in hertz, a loudness 0..1 and how fast it
// dies away (0: held, then faded at its end).
struct Tone {
  double start;
  double length;
  double hertz;
  double loudness;
  double decay;
};

std::vector<double> Render(const std::vector<Tone>& tones) {
  double end = 0;
  for (const Tone& t : tones) end = std::max(end, t.start + t.length);
  std::vector<double> samples(static_cast<std::size_t>(end * kRate) + 1, 0.0);
  for (const Tone& t : tones) {
    const auto first = static_cast<std::size_t>(t.start * kRate);
    const auto count = static_cast<std::size_t>(t.length * kRate);
    for (std::size_t i = 0; i < count && first + i < samples.size(); ++i) {
      const double s = static_cast<double>(i) / kRate;
      const double attack = std::min(1.0, s / 0.005);
      const double release = std::min(1.0, (t.length - s) / 0.02);
      const double envelope = attack * std::max(0.0, release) * std::exp(-t.decay * s);
      // A touch of the octave above makes a plain sine sound less like a test signal.
      const double wave = std::sin(2 * std::numbers::pi * t.hertz * s) +
                          0.25 * std::sin(4 * std::numbers::pi * t.hertz * s);
      samples[first + i] += t.loudness * envelope * wave / 1.25;
    }
  }
  return samples;
}

void Put16(std::ofstream& out, std::uint16_t v) {
  const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
  out.write(b, 2);
}

void Put32(std::ofstream& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
}

bool WriteWave(const std::filesystem::path& file, const std::vector<double>& samples) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  out.write("RIFF", 4);
  Put32(out, 36 + dataBytes);
  out.write("WAVEfmt ", 8);
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, kRate);
  Put32(out, kRate * 2);
  Put16(out, 2);
  Put16(out, 16);
  out.write("data", 4);
  Put32(out, dataBytes);
  for (double s : samples) {
    const double clipped = std::max(-1.0, std::min(1.0, s));
    Put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(clipped * 32000))));
  }
  return static_cast<bool>(out);
}

struct Sound {
  const char* name;
  std::vector<Tone> tones;
};

std::vector<Sound> Sounds() {
  return {
      {"Alert.wav", {{0.00, 0.12, 880, 0.8, 0}, {0.16, 0.12, 880, 0.8, 0}, {0.32, 0.12, 880, 0.8, 0}}},
      {"Blip.wav", {{0.00, 0.08, 1320, 0.7, 10}}},
      {"Chimes.wav", {{0.00, 0.9, 1047, 0.5, 4}, {0.18, 0.9, 784, 0.5, 4}, {0.36, 0.9, 659, 0.5, 4},
                      {0.54, 1.2, 523, 0.5, 3}}},
      {"Complete.wav", {{0.00, 0.15, 523, 0.6, 2}, {0.15, 0.15, 659, 0.6, 2}, {0.30, 0.45, 784, 0.6, 3}}},
      {"Ding.wav", {{0.00, 1.0, 1568, 0.7, 5}}},
      {"Doorbell.wav", {{0.00, 0.7, 659, 0.7, 3}, {0.55, 1.0, 523, 0.7, 3}}},
      {"Hello.wav", {{0.00, 0.18, 587, 0.6, 1}, {0.20, 0.30, 880, 0.6, 2}}},
      {"Tada.wav", {{0.00, 0.10, 523, 0.5, 0}, {0.10, 0.9, 523, 0.4, 2}, {0.10, 0.9, 659, 0.4, 2},
                    {0.10, 0.9, 784, 0.4, 2}, {0.10, 0.9, 1047, 0.3, 2}}},
      {"Utopia.wav", {{0.00, 1.6, 392, 0.35, 1.5}, {0.25, 1.4, 494, 0.35, 1.5}, {0.50, 1.2, 587, 0.35, 1.5},
                      {0.75, 1.2, 784, 0.35, 1.5}}},
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sounds <folder>\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  for (const Sound& sound : Sounds()) {
    if (!WriteWave(folder / sound.name, Render(sound.tones))) {
      std::fprintf(stderr, "make_sounds: cannot write %s\n", (folder / sound.name).c_str());
      return 1;
    }
  }
  return 0;
}
