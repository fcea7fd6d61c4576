#include "source/probe_values.h"

#include <utility>

#include "source/text_search.h"

namespace {

constexpr int kAssumedDtsCoreKbps = 1509;

constexpr std::pair<std::string_view, std::string_view> kFrameRates[] = {
    {"23.976", "24000/1001"}, {"24.000", "24/1"}, {"25.000", "25/1"}, {"29.970", "30000/1001"},
    {"30.000", "30/1"},       {"50.000", "50/1"}, {"59.940", "60000/1001"}, {"60.000", "60/1"},
};

std::vector<std::string_view> Values(std::string_view text) { return SplitTokens(text, " /"); }

bool IsHdProfile(std::string_view profile) { return profile == "MA" || profile == "HRA"; }

}  // namespace

int StreamIdOf(std::string_view idString) {
  const size_t bracket = idString.find('(');
  if (bracket != std::string_view::npos) idString = idString.substr(0, bracket > 0 ? bracket - 1 : 0);
  return LeadingInt(idString);
}

std::string FrameRateFraction(std::string_view frameRate) {
  for (const auto& [rate, fraction] : kFrameRates)
    if (frameRate == rate) return std::string(fraction);
  return {};
}

std::string ScanTypeOf(std::string_view scanTypeString) {
  const bool interlaced = (!scanTypeString.empty() && (scanTypeString[0] == 'I' || scanTypeString[0] == 'i')) ||
                          scanTypeString == "MBAFF" || scanTypeString == "PAFF";
  return interlaced ? "i" : "p";
}

std::string FirstLanguageCode(std::string_view language) {
  if (language.find('/') == std::string_view::npos) return std::string(language);
  for (std::string_view part : Values(language))
    if (part.size() == 3) return std::string(part);
  return {};
}

std::string FirstLanguageName(std::string_view languageName) {
  if (languageName.find('/') == std::string_view::npos) return std::string(languageName);
  for (std::string_view part : Values(languageName))
    if (part.size() > 3) return std::string(part);
  return {};
}

std::string FirstProfile(std::string_view profile) {
  if (profile.find('/') == std::string_view::npos) return std::string(profile);
  const auto parts = Values(profile);
  return parts.empty() ? std::string() : std::string(parts[0]);
}

AudioBitrates AudioBitratesOf(std::string_view bitRate, std::string_view profile) {
  AudioBitrates rates;
  if (bitRate.find('/') == std::string_view::npos) {
    if (!IsHdProfile(profile)) {
      rates.bitrateKbps = LeadingInt(bitRate) / 1000;
      return rates;
    }
    rates.isHd = 1;
    rates.hdBitrateKbps = LeadingInt(bitRate) / 1000;
    rates.bitrateKbps = kAssumedDtsCoreKbps;
    return rates;
  }
  rates.isHd = 1;
  const auto parts = Values(bitRate);
  if (!parts.empty() && parts[0][0] != 'V') rates.hdBitrateKbps = LeadingInt(parts[0]) / 1000;
  if (parts.size() > 1) rates.bitrateKbps = LeadingInt(parts[1]) / 1000;
  return rates;
}

long long DurationTextSeconds(std::string_view durationText) {
  const auto parts = SplitTokens(durationText, ":");
  long long total = 0;
  for (size_t i = 0; i < 3; ++i) {
    const long long part = i < parts.size() ? LeadingInt(parts[i]) : 0;
    total = total * 60 + part;
  }
  return total;
}

bool TitleSaysForced(std::string_view title) {
  return !title.empty() && (ContainsNoCase(title, "forced") || ContainsNoCase(title, "forzado"));
}

std::string FrameRateShown(std::string_view text) {
  const auto open = text.find(" (");
  const auto close = text.find(')', open == std::string_view::npos ? 0 : open);
  if (open == std::string_view::npos || close == std::string_view::npos) return std::string(text);
  return std::string(text.substr(0, open)) + std::string(text.substr(close + 1));
}
