#pragma once
// HDMV movie objects: the navigation programs index.bdmv points at.

#include <cstdint>
#include <vector>

namespace bdnav {

struct NavCommand {
  uint32_t opcode = 0;
  uint32_t destination = 0;
  uint32_t source = 0;
};
using MovieObject = std::vector<NavCommand>;

// The objects of a disc whose titles play the given playlists (by number):
// objects 0..n-1 play title i's playlist from the chapter in register 0,
// object n is the top menu (resume, else title 1), object n+1 first play
// (clears the registers, then the top menu). encodeIndex points at them.
std::vector<MovieObject> movieObjectsFor(const std::vector<uint16_t>& playlists);

// MovieObject.bdmv
std::vector<uint8_t> encodeMovieObjects(const std::vector<MovieObject>& objects);

}  // namespace bdnav
