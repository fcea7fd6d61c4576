#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <memory>

#include "online/online_fixture.h"
#include "online/version_check.h"

namespace test {
namespace {

using ui::memory::PopupRecord;
using VersionCheckTest = OnlineTest;

constexpr const char* kOffer = "1.8.0|http://127.0.0.1/dl";


TEST_F(VersionCheckTest, RequestTellsVersionBitnessAndIdentifier) {
  server.ReplyWith("OK");
  app().is64BitOs = 1;
  app().clientId = {0x00, 0x01, 0x0A, 0x10, 0x7F, 0x80, 0xAB, 0xCD, 0xEF, 0xFF, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
  RunVersionCheck();
  const auto heads = server.RequestHeads();
  ASSERT_EQ(heads.size(), 1u);
  EXPECT_EQ(heads[0].substr(0, heads[0].find("\r\n")),
            "GET /Quandrell/versio.cgi?ver=1.7.1&modo=64&id=00010A107F80ABCDEFFF123456789ABC HTTP/1.1");
  EXPECT_NE(heads[0].find("\r\nUser-Agent: Quandrell/1.7.1\r\n"), std::string::npos) << heads[0];
}

TEST_F(VersionCheckTest, MachineWithoutIdentifierSends32Zeros) {
  server.ReplyWith("OK");
  app().clientId = {};
  app().is64BitOs = 0;
  RunVersionCheck();
  ASSERT_EQ(server.RequestHeads().size(), 1u);
  EXPECT_NE(server.RequestHeads()[0].find("?ver=1.7.1&modo=32&id=00000000000000000000000000000000 HTTP/1.1"),
            std::string::npos);
}

TEST_F(VersionCheckTest, CurrentVersionShowsNothing) {
  server.ReplyWith("OK");
  RunVersionCheck();
  EXPECT_EQ(server.RequestHeads().size(), 1u);
  EXPECT_TRUE(Popups().empty());
}

TEST_F(VersionCheckTest, NewerVersionOffersTheDownload) {
  server.ReplyWith(kOffer);
  harness.ui().Script().Answer(1);
  RunVersionCheck();
  const auto popups = Popups();
  ASSERT_EQ(popups.size(), 1u);
  EXPECT_EQ(popups[0].kind, PopupRecord::Generic);
  EXPECT_EQ(popups[0].title, "Quandrell");
  EXPECT_EQ(popups[0].message,
            "A new version of Quandrell is available!!\n\nYou have:        1.7.1\nNew version:   1.8.0");
  EXPECT_EQ(popups[0].buttons, (std::vector<std::string>{"Download Now", "Cancel"}));
  EXPECT_EQ(harness.opener().Opened(), std::vector<std::string>{"http://127.0.0.1/dl"});
}

TEST_F(VersionCheckTest, CancelOpensNothing) {
  server.ReplyWith(kOffer);
  harness.ui().Script().Answer(2);
  RunVersionCheck();
  EXPECT_EQ(Popups().size(), 1u);
  EXPECT_TRUE(harness.opener().Opened().empty());
}

// The address comes from the network: only a web page may be opened.
class DownloadAddressTest : public OnlineTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(DownloadAddressTest, OnlyWebAddressesAreOpened) {
  server.ReplyWith(GetParam());
  harness.ui().Script().Answer(1);
  RunVersionCheck();
  EXPECT_EQ(Popups().size(), 1u);
  EXPECT_TRUE(harness.opener().Opened().empty());
}

INSTANTIATE_TEST_SUITE_P(VersionCheck, DownloadAddressTest,
                         ::testing::Values("1.8.0", "1.8.0|file:///etc/passwd", "1.8.0|--help"));

struct BrokenAnswer {
  const char* name;
  void (*serve)(LocalHttpServer&);
  friend void PrintTo(const BrokenAnswer& answer, std::ostream* out) { *out << answer.name; }
};

class BrokenAnswerTest : public OnlineTest, public ::testing::WithParamInterface<BrokenAnswer> {};

TEST_P(BrokenAnswerTest, ShowsNothing) {
  GetParam().serve(server);
  RunVersionCheck();
  EXPECT_EQ(server.RequestHeads().size(), 1u);
  EXPECT_TRUE(Popups().empty());
}

INSTANTIATE_TEST_SUITE_P(
    VersionCheck, BrokenAnswerTest,
    ::testing::Values(
        BrokenAnswer{"Over260Bytes", [](LocalHttpServer& s) { s.ReplyWith(kOffer + std::string(261, '/')); }},
        BrokenAnswer{"Empty", [](LocalHttpServer& s) { s.ReplyWith(""); }},
        BrokenAnswer{"ClosedConnection", [](LocalHttpServer& s) { s.CloseWithoutReply(); }},
        BrokenAnswer{"ShorterThanAnnounced",
                     [](LocalHttpServer& s) { s.SendRaw("HTTP/1.1 200 OK\r\nContent-Length: 40\r\n\r\n" +
                                                        std::string(kOffer)); }},
        BrokenAnswer{"ErrorPage", [](LocalHttpServer& s) { s.ReplyWith(kOffer, 404); }}),
    [](const ::testing::TestParamInfo<BrokenAnswer>& info) { return std::string(info.param.name); });

TEST_F(VersionCheckTest, SilentServerHoldsNothingUp) {
  server.NeverAnswer();
  StartVersionCheck(app(), std::chrono::milliseconds(1000));
  // Start-up goes on at once while the check waits.
  EXPECT_FALSE(app().versionCheck.Wait(std::chrono::milliseconds(0)));
  EXPECT_TRUE(app().versionCheck.Wait(std::chrono::seconds(30)));  // its own timeout ends it
  harness.ui().RunDeferredCalls();
  EXPECT_TRUE(Popups().empty());
}

TEST_F(VersionCheckTest, OfferPendingAtExitIsDropped) {
  server.ReplyWith(kOffer);
  StartVersionCheck(app(), std::chrono::milliseconds(1000));
  ASSERT_TRUE(app().versionCheck.Wait(std::chrono::seconds(30)));
  StopVersionCheck(app());
  EXPECT_EQ(harness.ui().RunDeferredCalls(), 1);
  EXPECT_TRUE(Popups().empty());
  EXPECT_TRUE(harness.opener().Opened().empty());
}

TEST(VersionCheckExit, CheckStillWaitingOutlivesTheAppSafely) {
  auto server = std::make_unique<LocalHttpServer>();
  server->NeverAnswer();
  setenv("QUANDRELL_WEB_SERVER", server->Address().c_str(), 1);
  auto harness = std::make_unique<AppHarness>();
  harness->StartMainWindow();
  StartVersionCheck(harness->app(), std::chrono::seconds(60));
  EXPECT_FALSE(harness->app().versionCheck.Wait(std::chrono::milliseconds(0)));
  StopVersionCheck(harness->app());  // gives up waiting long before the timeout
  harness.reset();
  unsetenv("QUANDRELL_WEB_SERVER");
  server.reset();  // the silent connection closes: the orphaned check ends now
}

TEST(VersionCheckOff, NoServerNoRequest) {
  LocalHttpServer server;
  setenv("QUANDRELL_WEB_SERVER", "", 1);
  AppHarness harness;
  harness.StartMainWindow();
  StartVersionCheck(harness.app());
  EXPECT_TRUE(harness.app().versionCheck.Wait(std::chrono::milliseconds(0)));
  unsetenv("QUANDRELL_WEB_SERVER");
  EXPECT_TRUE(server.RequestHeads().empty());
  EXPECT_EQ(harness.ui().RunDeferredCalls(), 0);
}

}  // namespace
}  // namespace test
