#include <gtest/gtest.h>
#include <stdlib.h>

#include "online/banner.h"
#include "online/online_fixture.h"
#include "platform/fixed_text.h"

namespace test {
namespace {

using BannerTest = OnlineTest;

std::string Page(const std::string& server, const std::string& query) {
  return server + "/cgi-local/quandrell-banner.cgi?" + query;
}

TEST_F(BannerTest, NoJobRunningEndsRightAfterTheIdentifier) {
  app().clientId = {};
  app().is64BitOs = 1;
  RefreshBanner(app());
  EXPECT_EQ(BannerAddress(), Page(server.Address(), "ver=1.7.1&modo=64&id=00000000000000000000000000000000"));
}

TEST_F(BannerTest, IdentifierBytesInStoredOrderAsUpperCaseHex) {
  app().clientId = {0xFE, 0xDC, 0xBA, 0x98, 0x76, 0x54, 0x32, 0x10, 0x0F, 0x1E, 0x2D, 0x3C, 0x4B, 0x5A, 0x69, 0x01};
  app().is64BitOs = 0;
  RefreshBanner(app());
  EXPECT_EQ(BannerAddress(), Page(server.Address(), "ver=1.7.1&modo=32&id=FEDCBA98765432100F1E2D3C4B5A6901"));
}

TEST_F(BannerTest, RunningJobAddsItsFacts) {
  Job& job = app().queue[7];
  platform::CopyFixed(job.name, "Amélie & Nino: (2001)");
  platform::CopyFixed(job.mediaLabel, "BD-25");
  platform::CopyFixed(job.x264Preset, "slower");
  job.videoBitrate = 18500;
  StoreState(job, JobX264Pass1);
  app().clientId = {};
  app().runningJob = 7;
  RefreshBanner(app());
  EXPECT_EQ(BannerAddress(), Page(server.Address(),
                                  "ver=1.7.1&modo=64&id=00000000000000000000000000000000"
                                  "&m=BD-25&r=18500&p=slower&t=Am%C3%A9lie+%26+Nino%3A+%282001%29"));

  app().runningJob = -1;  // the job ended: the next refresh speaks of none
  RefreshBanner(app());
  EXPECT_EQ(BannerAddress().find("&m="), std::string::npos);
}

TEST_F(BannerTest, NoServerLeavesTheBannerAlone) {
  RefreshBanner(app());
  const std::string shown = BannerAddress();
  setenv("QUANDRELL_WEB_SERVER", "", 1);
  RefreshBanner(app());
  EXPECT_EQ(BannerAddress(), shown);
  EXPECT_TRUE(server.RequestHeads().empty());
}

}  // namespace
}  // namespace test
