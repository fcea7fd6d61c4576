#include <gtest/gtest.h>
#include <stdlib.h>

#include "online/web_address.h"
#include "online/web_server.h"

namespace {

class WebServerTest : public ::testing::Test {
 protected:
  ~WebServerTest() override { unsetenv("QUANDRELL_WEB_SERVER"); }
  std::string ServerFor(const char* configured) {
    setenv("QUANDRELL_WEB_SERVER", configured, 1);
    return ProductWebServer();
  }
};

TEST_F(WebServerTest, ConfiguredAddressIsReadyForPathsToFollow) {
  EXPECT_EQ(ServerFor("www.quandrell.example"), "http://www.quandrell.example");
  EXPECT_EQ(ServerFor(" https://www.quandrell.example/ \n"), "https://www.quandrell.example");
  EXPECT_EQ(ServerFor("http://127.0.0.1:8080/base//"), "http://127.0.0.1:8080/base");
  EXPECT_EQ(ServerFor("HTTP://Host:81"), "HTTP://Host:81");
}

TEST_F(WebServerTest, AnythingButAWebServerSwitchesTheServicesOff) {
  for (const char* configured : {"", "   ", "ftp://host", "file:///etc/passwd", "http://", "https:///path",
                                 "http://a host", "http://host/?q=1", "http://host/#top"})
    EXPECT_EQ(ServerFor(configured), "") << configured;
}

TEST_F(WebServerTest, WebPageIsTheServersAddress) {
  setenv("QUANDRELL_WEB_SERVER", "quandrell.example/", 1);
  EXPECT_EQ(ProductWebPage(), "http://quandrell.example");
  setenv("QUANDRELL_WEB_SERVER", "", 1);
  EXPECT_EQ(ProductWebPage(), "");
}

TEST(WebAddress, OnlyHttpAndHttpsPagesWithAHost) {
  for (const char* good : {"http://127.0.0.1/dl", "https://host/dl?file=a%20b", "HTTPS://HOST", "http://h:8080"})
    EXPECT_TRUE(IsWebAddress(good)) << good;
  for (const char* bad : {"", "http://", "http:///dl", "https://?x", "file:///etc/passwd", "javascript:alert(1)",
                          "--help", " http://host", "http://host/a b", "http://host/\n", "http://host/\x7f",
                          "ftp://host/dl", "httpx://host", "/usr/bin/xterm"})
    EXPECT_FALSE(IsWebAddress(bad)) << bad;
}

}  // namespace
