// The setup window's geometry: twips to pixels, and the control table it is built from.
#include <gtest/gtest.h>

#include <set>

#include "dialog/HelpTopics.h"
#include "platform/win32/window/ControlIds.h"
#include "platform/win32/window/Dpi.h"
#include "platform/win32/window/Layout.h"

namespace {

using win32::ClientBounds;
using win32::ControlSpec;
using win32::FindControl;
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

TEST(ControlTable, ListsTheControlsInTabOrder) {
  const int expected[] = {IDC_LIST, IDC_INSTALL, IDC_EXIT,        IDC_UNINSTALL, IDC_FRAME,
                          IDC_HINT, IDC_DETAILS, IDC_INSTRUCTION, IDC_ALLSELECT};
  ASSERT_EQ(win32::ControlCount(), static_cast<int>(sizeof(expected) / sizeof(expected[0])));
  for (int i = 0; i < win32::ControlCount(); ++i) EXPECT_EQ(win32::Controls()[i].id, expected[i]);
}

TEST(ControlTable, EveryControlLiesInsideTheClientArea) {
  for (int i = 0; i < win32::ControlCount(); ++i) {
    const platform::TwipRect bounds = ClientBounds(win32::Controls()[i]);
    EXPECT_GE(bounds.left, 0) << win32::Controls()[i].id;
    EXPECT_GE(bounds.top, 0) << win32::Controls()[i].id;
    EXPECT_LE(bounds.left + bounds.width, win32::kClientWidthTwips) << win32::Controls()[i].id;
    EXPECT_LE(bounds.top + bounds.height, win32::kClientHeightTwips) << win32::Controls()[i].id;
  }
}

TEST(ControlTable, HintIsPlacedInsideItsFrame) {
  const platform::TwipRect hint = ClientBounds(*FindControl(IDC_HINT));
  EXPECT_EQ(hint.left, 480);
  EXPECT_EQ(hint.top, 2160);
  EXPECT_EQ(hint.width, 3375);
  EXPECT_EQ(hint.height, 735);
  const platform::TwipRect frame = ClientBounds(*FindControl(IDC_FRAME));
  EXPECT_LE(hint.left + hint.width, frame.left + frame.width);
  EXPECT_LE(hint.top + hint.height, frame.top + frame.height);
}

TEST(ControlTable, EveryHelpTopicHasATextAndTheInstructionHasNone) {
  std::set<int> topics;
  for (int i = 0; i < win32::ControlCount(); ++i) {
    const ControlSpec& control = win32::Controls()[i];
    if (control.id == IDC_INSTRUCTION) {
      EXPECT_EQ(control.helpTopic, help::kNoTopic);
      continue;
    }
    ASSERT_NE(help::TopicText(control.helpTopic), nullptr) << control.id;
    EXPECT_NE(help::TopicText(control.helpTopic)[0], L'\0') << control.id;
    topics.insert(control.helpTopic);
  }
  EXPECT_EQ(topics, (std::set<int>{1, 3, 5, 6, 7, 8, 16}));
  EXPECT_EQ(help::TopicText(help::kNoTopic), nullptr);
  EXPECT_EQ(help::TopicText(2), nullptr);
}

TEST(ControlTable, EachButtonHasItsOwnControl) {
  using platform::Button;
  std::set<int> ids;
  for (Button button :
       {Button::Install, Button::Uninstall, Button::Exit, Button::AllSelect, Button::Details}) {
    const ControlSpec* control = FindControl(win32::ButtonId(button));
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->windowClass, L"Button");
    ids.insert(control->id);
  }
  EXPECT_EQ(ids.size(), 5u);
}

}  // namespace
