#include "pmt_language.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace e2e {

namespace {

using Bytes = std::vector<uint8_t>;

constexpr size_t kPacket = 192, kHeader = 4, kTsPacket = 188;

uint16_t Pid(const uint8_t* ts) { return static_cast<uint16_t>((ts[1] & 0x1F) << 8 | ts[2]); }
unsigned Length12(const uint8_t* at) { return (at[0] & 0x0Fu) << 8 | at[1]; }
void SetLength12(uint8_t* at, unsigned length) {
  at[0] = static_cast<uint8_t>((at[0] & 0xF0) | (length >> 8));
  at[1] = static_cast<uint8_t>(length);
}

uint32_t Crc32Mpeg(const uint8_t* data, size_t size) {
  uint32_t crc = 0xFFFFFFFF;
  for (size_t i = 0; i < size; ++i) {
    crc ^= static_cast<uint32_t>(data[i]) << 24;
    for (int bit = 0; bit < 8; ++bit) crc = crc & 0x80000000 ? crc << 1 ^ 0x04C11DB7 : crc << 1;
  }
  return crc;
}

// Where the section starts in a packet that begins one, or 0.
size_t SectionStart(const uint8_t* ts) {
  if (!(ts[1] & 0x40)) return 0;
  size_t at = 4;
  if (ts[3] & 0x20) at += 1 + ts[at];
  return at + 1 + ts[at];
}

// Inserts the descriptor after the stream's other descriptors and renews
// the lengths and the CRC; false when the stream is not in this map.
bool PatchProgramMap(uint8_t* ts, uint16_t pid, const Bytes& descriptor) {
  const size_t section = SectionStart(ts);
  if (section == 0 || ts[section] != 0x02) return false;
  const unsigned length = Length12(ts + section + 1);
  const size_t crcAt = section + 3 + length - 4;
  for (size_t es = section + 12 + Length12(ts + section + 10); es < crcAt; es += 5 + Length12(ts + es + 3)) {
    if (Pid(ts + es) != pid) continue;
    if (crcAt + 4 + descriptor.size() > kTsPacket) throw std::runtime_error("no room in the program map packet");
    Bytes map(ts + section, ts + crcAt);
    const size_t insert = es - section + 5 + Length12(ts + es + 3);
    map.insert(map.begin() + static_cast<std::ptrdiff_t>(insert), descriptor.begin(), descriptor.end());
    SetLength12(&map[es - section + 3], Length12(ts + es + 3) + static_cast<unsigned>(descriptor.size()));
    SetLength12(&map[1], length + static_cast<unsigned>(descriptor.size()));
    const uint32_t crc = Crc32Mpeg(map.data(), map.size());
    for (int shift = 24; shift >= 0; shift -= 8) map.push_back(static_cast<uint8_t>(crc >> shift));
    std::copy(map.begin(), map.end(), ts + section);
    return true;
  }
  return false;
}

}  // namespace

void AddStreamLanguage(const std::filesystem::path& file, uint16_t pid, const std::string& language) {
  std::ifstream in(file, std::ios::binary);
  Bytes stream((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const Bytes descriptor = {0x0A, 4, uint8_t(language.at(0)), uint8_t(language.at(1)), uint8_t(language.at(2)), 0};
  int patched = 0;
  for (size_t at = 0; at + kPacket <= stream.size(); at += kPacket)
    if (PatchProgramMap(&stream[at + kHeader], pid, descriptor)) ++patched;
  if (patched == 0) throw std::runtime_error("no program map names the stream in " + file.string());
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(stream.data()), static_cast<std::streamsize>(stream.size()));
}

}  // namespace e2e
