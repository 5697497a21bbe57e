// The setup window's design: the controls in tab order, where they lie and their help topics.
#include <gtest/gtest.h>

#include <set>

#include "dialog/ControlIds.h"
#include "dialog/Design.h"
#include "dialog/HelpTopics.h"

namespace {

const platform::DialogDesign& kDesign = design::SetupDialog();

TEST(ControlTable, ListsTheControlsInTabOrder) {
  const int expected[] = {IDC_LIST, IDC_INSTALL, IDC_EXIT,        IDC_UNINSTALL, IDC_FRAME,
                          IDC_HINT, IDC_DETAILS, IDC_INSTRUCTION, IDC_ALLSELECT};
  ASSERT_EQ(kDesign.controlCount, sizeof(expected) / sizeof(expected[0]));
  for (std::size_t i = 0; i < kDesign.controlCount; ++i) {
    EXPECT_EQ(kDesign.controls[i].id, expected[i]);
  }
}

TEST(ControlTable, EveryControlLiesInsideTheClientArea) {
  for (const platform::ControlDesign& control : kDesign) {
    const platform::TwipRect bounds = kDesign.ClientBounds(control);
    EXPECT_GE(bounds.left, 0) << control.id;
    EXPECT_GE(bounds.top, 0) << control.id;
    EXPECT_LE(bounds.left + bounds.width, kDesign.clientWidth) << control.id;
    EXPECT_LE(bounds.top + bounds.height, kDesign.clientHeight) << control.id;
  }
}

TEST(ControlTable, HintIsPlacedInsideItsFrame) {
  const platform::TwipRect hint = kDesign.ClientBounds(*kDesign.Find(IDC_HINT));
  EXPECT_EQ(hint.left, 480);
  EXPECT_EQ(hint.top, 2160);
  EXPECT_EQ(hint.width, 3375);
  EXPECT_EQ(hint.height, 735);
  const platform::TwipRect frame = kDesign.ClientBounds(*kDesign.Find(IDC_FRAME));
  EXPECT_LE(hint.left + hint.width, frame.left + frame.width);
  EXPECT_LE(hint.top + hint.height, frame.top + frame.height);
}

TEST(ControlTable, EveryHelpTopicHasATextAndTheInstructionHasNone) {
  std::set<int> topics;
  for (const platform::ControlDesign& control : kDesign) {
    if (control.id == IDC_INSTRUCTION) {
      EXPECT_EQ(control.helpTopic, help::kNoTopic);
      continue;
    }
    ASSERT_NE(kDesign.TopicText(control.helpTopic), nullptr) << control.id;
    EXPECT_NE(kDesign.TopicText(control.helpTopic)[0], L'\0') << control.id;
    topics.insert(control.helpTopic);
  }
  EXPECT_EQ(topics, (std::set<int>{1, 3, 5, 6, 7, 8, 16}));
  EXPECT_EQ(kDesign.TopicText(help::kNoTopic), nullptr);
  EXPECT_EQ(kDesign.TopicText(2), nullptr);
}

TEST(ControlTable, EachButtonHasItsOwnControl) {
  using platform::Button;
  std::set<int> ids;
  for (Button button :
       {Button::Install, Button::Uninstall, Button::Exit, Button::AllSelect, Button::Details}) {
    const platform::ControlDesign* control = kDesign.Find(button);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->kind, button == Button::AllSelect ? platform::ControlKind::BarButton
                                                         : platform::ControlKind::PushButton);
    ids.insert(control->id);
  }
  EXPECT_EQ(ids.size(), 5u);
}

}  // namespace
