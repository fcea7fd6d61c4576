#include "online/banner.h"

#include <string>

#include "online/client_query.h"
#include "online/web_server.h"
#include "platform/fixed_text.h"
#include "platform/url_encode.h"
#include "shell/app.h"
#include "uir_ids.h"

namespace {

// While a job runs the page may speak of it: "&m=%s&r=%d&p=%s&t=%s" with the
// media label, the video bitrate, the preset (these two as they are) and
// the encoded output name. Empty when no job runs.
std::string RunningJobFacts(const App& app) {
  const int slot = app.runningJob.load();
  if (slot < 0 || slot >= kQueueSlots) return {};
  const Job& job = app.queue[slot];
  return "&m=" + platform::FixedText(job.mediaLabel) + "&r=" + std::to_string(job.videoBitrate) +
         "&p=" + platform::FixedText(job.x264Preset) +
         "&t=" + platform::UrlEncodeQuery(platform::FixedText(job.name));
}

}  // namespace

void RefreshBanner(App& app) {
  const std::string server = ProductWebServer();
  if (server.empty()) return;
  app.ui.ShowWebPage(app.mainPanel, PANEL_WEBBROWSER,
                     server + "/cgi-local/quandrell-banner.cgi?" + ClientQuery(app) + RunningJobFacts(app));
}
