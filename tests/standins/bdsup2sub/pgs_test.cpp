// The PGS pieces the stand-ins share: run-length code, caption decoding,
// palette reduction and scaling.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "pgs/caption.h"
#include "pgs/lanczos.h"
#include "pgs/quantize.h"
#include "pgs/rle.h"
#include "sup_bytes.h"

namespace {

TEST(Rle, DecodesEveryCodeForm) {
  // One line: colour 5; colour 7 twice (two bytes); 3 of colour 0; 70 of
  // colour 0 (long form); 4 of colour 9; 300 of colour 9 (long form).
  const Bytes code = {5, 7, 7, 0, 3, 0, 0x40, 70, 0, 0x84, 9, 0, 0xc1, 0x2c, 9, 0, 0};
  const pgs::IndexedBitmap b = pgs::decodeRle(code.data(), code.size(), 380, 1);
  std::vector<uint8_t> expected(380, 9);
  std::fill_n(expected.begin(), 76, 0);
  expected[0] = 5;
  expected[1] = expected[2] = 7;
  EXPECT_EQ(b.pixels, expected);
}

TEST(Rle, RoundTripsRunsAcrossTheCodeBoundaries) {
  std::mt19937 random(7);
  pgs::IndexedBitmap b{1920, 40, {}};
  for (int y = 0; y < b.height; ++y) {
    int x = 0;
    for (int run : {1, 2, 3, 63, 64, 65, 300, 1000}) {
      const uint8_t colour = static_cast<uint8_t>(random() % 4 == 0 ? 0 : random() % 256);
      for (int i = 0; i < run && x < b.width; ++i, ++x) b.pixels.push_back(colour);
    }
    for (; x < b.width; ++x) b.pixels.push_back(static_cast<uint8_t>(random() % 3));
  }
  const std::vector<uint8_t> code = pgs::encodeRle(b);
  const pgs::IndexedBitmap back = pgs::decodeRle(code.data(), code.size(), b.width, b.height);
  EXPECT_EQ(back.pixels, b.pixels);
}

TEST(Rle, TruncatedDataIsRefused) {
  const Bytes code = {0, 0xc1};
  EXPECT_THROW(pgs::decodeRle(code.data(), code.size(), 10, 1), std::runtime_error);
}

// Two objects with their own colours form one forced caption; an
// acquisition point repeating a later caption does not split it.
TEST(CaptionDecoder, ComposesObjectsAndFollowsEpochs) {
  SupBytes s;
  s.presentation(90000, 0, 0x80, {{1, true, 100, 900}, {2, false, 400, 960}});
  s.window(90000, 100, 900, 400, 100);
  s.palette(90000, {{1, 235, 128, 128, 255}, {2, 81, 240, 90, 128}});
  s.solidObject(90000, 1, 50, 20, 1);
  s.solidObject(90000, 2, 30, 10, 2);
  s.end(90000);
  s.presentation(180000, 1, 0x00, {});
  s.end(180000);
  for (uint32_t pts : {270000u, 300000u}) {  // epoch start, then its acquisition point
    s.presentation(pts, 2, pts == 270000 ? 0x80 : 0x40, {{0, false, 10, 20}});
    s.palette(pts, {{1, 235, 128, 128, 255}});
    s.solidObject(pts, 0, 64, 16, 1);
    s.end(pts);
  }
  s.presentation(360000, 3, 0x00, {});
  s.end(360000);

  const pgs::CaptionStream stream = pgs::decodeCaptions(pgs::parseSegments(s.data));
  ASSERT_EQ(stream.captions.size(), 2u);
  const pgs::Caption& first = stream.captions[0];
  EXPECT_EQ(first.start, 90000u);
  EXPECT_EQ(first.end, 180000u);
  EXPECT_TRUE(first.forced);
  EXPECT_EQ(first.x, 100);
  EXPECT_EQ(first.y, 900);
  EXPECT_EQ(first.image.width, 330);
  EXPECT_EQ(first.image.height, 70);
  EXPECT_EQ(first.image.at(0, 0), (pgs::Rgba{255, 255, 255, 255}));
  EXPECT_EQ(first.image.at(300, 60).a, 128);
  EXPECT_EQ(first.image.at(200, 10).a, 0);  // between the objects
  EXPECT_EQ(stream.captions[1].start, 270000u);
  EXPECT_EQ(stream.captions[1].end, 360000u);
  EXPECT_FALSE(stream.captions[1].forced);
}

TEST(CaptionDecoder, RefusesUndefinedObjectsAndOversizedPictures) {
  SupBytes s;
  s.presentation(90000, 0, 0x80, {{3, false, 0, 0}});
  s.end(90000);
  EXPECT_THROW(pgs::decodeCaptions(pgs::parseSegments(s.data)), pgs::SupError);
  SupBytes huge;
  huge.presentation(90000, 0, 0x80, {{0, false, 0, 0}, {1, false, 9000, 0}});
  huge.solidObject(90000, 0, 10, 10, 1);
  huge.solidObject(90000, 1, 10, 10, 1);
  huge.end(90000);
  EXPECT_THROW(pgs::decodeCaptions(pgs::parseSegments(huge.data)), pgs::SupError);
  SupBytes wide;
  wide.solidObject(90000, 0, 5000, 1, 1);
  EXPECT_THROW(pgs::decodeCaptions(pgs::parseSegments(wide.data)), pgs::SupError);
  Bytes truncated = s.data;
  truncated.resize(truncated.size() - 1);
  EXPECT_THROW(pgs::parseSegments(truncated), pgs::SupError);
}

TEST(Quantize, KeepsFewColoursExactlyAndBoundsTheErrorOfMany) {
  pgs::RgbaImage image(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      image.at(x, y) = x < 4 ? pgs::Rgba{} : pgs::Rgba{uint8_t(x * 4), uint8_t(y * 4), 200, uint8_t(128 + y)};
  const pgs::Quantized q = pgs::quantize(image);
  EXPECT_LE(q.palette.size(), 256u);
  EXPECT_EQ(q.palette[0].a, 0);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const uint8_t index = q.bitmap.pixels[size_t(y) * 64 + x];
      EXPECT_EQ(index == 0, x < 4);
      const pgs::Rgba& c = q.palette[index];
      EXPECT_LE(std::abs(c.r - image.at(x, y).r) + std::abs(c.g - image.at(x, y).g), 24) << x << "," << y;
    }
  pgs::RgbaImage two(8, 1);
  two.at(1, 0) = {10, 20, 30, 255};
  two.at(2, 0) = {200, 100, 0, 60};
  const pgs::Quantized exact = pgs::quantize(two);
  ASSERT_EQ(exact.palette.size(), 3u);
  EXPECT_EQ(exact.palette[exact.bitmap.pixels[2]], two.at(2, 0));
}

TEST(Lanczos, KeepsFlatColourAndTransparency) {
  pgs::RgbaImage image(90, 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 90; ++x) image.at(x, y) = x < 45 ? pgs::Rgba{} : pgs::Rgba{250, 40, 10, 255};
  const pgs::RgbaImage small = pgs::scaleLanczos3(image, 60, 20);
  EXPECT_EQ(small.at(0, 10).a, 0);
  EXPECT_EQ(small.at(59, 10), (pgs::Rgba{250, 40, 10, 255}));
  EXPECT_EQ(small.at(20, 0).a, 0);
  // Transparent pixels lend no colour: the edge keeps its hue.
  for (int x = 25; x < 35; ++x)
    if (small.at(x, 10).a > 20) {
      EXPECT_NEAR(small.at(x, 10).r, 250, 6) << x;
    }
}

}  // namespace
