#include <gtest/gtest.h>

#include "platform/url_encode.h"

namespace {

TEST(UrlEncodeQuery, ReservedBytesAndBlanks) {
  EXPECT_EQ(platform::UrlEncodeQuery("Amélie (2001) 100%"), "Am%C3%A9lie+%282001%29+100%25");
  EXPECT_EQ(platform::UrlEncodeQuery("a*b!c+d'e;f,g:h&i=j$k/l?m#n[o]p@q"),
            "a%2Ab%21c%2Bd%27e%3Bf%2Cg%3Ah%26i%3Dj%24k%2Fl%3Fm%23n%5Bo%5Dp%40q");
  EXPECT_EQ(platform::UrlEncodeQuery("plain-text_1.0~"), "plain-text_1.0~");
}

TEST(UrlEncodeQuery, LongTextStaysAsItIsAndEveryByteCanTripleInLength) {
  const std::string long1000(1000, '&');
  EXPECT_EQ(platform::UrlEncodeQuery(long1000), long1000);
  EXPECT_EQ(platform::UrlEncodeQuery(std::string(999, '&')).size(), 2997u);
}

}  // namespace
