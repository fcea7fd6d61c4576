#include <gtest/gtest.h>

#include <string>

#include "planning/verdict.h"

namespace {

std::string Ending(const Verdict& verdict) { return verdict.text.substr(verdict.text.rfind(' ')); }

TEST(CrfVerdict, EachBoundary) {
  struct Case {
    int crf;
    const char* text;
    int color;
  };
  const Case cases[] = {
      {26, "Info: The video is recoded using a CRF 26. The quality is low :((", 0x800000},
      {25, "Info: The video is recoded using a CRF 25. The quality is regular-low :(", 0x800000},
      {23, "Info: The video is recoded using a CRF 23. The quality is regular-low :(", 0x800000},
      {22, "Info: The video is recoded using a CRF 22. The quality is regular :|", 0xFF9900},
      {21, "Info: The video is recoded using a CRF 21. The quality is regular :|", 0xFF9900},
      {20, "Info: The video is recoded using a CRF 20. The quality is good :)", 0x008000},
      {19, "Info: The video is recoded using a CRF 19. The quality is very good :))", 0x008000},
      {2, "Info: The video is recoded using a CRF 2. The quality is very good :))", 0x008000},
      {0, "Info: The video is recoded using lossless compression (CRF 0). Quality is the best!!!", 0x0000FF},
  };
  for (const Case& c : cases) {
    const Verdict verdict = CrfVerdict(c.crf, 0);
    EXPECT_EQ(verdict.text, c.text);
    EXPECT_EQ(verdict.color, c.color) << c.crf;
    EXPECT_FALSE(verdict.copiesVideo) << c.crf;
  }
}

TEST(CrfVerdict, OneCopiesOnlyIn2d) {
  const Verdict copy = CrfVerdict(1, 0);
  EXPECT_EQ(copy.text, "Info: Not recode the video. Only remux the untouched video :)");
  EXPECT_EQ(copy.color, 0x0000FF);
  EXPECT_TRUE(copy.copiesVideo);
  const Verdict in3d = CrfVerdict(1, 2);
  EXPECT_EQ(in3d.text, "Info: The video is recoded using a CRF 1. The quality is very good :))");
  EXPECT_FALSE(in3d.copiesVideo);
}

TEST(BitrateVerdict, FullHdThresholds) {
  EXPECT_EQ(BitrateVerdict(5001, false).text,
            "Info: It's necessary to recode the video at 5001 Kbps. The quality is very good :))");
  EXPECT_EQ(Ending(BitrateVerdict(5000, false)), " :)");
  EXPECT_EQ(BitrateVerdict(4501, false).color, 0x008000);
  EXPECT_EQ(Ending(BitrateVerdict(4500, false)), " :|");
  EXPECT_EQ(BitrateVerdict(4001, false).color, 0xFF9900);
  EXPECT_EQ(Ending(BitrateVerdict(4000, false)), " :(");
  EXPECT_EQ(Ending(BitrateVerdict(3500, false)), " :(");
  EXPECT_EQ(BitrateVerdict(3500, false).color, 0x800000);
  EXPECT_EQ(BitrateVerdict(3499, false).text,
            "Info: It's necessary to recode the video at 3499 Kbps. The quality is low :((");
  EXPECT_EQ(BitrateVerdict(3499, false).color, 0x800000);
}

TEST(BitrateVerdict, SmallPictureThresholds) {
  EXPECT_EQ(Ending(BitrateVerdict(3501, true)), " :))");
  EXPECT_EQ(Ending(BitrateVerdict(3500, true)), " :)");
  EXPECT_EQ(Ending(BitrateVerdict(3001, true)), " :)");
  EXPECT_EQ(Ending(BitrateVerdict(3000, true)), " :|");
  EXPECT_EQ(Ending(BitrateVerdict(2501, true)), " :|");
  EXPECT_EQ(Ending(BitrateVerdict(2500, true)), " :(");
  EXPECT_EQ(Ending(BitrateVerdict(2000, true)), " :(");
  EXPECT_EQ(Ending(BitrateVerdict(1999, true)), " :((");
}

TEST(SourceFitsVerdict, NamesTheSourceRate) {
  const Verdict verdict = SourceFitsVerdict(4254);
  EXPECT_EQ(verdict.text, "Info: source bitrate (~4254 Kbps) < target bitrate. Not need to recode video :)");
  EXPECT_EQ(verdict.color, 0x0000FF);
  EXPECT_TRUE(verdict.copiesVideo);
}

}  // namespace
