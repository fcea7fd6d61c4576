#pragma once
// Blocking HTTP GET with the timeouts a feature asks for and a bound on
// the body it keeps.

#include <cstddef>
#include <string>

namespace platform {

struct HttpRequest {
  std::string url;
  std::string userAgent;
  long resolveTimeoutMs = 0;  // 0: no limit of its own
  long connectTimeoutMs = 0;
  long sendTimeoutMs = 0;
  long receiveTimeoutMs = 0;  // the longest silence while receiving
  size_t maxBodyBytes = 1 << 20;
};

struct HttpResponse {
  bool ok = false;  // a response arrived (any status)
  long status = 0;
  std::string body;  // at most maxBodyBytes; reading stops there
  bool truncated = false;
  std::string error;
};

HttpResponse HttpGet(const HttpRequest& request);

// Once per process, before any thread makes a request.
void HttpGlobalInit();

}  // namespace platform
