#pragma once
// Media the stand-in tests make with the ffmpeg program: test pattern and
// tone, a few seconds, "ultrafast".

#include <filesystem>
#include <string>

struct TestClip {
  int seconds = 2;
  std::string size = "320x240";
  std::string rate = "24000/1001";
  int gop = 12;           // frames between key frames
  int audioChannels = 6;  // AC-3; 0 for none
};

// Writes an H.264 + AC-3 BDAV stream (192-byte packets, video on 0x1011,
// audio on 0x1100). Returns false when ffmpeg fails.
bool makeM2ts(const std::filesystem::path& out, const TestClip& clip);

// Runs a shell command line; returns its exit status and stdout+stderr.
int runCommand(const std::string& command, std::string* output = nullptr);
