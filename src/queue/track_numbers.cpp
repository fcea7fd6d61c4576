#include "queue/track_numbers.h"

namespace {

// Matroska files, single stream files and sources without chapters have
// no chapters entry in the listing.
int ChaptersShift(const SourceInfo& source) {
  return source.sourceIsMkv || source.singleStreamFile || source.chaptersMissing ? -1 : 0;
}

int RightEyeShift(const SourceInfo& source) { return source.hasRightEye ? 1 : 0; }

int Kept(int count, int capacity) { return count < capacity ? count : capacity; }

}  // namespace

int VideoTrackNumber(const SourceInfo& source) { return 2 + ChaptersShift(source); }

int AudioTrackNumber(const SourceInfo& source, int audioIndex) {
  return Kept(source.videoCount, kMaxVideoTracks) + 2 + audioIndex + ChaptersShift(source) + RightEyeShift(source);
}

int SubtitleTrackNumber(const SourceInfo& source, int subtitleIndex) {
  return Kept(source.videoCount, kMaxVideoTracks) + Kept(source.audioCount, kMaxAudioTracks) + 2 + subtitleIndex +
         ChaptersShift(source) + RightEyeShift(source);
}
