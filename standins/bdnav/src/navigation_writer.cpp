#include "bdnav/navigation_writer.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "bdnav/encoders.h"
#include "bdnav/movie_object.h"

namespace bdnav {

namespace fs = std::filesystem;

namespace {

void checkName(const std::string& name) {
  if (name.size() != 5 || !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
    throw std::invalid_argument("navigation file name is not five digits: \"" + name + "\"");
}

void writeFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

// Every file goes to BDMV and to BDMV/BACKUP, the copy players fall back on.
void writeTwice(const fs::path& bdmv, const fs::path& relative, const std::vector<uint8_t>& bytes) {
  writeFile(bdmv / relative, bytes);
  writeFile(bdmv / "BACKUP" / relative, bytes);
}

void makeFolders(const fs::path& root) {
  for (const char* folder : {"BDMV/PLAYLIST", "BDMV/CLIPINF", "BDMV/STREAM", "BDMV/AUXDATA",
                             "BDMV/BACKUP/PLAYLIST", "BDMV/BACKUP/CLIPINF", "CERTIFICATE/BACKUP"})
    fs::create_directories(root / folder);
}

std::vector<uint16_t> playlistNumbers(const Navigation& nav) {
  std::vector<uint16_t> numbers;
  for (const Playlist& p : nav.playlists) numbers.push_back(static_cast<uint16_t>(std::stoi(p.name)));
  return numbers;
}

}  // namespace

void writeNavigation(const fs::path& root, const Navigation& nav) {
  for (const Clip& c : nav.clips) checkName(c.name);
  for (const Playlist& p : nav.playlists) checkName(p.name);
  std::vector<std::vector<uint8_t>> playlists;
  for (const Playlist& p : nav.playlists) playlists.push_back(encodePlaylist(p, nav.clips));

  makeFolders(root);
  const fs::path bdmv = root / "BDMV";
  writeTwice(bdmv, "index.bdmv", encodeIndex(nav.playlists.size()));
  writeTwice(bdmv, "MovieObject.bdmv", encodeMovieObjects(movieObjectsFor(playlistNumbers(nav))));
  for (size_t i = 0; i < nav.playlists.size(); ++i)
    writeTwice(bdmv, fs::path("PLAYLIST") / (nav.playlists[i].name + ".mpls"), playlists[i]);
  for (const Clip& c : nav.clips)
    writeTwice(bdmv, fs::path("CLIPINF") / (c.name + ".clpi"), encodeClipInfo(c));
}

}  // namespace bdnav
