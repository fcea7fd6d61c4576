#include "platform/http_client.h"

#include <curl/curl.h>

#include <algorithm>

namespace platform {

namespace {

struct Sink {
  std::string* body;
  size_t max;
  bool truncated = false;
};

size_t Collect(char* data, size_t size, size_t count, void* user) {
  auto* sink = static_cast<Sink*>(user);
  const size_t bytes = size * count;
  const size_t room = sink->max - sink->body->size();
  if (bytes > room) {
    sink->body->append(data, room);
    sink->truncated = true;
    return 0;  // stops the transfer: the rest is not wanted
  }
  sink->body->append(data, bytes);
  return bytes;
}

}  // namespace

void HttpGlobalInit() { curl_global_init(CURL_GLOBAL_DEFAULT); }

HttpResponse HttpGet(const HttpRequest& request) {
  HttpResponse response;
  CURL* curl = curl_easy_init();
  if (!curl) {
    response.error = "HTTP is not available";
    return response;
  }
  Sink sink{&response.body, request.maxBodyBytes};
  curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
  curl_easy_setopt(curl, CURLOPT_USERAGENT, request.userAgent.c_str());
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
  if (request.resolveTimeoutMs || request.connectTimeoutMs)
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, request.resolveTimeoutMs + request.connectTimeoutMs);
  if (request.receiveTimeoutMs) {
    // A receive timeout is a silence: less than one byte a second for that long.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, std::max(1L, request.receiveTimeoutMs / 1000));
  }
  const long total = request.resolveTimeoutMs + request.connectTimeoutMs + request.sendTimeoutMs +
                     request.receiveTimeoutMs;
  if (request.resolveTimeoutMs && request.connectTimeoutMs && request.sendTimeoutMs && request.receiveTimeoutMs)
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, total);
  CURLcode rc = curl_easy_perform(curl);
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &response.status);
  response.truncated = sink.truncated;
  response.ok = rc == CURLE_OK || (rc == CURLE_WRITE_ERROR && sink.truncated);
  if (!response.ok) response.error = curl_easy_strerror(rc);
  curl_easy_cleanup(curl);
  return response;
}

}  // namespace platform
