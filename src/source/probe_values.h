#pragma once
// MediaInfo's value texts turned into the fields of the track tables.
// Several values in one text are separated by " / ".

#include <string>
#include <string_view>

// "4113 (0x1011)" gives 4113: the text from the character before the
// first "(" on is dropped.
int StreamIdOf(std::string_view idString);

// The exact rate of a "FrameRate" text ("23.976" gives "24000/1001");
// empty for rates outside the table.
std::string FrameRateFraction(std::string_view frameRate);

// The rate as shown: "23.976 (24000/1001) FPS" gives "23.976 FPS". The
// exact fraction is kept on its own, and left in it would not fit the
// field and be cut in the middle of a number.
std::string FrameRateShown(std::string_view frameRateString);

// "i" for interlaced scan types (Interlaced, MBAFF, PAFF), else "p".
std::string ScanTypeOf(std::string_view scanTypeString);

// Of several values, the first three-letter code / the first name.
std::string FirstLanguageCode(std::string_view language);
std::string FirstLanguageName(std::string_view languageName);

// "MA / Core" gives "MA".
std::string FirstProfile(std::string_view profile);

struct AudioBitrates {
  int bitrateKbps = 0;    // without the HD extension
  int hdBitrateKbps = 0;  // 0 when unknown or variable
  int isHd = 0;
};

// From "BitRate" and the profile: DTS-HD MA and HRA tracks with one value
// assume the 1509 kb/s core until the stream listing reads the real one;
// two values are the HD rate (or "Variable") and the core rate.
AudioBitrates AudioBitratesOf(std::string_view bitRate, std::string_view profile);

// The number of seconds of an "h:m:s" duration (seconds whole).
long long DurationTextSeconds(std::string_view durationText);

// A subtitle title that says the track is forced ("forced", "forzado").
bool TitleSaysForced(std::string_view title);
