#pragma once
// The one source open in the main window: its streams as the probe and the
// stream listing found them, the playlists of the last Blu-ray listing,
// the source flags and the output paths. Jobs copy what they need from it.

#include <array>
#include <cstdint>

struct GeneralStream {
  int32_t overallBitrateKbps;
  int32_t scanTotalPackets;  // entry 0 only: packets of the whole source; 0 = never scanned
  int32_t scanDonePackets;   // entry 0 only: packets read so far
};

struct VideoTrack {
  int32_t id;
  int32_t width;
  int32_t height;
  int32_t bitrateKbps;
  int32_t scannedBitrateKbps;
  int32_t scannedPackets;
  double durationMs;
  double frameCount;
  char durationText[16];
  char frameRate[16];
  char frameRateFraction[16];
  char frameRateText[16];
  char scanType[8];
  char format[16];
  char aspectRatio[12];
};

struct AudioTrack {
  int32_t id;
  int32_t bitrateKbps;  // without the HD extension: the core of DTS-HD MA/HRA and TrueHD+AC-3
  int32_t hdBitrateKbps;
  int32_t scannedBitrateKbps;
  int32_t isHd;
  int32_t delayMs;
  int32_t scannedPackets;
  char language[8];
  char languageName[22];
  char format[16];
  char profile[16];
  char codecId[16];
  char channels[8];
  char samplingRate[16];
  char resolution[8];
  char dialnorm[12];
};

struct SubtitleTrack {
  int32_t id;
  int32_t scannedBitrateKbps;
  int32_t forcedCaptions;  // -1: the title says forced; > 0: counted by the scanner
  int32_t scannedPackets;
  char language[8];
  char languageName[22];
  char format[8];
  char codecId[16];
  char title[36];
};

struct PlaylistEntry {
  char clips[3000];  // "00001+00002+00003", or one clip number
  char durationText[10];
};

inline constexpr int kMaxGeneralStreams = 4;
inline constexpr int kMaxVideoTracks = 4;
inline constexpr int kMaxAudioTracks = 20;
inline constexpr int kMaxSubtitleTracks = 35;
inline constexpr int kMaxPlaylists = 15;  // numbered 1 to 15

struct SourceInfo {
  int32_t generalCount;
  std::array<GeneralStream, kMaxGeneralStreams> general;
  int32_t videoCount;
  std::array<VideoTrack, kMaxVideoTracks> video;
  int32_t audioCount;
  std::array<AudioTrack, kMaxAudioTracks> audio;
  int32_t subtitleCount;
  std::array<SubtitleTrack, kMaxSubtitleTracks> subtitle;
  std::array<PlaylistEntry, kMaxPlaylists + 1> playlists;  // entry 0 unused
  char lastBrowseFolder[260];
  char outputMkvPath[260];
  char outputFolderPath[260];
  char imdbTitleId[20];
  int32_t chaptersMissing;
  int32_t sourceIsMkv;
  int32_t singleStreamFile;
  int32_t hasRightEye;
  int32_t stereoMode;  // 0 2D, 1 SBS, 2 SBS reversed
  int32_t joinPlaylist;
  int32_t chosenPlaylist;
};
