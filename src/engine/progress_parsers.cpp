#include "engine/progress_parsers.h"

#include <algorithm>

#include "engine/leading_number.h"

namespace {

constexpr auto npos = std::string_view::npos;

// A percentage on the bar's scale of 0 to 1000, or -1 for a number no
// tool means (negative, over 100, not a number at all): whatever a tool
// prints, the bar never shows nonsense and no conversion overflows.
int PerMille(double percent) {
  if (!(percent >= 0.0 && percent <= 100.0)) return -1;
  return static_cast<int>(percent * 10);
}

// "<marker>12.5%": the text from the marker to the "%", and the number × 10.
ProgressReading ReadPercent(std::string_view chunk, std::string_view marker) {
  ProgressReading reading;
  const size_t at = chunk.find(marker);
  if (at == npos) return reading;
  const size_t percent = chunk.find('%', at + 2);
  if (percent == npos) return reading;
  const std::string_view text = chunk.substr(at, percent + 1 - at);
  reading.value = std::max(PerMille(LeadingDecimal(text.substr(marker.size()))), 0);
  reading.show = reading.value != 0;
  reading.status = std::string(text);
  return reading;
}

int FramesValue(std::string_view title, int frameCount) {
  size_t p = title.find(']');
  size_t q = npos;
  if (p != npos) {
    q = title.find('/');
  } else if ((p = title.find('4')) != npos) {
    q = title.find(' ', p + 2);
  }
  if (p == npos || q == npos || frameCount <= 0 || p + 2 > title.size()) return 0;
  std::string_view number = title.substr(p + 2);
  if (q > p + 2) number = number.substr(0, q - (p + 2));
  // The stored count is an estimate the encoder may pass; a count the job
  // does not know (0 or less) shows 0.
  const long frames = LeadingInteger(number);
  if (frames <= 0) return 0;
  if (frames >= frameCount) return 1000;
  return static_cast<int>(1000LL * frames / frameCount);
}

int IndexerValue(std::string_view title) {
  const size_t open = title.find('[');
  if (open == npos) return 0;
  const std::string_view text = title.substr(open + 1);
  const size_t p = text.find('[');
  const size_t q = text.find(']');
  if (p == npos || q == npos) return 0;
  std::string_view number = text.substr(p + 1);
  if (q > p + 1) number = number.substr(0, q - 1 - (p + 1));  // the text ends before the "%]"
  return std::max(PerMille(LeadingDecimal(number)), 0);
}

}  // namespace

std::string ChunkText(std::string_view bytes) {
  if (bytes.empty()) return "";
  bytes.remove_suffix(1);
  return std::string(bytes.substr(0, bytes.find('\0')));
}

bool SaysSecondPass(std::string_view output) { return output.find("Starting 2nd pass") != npos; }

ProgressReading ReadEac3toChunk(std::string_view chunk) {
  ProgressReading reading = ReadPercent(chunk, "process: ");
  if (reading.show) reading.status[0] = 'P';
  reading.secondPass = SaysSecondPass(chunk);
  return reading;
}

ProgressReading ReadMkvmergeChunk(std::string_view chunk) { return ReadPercent(chunk, "Progress: "); }

ProgressReading ReadTsMuxerChunk(std::string_view chunk) {
  ProgressReading reading;
  const size_t lineEnd = chunk.find('\n');
  if (lineEnd == npos) return reading;
  std::string_view line = chunk.substr(lineEnd + 1);
  while (line.substr(0, 2) == "\x1bM") line.remove_prefix(2);
  const size_t t = line.find('t');
  if (t == npos) return reading;
  line = line.substr(0, t + 2);
  reading.value = std::max(PerMille(LeadingDecimal(line)), 0);
  reading.show = reading.value != 0;
  reading.status = std::string(line);
  return reading;
}

ProgressReading ReadX264Title(std::string_view title, int frameCount) {
  ProgressReading reading;
  if (title.empty()) return reading;
  if (title[0] == 'x') reading.value = FramesValue(title, frameCount);
  else if (title[0] == 'l' || title[0] == 'f') reading.value = IndexerValue(title);
  else return reading;
  reading.show = true;
  reading.status = std::string(title);
  return reading;
}
