#include "test_media.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

int runCommand(const std::string& command, std::string* output) {
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return -1;
  std::array<char, 4096> buffer;
  size_t got;
  while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    if (output != nullptr) output->append(buffer.data(), got);
  const int status = pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool makeM2ts(const std::filesystem::path& out, const TestClip& clip) {
  const std::string seconds = std::to_string(clip.seconds);
  std::string command = "nice ffmpeg -nostdin -v error -y -f lavfi -i testsrc2=size=" + clip.size + ":rate=" +
                        clip.rate + ":duration=" + seconds;
  if (clip.audioChannels > 0)
    command += " -f lavfi -i sine=frequency=440:sample_rate=48000:duration=" + seconds +
               " -ac " + std::to_string(clip.audioChannels) + " -c:a ac3 -b:a 384k";
  command += " -c:v libx264 -preset ultrafast -pix_fmt yuv420p -g " + std::to_string(clip.gop) +
             " -f mpegts -mpegts_m2ts_mode 1 '" + out.string() + "'";
  return runCommand(command) == 0;
}
