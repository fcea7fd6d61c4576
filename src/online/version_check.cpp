#include "online/version_check.h"

#include <cstdio>
#include <string>

#include "online/client_query.h"
#include "online/version_reply.h"
#include "online/web_address.h"
#include "online/web_server.h"
#include "platform/http_client.h"
#include "shell/app.h"
#include "shell/product.h"

namespace {

platform::HttpRequest VersionRequest(const App& app, const std::string& server,
                                     std::chrono::milliseconds stageTimeout) {
  platform::HttpRequest request;
  request.url = server + "/Quandrell/versio.cgi?" + ClientQuery(app);
  request.userAgent = std::string(kProductName) + "/" + kProductVersion;
  request.resolveTimeoutMs = request.connectTimeoutMs = request.sendTimeoutMs = request.receiveTimeoutMs =
      static_cast<long>(stageTimeout.count());
  request.maxBodyBytes = kMaxVersionReply + 1;  // one more tells a longer answer
  return request;
}

void OfferDownload(App& app, const VersionOffer& offer) {
  char message[128 + kMaxVersionReply];
  std::snprintf(message, sizeof message,
                "A new version of Quandrell is available!!\n\nYou have:        %s\nNew version:   %s",
                kProductVersion, offer.version.c_str());
  const int button = app.ui.GenericMessagePopup(kProductName, message, "Download Now", "Cancel", "", 1, 2);
  // The address comes from the network: only a web page may reach the
  // desktop's "open", never a local file, a program or an option.
  if (button == 1 && IsWebAddress(offer.downloadAddress)) app.shell.Open(offer.downloadAddress);
}

}  // namespace

void StartVersionCheck(App& app, std::chrono::milliseconds stageTimeout) {
  const std::string server = ProductWebServer();
  if (server.empty()) return;
  // The thread gets its own copy of everything it sends.
  app.versionCheck.Start(app, [request = VersionRequest(app, server, stageTimeout)] {
    const auto offer = ReadVersionReply(platform::HttpGet(request));
    if (!offer) return VersionCheckThread::Outcome();
    // Shown from the user-interface thread: if the program ends first,
    // the offer ends with it.
    return VersionCheckThread::Outcome([offer = *offer](App& app) { OfferDownload(app, offer); });
  });
}

void StopVersionCheck(App& app) { app.versionCheck.Stop(); }
