#include "online/online_fixture.h"

#include <stdlib.h>

#include <chrono>

#include "online/version_check.h"

namespace test {

namespace {

// Short enough that a silent server ends a test quickly.
constexpr std::chrono::milliseconds kStageTimeout{1000};

}  // namespace

OnlineTest::OnlineTest() {
  setenv("QUANDRELL_WEB_SERVER", server.Address().c_str(), 1);
  setenv("no_proxy", "127.0.0.1", 1);  // whatever proxy the machine names
  harness.StartMainWindow();
}

OnlineTest::~OnlineTest() { unsetenv("QUANDRELL_WEB_SERVER"); }

std::string OnlineTest::BannerAddress() { return harness.ui().WebPage(harness.panel(), PANEL_WEBBROWSER); }

void OnlineTest::RunVersionCheck() {
  StartVersionCheck(app(), kStageTimeout);
  ASSERT_TRUE(app().versionCheck.Wait(std::chrono::seconds(30)));
  harness.ui().RunDeferredCalls();
}

}  // namespace test
