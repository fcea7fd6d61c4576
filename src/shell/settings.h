#pragma once
// The user's preferences, kept in the store and written back at once after
// every change. Text fields have the capacity of their stored read size.

#include <atomic>
#include <cstdint>

struct Settings {
  char TempPath[260];
  char OutPath[260];
  char AudioLang[8];
  char SubtitleLang[8];
  // These four stay first and together: the preferences dialog fills its
  // controls from them in this order.
  int32_t ForcedSubtitle;
  int32_t NoSubtitle;
  int32_t Media;
  int32_t CustomMedia;
  char Preset[16];
  int32_t NoWeightp;
  char SoundPath[260];
  char FontName[32];
  int32_t FontSize;
  int32_t FontColor;
  int32_t FontBorder;
  int32_t FontBottomOffset;
  char Version[8];
  int32_t UseArcsoft;
  int32_t CRF;
  int32_t Down16;
  int32_t Down6;
  int32_t UseFlac;
  int32_t Scrape;
};

// Switches of the Options menu: not kept, all off at start. The pipeline
// thread reads them while the window changes them.
struct RunSwitches {
  std::atomic<int> shutdownWhenDone{0};
  std::atomic<int> playSoundWhenDone{0};
  std::atomic<int> debugMode{0};
};

// x264 options of the advanced dialog: in memory only, copied into each
// new job, not reset when a new source is opened.
struct AdvancedOptions {
  char advTune[16] = {};
  int advResize720 = 0;
  char advExtraOptions[128] = {};
  int advCropHeight = 0;
};
