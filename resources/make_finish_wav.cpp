// Writes the finish sound: a soft two-tone chime, 16-bit mono PCM WAV.

#include <cmath>
#include <cstdint>
#include <fstream>
#include <vector>

namespace {

void Put(std::ofstream& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const int rate = 22050;
  std::vector<int16_t> samples;
  for (double tone : {880.0, 1318.5}) {
    const int n = rate * 3 / 10;
    for (int i = 0; i < n; ++i) {
      const double t = static_cast<double>(i) / rate;
      const double envelope = std::exp(-6.0 * t);
      samples.push_back(static_cast<int16_t>(12000.0 * envelope * std::sin(2 * M_PI * tone * t)));
    }
  }
  std::ofstream out(argv[1], std::ios::binary);
  const uint32_t data = static_cast<uint32_t>(samples.size() * 2);
  out.write("RIFF", 4);
  Put(out, 36 + data, 4);
  out.write("WAVEfmt ", 8);
  Put(out, 16, 4);
  Put(out, 1, 2);  // PCM
  Put(out, 1, 2);  // mono
  Put(out, rate, 4);
  Put(out, rate * 2, 4);
  Put(out, 2, 2);
  Put(out, 16, 2);
  out.write("data", 4);
  Put(out, data, 4);
  for (int16_t s : samples) Put(out, static_cast<uint16_t>(s), 2);
  return out.good() ? 0 : 1;
}
