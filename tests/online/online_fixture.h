#pragma once
// The program at its main window, its web server pointed at a test server
// on this machine.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/app_harness.h"
#include "harness/local_http_server.h"

namespace test {

class OnlineTest : public ::testing::Test {
 protected:
  OnlineTest();
  ~OnlineTest() override;

  App& app() { return harness.app(); }
  // The address the banner area was sent to ("" when none).
  std::string BannerAddress();
  // Starts the version check, lets it end and runs what it left for the
  // window; fails the test when it does not end.
  void RunVersionCheck();
  std::vector<ui::memory::PopupRecord> Popups() { return harness.ui().Popups(); }

  LocalHttpServer server;
  AppHarness harness;
};

}  // namespace test
