#include "bdnav/movie_object.h"

#include "bdnav/byte_writer.h"

namespace bdnav {

namespace {

// Opcodes: the operand count, command group and options packed as the
// HDMV command word; "Imm" takes an immediate source operand.
constexpr uint32_t kMove = 0x50000001;
constexpr uint32_t kMoveImm = 0x50400001;
constexpr uint32_t kIfNotEqualImm = 0x48400300;
constexpr uint32_t kPlayPlaylistFromRegister = 0x22000000;
constexpr uint32_t kPlayPlaylistAtMark = 0x42820000;  // playlist immediate, mark in a register
constexpr uint32_t kJumpTitleFromRegister = 0x21010000;
constexpr uint32_t kJumpTitle = 0x21810000;
constexpr uint32_t kBreak = 0x00020000;

constexpr uint32_t kChapter = 0;      // register: chapter to start at
constexpr uint32_t kResumeList = 3;   // register: playlist to resume
constexpr uint32_t kResumeTitle = 4;  // register: title to resume
constexpr uint32_t kScratch = 10;
constexpr uint32_t kNone = 0xffff;
constexpr uint32_t kTopMenuTitle = 0;

constexpr uint16_t kResumeIntention = 0x8000;

MovieObject titleObject(uint16_t playlist) {
  return {{kMove, kScratch, kChapter},
          {kMoveImm, kChapter, 0},
          {kPlayPlaylistAtMark, playlist, kScratch},
          {kBreak, 0, 0}};
}

MovieObject topMenuObject() {
  return {{kMove, kScratch, kResumeList},           {kMoveImm, kResumeList, kNone},
          {kIfNotEqualImm, kScratch, kNone},        {kPlayPlaylistFromRegister, kScratch, 0},
          {kMove, kScratch, kResumeTitle},          {kMoveImm, kResumeTitle, 0},
          {kIfNotEqualImm, kScratch, 0},            {kJumpTitleFromRegister, kScratch, 0},
          {kJumpTitle, 1, 0}};
}

MovieObject firstPlayObject() {
  return {{kMoveImm, kChapter, 0},
          {kMoveImm, 2, 1},
          {kMoveImm, kResumeList, kNone},
          {kMoveImm, kResumeTitle, 0},
          {kJumpTitle, kTopMenuTitle, 0}};
}

}  // namespace

std::vector<MovieObject> movieObjectsFor(const std::vector<uint16_t>& playlists) {
  std::vector<MovieObject> objects;
  for (uint16_t playlist : playlists) objects.push_back(titleObject(playlist));
  objects.push_back(topMenuObject());
  objects.push_back(firstPlayObject());
  return objects;
}

std::vector<uint8_t> encodeMovieObjects(const std::vector<MovieObject>& objects) {
  ByteWriter w;
  w.text("MOBJ0100", 8);
  w.u32(0);  // no extension data
  w.zeros(28);
  const auto length = w.openLength(4);
  w.u32(0);
  w.u16(static_cast<uint32_t>(objects.size()));
  for (const MovieObject& object : objects) {
    w.u16(kResumeIntention);
    w.u16(static_cast<uint32_t>(object.size()));
    for (const NavCommand& c : object) {
      w.u32(c.opcode);
      w.u32(c.destination);
      w.u32(c.source);
    }
  }
  w.closeLength(length);
  return w.data();
}

}  // namespace bdnav
