#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "output_plan.h"

namespace eac3to {

// Puts a copied audio track on the video's time line: offset is how far
// (90 kHz) its first sample lies after the video's start, negative when it
// lies before. AC-3 gets whole silent frames in front or loses frames from
// its start; other formats can't be cut or padded without a recode, so for
// them the result says the delay is left in. Returns a line for the log, or
// nothing when the track already starts with the video.
std::optional<std::string> AlignCopiedAudio(const OutputPlan& plan, const std::filesystem::path& file,
                                            std::int64_t offset);

// The size of the AC-3 frame whose header starts at data, 0 when there is
// none (also for E-AC-3). kbps gets its bitrate, rate its sample rate.
std::size_t Ac3FrameSize(const std::uint8_t* data, std::size_t size, int* kbps = nullptr,
                         int* rate = nullptr);

}  // namespace eac3to
