#include "libav_handles.h"

#include "failure.h"

namespace eac3to {

FormatHandle OpenMedia(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error))
    throw Failure("The source file \"" + file.string() + "\" doesn't exist.");
  av_log_set_level(AV_LOG_FATAL);
  AVFormatContext* raw = nullptr;
  if (avformat_open_input(&raw, file.c_str(), nullptr, nullptr) < 0)
    throw Failure("The source file \"" + file.string() + "\" can't be opened.");
  FormatHandle context(raw);
  if (avformat_find_stream_info(context.get(), nullptr) < 0)
    throw Failure("The format of \"" + file.string() + "\" can't be detected.");
  return context;
}

}  // namespace eac3to
