#pragma once
// The entries of the main window's MEDIA ring, by index. Entries 0 to 5
// make an AVCHD folder sized for a medium; 6 and 7 make a Matroska file.

inline constexpr int kMediaDvd5 = 0;
inline constexpr int kMediaDvd9 = 1;
inline constexpr int kMediaUsb4Gb = 2;
inline constexpr int kMediaBd25 = 3;
inline constexpr int kMediaBdRemux = 4;
inline constexpr int kMediaCustom = 5;
inline constexpr int kMediaMkv = 6;       // x264 at a constant quality (CRF)
inline constexpr int kMediaMkvRemux = 7;  // the video copied untouched

inline bool IsMkvMedia(int index) { return index == kMediaMkv || index == kMediaMkvRemux; }
