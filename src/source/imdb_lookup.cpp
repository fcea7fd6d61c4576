#include "source/imdb_lookup.h"

#include <cstdlib>

#include "platform/fixed_text.h"
#include "platform/http_client.h"
#include "platform/url_encode.h"
#include "shell/app.h"

namespace {

constexpr const char* kSiteAddress = "http://www.imdb.com";
constexpr size_t kBodyBuffer = 60000;  // with its terminating zero

std::string FetchSearch(const std::string& site, const std::string& encodedQuery) {
  platform::HttpRequest request;
  request.url = site + "/find?s=tt&q=" + encodedQuery;
  request.resolveTimeoutMs = 2000;
  request.connectTimeoutMs = 5000;
  request.sendTimeoutMs = 2000;
  request.receiveTimeoutMs = 5000;
  request.maxBodyBytes = kBodyBuffer - 1;
  platform::HttpResponse response = platform::HttpGet(request);
  return response.ok ? std::move(response.body) : std::string();
}

}  // namespace

std::string ImdbSiteAddress() {
  std::string site = kSiteAddress;
  if (const char* configured = std::getenv("QUANDRELL_IMDB_URL"); configured && *configured) site = configured;
  while (!site.empty() && site.back() == '/') site.pop_back();
  return site;
}

bool ImdbLookup(const std::string& query, TitleMatch& match) {
  match = {};
  const std::string site = ImdbSiteAddress();
  const std::string encoded = platform::UrlEncodeQuery(query);
  const std::string body = FetchSearch(site, encoded);
  if (body.empty()) return false;
  if (body.find(kResultsPageMarker) != std::string::npos)
    ReadResultsPage(body, encoded, match);
  else
    ReadFilmPage(body, site, match);
  return !match.localTitle.empty();
}

int CallGoImdb(App& app, int event) {
  if (event != ui::EVENT_LEFT_CLICK) return 0;
  const std::string id = platform::FixedText(app.source.imdbTitleId);
  if (!id.empty()) app.shell.Open(ImdbSiteAddress() + "/title/" + id + "/");
  return 0;
}
