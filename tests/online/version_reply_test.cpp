#include <gtest/gtest.h>

#include "online/version_reply.h"

namespace {

platform::HttpResponse Answer(const std::string& body, long status = 200) {
  platform::HttpResponse response;
  response.ok = true;
  response.status = status;
  response.body = body;
  return response;
}

TEST(VersionReply, VersionAndDownloadAddressAreTheTwoFields) {
  const auto offer = ReadVersionReply(Answer("1.8.0|http://127.0.0.1/dl"));
  ASSERT_TRUE(offer);
  EXPECT_EQ(offer->version, "1.8.0");
  EXPECT_EQ(offer->downloadAddress, "http://127.0.0.1/dl");
}

TEST(VersionReply, AnswerWithoutSecondFieldStillOffersTheVersion) {
  const auto offer = ReadVersionReply(Answer("1.8.0"));
  ASSERT_TRUE(offer);
  EXPECT_EQ(offer->version, "1.8.0");
  EXPECT_EQ(offer->downloadAddress, "");
  EXPECT_EQ(ReadVersionReply(Answer("1.8.0|http://a/dl|extra"))->downloadAddress, "http://a/dl");
}

TEST(VersionReply, LengthMustBeTwoTo260Bytes) {
  EXPECT_FALSE(ReadVersionReply(Answer("")));
  EXPECT_FALSE(ReadVersionReply(Answer("9")));
  EXPECT_EQ(ReadVersionReply(Answer("10"))->version, "10");
  const std::string prefix = "2.0|http://host/";
  EXPECT_TRUE(ReadVersionReply(Answer(prefix + std::string(260 - prefix.size(), 'a'))));
  EXPECT_FALSE(ReadVersionReply(Answer(prefix + std::string(261 - prefix.size(), 'a'))));
  auto cut = Answer("2.0|http://host/dl");
  cut.truncated = true;  // the client stopped reading at its bound
  EXPECT_FALSE(ReadVersionReply(cut));
}

TEST(VersionReply, CurrentVersionOrNoVersionOffersNothing) {
  for (const char* body : {"OK", "OK\r\n", " OK\n", "\n\n", "|http://host/dl"})
    EXPECT_FALSE(ReadVersionReply(Answer(body))) << body;
  // The text ends at a zero byte.
  EXPECT_FALSE(ReadVersionReply(Answer(std::string("\0\0", 2))));
  EXPECT_FALSE(ReadVersionReply(Answer(std::string("OK\0|x", 5))));
  EXPECT_EQ(ReadVersionReply(Answer("1.8.0|http://host/dl\r\n"))->downloadAddress, "http://host/dl");
}

TEST(VersionReply, FailedRequestOrErrorPageOffersNothing) {
  auto failed = Answer("1.8.0|http://host/dl");
  failed.ok = false;
  EXPECT_FALSE(ReadVersionReply(failed));
  EXPECT_FALSE(ReadVersionReply(Answer("1.8.0|http://host/dl", 404)));
  EXPECT_FALSE(ReadVersionReply(Answer("Internal error", 500)));
}

}  // namespace
