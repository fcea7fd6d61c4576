#pragma once

#include <filesystem>
#include <memory>

extern "C" {
#include <libavformat/avformat.h>
}

namespace eac3to {

struct FormatCloser {
  void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
using FormatHandle = std::unique_ptr<AVFormatContext, FormatCloser>;

struct PacketFreer {
  void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
using PacketHandle = std::unique_ptr<AVPacket, PacketFreer>;

// Opens a media file and reads its stream parameters. Throws Failure.
FormatHandle OpenMedia(const std::filesystem::path& file);

}  // namespace eac3to
