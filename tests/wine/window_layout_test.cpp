// The setup window's geometry: twips to pixels at the system DPI.
#include <gtest/gtest.h>

#include "platform/win32/window/Dpi.h"

namespace {

using win32::TwipsToPixels;

TEST(TwipsToPixels, FifteenTwipsMakeOnePixelAt96DpiAndTenAt144) {
  EXPECT_EQ(TwipsToPixels(4080, 96), 272);
  EXPECT_EQ(TwipsToPixels(3150, 96), 210);
  EXPECT_EQ(TwipsToPixels(4080, 144), 408);
  EXPECT_EQ(TwipsToPixels(3150, 144), 315);
  EXPECT_EQ(TwipsToPixels(1440, 120), 120);
}

TEST(TwipsToPixels, RoundsToTheNearestPixel) {
  EXPECT_EQ(TwipsToPixels(7, 96), 0);    // 0.47 pixel
  EXPECT_EQ(TwipsToPixels(8, 96), 1);    // 0.53 pixel
  EXPECT_EQ(TwipsToPixels(135, 96), 9);  // the select-all bar's width
  EXPECT_EQ(TwipsToPixels(0, 144), 0);
}

TEST(TwipsToPixels, RectangleKeepsItsSizeWhereverItStarts) {
  const RECT list = win32::TwipRectToPixels({360, 480, 2415, 1320}, 96);
  EXPECT_EQ(list.left, 24);
  EXPECT_EQ(list.top, 32);
  EXPECT_EQ(list.right - list.left, 161);
  EXPECT_EQ(list.bottom - list.top, 88);
}

}  // namespace
