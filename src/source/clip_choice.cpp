#include "source/clip_choice.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "source/source_paths.h"
#include "source/text_search.h"

namespace {

std::string ClipNumber(std::string_view clip) {
  char name[16];
  std::snprintf(name, sizeof name, "%05d", LeadingInt(clip));
  return name;
}

// The size of a clip that opens for reading, or -1.
int64_t ClipSize(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info {};
  const bool known = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  close(fd);
  return known ? static_cast<int64_t>(info.st_size) : -1;
}

}  // namespace

ClipChoice ExamineClips(const std::string& folder, std::string_view clips) {
  ClipChoice choice;
  int64_t largest = 0;
  const std::string streams = StreamFolder(folder);
  for (std::string_view clip : SplitTokens(clips, "+")) {
    const std::string path = JoinPath(streams, ClipNumber(clip) + ".m2ts");
    const int64_t opened = ClipSize(path);
    const int64_t size = opened < 0 ? 0 : opened;
    if (opened >= 0) ++choice.found;
    if (size < kSmallClipBytes) ++choice.small;
    if (size >= largest) {
      largest = size;
      choice.largestPath = path;
    }
  }
  return choice;
}

std::string ClipListText(std::string_view clips) {
  std::string text;
  for (std::string_view clip : SplitTokens(clips, "+")) {
    if (!text.empty()) text += " + ";
    text += ClipNumber(clip);
  }
  return text;
}
