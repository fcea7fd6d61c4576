#pragma once
// Reading the server's answer to the version check.

#include <cstddef>
#include <optional>
#include <string>

#include "platform/http_client.h"

// The longest answer the server may give; a longer one is not an answer.
inline constexpr size_t kMaxVersionReply = 260;

struct VersionOffer {
  std::string version;          // the newer version's text
  std::string downloadAddress;  // empty when the server named none
};

// The newer version the answer offers, or nothing: when the request failed
// or was not answered with status 200, when the body is not 2 to 260 bytes,
// when its text is empty, "OK" or has no version before the "|". The text
// ends at a zero byte; blanks and line ends around it are not part of it.
std::optional<VersionOffer> ReadVersionReply(const platform::HttpResponse& response);
