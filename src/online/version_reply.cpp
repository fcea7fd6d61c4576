#include "online/version_reply.h"

namespace {

constexpr const char* kBlanks = " \t\r\n";

std::string TextOf(const std::string& body) {
  const std::string text = body.substr(0, body.find('\0'));
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The field-th piece between "|" (from 0), empty when there is none.
std::string Field(const std::string& text, int field) {
  size_t start = 0;
  for (int i = 0; i < field; ++i) {
    start = text.find('|', start);
    if (start == std::string::npos) return {};
    ++start;
  }
  return text.substr(start, text.find('|', start) - start);
}

}  // namespace

std::optional<VersionOffer> ReadVersionReply(const platform::HttpResponse& response) {
  if (!response.ok || response.status != 200 || response.truncated) return std::nullopt;
  if (response.body.size() < 2 || response.body.size() > kMaxVersionReply) return std::nullopt;
  const std::string text = TextOf(response.body);
  if (text.empty() || text == "OK") return std::nullopt;
  VersionOffer offer{Field(text, 0), Field(text, 1)};
  if (offer.version.empty()) return std::nullopt;
  return offer;
}
