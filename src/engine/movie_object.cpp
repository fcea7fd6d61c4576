#include "engine/movie_object.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>

namespace {

// One navigation command: opcode, destination and source operands.
struct Command {
  uint32_t opcode, destination, source;
};

using Object = std::initializer_list<Command>;

// Object 1 enables presentation-graphics stream 1 and plays the title;
// objects 2 and 3 are the menu and resume objects tsMuxeR also writes.
const Object kObject1 = {{0x51c00001, 0x0000c001, 0}, {0, 0, 0},
                         {0x50400001, 0, 0},          {0x50400001, 0, 0},
                         {0x42820000, 0, 0x0000000a}, {0x21810000, 0x00000001, 0}};
const Object kObject2 = {{0x50000001, 0x0000000a, 0x00000003}, {0x50400001, 0x00000003, 0x0000ffff},
                         {0x48400300, 0x0000000a, 0x0000ffff}, {0x22000000, 0x0000000a, 0},
                         {0x50000001, 0x0000000a, 0x00000004}, {0x50400001, 0x00000004, 0},
                         {0x48400300, 0x0000000a, 0},          {0x21010000, 0x0000000a, 0},
                         {0x21810000, 0x00000001, 0}};
const Object kObject3 = {{0x50400001, 0, 0},
                         {0x50400001, 0x00000002, 0x00000001},
                         {0x50400001, 0x00000003, 0x0000ffff},
                         {0x50400001, 0x00000004, 0},
                         {0x21810000, 0, 0}};

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutObject(std::vector<uint8_t>& out, const Object& commands) {
  Put(out, 0x8000, 2);  // resume intention
  Put(out, static_cast<uint32_t>(commands.size()), 2);
  for (const Command& c : commands) {
    Put(out, c.opcode, 4);
    Put(out, c.destination, 4);
    Put(out, c.source, 4);
  }
}

}  // namespace

std::vector<uint8_t> SubtitlesOnMovieObject() {
  std::vector<uint8_t> out;
  for (char c : std::string("MOBJ0100")) out.push_back(static_cast<uint8_t>(c));
  Put(out, 0, 4);                // no extension data
  out.insert(out.end(), 28, 0);  // reserved
  std::vector<uint8_t> objects;
  Put(objects, 0, 4);  // reserved
  Put(objects, 3, 2);
  for (const Object& object : {kObject1, kObject2, kObject3}) PutObject(objects, object);
  Put(out, static_cast<uint32_t>(objects.size()), 4);
  out.insert(out.end(), objects.begin(), objects.end());
  return out;
}

void ReplaceMovieObjects(const std::string& avchdFolder) {
  const std::vector<uint8_t> bytes = SubtitlesOnMovieObject();
  const std::filesystem::path bdmv = std::filesystem::path(avchdFolder) / "BDMV";
  for (const auto& path : {bdmv / "MovieObject.bdmv", bdmv / "BACKUP" / "MovieObject.bdmv"}) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file) file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
}
